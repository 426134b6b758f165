#pragma once

#include "platform/controls/control.h"

class TCustomComboBox;

// The list a combo box drops down: a pop-up below the combo box, as wide as it (or its dropped
// width), DropDownCount items high. The item under the mouse is highlighted; a click picks it
// and closes the list; the wheel scrolls it.
class TComboDropList : public TCustomControl {
public:
    explicit TComboDropList(TCustomComboBox& Combo);

    // Places the list below the combo box and scrolls the chosen item into view.
    void Prepare(int MinWidth);
    int TopIndex() const { return topIndex_; }
    int HotIndex() const { return hotIndex_; }
    void SetHotIndex(int Index);
    // The item at a client point, -1 outside the items.
    int ItemAtPos(TPoint p);
    TRect ItemRect(int Index);

    void WndProc(TMessage& Message) override;

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void Paint() override;

private:
    int visibleCount();
    void scrollTo(int Index);

    TCustomComboBox& combo_;
    int topIndex_ = 0;
    int hotIndex_ = -1;
};
