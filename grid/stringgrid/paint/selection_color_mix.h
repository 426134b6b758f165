#pragma once

#include "platform/graphics/color.h"

// The colour of a selected cell with the selection colour mixer: Factor percent of the
// selection colour over the cell's own colour, per RGB channel.
TColor MixSelectionColor(TColor SelectionColor, TColor CellColor, int Factor);
