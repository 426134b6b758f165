#pragma once

#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <vector>

class TBitmap;

class QPainter;
class QFont;
class QRect;
class TGraphic;

// DrawText flags: the layer's own layout of alignment, word breaks and ellipsis.
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
};

enum TFillStyle { fsSurface, fsBorder };

// Mapping modes: MM_TEXT, one unit a device pixel with y growing downwards; MM_LOMETRIC, one
// unit 0.1 mm at the device's resolution with y growing upwards, so a page's points have y <= 0.
enum : int { MM_TEXT = 1, MM_LOMETRIC = 2 };

// Drawing surface with the classic pixel rules on a non-antialiased painter: a rectangle covers
// Left..Right-1 with its pen inside, a line leaves out its end pixel, text is placed by its top.
class TCanvas {
public:
    explicit TCanvas(QPainter* painter);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TFont Font;
    TPen Pen;
    TBrush Brush;

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);  // one-pixel frame in the brush colour
    void Rectangle(const TRect& r);
    void Rectangle(int l, int t, int r, int b) { Rectangle(TRect{l, t, r, b}); }
    void RoundRect(const TRect& r, int cornerWidth, int cornerHeight);
    void Ellipse(const TRect& r);
    // A closed figure filled with the brush and outlined with the pen through every vertex.
    void Polygon(const std::vector<TPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }

    // A font with an Orientation turns the text counter-clockwise about (x, y).
    void TextOut(int x, int y, const QString& text);
    // Draws text clipped to r, its top-left at (x, y).
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);
    // Lays out text in r by the DT_ flags; returns the text height. With DT_CALCRECT only
    // measures: r gets the extent of the laid-out text.
    // Tabs show as blanks: up to the next stop of eight characters with DT_EXPANDTABS
    // (text_line.h), one blank each without it.
    int DrawText(const QString& text, TRect& r, unsigned flags);

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& r, const TGraphic& graphic);
    // Draws bitmap with the pixels of its transparent colour left out: TransparentColor, or the
    // colour of its bottom-left pixel when that is clNone.
    void DrawTransparent(int x, int y, const TBitmap& bitmap);
    // The graphic as a disabled control shows it: grey and faded.
    void DrawDisabled(int x, int y, const TGraphic& graphic);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Fills with the brush the 4-connected area around (x, y): with fsBorder up to pixels of
    // color, with fsSurface over pixels of color. Only on bitmaps; the clip is not consulted.
    void FloodFill(int x, int y, TColor color, TFillStyle style);
    // The dotted frame of a focused item: every other pixel of r's outline inverted, so that
    // drawing it twice takes it away.
    void DrawFocusRect(const TRect& r);

    void SetClipRect(const TRect& r);
    void ResetClip();
    // Leaves r out of what later drawing may touch.
    void ExcludeClipRect(const TRect& r);
    // Keeps later drawing inside r as well as inside the clipping so far.
    void IntersectClipRect(const TRect& r);
    // Saves the clipping, pens and brushes of the painter; RestoreDC returns to the last saved.
    void SaveDC();
    void RestoreDC();
    // The part of the surface that painting can change: the bounds of the clip region (in a
    // window, the area to repaint), else the whole surface.
    TRect ClipRect() const;

    QPainter* Painter() const { return painter_; }

    // Sets the mapping of the coordinates, pen widths and font heights given to the canvas;
    // returns the mode before. Pixels, flood fills and focus frames stay in device units.
    int SetMapMode(int mode);
    int MapMode() const { return mapMode_; }
    // Logical and device coordinates of the current mapping.
    TPoint LPtoDP(TPoint p) const;
    TPoint DPtoLP(TPoint p) const;
    TRect LPtoDP(const TRect& r) const;
    TRect DPtoLP(const TRect& r) const;

private:
    void applyFont();
    void strokeLine(int x1, int y1, int x2, int y2);

    // Device pixels per logical unit across and down (1 in MM_TEXT).
    double scaleX() const;
    double scaleY() const;
    QRect devRect(const TRect& r) const;
    QFont deviceFont() const;

    QPainter* painter_;
    TPoint penPos_;
    int mapMode_ = MM_TEXT;
};

// The pixel height of a font whose Height is 0.
constexpr int DefaultFontPixelHeight = 16;

// The Qt font for a TFont, with the fallback for families the machine lacks.
QFont ToQFont(const TFont& font);
