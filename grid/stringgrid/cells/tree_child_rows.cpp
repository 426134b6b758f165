// Rows inserted into and removed from the tree, the hidden rows kept in step.
#include "grid/stringgrid/cells/cell_lookup.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>

void TExStringGrid::InsertNormalRow(int ARow) {
    // The hidden rows below follow the rows that move down.
    InsertRows(DisplRowIndex(ARow), 1, true);
}

void TExStringGrid::RemoveNormalRow(int ARow) {
    if (ARow < 0 || ARow >= RowCount()) return;
    // The hidden rows below follow the rows that move up.
    RemoveRows(ARow, 1);
    --p->FMaxRowCount;
}

void TExStringGrid::InsertChildRow(int ARow, int InsertAt) {
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount()) return;
    // A node row owns the rows put in below it; any other row belongs to its parent.
    const bool nodeRow = IsNode(d);
    const int parent = nodeRow ? d : GetParentRow(d);
    int level = 0;
    if (parent != -1) {
        UpdateNodeSpan(parent, 1);
        UpdateSubNodeCount(parent, 1);
        ExpandNode(RealRowIndex(parent));
        level = NodeLevelOf(*this, parent);
        // The enclosing nodes grow too; the walk ends where levels and spans disagree.
        for (int a = parent; level > 1 && a >= FixedRows();) {
            const int up = GetParentRow(a);
            if (up < 0 || up == a || NodeLevelOf(*this, up) >= level) break;
            UpdateNodeSpan(up, 1);
            UpdateSubNodeCount(up, 1);
            ExpandNode(RealRowIndex(up));
            level = std::min(level, NodeLevelOf(*this, up));
            a = up;
        }
        level = NodeLevelOf(*this, parent);
    }
    const int at = nodeRow && InsertAt == 0 ? d + 1 : d + InsertAt;
    InsertRows(at, 1, true);
    if (nodeRow && InsertAt == 0) {
        // The node row's content becomes its first child's; the node keeps its record.
        for (int c = 0; c < TotalColCount(); ++c) {
            SetCells(c, d + 1, Cells(c, d));
            SetCells(c, d, QString());
            if (c == 0) continue;
            TObject* moved = GetGridObject(c, d);
            ResetCell(c, d);
            SetGridObject(c, d + 1, moved);
        }
    }
    if (parent != -1) GetCellProperties(0, at)->SetNodeLevel(level);
}

void TExStringGrid::RemoveChildRow(int ARow) {
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount() || IsHiddenRow(ARow)) return;
    int parent = GetParentRow(d);
    if (parent == d) parent = -1;
    if (parent != -1) {
        const int level = NodeLevelOf(*this, parent);
        if (GetNodeSpan(parent) > 1) {
            UpdateNodeSpan(parent, -1);
            UpdateSubNodeCount(parent, -1);
        }
        for (int a = parent;;) {
            ExpandNode(RealRowIndex(a));
            if (NodeLevelOf(*this, a) <= 1) break;
            const int up = GetParentRow(a);
            if (up < 0 || up == a || NodeLevelOf(*this, up) >= level) break;
            if (GetNodeSpan(up) > 1) {
                UpdateNodeSpan(up, -1);
                UpdateSubNodeCount(up, -1);
            }
            a = up;
        }
    }
    // The hidden rows below follow the rows that move up.
    RemoveRowsInternal(d, 1);
    --p->FMaxRowCount;
    CellControlsUpdate(false);
}
