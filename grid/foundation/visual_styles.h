#pragma once

#include "platform/graphics/theme_service.h"

// The platform's visual styles as one part of the grid suite binds them: the theme service
// the platform offers at start-up, if any, and a flag telling whether it was bound. Two parts
// bind separately and keep their own state: ExXPVS (grid foundation, string grid, cell
// editors) and ATXPVS (drop-down controls).
//
// Callers ask IsThemeActive before drawing themed and draw their classic look when it answers
// false; a themed drawing is OpenThemeData, one or more DrawThemeBackground, CloseThemeData.
// Unbound, the operations fail and draw nothing.
class TVisualStylesBinding {
public:
    // Binds the installed theme service; nothing when already bound. Without a service the flag
    // stays off.
    void InitThemeLibrary();
    // Lets go of the service and clears the flag; nothing when unbound.
    void FreeThemeLibrary();
    bool Loaded() const { return loaded_; }

    // The part's start-up and shutdown, counted so that the first start-up binds and the last
    // shutdown releases, however many paths start it.
    void Startup();
    void Shutdown();

    HTHEME OpenThemeData(HWND Wnd, const QString& ClassList) const;
    void CloseThemeData(HTHEME Theme) const;
    bool DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId, const TRect& R,
                             const TRect* ClipRect) const;
    bool IsThemeActive() const;
    bool GetCurrentThemeName(QString& FileName, QString& ColorName, QString& SizeName) const;

private:
    TThemeService* library_ = nullptr;
    bool loaded_ = false;
    int startupCount_ = 0;
};

// Each binding starts up on its first use, which in the program comes after the toolkit has
// installed its theme service, and shuts down when the program ends.
TVisualStylesBinding& ExXPVS();
TVisualStylesBinding& ATXPVS();
