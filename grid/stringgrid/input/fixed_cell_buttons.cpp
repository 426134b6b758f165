// Fixed cells as push buttons (drawn down while the button is held, clicked on release) and
// the drop-down button of a hovered fixed cell.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/controls/popup_menu.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

void TExStringGrid::pressFixedAsButton(int ACol, int ARow, int X) {
    const TGridOptions lines = goFixedVertLine | goFixedHorzLine;
    if (!FixedAsButtons || (Options() & lines) != lines) return;
    if (IsNode(ARow) && IsInNodeButton(ARow, X)) return;
    p->FPushedFixedCell = CellRect(ACol, ARow);
    p->FPushedCellButton = {ACol, ARow};
    p->FFixedCellPushed = true;
    RepaintCell(ACol, ARow);
}

// The pushed cell is drawn over the painted cells, so it stays down through any repaint.
void TExStringGrid::paintPushedFixedCell(TCanvas& ACanvas) {
    if (!p->FFixedCellPushed) return;
    TRect r = p->FPushedFixedCell;
    DrawEdge(ACanvas, r, BDR_SUNKENINNER, BF_RIGHT | BF_BOTTOM);
    DrawEdge(ACanvas, r, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
}

// The release draws the cell up again. Like any button it clicks only when released over the
// cell that was pushed; a drag to another cell (a column move) is no click, and neither is a
// press on the cell's drop-down button.
void TExStringGrid::releaseFixedAsButton(int ACol, int ARow) {
    if (!p->FFixedCellPushed) return;
    p->FFixedCellPushed = false;
    const TPoint pushed = p->FPushedCellButton;
    p->FPushedCellButton = {-1, -1};
    // An expand button pressed in the cell comes up with it.
    PushButton(pushed.X, pushed.Y, false);
    RepaintCell(pushed.X, pushed.Y);
    if (ACol < 0 || ARow < 0 || p->FDropDownDown) return;
    const int realCol = RealColIndex(ACol);
    const TPoint base = BaseCell(realCol, ARow);
    if (RealToDisplCol(base.X) != pushed.X || base.Y != pushed.Y) return;
    DoButtonClick(pushed.X, pushed.Y);
    if (HasExpand(base.X, base.Y)) DoExpandClick(pushed.X, pushed.Y, ToggleExpand(base.X, base.Y));
}

bool TExStringGrid::fixedDropDownPress(int X, int Y) {
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0) return false;
    const TRect r = CellRect(col, row);
    const int right = r.Right - ((Options() & goColSizing) ? 2 : 0);
    if (X < r.Right - 16 || X > right) return false;
    // Only where the button is drawn: a hovered fixed cell whose column may show it.
    if (!IsHoverFixedCell(col, row) || !p->ControlLook->FixedDropDownButton || !CanShowFixedDropDown(RealColIndex(col)))
        return false;
    p->FDropDownDown = true;
    if (!p->FixedDropDownMenu && !OnFixedDropDownClick) return false;
    p->FNoMouseLeave = true;
    TPopupMenu* menu = p->FixedDropDownMenu;
    if (menu) menu->Tag = col;
    bool keepHighlighted = false;
    OnFixedDropDownClick(this, col, row, menu, keepHighlighted);
    if (menu) {
        p->FMouseDownMove = false;
        p->FHoverFixedX = col;
        p->FHoverFixedY = row;
        RepaintCell(col, row);
        const TPoint at = ClientToScreen({r.Right - 16, r.Bottom});
        menu->Popup(at.X, at.Y);
        p->FHoverFixedX = p->FHoverFixedY = -1;
        RepaintCell(col, row);
    }
    p->FNoMouseLeave = keepHighlighted;
    return true;
}
