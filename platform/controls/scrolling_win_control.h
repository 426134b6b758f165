#pragma once

#include "platform/controls/control.h"
#include "platform/controls/scroll_bar.h"

class TScrollingWinControl;

// One scroll bar of a scrolling window. Its range is how far the window's children reach in
// that direction (plus Margin); it shows when AutoScroll is on and the range is larger than the
// client area, and Position is how far the children have been scrolled.
class TControlScrollBar {
public:
    TControlScrollBar(TScrollingWinControl& Control, TScrollBarKind Kind) : control_(Control), kind_(Kind) {}
    TScrollBarKind Kind() const { return kind_; }
    int Position() const { return position_; }
    // Kept within 0 .. Range - client size; the children move by the difference.
    void SetPosition(int Value);
    int Range() const { return range_; }
    bool Visible() const { return shown_; }
    bool IsScrollBarVisible() const { return shown_; }
    // Room kept beyond the farthest child; also the room scrolling a child into view leaves.
    int Margin = 0;
    // The step of a click on an arrow.
    int Increment = 8;

private:
    friend class TScrollingWinControl;
    TScrollingWinControl& control_;
    TScrollBarKind kind_;
    int position_ = 0;
    int range_ = 0;
    bool shown_ = false;
    TScrollBar* bar_ = nullptr;
};

// A window whose children may reach beyond its client area: with AutoScroll it shows a
// vertical and a horizontal bar as needed and scrolls the children under them. The bars take
// their width from the client area. A bar's arrows step by Increment, its track by a page;
// the children follow the thumb when it is released (SB_THUMBPOSITION), not while it is dragged.
// A change of a child's size is not noticed by itself: the child or its owner calls
// UpdateScrollBars.
class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool Value);
    bool AutoSize = false;
    TControlScrollBar& HorzScrollBar() { return horz_; }
    TControlScrollBar& VertScrollBar() { return vert_; }
    const TControlScrollBar& HorzScrollBar() const { return horz_; }
    const TControlScrollBar& VertScrollBar() const { return vert_; }

    // Ranges from the children, bars shown or hidden, positions kept within the new ranges.
    void UpdateScrollBars();
    // Moves every child (the bars aside) by DeltaX, DeltaY.
    void ScrollBy(int DeltaX, int DeltaY);

    TRect ClientRect() const override;
    void WndProc(TMessage& Message) override;

protected:
    void Resize() override;

private:
    friend class TControlScrollBar;
    bool isBar(const TControl* c) const { return c == horz_.bar_ || c == vert_.bar_; }
    void scrollMessage(TControlScrollBar& Bar, uint16_t Code, int Pos);
    void showBars();
    void setBarInfo(TControlScrollBar& Bar);
    int clientSize(const TControlScrollBar& Bar) const;

    bool autoScroll_ = true;
    bool updating_ = false;
    TControlScrollBar horz_{*this, sbHorizontal};
    TControlScrollBar vert_{*this, sbVertical};
};
