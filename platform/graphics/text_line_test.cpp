#include "platform/graphics/text_line.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>

namespace {

class TextLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        canvas.Brush.Color = clWhite;
        canvas.FillRect({0, 0, 200, 60});
        canvas.Brush.Style = bsClear;
        canvas.Font.SetName("Tahoma");
        canvas.Font.SetHeight(-14);
        canvas.Font.SetColor(clBlack);
    }
    int width(const QString& text, unsigned flags = DT_SINGLELINE) {
        TRect r{0, 0, 200, 60};
        DrawTextLine(canvas, text, r, flags | DT_CALCRECT);
        return r.Width();
    }
    // The box around the pixels of colour c, as left, top, right, bottom (inclusive).
    TRect inked(TColor c) {
        TRect box{1000, 1000, -1, -1};
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x)
                if (canvas.Pixel(x, y) == c) {
                    box.Left = std::min(box.Left, x), box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x), box.Bottom = std::max(box.Bottom, y);
                }
        return box;
    }
    TBitmap bitmap{200, 60};
    TCanvas& canvas = bitmap.Canvas();
};

TEST_F(TextLineTest, MnemonicPrefixesAreNotMeasured) {
    EXPECT_EQ(width("A&&B"), width("A&B", DT_NOPREFIX));
    EXPECT_EQ(width("A&B"), width("AB"));
    // An "&" with nothing after it to underline stays.
    EXPECT_EQ(width("AB&"), width("AB&", DT_NOPREFIX));
    EXPECT_EQ(width("A & B"), width("A & B", DT_NOPREFIX));
    EXPECT_EQ(width("A&\tB"), width("A&\tB", DT_NOPREFIX));
    EXPECT_EQ(width("A&B", DT_NOPREFIX), width("A&&B"));
    EXPECT_EQ(width("a\tb", DT_EXPANDTABS), width("a       b"));
    TRect r{5, 7, 200, 60};
    EXPECT_EQ(DrawTextLine(canvas, "gh", r, DT_CALCRECT), canvas.TextHeight("gh"));
    EXPECT_EQ(r.Left, 5);
    EXPECT_EQ(r.Top, 7);
    EXPECT_EQ(r.Bottom, 7 + canvas.TextHeight("gh"));
}

TEST_F(TextLineTest, APrefixedCharacterIsUnderlined) {
    TRect plain{0, 0, 100, 30};
    DrawTextLine(canvas, "AB", plain, DT_SINGLELINE);
    const int glyphBottom = inked(clBlack).Bottom;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect({0, 0, 200, 60});
    canvas.Brush.Style = bsClear;
    TRect prefixed{0, 0, 100, 30};
    DrawTextLine(canvas, "A&B", prefixed, DT_SINGLELINE);
    // Below the letters lies a line under the B alone.
    int below = 0;
    for (int y = glyphBottom + 1; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (canvas.Pixel(x, y) == clBlack) {
                ++below;
                EXPECT_GE(x, width("A"));
                EXPECT_LT(x, width("AB"));
            }
    EXPECT_GE(below, width("B") - 1);
}

TEST_F(TextLineTest, BottomAlignedSolidBackgroundAndEllipsisStayInTheRectangle) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clYellow;
    TRect r{10, 0, 60, 50};
    DrawTextLine(canvas, "WWWWWWWWWWWWWWWW", r, DT_SINGLELINE | DT_BOTTOM | DT_END_ELLIPSIS);
    const TRect back = inked(clYellow);
    EXPECT_EQ(back.Left, 10);
    EXPECT_EQ(back.Bottom, 49);
    EXPECT_EQ(back.Top, 50 - canvas.TextHeight("W"));
    EXPECT_LE(back.Right, 59);
    EXPECT_LE(inked(clBlack).Right, 59);
}

}  // namespace
