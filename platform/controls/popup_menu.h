#pragma once

#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/messages/messages.h"

#include <QStringList>
#include <vector>

// Shows a pop-up menu of Items with its top-left corner at a screen point and waits until the
// user chooses or dismisses it (through the modal driver). A choice is posted to Owner as
// WM_COMMAND whose wParam is the item's command id, its 1-based place; the id is also returned,
// 0 when nothing was chosen.
int TrackPopupMenu(const QStringList& Items, int X, int Y, HWND Owner);

using TMenuItemClickEvent = TEvent<void(TObject* Sender, int Index)>;

class TCustomAction;

// A pop-up menu component: its items' captions, shown at a screen point on demand. The chosen
// item (0-based) is reported through OnItemClick and then executes the item's action, if any.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

    QStringList Items;
    TNotifyEvent OnPopup;
    TMenuItemClickEvent OnItemClick;

    // Gives item Index an action (nullptr takes it away); a freed action is forgotten.
    void SetItemAction(int Index, TCustomAction* Action);
    TCustomAction* ItemAction(int Index) const;

    // Shows the menu until the user chooses or dismisses it; the chosen index, -1 for none.
    int Popup(int X, int Y);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TCustomAction*> actions_;
};
