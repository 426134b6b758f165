#pragma once

#include "platform/controls/screen.h"

#include <vector>

// Screens for tests, installed for as long as the object lives: one primary screen of Size
// with its work area, and monitors that answer the nearest-monitor question (none: the
// question fails and callers fall back to the system work area).
class TScriptedScreen : public TScreenGeometry {
public:
    struct Monitor {
        TRect Bounds;
        TRect WorkArea;
    };

    TScriptedScreen() { SetScreenGeometry(this); }
    ~TScriptedScreen() override { SetScreenGeometry(nullptr); }
    TScriptedScreen(const TScriptedScreen&) = delete;
    TScriptedScreen& operator=(const TScriptedScreen&) = delete;

    TSize Size{1024, 768};
    TRect WorkArea = Rect(0, 0, 1024, 728);
    std::vector<Monitor> Monitors;

    TSize ScreenSize() override { return Size; }
    bool MonitorAt(TPoint P, TRect& Bounds, TRect& Area) override {
        const Monitor* nearest = nullptr;
        long best = -1;
        for (const Monitor& m : Monitors) {
            const long dx = P.X < m.Bounds.Left ? m.Bounds.Left - P.X : P.X >= m.Bounds.Right ? P.X - m.Bounds.Right + 1 : 0;
            const long dy = P.Y < m.Bounds.Top ? m.Bounds.Top - P.Y : P.Y >= m.Bounds.Bottom ? P.Y - m.Bounds.Bottom + 1 : 0;
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                nearest = &m;
            }
        }
        if (!nearest) return false;
        Bounds = nearest->Bounds;
        Area = nearest->WorkArea;
        return true;
    }
    TRect SystemWorkArea() override { return WorkArea; }
};
