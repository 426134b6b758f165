#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/text_line.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
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

TEST_F(CanvasTest, ADottedNotXorLineInvertsEveryOtherPixelAndASecondStrokeRestoresThem) {
    canvas.Brush.Color = 0x336699;
    canvas.FillRect({0, 0, 20, 20});
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psDot;
    canvas.Pen.Mode = pmNotXor;
    canvas.MoveTo(2, 5);
    canvas.LineTo(2, 12);
    EXPECT_EQ(at(2, 5), TColor(0xCC9966));
    EXPECT_EQ(at(2, 6), TColor(0x336699));
    EXPECT_EQ(at(2, 7), TColor(0xCC9966));
    EXPECT_EQ(at(2, 12), TColor(0x336699)) << "the end pixel is left out";
    canvas.MoveTo(2, 5);
    canvas.LineTo(2, 12);
    for (int y = 5; y < 12; ++y) EXPECT_EQ(at(2, y), TColor(0x336699)) << y;
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

TEST_F(CanvasTest, ClipRectIsTheClipBoundsOrTheWholeSurface) {
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 20, 20));
    canvas.SetClipRect(Rect(3, 4, 9, 12));
    EXPECT_EQ(canvas.ClipRect(), Rect(3, 4, 9, 12));
    canvas.ResetClip();
    canvas.Painter()->translate(5, 5);
    EXPECT_EQ(canvas.ClipRect(), Rect(-5, -5, 15, 15));
    canvas.Painter()->resetTransform();
}

TEST(CanvasText, TabsAreBlanksThatTheMeasuringKnows) {
    // Drawn and measured as the blanks they stand for, the text after a tab stays in the cell.
    const auto drawn = [](const QString& text, unsigned flags, int* width) {
        TBitmap bitmap(120, 20);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Font.SetColor(clBlack);
        TRect r{0, 0, 120, 20};
        canvas.DrawText(text, r, flags);
        TRect calc{0, 0, 120, 20};
        canvas.DrawText(text, calc, flags | DT_CALCRECT);
        *width = calc.Width();
        return bitmap.Image().copy();
    };
    int tabbed = 0, blanks = 0;
    EXPECT_EQ(drawn("ab\tc", DT_SINGLELINE, &tabbed), drawn("ab c", DT_SINGLELINE, &blanks));
    EXPECT_EQ(tabbed, blanks);
    EXPECT_EQ(drawn("ab\tc\nd\te", unsigned(DT_EXPANDTABS) | unsigned(DT_WORDBREAK), &tabbed), drawn("ab      c\nd       e", DT_WORDBREAK, &blanks));
    EXPECT_EQ(tabbed, blanks);
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

TEST_F(CanvasTest, FloodFillStopsAtTheBorderColourOrStaysOnTheSurfaceColour) {
    canvas.Pen.Color = clGray;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(2, 2, 10, 10);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clRed;
    canvas.FloodFill(5, 5, clGray, fsBorder);
    EXPECT_EQ(at(3, 3), clRed);
    EXPECT_EQ(at(8, 8), clRed);
    EXPECT_EQ(at(2, 5), clGray);
    EXPECT_EQ(at(12, 5), clWhite);
    // On the surface colour: the white outside, around the frame, but not inside it.
    canvas.Brush.Color = clBlue;
    canvas.FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_EQ(at(19, 19), clBlue);
    EXPECT_EQ(at(5, 5), clRed);
    EXPECT_EQ(at(2, 2), clGray);
    // A start on the border fills nothing.
    canvas.Brush.Color = clGreen;
    canvas.FloodFill(2, 2, clGray, fsBorder);
    EXPECT_EQ(at(5, 5), clRed);
}

TEST_F(CanvasTest, AFocusRectangleIsDottedAndDrawnTwiceItIsGone) {
    canvas.DrawFocusRect(Rect(2, 2, 8, 6));
    EXPECT_EQ(at(2, 2), clBlack);
    EXPECT_EQ(at(3, 2), clWhite);
    EXPECT_EQ(at(4, 2), clBlack);
    EXPECT_EQ(at(4, 4), clWhite);  // inside
    int dots = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) dots += at(x, y) == clBlack;
    EXPECT_EQ(dots, 8);  // half of the 16 outline pixels
    canvas.DrawFocusRect(Rect(2, 2, 8, 6));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(at(x, y), clWhite) << x << "," << y;
}

TEST(CanvasText, AnOrientedFontTurnsTheTextUpwards) {
    TBitmap bitmap(120, 120);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Style = bsClear;
    canvas.Font.SetColor(clBlack);
    canvas.Font.SetHeight(-14);
    canvas.Font.SetOrientation(900);
    canvas.TextOut(40, 100, "WWWWWW");
    int left = 120, right = -1, top = 120, bottom = -1;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            if (canvas.Pixel(x, y) == clBlack) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    EXPECT_GT(bottom - top, 2 * (right - left));  // taller than wide
    EXPECT_LE(bottom, 100);                        // runs up from the start point
    EXPECT_GE(left, 40);                           // the top of the glyphs faces left of x + height
    EXPECT_LT(right, 40 + 20);
}

TEST(BitmapFormats, RowsHoldTheBytesOfThePixelFormatAndTheCanvasDrawsOnEach) {
    TBitmap b(4, 3);
    EXPECT_EQ(b.PixelFormat(), pfDevice);
    b.Canvas().SetPixel(1, 1, RGB(10, 20, 30));
    b.SetPixelFormat(pf24bit);
    const uint8_t* row = b.ScanLine(1);
    EXPECT_EQ(row[3], 30);  // blue, green, red
    EXPECT_EQ(row[4], 20);
    EXPECT_EQ(row[5], 10);
    b.Canvas().Brush.Color = RGB(1, 2, 3);
    b.Canvas().FillRect({2, 0, 3, 3});
    EXPECT_EQ(b.ScanLine(2)[6], 3);
    b.SetSize(6, 3);  // keeps its format and pixels
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(b.Canvas().Pixel(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(b.ScanLine(3), nullptr);

    b.SetPixelFormat(pf32bit);
    EXPECT_EQ(b.ScanLine(1)[4 + 3], 255);  // alpha after blue, green, red
    EXPECT_EQ(b.ScanLine(1)[4 + 2], 10);
    TBitmap copy;
    copy.Assign(b);
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
    EXPECT_EQ(copy.Canvas().Pixel(2, 2), RGB(1, 2, 3));
}

TEST_F(CanvasTest, AWidePenIsCentredOnARoundedOutline) {
    canvas.Brush.Style = bsClear;
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 4;
    canvas.RoundRect(Rect(4, 4, 16, 16), 2, 2);
    EXPECT_EQ(at(10, 1), clWhite);
    for (int y = 2; y <= 5; ++y) EXPECT_EQ(at(10, y), clRed) << y;
    EXPECT_EQ(at(10, 6), clWhite);
    EXPECT_EQ(at(10, 10), clWhite);
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

// The machine has none of the fonts the windows name: each takes a Debian font of its widths,
// the one the text is really drawn and measured with.
TEST(Font, ANamedFontTheMachineLacksTakesAStandInOfItsWidths) {
    const std::pair<const char*, const char*> cases[] = {
        {"Tahoma", "Liberation Sans"},     {"MS Sans Serif", "Liberation Sans"}, {"Verdana", "DejaVu Sans"},
        {"Courier New", "Liberation Mono"}, {"No Such Font", "DejaVu Sans"},
    };
    for (const auto& [named, standIn] : cases) {
        TFont font;
        font.SetName(named);
        EXPECT_EQ(QFontInfo(ToQFont(font)).family(), standIn) << named;
    }
}

}  // namespace
