#pragma once

#include "platform/controls/control.h"

// A horizontal bar between two stacked controls of one parent: dragging it with the left
// button moves the border between them. Above then ends at the bar and Below starts right
// after it; neither becomes lower than MinSize. OnMoved fires once the button is released
// after a move.
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);

    TControl* Above = nullptr;
    TControl* Below = nullptr;
    int MinSize = 30;
    TNotifyEvent OnMoved;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint(TCanvas& canvas) override;

private:
    bool dragging_ = false;
    bool moved_ = false;
    int grabY_ = 0;
};
