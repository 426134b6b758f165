#include "platform/controls/activation.h"

#include "platform/controls/control.h"

namespace {
TWinControl* active = nullptr;
}  // namespace

TWinControl* ActiveWindow() { return active; }

void ActivateWindow(TWinControl* window) {
    if (window == active) return;
    TWinControl* old = active;
    active = window;
    if (old) DeliverMessage(*old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<intptr_t>(window));
    // The old window's answer may have destroyed or moved on from the new one.
    if (window && active == window) DeliverMessage(*window, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<intptr_t>(old));
}

void ForgetActiveWindow(const TWinControl* window) {
    if (active == window) active = nullptr;
}

TWinControl* TopLevelWindow(TWinControl* control) {
    while (control && control->Parent()) control = control->Parent();
    return control;
}
