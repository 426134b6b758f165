#pragma once

#include "platform/controls/list_control.h"

// A drop-down list: the user picks one of the items and cannot type others. Text is the
// chosen item ("" with ItemIndex -1). Picking another item fires OnClick, then OnChange;
// setting ItemIndex or the items in code fires neither. The Up and Down keys pick the
// neighbouring item like a pick from the list.
class TComboBox : public TCustomListControl {
public:
    explicit TComboBox(TComponent* AOwner);

    TNativeKind NativeKind() const override { return nkComboBox; }

    QString Text() const { return Items().value(ItemIndex()); }

    TNotifyEvent OnChange;

protected:
    void ItemPicked() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void PaintWindow(TCanvas& canvas) override;
};
