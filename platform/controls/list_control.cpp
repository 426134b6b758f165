#include "platform/controls/list_control.h"

#include "platform/controls/window_backend.h"

void TCustomListControl::itemsChanged() {
    if (HandleAllocated()) WindowBackend().ItemsChanged(*this);
    Invalidate();
}

void TCustomListControl::SetItems(const QStringList& items) {
    items_ = items;
    itemIndex_ = -1;
    itemsChanged();
}

void TCustomListControl::AddItem(const QString& item) {
    items_.append(item);
    itemsChanged();
}

void TCustomListControl::SetItemIndex(int index) {
    const int next = index >= 0 && index < Count() ? index : -1;
    if (next == itemIndex_) return;
    itemIndex_ = next;
    itemsChanged();
}

void TCustomListControl::ItemSelectedNatively(int index) {
    if (index < 0 || index >= Count() || index == itemIndex_) return;
    itemIndex_ = index;
    itemsChanged();
    ItemPicked();
}
