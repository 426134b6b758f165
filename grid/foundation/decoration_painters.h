#pragma once

#include "platform/graphics/color.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;
class TWinControl;

// Graphics that cells show in place of or beside their text. The painters leave the canvas's
// pen, brush and font changed. Printing flips the vertical placement of text for the printer's
// upward axis.

enum TCellShape {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond,
    csLineVert, csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp,
    csArrowDown, csArrowLeft, csArrowRight, csHalfStar,
};

// How an appearance-driven progress bar looks.
struct TProgressDrawInfo {
    TColor Level0Color = clNone, Level0ColorTo = clNone;  // below Level1Perc
    TColor Level1Color = clNone, Level1ColorTo = clNone;  // from Level1Perc to below Level2Perc
    TColor Level2Color = clNone, Level2ColorTo = clNone;  // from Level2Perc to 99, unstacked
    TColor Level3Color = clNone, Level3ColorTo = clNone;  // at 100, and a stacked bar's third part
    int Level1Perc = 0;
    int Level2Perc = 0;
    TColor BorderColor = clNone;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = false;
    const TFont* Font = nullptr;  // not owned
    TColor CompleteFontColor = clNone;
    bool CompletionSmooth = false;
    bool ShowGradient = false;
    int Steps = 0;
    TColor BackgroundColor = clNone;
    bool Vertical = false;
};

// A two-colour bar with centred text that changes colour where the bar ends. Without Fmt the text
// is the rounded Value and "%" and the bar shows Value percent; with Fmt ("%d" style for integer
// formats, else "%.2f" style) the bar shows Value's share of MinValue..MaxValue.
void DrawProgressBar(TCanvas& Canvas, TRect R, TColor Color, TColor TextColor, TColor ColorTo, TColor TextColorTo,
                     double Value, int MarginX, int MarginY, double MinValue, double MaxValue, const QString& Fmt,
                     TColor BorderColor, bool Printing);
// An ellipse with Percent (0..100) of it filled clockwise from twelve o'clock.
void DrawProgressPie(TCanvas& Canvas, TRect R, TColor Color, int Percent, bool Printing);
// A bar from the middle of the cell, to the right for positive and to the left for negative
// values; Range is the value of a full half. A Range of 0 or less draws no bar.
void DrawRangeIndicator(TCanvas& Canvas, TRect R, int Value, int Range, bool ShowValue, TColor NegColor,
                        TColor PosColor);
// An appearance-driven bar; Percent in 0..100.
void DrawExProgressBar(TCanvas& Canvas, TRect R, int Percent, const TProgressDrawInfo& Info);
// One shape in the box (X, Y, X + Width, Y + Height); other values draw nothing.
void DrawShape(TCanvas& Canvas, int X, int Y, int Width, int Height, int Shape, TColor BrushColor, TColor PenColor);
// A red zigzag under the characters ErrPos .. ErrPos + ErrLen - 1 (0-based) of Text laid out on
// one line from R's left in the canvas's font; YOffset is where the cell painter put the text.
// Parent is the window the text stands in.
void DrawErrorUnderline(TWinControl* Parent, TCanvas& Canvas, const QString& Text, TRect R, int YOffset, int ErrPos,
                        int ErrLen);

// The one-value formats of the progress text: "%d", "%u", "%x", "%f", "%n", "%e", "%g" with the
// usual flags, width and precision, and "%%". Integer formats take Value rounded.
QString FormatProgressValue(const QString& Fmt, double Value);
