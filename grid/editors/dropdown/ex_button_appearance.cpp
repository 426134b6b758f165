#include "grid/editors/dropdown/ex_button_appearance.h"

#include "grid/editors/dropdown/dropdown_colors.h"

TExButtonAppearance::TExButtonAppearance() {
    // The checked face is the hot one with its red and green a tenth darker.
    colorChecked_ = ShadeColor(colorHot_, -10, -10, 0);
    colorCheckedTo_ = ShadeColor(colorHotTo_, -10, -10, 0);
    font_.SetName("Tahoma");
}

void TExButtonAppearance::set(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    OnChange(this);
}

void TExButtonAppearance::SetGradient(TGradientDirection Value) {
    if (gradient_ == Value) return;
    gradient_ = Value;
    OnChange(this);
}

void TExButtonAppearance::Assign(const TExButtonAppearance& Source) {
    SetColor(Source.color_);
    SetColorTo(Source.colorTo_);
    SetColorHot(Source.colorHot_);
    SetColorHotTo(Source.colorHotTo_);
    SetColorDown(Source.colorDown_);
    SetColorDownTo(Source.colorDownTo_);
    SetColorChecked(Source.colorChecked_);
    SetColorCheckedTo(Source.colorCheckedTo_);
    SetColorDisabled(Source.colorDisabled_);
    SetColorDisabledTo(Source.colorDisabledTo_);
    SetBorderColor(Source.borderColor_);
    SetBorderColorHot(Source.borderColorHot_);
    SetBorderColorDown(Source.borderColorDown_);
    SetBorderColorChecked(Source.borderColorChecked_);
    SetBorderColorDisabled(Source.borderColorDisabled_);
    SetGradient(Source.gradient_);
}
