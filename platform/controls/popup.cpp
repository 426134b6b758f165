#include "platform/controls/popup.h"

#include "platform/controls/control.h"
#include "platform/controls/window_backend.h"

void ShowPopup(TWinControl& popup, bool show) {
    popup.SetVisible(show);
    if (show) popup.HandleNeeded();
    if (popup.HandleAllocated()) WindowBackend().PopupChanged(popup, show);
}
