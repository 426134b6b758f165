#pragma once

#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;

// The icons a tool-tip's title may carry, by their numbers: 1 information, 2 warning, 3 error.
constexpr int ToolTipIconSize = 16;
// Draws the desktop's icon of that number stretched into r; nothing for 0 or another number.
void DrawToolTipIcon(TCanvas& Canvas, const TRect& r, int Icon);

// What a balloon-style tip shows: a first line with the icon and the title in bold (only when
// either is given), the text broken into lines below it, in the canvas's font.
struct TToolTipContent {
    QString Title;
    int Icon = 0;
    QString Text;

    // The size of the content when the text breaks at MaxWidth.
    TSize Measure(TCanvas& Canvas, int MaxWidth) const;
    void Paint(TCanvas& Canvas, const TRect& Area) const;
};
