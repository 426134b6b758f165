#pragma once

class TCanvas;

// The resolution of the canvas's device in pixels per inch: a printer's own, and
// ScreenPixelsPerInch for the screen and for bitmaps, which stand for it.
int DevicePixelsPerInchX(const TCanvas& canvas);
int DevicePixelsPerInchY(const TCanvas& canvas);
