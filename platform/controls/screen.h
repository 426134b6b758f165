#pragma once

#include "platform/graphics/graphics_objects.h"

// Where the screens lie, in screen coordinates: what a window asks before it places itself
// (a pop-up that flips above its control, a form kept on the monitor it opens on). The
// program asks the toolkit's screens; tests install scripted ones.
class TScreenGeometry {
public:
    virtual ~TScreenGeometry() = default;
    // The size of the primary screen (SM_CXSCREEN, SM_CYSCREEN).
    virtual TSize ScreenSize() = 0;
    // The bounds and the work area (the bounds less the task bars) of the monitor nearest P;
    // false when no monitor answers.
    virtual bool MonitorAt(TPoint P, TRect& Bounds, TRect& WorkArea) = 0;
    // The primary screen's work area (SPI_GETWORKAREA).
    virtual TRect SystemWorkArea() = 0;
};

TScreenGeometry& ScreenGeometry();
// Installs a geometry (not owned); nullptr returns to the toolkit's screens.
void SetScreenGeometry(TScreenGeometry* geometry);
