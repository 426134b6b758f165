#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class CanvasTest : public ::testing::Test {
protected:
    TBitmap bitmap{20, 20};
    TCanvas& canvas = bitmap.Canvas();
    TColor at(int x, int y) { return canvas.Pixel(x, y); }
};

TEST_F(CanvasTest, RectangleCoversLeftToRightMinusOneWithPenInside) {
    canvas.Brush.Color = clYellow;
    canvas.Pen.Color = clRed;
    canvas.Rectangle(2, 3, 8, 9);
    EXPECT_EQ(at(2, 3), clRed);
    EXPECT_EQ(at(7, 8), clRed);
    EXPECT_EQ(at(8, 8), clWhite);
    EXPECT_EQ(at(7, 9), clWhite);
    EXPECT_EQ(at(3, 4), clYellow);
    EXPECT_EQ(at(6, 7), clYellow);
}

TEST_F(CanvasTest, FillRectAndFrameRectStopBeforeRightAndBottom) {
    canvas.Brush.Color = clBlue;
    canvas.FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(at(3, 3), clBlue);
    EXPECT_EQ(at(4, 3), clWhite);
    canvas.Brush.Color = clGreen;
    canvas.FrameRect(Rect(10, 10, 15, 15));
    EXPECT_EQ(at(14, 14), clGreen);
    EXPECT_EQ(at(12, 12), clWhite);
}

TEST_F(CanvasTest, LineLeavesOutItsEndPixel) {
    struct Case { int x1, y1, x2, y2; };
    for (const Case c : {Case{1, 1, 6, 1}, Case{1, 1, 1, 6}, Case{1, 1, 6, 6}}) {
        bitmap.Canvas().Brush.Color = clWhite;
        bitmap.Canvas().FillRect(Rect(0, 0, 20, 20));
        canvas.Pen.Color = clBlack;
        canvas.MoveTo(c.x1, c.y1);
        canvas.LineTo(c.x2, c.y2);
        EXPECT_EQ(at(c.x1, c.y1), clBlack);
        EXPECT_EQ(at(c.x2, c.y2), clWhite) << c.x2 << "," << c.y2;
        EXPECT_EQ(canvas.PenPos(), (TPoint{c.x2, c.y2}));
    }
}

TEST_F(CanvasTest, PolygonIsOutlinedThroughEveryVertexAndFilledInside) {
    canvas.Pen.Color = clRed;
    canvas.Brush.Color = clBlue;
    canvas.MoveTo(1, 1);
    canvas.Polygon({{5, 8}, {11, 8}, {8, 11}});
    for (int x = 5; x <= 11; ++x) EXPECT_EQ(at(x, 8), clRed) << x;
    for (TPoint p : {TPoint{6, 9}, TPoint{10, 9}, TPoint{7, 10}, TPoint{9, 10}, TPoint{8, 11}})
        EXPECT_EQ(at(p.X, p.Y), clRed) << p.X << "," << p.Y;
    EXPECT_EQ(at(8, 9), clBlue);
    for (TPoint p : {TPoint{4, 8}, TPoint{12, 8}, TPoint{5, 9}, TPoint{11, 9}, TPoint{8, 12}, TPoint{7, 11}})
        EXPECT_EQ(at(p.X, p.Y), clWhite) << p.X << "," << p.Y;
    EXPECT_EQ(canvas.PenPos(), (TPoint{1, 1}));

    canvas.Brush.Style = bsClear;
    canvas.Polygon({{1, 1}, {6, 1}, {6, 5}, {1, 5}});
    EXPECT_EQ(at(6, 5), clRed);
    EXPECT_EQ(at(3, 3), clWhite);
}

TEST(CanvasText, DrawTextAlignsAndMeasures) {
    TBitmap bitmap(200, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font.SetName("Verdana");
    const int width = canvas.TextWidth("Step 1");
    EXPECT_GT(width, 0);
    TRect calc{0, 0, 200, 40};
    canvas.DrawText("Step 1", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), width);
    EXPECT_EQ(calc.Height(), canvas.TextHeight("Step 1"));

    TRect narrow{0, 0, 40, 40};
    canvas.DrawText("one two three", narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(narrow.Height(), 2 * canvas.TextHeight("x"));

    // Right-aligned text leaves the left part of the rectangle untouched.
    TRect box{0, 0, 200, 40};
    canvas.Font.SetColor(clBlack);
    canvas.DrawText("Step 1", box, DT_RIGHT | DT_SINGLELINE);
    const QImage& image = bitmap.Image();
    bool leftInked = false, rightInked = false;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200 - width - 1; ++x) leftInked |= image.pixelColor(x, y) != Qt::white;
        for (int x = 200 - width; x < 200; ++x) rightInked |= image.pixelColor(x, y) != Qt::white;
    }
    EXPECT_FALSE(leftInked);
    EXPECT_TRUE(rightInked);
}

TEST(CanvasText, EllipsisCutsTextToTheWidth) {
    TBitmap bitmap(200, 40);
    TCanvas& canvas = bitmap.Canvas();
    TRect r{0, 0, 60, 20};
    canvas.DrawText("a rather long caption", r, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(r.Width(), 60);
}

TEST(Colors, SystemColorsResolveAndPlainColorsStay) {
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(0xEDF7F8), 0xEDF7F8);
    EXPECT_EQ(GetRValue(0xEDF7F8), 0xF8);
}

TEST(Font, SizeAndHeightConvertAt96Dpi) {
    TFont font;
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.SetHeight(-11);
    EXPECT_EQ(font.Size(), 8);
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetStyle(fsBold);
    font.SetStyle(fsBold);
    EXPECT_EQ(changes, 1);
}

}  // namespace
