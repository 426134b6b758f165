#include "platform/controls/track_bar.h"

#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class TrackBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 300, 100);
        bar = new TTrackBar(&form);
        bar->SetParent(&form);
        bar->SetBounds(0, 0, 210, 40);
        bar->OnChange = [this](TObject*) { changes.push_back(bar->Position()); };
        form.Show();
        bar->SetFocus();
    }
    TForm form{nullptr};
    TTrackBar* bar = nullptr;
    std::vector<int> changes;
};

TEST_F(TrackBarTest, ThePositionStaysInItsRangeAndCodeFiresNoChange) {
    bar->SetPosition(15);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(8);
    bar->SetMax(5);
    EXPECT_EQ(bar->Position(), 5);
    bar->SetMin(7);  // above Max: Max follows
    EXPECT_EQ(bar->Max(), 7);
    EXPECT_EQ(bar->Position(), 7);
    EXPECT_TRUE(changes.empty());
}

TEST_F(TrackBarTest, KeysStepByLineAndPageUpToTheEnds) {
    bar->SetPosition(5);
    struct Case {
        uint16_t key;
        int expected;
    };
    const Case cases[] = {{VK_RIGHT, 6}, {VK_DOWN, 7}, {VK_LEFT, 6}, {VK_UP, 5}, {VK_NEXT, 7},
                          {VK_PRIOR, 5}, {VK_END, 10}, {VK_RIGHT, 10}, {VK_HOME, 0}, {VK_LEFT, 0}};
    for (const Case& c : cases) {
        keyPress(*bar, c.key);
        EXPECT_EQ(bar->Position(), c.expected) << "key " << c.key;
    }
    // Only real moves are reported.
    EXPECT_EQ(changes, (std::vector<int>{6, 7, 6, 5, 7, 5, 10, 0}));
}

TEST_F(TrackBarTest, TheMouseDragsTheThumbAndPagesBesideIt) {
    const TRect channel = bar->ChannelRect();
    // Ten steps over the channel's width.
    const int step = channel.Width() / 10;
    EXPECT_EQ(bar->ThumbRect().Left + 5, channel.Left);
    click(*bar, channel.Left + 7 * step, 10);  // beside the thumb: one page on
    EXPECT_EQ(bar->Position(), 2);
    const int x = (bar->ThumbRect().Left + bar->ThumbRect().Right) / 2;
    mouseMessage(*bar, WM_LBUTTONDOWN, x, 10, MK_LBUTTON);
    mouseMessage(*bar, WM_MOUSEMOVE, x + 3 * step, 10, MK_LBUTTON);
    EXPECT_EQ(bar->Position(), 5);
    mouseMessage(*bar, WM_MOUSEMOVE, x + 30 * step, 10, MK_LBUTTON);
    EXPECT_EQ(bar->Position(), 10);
    mouseMessage(*bar, WM_LBUTTONUP, x + 30 * step, 10);
    mouseMessage(*bar, WM_MOUSEMOVE, x, 10);
    EXPECT_EQ(bar->Position(), 10);  // the drag ended with the release
    EXPECT_EQ(changes, (std::vector<int>{2, 5, 10}));
}

TEST_F(TrackBarTest, PaintsTheThumbWhereThePositionIs) {
    bar->SetPosition(10);
    const QImage image = renderToImage(*bar);
    const TRect thumb = bar->ThumbRect();
    // The thumb's dark frame at its right edge; the channel's start shows no thumb there.
    EXPECT_EQ(image.pixelColor(thumb.Right - 1, 10), QColor(ColorToRGB(cl3DDkShadow) & 0xFF, (ColorToRGB(cl3DDkShadow) >> 8) & 0xFF,
                                                              (ColorToRGB(cl3DDkShadow) >> 16) & 0xFF));
    EXPECT_NE(image.pixelColor(bar->ChannelRect().Left, 10), image.pixelColor(thumb.Right - 1, 10));
}

}  // namespace
