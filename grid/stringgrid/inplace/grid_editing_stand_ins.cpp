// The least answers of the navigation after an edit that the in-place editors call, until the
// grid's navigation handling gives them their whole behaviour and takes their place. The Tab
// step is the grid's own (grid/stringgrid/input/).
#include "grid/stringgrid/inplace/edit_link.h"
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/inplace/grid_check_box_editor.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/inplace/typing_filter.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::DoneInplaceEdit(uint16_t& Key, TShiftState Shift) {
    p->FEditing = false;
    HideInplaceEdit();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) KeyDown(Key, Shift);
    TNavigation& nav = Navigation();
    const bool alwaysEdit = nav.AlwaysEdit;
    nav.AlwaysEdit = false;
    SetFocus();
    if (Key == VK_RETURN) AdvanceCell(Col(), Row(), false, false, true, true, false);
    nav.AlwaysEdit = alwaysEdit;
}

void TExStringGrid::AdvanceCell(int ACol, int ARow, bool Edit, bool, bool Forward, bool FromEditor, bool ByTab) {
    TNavigation& nav = Navigation();
    if (!nav.AdvanceOnEnter && !ByTab) return;
    int c = ACol, r = ARow;
    const int first = FixedCols();
    const int last = ColCount() - FixedRightCols() - 1;
    if (Forward) {
        if (c + CellSpan(RealColIndex(c), r).X < last) {
            c += CellSpan(RealColIndex(c), r).X + 1;
        } else if (nav.AdvanceDirection() == adLeftRight && r < RowCount() - 1) {
            ++r;
            c = first;
        }
    } else if (c > first) {
        --c;
    } else if (r > FixedRows()) {
        --r;
        c = last;
    }
    SetCol(c);
    SetRow(r);
    if (Edit && FromEditor && nav.AdvanceAutoEdit) ShowInplaceEdit();
}
