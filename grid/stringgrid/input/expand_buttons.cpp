// The expand buttons of cells, pressed down and clicked on release, and the node button of a
// header row, which opens or closes every node at once.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"

void TExStringGrid::PushButton(int ACol, int ARow, bool Pushed) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    // Only buttons: a node's record keeps its own state in the same flag.
    if (!graphic || (graphic->CellType != ctButton && graphic->CellType != ctBitButton &&
                     graphic->CellType != ctExpand))
        return;
    if (graphic->CellBoolean == Pushed) return;
    graphic->CellBoolean = Pushed;
    RepaintCell(RealToDisplCol(base.X), base.Y);
}

void TExStringGrid::headerNodeButtonPress(int ARow) {
    if (!p->MouseActions->NodeAllExpandContract) return;
    TCellGraphic* node = GetCellGraphic(0, ARow);
    if (!node || node->CellType != ctNode) return;
    const bool collapsed = node->CellBoolean;
    if (collapsed) ExpandAll();
    else ContractAll();
    node->CellBoolean = !collapsed;
    RepaintCell(0, ARow);
}

// ACol and ARow: the base cell in display columns; RealCol its real column.
bool TExStringGrid::expandButtonPress(int ACol, int ARow, int RealCol, int X, int Y) {
    if (!HasExpand(RealCol, ARow)) return false;
    HideInplaceEdit();
    TRect button;
    GetExpandButtonRect(ACol, ARow, button);
    if (!button.Contains({X, Y})) return false;
    PushButton(ACol, ARow, true);
    p->FPushedCellButton = {ACol, ARow};
    OnClickCell(this, ARow, ACol);
    return true;
}

bool TExStringGrid::onExpandButton(int ACol, int ARow, int X, int Y) {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    if (!HasExpand(base.X, base.Y)) return false;
    TRect button;
    GetExpandButtonRect(RealToDisplCol(base.X), base.Y, button);
    return button.Contains({X, Y});
}

// The release of a pressed button: it comes up in any case, and toggles its cell when released
// over the same button. Expand buttons are never drawn disabled, so editing does not gate them.
// False when no button was down.
bool TExStringGrid::pushedButtonRelease(int ACol, int ARow, int X, int Y) {
    const TPoint pushed = p->FPushedCellButton;
    if (pushed.X < 0 || pushed.Y < 0) return false;
    p->FPushedCellButton = {-1, -1};
    PushButton(pushed.X, pushed.Y, false);
    if (ACol < 0 || ARow < 0) return true;
    cellButtonRelease(pushed, ACol, ARow, X, Y);
    const bool fixedButton = pushed.Y < FixedRows() || (pushed.X < FixedCols() && FixedAsButtons);
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    const bool samePlace = TPoint{RealToDisplCol(base.X), base.Y} == pushed;
    if (HasExpand(base.X, base.Y) && ((samePlace && onExpandButton(ACol, ARow, X, Y)) || fixedButton)) {
        const bool expanded = ToggleExpand(RealColIndex(pushed.X), pushed.Y);
        DoExpandClick(pushed.X, pushed.Y, expanded);
    }
    return true;
}

// The expand button under the pointer is drawn hovered; the one left is drawn plain again.
void TExStringGrid::hoverExpandButton(int ACol, int ARow, int X, int Y) {
    TPoint hovered{-1, -1};
    if (onExpandButton(ACol, ARow, X, Y) || onCellButton(ACol, ARow, X, Y)) {
        const TPoint base = BaseCell(RealColIndex(ACol), ARow);
        hovered = {RealToDisplCol(base.X), base.Y};
    }
    const TPoint old = p->FHoverButton;
    if (hovered == old) return;
    p->FHoverButton = hovered;
    if (old.X >= 0) RepaintCell(old.X, old.Y);
    if (hovered.X >= 0) RepaintCell(hovered.X, hovered.Y);
}
