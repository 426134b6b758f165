#include "grid/stringgrid/paint/rotated_text.h"

#include "platform/graphics/canvas.h"

#include <cmath>
#include <numbers>

namespace {
struct TurnedExtent {
    int A, B, C, D;  // |cos a * CY|, |sin a * CX|, |sin a * CY|, |cos a * CX|
};

// Moves R's top-left to the origin by the quadrant the angle turns the text into.
TPoint AlignRotatedText(TRect R, int Angle, TVAlignment VA, TAlignment HA, TurnedExtent e) {
    const int W = R.Width(), H = R.Height();
    const int quadrant = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle <= 270 ? 3 : 4;
    const int spread = (e.A + e.B - H) / 2;
    int x = R.Left, y = R.Top;
    switch (quadrant) {
    case 1:
        x = HA == taRightJustify ? R.Right - e.D - e.C : HA == taCenter ? R.Left + (W - e.C - e.D) / 2 : R.Left;
        y = VA == vtaBottom ? R.Bottom - e.A : VA == vtaCenter ? R.Top + e.B - spread : R.Top + e.B;
        break;
    case 2:
        x = HA == taRightJustify ? R.Right - e.C : HA == taCenter ? R.Right - (e.C + W - e.D) / 2 : R.Left + e.D;
        y = VA == vtaBottom ? R.Bottom : VA == vtaCenter ? R.Top + e.A + e.B - spread : R.Top + e.A + e.B;
        break;
    case 3:
        x = HA == taRightJustify ? R.Right : HA == taCenter ? R.Right - (W - e.C - e.D) / 2 : R.Left + e.C + e.D;
        y = VA == vtaBottom ? R.Bottom - e.B : VA == vtaCenter ? R.Top + e.A - spread : R.Top + e.A;
        break;
    default:
        x = HA == taRightJustify ? R.Right - e.D : HA == taCenter ? R.Left + (e.C + W - e.D) / 2 : R.Left + e.C;
        y = VA == vtaBottom ? R.Bottom - e.A - e.B : VA == vtaCenter ? R.Top - spread : R.Top;
        break;
    }
    return {x, y};
}
}  // namespace

TPoint RotatedTextOrigin(TCanvas& Canvas, TRect R, int Angle, TVAlignment VA, TAlignment HA, const QString& Text) {
    const double CX = Canvas.TextWidth(Text), CY = Canvas.TextHeight(Text);
    R = {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
    const double a = Angle * std::numbers::pi / 180;
    auto len = [](double v) { return std::abs(int(std::lround(v))); };
    return AlignRotatedText(R, Angle, VA, HA, {len(std::cos(a) * CY), len(std::sin(a) * CX), len(std::sin(a) * CY),
                                               len(std::cos(a) * CX)});
}

TSize TurnedTextExtent(TSize Extent, int Angle) {
    const double a = Angle * std::numbers::pi / 180, S = std::sin(a), C = std::cos(a);
    auto len = [](double v) { return std::abs(int(std::lround(v))); };
    return {std::abs(len(Extent.cy * S) - len(Extent.cx * C)) + 12, std::abs(len(Extent.cy * C) - len(Extent.cx * S)) + 12};
}
