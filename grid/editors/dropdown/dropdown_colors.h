#pragma once

#include "platform/graphics/color.h"

// Colour mixers of the drop-down controls. Both work on the plain RGB values of their
// arguments, so system colours take their current values.

// Percent of Color1 and the rest of Color2, per channel; 100 or more gives Color1 and 0 or
// less Color2, both as given (a system colour stays one).
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
// Each non-zero channel scaled to 100 + its delta percent (a positive delta changes nothing);
// a zero channel becomes the delta when positive, else stays 0.
TColor ShadeColor(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue);
