#pragma once

#include "platform/controls/control.h"

// A horizontal track bar: a thumb that slides along a channel over Min .. Max, with a tick
// every Frequency. The user moves it by dragging the thumb, by a click beside the thumb (one
// page, PageSize, toward the click), and by keys: Left and Up one line back, Right and Down
// one line on, Page Up and Page Down a page, Home and End to the ends. OnChange fires for
// every move the user makes, not for Position set by code. Position always lies in Min .. Max.
class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* AOwner);

    int Min() const { return min_; }
    // A Min above Max takes Max with it; Position follows into the range.
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int Position() const { return position_; }
    void SetPosition(int Value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int Value);
    int PageSize = 2;
    int LineSize = 1;

    TNotifyEvent OnChange;

    // In client coordinates: the channel the thumb's centre travels along, and the thumb.
    TRect ChannelRect() const;
    TRect ThumbRect() const;
    // The position whose thumb centre is nearest to X.
    int PositionAt(int X) const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    int thumbCentre(int Position) const;
    // Moves as the user: OnChange fires when the position changed.
    void userMove(int Value);

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    bool dragging_ = false;
    int dragOffset_ = 0;
};
