// Whole rows, columns or the whole grid selected from the headers: the move over a header
// decides what a press there selects, and a drag with the button held extends it.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>

void TExStringGrid::updateMouseSelectMode(int ACol, int ARow, int X, int Y) {
    const TMouseActions& mouse = *p->MouseActions;
    auto& mode = p->FMouseSelectMode;
    mode = TExStringGridPrivate::msNormal;
    if (onSelectionHandle(X, Y)) mode = TExStringGridPrivate::msResize;
    if (ACol < 0 || ARow < 0) return;
    const TRect r = CellRect(ACol, ARow);
    const bool onColBorder = (Options() & goColSizing) && (X - r.Left < 4 || r.Right - X < 4);
    const bool onRowBorder = (Options() & goRowSizing) && (Y - r.Top < 4 || r.Bottom - Y < 4);
    const int lastRow = p->FloatingFooter->Visible && p->FloatingFooter->FooterStyle == fsFixedLastRow
                            ? RowCount() - 2
                            : RowCount() - 1;
    if (ACol < FixedCols() && ARow < FixedRows()) {
        if (mouse.AllSelect) mode = TExStringGridPrivate::msAll;
    } else if (ARow < FixedRows()) {
        if (mouse.ColSelect && !onColBorder) mode = TExStringGridPrivate::msColumn;
    } else if (ACol < FixedCols() && ARow <= lastRow && mouse.RowSelect && !onRowBorder &&
               !(ACol == 0 && IsNode(ARow) && IsInNodeButton(ARow, X))) {
        mode = TExStringGridPrivate::msRow;
    }
}

void TExStringGrid::headerSelectPress(int ACol, int ARow, TShiftState Shift) {
    const TMouseActions& mouse = *p->MouseActions;
    const auto mode = p->FMouseSelectMode;
    auto takeFocus = [&] {
        if (CanFocus()) SetFocus();
    };
    if (ACol < FixedCols() && ARow < FixedRows() && mouse.AllSelect && (Options() & goRangeSelect) &&
        mode == TExStringGridPrivate::msAll) {
        takeFocus();
        TGridRect all{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        MouseSelectAll(all);
        SetSelection(all);
        p->FSelHidden = false;
    } else if (ACol < FixedCols() && ARow >= FixedRows() && mouse.RowSelect && mode == TExStringGridPrivate::msRow) {
        takeFocus();
        if (mouse.DisjunctCellSelect()) clearDisjunctCells();
        const int from = (Shift & ssShift) ? Selection().Top : ARow;
        SetSelection({FixedCols(), std::min(from, ARow), ColCount() - 1, std::max(from, ARow)});
        p->FSelHidden = false;
        p->FMouseSelectStart = ARow;
    } else if (ARow < FixedRows() && ACol >= FixedCols() && mouse.ColSelect && (Options() & goRangeSelect) &&
               mode == TExStringGridPrivate::msColumn) {
        takeFocus();
        if (mouse.DisjunctCellSelect()) clearDisjunctCells();
        const TGridRect s = Selection();
        TGridRect cols{ACol, FixedRows(), ACol, RowCount() - 1};
        if (Shift & ssShift) {
            cols.Left = std::min(ACol, s.Left);
            cols.Right = ACol < s.Left ? s.Right : ACol;
        }
        SetSelection(cols);
        p->FSelHidden = false;
        p->FMouseSelectStart = ACol;
    }
}

void TExStringGrid::headerSelectDrag(int ACol, int ARow) {
    const int start = p->FMouseSelectStart;
    if (start < 0) return;
    const TMouseActions& mouse = *p->MouseActions;
    if (p->FMouseSelectMode == TExStringGridPrivate::msRow && mouse.RowSelect && ARow >= FixedRows() &&
        ARow < RowCount() - FixedFooters()) {
        const int to = std::max(FixedRows(), ARow);
        SetSelection({FixedCols(), std::min(start, to), ColCount() - 1, std::max(start, to)});
    } else if (p->FMouseSelectMode == TExStringGridPrivate::msColumn && mouse.ColSelect && ACol >= 0) {
        const int to = std::max(FixedCols(), ACol);
        SetSelection({std::min(start, to), FixedRows(), std::max(start, to), RowCount() - 1});
    }
}
