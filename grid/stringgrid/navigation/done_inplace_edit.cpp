// An editor control closed by one of its exit keys hands the key to the grid.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::DoneInplaceEdit(uint16_t& Key, TShiftState Shift) {
    p->FBlockFocus = true;
    p->FEditing = false;
    HideInplaceEdit();
    if (p->Navigation->AppendOnArrowDown && Key == VK_DOWN && InLastAppendRow()) AppendRowOnArrowDown();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) KeyDown(Key, Shift);
    TNavigation& nav = Navigation();
    const bool alwaysEdit = nav.AlwaysEdit;
    nav.AlwaysEdit = false;
    SetFocus();
    if (Key == VK_RETURN) AdvanceCell(Col(), Row(), false, false, true, true, false);
    nav.AlwaysEdit = alwaysEdit;
    p->FBlockFocus = false;
}
