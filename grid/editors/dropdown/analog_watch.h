#pragma once

#include "grid/editors/dropdown/watch_appearance.h"
#include "platform/controls/control.h"
#include "platform/system/conversions.h"

#include <cstdint>
#include <memory>

class TTimer;

// An analog clock. It shows Time (or, with Settings.Auto, the system clock plus TimeOffset
// minutes) on a face with marks, numbers and an AM/PM box, and sets the time by mouse: a click
// inside the face picks the hour of the half of the day shown, a click on the AM/PM box
// switches the half, a click outside the face's circle picks the minute. WatchKey steps it
// by keys. The hands move there in steps unless Animation is off; OnChange fires when a
// setting has arrived.
class TExWatch : public TCustomControl, public IExStyle {
public:
    explicit TExWatch(TComponent* AOwner);
    ~TExWatch() override;

    TWatchAppearance& Appearance() { return appearance_; }
    void SetAppearance(const TWatchAppearance& Value) { appearance_.Assign(Value); }
    const TWatchSettings& Settings() const { return settings_; }
    void SetSettings(const TWatchSettings& Value);
    TDateTime Time() const { return time_; }
    void SetTime(TDateTime Value);
    bool Animation = true;
    int AnimationFactor = 10;
    bool ShowAMPM() const { return showAMPM_; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return showNumbers_; }
    void SetShowNumbers(bool Value);
    TWatchStyle Style() const { return style_; }
    void SetStyle(TWatchStyle Value);
    void SetComponentStyle(TExStyle AStyle) override;
    // The time lies before noon.
    bool AM() const { return am_; }

    void SetHour(uint8_t Value);
    // Raises "Invalid time" for 60 or more.
    void SetMinute(uint8_t Value);
    // A key of the time-picker's open pop-up: Page Up and Down step the hour, Home sets 12,
    // Left and Right step the minute, End sets minute 0, A and P pick the half of the day.
    void WatchKey(uint16_t Key);

    // The watch square, its centre and radius.
    TRect GetWatchRect() const;
    TPoint GetWatchCenter() const;
    int GetRadius() const { return GetWatchRect().Width() / 2; }
    TRect GetAMPMRect();
    int MinuteAtPos(int X, int Y) const;
    int HourAtPos(int X, int Y) const;
    // The shown time: the system clock with Auto.
    TDateTime GetWatchTime() const;

    TNotifyEvent OnChange;

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void Resize() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void StoreTime(TDateTime Value);
    void SetAM(bool Value);
    void RepaintHands();
    void faceChanged();
    void AnimationTick();
    void rollTick();
    // Sets the hour or the minute at once, as a completed change.
    void setHourNow(int Hour);
    // Goes straight to a time, not through the minute's rules.
    void jumpTo(int Hour, int Minute);
    void storeHourMinute(int Hour, int Minute);
    void shownTime(int& Hour, int& Minute, int& Second) const;

    // Painting (analog_watch_painting.cpp).
    void PaintWatch(TCanvas& Canvas);
    void DrawFace(TCanvas& Canvas, const TRect& R);
    void DrawTickMarks(TCanvas& Canvas);
    void DrawNumbers(TCanvas& Canvas);
    void DrawAMPM(TCanvas& Canvas);
    void DrawHands(TCanvas& Canvas);
    void drawCenterPoint(TCanvas& Canvas);

    TWatchAppearance appearance_;
    TWatchSettings settings_;
    TDateTime time_ = 0;
    std::unique_ptr<TBitmap> cache_;
    bool faceDirty_ = true;
    TTimer* watchTimer_ = nullptr;
    TTimer* animationTimer_ = nullptr;
    // The AM/PM box rolls from one text to the other, a pixel per tick.
    TTimer* rollTimer_ = nullptr;
    int rollStep_ = 0, rollSteps_ = 0;
    uint8_t currentHourTo_ = 0, currentMinuteTo_ = 0, minuteFrom_ = 0;
    bool hourAnimating_ = false;
    bool internalCall_ = false;
    bool am_ = true;
    bool showAMPM_ = true;
    bool showNumbers_ = true;
    bool internalSet_ = false;
    TWatchStyle style_ = wsClassic;
};
