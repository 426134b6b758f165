#pragma once

#include "grid/editors/dropdown/dropdown_types.h"
#include "grid/foundation/style_interfaces.h"

// The colour sets that the named component styles give a drop-down, its pop-up strips, the
// strips' buttons, selected items and item lists. tsCustom has no set.

struct TDropDownStyleColors {
    TColor DropDownColor;
    TColor DropDownColorTo;
    bool SetsBorderColor;  // three styles leave the pop-up's border colour as it is
    TColor DropDownBorderColor;
    TColor HeaderColor, HeaderColorTo, HeaderFontColor, HeaderBorderColor;
    TColor FooterColor, FooterColorTo, FooterFontColor, FooterBorderColor;
};

// In the order the button appearance takes them.
struct TButtonStyleColors {
    TColor Color, ColorTo, BorderColor;
    TColor ColorHot, ColorHotTo, BorderColorHot;
    TColor ColorDown, ColorDownTo, BorderColorDown;
    TColor ColorDisabled, ColorDisabledTo;
    TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

// The look of a selected item beyond its two selection colours.
struct TSelectionStyleColors {
    TColor SelectionColor, SelectionColorTo;
    TColor MirrorColor, MirrorColorTo;
    TColor InnerTopColor, InnerBottomColor, BorderColor, CornerColor;
};

// The hot and selected colours of an item list.
struct TItemAppearanceStyleColors {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    TColor BorderColor, BorderColorTop, BorderColorBottom, EdgeColor;
    TColor ColorSelectedText;
    TColor ColorHotText;
};

// Each is false for tsCustom (and for scCustom), which leaves every colour as it is.
bool DropDownStyleColors(TExStyle Style, TDropDownStyleColors& Colors);
bool ButtonStyleColors(TExStyle Style, TButtonStyleColors& Colors);
bool SelectionStyleColors(TSelectionColorStyle Style, TSelectionStyleColors& Colors);
bool ItemAppearanceStyleColors(TExStyle Style, TItemAppearanceStyleColors& Colors);
