#include "grid/stringgrid/inplace/grid_check_box_editor.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner) {
    FGrid = dynamic_cast<TExStringGrid*>(AOwner);
}

void TGridCheckBox::ReCreate() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    HandleNeeded();
}

void TGridCheckBox::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN) Toggle();
    // Space toggled the box as it went down.
    if (m.Msg == WM_CHAR && m.WParam == ' ') return;
    TCheckBox::WndProc(m);
}

void TGridCheckBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_SPACE) Toggle();
    switch (Key) {
    case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_END:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
        break;
    default:
        TCheckBox::KeyDown(Key, Shift);
        return;
    }
    if (!FGrid) return;
    if (Key == VK_ESCAPE) SetCaption(FGrid->GetCurrentCell());
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    if (Key == VK_RETURN) FGrid->AdvanceCell(FGrid->Col(), FGrid->Row(), true, false, true, true, false);
    if (Key == VK_UP || Key == VK_DOWN) FGrid->KeyDown(Key, Shift);
}

void TGridCheckBox::DoExit() {
    if (FGrid) FGrid->HideInplaceEdit();
    TCheckBox::DoExit();
}
