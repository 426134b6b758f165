#pragma once

#include "platform/controls/layered_windows.h"

// The platform's layered-window calls, looked up at every call: where the platform has none,
// they do nothing and report success, so the window simply stays opaque.
bool CallUpdateLayeredWindow(HWND Wnd, TCanvas* DestDC, const TPoint* DestPoint, const TSize* Size, TCanvas* SourceDC,
                             const TPoint* SourcePoint, TColor ColorKey, const BLENDFUNCTION* Blend, uint32_t Flags);
bool CallSetLayeredWindowAttributes(HWND Wnd, TColor ColorKey, uint8_t Alpha, uint32_t Flags);
