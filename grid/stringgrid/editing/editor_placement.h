#pragma once

#include "platform/controls/control.h"

class TExStringGrid;

// Where a control covers the cell: inside its grid lines.
TRect ControlRect(TExStringGrid& Grid, int ACol, int ARow);
// Shown, enabled and focused over R, the starting character typed into it.
void ShowOver(TWinControl& Control, const TRect& R, TColor Color, QChar Start);
// Hidden and disabled between edits.
void PutAway(TWinControl& Control);
