#pragma once

#include "platform/controls/control.h"

#include <QStringList>

// A windowed list of texts with one chosen item (ItemIndex -1: none). Setting the items or
// ItemIndex in code fires nothing; a pick by the user fires what ItemPicked fires.
class TCustomListControl : public TWinControl {
public:
    using TWinControl::TWinControl;

    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items);
    void Clear() { SetItems({}); }
    void AddItem(const QString& item);
    int Count() const { return static_cast<int>(items_.size()); }

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    // The native list reports the item the user picked.
    void ItemSelectedNatively(int index);

protected:
    virtual void ItemPicked() { Click(); }

private:
    void itemsChanged();

    QStringList items_;
    int itemIndex_ = -1;
};
