#pragma once

class TWinControl;

// Shows a control that has no parent as a pop-up at its bounds, which are in screen
// coordinates, or hides it again. In the program it stands above every window and is closed
// (WM_CLOSE to it) when the user clicks elsewhere; headless, only its Visible changes.
void ShowPopup(TWinControl& popup, bool show);
