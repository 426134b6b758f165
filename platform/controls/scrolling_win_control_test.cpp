#include "platform/controls/scrolling_win_control.h"

#include "platform/controls/panel.h"
#include "platform/controls/window_backend.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

// A 100 x 80 scrolling window holding one child.
class ScrollingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.SetBounds(0, 0, 100, 80);
        child = new TPanel(&window);
        child->SetParent(&window);
    }
    void scroll(uint32_t msg, uint16_t code, int pos = 0) {
        window.Perform(msg, (static_cast<uintptr_t>(static_cast<uint16_t>(pos)) << 16) | code, 0);
    }
    TScrollingWinControl window{nullptr};
    TPanel* child = nullptr;
    const int sw = GetSystemMetrics(SM_CXVSCROLL);
    const int sh = GetSystemMetrics(SM_CYHSCROLL);
};

TEST_F(ScrollingWindowTest, ShowsABarOnlyWhereTheChildrenReachBeyondTheClientArea) {
    child->SetBounds(0, 0, 90, 70);
    window.UpdateScrollBars();
    EXPECT_FALSE(window.VertScrollBar().Visible());
    EXPECT_FALSE(window.HorzScrollBar().Visible());
    EXPECT_EQ(window.ClientRect(), Rect(0, 0, 100, 80));

    child->SetBounds(0, 0, 90, 200);
    window.UpdateScrollBars();
    EXPECT_TRUE(window.VertScrollBar().Visible());
    EXPECT_EQ(window.VertScrollBar().Range(), 200);
    // The vertical bar's width leaves too little room for the child's 90 pixels.
    EXPECT_EQ(window.HorzScrollBar().Visible(), 90 > 100 - sw);
    EXPECT_EQ(window.ClientWidth(), 100 - sw);

    window.SetAutoScroll(false);
    EXPECT_FALSE(window.VertScrollBar().Visible());
}

TEST_F(ScrollingWindowTest, ScrollingMovesTheChildrenWithinTheRange) {
    child->SetBounds(0, 0, 50, 300);
    window.UpdateScrollBars();
    const int most = 300 - window.ClientHeight();
    window.VertScrollBar().SetPosition(40);
    EXPECT_EQ(child->Top(), -40);
    window.VertScrollBar().SetPosition(10000);
    EXPECT_EQ(window.VertScrollBar().Position(), most);
    EXPECT_EQ(child->Top(), -most);

    scroll(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(child->Top(), 0);
    scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(window.VertScrollBar().Position(), 8);
    scroll(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(window.VertScrollBar().Position(), 8 + window.ClientHeight());
    // Dragging the thumb moves nothing until it is released.
    scroll(WM_VSCROLL, SB_THUMBTRACK, 120);
    EXPECT_EQ(window.VertScrollBar().Position(), 8 + window.ClientHeight());
    scroll(WM_VSCROLL, SB_THUMBPOSITION, 120);
    EXPECT_EQ(window.VertScrollBar().Position(), 120);
    EXPECT_EQ(child->Top(), -120);

    // A child that shrinks brings the position back into the new range.
    child->SetBounds(0, -120, 50, 100);
    window.UpdateScrollBars();
    EXPECT_EQ(window.VertScrollBar().Position(), 100 - window.ClientHeight());
    EXPECT_EQ(child->Top(), -(100 - window.ClientHeight()));
}

}  // namespace
