#pragma once

#include "platform/graphics/color.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;
class TBitmap;

// Colour arithmetic and the office-style surfaces of the grid suite: stepped gradients,
// mirrored gradients and rounded selection bars. The painters leave the canvas's pen and
// brush colours changed.

// The nearest integer, ties to even: how the suite's painters round.
int NearestInt(double x);

// Each channel halved.
TColor HalveColor(TColor Color);
// Each channel c becomes c + c * Percent / 100, kept to 8 bits without clamping: callers
// darken with negative percentages and rely on the wrap for nothing else.
TColor BrightenColor(TColor Color, int Percent);
// The colour at Position between MinValue and MaxValue; FromColor when ToColor is clNone.
TColor InterpolateColor(TColor FromColor, TColor ToColor, int MinValue, int MaxValue, int Position);

// Steps + 1 bands from FromColor to ToColor, left to right or top to bottom.
void GradientFillRect(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);
// A two-colour gradient, its second half in the mirror colours when they are set, with an
// optional frame or side lines.
void DrawMirroredGradient(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor ColorMirror,
                          TColor ColorMirrorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill);
// A rounded selection bar. Segment: 0 whole, 1 left end, 2 right end, 3 middle piece, 4 a piece
// with the insets of a whole bar but no side edges.
void DrawSelectionGradient(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor ColorMirror, TColor ColorMirrorTo,
                           TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                           TColor BkColor, TRect R, int Segment);
// The filter-button glyph: a small filled triangle pointing down from (X, Y).
void DrawDownTriangle(TCanvas& Canvas, int X, int Y, TColor Color);
void FillRectColor(TCanvas& Canvas, TRect R, TColor Color);
// Draws Bitmap in its own size at R's top-left, its pixel (0, 0)'s colour shown as BkColor.
void DrawTransparentBitmap(TCanvas& Canvas, TBitmap& Bitmap, TColor BkColor, TRect R);
void DrawTransparentResBitmap(TCanvas& Canvas, TColor BkColor, TRect R, const QString& ResName);
