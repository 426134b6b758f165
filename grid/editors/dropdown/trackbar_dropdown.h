#pragma once

#include "grid/editors/dropdown/ex_custom_dropdown.h"

class TTrackBar;

// A drop-down for a whole number in Min .. Max: the pop-up holds a track bar that picks it.
// The edit takes no typing by default; the value also steps by Frequency with Up (down) and
// Down (up) and follows the mouse dragged sideways over the edit, a unit per PageSize pixels.
class TExTrackBarDropDown : public TExCustomDropDown {
public:
    explicit TExTrackBarDropDown(TComponent* AOwner);

    TTrackBar* TrackBar() const { return trackBar_; }
    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    // With the track bar made, the value it kept within its range.
    int Position() const { return position_; }
    void SetPosition(int Value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int Value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int Value);

    // The user moved the track bar.
    TNotifyEvent OnTrackChange;

    void WndProc(TMessage& Message) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void Change() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void trackChanged();
    // A step of the keys or the mouse: the value and the edit both show it.
    void stepTo(int Value);

    TTrackBar* trackBar_ = nullptr;
    int min_ = 0;
    int frequency_ = 1;
    int pageSize_ = 2;
    int max_ = 10;
    int position_ = 0;
    bool mouseDraging_ = false;
    int mouseX_ = 0;
};
