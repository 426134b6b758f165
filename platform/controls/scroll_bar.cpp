#include "platform/controls/scroll_bar.h"

#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

int MaxScrollPos(const TScrollInfo& Info) {
    return std::max(Info.Min, Info.Page > 0 ? Info.Max - Info.Page + 1 : Info.Max);
}

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clScrollBar);
    SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 100);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
    kind_ = Value;
    Invalidate();
}

void TScrollBar::SetInfo(const TScrollInfo& Value) {
    TScrollInfo info = Value;
    info.Max = std::max(info.Min, info.Max);
    info.Page = std::clamp(info.Page, 0, info.Max - info.Min + 1);
    info.Pos = std::clamp(info.Pos, info.Min, MaxScrollPos(info));
    if (!dragging_) info.TrackPos = info.Pos;
    if (info == info_) return;
    info_ = info;
    Invalidate();
}

void TScrollBar::SetPosition(int Value) {
    TScrollInfo info = info_;
    info.Pos = Value;
    SetInfo(info);
}

TRect TScrollBar::span(int from, int to) const {
    return kind_ == sbVertical ? TRect{0, from, Width(), to} : TRect{from, 0, to, Height()};
}

TRect TScrollBar::TrackRect() const {
    // The arrow buttons are square, and share a bar too short for both.
    const int button = std::min(thickness(), length() / 2);
    return span(button, length() - button);
}

void TScrollBar::thumbSpan(int pos, int& start, int& size) const {
    const TRect track = TrackRect();
    const int trackStart = kind_ == sbVertical ? track.Top : track.Left;
    const int trackLength = kind_ == sbVertical ? track.Height() : track.Width();
    const int range = info_.Max - info_.Min + 1;
    size = info_.Page > 0 ? static_cast<int>(static_cast<long long>(trackLength) * info_.Page / range) : thickness();
    size = std::clamp(size, std::min(8, trackLength), trackLength);
    const int travel = trackLength - size;
    const int positions = MaxScrollPos(info_) - info_.Min;
    start = trackStart + (positions > 0 ? static_cast<int>(static_cast<long long>(travel) * (pos - info_.Min) / positions) : 0);
}

TRect TScrollBar::ThumbRect() const {
    int start = 0, size = 0;
    thumbSpan(dragging_ ? info_.TrackPos : info_.Pos, start, size);
    return span(start, start + size);
}

void TScrollBar::send(uint16_t code, int pos) {
    if (!Notify) return;
    const uintptr_t w = (static_cast<uintptr_t>(static_cast<uint16_t>(pos)) << 16) | code;
    SendMessage(Notify, kind_ == sbVertical ? WM_VSCROLL : WM_HSCROLL, w, OwnBar ? 0 : reinterpret_cast<intptr_t>(this));
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    const TRect track = TrackRect(), thumb = ThumbRect();
    const int at = along(X, Y);
    const int trackFrom = kind_ == sbVertical ? track.Top : track.Left;
    const int trackTo = kind_ == sbVertical ? track.Bottom : track.Right;
    const int thumbFrom = kind_ == sbVertical ? thumb.Top : thumb.Left;
    const int thumbTo = kind_ == sbVertical ? thumb.Bottom : thumb.Right;
    uint16_t code;
    if (at < trackFrom) code = SB_LINEUP;
    else if (at >= trackTo) code = SB_LINEDOWN;
    else if (at < thumbFrom) code = SB_PAGEUP;
    else if (at >= thumbTo) code = SB_PAGEDOWN;
    else {
        dragging_ = true;
        dragOffset_ = at - thumbFrom;
        info_.TrackPos = info_.Pos;
        return;
    }
    send(code);
    send(SB_ENDSCROLL);
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!dragging_) return;
    const TRect track = TrackRect();
    int start = 0, size = 0;
    thumbSpan(info_.Min, start, size);
    const int trackLength = kind_ == sbVertical ? track.Height() : track.Width();
    const int travel = trackLength - size;
    const int to = std::clamp(along(X, Y) - dragOffset_, start, start + travel);
    const int positions = MaxScrollPos(info_) - info_.Min;
    const int pos = info_.Min + (travel > 0 ? static_cast<int>((static_cast<long long>(to - start) * positions + travel / 2) / travel) : 0);
    if (pos == info_.TrackPos) return;
    info_.TrackPos = pos;
    Invalidate();
    send(SB_THUMBTRACK, pos);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !dragging_) return;
    dragging_ = false;
    const int pos = info_.TrackPos;
    Invalidate();
    send(SB_THUMBPOSITION, pos);
    send(SB_ENDSCROLL);
}

namespace {
// A small filled arrow pointing along dir (dx, dy) in the middle of r.
void drawArrow(TCanvas& canvas, const TRect& r, int dx, int dy) {
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        const int o = 2 - i;  // from the arrow's base (i = 0) to its tip
        if (dx == 0) {
            canvas.MoveTo(cx - 3 + i, cy - o * dy);
            canvas.LineTo(cx + 4 - i, cy - o * dy);
        } else {
            canvas.MoveTo(cx - o * dx, cy - 3 + i);
            canvas.LineTo(cx - o * dx, cy + 4 - i);
        }
    }
}
}  // namespace

void TScrollBar::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    const TRect track = TrackRect();
    const TRect first = span(0, kind_ == sbVertical ? track.Top : track.Left);
    const TRect last = span(kind_ == sbVertical ? track.Bottom : track.Right, length());
    for (const TRect& r : {first, last, ThumbRect()}) {
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        canvas.Brush.Color = clBtnFace;
        canvas.FillRect(r);
        canvas.Brush.Color = clBtnShadow;
        canvas.FrameRect(r);
    }
    canvas.Pen.Color = Enabled() ? clWindowText : clGrayText;
    if (kind_ == sbVertical) {
        drawArrow(canvas, first, 0, -1);
        drawArrow(canvas, last, 0, 1);
    } else {
        drawArrow(canvas, first, -1, 0);
        drawArrow(canvas, last, 1, 0);
    }
}
