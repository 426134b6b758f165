// The older colour schemes, kept for grids that were set up with them.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/paint/control_look.h"

namespace {

struct Scheme {
    TColor From, To, MirrorFrom, MirrorTo;
    bool LookCleared;
    TColor ActiveCell, ActiveCellTo, FooterFrom, FooterTo;
};

Scheme schemeColours(TXPColorScheme scheme) {
    switch (scheme) {
    case xpBlue: return {0xFCE1CB, 0xE0A57D, clNone, clNone, false, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D};
    case xpGreen: return {0xCFF0EA, 0x8CC0B1, clNone, clNone, false, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1};
    case xpGray: return {0xECE2E1, 0xB39698, clNone, clNone, false, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698};
    case vistaAero: return {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, false, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698};
    default: return {clWhite, clBtnFace, clNone, clNone, true, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3};
    }
}

} // namespace

void TExStringGrid::SetTheme(TXPColorScheme AScheme) {
    const Scheme s = schemeColours(AScheme);
    TControlLook& look = ControlLook();
    look.SetFixedGradientFrom(s.From);
    look.SetFixedGradientTo(s.To);
    look.SetFixedGradientMirrorFrom(s.MirrorFrom);
    look.SetFixedGradientMirrorTo(s.MirrorTo);
    // clNone does not pass through the control look
    SetDUDGradientMirrorFrom(s.MirrorFrom);
    SetDUDGradientMirrorTo(s.MirrorTo);
    if (s.LookCleared) {
        look.SetFixedGradientFrom(clNone);
        look.SetFixedGradientTo(clNone);
    }
    SetActiveCellColor(s.ActiveCell);
    SetActiveCellColorTo(s.ActiveCellTo);
    SearchFooter().SetColor(s.FooterFrom);
    SearchFooter().SetColorTo(s.FooterTo);
    Invalidate();
}
