// Component styles: each style resets the selection and the control look, takes the look it
// names, then writes its own colour table.
#include "grid/foundation/grid_options.h"
#include "grid/foundation/theme_detection.h"
#include "grid/foundation/theme_notifier.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/fixed_cell_gradients.h"

#include <map>
#include <optional>

namespace {

// How the fixed gradient reaches the grid: through the control look only, or through it and then
// cleared from it so that only the grid keeps the colours.
enum class Fixed { None, ViaLook, LookCleared };

struct Colours {
    TColor From, To, MirrorFrom, MirrorTo;
};

using Gradient = TFixedCellGradient;

struct StyleTable {
    std::optional<TGridLook> Look;
    Fixed FixedMode = Fixed::None;
    Colours FixedColours{};
    bool WriteMirrors = false;
    std::optional<TColor> ActiveCell, ActiveCellTo;
    std::optional<TColor> Selection, SelectionTo, SelectionText;
    std::optional<TColor> GridLine, FixedLine;
    std::optional<Gradient> Hover, Down;
    std::optional<TGridSelectionStyle> SelectionStyle;
    std::optional<Colours> SortHeader;
};

StyleTable base(std::optional<TGridLook> look, Fixed mode, Colours fixed) {
    StyleTable t;
    t.Look = look;
    t.FixedMode = mode;
    t.FixedColours = fixed;
    t.WriteMirrors = true;
    return t;
}

constexpr TColor Yellow = 0x94E6FB, Orange = 0x1595EE;

StyleTable office2003(TColor from, TColor to) {
    StyleTable t = base(glXP, Fixed::ViaLook, {from, to, clNone, clNone});
    t.ActiveCell = Yellow;
    t.ActiveCellTo = Orange;
    t.Selection = Yellow;
    t.SelectionTo = Orange;
    t.SelectionText = clBlack;
    t.GridLine = clSilver;
    t.FixedLine = clGray;
    return t;
}

StyleTable office2007(TColor from, TColor to, TColor gridLine, TColor fixedLine) {
    StyleTable t = base(glOffice2007, Fixed::ViaLook, {from, to, clNone, clNone});
    t.ActiveCell = 0x9DD8F9;
    t.ActiveCellTo = 0x5EC1F1;
    t.Selection = 0x5EC1F1;
    t.SelectionText = clBlack;
    t.GridLine = gridLine;
    t.FixedLine = fixedLine;
    return t;
}

StyleTable windows(TGridLook look, Colours fixed, TColor activeCell, TColor activeCellTo, Gradient hover,
                   Gradient down, TGridSelectionStyle selectionStyle) {
    StyleTable t = base(look, Fixed::LookCleared, fixed);
    t.ActiveCell = activeCell;
    t.ActiveCellTo = activeCellTo;
    t.Selection = 0xEACAB6;
    t.SelectionText = clBlack;
    t.GridLine = 0xECECF0;
    t.FixedLine = 0xD4D2D1;
    t.Hover = hover;
    t.Down = down;
    t.SelectionStyle = selectionStyle;
    t.SortHeader = Colours{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};
    return t;
}

StyleTable office2010(TColor fixed, TColor fixedLine, TColor sortHeader) {
    StyleTable t = base(glOffice2007, Fixed::LookCleared, {fixed, fixed, fixed, fixed});
    t.ActiveCell = 0x5BD5FF;
    t.ActiveCellTo = 0x71EFFF;
    t.Selection = 0xFFDBB7;
    t.SelectionText = clBlack;
    t.GridLine = clSilver;
    t.FixedLine = fixedLine;
    t.Hover = Gradient{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
    t.Down = Gradient{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
    t.SelectionStyle = ssDefault;
    t.SortHeader = Colours{sortHeader, sortHeader, sortHeader, sortHeader};
    return t;
}

StyleTable styleTable(TExGridStyle style) {
    switch (style) {
    case gsOffice2003Blue: return office2003(0xFCE1CB, 0xE0A57D);
    case gsOffice2003Silver: return office2003(0xECE2E1, 0xB39698);
    case gsOffice2003Olive: return office2003(0xCFF0EA, 0x8CC0B1);
    case gsOffice2003Classic: {
        StyleTable t = base(glXP, Fixed::LookCleared, {clWhite, 0xCCD4D8, clNone, clNone});
        t.ActiveCell = t.ActiveCellTo = 0xD8D5D4;
        t.GridLine = clSilver;
        t.FixedLine = clGray;
        return t;
    }
    case gsOffice2007Luna: {
        StyleTable t = office2007(0xFBF9F6, 0xE8DBD2, 0xF1EDEB, 0xD1BBA4);
        t.Hover = Gradient{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87};
        t.Down = Gradient{0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
        return t;
    }
    case gsOffice2007Obsidian: return office2007(0xF7F7F7, 0xDEDEDE, 0xE5D7D0, clGray);
    case gsOffice2007Silver: {
        StyleTable t = office2007(0xF3F3F1, 0xCAC9C8, 0xE5D7D0, clGray);
        t.WriteMirrors = false;
        t.ActiveCell = 0x99CCFF;
        t.ActiveCellTo = 0x699CFF;
        t.Selection = 0x95C7F5;
        return t;
    }
    case gsWindowsXP: {
        StyleTable t = base(glXP, Fixed::LookCleared, {clBtnFace, clBtnFace, clNone, clNone});
        t.ActiveCell = t.ActiveCellTo = clBtnFace;
        t.GridLine = clSilver;
        t.FixedLine = clGray;
        return t;
    }
    case gsWhidbey: {
        StyleTable t = base(std::nullopt, Fixed::LookCleared, {clWhite, clBtnFace, clNone, clNone});
        t.ActiveCell = Yellow;
        t.ActiveCellTo = Orange;
        t.GridLine = clSilver;
        t.FixedLine = clGray;
        return t;
    }
    case gsWindowsVista:
        return windows(glVista, {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1}, 0xFDF8F1, 0xFCEFD5,
                       {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
                       {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}, ssVista);
    case gsWindows7:
        return windows(glWin7, {0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD}, 0xFCEBDC, 0xFCDBC1,
                       {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
                       {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}, ssWin7);
    case gsTerminal: return base(glStandard, Fixed::None, {});
    case gsOffice2010Blue: return office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7);
    case gsOffice2010Silver: return office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA);
    case gsOffice2010Black: return office2010(0x6A6A6A, 0x444444, 0xBABABA);
    case gsCustom: break;
    }
    return StyleTable{};
}

} // namespace

void TExStringGrid::setSortHeaderColours(TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo) {
    TSortSettings& sort = SortSettings();
    sort.SetHeaderColor(From);
    sort.SetHeaderColorTo(To);
    sort.SetHeaderMirrorColor(MirrorFrom);
    sort.SetHeaderMirrorColorTo(MirrorTo);
}

void SetFixedHoverAndDown(TControlLook& look, const TFixedCellGradient& hover, const TFixedCellGradient& down) {
    look.SetFixedGradientHoverFrom(hover.From);
    look.SetFixedGradientHoverTo(hover.To);
    look.SetFixedGradientHoverMirrorFrom(hover.MirrorFrom);
    look.SetFixedGradientHoverMirrorTo(hover.MirrorTo);
    look.SetFixedGradientHoverBorder(hover.Border);
    look.SetFixedGradientDownFrom(down.From);
    look.SetFixedGradientDownTo(down.To);
    look.SetFixedGradientDownMirrorFrom(down.MirrorFrom);
    look.SetFixedGradientDownMirrorTo(down.MirrorTo);
    look.SetFixedGradientDownBorder(down.Border);
}

void TExStringGrid::SetStyle(TExGridStyle AStyle) {
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clNone);
    SetSelectionTextColor(clHighlightText);
    SetSelectionStyle(ssDefault);
    setSortHeaderColours(clNone, clNone, clNone, clNone);
    TControlLook& look = ControlLook();
    look.Init();

    const StyleTable t = styleTable(AStyle);
    if (t.Look) SetLook(*t.Look);
    if (t.FixedMode != Fixed::None) {
        look.SetFixedGradientFrom(t.FixedColours.From);
        look.SetFixedGradientTo(t.FixedColours.To);
        if (t.WriteMirrors) {
            look.SetFixedGradientMirrorFrom(t.FixedColours.MirrorFrom);
            look.SetFixedGradientMirrorTo(t.FixedColours.MirrorTo);
            // clNone does not pass through the control look; the grid's mirrors are cleared here
            if (t.FixedColours.MirrorFrom == clNone) SetDUDGradientMirrorFrom(clNone);
            if (t.FixedColours.MirrorTo == clNone) SetDUDGradientMirrorTo(clNone);
        }
        if (t.FixedMode == Fixed::LookCleared) {
            look.SetFixedGradientFrom(clNone);
            look.SetFixedGradientTo(clNone);
        }
    }
    if (t.ActiveCell) SetActiveCellColor(*t.ActiveCell);
    if (t.ActiveCellTo) SetActiveCellColorTo(*t.ActiveCellTo);
    if (t.Selection) SetSelectionColor(*t.Selection);
    if (t.SelectionTo) SetSelectionColorTo(*t.SelectionTo);
    if (t.SelectionText) SetSelectionTextColor(*t.SelectionText);
    if (t.GridLine) SetGridLineColor(*t.GridLine);
    if (t.FixedLine) SetGridFixedLineColor(*t.FixedLine);
    if (t.Hover && t.Down) SetFixedHoverAndDown(look, *t.Hover, *t.Down);
    if (t.SelectionStyle) SetSelectionStyle(*t.SelectionStyle);
    if (t.SortHeader) setSortHeaderColours(t.SortHeader->From, t.SortHeader->To, t.SortHeader->MirrorFrom,
                                           t.SortHeader->MirrorTo);
    if (AStyle == gsOffice2007Luna && Look == glOffice2007) SetSelectionStyle(ssOffice2007);
    if (AStyle != gsCustom && AStyle != gsTerminal) {
        SearchFooter().SetColor(DUDGradientFrom());
        SearchFooter().SetColorTo(DUDGradientMirrorTo());
    }
    Invalidate();
}

void TExStringGrid::AdaptToOfficeTheme() {
    if (!AutoThemeAdapt()) return;
    const TOfficeTheme theme = GetOfficeTheme();
    if (theme == p->FOfficeTheme) return; // the user's own colours stay
    static const std::map<TOfficeTheme, TExStyle> styles = {
        {ot2003Blue, tsOffice2003Blue},       {ot2003Silver, tsOffice2003Silver},
        {ot2003Olive, tsOffice2003Olive},     {ot2003Classic, tsOffice2003Classic},
        {ot2007Blue, tsOffice2007Luna},       {ot2007Silver, tsOffice2007Silver},
        {ot2007Black, tsOffice2007Obsidian},  {ot2010Blue, tsOffice2010Blue},
        {ot2010Silver, tsOffice2010Silver},   {ot2010Black, tsOffice2010Black},
    };
    if (const auto it = styles.find(theme); it != styles.end()) SetComponentStyle(it->second);
    p->FOfficeTheme = theme;
}

void TExStringGrid::WatchOfficeTheme() {
    // Only a grid that follows the office theme makes the notifier.
    if (AutoThemeAdapt() && HandleAllocated() && !FDestroying) {
        GetThemeNotifier(this)->RegisterWindow(this);
        AdaptToOfficeTheme();
    } else if (TThemeNotifier* notifier = ThemeNotifierInstance()) {
        notifier->UnRegisterWindow(this);
    }
}
