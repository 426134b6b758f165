#include "grid/stringgrid/paint/selection_color_mix.h"

#include <algorithm>
#include <cmath>

TColor MixSelectionColor(TColor SelectionColor, TColor CellColor, int Factor) {
    if (Factor >= 100) return SelectionColor;
    if (Factor < 1 || SelectionColor == clNone) return CellColor;
    if (CellColor == clNone) return SelectionColor;
    const TColor s = ColorToRGB(SelectionColor), c = ColorToRGB(CellColor);
    const double f = Factor / 100.0;
    TColor mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int sc = (s >> shift) & 0xFF, cc = (c >> shift) & 0xFF;
        const int channel = std::min(255, static_cast<int>(std::lround(f * sc + (1 - f) * cc)));
        mixed |= static_cast<TColor>(channel) << shift;
    }
    return mixed;
}
