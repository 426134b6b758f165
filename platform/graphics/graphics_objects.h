#pragma once

#include "platform/core/events.h"
#include "platform/graphics/color.h"

#include <QString>

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

constexpr int ScreenPixelsPerInch = 96;

// Font of a control or canvas. Height is in pixels (negative: character height, the usual
// form), Size in points at 96 pixels per inch. A name the machine lacks takes a stand-in of
// its widths (canvas.cpp), else DejaVu Sans.
class TFont {
public:
    QString Name() const { return name_; }
    void SetName(const QString& v);
    int Height() const { return height_; }
    void SetHeight(int v);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v);
    int Orientation() const { return orientation_; }  // tenths of a degree
    void SetOrientation(int v);

    void Assign(const TFont& other);
    bool operator==(const TFont& o) const {
        return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
               orientation_ == o.orientation_;
    }

    TNotifyEvent OnChange;

private:
    void changed();

    QString name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int orientation_ = 0;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How a line's pixels meet what lies under them: pmNotXor inverts where the pen is black, so a
// second stroke restores the pixels.
enum TPenMode { pmCopy, pmXor, pmNotXor };

class TPen {
public:
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

// A rectangle covers Left..Right-1 and Top..Bottom-1.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;
};

inline TRect Rect(int l, int t, int r, int b) { return TRect{l, t, r, b}; }
inline TRect Bounds(int l, int t, int w, int h) { return TRect{l, t, l + w, t + h}; }
