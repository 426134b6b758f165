#pragma once

#include "platform/graphics/graphics_objects.h"

class TCanvas;

// Narrows the canvas's clipping to r for as long as it lives; the clipping it had comes back
// afterwards, so a caller's own clipping survives.
class TClipScope {
public:
    TClipScope(TCanvas& canvas, const TRect& r);
    ~TClipScope();
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    TCanvas& canvas_;
};
