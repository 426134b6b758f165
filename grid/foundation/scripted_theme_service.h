#pragma once

#include "grid/foundation/visual_styles.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/theme_service.h"

#include <QStringList>

// A theme service for tests, installed for as long as it lives: it answers with the colour
// scheme it is given, opens every class, and records the drawing calls.
class TScriptedThemeService : public TThemeService {
public:
    explicit TScriptedThemeService(QString colorScheme = QString(), bool active = true)
        : colorScheme_(std::move(colorScheme)), active_(active) {
        SetThemeService(this);
    }
    ~TScriptedThemeService() override { SetThemeService(nullptr); }

    bool IsThemeActive() override { return active_; }
    HTHEME OpenThemeData(HWND, const QString& classList) override {
        calls << "open " + classList;
        return new TThemeData;
    }
    bool DrawThemeBackground(HTHEME, TCanvas&, int part, int state, const TRect& r, const TRect*) override {
        calls << QString("draw %1 %2 (%3,%4,%5,%6)").arg(part).arg(state).arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
        return true;
    }
    bool GetCurrentThemeName(QString& fileName, QString& colorName, QString& sizeName) override {
        fileName = "Scripted";
        colorName = colorScheme_;
        sizeName = "NormalSize";
        return true;
    }

    QStringList calls;

private:
    QString colorScheme_;
    bool active_;
};

// The scripted service with the grid suite's visual-styles binding bound to it while it lives.
class TBoundThemeService : public TScriptedThemeService {
public:
    TBoundThemeService() { ExXPVS().InitThemeLibrary(); }
    ~TBoundThemeService() override { ExXPVS().FreeThemeLibrary(); }
};
