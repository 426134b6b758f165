#include "grid/foundation/alpha_mask.h"

#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/exception_message.h"

#include <QImage>
#include <gtest/gtest.h>
#include <numeric>

namespace {

// A 24-bit bitmap filled with one grey level.
void greyBitmap(TBitmap& b, int w, int h, uint8_t level) {
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y) std::fill_n(b.ScanLine(y), 3 * w, level);
}

TEST(Blur, ChannelsAndIndicesAreClamped) {
    EXPECT_EQ(ClampChannel(255.0f), 255);
    EXPECT_EQ(ClampChannel(300.0f), 255);
    EXPECT_EQ(ClampChannel(254.9f), 254);
    EXPECT_EQ(ClampChannel(0.5f), 0);
    EXPECT_EQ(ClampChannel(-3.0f), 0);
    EXPECT_EQ(ClampIndex(0, 4, -2), 0);
    EXPECT_EQ(ClampIndex(0, 4, 7), 4);
    EXPECT_EQ(ClampIndex(0, 4, 3), 3);
}

TEST(Blur, TheKernelDropsTheOuterWeightsThatTogetherStayUnderHalfALevel) {
    EXPECT_EQ(BuildBlurKernel(3).Size, 8);
    const TBlurKernel one = BuildBlurKernel(1);
    // exp(-j*j/2) for j = 0, 1, 2 over their sum (0.990866 of all): 0.402620, 0.244202, 0.054488.
    ASSERT_EQ(one.Size, 2);
    EXPECT_NEAR(one.Weight(0), 0.402620, 1e-5);
    EXPECT_NEAR(one.Weight(-1), 0.244202, 1e-5);
    EXPECT_NEAR(one.Weight(2), 0.054488, 1e-5);
    float sum = 0;
    for (int n = -one.Size; n <= one.Size; ++n) sum += one.Weight(n);
    EXPECT_NEAR(sum, 1.0, 1e-6);
}

TEST(Blur, ALineOfFivePixelsWorkedOutByHand) {
    const TBlurKernel kernel = BuildBlurKernel(1);
    // Three channels a pixel: a white-and-half-grey dot in the middle.
    uint8_t dot[15] = {0};
    dot[6] = 255, dot[7] = 0, dot[8] = 128;
    BlurLine(dot, 5, 3, kernel);
    // 255 and 128 times the weights, truncated.
    const uint8_t expected[15] = {13, 0, 6, 62, 0, 31, 102, 0, 51, 62, 0, 31, 13, 0, 6};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(dot[i], expected[i]) << i;
    // At the end of the line the end pixel stands in for those beyond it: 255 * (w0 + w1 + w2).
    uint8_t edge[15] = {255, 255, 255};
    BlurLine(edge, 5, 3, kernel);
    const uint8_t expectedEdge[5] = {178, 76, 13, 0, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(edge[3 * i], expectedEdge[i]) << i;
}

TEST(Blur, OnlyTwentyFourBitBitmapsAreBlurred) {
    TBitmap device(10, 10);
    EXPECT_EQ(messageOf([&] { BlurBitmap(device, 3); }), QStringLiteral("Blur only works for 24-bit bitmaps"));
    TBitmap wide(10, 10);
    wide.SetPixelFormat(pf32bit);
    EXPECT_EQ(messageOf([&] { BlurBitmap(wide, 3); }), QStringLiteral("Blur only works for 24-bit bitmaps"));
}

// A bitmap whose every row and column differs, so that a copied line shows.
void stripes(TBitmap& b, int w, int h) {
    greyBitmap(b, w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) std::fill_n(b.ScanLine(y) + 3 * x, 3, uint8_t((x * 7 + y * 13) % 256));
}

bool rowEquals(TBitmap& b, int y1, int y2) { return std::equal(b.ScanLine(y1), b.ScanLine(y1) + 3 * b.Width(), b.ScanLine(y2)); }
bool columnEquals(TBitmap& b, int x1, int x2) {
    for (int y = 0; y < b.Height(); ++y)
        if (!std::equal(b.ScanLine(y) + 3 * x1, b.ScanLine(y) + 3 * x1 + 3, b.ScanLine(y) + 3 * x2)) return false;
    return true;
}

TEST(Blur, OnlyTheEdgeBandsAreComputedAndTheInsideRepeatsLineFifteen) {
    TBitmap small;
    stripes(small, 40, 40);
    BlurBitmap(small, 3);
    EXPECT_FALSE(rowEquals(small, 25, 15));  // 40 high: every row blurred
    EXPECT_FALSE(columnEquals(small, 25, 15));

    TBitmap large;
    stripes(large, 100, 100);
    BlurBitmap(large, 3);
    // The columns come last: inside they are column 15 as it ended.
    for (int i = 21; i <= 79; ++i) EXPECT_TRUE(columnEquals(large, i, 15)) << i;
    EXPECT_FALSE(columnEquals(large, 80, 15));
    // The rows took row 15 before the columns were blurred: those whose column neighbourhood
    // (8 rows each way) lies among them came out alike.
    for (int i = 29; i <= 71; ++i) EXPECT_TRUE(rowEquals(large, i, 29)) << i;
    EXPECT_FALSE(rowEquals(large, 20, 29));
    EXPECT_FALSE(rowEquals(large, 80, 29));
}

TEST(AlphaMask, MergingTakesAlphaFromTheMasksRedAndPremultipliesTheColours) {
    TBitmap colour;
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            uint8_t* p = colour.ScanLine(y) + 3 * x;
            p[0] = 200, p[1] = 100, p[2] = 51;  // blue, green, red
        }
    const struct {
        uint8_t level;
        uint8_t expected[4];
    } cases[] = {
        {0, {0, 0, 0, 0}},
        {255, {200, 100, 51, 255}},
        {128, {100, 50, 26, 128}},  // 200 * 128 / 255 = 100.39, 51 * 128 / 255 = 25.6
    };
    for (const auto& c : cases) {
        TBitmap mask;
        greyBitmap(mask, 3, 2, c.level);
        TGridAlphaMask alpha;
        alpha.MergeMask(mask, colour, clNone);
        ASSERT_EQ(alpha.Width(), 3);
        ASSERT_EQ(alpha.Height(), 2);
        EXPECT_EQ(alpha.PixelFormat(), pf32bit);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                for (int i = 0; i < 4; ++i) EXPECT_EQ(alpha.ScanLine(y)[4 * x + i], c.expected[i]) << int(c.level);
    }
    // Nothing for a colour bitmap that is not 24-bit, or a mask too small.
    TBitmap mask;
    greyBitmap(mask, 3, 2, 255);
    TBitmap device(3, 2);
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, device, clNone);
    EXPECT_EQ(alpha.Width(), 0);
    TBitmap big;
    greyBitmap(big, 4, 4, 9);
    alpha.MergeMask(mask, big, clNone);
    EXPECT_EQ(alpha.Width(), 0);
}

TEST(AlphaMask, AssignCopiesOpacityAndPixelsOrAPlainBitmap) {
    TBitmap colour, mask;
    greyBitmap(colour, 2, 2, 90);
    greyBitmap(mask, 2, 2, 255);
    TGridAlphaMask source;
    source.SetOpacity(230);
    source.MergeMask(mask, colour, clNone);
    TGridAlphaMask copy;
    EXPECT_EQ(copy.Opacity(), 255);
    copy.SetSize(2, 2);
    copy.Assign(source);
    EXPECT_EQ(copy.Opacity(), 230);
    EXPECT_EQ(copy.ScanLine(1)[0], 90);
    EXPECT_EQ(copy.ScanLine(1)[3], 255);
    TGridAlphaMask smaller;  // only the part both cover
    smaller.SetSize(1, 1);
    smaller.Assign(source);
    EXPECT_EQ(smaller.Width(), 1);
    EXPECT_EQ(smaller.ScanLine(0)[0], 90);

    TBitmap plain(5, 4);
    TGridAlphaMask fromPlain;
    fromPlain.Assign(plain);
    EXPECT_EQ(fromPlain.Width(), 5);
    EXPECT_EQ(fromPlain.PixelFormat(), pf32bit);
    EXPECT_EQ(fromPlain.Canvas().Pixel(2, 2), clWhite);
}

TEST(RoundRectMask, AFilledRoundedRectangleTwoPixelsIn) {
    TBitmap b;
    CreateRoundRectMask(b, 30, 20, 0, 8, 0);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.Pixel(15, 10), clWhite);
    EXPECT_EQ(c.Pixel(2, 10), clWhite);
    EXPECT_EQ(c.Pixel(27, 10), clWhite);
    EXPECT_EQ(c.Pixel(15, 2), clWhite);
    EXPECT_EQ(c.Pixel(15, 17), clWhite);
    EXPECT_EQ(c.Pixel(1, 10), clBlack);
    EXPECT_EQ(c.Pixel(28, 10), clBlack);
    EXPECT_EQ(c.Pixel(15, 18), clBlack);
    EXPECT_EQ(c.Pixel(2, 2), clBlack);  // the rounded corner
    EXPECT_EQ(c.Pixel(0, 0), clBlack);
}

TEST(RoundRectMask, TheFocusFrameIsASoftOutline) {
    TBitmap b;
    CreateRoundRectMask(b, 60, 40, 4, 5, 3);
    const auto red = [&](int x, int y) { return int(b.ScanLine(y)[3 * x + 2]); };
    // The pen of 4 covers rows and columns 2..5 at the top and left, 33..36 and 53..56 at the
    // bottom and right; blurred, it keeps about half its brightness.
    EXPECT_EQ(red(30, 20), 0);  // the inside stays dark
    EXPECT_GT(red(30, 4), 100);
    EXPECT_GT(red(30, 0), 0);   // softened outwards
    EXPECT_LT(red(30, 0), red(30, 4));
    EXPECT_GT(red(30, 9), 0);   // and inwards
    EXPECT_LT(red(30, 9), red(30, 4));
    EXPECT_EQ(red(30, 4), red(30, 34));  // top and bottom alike
    EXPECT_EQ(red(4, 20), red(54, 20));  // left and right alike
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const uint8_t* p = b.ScanLine(y) + 3 * x;
            ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << x << "," << y;  // grey only
        }
}

}  // namespace
