#include "platform/controls/popup_menu.h"

#include "platform/controls/action.h"
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

void TPopupMenu::SetItemAction(int Index, TCustomAction* Action) {
    if (Index < 0) return;
    if (size_t(Index) >= actions_.size()) actions_.resize(size_t(Index) + 1, nullptr);
    actions_[size_t(Index)] = Action;
    if (Action) Action->FreeNotification(this);
}

TCustomAction* TPopupMenu::ItemAction(int Index) const {
    return Index >= 0 && size_t(Index) < actions_.size() ? actions_[size_t(Index)] : nullptr;
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    for (TCustomAction*& action : actions_)
        if (action == AComponent) action = nullptr;
}

int TPopupMenu::Popup(int X, int Y) {
    OnPopup(this);
    const int chosen = TrackPopupMenu(Items, X, Y, nullptr) - 1;
    if (chosen < 0) return chosen;
    OnItemClick(this, chosen);
    if (TCustomAction* action = ItemAction(chosen)) action->Execute();
    return chosen;
}
