#pragma once

#include "grid/editors/dropdown/alive_flag.h"
#include "grid/foundation/grid_types.h"
#include "platform/controls/control.h"

class TExButtonAppearance;
class TExCustomDropDown;
class TImageList;

using TExButtonStyle = TExGridButtonStyle;
enum TExButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// The small push button of a drop-down's header and footer strips, painted over the strip's
// background in the colours of a shared appearance, with an image and a caption. Buttons of one
// parent and group act as radio buttons; a check-style button toggles. A footer button closes
// its drop-down by its modal result before its click event runs.
class TExButton : public TCustomControl {
public:
    explicit TExButton(TComponent* AOwner);

    int GroupIndex = 0;
    bool Down() const { return down_; }
    void SetDown(bool Value);
    bool AllowAllUp = false;
    TExButtonStyle Style() const { return style_; }
    void SetStyle(TExButtonStyle Value);
    TExButtonState State() const { return state_; }
    bool Hot() const { return hot_; }

    TExButtonAppearance* Appearance() const { return appearance_; }
    void SetAppearance(TExButtonAppearance* Value);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);
    int ImageIndex = -1;
    int ModalResult = 0;
    TExCustomDropDown* ExDropDown() const { return dropDown_; }
    void SetExDropDown(TExCustomDropDown* Value) { dropDown_ = Value; }

    // Takes the size of its caption and image (the strips size their buttons so).
    void SizeToContent();

    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Click() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void Paint() override;
    virtual void DrawButton(TCanvas& ACanvas);

private:
    void updateState();
    void setHover(bool Value);
    void reevaluateHover(int X, int Y);
    void buttonPressed(int Group, TExButton* Sender);
    // The modal result's close and OnClick; the button may be gone afterwards.
    void doClick();

    bool down_ = false;
    bool mouseInControl_ = false;
    bool hot_ = false;
    TExButtonStyle style_ = tasButton;
    TExButtonState state_ = absUp;
    bool mouseDownInControl_ = false;
    bool dragging_ = false;
    bool internalClick_ = false;
    bool releasing_ = false;
    bool clickPending_ = false;
    TExButtonAppearance* appearance_ = nullptr;
    TImageList* images_ = nullptr;
    TExCustomDropDown* dropDown_ = nullptr;
    TAliveFlag alive_;
};
