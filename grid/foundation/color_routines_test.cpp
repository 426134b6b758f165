#include "grid/foundation/color_routines.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Paper = 0x123456;

// A bitmap filled with a colour no routine paints, so that untouched pixels show.
class Surface {
public:
    Surface(int w, int h) : bitmap(w, h) {
        canvas().Brush.Color = Paper;
        canvas().FillRect({0, 0, w, h});
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) { return canvas().Pixel(x, y); }

    TBitmap bitmap;
};

TEST(ColorArithmetic, ChannelsRoundToEvenAndWrap) {
    struct Case {
        TColor got, want;
    } cases[] = {
        {HalveColor(RGB(201, 100, 51)), RGB(100, 50, 25)},
        {BrightenColor(RGB(200, 100, 50), 50), RGB(44, 150, 75)},  // red wraps
        {BrightenColor(RGB(100, 50, 10), -20), RGB(80, 40, 8)},
        {BrightenColor(RGB(5, 15, 25), 10), RGB(5, 17, 27)},  // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
        {InterpolateColor(clBlack, RGB(255, 5, 9), 0, 4, 2), RGB(128, 2, 4)},  // ties to even
        {InterpolateColor(RGB(0, 0, 0), RGB(10, 20, 30), 0, 200, 100), RGB(5, 10, 15)},
        {InterpolateColor(RGB(10, 20, 30), clNone, 0, 100, 40), RGB(10, 20, 30)},
        {HalveColor(clWhite), RGB(127, 127, 127)},
        {HalveColor(clBtnFace), HalveColor(ColorToRGB(clBtnFace))},  // system colours resolve
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(GradientFillRect, BandsFollowTheStepsAndEndAtTheEdge) {
    const TColor to = RGB(90, 0, 0);
    struct Case {
        int steps;
        bool horizontal;
        int length;
        std::vector<int> reds;  // red channel along the gradient
    } cases[] = {
        // 10 pixels: extent 9, so 9 steps of one pixel, 10 bands.
        {9, true, 10, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {50, true, 10, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {50, false, 10, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        // Steps 0 gives the two end colours; the last band is one pixel at the edge.
        {0, true, 10, {0, 0, 0, 0, 0, 0, 0, 0, 0, 90}},
        // Three steps over an extent of 9: bands of 3 (+1 overlap), colours 0, 30, 60, 90.
        {3, true, 10, {0, 0, 0, 30, 30, 30, 60, 60, 60, 90}},
    };
    for (const Case& c : cases) {
        Surface s(c.horizontal ? c.length : 4, c.horizontal ? 4 : c.length);
        const TRect r = c.horizontal ? TRect{0, 0, c.length, 4} : TRect{0, 0, 4, c.length};
        GradientFillRect(s.canvas(), clBlack, to, c.steps, r, c.horizontal);
        for (int i = 0; i < c.length; ++i) {
            const TColor p = c.horizontal ? s.at(i, 2) : s.at(2, i);
            EXPECT_EQ(p, RGB(c.reds[i], 0, 0)) << "steps " << c.steps << " at " << i;
        }
    }
}

TEST(GradientFillRect, NoColourAndEmptyOrUpsideDownRectangles) {
    struct Case {
        TColor from, to;
        TRect r;
        TColor want;  // at (2, 2)
    } cases[] = {
        {clNone, clRed, {0, 0, 5, 5}, clRed},
        {clBlue, clNone, {0, 0, 5, 5}, clBlue},
        {clBlue, clRed, {0, 3, 5, 3}, Paper},   // no height: nothing
        {clBlue, clBlue, {0, 5, 5, 0}, clBlue},  // swapped top and bottom
    };
    for (const Case& c : cases) {
        Surface s(5, 5);
        GradientFillRect(s.canvas(), c.from, c.to, 8, c.r, false);
        EXPECT_EQ(s.at(2, 2), c.want);
        EXPECT_EQ(s.at(0, 0), c.r.Top == c.r.Bottom ? Paper : c.want);
    }
}

TEST(DrawMirroredGradient, HalvesSolidFillAndBorders) {
    const TColor a = RGB(0, 0, 0), b = RGB(0, 90, 0), m = RGB(0, 0, 90), mt = RGB(90, 0, 90);
    {
        Surface s(6, 20);
        DrawMirroredGradient(s.canvas(), {0, 0, 6, 20}, a, b, m, mt, true, clNone, false, true);
        EXPECT_EQ(s.at(3, 0), a);
        EXPECT_EQ(s.at(3, 9), b);  // the upper half ends at its edge in ColorTo
        EXPECT_EQ(s.at(3, 10), m);
        EXPECT_EQ(s.at(3, 19), mt);
    }
    {
        Surface s(20, 6);  // horizontal: left and right halves
        DrawMirroredGradient(s.canvas(), {0, 0, 20, 6}, a, b, m, mt, false, clNone, false, true);
        EXPECT_EQ(s.at(9, 3), b);
        EXPECT_EQ(s.at(10, 3), m);
    }
    {
        Surface s(6, 12);  // solid fill reaches one pixel below the rectangle
        DrawMirroredGradient(s.canvas(), {0, 0, 6, 10}, clRed, clNone, clNone, clNone, true, clNone, false, true);
        EXPECT_EQ(s.at(3, 10), clRed);
        EXPECT_EQ(s.at(3, 11), Paper);
    }
    {
        Surface s(8, 8);
        DrawMirroredGradient(s.canvas(), {0, 0, 8, 8}, clRed, clNone, clNone, clNone, true, clBlue, false, true);
        EXPECT_EQ(s.at(0, 0), clBlue);
        EXPECT_EQ(s.at(4, 7), clBlue);
        EXPECT_EQ(s.at(4, 4), clRed);
    }
    {
        Surface s(8, 8);  // side lines only, and no fill
        DrawMirroredGradient(s.canvas(), {0, 0, 8, 8}, clRed, clNone, clNone, clNone, true, clBlue, true, false);
        EXPECT_EQ(s.at(0, 4), clBlue);
        EXPECT_EQ(s.at(7, 4), clBlue);
        EXPECT_EQ(s.at(4, 0), Paper);
    }
}

// Selection bars in R = (0, 0, 20, 12): L 0, T 0, Rt 19, B 10.
TEST(DrawSelectionGradient, EdgesCornersAndInsetsBySegment) {
    const TColor fill = 0x0000F0, innerTop = 0x00F000, innerBottom = 0x00A000, border = 0xF00000,
                 corner = 0xA000A0, bk = 0xFFFFFF;
    struct Case {
        int segment;
        std::vector<std::pair<TPoint, TColor>> pixels;
    } cases[] = {
        {0,
         {{{0, 0}, bk}, {{1, 0}, corner}, {{0, 1}, corner}, {{2, 0}, border}, {{0, 5}, border},
          {{1, 3}, innerTop}, {{1, 7}, innerBottom}, {{0, 10}, bk}, {{18, 0}, bk}, {{17, 0}, corner},
          {{18, 5}, border}, {{17, 3}, innerTop}, {{5, 5}, fill}, {{16, 5}, fill}, {{19, 5}, Paper},
          {{5, 10}, border}, {{5, 11}, Paper}}},
        {1, {{{0, 0}, bk}, {{0, 5}, border}, {{18, 0}, border}, {{18, 5}, fill}, {{19, 5}, Paper}}},
        {2, {{{0, 0}, border}, {{0, 5}, fill}, {{18, 0}, bk}, {{18, 5}, border}}},
        // A middle piece joins its neighbours: no edges or corners, filled to Rt - 1.
        {3, {{{0, 0}, border}, {{0, 5}, fill}, {{1, 5}, fill}, {{18, 5}, fill}, {{18, 0}, border},
             {{19, 5}, Paper}, {{0, 1}, innerTop}}},
        // No edges but the insets of a whole bar.
        {4, {{{0, 0}, Paper}, {{2, 0}, border}, {{0, 5}, Paper}, {{2, 5}, fill}, {{16, 5}, fill}, {{17, 5}, Paper}}},
    };
    for (const Case& c : cases) {
        Surface s(21, 13);
        DrawSelectionGradient(s.canvas(), fill, clNone, clNone, clNone, innerTop, innerBottom, border, corner, bk,
                              {0, 0, 20, 12}, c.segment);
        for (const auto& [p, want] : c.pixels)
            EXPECT_EQ(s.at(p.X, p.Y), want) << "segment " << c.segment << " at " << p.X << "," << p.Y;
    }
}

TEST(DrawSelectionGradient, GradientAndMirrorFillTheInnerRectangle) {
    const TColor c1 = RGB(0, 0, 0), c2 = RGB(0, 0, 160), m1 = RGB(160, 0, 0), m2 = RGB(160, 160, 0);
    Surface s(20, 24);
    // Inner rectangle rows 2 .. 20, split at 11.
    DrawSelectionGradient(s.canvas(), c1, c2, m1, m2, clWhite, clWhite, clWhite, clWhite, clWhite, {0, 0, 20, 24}, 3);
    EXPECT_EQ(s.at(5, 2), c1);
    EXPECT_EQ(s.at(5, 10), c2);
    EXPECT_EQ(s.at(5, 11), m1);
    EXPECT_EQ(s.at(5, 20), m2);
    Surface t(20, 24);
    DrawSelectionGradient(t.canvas(), c1, c2, clNone, clNone, clWhite, clWhite, clWhite, clWhite, clWhite,
                          {0, 0, 20, 24}, 3);
    EXPECT_EQ(t.at(5, 2), c1);
    EXPECT_EQ(t.at(5, 20), c2);
}

TEST(SmallPainters, TriangleFillAndTransparentBitmap) {
    {
        Surface s(12, 8);
        DrawDownTriangle(s.canvas(), 5, 2, clRed);
        const char* rows[] = {"..#######...", "...#####....", "....###.....", ".....#......"};
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 12; ++x)
                EXPECT_EQ(s.at(x, y + 2), rows[y][x] == '#' ? clRed : Paper) << x << "," << y;
        EXPECT_EQ(s.at(5, 6), Paper);
    }
    {
        Surface s(10, 10);
        FillRectColor(s.canvas(), {2, 2, 4, 4}, clBlue);
        EXPECT_EQ(s.at(3, 3), clBlue);
        EXPECT_EQ(s.at(4, 4), Paper);
    }
    {
        TBitmap glyph(4, 4);
        glyph.Canvas().Brush.Color = clLime;  // the key colour, pixel (0, 0)
        glyph.Canvas().FillRect({0, 0, 4, 4});
        glyph.Canvas().SetPixel(2, 1, clRed);
        Surface s(10, 10);
        DrawTransparentBitmap(s.canvas(), glyph, clWhite, {3, 3, 10, 10});
        EXPECT_EQ(s.at(3, 3), clWhite);
        EXPECT_EQ(s.at(5, 4), clRed);
        EXPECT_EQ(s.at(6, 6), clWhite);
        EXPECT_EQ(s.at(7, 7), Paper);  // only the bitmap's own size
        EXPECT_EQ(s.at(2, 2), Paper);
    }
}

}  // namespace
