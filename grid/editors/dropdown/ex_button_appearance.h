#pragma once

#include "grid/editors/dropdown/dropdown_types.h"
#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"

// The colours of the push buttons on a drop-down's header and footer strips, shared by all of
// them. Every colour and the gradient fire OnChange when they change.
class TExButtonAppearance : public TObject {
public:
    TExButtonAppearance();

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value) { set(borderColor_, Value); }
    TColor BorderColorHot() const { return borderColorHot_; }
    void SetBorderColorHot(TColor Value) { set(borderColorHot_, Value); }
    TColor BorderColorDown() const { return borderColorDown_; }
    void SetBorderColorDown(TColor Value) { set(borderColorDown_, Value); }
    TColor BorderColorDisabled() const { return borderColorDisabled_; }
    void SetBorderColorDisabled(TColor Value) { set(borderColorDisabled_, Value); }
    TColor BorderColorChecked() const { return borderColorChecked_; }
    void SetBorderColorChecked(TColor Value) { set(borderColorChecked_, Value); }
    TColor Color() const { return color_; }
    void SetColor(TColor Value) { set(color_, Value); }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor Value) { set(colorTo_, Value); }
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor Value) { set(colorDown_, Value); }
    TColor ColorDownTo() const { return colorDownTo_; }
    void SetColorDownTo(TColor Value) { set(colorDownTo_, Value); }
    TColor ColorHot() const { return colorHot_; }
    void SetColorHot(TColor Value) { set(colorHot_, Value); }
    TColor ColorHotTo() const { return colorHotTo_; }
    void SetColorHotTo(TColor Value) { set(colorHotTo_, Value); }
    TColor ColorChecked() const { return colorChecked_; }
    void SetColorChecked(TColor Value) { set(colorChecked_, Value); }
    TColor ColorCheckedTo() const { return colorCheckedTo_; }
    void SetColorCheckedTo(TColor Value) { set(colorCheckedTo_, Value); }
    TColor ColorDisabled() const { return colorDisabled_; }
    void SetColorDisabled(TColor Value) { set(colorDisabled_, Value); }
    TColor ColorDisabledTo() const { return colorDisabledTo_; }
    void SetColorDisabledTo(TColor Value) { set(colorDisabledTo_, Value); }
    TGradientDirection Gradient() const { return gradient_; }
    void SetGradient(TGradientDirection Value);
    TFont& Font() { return font_; }
    void SetFont(const TFont& Value) { font_.Assign(Value); }

    // Every colour and the gradient, not the font.
    void Assign(const TExButtonAppearance& Source);

    TNotifyEvent OnChange;

private:
    void set(TColor& Field, TColor Value);

    TColor borderColor_ = clNone;
    TColor borderColorHot_ = 0x808080;
    TColor borderColorDown_ = 0x800000;
    TColor borderColorDisabled_ = 0x808080;
    TColor borderColorChecked_ = 0xFF0000;
    TColor color_ = clNone;
    TColor colorTo_ = clNone;
    TColor colorDown_ = 0xF5D8CA;
    TColor colorDownTo_ = 0xF9BDA0;
    TColor colorHot_ = 0xF5F0E1;
    TColor colorHotTo_ = 0xF9D2B2;
    TColor colorCheckedTo_ = 0xF9BDA0;
    TColor colorDisabled_ = 0xF2F2F2;
    TColor colorDisabledTo_ = clNone;
    TColor colorChecked_ = 0xF5D8CA;
    TGradientDirection gradient_ = gdVertical;
    TFont font_;
};
