#pragma once

#include "platform/graphics/graphics_objects.h"
#include "platform/messages/messages.h"

#include <QString>

class TCanvas;

// The theme data of one window and class, opened and closed around each themed drawing.
class TThemeData {
public:
    virtual ~TThemeData() = default;
};
using HTHEME = TThemeData*;

// Parts and states of the theme classes drawn: "button", "combobox", "spin", "header", "Progress".
enum : int {
    BP_PUSHBUTTON = 1,
    BP_RADIOBUTTON = 2,
    BP_CHECKBOX = 3,
    PBS_NORMAL = 1,
    PBS_HOT = 2,
    PBS_PRESSED = 3,
    PBS_DISABLED = 4,
    PBS_DEFAULTED = 5,
    // Check boxes: 1-4 unchecked, 5-8 checked, 9-12 mixed; radio buttons: 1-4 and 5-8;
    // each group normal, hot, pressed, disabled.
    CBS_UNCHECKEDNORMAL = 1,
    CBS_CHECKEDNORMAL = 5,
    CBS_MIXEDNORMAL = 9,

    CP_DROPDOWNBUTTON = 1,
    CBXS_NORMAL = 1,
    CBXS_HOT = 2,
    CBXS_PRESSED = 3,
    CBXS_DISABLED = 4,

    SPNP_UP = 1,
    SPNP_DOWN = 2,
    UPS_NORMAL = 1,
    UPS_DISABLED = 4,

    HP_HEADERITEM = 1,
    HP_HEADERITEMLEFT = 2,
    HP_HEADERITEMRIGHT = 3,
    HIS_NORMAL = 1,
    HIS_HOT = 2,
    HIS_PRESSED = 3,

    PP_BAR = 1,
    PP_BARVERT = 2,
    PP_CHUNK = 3,
    PP_CHUNKVERT = 4,
};

// The platform's visual styles. The program installs one backed by the toolkit's style; with
// none installed (the default, and what tests use) callers draw their classic looks.
class TThemeService {
public:
    virtual ~TThemeService() = default;
    virtual bool IsThemeActive() = 0;
    // The theme data for a window and a class name (compared without case; a ";"-separated list
    // takes the first known class), or nullptr when no class has theme data.
    virtual HTHEME OpenThemeData(HWND window, const QString& classList) = 0;
    // Draws a part in a state into r, clipped to r and to clip when given; false when the part
    // or state is not drawn by this service.
    virtual bool DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& r,
                                     const TRect* clip) = 0;
    // The names of the current theme's file, colour scheme and size; false without a theme.
    virtual bool GetCurrentThemeName(QString& fileName, QString& colorName, QString& sizeName) = 0;

    static void CloseThemeData(HTHEME theme) { delete theme; }
};

// The installed service, or nullptr.
TThemeService* ThemeService();
// Installs a service (not owned); nullptr removes it.
void SetThemeService(TThemeService* service);
