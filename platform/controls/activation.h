#pragma once

class TWinControl;

// The active window: the top-level window the user works in. Activation moves with clicks
// into another window and with windows that activate themselves as they open. Each change
// tells the window that loses it (WM_ACTIVATE with WA_INACTIVE, lParam the window that gains
// it) and then the window that gains it (WA_ACTIVE, lParam the one that lost it).

// The active window, or nullptr.
TWinControl* ActiveWindow();
// Makes window (nullptr: none) the active window; nothing when it already is.
void ActivateWindow(TWinControl* window);
// The window is going away: it stops being the active window without being told.
void ForgetActiveWindow(const TWinControl* window);
// The outermost window that holds control.
TWinControl* TopLevelWindow(TWinControl* control);
