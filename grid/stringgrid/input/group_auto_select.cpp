// A click on an open group's header row selects the rows of the group.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>

void TExStringGrid::autoSelectGroup(int ACol, int ARow) {
    if (!p->Grouping->AutoSelectGroup || ACol <= 0 || ARow < 0 || ARow >= RowCount()) return;
    if (!IsNode(ARow) || GetNodeState(ARow)) return;
    const int last = std::min(ARow + GetNodeSpan(ARow) - 1, RowCount() - 1);
    const TMouseActions& mouse = *p->MouseActions;
    if (!mouse.DisjunctRowSelect()) {
        SetSelection({FixedCols(), ARow, ColCount() - 1, last});
        return;
    }
    // The marks are kept by stored row only while they persist, as the painter reads them.
    for (int r = ARow + 1; r <= last; ++r) SetRowSelect(mouse.RowSelectPersistent ? DisplToRealRow(r) : r, true);
}
