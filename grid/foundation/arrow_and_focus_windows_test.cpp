#include "grid/foundation/arrow_and_focus_windows.h"

#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

std::vector<TPoint> arrowOf(TArrowDirection d) {
    switch (d) {
    case arrUp: return {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}};
    case arrDown: return {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}};
    case arrLeft: return {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}};
    default: return {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}};
    }
}

TEST(ArrowWindow, AHiddenLimePopupShapedAsItsArrowThatThePointerPassesThrough) {
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
        TForm grid(nullptr);
        auto* arrow = new TArrowWindow(&grid);
        arrow->Init(&grid, d);
        SCOPED_TRACE(d);
        EXPECT_EQ(arrow->Dir, d);
        EXPECT_EQ(arrow->Parent(), &grid);
        EXPECT_FALSE(arrow->Visible());
        EXPECT_EQ(arrow->Color(), clLime);
        EXPECT_EQ(arrow->WindowParams().Style, uint32_t(WS_POPUP));
        EXPECT_EQ(arrow->WindowParams().ExStyle, uint32_t(WS_EX_TRANSPARENT));
        EXPECT_TRUE(arrow->WindowRegion().empty());
        arrow->HandleNeeded();
        EXPECT_EQ(arrow->WindowRegion(), arrowOf(d));
        arrow->SetBounds(0, 0, 11, 11);
        const QImage image = renderToImage(*arrow);
        EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 255, 0));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 255, 0));  // the shape is the window's, not the paint's
    }
}

TEST(GridFocusWindow, AnEmptyRedTopmostToolPopupThatTakesNoInput) {
    TGridFocusWindow focus(nullptr);
    EXPECT_EQ(focus.Width(), 0);
    EXPECT_EQ(focus.Height(), 0);
    EXPECT_EQ(focus.Color(), clRed);
    EXPECT_EQ(focus.WindowParams().Style, uint32_t(WS_POPUP | WS_DISABLED));
    EXPECT_EQ(focus.WindowParams().ExStyle, uint32_t(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
}

}  // namespace
