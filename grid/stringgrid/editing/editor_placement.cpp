#include "grid/stringgrid/editing/editor_placement.h"

#include "grid/stringgrid/model/ex_string_grid.h"

TRect ControlRect(TExStringGrid& Grid, int ACol, int ARow) {
    const TRect r = Grid.CellRect(ACol, ARow);
    return {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
}

void ShowOver(TWinControl& Control, const TRect& R, TColor Color, QChar Start) {
    Control.SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
    if (Color != clNone) Control.SetColor(Color);
    Control.SetEnabled(true);
    Control.SetVisible(true);
    Control.SetFocus();
    if (!Start.isNull()) PostMessage(&Control, WM_CHAR, Start.unicode());
}

void PutAway(TWinControl& Control) {
    Control.SetEnabled(false);
    Control.SetVisible(false);
}
