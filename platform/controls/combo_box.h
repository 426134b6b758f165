#pragma once

#include "platform/controls/control.h"

#include <QStringList>

// A drop-down list: the user picks one of the items and cannot type others. Text is the
// chosen item ("" with ItemIndex -1). Picking another item fires OnClick, then OnChange;
// setting ItemIndex or the items in code fires neither. The Up and Down keys pick the
// neighbouring item like a pick from the list.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);

    TNativeKind NativeKind() const override { return nkComboBox; }

    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items);
    void Clear() { SetItems({}); }
    void AddItem(const QString& item);
    int Count() const { return static_cast<int>(items_.size()); }

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    QString Text() const { return items_.value(itemIndex_); }

    TNotifyEvent OnChange;

    // The native list reports the item the user picked.
    void ItemSelectedNatively(int index);

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void PaintWindow(TCanvas& canvas) override;

private:
    void itemsChanged();
    QStringList items_;
    int itemIndex_ = -1;
};
