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
    const bool toGrid = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_ESCAPE;
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
