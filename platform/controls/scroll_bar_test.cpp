#include "platform/controls/scroll_bar.h"

#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A window that records the scroll messages it hears.
class TScrollListener : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    struct Heard {
        uint32_t msg;
        uint16_t code;
        int pos;
        intptr_t from;
        bool operator==(const Heard&) const = default;
    };
    std::vector<Heard> heard;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL)
            heard.push_back({m.Msg, static_cast<uint16_t>(m.WParam & 0xFFFF), static_cast<int>(m.WParam >> 16), m.LParam});
        TCustomControl::WndProc(m);
    }
};

// A vertical bar of 17 x 217 pixels: arrows of 17, a track of 183 from y = 17.
class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.SetBounds(0, 0, 300, 300);
        bar = new TScrollBar(&window);
        bar->SetParent(&window);
        bar->SetBounds(0, 0, 17, 217);
        bar->Notify = &window;
        bar->SetInfo({0, 99, 10, 0, 0});
    }
    TScrollListener window{nullptr};
    TScrollBar* bar = nullptr;
};

TEST_F(ScrollBarTest, TheThumbShowsThePagesShareAndThePosition) {
    EXPECT_EQ(bar->TrackRect(), (TRect{0, 17, 17, 200}));
    EXPECT_EQ(bar->ThumbRect(), (TRect{0, 17, 17, 35}));  // 183 x 10 / 100
    bar->SetPosition(90);                                   // the last position
    EXPECT_EQ(bar->ThumbRect(), (TRect{0, 182, 17, 200}));
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 90);
    bar->SetInfo({0, 9999, 1, 0, 0});
    EXPECT_EQ(bar->ThumbRect().Height(), 8);  // never thinner than 8 pixels
    bar->SetInfo({0, 127, 0, 127, 0});        // no page: a square thumb at the end
    EXPECT_EQ(bar->ThumbRect(), (TRect{0, 183, 17, 200}));
}

TEST_F(ScrollBarTest, ClicksAndDragsReportToTheWindow) {
    const intptr_t self = reinterpret_cast<intptr_t>(bar);
    using H = TScrollListener::Heard;
    click(*bar, 8, 5);    // up arrow
    click(*bar, 8, 210);  // down arrow
    click(*bar, 8, 100);  // the track after the thumb
    EXPECT_EQ(window.heard, (std::vector<H>{{WM_VSCROLL, SB_LINEUP, 0, self},
                                            {WM_VSCROLL, SB_ENDSCROLL, 0, self},
                                            {WM_VSCROLL, SB_LINEDOWN, 0, self},
                                            {WM_VSCROLL, SB_ENDSCROLL, 0, self},
                                            {WM_VSCROLL, SB_PAGEDOWN, 0, self},
                                            {WM_VSCROLL, SB_ENDSCROLL, 0, self}}));
    window.heard.clear();
    bar->OwnBar = true;  // the window's own bar names no control
    mouseMessage(*bar, WM_LBUTTONDOWN, 8, 20, MK_LBUTTON);
    mouseMessage(*bar, WM_MOUSEMOVE, 8, 20 + 165 / 2, MK_LBUTTON);  // half the travel
    EXPECT_TRUE(bar->Dragging());
    EXPECT_EQ(bar->ThumbRect().Top, 17 + 82);  // the thumb follows the mouse
    mouseMessage(*bar, WM_MOUSEMOVE, 8, 400, MK_LBUTTON);          // past the end
    mouseMessage(*bar, WM_LBUTTONUP, 8, 400);
    EXPECT_EQ(window.heard, (std::vector<H>{{WM_VSCROLL, SB_THUMBTRACK, 45, 0},
                                            {WM_VSCROLL, SB_THUMBTRACK, 90, 0},
                                            {WM_VSCROLL, SB_THUMBPOSITION, 90, 0},
                                            {WM_VSCROLL, SB_ENDSCROLL, 0, 0}}));
    // Nobody moved the bar: it stays where the window leaves it.
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(ScrollBarTest, AHorizontalBarSendsHorizontalMessages) {
    bar->SetKind(sbHorizontal);
    bar->SetBounds(0, 0, 217, 17);
    click(*bar, 210, 8);
    ASSERT_FALSE(window.heard.empty());
    EXPECT_EQ(window.heard.front().msg, static_cast<uint32_t>(WM_HSCROLL));
    EXPECT_EQ(window.heard.front().code, SB_LINEDOWN);
}

}  // namespace
