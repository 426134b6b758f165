#include "grid/stringgrid/inplace/inplace_edit.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    FInplaceGrid = dynamic_cast<TExStringGrid*>(AOwner);
    SetBorderStyle(bsNone);
    SetVisible(false);
    AutoSelect = false;
    TabStop = false;
}

void TInplaceEdit::UpdateContents() {
    if (!FInplaceGrid) return;
    SetText(FInplaceGrid->GetCurrentCellEx());
    SetSelStart(static_cast<int>(Text().size()));
}

void TInplaceEdit::BoundsChanged() {
    if (!FInplaceGrid) return;
    const TRect r = FInplaceGrid->CellRect(FInplaceGrid->Col(), FInplaceGrid->Row());
    SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    const bool plain = !(Shift & (ssShift | ssCtrl | ssAlt)) && SelLength() == 0;
    bool toGrid = false;
    switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE:
        toGrid = true;
        break;
    case VK_TAB:
        toGrid = !(Shift & ssAlt);
        break;
    case VK_LEFT:
        toGrid = plain && SelStart() == 0;
        break;
    case VK_RIGHT:
        toGrid = plain && SelStart() == Text().size();
        break;
    default:
        break;
    }
    if (toGrid && FInplaceGrid) {
        TCustomEdit::KeyDown(Key, Shift);
        if (Key) FInplaceGrid->KeyDown(Key, Shift);
        return;
    }
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key) {
    TCustomMaskEdit::KeyPress(Key);
    if (FInplaceGrid && !Key.isNull()) FInplaceGrid->KeyPress(Key);
    if (Key == QChar('\t') || Key == QChar(27) || Key == QChar('\r')) Key = QChar();
}
