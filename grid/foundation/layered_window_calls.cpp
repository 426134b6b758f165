#include "grid/foundation/layered_window_calls.h"

bool CallUpdateLayeredWindow(HWND Wnd, TCanvas* DestDC, const TPoint* DestPoint, const TSize* Size, TCanvas* SourceDC,
                             const TPoint* SourcePoint, TColor ColorKey, const BLENDFUNCTION* Blend, uint32_t Flags) {
    TLayeredWindows* windows = LayeredWindows();
    return !windows ||
           windows->UpdateLayeredWindow(Wnd, DestDC, DestPoint, Size, SourceDC, SourcePoint, ColorKey, Blend, Flags);
}

bool CallSetLayeredWindowAttributes(HWND Wnd, TColor ColorKey, uint8_t Alpha, uint32_t Flags) {
    TLayeredWindows* windows = LayeredWindows();
    return !windows || windows->SetLayeredWindowAttributes(Wnd, ColorKey, Alpha, Flags);
}
