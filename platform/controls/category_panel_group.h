#pragma once

#include "platform/controls/control.h"

class TCategoryPanelGroup;

// The area of a category panel below its header; the panel's controls stand on it, so their
// positions count from the header's lower edge.
class TCategoryPanelSurface : public TCustomControl {
public:
    explicit TCategoryPanelSurface(TComponent* AOwner);

protected:
    void Paint() override;
};

// A panel of a category panel group: a header with the caption that collapses and expands the
// panel when clicked, and the surface for the panel's controls below it. Height counts the
// header; a collapsed panel is as high as the header and keeps its expanded height, which a
// height set by code while collapsed replaces.
class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner);

    TCategoryPanelSurface* Surface() const { return surface_; }
    // The group the panel stands in, or nullptr.
    TCategoryPanelGroup* PanelGroup() const;

    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool v);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    int ExpandedHeight() const { return expandedHeight_; }

    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;
    void VisibleChanged() override;

private:
    int headerHeight() const;
    TCategoryPanelSurface* surface_ = nullptr;
    bool collapsed_ = false;
    int expandedHeight_ = 0;
};

// A vertical stack of category panels with a scroll bar. The visible panels stand from the
// top without gaps, in the order of their Top values (a panel that code has just moved comes
// first among equal Tops), each as wide as the group less the scroll bar. The scroll bar shows
// while the panels are higher than the group. WM_VSCROLL scrolls: SB_LINEUP / SB_LINEDOWN by
// Line_Size pixels, SB_PAGEUP / SB_PAGEDOWN by the group's height, SB_THUMBTRACK and
// SB_THUMBPOSITION to the pixel position in the high word, SB_TOP / SB_BOTTOM to the ends,
// SB_ENDSCROLL nothing. The painted scroll bar sends these: its arrows one line, the track
// beside the thumb one page, and the dragged thumb tracks as it moves. The wheel is left to
// the form.
class TCategoryPanelGroup : public TCustomControl {
public:
    static constexpr int Line_Size = 8;
    static constexpr int Scroll_Bar_Width = 17;

    explicit TCategoryPanelGroup(TComponent* AOwner);

    int HeaderHeight() const { return headerHeight_; }
    void SetHeaderHeight(int v);

    // The pixels scrolled off at the top, 0 .. the panels' height less the group's.
    int ScrollPos() const { return scrollPos_; }
    bool ScrollBarVisible() const;
    // The thumb of the scroll bar in client coordinates; empty while the bar is hidden.
    TRect ThumbRect() const;

    // The visible panels in stacking order.
    std::vector<TCategoryPanel*> VisiblePanels() const;
    // Stacks the visible panels again; Moved, when given, goes first among equal Tops.
    void Realign(TCategoryPanel* Moved = nullptr);

    void WndProc(TMessage& Message) override;

protected:
    void Resize() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    enum TScrollState { scIdle, scThumbDragging };

    int panelsHeight() const;
    int maxScrollPos() const;
    void setScrollPos(int v);
    TRect trackRect() const;
    void scroll(uint16_t code, int position = 0);

    int headerHeight_ = 24;
    int scrollPos_ = 0;
    bool realigning_ = false;
    TScrollState state_ = scIdle;
    int dragOffset_ = 0;
};
