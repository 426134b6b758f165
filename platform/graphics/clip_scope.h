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

// Narrows the clipping to the rounded rectangle r with corners of CornerWidth x CornerHeight
// (r's own size makes an ellipse), as an elliptic or rounded region would, while it lives.
class TShapeClipScope {
public:
    TShapeClipScope(TCanvas& canvas, const TRect& r, int CornerWidth, int CornerHeight);
    ~TShapeClipScope();
    TShapeClipScope(const TShapeClipScope&) = delete;
    TShapeClipScope& operator=(const TShapeClipScope&) = delete;

private:
    TCanvas& canvas_;
};
