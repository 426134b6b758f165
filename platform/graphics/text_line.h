#pragma once

#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;

// Flags of DrawTextLine beside those of TCanvas::DrawText.
enum : unsigned {
    DT_EXPANDTABS = 0x40,
    DT_EXTERNALLEADING = 0x200,
    DT_RTLREADING = 0x20000,
};

// One line of text in r in the canvas's font, as the platform draws a run of a formatted text.
// Unless DT_NOPREFIX, "&&" shows one "&" and a single "&" is not shown and underlines the
// character after it; an "&" before a blank or at the end has nothing to underline and shows. The line goes to r's left, centre (DT_CENTER) or right (DT_RIGHT) and to
// its top, middle (DT_VCENTER) or bottom (DT_BOTTOM); it is clipped to r unless DT_NOCLIP, and
// DT_END_ELLIPSIS cuts it with "..." to r's width. DT_EXPANDTABS sets tab stops every eight
// characters, DT_EXTERNALLEADING adds the font's leading to the line height and DT_RTLREADING
// lays the characters out right to left. A turned font (Orientation) turns the line about its
// top-left corner and is not clipped. A solid brush fills the background of the text.
// Returns the line height. With DT_CALCRECT nothing is drawn and r gets the extent of the whole
// text, ellipsis or not.
int DrawTextLine(TCanvas& canvas, const QString& text, TRect& r, unsigned flags);
