#pragma once

#include "platform/graphics/theme_service.h"

// The theme service of the program: parts are drawn by the toolkit's current style, with the
// palette of the window they belong to. It knows the classes "button" (push button, radio
// button, check box), "combobox" (drop-down button), "spin" (up and down), "header" (items)
// and "Progress" (bar and chunk).
class TStyleThemeService : public TThemeService {
public:
    bool IsThemeActive() override;
    HTHEME OpenThemeData(HWND window, const QString& classList) override;
    bool DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& r,
                             const TRect* clip) override;
    // The style's name as the file name; styles have no colour schemes or sizes, so those are empty.
    bool GetCurrentThemeName(QString& fileName, QString& colorName, QString& sizeName) override;
};
