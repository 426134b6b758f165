#pragma once

#include "platform/graphics/color.h"

// The cell colours the PROFINET windows share: each kind of column keeps its colour from one
// window to the next.
constexpr TColor Number_Color = RGB(255, 216, 176);   // orange: numbers and flags that place a row
constexpr TColor Address_Color = RGB(224, 250, 254);  // light cyan: what is chosen or addressed
constexpr TColor Mapping_Color = RGB(252, 214, 244);  // pink: where the data goes
