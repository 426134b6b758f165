#include "grid/stringgrid/search/search_panel.h"

#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/foundation/grid_button.h"
#include "grid/foundation/grid_check_box.h"
#include "grid/foundation/resource_glyph.h"
#include "grid/foundation/base_grid.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/message_ids.h"

// ---- TRetEdit

TRetEdit::TRetEdit(TComponent* AOwner) : TEdit(AOwner) {}

void TRetEdit::WndProc(TMessage& Message) {
    // Enter is the edit's own, not the form's default button's.
    if (Message.Msg == WM_GETDLGCODE && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TEdit::WndProc(Message);
}

void TRetEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key != VK_RETURN) {
        TEdit::KeyDown(Key, Shift);
        return;
    }
    if (Shift & ssCtrl) OnCtrlReturn(this);
    else OnReturn(this);
    Key = 0;
}

void TRetEdit::KeyPress(QChar& Key) {
    const bool lineEnd = Key == QChar('\n') || Key == QChar('\r');
    TEdit::KeyPress(Key);
    if (lineEnd) Key = QChar();
}

// ---- TSearchPanel

TSearchPanel::TSearchPanel(TBaseGrid* AGrid) : TPanel(AGrid), FGrid(AGrid) {
    SetBounds(0, 0, Width(), 0);
    BevelOuter = bvNone;
    ShowCaption = false;
    FEdit = new TRetEdit(this);
    FEdit->SetParent(this);
    FEdit->OnChange = [this](TObject* Sender) { EditChanged(Sender); };
    FEdit->OnReturn = [this](TObject*) { OnForwardClick(this); };
    FEdit->OnCtrlReturn = [this](TObject*) { OnBackwardClick(this); };
    FExitButton = makeButton("ASGCLOSE", nullptr);
    SetResourceGlyph([this](const TBitmap& b) { FExitButton->SetGlyphHot(b); }, "ASGCLOSEH");
    SetResourceGlyph([this](const TBitmap& b) { FExitButton->SetGlyphDown(b); }, "ASGCLOSED");
    FExitButton->OnClick = [this](TObject*) { OnExitClick(this); };
    FForwardButton = makeButton("ASGARDOWN", "ASGARDOWND");
    FForwardButton->OnClick = [this](TObject*) { OnForwardClick(this); };
    FBackwardButton = makeButton("ASGARUP", "ASGARUPD");
    FBackwardButton->OnClick = [this](TObject*) { OnBackwardClick(this); };
    FHiliteButton = makeButton("ASGHI", "ASGHID");
    // A toggle: it stays down until pressed again.
    FHiliteButton->SetStyle(tasCheck);
    FHiliteButton->OnClick = [this](TObject*) { OnHighlightClick(this); };
    FMatchCase = new TExCheckBox(this);
    FMatchCase->SetParent(this);
}

TExGridButton* TSearchPanel::makeButton(const char* Glyph, const char* DisabledGlyph) {
    auto* button = new TExGridButton(this);
    button->SetParent(this);
    if (Glyph) SetResourceGlyph([button](const TBitmap& b) { button->SetGlyph(b); }, Glyph);
    if (DisabledGlyph) SetResourceGlyph([button](const TBitmap& b) { button->SetGlyphDisabled(b); }, DisabledGlyph);
    return button;
}

void TSearchPanel::SetColorTo(TColor Value) {
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::CreateWnd() {
    TPanel::CreateWnd();
    Layout();
    OnCreated(this);
}

void TSearchPanel::Layout() {
    auto hint = [](TControl& Control, const QString& Text) {
        Control.SetHint(Text);
        Control.ShowHint = !Text.isEmpty();
    };
    FEdit->SetBounds(25, 6, 110, FEdit->Height());
    FExitButton->SetBounds(5, 7, 14, 14);
    FExitButton->SetCaption(QString());
    hint(*FExitButton, HintClose);
    struct Place {
        TExGridButton* Button;
        int Left;
        const QString& Caption;
        const QString& Hint;
    };
    for (const Place& place : {Place{FForwardButton, 140, FindNextCaption, HintFindNext},
                               Place{FBackwardButton, 235, FindPrevCaption, HintFindPrev},
                               Place{FHiliteButton, 330, HighLightCaption, HintHighlight}}) {
        place.Button->SetBounds(place.Left, 5, 90, 23);
        place.Button->SetCaption(place.Caption);
        hint(*place.Button, place.Hint);
        place.Button->SetEnabled(!FEdit->Text().isEmpty());
    }
    FHiliteButton->Font().SetStyle({});
    FMatchCase->SetBounds(FHiliteButton->Visible() ? 425 : 330, 8, FMatchCase->Width(), FMatchCase->Height());
    FMatchCase->SetCaption(MatchCaseCaption);
}

void TSearchPanel::EditChanged(TObject*) {
    const bool any = !FEdit->Text().isEmpty();
    FForwardButton->SetEnabled(any);
    FBackwardButton->SetEnabled(any);
    FHiliteButton->SetEnabled(any);
    OnEditChange(this);
}

void TSearchPanel::Paint() {
    TCanvas& canvas = Canvas();
    const TRect r = ClientRect();
    if (FColorTo != clNone) {
        DrawGradient(canvas, Color(), FColorTo, 32, r, false);
    } else {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = Color();
        canvas.FillRect(r);
    }
    canvas.Pen.Color = FGrid->GridLineColor();
    canvas.MoveTo(0, 0);
    canvas.LineTo(r.Right, 0);
}
