#include "platform/controls/popup_menu.h"

#include "platform/controls/modal_driver.h"

int TrackPopupMenu(const QStringList& Items, int X, int Y, HWND Owner) {
    TPopupMenuRequest request;
    request.Items = Items;
    request.X = X;
    request.Y = Y;
    const int chosen = ModalDriver().PopupMenu(request);
    if (chosen < 1 || chosen > Items.size()) return 0;
    if (Owner) PostMessage(Owner, WM_COMMAND, static_cast<uintptr_t>(chosen), 0);
    return chosen;
}

int TPopupMenu::Popup(int X, int Y) {
    OnPopup(this);
    const int chosen = TrackPopupMenu(Items, X, Y, nullptr) - 1;
    if (chosen >= 0) OnItemClick(this, chosen);
    return chosen;
}
