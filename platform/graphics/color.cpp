#include "platform/graphics/color.h"

namespace {
// The classic scheme's system colours, indexes 0..30.
constexpr TColor kSystemColors[] = {
    RGB(200, 200, 200), RGB(0, 0, 0),       RGB(153, 180, 209), RGB(191, 205, 219),
    RGB(240, 240, 240), RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(180, 180, 180), RGB(244, 247, 252),
    RGB(171, 171, 171), RGB(0, 120, 215),   RGB(255, 255, 255), RGB(240, 240, 240),
    RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(255, 255, 255), RGB(105, 105, 105), RGB(227, 227, 227), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(0, 0, 0),       RGB(0, 102, 204),   RGB(185, 209, 234),
    RGB(215, 228, 242), RGB(0, 120, 215),   RGB(240, 240, 240),
};
}  // namespace

TColor ColorToRGB(TColor color) {
    if (color < 0) {
        const int index = color & 0xFF;
        if (index < static_cast<int>(sizeof kSystemColors / sizeof kSystemColors[0])) return kSystemColors[index];
        return clBlack;
    }
    if (color == clNone || color == clDefault) return clBlack;
    return color & 0xFFFFFF;
}
