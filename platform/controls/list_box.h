#pragma once

#include "platform/controls/list_control.h"

// A list of texts with one selected item (ItemIndex -1: none). A click that selects an item
// fires OnClick; setting ItemIndex in code does not.
class TListBox : public TCustomListControl {
public:
    explicit TListBox(TComponent* AOwner);

    TNativeKind NativeKind() const override { return nkListBox; }

    int ItemHeight() const { return 16; }
    int ItemAtPos(TPoint p) const;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void PaintWindow(TCanvas& canvas) override;
};
