// Moving the current cell by code, and repainting a row, a column or a range of cells.
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>

void TExStringGrid::GotoCell(int ACol, int ARow) {
    SetRow(ARow);
    SetCol(ACol);
}

void TExStringGrid::EditCell(int ACol, int ARow) {
    if (CanFocus()) SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TExStringGrid::MoveToCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

namespace {
bool isEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }
}  // namespace

// The rectangles are those of the cells in view (an empty one for a cell out of view), so
// nothing is invalidated for what does not show.
void TExStringGrid::RepaintRow(int ARow) {
    const TRect from = TObjStringGrid::CellRect(0, ARow);
    if (isEmpty(from)) return;
    const TRect to = TObjStringGrid::CellRect(LeftCol() + VisibleColCount(), ARow);
    InvalidateRect({from.Left, from.Top, isEmpty(to) ? ClientWidth() : to.Right, from.Bottom});
}

void TExStringGrid::RepaintCol(int ACol) {
    const TRect from = TObjStringGrid::CellRect(ACol, TopRow());
    if (isEmpty(from)) return;
    const TRect to = TObjStringGrid::CellRect(ACol, TopRow() + VisibleRowCount());
    InvalidateRect({from.Left, from.Top, from.Right, isEmpty(to) ? ClientHeight() : to.Bottom});
}

void TExStringGrid::RepaintRect(TRect R) {
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
    const TRect first = TObjStringGrid::CellRect(R.Left, R.Top);
    const TRect last = TObjStringGrid::CellRect(std::min(VisibleColCount() + FixedCols(), R.Right), R.Bottom);
    if (isEmpty(first) || isEmpty(last)) {
        Invalidate();
        return;
    }
    InvalidateRect({std::min(first.Left, last.Left), std::min(first.Top, last.Top), std::max(first.Right, last.Right),
                    std::max(first.Bottom, last.Bottom)});
}
