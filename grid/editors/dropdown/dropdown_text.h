#pragma once

#include "platform/graphics/graphics_objects.h"
#include "platform/messages/messages.h"

#include <QString>

class TCanvas;
class TImageList;

// Text measuring and fitting of the drop-down controls, in the canvas's current font.

// Width and height of Text on one line; (0, 0) for an empty text, without touching the canvas.
TSize GetTextSize(TCanvas& Canvas, const QString& Text);
// Text cut from its end until narrower than MaxWidth ("..." added to each try when
// AddEllipsis); the whole Text when it is not wider than MaxWidth or no cut is narrow enough.
QString TruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddEllipsis);
// Draws (or, without Draw, only measures) a caption of the suite's markup in R; Size gets the
// width and height it takes, (0, 0) for an empty text.
void DrawHTMLItemText(TCanvas& Canvas, const QString& Text, TRect R, const TImageList* Images, bool Draw, HWND Handle,
                      TPoint& Size);
// Text, or Text in upper case unless CaseSensitive: look-ups by caption compare through it.
QString UpperCaseUnless(const QString& Text, bool CaseSensitive);
