#pragma once

#include "platform/graphics/graphics_objects.h"

class TCanvas;

// The icons a tool-tip's title may carry, by their numbers: 1 information, 2 warning, 3 error.
constexpr int ToolTipIconSize = 16;
// Draws the desktop's icon of that number stretched into r; nothing for 0 or another number.
void DrawToolTipIcon(TCanvas& Canvas, const TRect& r, int Icon);
