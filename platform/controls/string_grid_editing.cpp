// The in-place text editor of the platform's string grid.
#include "platform/controls/inplace_edit.h"
#include "platform/controls/string_grid.h"
#include "platform/controls/string_grid_p.h"

bool TStringGrid::EditorMode() const { return d->EditorMode; }
TInplaceEdit* TStringGrid::InplaceEditor() const { return d->Editor; }

void TStringGrid::SetEditorMode(bool Value) {
    if (Value) ShowEditor();
    else HideEditor();
}

bool TStringGrid::CanEditShow() {
    return (d->Options & goEditing) && !(d->Options & goRowSelect) && d->EditorMode &&
           ((d->Options & goAlwaysShowEditor) || Focused());
}

TInplaceEdit* TStringGrid::CreateEditor() { return new TInplaceEdit(this); }

QString TStringGrid::GetEditText(int ACol, int ARow) { return Cells(ACol, ARow); }
void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value) { SetCells(ACol, ARow, Value); }

void TStringGrid::EditorTextChanged() {
    const TPoint cell = d->Editor->EditCell();
    SetEditText(cell.X, cell.Y, d->Editor->MaskedText());
}

void TStringGrid::ShowEditor() {
    if (d->Editor && d->Editor->Visible()) {
        if (Focused()) d->Editor->SetFocus();
        return;
    }
    // The mode is asked for by the caller; CanEditShow may still refuse the editor.
    d->EditorMode = true;
    if (!CanEditShow()) {
        d->EditorMode = false;
        return;
    }
    if (!d->Editor) {
        d->Editor = CreateEditor();
        d->Editor->SetParent(this);
    }
    d->Editor->UpdateContents();
    d->Editor->BoundsChanged();
    d->Editor->SetVisible(true);
    d->State = gsEditing;
    if (Focused()) d->Editor->SetFocus();
}

void TStringGrid::ShowEditorChar(QChar Ch) {
    ShowEditor();
    if (!d->Editor || !d->Editor->Visible()) return;
    d->Editor->SelectAll();
    d->Editor->Perform(WM_CHAR, Ch.unicode());
}

void TStringGrid::HideEditor() {
    d->EditorMode = false;
    if (!d->Editor || !d->Editor->Visible()) return;
    const bool hadFocus = d->Editor->Focused();
    const TPoint cell = d->Editor->EditCell();
    SetEditText(cell.X, cell.Y, d->Editor->MaskedText());
    // Writing the text may have closed the editor by other means already.
    if (!d->Editor->Visible()) return;
    d->Editor->SetVisible(false);
    if (d->State == gsEditing) d->State = gsNormal;
    if (hadFocus) SetFocus();
}

void TStringGrid::UpdateEditorPlace() {
    if (d->Editor && d->Editor->Visible()) d->Editor->BoundsChanged();
}

void TStringGrid::WndProcChar(TMessage& Message) {
    QChar ch(static_cast<char16_t>(Message.WParam));
    const bool typing = ch == QChar('\b') || ch.unicode() >= 0x20;
    if (!(d->Options & goEditing) || !typing || (d->Editor && d->Editor->Visible())) {
        TCustomControl::WndProc(Message);
        return;
    }
    // A typed character starts an edit, after OnKeyPress had its say.
    KeyPress(ch);
    if (!ch.isNull()) ShowEditorChar(ch);
}

void TStringGrid::Resize() {
    UpdateScrollBars();
    UpdateEditorPlace();
    TCustomControl::Resize();
}
