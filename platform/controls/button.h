#pragma once

#include "platform/controls/control.h"

// A push button with a caption. A left click on it, or Space pressed and released while it
// has the focus, fires OnClick; it shows pushed while the mouse or Space holds it down.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);

    bool Pushed() const { return pushed_; }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;
    void PaintWindow(TCanvas& Canvas) override;

private:
    void setPushed(bool Value);

    bool pushed_ = false;
};
