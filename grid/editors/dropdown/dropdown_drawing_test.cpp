#include "grid/editors/dropdown/dropdown_colors.h"
#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/dropdown_numbers.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/foundation/format_settings_fixture.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>

namespace {

TEST(DropDownColors, BlendAndShade) {
    // The limits give the colours as they are, system colours too.
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 100), clBtnFace);
    EXPECT_EQ(BlendColor(clWhite, clBtnFace, 0), clBtnFace);
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 20), 0xCCCCCC);
    EXPECT_EQ(BlendColor(0x0000FF, 0x000000, 50), 0x000080);  // 127.5 rounds to the even 128

    struct Case {
        TColor color;
        int r, g, b;
        TColor expected;
    } cases[] = {
        {0xF5F0E1, -10, -10, 0, 0xF5D8CA},
        {0x00FF00, -10, -10, -10, 0x00E600},  // a zero channel stays 0 when darkened
        {0x000000, 20, 0, 0, 0x000014},       // and takes a positive delta
        {0x000064, 20, 0, 0, 0x000064},       // which leaves a lit channel
    };
    for (const Case& c : cases) EXPECT_EQ(ShadeColor(c.color, c.r, c.g, c.b), c.expected) << std::hex << c.color;
}

class Drawing : public ::testing::Test {
protected:
    TBitmap bitmap{12, 6};
    TCanvas& canvas = bitmap.Canvas();
    TColor at(int x, int y) { return canvas.Pixel(x, y); }
};

TEST_F(Drawing, GradientBandsOverlapByOnePixel) {
    // Steps 0 is one band in the first colour over the whole rectangle.
    DrawGradient(canvas, 0x0000FF, 0xFF0000, 0, Rect(0, 0, 11, 4), true);
    EXPECT_EQ(at(0, 0), 0x0000FF);
    EXPECT_EQ(at(10, 3), 0x0000FF);
    // Two bands over a width of 10 (the right edge goes in by one): 0..5 and 5..10.
    DrawGradient(canvas, 0x0000FF, 0xFF0000, 2, Rect(0, 0, 11, 4), true);
    EXPECT_EQ(at(4, 1), 0x0000FF);
    EXPECT_EQ(at(5, 1), 0x80007F);
    EXPECT_EQ(at(10, 1), 0x80007F);
    // Vertical bands run down.
    DrawGradient(canvas, 0x00FF00, 0x00FF00, 3, Rect(0, 0, 11, 6), false);
    EXPECT_EQ(at(3, 5), 0x00FF00);
}

TEST_F(Drawing, GradientFrameIsSolidWithoutAnEndColourAndFramesWhenAsked) {
    DrawGradientFrame(canvas, Rect(0, 0, 12, 6), 0x00FFFF, clNone, 0x000080, 1, gdVertical);
    EXPECT_EQ(at(5, 3), 0x00FFFF);
    EXPECT_EQ(at(0, 0), 0x000080);
    EXPECT_EQ(at(11, 5), 0x000080);
    EXPECT_EQ(canvas.Brush.Style, bsClear);
    DrawGradientFrame(canvas, Rect(0, 0, 12, 6), clNone, clNone, clNone, 1, gdVertical);
    EXPECT_EQ(at(5, 3), 0x00FFFF);  // nothing to draw
}

TEST(DropDownText, MeasuringAndCutting) {
    TBitmap bitmap(200, 40);
    TCanvas& canvas = bitmap.Canvas();
    EXPECT_EQ(GetTextSize(canvas, ""), (TSize{0, 0}));
    const TSize size = GetTextSize(canvas, "Column");
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
    EXPECT_EQ(TruncateText(canvas, "Column", size.cx, true), "Column");  // as wide as allowed
    const QString cut = TruncateText(canvas, "Column", size.cx - 1, true);
    EXPECT_TRUE(cut.endsWith("...")) << cut.toStdString();
    EXPECT_LT(GetTextSize(canvas, cut).cx, size.cx - 1);
    // Not even "..." fits: the text stays whole.
    EXPECT_EQ(TruncateText(canvas, "Column", 2, true), "Column");
    EXPECT_EQ(TruncateText(canvas, "Column", size.cx - 1, false).size(), 5);

    TPoint measured{7, 7};
    DrawHTMLItemText(canvas, "", Rect(0, 0, 200, 40), nullptr, true, nullptr, measured);
    EXPECT_EQ(measured, (TPoint{0, 0}));
    DrawHTMLItemText(canvas, "<b>a</b><br>b", Rect(0, 0, 200, 40), nullptr, false, nullptr, measured);
    EXPECT_EQ(measured.Y, 2 * GetTextSize(canvas, "a").cy);

    EXPECT_EQ(UpperCaseUnless("Straße", true), "Straße");
    EXPECT_EQ(UpperCaseUnless("abc", false), "ABC");
}

TEST(DropDownText, ACaptionWithoutAnImageIsCentred) {
    TBitmap bitmap(100, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clWhite;
    canvas.FillRect(Rect(0, 0, 100, 20));
    canvas.Font.SetColor(clBlack);
    canvas.Brush.Style = bsClear;
    DrawImageText(canvas, Rect(0, 0, 100, 20), "MMM", nullptr, 3);
    int left = 100, right = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (canvas.Pixel(x, y) != clWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 50, 2);
}

class DropDownNumbers : public FormatSettingsFixture {
protected:
    void SetUp() override { Use(u'.', u','); }
};

TEST_F(DropDownNumbers, ClassifiesNumberTexts) {
    struct Case {
        const char* text;
        int kind;
    } cases[] = {
        {"", 2},      {"123", 0},     {"-12", 0},       {"1.5", 1},     {"1,234.5", 1}, {",123", 2},
        {"1,2,3", 2}, {"1,23,4", 1}, {"1,,3", 2},    {"1.2.3", 2},     {"--1", 2},     {"FF", 5},      {"1f", 5},
        {"12x", 2},   {"1.5e", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyNumber(c.text), c.kind) << c.text;
}

TEST_F(DropDownNumbers, ThousandSeparatorsGoExactlyThreePlacesFromTheNearest) {
    EXPECT_FALSE(ThousandSeparatorMisplaced("1234", 1));  // none there yet
    EXPECT_FALSE(ThousandSeparatorMisplaced("1,234", 5));
    EXPECT_TRUE(ThousandSeparatorMisplaced("1,2345", 6));
    EXPECT_TRUE(ThousandSeparatorMisplaced("1,234", 3));
    EXPECT_FALSE(ThousandSeparatorMisplaced("1,234,567", 9));
}

TEST_F(DropDownNumbers, DecimalsIntegerPartsAndHex) {
    EXPECT_TRUE(DecimalsFull("12.34", 5, 2));
    EXPECT_TRUE(DecimalsFull("12.34", 3, 2));
    EXPECT_FALSE(DecimalsFull("12.34", 2, 2));  // before the separator
    EXPECT_FALSE(DecimalsFull("12.3", 4, 2));
    EXPECT_FALSE(DecimalsFull("12.34", 5, 0));
    EXPECT_EQ(IntegerLength("1,234.5", false), 5);
    EXPECT_EQ(IntegerLength("-123", true), 4);
    EXPECT_EQ(IntegerLength("-123", false), 5);
    EXPECT_EQ(HexToInt("FF"), 255);
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexToInt("-1"), 1);  // a minus sign counts as the digit 0
    EXPECT_DOUBLE_EQ(DropDownTextToFloat("1,234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(DropDownTextToFloat("abc"), 0);
    EXPECT_DOUBLE_EQ(ValNumber(" 2.5e1kg"), 25);
    EXPECT_DOUBLE_EQ(ValNumber("kg"), 0);
}

}  // namespace
