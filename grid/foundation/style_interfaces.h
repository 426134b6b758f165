#pragma once

#include "platform/graphics/color.h"

// The look vocabulary of the grid suite's controls. Ordinals are fixed: forms store them.
enum TExStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
};

struct TColorTone {
    TColor BrushColor = clBlack;
    TColor BorderColor = clBlack;
    TColor TextColor = clBlack;
};

// Painters read the normal state from Background, hot from Hover, pressed from Selected and
// disabled from Disabled.
struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown,
};

// Restyles a control without knowing its class (found with dynamic_cast).
class IExStyle {
public:
    virtual ~IExStyle() = default;
    virtual void SetComponentStyle(TExStyle AStyle) = 0;
};

class IExTones {
public:
    virtual ~IExTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};
