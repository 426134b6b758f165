#include "platform/testkit/x_pointer.h"

#include "platform/controls/control.h"

#include <QWidget>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

Display* asDisplay(void* d) { return static_cast<Display*>(d); }

}  // namespace

XServerPointer::XServerPointer() : display_(XOpenDisplay(nullptr)) {}

XServerPointer::~XServerPointer() {
    if (display_) XCloseDisplay(asDisplay(display_));
}

void XServerPointer::moveTo(TPoint screen) {
    if (!display_) return;
    XTestFakeMotionEvent(asDisplay(display_), -1, screen.X, screen.Y, CurrentTime);
    XFlush(asDisplay(display_));
}

void XServerPointer::press() {
    if (!display_) return;
    XTestFakeButtonEvent(asDisplay(display_), 1, True, CurrentTime);
    XFlush(asDisplay(display_));
}

void XServerPointer::release() {
    if (!display_) return;
    XTestFakeButtonEvent(asDisplay(display_), 1, False, CurrentTime);
    XFlush(asDisplay(display_));
}

TPoint NativeScreenPoint(const TWinControl& control, TPoint client) {
    const auto* widget = static_cast<const QWidget*>(control.BackendData);
    if (!widget) return control.ClientToScreen(client);
    const QPoint at = widget->mapToGlobal(QPoint(client.X, client.Y));
    return {at.x(), at.y()};
}
