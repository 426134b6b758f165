#pragma once

#include "platform/controls/control.h"

#include <QStringList>

// A list of texts with one selected item (ItemIndex -1: none). A click that selects an item
// fires OnClick; setting ItemIndex in code does not.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);

    TNativeKind NativeKind() const override { return nkListBox; }

    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items);
    void Clear() { SetItems({}); }
    void AddItem(const QString& item);
    int Count() const { return static_cast<int>(items_.size()); }

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int ItemHeight() const { return 16; }
    int ItemAtPos(TPoint p) const;

    // The native list reports the item the user selected.
    void ItemSelectedNatively(int index);

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void PaintWindow(TCanvas& canvas) override;

private:
    QStringList items_;
    int itemIndex_ = -1;
};
