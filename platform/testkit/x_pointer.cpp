#include "platform/testkit/x_pointer.h"

#include "platform/controls/control.h"

#include <QApplication>
#include <QDrag>
#include <QWidget>
#include <QWindow>
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

TPoint XServerPointer::position() const {
    if (!display_) return {};
    Display* d = asDisplay(display_);
    Window root = 0, child = 0;
    int x = 0, y = 0, winX = 0, winY = 0;
    unsigned mask = 0;
    XQueryPointer(d, DefaultRootWindow(d), &root, &child, &x, &y, &winX, &winY, &mask);
    return {x, y};
}

TPoint NativeScreenPoint(const TWinControl& control, TPoint client) {
    const auto* widget = static_cast<const QWidget*>(control.BackendData);
    if (!widget) return control.ClientToScreen(client);
    const QPoint at = widget->mapToGlobal(QPoint(client.X, client.Y));
    return {at.x(), at.y()};
}

bool NativeWindowExposed(const TWinControl& control) {
    const auto* widget = static_cast<const QWidget*>(control.BackendData);
    if (!widget || !widget->isVisible()) return false;
    const QWindow* window = widget->window()->windowHandle();
    return window && window->isExposed();
}

bool ToolkitDragRunning() {
    // The drag object is made just before its loop starts and goes soon after it ends; its owner
    // is the widget the drag began on, or the application.
    if (!qApp->findChildren<QDrag*>().isEmpty()) return true;
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (!top->findChildren<QDrag*>().isEmpty()) return true;
    return false;
}
