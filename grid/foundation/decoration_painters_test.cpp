#include "grid/foundation/decoration_painters.h"

#include "grid/foundation/format_settings_fixture.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Paper = 0x102030;

class Surface {
public:
    explicit Surface(int w = 120, int h = 40) : bitmap(w, h) {
        canvas().Brush.Color = Paper;
        canvas().FillRect({0, 0, w, h});
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) { return canvas().Pixel(x, y); }
    int count(TColor c, const TRect& r) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += at(x, y) == c;
        return n;
    }
    TBitmap bitmap;
};

constexpr TColor Done = 0x00C000, Rest = 0xC0C0C0, TextDone = 0xFFFFFF, TextRest = 0x000080, Border = 0x800000;

TEST(ProgressBar, WithoutAFormatTheValueIsThePercentageClampedForTheBar) {
    Surface s;
    s.canvas().Brush.Color = 0x0000FF;  // remembered for the outer frame
    DrawProgressBar(s.canvas(), {0, 0, 100, 30}, Done, TextDone, Rest, TextRest, 150, 2, 2, 0, 100, QString(), Border,
                    false);
    EXPECT_EQ(s.at(2, 2), Done);
    EXPECT_EQ(s.at(97, 2), Done);  // full, though the text says 150%
    EXPECT_EQ(s.at(97, 27), Done);
    EXPECT_EQ(s.at(1, 1), Border);
    EXPECT_EQ(s.at(98, 28), Border);
    EXPECT_EQ(s.at(0, 0), 0x0000FF);
    EXPECT_EQ(s.at(99, 29), 0x0000FF);
    EXPECT_EQ(s.at(100, 30), Paper);
    EXPECT_GT(s.count(TextDone, {2, 2, 98, 28}), 10);
    EXPECT_EQ(s.count(TextRest, {2, 2, 98, 28}), 0);
}

TEST(ProgressBar, AFormatShowsTheValueAndTheShareOfTheRangeAndTheTextChangesColourWhereTheBarEnds) {
    Surface s;
    s.canvas().Font.SetHeight(-12);
    DrawProgressBar(s.canvas(), {0, 0, 100, 30}, Done, TextDone, Rest, TextRest, 5, 2, 2, 0, 10,
                    QStringLiteral("%d of 10"), clNone, false);
    // Half of the 96 inner pixels: 2..49.
    EXPECT_EQ(s.at(49, 3), Done);
    EXPECT_EQ(s.at(50, 3), Rest);
    EXPECT_EQ(s.at(97, 3), Rest);
    EXPECT_GT(s.count(TextDone, {2, 2, 50, 28}), 5);
    EXPECT_EQ(s.count(TextRest, {2, 2, 50, 28}), 0);
    EXPECT_GT(s.count(TextRest, {50, 2, 98, 28}), 5);
    EXPECT_EQ(s.count(TextDone, {50, 2, 98, 28}), 0);
    EXPECT_EQ(s.at(1, 1), Paper);  // no border colour: only the outer frame
    EXPECT_EQ(FormatProgressValue(QStringLiteral("%d of 10"), 5), QStringLiteral("5 of 10"));
}

TEST(ProgressBar, AnEmptyRangeGivesAnEmptyOrAFullBar) {
    Surface s;
    DrawProgressBar(s.canvas(), {0, 0, 100, 30}, Done, TextDone, Rest, TextRest, 3, 0, 0, 3, 3, QStringLiteral("%d"),
                    clNone, false);
    EXPECT_EQ(s.at(98, 1), Done);
    DrawProgressBar(s.canvas(), {0, 0, 100, 30}, Done, TextDone, Rest, TextRest, 2, 0, 0, 3, 3, QStringLiteral("%d"),
                    clNone, false);
    EXPECT_EQ(s.at(1, 1), Rest);
}

TEST(ProgressBar, ValuesBeyondTheIntegerRangeFillTheBarAndKeepTheirNumber) {
    for (const QString& fmt : {QString(), QStringLiteral("%d")}) {
        Surface s;
        DrawProgressBar(s.canvas(), {0, 0, 100, 30}, Done, TextDone, Rest, TextRest, 1e12, 2, 2, 0, 100, fmt, clNone,
                        false);
        EXPECT_EQ(s.at(3, 3), Done) << qPrintable(fmt);
        EXPECT_EQ(s.at(97, 3), Done) << qPrintable(fmt);
    }
    EXPECT_EQ(FormatProgressValue(QStringLiteral("%d%%"), 1e12), QStringLiteral("1000000000000%"));
    EXPECT_EQ(FormatProgressValue(QStringLiteral("%d"), -3e9), QStringLiteral("-3000000000"));
}

class ProgressFormat : public FormatSettingsFixture {};

TEST_F(ProgressFormat, ConversionsOfOneValue) {
    Use(u',', u'.');
    const struct {
        const char* fmt;
        double value;
        const char* expected;
    } cases[] = {
        {"%d%%", 42.5, "42%"},  // ties to even
        {"%.3d", 7, "007"},
        {"%d", -0.3, "0"},
        {"%.3d", -7, "-007"},
        {"%5d|", 12, "   12|"},
        {"%-5d|", 12, "12   |"},
        {"%.1f kg", 2.26, "2,3 kg"},
        {"%f", 1, "1,00"},
        {"%n", 1234567.891, "1.234.567,89"},
        {"%x", 255, "FF"},
        {"%s", 1, "%s"},
        {"100%", 1, "100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatProgressValue(QString::fromLatin1(c.fmt), c.value), QString::fromLatin1(c.expected)) << c.fmt;
}

TEST(ProgressPie, FillsClockwiseFromTwelveUpToTheGreyOutline) {
    const TRect r{0, 0, 41, 41};
    {
        Surface s;
        s.canvas().Brush.Color = clWhite;
        DrawProgressPie(s.canvas(), r, Done, 0, false);
        EXPECT_EQ(s.count(Done, r), 0);
        EXPECT_EQ(s.at(20, 5), clGray);  // the twelve o'clock radius
        EXPECT_EQ(s.at(20, 15), clGray);
        EXPECT_EQ(s.at(30, 10), clWhite);
        EXPECT_EQ(s.at(20, 0), clGray);  // the outline
    }
    {
        Surface s;
        s.canvas().Brush.Color = clWhite;
        DrawProgressPie(s.canvas(), r, Done, 25, false);
        EXPECT_EQ(s.at(28, 12), Done);   // between twelve and three
        EXPECT_EQ(s.at(28, 28), clWhite);
        EXPECT_EQ(s.at(12, 28), clWhite);
        EXPECT_EQ(s.at(12, 12), clWhite);
        EXPECT_EQ(s.at(35, 20), clGray);  // the three o'clock radius
    }
    {
        Surface s;
        s.canvas().Brush.Color = clWhite;
        DrawProgressPie(s.canvas(), r, Done, 100, false);
        for (const TPoint p : {TPoint{28, 12}, TPoint{28, 28}, TPoint{12, 28}, TPoint{12, 12}}) EXPECT_EQ(s.at(p.X, p.Y), Done);
        EXPECT_EQ(s.at(0, 0), Paper);  // outside the ellipse
    }
}

TEST(RangeIndicator, BarsRunFromTheMiddleAndStopAtTheHalfWidth) {
    const TColor Pos = 0x00FF00, Neg = 0x0000FF;
    const struct {
        int value, range;
        int left, right;  // the painted columns, right exclusive
        TColor color;
    } cases[] = {
        {50, 10, 22, 42, Pos},
        {5, 10, 22, 32, Pos},
        {-5, 10, 12, 22, Neg},
        {-99, 10, 2, 22, Neg},
        {0, 10, 22, 22, Pos},
        {5, 0, 22, 22, Pos},  // no range, no bar
    };
    for (const auto& c : cases) {
        Surface s(44, 20);
        DrawRangeIndicator(s.canvas(), {0, 0, 44, 20}, c.value, c.range, false, Neg, Pos);
        SCOPED_TRACE(c.value);
        EXPECT_EQ(s.count(c.color, {0, 0, 44, 20}), (c.right - c.left) * 16);
        if (c.right > c.left) {
            EXPECT_EQ(s.at(c.left, 2), c.color);
            EXPECT_EQ(s.at(c.right - 1, 17), c.color);
            EXPECT_EQ(s.at(c.left, 1), Paper);
        }
    }
    Surface s(44, 20);
    s.canvas().Font.SetColor(clBlack);
    DrawRangeIndicator(s.canvas(), {0, 0, 44, 20}, 5, 10, true, Neg, Pos);
    EXPECT_GT(s.count(clBlack, {0, 0, 44, 20}), 0);
}

TProgressDrawInfo appearance() {
    TProgressDrawInfo info;
    info.Level0Color = 0x0000A0;
    info.Level1Color = 0x00A000;
    info.Level2Color = 0xA00000;
    info.Level3Color = 0xA0A000;
    info.Level0ColorTo = info.Level1ColorTo = info.Level2ColorTo = info.Level3ColorTo = clWhite;
    info.Level1Perc = 30;
    info.Level2Perc = 70;
    info.BorderColor = Border;
    info.ShowBorder = true;
    info.BackgroundColor = clWhite;
    info.Steps = 10;
    return info;
}

// The colours along the middle row of a horizontal bar, one letter a pixel: B border,
// . background, 0..3 the levels.
QString row(Surface& s, const TRect& r, int y) {
    const TProgressDrawInfo info = appearance();
    QString out;
    for (int x = r.Left; x < r.Right; ++x) {
        const TColor c = s.at(x, y);
        out += c == Border ? u'B' : c == clWhite ? u'.' : c == info.Level0Color ? u'0' : c == info.Level1Color ? u'1'
             : c == info.Level2Color ? u'2' : c == info.Level3Color ? u'3' : u'?';
    }
    return out;
}

TEST(ExProgressBar, BlocksOfSevenWithGapsOfTwo) {
    const TRect r{0, 0, 102, 20};  // 100 pixels of length
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 50, appearance());
        const QString blocks = QStringLiteral("B.1111111..1111111..1111111..1111111..1111111..1111") + QString(50, u'.') + u'B';
        EXPECT_EQ(row(s, r, 10), blocks);
        EXPECT_EQ(row(s, r, 1), u'B' + QString(100, u'.') + u'B');  // the 2-pixel margin
        EXPECT_EQ(row(s, r, 2).mid(0, 4), QStringLiteral("B.11"));
        EXPECT_EQ(row(s, r, 17).mid(0, 4), QStringLiteral("B.11"));
        EXPECT_EQ(row(s, r, 18).mid(0, 4), QStringLiteral("B..."));
    }
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 2, appearance());
        EXPECT_EQ(row(s, r, 10), QStringLiteral("B.0") + QString(98, u'.') + u'B');
    }
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 1, appearance());
        EXPECT_EQ(row(s, r, 10), u'B' + QString(100, u'.') + u'B');
    }
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 100, appearance());
        EXPECT_EQ(row(s, r, 10).mid(92), QStringLiteral("3333333..B"));  // 11 full blocks and one of 1
    }
}

TEST(ExProgressBar, SmoothAndStackedBars) {
    const TRect r{0, 0, 102, 20};
    TProgressDrawInfo info = appearance();
    info.CompletionSmooth = true;
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 80, info);
        EXPECT_EQ(row(s, r, 10), u'B' + QString(80, u'2') + QString(20, u'.') + u'B');
        EXPECT_EQ(row(s, r, 1), u'B' + QString(80, u'2') + QString(20, u'.') + u'B');
    }
    info.Stacked = true;
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 100, info);
        EXPECT_EQ(row(s, r, 10), u'B' + QString(30, u'0') + QString(40, u'1') + QString(30, u'3') + u'B');
    }
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 50, info);
        EXPECT_EQ(row(s, r, 10), u'B' + QString(30, u'0') + QString(20, u'1') + QString(50, u'.') + u'B');
    }
    {
        Surface s;
        DrawExProgressBar(s.canvas(), r, 0, info);
        EXPECT_EQ(row(s, r, 10), u'B' + QString(100, u'.') + u'B');
    }
}

TEST(ExProgressBar, AVerticalStackedBarGrowsUpwards) {
    TProgressDrawInfo info = appearance();
    info.Stacked = true;
    info.Vertical = true;
    Surface s(20, 110);
    DrawExProgressBar(s.canvas(), {0, 0, 20, 102}, 80, info);
    QString column;
    for (int y = 101; y >= 0; --y) column += row(s, {10, 0, 11, 1}, y);
    // Part 1 is a pixel short, part 3 starts one above part 2.
    EXPECT_EQ(column, u'B' + QString(29, u'0') + QString(40, u'1') + u'.' + QString(10, u'3') +
                          QString(20, u'.') + u'B');
}

TEST(ExProgressBar, GradientPartsMeetInTheMiddleOfTheThicknessAndThePercentageIsWritten) {
    TProgressDrawInfo info = appearance();
    info.CompletionSmooth = true;
    info.ShowGradient = true;
    info.ShowBorder = false;
    TFont font;
    info.Font = &font;
    info.ShowPercentage = true;
    info.CompleteFontColor = clBlack;
    Surface s;
    DrawExProgressBar(s.canvas(), {0, 0, 102, 22}, 100, info);
    EXPECT_EQ(s.at(50, 1), clWhite);   // ColorTo at both edges of the thickness
    EXPECT_EQ(s.at(50, 20), clWhite);
    EXPECT_EQ(s.at(5, 10), info.Level3Color);  // Color where the halves meet
    EXPECT_EQ(s.at(0, 0), clWhite);    // the frame in the background colour
    EXPECT_GT(s.count(clBlack, {30, 0, 72, 22}), 5);
    EXPECT_EQ(s.count(clBlack, {0, 0, 30, 22}), 0);
}

TEST(Shapes, EveryShapeStaysInItsBox) {
    for (int shape = csRectangle; shape <= csHalfStar; ++shape) {
        Surface s(40, 40);
        DrawShape(s.canvas(), 10, 10, 20, 16, shape, clRed, clBlue);
        SCOPED_TRACE(shape);
        EXPECT_GT(s.count(clRed, {10, 10, 31, 27}) + s.count(clBlue, {10, 10, 31, 27}), 0);
        EXPECT_EQ(s.count(Paper, {0, 0, 40, 40}) + s.count(clRed, {10, 10, 31, 27}) + s.count(clBlue, {10, 10, 31, 27}),
                  1600);
    }
    for (int shape : {-1, 19}) {
        Surface s(40, 40);
        DrawShape(s.canvas(), 10, 10, 20, 16, shape, clRed, clBlue);
        EXPECT_EQ(s.count(Paper, {0, 0, 40, 40}), 1600);
    }
}

TEST(Shapes, GeometryOfTheTable) {
    {
        Surface s(40, 40);
        DrawShape(s.canvas(), 0, 0, 20, 10, csCircle, clRed, clBlue);  // a 10 x 10 circle
        EXPECT_EQ(s.at(5, 5), clRed);
        EXPECT_EQ(s.count(Paper, {10, 0, 40, 40}), 300 * 4);
    }
    {
        Surface s(40, 40);
        DrawShape(s.canvas(), 0, 0, 20, 10, csRectangle, clRed, clBlue);  // inset by one
        EXPECT_EQ(s.at(0, 0), Paper);
        EXPECT_EQ(s.at(1, 1), clBlue);
        EXPECT_EQ(s.at(18, 8), clBlue);
        EXPECT_EQ(s.at(19, 9), Paper);
        EXPECT_EQ(s.at(5, 5), clRed);
    }
    {
        Surface s(40, 40);
        DrawShape(s.canvas(), 0, 0, 21, 11, csLineVert, clRed, clBlue);
        EXPECT_EQ(s.count(clBlue, {0, 0, 40, 40}), 11);
        EXPECT_EQ(s.at(10, 0), clBlue);
        EXPECT_EQ(s.at(10, 10), clBlue);
    }
    {
        Surface s(40, 40);
        DrawShape(s.canvas(), 0, 0, 20, 20, csArrowUp, clRed, clBlue);
        EXPECT_EQ(s.at(10, 0), clBlue);   // the tip
        EXPECT_EQ(s.at(10, 15), clRed);   // the shaft between q and 3q
        EXPECT_EQ(s.at(3, 15), Paper);    // beside the shaft
        EXPECT_EQ(s.at(3, 9), clRed);     // the head
    }
    {
        Surface s(40, 40);
        DrawShape(s.canvas(), 0, 0, 20, 20, csStar, clRed, clBlue);
        EXPECT_EQ(s.at(10, 0), clBlue);  // the top point
        EXPECT_EQ(s.at(10, 10), clRed);  // the middle
        EXPECT_EQ(s.at(2, 18), Paper);   // between the lower points
        Surface half(40, 40);
        DrawShape(half.canvas(), 0, 0, 20, 20, csHalfStar, clRed, clBlue);
        EXPECT_EQ(half.count(Paper, {11, 0, 40, 40}), 29 * 40);  // nothing right of the axis
        EXPECT_GT(half.count(clRed, {0, 0, 11, 20}), 20);
    }
}

TEST(ErrorUnderline, AZigzagUnderTheFaultyCharactersOnly) {
    Surface s(200, 30);
    const QString text = QStringLiteral("good badd good");
    s.canvas().Font.SetHeight(-12);
    const int from = s.canvas().TextWidth(QStringLiteral("good "));
    const int last = s.canvas().TextWidth(QStringLiteral("good bad"));
    DrawErrorUnderline(nullptr, s.canvas(), text, {10, 5, 190, 25}, 10, 5, 4);
    EXPECT_EQ(s.count(clRed, {0, 0, 10 + from, 30}), 0);
    EXPECT_EQ(s.count(clRed, {10 + last + 7, 0, 200, 30}), 0);
    EXPECT_EQ(s.count(clRed, {0, 0, 200, 15}), 0);  // from YOffset down
    EXPECT_GT(s.count(clRed, {10 + from, 15, 10 + last + 7, 20}), 10);
    EXPECT_EQ(s.count(clRed, {0, 20, 200, 30}), 0);

    Surface after(200, 30);
    after.canvas().Font.SetHeight(-12);
    const int end = after.canvas().TextWidth(text);
    DrawErrorUnderline(nullptr, after.canvas(), text, {0, 0, 190, 20}, 0, 20, 3);  // past the end
    EXPECT_EQ(after.count(clRed, {0, 0, end, 30}), 0);
    EXPECT_GT(after.count(clRed, {end, 0, end + 12, 30}), 0);
}

}  // namespace
