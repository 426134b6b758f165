#include "grid/editors/dropdown/analog_watch.h"

#include "grid/editors/dropdown/dropdown_text.h"
#include "platform/controls/timer.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/system/date_time_text.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

TDateTime systemTime() {
    const QTime now = QTime::currentTime();
    TDateTime day = 0, clock = 0;
    const QDate date = QDate::currentDate();
    TryEncodeDate(date.year(), date.month(), date.day(), day);
    TryEncodeTime(now.hour(), now.minute(), now.second(), 0, clock);
    return day + clock;
}

int roundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

}  // namespace

TExWatch::TExWatch(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(Left(), Top(), 180, 180);
    appearance_.OnChange = [this](TObject*) { faceChanged(); };
    watchTimer_ = new TTimer(this);
    watchTimer_->SetInterval(100);
    watchTimer_->SetEnabled(false);
    watchTimer_->OnTimer = [this](TObject*) { RepaintHands(); };
    animationTimer_ = new TTimer(this);
    animationTimer_->SetInterval(1);
    animationTimer_->SetEnabled(false);
    animationTimer_->OnTimer = [this](TObject*) { AnimationTick(); };
    rollTimer_ = new TTimer(this);
    rollTimer_->SetInterval(10);
    rollTimer_->SetEnabled(false);
    rollTimer_->OnTimer = [this](TObject*) { rollTick(); };
}

TExWatch::~TExWatch() { appearance_.OnChange = nullptr; }

// ---- geometry

TRect TExWatch::GetWatchRect() const {
    const TRect c = ClientRect();
    const int w = c.Width(), h = c.Height();
    const int side = appearance_.Size > 0 ? std::min({appearance_.Size, h, w}) : std::min(h, w) - 20;
    const int left = c.Left + (w - side) / 2, top = c.Top + (h - side) / 2;
    return {left, top, left + side, top + side};
}

TPoint TExWatch::GetWatchCenter() const {
    const TRect r = GetWatchRect();
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

TRect TExWatch::GetAMPMRect() {
    TBitmap measure(1, 1);
    measure.Canvas().Font.Assign(appearance_.AMPMFont);
    const TSize size = GetTextSize(measure.Canvas(), QStringLiteral("AM"));
    const TPoint c = GetWatchCenter();
    const int width = size.cx + 8;
    const int left = c.X - width / 2;
    const int top = c.Y + roundHalfEven((GetRadius() - size.cy) / 3.0);
    return {left, top, left + width, top + size.cy};
}

int TExWatch::MinuteAtPos(int X, int Y) const {
    const TPoint c = GetWatchCenter();
    const int dy = std::max(1, std::abs(c.Y - Y)), dx = std::max(1, std::abs(c.X - X));
    const int a = roundHalfEven(std::atan(double(dy) / dx) * 180 / M_PI / 6);
    int minute;
    if (X >= c.X && Y >= c.Y) minute = 15 + a;
    else if (X <= c.X && Y >= c.Y) minute = 45 - a;
    else if (X <= c.X && Y <= c.Y) minute = 45 + a;
    else minute = 15 - a;
    return minute < 0 || minute > 59 ? 0 : minute;
}

int TExWatch::HourAtPos(int X, int Y) const {
    const int c = roundHalfEven(MinuteAtPos(X, Y) / 5.0);
    if (c == 0 || c == 12) return am_ ? 0 : 12;
    return am_ ? c : c + 12;
}

// ---- time

TDateTime TExWatch::GetWatchTime() const {
    return settings_.Auto ? systemTime() + settings_.TimeOffset / 1440.0 : time_;
}

void TExWatch::shownTime(int& Hour, int& Minute, int& Second) const {
    int ms = 0;
    DecodeTime(GetWatchTime(), Hour, Minute, Second, ms);
}

void TExWatch::StoreTime(TDateTime Value) {
    if (Value == time_) return;
    time_ = Value;
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(Value, h, m, s, ms);
    internalSet_ = true;
    SetAM(h < 12);
    internalSet_ = false;
}

void TExWatch::SetTime(TDateTime Value) {
    if (Value == time_) return;
    StoreTime(Value);
    RepaintHands();
}

void TExWatch::storeHourMinute(int Hour, int Minute) {
    int h = 0, m = 0, s = 0;
    shownTime(h, m, s);
    StoreTime(ComposeDateTime(DateOf(time_), EncodeTime(Hour, Minute, s, 0)));
}

void TExWatch::SetSettings(const TWatchSettings& Value) {
    settings_ = Value;
    watchTimer_->SetEnabled(settings_.Auto);
    if (settings_.Auto) StoreTime(systemTime());
    faceChanged();
}

void TExWatch::SetHour(uint8_t Value) {
    int h = 0, m = 0, s = 0;
    shownTime(h, m, s);
    if (Value == h) return;
    if (!Animation || internalCall_) {
        // Set at once, it has arrived where it was going.
        if (!internalCall_) currentHourTo_ = Value;
        storeHourMinute(Value, m);
        RepaintHands();
        if (Value == currentHourTo_) OnChange(this);
        return;
    }
    currentHourTo_ = Value;
    hourAnimating_ = true;
    animationTimer_->SetEnabled(true);
}

void TExWatch::SetMinute(uint8_t Value) {
    if (Value >= 60) throw Exception(QStringLiteral("Invalid time"));
    int h = 0, m = 0, s = 0;
    shownTime(h, m, s);
    if (Value == m) return;
    if (Animation && !internalCall_) {
        currentMinuteTo_ = Value;
        hourAnimating_ = false;
        minuteFrom_ = static_cast<uint8_t>(m);
        animationTimer_->SetEnabled(true);
        return;
    }
    if (!Animation) minuteFrom_ = static_cast<uint8_t>(m);
    if (!internalCall_) currentMinuteTo_ = Value;
    // Round past the full hour: the hour moves on with the hand.
    if (Value == 0 && minuteFrom_ > 30) {
        h = (h + 1) % 24;
        minuteFrom_ = 0;
    }
    storeHourMinute(h, Value);
    RepaintHands();
    if (Value == currentMinuteTo_) OnChange(this);
}

void TExWatch::setHourNow(int Hour) {
    internalCall_ = true;
    currentHourTo_ = static_cast<uint8_t>(Hour);
    SetHour(static_cast<uint8_t>(Hour));
    internalCall_ = false;
}

void TExWatch::jumpTo(int Hour, int Minute) {
    storeHourMinute(Hour, Minute);
    RepaintHands();
    OnChange(this);
}

void TExWatch::AnimationTick() {
    if (!Animation) return;
    int h = 0, m = 0, s = 0;
    shownTime(h, m, s);
    const int factor = std::max(1, AnimationFactor);
    if (hourAnimating_) {
        const int target = currentHourTo_;
        const int distance = std::abs(target - h);
        const int step = std::max(1, roundHalfEven(double(distance) / factor));
        const bool arrives = distance <= 1;
        internalCall_ = true;
        SetHour(static_cast<uint8_t>(arrives ? target : h + (target > h ? step : -step)));
        internalCall_ = false;
        if (arrives) {
            animationTimer_->SetEnabled(false);
            hourAnimating_ = false;
        }
        return;
    }
    const int target = currentMinuteTo_;
    // To minute 0 from the second half the hand goes on round.
    const bool roundTheTop = target == 0 && m > 30;
    const int distance = roundTheTop ? 60 - m : std::abs(target - m);
    const int step = std::max(1, roundHalfEven(double(distance) / factor));
    const bool arrives = distance <= 1;
    int next = target;
    if (!arrives) {
        const bool down = m >= target && (target != 0 || m <= 30);
        next = down ? m - step : m + step;
        if (next >= 60 || next < 0) next = 0;
    }
    internalCall_ = true;
    SetMinute(static_cast<uint8_t>(next));
    internalCall_ = false;
    if (arrives) animationTimer_->SetEnabled(false);
}

void TExWatch::SetAM(bool Value) {
    if (Value == am_) return;
    am_ = Value;
    if (Animation && showAMPM_ && appearance_.AMPMColor != clNone && !internalSet_) {
        rollSteps_ = std::max(0, GetAMPMRect().Height() - 2);
        rollStep_ = 0;
        rollTimer_->SetEnabled(rollSteps_ > 0);
    }
    faceChanged();
}

void TExWatch::rollTick() {
    if (++rollStep_ >= rollSteps_) {
        rollTimer_->SetEnabled(false);
        rollSteps_ = 0;
    }
    faceChanged();
}

// ---- appearance

void TExWatch::faceChanged() {
    faceDirty_ = true;
    Invalidate();
}

void TExWatch::RepaintHands() { Invalidate(); }

void TExWatch::SetShowAMPM(bool Value) {
    if (Value == showAMPM_) return;
    showAMPM_ = Value;
    faceChanged();
}

void TExWatch::SetShowNumbers(bool Value) {
    if (Value == showNumbers_) return;
    showNumbers_ = Value;
    faceChanged();
}

void TExWatch::SetStyle(TWatchStyle Value) {
    if (Value == style_) return;
    style_ = Value;
    TWatchStyleSwitches s{showAMPM_, showNumbers_, Animation, AnimationFactor};
    ApplyWatchStyle(appearance_, Value, Width(), Height(), s);
    showAMPM_ = s.ShowAMPM;
    showNumbers_ = s.ShowNumbers;
    Animation = s.Animation;
    AnimationFactor = s.AnimationFactor;
    faceChanged();
}

void TExWatch::SetComponentStyle(TExStyle AStyle) { ApplyWatchComponentStyle(appearance_, AStyle); }

void TExWatch::Resize() {
    TCustomControl::Resize();
    faceChanged();
}

// ---- input

void TExWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (settings_.Auto) return;
    const TRect r = GetWatchRect();
    const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    const double ex = (X - (r.Left + rx)) / rx, ey = (Y - (r.Top + ry)) / ry;
    if (rx <= 0 || ex * ex + ey * ey > 1) {
        SetMinute(static_cast<uint8_t>(MinuteAtPos(X, Y)));
        return;
    }
    const TRect box = GetAMPMRect();
    if (showAMPM_ && X >= box.Left && X < box.Right && Y >= box.Top && Y < box.Bottom) {
        int h = 0, m = 0, s = 0;
        shownTime(h, m, s);
        if (Animation) SetAM(!am_);
        setHourNow(h < 12 ? h + 12 : h - 12);
        return;
    }
    SetHour(static_cast<uint8_t>(HourAtPos(X, Y)));
}

void TExWatch::WatchKey(uint16_t Key) {
    if (settings_.Auto) return;
    int h = 0, m = 0, s = 0;
    shownTime(h, m, s);
    switch (Key) {
    case 'A':
        if (h >= 12) SetHour(static_cast<uint8_t>(h - 12));
        break;
    case 'P':
        if (h < 12) SetHour(static_cast<uint8_t>(h + 12));
        break;
    case VK_PRIOR:
        if (h == 23) setHourNow(0);
        else SetHour(static_cast<uint8_t>(h + 1));
        break;
    case VK_NEXT:
        if (h == 0) setHourNow(23);
        else SetHour(static_cast<uint8_t>(h - 1));
        break;
    case VK_HOME:
        setHourNow(12);
        break;
    case VK_LEFT:
        if (m > 0) {
            SetMinute(static_cast<uint8_t>(m - 1));
        } else {
            // Back over the full hour: the hour before, at its last minute.
            jumpTo(h == 0 ? 23 : h - 1, 59);
        }
        break;
    case VK_RIGHT:
        if (m < 59) SetMinute(static_cast<uint8_t>(m + 1));
        else jumpTo(h, 0);
        break;
    case VK_END:
        SetMinute(0);
        break;
    default:
        break;
    }
}

void TExWatch::WndProc(TMessage& Message) {
    TCustomControl::WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE) Message.Result = TabStop ? 5 : 0;
    else if (Message.Msg == WM_MOUSEMOVE) {
        const TRect box = GetAMPMRect();
        const int x = LoWordSigned(Message.LParam), y = HiWordSigned(Message.LParam);
        const bool overBox = showAMPM_ && x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom;
        SetCursor(overBox ? crHandPoint : crDefault);
    }
}
