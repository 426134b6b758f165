#pragma once

#include "platform/controls/speed_button.h"
#include "platform/controls/timer.h"

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag : uint8_t { tbFocusRect = 1, tbAllowTimer = 2 };
using TTimeBtnState = uint8_t;

// One arrow of a spin button: repeats its click while held (first after 400 ms, then every
// 100 ms) and paints itself in the spin button's colours, the visual style or classic.
class TExTimerSpeedButton : public TSpeedButton {
public:
    explicit TExTimerSpeedButton(TComponent* AOwner);
    ~TExTimerSpeedButton() override;

    TTimeBtnState TimeBtnState = 0;
    TButtonDirection ButtonDirection = bdUp;
    bool IsWinXP = false;
    bool HasMouse() const { return hasMouse_; }
    TTimer* RepeatTimer() const { return repeatTimer_; }

    void WndProc(TMessage& Message) override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint(TCanvas& Canvas) override;

private:
    void timerExpired();
    TTimer* repeatTimer_ = nullptr;
    bool hasMouse_ = false;
};

// Two arrow buttons, up and down (or right and left), with click events, keyboard stepping
// and a control that takes the focus when a button is pressed.
class TAsgSpinButton : public TWinControl {
public:
    explicit TAsgSpinButton(TComponent* AOwner);

    TExTimerSpeedButton* UpButton() const { return upButton_; }
    TExTimerSpeedButton* DownButton() const { return downButton_; }
    TExTimerSpeedButton* FocusedButton() const { return focusedButton_; }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);
    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection Value);
    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool Value);
    // Setting nullptr loads the built-in arrow.
    void SetUpGlyph(const TGraphic* Value);
    void SetDownGlyph(const TGraphic* Value);

    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = 0;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    // The size the buttons allow for a requested one; lays the buttons out.
    void adjustSize(int& W, int& H);
    void buttonMouseDown(TObject* Sender, TMouseButton Button);
    void setFocusBtn(TExTimerSpeedButton* Button);

    TExTimerSpeedButton* upButton_;
    TExTimerSpeedButton* downButton_;
    TExTimerSpeedButton* focusedButton_;
    TWinControl* focusControl_ = nullptr;
    TSpinDirection direction_ = spVertical;
    bool isWinXP_ = false;
};
