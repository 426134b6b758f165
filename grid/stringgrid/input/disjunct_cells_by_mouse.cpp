// Disjunct cells chosen with the mouse: a plain click makes the cell the only one, Ctrl adds or
// takes it away, Shift adds it, and a dragged range adds all of its cells.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::clearDisjunctCells() {
    p->FSelectedCells->Clear();
    Invalidate();
}

bool TExStringGrid::disjunctCellRelease(TShiftState Shift, int X, int Y) {
    if (!p->MouseActions->DisjunctCellSelect()) return true;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0) return true;
    const TPoint base = BaseCell(RealColIndex(col), row);
    const int baseCol = RealToDisplCol(base.X), baseRow = base.Y;
    if (IsFixed(baseCol, baseRow)) {
        if (!IsFixed(col, row) && !(Shift & ssCtrl)) clearDisjunctCells();
        return true;
    }
    bool canSelect = true;
    OnSelectCell(this, baseCol, baseRow, canSelect);
    if (!canSelect) return false;
    if (Shift & ssShift) {
        SetSelectedCells(baseCol, baseRow, true);
    } else if (Shift & ssCtrl) {
        SetSelectedCells(baseCol, baseRow, !SelectedCells(baseCol, baseRow));
    } else {
        clearDisjunctCells();
        SetSelectedCells(baseCol, baseRow, true);
    }
    const TGridRect s = Selection();
    for (int r = s.Top; r <= s.Bottom; ++r)
        for (int c = s.Left; c <= s.Right; ++c)
            if (c != baseCol || r != baseRow) SetSelectedCells(c, r, true);
    return true;
}
