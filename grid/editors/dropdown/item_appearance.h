#pragma once

#include "grid/editors/dropdown/dropdown_types.h"
#include "grid/foundation/style_interfaces.h"
#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"

// How an item selector paints its hot and selected items: gradients with optional mirror
// halves, a rounded frame (or, with BorderColorTop clNone, a plain one) and the captions' font
// and colours. ColorStyle writes a preset into twelve colours; scCustom keeps them.
class TItemAppearance {
public:
    TItemAppearance();

    TColor ColorMirrorHotTo = clNone;
    TColor BorderColor = clNone;
    TColor ColorMirrorHot = clNone;
    TColor ColorSelectedTo = clNone;
    TColor ColorSelected = clNone;
    TColor EdgeColor = clNone;
    TColor ColorHotTo = clNone;
    TColor BorderColorBottom = clNone;
    TColor ColorHot = clNone;
    TColor BorderColorTop = clNone;
    TColor ColorMirrorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone;
    TColor ColorSelectedText = clBlack;
    TColor ColorHotText = clBlack;
    // When set, the frame of a hot (selected) item in this one colour, without the rounded frame.
    TColor BorderColorHot = clNone;
    TColor BorderColorSelected = clNone;
    TFont Font;

    TSelectionColorStyle ColorStyle() const { return colorStyle_; }
    void SetColorStyle(TSelectionColorStyle Value);

    // The preset's colours, the font, the style (whose preset then wins) and the text and
    // single-frame colours.
    void Assign(const TItemAppearance& Source);

    TNotifyEvent OnChange;

private:
    TSelectionColorStyle colorStyle_ = scCustom;
};

// Writes a component style's hot and selected colours into Appearance; nothing for a null
// appearance or tsCustom. Neither ColorStyle nor the font is touched.
void SetItemAppearanceStyle(TItemAppearance* Appearance, TExStyle AStyle);
