#include "platform/graphics/frame_control.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr TColor Paper = 0x123456;

class FrameControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        canvas.Brush.Color = Paper;
        canvas.FillRect({0, 0, 40, 40});
    }
    TColor at(int x, int y) { return canvas.Pixel(x, y); }
    static TColor rgb(TColor c) { return ColorToRGB(c); }
    // Rows of the glyph colour inside r, top to bottom, as their widths.
    std::vector<int> glyphRows(const TRect& r, TColor color) {
        std::vector<int> rows;
        for (int y = r.Top; y < r.Bottom; ++y) {
            int n = 0;
            for (int x = r.Left; x < r.Right; ++x) n += at(x, y) == rgb(color);
            if (n) rows.push_back(n);
        }
        return rows;
    }

    TBitmap bitmap{40, 40};
    TCanvas& canvas = bitmap.Canvas();
    const TRect r{10, 10, 27, 28};
};

TEST_F(FrameControlTest, FacesShowTheirEdgesAndStayInsideTheRectangle) {
    struct Case {
        unsigned state;
        TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    } cases[] = {
        {0, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
        {DFCS_HOT, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
        {DFCS_PUSHED, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
        {DFCS_FLAT, clBtnShadow, clBtnShadow, clBtnFace, clBtnFace},
        {DFCS_FLAT | DFCS_HOT, clBtnHighlight, clBtnShadow, clBtnFace, clBtnFace},
    };
    for (const Case& c : cases) {
        SetUp();
        ASSERT_TRUE(DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | c.state));
        SCOPED_TRACE(c.state);
        EXPECT_EQ(at(r.Left, r.Top), rgb(c.outerTopLeft));
        EXPECT_EQ(at(r.Left, r.Bottom - 2), rgb(c.outerTopLeft));
        EXPECT_EQ(at(r.Right - 1, r.Top), rgb(c.outerBottomRight));  // far corners go to the bottom-right edge
        EXPECT_EQ(at(r.Right - 1, r.Bottom - 1), rgb(c.outerBottomRight));
        EXPECT_EQ(at(r.Left + 1, r.Top + 1), rgb(c.innerTopLeft));
        EXPECT_EQ(at(r.Right - 2, r.Bottom - 2), rgb(c.innerBottomRight));
        EXPECT_EQ(at(r.Left + 8, r.Top + 8), rgb(clBtnFace));
        EXPECT_EQ(at(r.Left - 1, r.Top), Paper);
        EXPECT_EQ(at(r.Right, r.Top), Paper);
        EXPECT_EQ(at(r.Left, r.Bottom), Paper);
    }
}

TEST_F(FrameControlTest, ScrollPartsCarryTheirArrow) {
    struct Case {
        unsigned part;
        std::vector<int> rows;
    } cases[] = {
        {DFCS_SCROLLUP, {1, 3, 5, 7}},
        {DFCS_SCROLLDOWN, {7, 5, 3, 1}},
        {DFCS_SCROLLCOMBOBOX, {7, 5, 3, 1}},
    };
    for (const Case& c : cases) {
        SetUp();
        ASSERT_TRUE(DrawFrameControl(canvas, r, DFC_SCROLL, c.part));
        EXPECT_EQ(glyphRows(r, clBtnText), c.rows) << c.part;
    }
}

TEST_F(FrameControlTest, PushedArrowsMoveAndInactiveOnesAreGrey) {
    ASSERT_TRUE(DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLDOWN));
    const std::vector<int> normal = glyphRows(r, clBtnText);
    int firstRow = 0;
    while (at(r.Left + 8, r.Top + firstRow) != rgb(clBtnText)) ++firstRow;

    SetUp();
    DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED);
    EXPECT_EQ(glyphRows(r, clBtnText), normal);
    EXPECT_EQ(at(r.Left + 9, r.Top + firstRow + 1), rgb(clBtnText));
    EXPECT_NE(at(r.Left + 9, r.Top + firstRow), rgb(clBtnText));

    SetUp();
    DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
    EXPECT_TRUE(glyphRows(r, clBtnText).empty());
    EXPECT_EQ(glyphRows(r, clGrayText), normal);
    const int tip = firstRow + static_cast<int>(normal.size()) - 1;
    EXPECT_EQ(at(r.Left + 8, r.Top + tip), rgb(clGrayText));
    EXPECT_EQ(at(r.Left + 9, r.Top + tip + 1), rgb(clBtnHighlight));  // the etched shadow
}

TEST_F(FrameControlTest, CheckBoxesAreSunkenWellsWithATickWhenChecked) {
    const TRect box{2, 2, 15, 15};
    ASSERT_TRUE(DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONCHECK));
    EXPECT_EQ(at(2, 2), rgb(clBtnShadow));
    EXPECT_EQ(at(14, 14), rgb(clBtnHighlight));
    EXPECT_EQ(at(3, 3), rgb(cl3DDkShadow));
    EXPECT_EQ(at(13, 13), rgb(cl3DLight));
    EXPECT_EQ(glyphRows(box, clWindowText).size(), 0u);
    EXPECT_EQ(at(8, 8), rgb(clWindow));
    EXPECT_EQ(at(15, 8), Paper);

    ASSERT_TRUE(DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
    EXPECT_EQ(glyphRows(box, clWindowText), (std::vector<int>{1, 2, 4, 5, 5, 3, 1}));
    ASSERT_TRUE(DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE));
    EXPECT_EQ(glyphRows(box, clGrayText), (std::vector<int>{1, 2, 4, 5, 5, 3, 1}));
    EXPECT_EQ(at(5, 5), rgb(clBtnFace));

    // Mixed: the three-state part checked.
    ASSERT_TRUE(DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED));
    const TRect well{4, 4, 13, 13};
    EXPECT_EQ(glyphRows(well, clBtnShadow), (std::vector<int>{1, 2, 4, 5, 5, 3, 1}));
    EXPECT_TRUE(glyphRows(box, clWindowText).empty());
    EXPECT_EQ(at(5, 5), rgb(clBtnFace));
}

TEST_F(FrameControlTest, SideArrowsPointLeftAndRight) {
    // Columns of the glyph colour, left to right, as their heights.
    const auto columns = [this] {
        std::vector<int> heights;
        for (int x = r.Left; x < r.Right; ++x) {
            int n = 0;
            for (int y = r.Top; y < r.Bottom; ++y) n += at(x, y) == rgb(clBtnText);
            if (n) heights.push_back(n);
        }
        return heights;
    };
    ASSERT_TRUE(DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLLEFT));
    const std::vector<int> left = columns();
    ASSERT_GT(left.size(), 1u);
    EXPECT_TRUE(std::is_sorted(left.begin(), left.end()));
    EXPECT_EQ(left.front(), 1);
    ASSERT_TRUE(DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLRIGHT));
    std::vector<int> right = columns();
    std::reverse(right.begin(), right.end());
    EXPECT_EQ(right, left);
}

TEST_F(FrameControlTest, AdjustRectShrinksToTheFaceAndEdgesDrawTheirRings) {
    TRect adjusted = r;
    DrawFrameControl(canvas, adjusted, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(adjusted, (TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}));
    TRect edged = r;
    DrawEdge(canvas, edged, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(edged, adjusted);
    EXPECT_EQ(at(r.Left, r.Top), rgb(clBtnShadow));
    EXPECT_EQ(at(r.Right - 1, r.Bottom - 1), rgb(clBtnHighlight));
    EXPECT_EQ(at(r.Left + 1, r.Top + 1), rgb(cl3DDkShadow));
}

TEST_F(FrameControlTest, RadioButtonsAreRoundWellsWithADotWhenChecked) {
    const TRect box{2, 2, 14, 14};
    ASSERT_TRUE(DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONRADIO));
    EXPECT_EQ(at(8, 8), rgb(clWindow));
    EXPECT_EQ(at(2, 2), Paper) << "round: the corners stay";
    EXPECT_EQ(at(14, 8), Paper);
    ASSERT_TRUE(DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED));
    EXPECT_EQ(at(8, 8), rgb(clWindowText));
    EXPECT_EQ(at(4, 8), rgb(clWindow));
    ASSERT_TRUE(DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE));
    EXPECT_EQ(at(8, 8), rgb(clGrayText));
    EXPECT_EQ(at(4, 8), rgb(clBtnFace));
}

TEST_F(FrameControlTest, UnknownKindsAndPartsDrawNothing) {
    EXPECT_FALSE(DrawFrameControl(canvas, r, 1, 0));
    EXPECT_FALSE(DrawFrameControl(canvas, r, DFC_SCROLL, 8));  // the size grip
    EXPECT_FALSE(DrawFrameControl(canvas, r, DFC_BUTTON, 0x1));  // the radio image
    EXPECT_FALSE(DrawFrameControl(canvas, TRect{5, 5, 5, 9}, DFC_BUTTON, DFCS_BUTTONPUSH));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(at(x, y), Paper) << x << "," << y;
}

}  // namespace
