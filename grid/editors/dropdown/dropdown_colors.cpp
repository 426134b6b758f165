#include "grid/editors/dropdown/dropdown_colors.h"

#include "grid/foundation/color_routines.h"

#include <algorithm>

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
    if (Percent >= 100) return Color1;
    if (Percent <= 0) return Color2;
    const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
    const double p = Percent / 100.0;
    const auto mix = [p](int x, int y) { return NearestInt(p * x + (1 - p) * y); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor ShadeColor(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue) {
    const TColor c = ColorToRGB(Color);
    const auto shade = [](int channel, int delta) {
        if (channel == 0) return std::max(0, delta) & 0xFF;
        return NearestInt(std::min(100, 100 + delta) / 100.0 * channel) & 0xFF;
    };
    return RGB(shade(GetRValue(c), DeltaRed), shade(GetGValue(c), DeltaGreen), shade(GetBValue(c), DeltaBlue));
}
