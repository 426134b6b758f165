#include "platform/controls/inplace_edit.h"

#include "platform/controls/string_grid.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner), grid_(dynamic_cast<TStringGrid*>(AOwner)) {
    SetBorderStyle(bsNone);
    SetVisible(false);
    TabStop = false;
    AutoSelect = false;
}

void TInplaceEdit::UpdateContents() {
    if (!grid_) return;
    editCell_ = {grid_->Col(), grid_->Row()};
    loaded_ = grid_->GetEditText(editCell_.X, editCell_.Y);
    SetText(loaded_);
    Deselect();
}

void TInplaceEdit::Move(const TRect& Loc) {
    SetBounds(Loc.Left, Loc.Top, Loc.Right - Loc.Left, Loc.Bottom - Loc.Top);
    SetVisible(true);
}

void TInplaceEdit::BoundsChanged() {
    if (grid_) Move(grid_->CellRect(editCell_.X, editCell_.Y));
}

void TInplaceEdit::Deselect() { SetSelStart(TextEnd()); }

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (!grid_ || !Key) return;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_RETURN:
    case VK_F2:
        grid_->KeyFromEditor(Key, Shift);
        break;
    case VK_ESCAPE:
        SetText(loaded_);
        grid_->HideEditor();
        Key = 0;
        break;
    default:
        break;
    }
}

void TInplaceEdit::KeyPress(QChar& Key) {
    TCustomEdit::KeyPress(Key);
    if (grid_ && !Key.isNull()) grid_->CharFromEditor(Key);
    // Tab, Enter and Escape are keys of the grid, not characters of the text.
    if (Key == QChar('\t') || Key == QChar('\r') || Key == QChar(0x1B)) Key = QChar();
    // The grid sees a character before the mask places it.
    MaskKeyPress(Key);
}

void TInplaceEdit::Change() {
    TCustomMaskEdit::Change();
    if (grid_) grid_->EditorTextChanged();
}
