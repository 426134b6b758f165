// Switching the grid's appearance as a whole: the look and the component styles write a fixed
// set of colours into the grid and its control look; painting only reads them afterwards.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/fixed_cell_gradients.h"

#include <optional>

namespace {

void setFixedGradient(TControlLook& look, TColor from, TColor to) {
    look.SetFixedGradientFrom(from);
    look.SetFixedGradientTo(to);
}

void setFixedMirrors(TControlLook& look, TColor from, TColor to) {
    look.SetFixedGradientMirrorFrom(from);
    look.SetFixedGradientMirrorTo(to);
}

// The looks that are shown by a component style of their own.
struct NamedStyle {
    TExGridStyle Grid;
    TExStyle Component;
    TGridSelectionStyle Selection;
};

std::optional<NamedStyle> styleOfLook(TGridLook look) {
    switch (look) {
    case glVista: return NamedStyle{gsWindowsVista, tsWindowsVista, ssVista};
    case glWin7: return NamedStyle{gsWindows7, tsWindows7, ssWin7};
    case glOffice2007: return NamedStyle{gsOffice2007Luna, tsOffice2007Luna, ssOffice2007};
    default: return std::nullopt;
    }
}

bool isPlainLook(TGridLook look) { return look == glStandard || look == glSoft || look == glClassic; }

} // namespace

void TExStringGrid::SetLook(TGridLook Value) {
    if (Look == Value) return;
    Look = Value;
    TControlLook& look = ControlLook();
    if (Value != glCustom) {
        setFixedGradient(look, clNone, clNone);
        setFixedMirrors(look, clNone, clNone);
        SetDUDGradientFrom(clNone);
        SetDUDGradientTo(clNone);
        SetDUDGradientMirrorFrom(clNone);
        SetDUDGradientMirrorTo(clNone);
        SortSettings().SetHeaderColor(clNone);
    }
    if (const auto named = styleOfLook(Value)) {
        SetStyle(named->Grid);
        p->FStyle = named->Component;
        SetSelectionStyle(named->Selection);
    }
    switch (Value) {
    case glVista:
    case glWin7:
    case glOffice2007:
    case glCustom:
        break;
    default:
        SetSelectionStyle(ssDefault);
        if (IsLoading()) break;
        if (isPlainLook(Value)) {
            SetFixedColor(clBtnFace);
            setFixedGradient(look, clBtnFace, clNone);
        } else {
            setFixedGradient(look, clWhite, clBtnFace);
        }
        SetGridFixedLineColor(clGray);
        setFixedMirrors(look, clNone, clNone);
        SetGridLineColor(clSilver);
        if (isPlainLook(Value) || Value == glListView) {
            SetActiveCellColor(clGray);
            SetActiveCellColorTo(clNone);
            SetSelectionColor(clHighlight);
            SetSelectionTextColor(clHighlightText);
            SearchFooter().SetColor(clBtnFace);
            SearchFooter().SetColorTo(clBtnFace);
        } else { // glDUD, glXP
            SetActiveCellColor(0xEACAB6);
            SetActiveCellColorTo(clNone);
            SetSelectionColor(0xEACAB6);
            SetSelectionColorTo(clNone);
            SetSelectionTextColor(clBlack);
            SearchFooter().SetColor(clWhite);
            SearchFooter().SetColorTo(clBtnFace);
            setFixedGradient(look, clWhite, Value == glXP ? clBtnFace : clSilver);
            SetFixedHoverAndDown(look, {0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, look.FixedGradientHoverBorder()},
                                 {0x868788, 0x737C7E, 0x737C7E, 0x627376, look.FixedGradientDownBorder()});
        }
        break;
    }
    SetScrollType(ssNormal);
    SetBorderStyle(bsSingle);
    SetBorderColor(0xB99D7F);
    Invalidate();
}

namespace {
constexpr const char* lookNames[] = {"glStandard", "glSoft", "glClassic", "glDUD", "glXP",
                                     "glListView", "glVista", "glWin7", "glOffice2007"};
constexpr const char* lookDisplayNames[] = {"Standard", "Soft", "Classic", "DUD", "Windows XP",
                                            "ListView", "Windows Vista", "Windows 7", "Office2007"};
} // namespace

QString TExStringGrid::LookToString(TGridLook Value) {
    return Value >= glStandard && Value < glCustom ? QString::fromLatin1(lookNames[Value]) : QString();
}

QString TExStringGrid::LookToDisplayName(TGridLook Value) {
    return Value >= glStandard && Value < glCustom ? QString::fromLatin1(lookDisplayNames[Value]) : QString();
}
