// The editor control of each editor kind: shown over the cell with its value, kept there while
// the grid scrolls or sizes, and committed back into the cell when the edit ends.
#include "grid/stringgrid/editing/editor_kinds.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {

// Where a control covers the cell: inside its grid lines.
TRect controlRect(TExStringGrid& grid, int ACol, int ARow) {
    const TRect r = grid.CellRect(ACol, ARow);
    return {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
}

// The background the painter gives the cell.
TColor cellColor(TExStringGrid& grid, int ACol, int ARow) {
    TGridDrawState state = 0;
    TBrush brush;
    TFont font;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd{};
    grid.GetVisualProperties(ACol, ARow, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va,
                             ww, gd);
    return brush.Color;
}

}  // namespace

void TExStringGrid::ShowEditControl(int ACol, int ARow) {
    p->FEditing = p->FSpecialEditor = p->FEditActive = true;
    const TRect r = controlRect(*this, ACol, ARow);
    const TColor color = cellColor(*this, ACol, ARow);
    (void)color;
    if (GridState() == gsEditing) SetGridState(gsNormal);
    p->EditCtrl = nullptr;
    if (p->EditControl != edCustom) p->FLastValidation = true;
    (void)r;
    switch (p->EditControl) {
    default:
        // Kinds without a control of their own (a data check box, or a kind whose control
        // this build lacks) open the edit with nothing shown.
        p->EditMode = true;
        break;
    }
    p->FStartEditChar = QChar();
}

void TExStringGrid::PlaceEditControl(int ACol, int ARow) {
    if (!p->EditCtrl) return;
    const TRect r = controlRect(*this, ACol, ARow);
    p->EditCtrl->SetBounds(r.Left, r.Top, r.Right - r.Left, p->EditCtrl->Height());
}

void TExStringGrid::HideEditControl(int ACol, int ARow) {
    if (FDestroying) return;
    p->FSpecialEditor = false;
    p->FBlockKill = true;
    p->FStartEditChar = QChar();
    const int realCol = RealColIndex(ACol);
    switch (p->EditControl) {
    default:
        p->EditMode = false;
        break;
    }
    p->EditCtrl = nullptr;
    if (p->EditControl != edNormal && p->FEditActive) DoEditingDone(realCol, ARow);
    p->FBlockKill = false;
    p->FEditActive = false;
}
