#pragma once

#include "platform/controls/control.h"
#include "platform/controls/scroll_codes.h"

// Which scroll bars a window may show.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TScrollBarKind { sbHorizontal, sbVertical };

// The bars of a window, as the scroll information calls name them.
enum : int { SB_HORZ = 0, SB_VERT = 1, SB_BOTH = 3 };

// Range, page and position of a scroll bar. With Page 0 the thumb has a fixed size and runs
// over Min .. Max; with a page it is as long as the page's share of the range and the position
// runs over Min .. Max - Page + 1.
struct TScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    // Where the thumb is while it is dragged.
    int TrackPos = 0;
    bool operator==(const TScrollInfo&) const = default;
};

// The highest position a bar with this range and page can take.
int MaxScrollPos(const TScrollInfo& Info);

// A scroll bar: arrow buttons at both ends, a track and a thumb. The bar only reports what the
// user does, as WM_VSCROLL (vertical) or WM_HSCROLL (horizontal) messages to Notify; the window
// that hears them moves and sets the position back. A click on an arrow sends SB_LINEUP or
// SB_LINEDOWN, a click on the track before or after the thumb SB_PAGEUP or SB_PAGEDOWN, each
// followed by SB_ENDSCROLL; dragging the thumb sends SB_THUMBTRACK with the position under it
// at every move, and releasing it SB_THUMBPOSITION with the last one and SB_ENDSCROLL. The
// position travels in the high word of wParam; lParam is 0 for a bar that stands for Notify's
// own bar (OwnBar), else the bar itself. Clicks do not take the focus.
class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind Value);
    const TScrollInfo& Info() const { return info_; }
    // The position is kept within the range.
    void SetInfo(const TScrollInfo& Value);
    int Position() const { return info_.Pos; }
    void SetPosition(int Value);

    TWinControl* Notify = nullptr;
    bool OwnBar = false;

    // In the bar's client coordinates.
    TRect TrackRect() const;
    TRect ThumbRect() const;
    bool Dragging() const { return dragging_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Along the bar: the coordinate of a point and the bar's length and thickness.
    int along(int X, int Y) const { return kind_ == sbVertical ? Y : X; }
    int length() const { return kind_ == sbVertical ? Height() : Width(); }
    int thickness() const { return kind_ == sbVertical ? Width() : Height(); }
    // A rectangle from a span along the bar.
    TRect span(int from, int to) const;
    // The thumb's start and length along the bar with the thumb at position pos.
    void thumbSpan(int pos, int& start, int& size) const;
    void send(uint16_t code, int pos = 0);

    TScrollBarKind kind_ = sbVertical;
    TScrollInfo info_;
    bool dragging_ = false;
    int dragOffset_ = 0;
};
