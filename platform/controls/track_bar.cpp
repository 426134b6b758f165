#include "platform/controls/track_bar.h"

#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int ThumbWidth = 11;
constexpr int ThumbHeight = 20;
// From the control's sides to the ends of the thumb's travel.
constexpr int Inset = 4 + ThumbWidth / 2;
}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 150, 45);
    TabStop = true;
}

void TTrackBar::SetMin(int Value) {
    min_ = Value;
    max_ = std::max(max_, min_);
    SetPosition(position_);
    Invalidate();
}

void TTrackBar::SetMax(int Value) {
    max_ = Value;
    min_ = std::min(min_, max_);
    SetPosition(position_);
    Invalidate();
}

void TTrackBar::SetPosition(int Value) {
    const int next = std::clamp(Value, min_, max_);
    if (next == position_) return;
    position_ = next;
    Invalidate();
}

void TTrackBar::SetFrequency(int Value) {
    frequency_ = Value;
    Invalidate();
}

TRect TTrackBar::ChannelRect() const { return {Inset, 8, std::max(Inset, Width() - Inset), 12}; }

int TTrackBar::thumbCentre(int Position) const {
    const TRect channel = ChannelRect();
    if (max_ == min_) return channel.Left;
    return channel.Left + static_cast<int>(std::lround(double(Position - min_) * channel.Width() / (max_ - min_)));
}

TRect TTrackBar::ThumbRect() const {
    const int x = thumbCentre(position_) - ThumbWidth / 2;
    return {x, 0, x + ThumbWidth, ThumbHeight};
}

int TTrackBar::PositionAt(int X) const {
    const TRect channel = ChannelRect();
    if (channel.Width() <= 0) return min_;
    const double share = double(X - channel.Left) / channel.Width();
    return std::clamp(min_ + static_cast<int>(std::lround(share * (max_ - min_))), min_, max_);
}

void TTrackBar::userMove(int Value) {
    const int before = position_;
    SetPosition(Value);
    if (position_ != before) OnChange(this);
}

void TTrackBar::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    // The channel, sunken.
    const TRect channel = ChannelRect();
    const TRect groove{channel.Left - 2, channel.Top, channel.Right + 2, channel.Bottom};
    canvas.Brush.Color = clWindow;
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(groove);
    // A tick at every Frequency, and at both ends.
    canvas.Pen.Color = clWindowText;
    const int step = std::max(1, frequency_);
    for (int p = min_;; p += step) {
        const int at = std::min(p, max_);
        const int x = thumbCentre(at);
        canvas.MoveTo(x, ThumbHeight + 2);
        canvas.LineTo(x, ThumbHeight + 6);
        if (at >= max_) break;
    }
    // The thumb: a raised box.
    const TRect thumb = ThumbRect();
    canvas.Brush.Color = Enabled() ? clBtnFace : clBtnShadow;
    canvas.Pen.Color = cl3DDkShadow;
    canvas.Rectangle(thumb);
    canvas.Pen.Color = clBtnHighlight;
    canvas.MoveTo(thumb.Left + 1, thumb.Bottom - 2);
    canvas.LineTo(thumb.Left + 1, thumb.Top + 1);
    canvas.LineTo(thumb.Right - 1, thumb.Top + 1);
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    const TRect thumb = ThumbRect();
    if (X >= thumb.Left && X < thumb.Right) {
        dragging_ = true;
        dragOffset_ = X - thumbCentre(position_);
        return;
    }
    userMove(X < thumb.Left ? position_ - PageSize : position_ + PageSize);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (dragging_) userMove(PositionAt(X - dragOffset_));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    dragging_ = false;
}

void TTrackBar::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP: userMove(position_ - LineSize); break;
    case VK_RIGHT:
    case VK_DOWN: userMove(position_ + LineSize); break;
    case VK_PRIOR: userMove(position_ - PageSize); break;
    case VK_NEXT: userMove(position_ + PageSize); break;
    case VK_HOME: userMove(min_); break;
    case VK_END: userMove(max_); break;
    default: break;
    }
}
