#include "platform/controls/splitter.h"

#include "platform/controls/form.h"
#include "platform/controls/panel.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 300, 300);
        above = place<TPanel>(0, 200);
        splitter = place<TSplitter>(200, 3);
        below = place<TPanel>(203, 97);
        splitter->Above = above;
        splitter->Below = below;
        splitter->OnMoved = [this](TObject*) { ++moved; };
        form.Show();
    }
    template <typename T>
    T* place(int top, int height) {
        auto* control = new T(&form);
        control->SetParent(&form);
        control->SetBounds(0, top, 300, height);
        return control;
    }
    // Drags the bar from its row 1 by Dy pixels, in steps as a mouse would.
    void drag(int Dy) {
        mouseMessage(*splitter, WM_LBUTTONDOWN, 5, 1, MK_LBUTTON);
        const int step = Dy / 2;
        mouseMessage(*splitter, WM_MOUSEMOVE, 5, 1 + step, MK_LBUTTON);
        mouseMessage(*splitter, WM_MOUSEMOVE, 5, 1 + Dy - step, MK_LBUTTON);
        mouseMessage(*splitter, WM_LBUTTONUP, 5, 1 + Dy - step);
    }
    TForm form{nullptr};
    TPanel* above = nullptr;
    TPanel* below = nullptr;
    TSplitter* splitter = nullptr;
    int moved = 0;
};

TEST_F(SplitterTest, DraggingTheBarMovesTheBorderBetweenTheTwoControls) {
    EXPECT_EQ(splitter->Cursor(), crVSplit);
    drag(-60);
    EXPECT_EQ(above->Height(), 140);
    EXPECT_EQ(splitter->Top(), 140);
    EXPECT_EQ(below->Top(), 143);
    EXPECT_EQ(below->Height(), 157);
    EXPECT_EQ(moved, 1);
}

TEST_F(SplitterTest, NeitherControlBecomesLowerThanMinSize) {
    drag(-500);
    EXPECT_EQ(above->Height(), 30);
    drag(500);
    EXPECT_EQ(below->Top() + below->Height(), 300);
    EXPECT_EQ(below->Height(), 30);
    EXPECT_EQ(above->Height(), 300 - 30 - 3);
    // A press and release without a move moves nothing.
    mouseMessage(*splitter, WM_LBUTTONDOWN, 5, 1, MK_LBUTTON);
    mouseMessage(*splitter, WM_LBUTTONUP, 5, 1);
    EXPECT_EQ(moved, 2);
}

}  // namespace
