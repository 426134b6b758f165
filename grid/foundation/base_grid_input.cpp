// Keys, wheel and cell selection of the base grid: the cursor steps over merged ranges, always
// ends on a base cell and stays off a hidden last row.
#include "grid/foundation/base_grid.h"

#include "platform/messages/message_ids.h"

bool TBaseGrid::SelectCell(int ACol, int ARow) {
    RepaintCell(Col(), Row());
    const bool allowed = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return allowed;
}

void TBaseGrid::MoveToBaseCell() {
    if (!HasCellProperties(Col(), Row())) return;
    const TPoint base = BaseCell(Col(), Row());
    if (base.X != Col()) SetCol(base.X);
    if (base.Y != Row()) SetRow(base.Y);
}

void TBaseGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_NEXT && VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow &&
        RowCount() > 1)
        SetRow(RowCount() - 2);
    if (HasCellProperties(Col(), Row())) {
        const TPoint b = BaseCell(Col(), Row());
        const TCellProperties* base = GetCellProperties(b.X, b.Y);
        switch (Key) {
        case VK_RIGHT: {
            // Onto the far column, so that the step leaves the range past its far edge.
            const int v = b.X + base->CellSpanX();
            if (v >= Col() && Col() < ColCount() - 1 && b.X < ColCount() - 1 && v < ColCount()) SetCol(v);
            break;
        }
        case VK_DOWN: {
            const int v = b.Y + base->CellSpanY();
            if (v >= Row() && Row() < RowCount() - 1 && b.Y < RowCount() - 1) SetRow(v);
            break;
        }
        // Onto the near column (row), so that the step lands just before the range.
        case VK_LEFT:
            if (Col() > b.X && Col() > FixedCols() && b.X > 0) SetCol(b.X);
            break;
        case VK_UP:
            if (Row() > b.Y && Row() > FixedRows() && b.Y > 0) SetRow(b.Y);
            break;
        default: break;
        }
    }
    TObjStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

// The wheel steps out of a range like the arrow keys; otherwise returning to the base cell
// would keep the cursor in the range for good.
void TBaseGrid::stepOutOfRange(bool down) {
    if (!HasCellProperties(Col(), Row())) return;
    const TPoint b = BaseCell(Col(), Row());
    const int span = GetCellProperties(b.X, b.Y)->CellSpanY();
    if (down && span > 0 && b.Y + span > Row()) SetRow(b.Y + span);
    if (!down && Row() > b.Y && b.Y >= FixedRows()) SetRow(b.Y);
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    stepOutOfRange(true);
    const bool handled = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return handled;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    stepOutOfRange(false);
    const bool handled = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return handled;
}
