#include "grid/foundation/color_routines.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/system/resources.h"

#include <algorithm>
#include <cmath>
#include <utility>

int NearestInt(double x) { return static_cast<int>(std::nearbyint(x)); }

namespace {

// Applies f to each channel of a resolved colour pair.
template <class F>
TColor mixChannels(TColor a, TColor b, F f) {
    return RGB(f(GetRValue(a), GetRValue(b)), f(GetGValue(a), GetGValue(b)), f(GetBValue(a), GetBValue(b)));
}

// Pen and brush in one colour, the rectangle drawn.
void solidRect(TCanvas& canvas, TColor color, const TRect& r) {
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Rectangle(r);
}

void line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// R cut at its middle: the top and bottom halves, or the left and right ones.
std::pair<TRect, TRect> halves(const TRect& r, bool vertical) {
    if (vertical) {
        const int mid = r.Top + (r.Bottom - r.Top) / 2;
        return {{r.Left, r.Top, r.Right, mid}, {r.Left, mid, r.Right, r.Bottom}};
    }
    const int mid = r.Left + (r.Right - r.Left) / 2;
    return {{r.Left, r.Top, mid, r.Bottom}, {mid, r.Top, r.Right, r.Bottom}};
}
}  // namespace

TColor HalveColor(TColor Color) {
    const TColor c = ColorToRGB(Color);
    return mixChannels(c, c, [](int v, int) { return v / 2; });
}

TColor BrightenColor(TColor Color, int Percent) {
    const TColor c = ColorToRGB(Color);
    return mixChannels(c, c, [Percent](int v, int) { return (v + NearestInt(v * Percent / 100.0)) & 0xFF; });
}

TColor InterpolateColor(TColor FromColor, TColor ToColor, int MinValue, int MaxValue, int Position) {
    if (ToColor == clNone) return FromColor;
    const double span = MaxValue - MinValue;
    return mixChannels(ColorToRGB(FromColor), ColorToRGB(ToColor),
                       [&](int f, int t) { return f + NearestInt((t - f) / span * Position); });
}

void GradientFillRect(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal) {
    if (R.Top == R.Bottom) return;
    if (R.Bottom < R.Top) std::swap(R.Top, R.Bottom);
    if (FromColor == clNone || ToColor == clNone) {
        solidRect(Canvas, FromColor == clNone ? ToColor : FromColor, R);
        return;
    }
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    const int extent = Horizontal ? R.Right - R.Left - 1 : R.Bottom - R.Top - 1;
    Steps = std::max(1, std::min(Steps, extent));
    const double band = static_cast<double>(extent) / Steps;
    const int bandSize = static_cast<int>(band + 1);
    for (int k = 0; k <= Steps; ++k) {
        const TColor color =
            mixChannels(from, to, [&](int f, int t) { return f + NearestInt(k * (t - f) / double(Steps)); });
        const int offset = static_cast<int>(k * band);
        if (Horizontal)
            solidRect(Canvas, color, {R.Left + offset, R.Top, std::min(R.Right, R.Left + offset + bandSize), R.Bottom});
        else
            solidRect(Canvas, color, {R.Left, R.Top + offset, R.Right, std::min(R.Bottom, R.Top + offset + bandSize)});
    }
}

void DrawMirroredGradient(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor ColorMirror,
                          TColor ColorMirrorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill) {
    if (Fill && Color != clNone) {
        if (ColorMirror == clNone && ColorTo == clNone) {
            Canvas.Brush.Style = bsSolid;
            Canvas.Pen.Width = 1;
            Canvas.Pen.Style = psSolid;
            solidRect(Canvas, Color, {R.Left, R.Top, R.Right, R.Bottom + 1});
        } else if (ColorMirror == clNone) {
            GradientFillRect(Canvas, Color, ColorTo, 128, R, !Vertical);
        } else {
            const auto [first, second] = halves(R, Vertical);
            GradientFillRect(Canvas, Color, ColorTo, 128, first, !Vertical);
            GradientFillRect(Canvas, ColorMirror, ColorMirrorTo, 128, second, !Vertical);
        }
    }
    if (BorderColor == clNone) return;
    if (SideLinesOnly) {
        Canvas.Pen.Color = BorderColor;
        line(Canvas, R.Left, R.Top, R.Left, R.Bottom);
        line(Canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    } else {
        Canvas.Brush.Color = BorderColor;
        Canvas.FrameRect(R);
    }
}

void DrawSelectionGradient(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor ColorMirror, TColor ColorMirrorTo,
                           TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                           TColor BkColor, TRect R, int Segment) {
    const int L = R.Left, T = R.Top, Rt = R.Right - 1, B = R.Bottom - 2;
    const bool leftEdge = Segment == 0 || Segment == 1;
    const bool rightEdge = Segment == 0 || Segment == 2;
    const int M = T + (B - T) / 2;

    Canvas.Pen.Color = InnerTopColor;
    line(Canvas, L, T + 1, Rt, T + 1);
    if (leftEdge) line(Canvas, L + 1, T + 1, L + 1, M);
    if (rightEdge) line(Canvas, Rt - 2, T + 1, Rt - 2, M);

    Canvas.Pen.Color = InnerBottomColor;
    line(Canvas, L, B - 1, Rt, B - 1);
    if (leftEdge) line(Canvas, L + 1, M, L + 1, B - 1);
    if (rightEdge) line(Canvas, Rt - 2, M, Rt - 2, B - 1);

    const int leftInset = (Segment == 2 || Segment == 3) ? 0 : 2;
    const int rightInset = (Segment == 1 || Segment == 3) ? 0 : 2;

    Canvas.Pen.Color = BorderColor;
    line(Canvas, L + leftInset, T, Rt - rightInset, T);
    line(Canvas, L + leftInset, B, Rt - rightInset, B);
    if (rightEdge) line(Canvas, Rt - 1, T + 2, Rt - 1, B - 1);
    if (leftEdge) line(Canvas, L, T + 2, L, B - 1);

    // Rounded corners: x is the inner column of the edge, outer the edge itself.
    const auto corners = [&](int x, int outer) {
        for (const TPoint p : {TPoint{x, T}, TPoint{x, T + 1}, TPoint{outer, T + 1}, TPoint{x, B}, TPoint{x, B - 1},
                               TPoint{outer, B - 1}})
            Canvas.SetPixel(p.X, p.Y, CornerColor);
        Canvas.SetPixel(outer, T, BkColor);
        Canvas.SetPixel(outer, B, BkColor);
    };
    if (leftEdge) corners(L + 1, L);
    if (rightEdge) corners(Rt - 2, Rt - 1);

    const TRect inner{L + leftInset, T + 2, Rt - rightInset, B - 1};
    if (ColorTo == clNone) {
        solidRect(Canvas, Color, inner);
    } else if (ColorMirror == clNone) {
        GradientFillRect(Canvas, Color, ColorTo, 16, inner, false);
    } else {
        const auto [upper, lower] = halves(inner, true);
        GradientFillRect(Canvas, Color, ColorTo, 16, upper, false);
        GradientFillRect(Canvas, ColorMirror, ColorMirrorTo, 16, lower, false);
    }
}

void DrawDownTriangle(TCanvas& Canvas, int X, int Y, TColor Color) {
    // The outlined and filled polygon (X - 3, Y), (X + 3, Y), (X, Y + 3), row by row.
    Canvas.Pen.Color = Color;
    Canvas.Brush.Color = Color;
    for (int dy = 0; dy <= 3; ++dy) Canvas.FillRect({X - 3 + dy, Y + dy, X + 4 - dy, Y + dy + 1});
}

void FillRectColor(TCanvas& Canvas, TRect R, TColor Color) {
    Canvas.Brush.Color = Color;
    Canvas.FillRect(R);
}

void DrawTransparentBitmap(TCanvas& Canvas, TBitmap& Bitmap, TColor BkColor, TRect R) {
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (w <= 0 || h <= 0) return;
    TCanvas& source = Bitmap.Canvas();
    const TColor key = source.Pixel(0, 0);
    TBitmap copy(w, h);
    TCanvas& target = copy.Canvas();
    const TColor bk = ColorToRGB(BkColor);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor p = source.Pixel(x, y);
            target.SetPixel(x, y, p == key ? bk : p);
        }
    Canvas.Draw(R.Left, R.Top, copy);
}

void DrawTransparentResBitmap(TCanvas& Canvas, TColor BkColor, TRect R, const QString& ResName) {
    TBitmap bitmap;
    if (bitmap.LoadFromData(LoadResourceData(ResName))) DrawTransparentBitmap(Canvas, bitmap, BkColor, R);
}
