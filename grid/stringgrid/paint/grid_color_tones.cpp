// The flat look made from a set of colour tones: one call recolours the grid, its check and radio
// glyphs and the buttons of its editors.
#include "grid/foundation/color_routines.h"
#include "grid/foundation/grid_options.h"
#include "grid/foundation/resource_glyph.h"
#include "grid/foundation/theme_detection.h"
#include "grid/editors/asg_spin_button.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/control_look.h"

namespace {
void colourButtons(TDropButtonColors& Buttons, const TColorTones& Tones) {
    Buttons.ButtonColor = Tones.Background.BrushColor;
    Buttons.ButtonColorHot = Tones.Hover.BrushColor;
    Buttons.ButtonColorDown = Tones.Selected.BrushColor;
    Buttons.ButtonBorderColor = Tones.Background.BorderColor;
}
}  // namespace

void TExStringGrid::SetColorTones(const TColorTones& ATones) {
    p->FTones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);
    const QString font = GetDefaultFontName();
    SetFixedColor(ATones.Foreground.BrushColor);
    FixedFont().SetColor(ATones.Foreground.TextColor);
    FixedFont().SetName(font);
    SetColor(ATones.Background.BrushColor);
    Font().SetName(font);
    Font().SetColor(ATones.Background.TextColor);
    SetSelectionColor(ATones.Selected.BrushColor);
    SetSelectionTextColor(ATones.Selected.TextColor);
    SetSelectionColorTo(clNone);
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(BrightenColor(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);

    TControlLook& look = ControlLook();
    look.ControlStyle = csGlyph;
    SetResourceGlyph([&](const TBitmap& b) { look.SetCheckedGlyph(b); }, "metrocheckon");
    SetResourceGlyph([&](const TBitmap& b) { look.SetUnCheckedGlyph(b); }, "metrocheckoff");
    SetResourceGlyph([&](const TBitmap& b) { look.SetRadioOnGlyph(b); }, "metroradioon");
    SetResourceGlyph([&](const TBitmap& b) { look.SetRadioOffGlyph(b); }, "metroradiooff");
    look.SetFlatButton(true);

    TGridCombo& combo = *Combobox();
    colourButtons(combo.ButtonColors, ATones);
    combo.SetFlat(true);
    combo.SetBorderColor(Color());
    TAsgSpinButton& spin = *SpinEdit()->Button();
    spin.ButtonColor = ATones.Background.BrushColor;
    spin.ButtonColorHot = ATones.Hover.BrushColor;
    spin.ButtonColorDown = ATones.Selected.BrushColor;
    spin.ButtonBorderColor = ATones.Background.BorderColor;

    FloatingFooter().SetColor(ATones.Foreground.BrushColor);
    SearchFooter().SetColor(ATones.Foreground.BrushColor);
    SearchFooter().SetColorTo(ATones.Foreground.BrushColor);
    CellNode().SetNodeType(cnFlat);
    Invalidate();
}
