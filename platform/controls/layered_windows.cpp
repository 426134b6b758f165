#include "platform/controls/layered_windows.h"

#include "platform/controls/control.h"

#include <QWidget>

namespace {

TLayeredWindows* installed = nullptr;

QWidget* nativeWindow(HWND wnd) {
    auto* control = dynamic_cast<TWinControl*>(wnd);
    auto* widget = control ? static_cast<QWidget*>(control->BackendData) : nullptr;
    return widget && widget->isWindow() ? widget : nullptr;
}

}  // namespace

TLayeredWindows* LayeredWindows() { return installed; }

void SetLayeredWindows(TLayeredWindows* windows) { installed = windows; }

bool TWindowOpacity::UpdateLayeredWindow(HWND wnd, TCanvas*, const TPoint* destPoint, const TSize* size, TCanvas*,
                                         const TPoint*, TColor, const BLENDFUNCTION* blend, uint32_t flags) {
    QWidget* window = nativeWindow(wnd);
    if (!window) return false;
    auto& control = dynamic_cast<TWinControl&>(*wnd);
    const TPoint at = destPoint ? *destPoint : TPoint{control.Left(), control.Top()};
    const TSize extent = size ? *size : TSize{control.Width(), control.Height()};
    control.SetBounds(at.X, at.Y, extent.cx, extent.cy);
    if (flags & ULW_OPAQUE) window->setWindowOpacity(1.0);
    else if ((flags & ULW_ALPHA) && blend) window->setWindowOpacity(blend->SourceConstantAlpha / 255.0);
    return true;
}

bool TWindowOpacity::SetLayeredWindowAttributes(HWND wnd, TColor, uint8_t alpha, uint32_t flags) {
    QWidget* window = nativeWindow(wnd);
    if (!window) return false;
    if (flags & LWA_ALPHA) window->setWindowOpacity(alpha / 255.0);
    return true;
}
