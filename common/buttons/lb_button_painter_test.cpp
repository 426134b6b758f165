#include "common/buttons/lb_button_painter.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const TColor Face = RGB(200, 220, 240);
const TColor Light = RGB(250, 250, 250);
const TColor Shadow = RGB(90, 90, 90);
const TColor Yellow = RGB(255, 255, 0);
const TColor Orange = RGB(255, 128, 0);

TLbButtonFace face(int w, int h, TLbButtonStyle style = bsNormal) {
    TLbButtonFace f;
    f.Width = w;
    f.Height = h;
    f.Style = style;
    f.Color = Face;
    f.LightColor = Light;
    f.ShadowColor = Shadow;
    f.Font.SetColor(clBlack);
    return f;
}

// The face painted on an image first filled with the transparent colour, as the button does.
std::unique_ptr<TBitmap> paint(const TLbButtonFace& f) {
    auto image = std::make_unique<TBitmap>(f.Width, f.Height);
    TCanvas& c = image->Canvas();
    c.Brush.Color = LbTransparentColor;
    c.FillRect(Rect(0, 0, f.Width, f.Height));
    DrawLbButtonFace(c, f);
    return image;
}

TColor px(TBitmap& image, int x, int y) { return image.Canvas().Pixel(x, y); }

// The smallest rectangle holding every pixel of colour ink, and how many there are.
struct Ink {
    TRect box{1 << 20, 1 << 20, -1, -1};
    int count = 0;
};
Ink inkOf(TBitmap& image, TColor ink) {
    Ink r;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (px(image, x, y) == ink) {
                r.box = Rect(std::min(r.box.Left, x), std::min(r.box.Top, y), std::max(r.box.Right, x + 1),
                             std::max(r.box.Bottom, y + 1));
                ++r.count;
            }
    return r;
}

// A strip of square cells in the given colours; each cell's bottom-left pixel is fuchsia.
std::unique_ptr<TBitmap> strip(std::initializer_list<TColor> colours, int cell = 6) {
    auto b = std::make_unique<TBitmap>(cell * static_cast<int>(colours.size()), cell);
    TCanvas& c = b->Canvas();
    int x = 0;
    for (TColor colour : colours) {
        c.Brush.Color = colour;
        c.FillRect(Rect(x, 0, x + cell, cell));
        c.SetPixel(x, cell - 1, clFuchsia);
        x += cell;
    }
    return b;
}

TEST(LbButtonPainter, BlendMovesEachChannelByEighthsAndTruncates) {
    const TColor c = RGB(248, 247, 237);
    EXPECT_EQ(BlendHotTrackColor(c, Yellow, 8), Yellow);
    EXPECT_EQ(BlendHotTrackColor(c, Yellow, 0), c);
    EXPECT_EQ(BlendHotTrackColor(c, Yellow, 4), RGB(251, 251, 118));
    EXPECT_EQ(BlendHotTrackColor(clBtnFace, Yellow, 0), ColorToRGB(clBtnFace));
}

TEST(LbButtonPainter, GradientPaintsOverlappingBandsOfWhichTheLastIsEmpty) {
    TBitmap image(6, 70);
    TCanvas& c = image.Canvas();
    c.Brush.Color = clFuchsia;
    c.FillRect(Rect(0, 0, 6, 70));
    c.Pen.Style = psDot;
    // 31 steps of exactly (8, 0, 1).
    FillGradient(c, RGB(0, 0, 0), RGB(248, 0, 31), 0, 0, 4, 64);
    EXPECT_EQ(c.Pen.Style, psDot);
    EXPECT_EQ(px(image, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(px(image, 3, 1), RGB(0, 0, 0));
    EXPECT_EQ(px(image, 0, 2), RGB(8, 0, 1));   // band 1 starts at 64 div 31 = 2
    EXPECT_EQ(px(image, 0, 63), RGB(240, 0, 30));  // band 30; band 31 starts at the bottom
    EXPECT_EQ(px(image, 4, 10), clFuchsia);
    EXPECT_EQ(px(image, 0, 64), clFuchsia);
}

TEST(LbButtonPainter, GradientWhoseBottomIsNotBelowItsTopPaintsNothing) {
    for (int bottom : {10, 9, 2}) {
        TBitmap image(4, 20);
        TCanvas& c = image.Canvas();
        c.Brush.Color = clFuchsia;
        c.FillRect(Rect(0, 0, 4, 20));
        FillGradient(c, clBlack, clWhite, 0, 10, 4, bottom);
        EXPECT_EQ(inkOf(image, clFuchsia).count, 80) << bottom;
    }
}

TEST(LbButtonPainter, FaceColourFollowsHotTrackAndPressOnlyWhenEnabled) {
    struct Case {
        bool enabled, down;
        TColor hot;
        int step;
        TColor whenDown, expected;
    } cases[] = {
        {true, false, Yellow, 8, clNone, Yellow},
        {true, false, Yellow, 4, clNone, BlendHotTrackColor(Face, Yellow, 4)},
        {true, false, clNone, 8, clNone, Face},
        {false, false, Yellow, 8, clNone, Face},
        {true, true, Yellow, 8, Orange, Orange},
        {true, true, Yellow, 8, clNone, Yellow},
        {false, true, Yellow, 0, Orange, Face},
    };
    for (const Case& k : cases) {
        TLbButtonFace f = face(30, 20);
        f.Enabled = k.enabled;
        f.Down = k.down;
        f.HotTrackColor = k.hot;
        f.HotTrackStep = k.step;
        f.ColorWhenDown = k.whenDown;
        auto image = paint(f);
        EXPECT_EQ(px(*image, 15, 10), k.expected) << k.enabled << k.down << k.step;
    }
}

enum Edges { None, Raised, Sunken };

// Top-left and bottom-right edge colours, or the face where there are none.
void expectClassicEdges(TBitmap& image, Edges edges, const char* what) {
    const int w = image.Width(), h = image.Height();
    const TColor topLeft = edges == None ? Face : edges == Raised ? Light : Shadow;
    const TColor bottomRight = edges == None ? Face : edges == Raised ? Shadow : Light;
    for (TPoint p : {TPoint{0, h / 2}, TPoint{w / 2, 0}, TPoint{0, 0}, TPoint{0, h - 1}})
        EXPECT_EQ(px(image, p.X, p.Y), topLeft) << what << " at " << p.X << "," << p.Y;
    for (TPoint p : {TPoint{w - 1, h / 2}, TPoint{w / 2, h - 1}, TPoint{w - 1, 0}, TPoint{w - 1, h - 1}})
        EXPECT_EQ(px(image, p.X, p.Y), bottomRight) << what << " at " << p.X << "," << p.Y;
    EXPECT_EQ(px(image, 1, 1), Face) << what;
}

void expectOldEdges(TBitmap& image, Edges edges, const char* what) {
    const int w = image.Width(), h = image.Height();
    const TColor dark = ColorToRGB(cl3DDkShadow);
    struct Expect {
        TPoint at;
        TColor colour;
    };
    std::vector<Expect> expects;
    if (edges == None) expects = {{{0, h / 2}, Face}, {{w - 1, h / 2}, Face}, {{w - 2, h / 2}, Face}};
    if (edges == Raised)
        expects = {{{0, h / 2}, Light},   {{w / 2, 0}, Light},   {{w - 1, h / 2}, dark},
                   {{w / 2, h - 1}, dark}, {{w - 2, h / 2}, Shadow}, {{w / 2, h - 2}, Shadow}, {{1, h / 2}, Face}};
    if (edges == Sunken)
        expects = {{{0, h / 2}, dark},    {{w / 2, 0}, dark},    {{w - 1, h / 2}, Light},
                   {{w / 2, h - 1}, Light}, {{1, h / 2}, Shadow}, {{w / 2, 1}, Shadow},  {{w - 2, h / 2}, Face}};
    for (const Expect& e : expects)
        EXPECT_EQ(px(image, e.at.X, e.at.Y), e.colour) << what << " at " << e.at.X << "," << e.at.Y;
}

TEST(LbButtonPainter, ClassicEdgesShowRaisedSunkenOrNotAtAll) {
    struct Case {
        const char* what;
        TLbButtonStyle style;
        bool flat, enabled, hot, down;
        Edges edges;
    } cases[] = {
        {"normal", bsNormal, false, true, false, false, Raised},
        {"normal pressed", bsNormal, false, true, false, true, Sunken},
        {"normal disabled pressed", bsNormal, false, false, false, true, Raised},
        {"normal flat idle", bsNormal, true, true, false, false, None},
        {"normal flat hot", bsNormal, true, true, true, false, Raised},
        {"normal flat disabled hot", bsNormal, true, false, true, false, None},
        {"encarta flat idle", bsEncarta, true, true, false, false, None},
        {"encarta flat pressed", bsEncarta, true, true, false, true, Sunken},
        {"old", bsOld, false, true, false, false, Raised},
        {"old pressed", bsOld, false, true, false, true, Sunken},
        {"old flat idle", bsOld, true, true, false, false, None},
    };
    for (const Case& k : cases) {
        TLbButtonFace f = face(30, 20, k.style);
        f.Flat = k.flat;
        f.Enabled = k.enabled;
        f.Hot = k.hot;
        f.Down = k.down;
        auto image = paint(f);
        if (k.style == bsOld) expectOldEdges(*image, k.edges, k.what);
        else expectClassicEdges(*image, k.edges, k.what);
    }
}

TEST(LbButtonPainter, ModernFaceIsTwoGradientsInARoundedFrameOverTheTransparentColour) {
    for (bool down : {false, true}) {
        TLbButtonFace f = face(40, 24, bsModern);
        f.Down = down;
        auto image = paint(f);
        EXPECT_EQ(px(*image, 0, 0), LbTransparentColor);
        EXPECT_EQ(px(*image, 0, 12), Shadow);
        EXPECT_EQ(px(*image, 1, 12), down ? Shadow : Face);  // the inner frame

        // Light to face down to a quarter of the height (one more while pressed), then back.
        TBitmap expected(40, 24);
        const int middle = 24 / 4 + (down ? 1 : 0);
        FillGradient(expected.Canvas(), Light, Face, 2, 2, 38, middle);
        FillGradient(expected.Canvas(), Face, Light, 2, middle, 38, 23);
        for (int y = 2; y < 22; ++y) EXPECT_EQ(px(*image, 20, y), px(expected, 20, y)) << down << " row " << y;
    }
}

TEST(LbButtonPainter, QuickenFaceIsARoundedFillWithShortLinesTopAndBottom) {
    auto image = paint(face(40, 24, bsQuicken));
    EXPECT_EQ(px(*image, 20, 12), Face);
    EXPECT_EQ(px(*image, 20, 0), Shadow);
    EXPECT_EQ(px(*image, 20, 23), Shadow);
    EXPECT_EQ(px(*image, 3, 0), LbTransparentColor);
    EXPECT_EQ(px(*image, 35, 0), LbTransparentColor);
}

TEST(LbButtonPainter, GlyphCellFollowsEnabledHotAndPressed) {
    const TColor c0 = RGB(10, 0, 0), c1 = RGB(20, 0, 0), c2 = RGB(30, 0, 0), c3 = RGB(40, 0, 0);
    auto four = strip({c0, c1, c2, c3});
    auto three = strip({c0, c1, c2});
    auto one = strip({c0});
    struct Case {
        TBitmap* glyph;
        int numGlyphs;
        bool enabled, hot, down;
        TColor expected;
    } cases[] = {
        {four.get(), 4, true, false, false, c0}, {four.get(), 4, false, true, true, c1},
        {four.get(), 4, true, true, false, c3},  {four.get(), 4, true, true, true, c2},
        {three.get(), 3, true, true, false, c0}, {three.get(), 3, true, false, true, c2},
        {one.get(), 1, false, false, false, c0},  // the disabled cell lies beyond the strip
    };
    for (const Case& k : cases) {
        TLbButtonFace f = face(40, 20);
        f.Glyph = k.glyph;
        f.NumGlyphs = k.numGlyphs;
        f.Enabled = k.enabled;
        f.Hot = k.hot;
        f.Down = k.down;
        auto image = paint(f);
        // Centred without caption: ((40 - 6) div 2, (20 - 6) div 2), one pixel on while pressed.
        const int off = k.enabled && k.down ? 1 : 0;
        EXPECT_EQ(inkOf(*image, k.expected).box, Rect(17 + off, 7 + off, 23 + off, 13 + off)) << k.numGlyphs;
        EXPECT_EQ(px(*image, 17 + off, 12 + off), Face) << "the key colour is left out";
    }
}

TEST(LbButtonPainter, NoCellsMeansNoGlyphAndNoRoomForIt) {
    auto glyph = strip({RGB(10, 0, 0)});
    TLbButtonFace f = face(100, 40);
    f.Glyph = glyph.get();
    f.NumGlyphs = 0;
    f.Layout = blGlyphTop;
    f.Caption = "Ab";
    TBitmap scratch(1, 1);
    const TLbButtonFaceLayout layout = LayoutLbButtonFace(scratch.Canvas(), f);
    EXPECT_EQ(layout.CellWidth, 0);
    EXPECT_EQ(layout.CaptionRect.Top, (40 - layout.TextHeight) / 2);
    EXPECT_EQ(inkOf(*paint(f), RGB(10, 0, 0)).count, 0);
}

TEST(LbButtonPainter, PlacementOfGlyphAndEmptyCaptionByLayoutAlignmentAndPress) {
    auto glyph = strip({RGB(10, 0, 0)}, 16);
    struct Case {
        TLbButtonLayout layout;
        TAlignment alignment;
        bool wordWrap;
        bool down;
        TLbButtonStyle style;
        TPoint glyph;
        TRect caption;
    } cases[] = {
        {blGlyphLeft, taCenter, false, false, bsNormal, {42, 12}, {24, 20, 96, 20}},
        {blGlyphLeft, taLeftJustify, false, false, bsNormal, {4, 12}, {24, 20, 96, 20}},
        {blGlyphLeft, taRightJustify, false, false, bsNormal, {80, 12}, {24, 20, 96, 20}},
        {blGlyphLeft, taRightJustify, true, false, bsNormal, {4, 12}, {24, 20, 96, 20}},
        {blGlyphRight, taCenter, false, false, bsNormal, {42, 12}, {4, 20, 76, 20}},
        {blGlyphRight, taLeftJustify, false, false, bsNormal, {4, 12}, {4, 20, 76, 20}},
        {blGlyphRight, taRightJustify, false, false, bsNormal, {80, 12}, {4, 20, 76, 20}},
        {blGlyphTop, taCenter, false, false, bsNormal, {42, 10}, {4, 26, 96, 26}},
        {blGlyphTop, taRightJustify, false, false, bsNormal, {80, 10}, {4, 26, 96, 26}},
        {blGlyphBottom, taLeftJustify, false, false, bsNormal, {4, 10}, {4, 10, 96, 10}},
        {blGlyphLeft, taCenter, false, true, bsNormal, {43, 13}, {25, 21, 97, 21}},
        {blGlyphTop, taCenter, false, true, bsNormal, {43, 11}, {5, 27, 97, 27}},
        {blGlyphLeft, taCenter, false, true, bsEncarta, {42, 12}, {24, 20, 96, 20}},
        {blGlyphRight, taLeftJustify, false, true, bsShape, {42, 12}, {1, 21, 100, 40}},
    };
    TBitmap scratch(1, 1);
    for (const Case& k : cases) {
        TLbButtonFace f = face(100, 40, k.style);
        f.Glyph = glyph.get();
        f.NumGlyphs = 1;
        f.Layout = k.layout;
        f.Alignment = k.alignment;
        f.WordWrap = k.wordWrap;
        f.Down = k.down;
        const TLbButtonFaceLayout layout = LayoutLbButtonFace(scratch.Canvas(), f);
        EXPECT_EQ(layout.GlyphPos, k.glyph) << k.layout << " " << k.alignment << " " << k.down;
        EXPECT_EQ(layout.CaptionRect, k.caption) << k.layout << " " << k.alignment << " " << k.down;
    }
}

TEST(LbButtonPainter, CaptionWidthAndHeightPlaceTheGlyph) {
    auto glyph = strip({RGB(10, 0, 0)}, 16);
    TBitmap scratch(1, 1);
    TLbButtonFace f = face(100, 60);
    f.Glyph = glyph.get();
    f.NumGlyphs = 1;
    f.Caption = "Ab";
    const TLbButtonFaceLayout centred = LayoutLbButtonFace(scratch.Canvas(), f);
    EXPECT_EQ(centred.TextWidth, scratch.Canvas().TextWidth("Ab") + 4);
    EXPECT_EQ(centred.TextHeight, scratch.Canvas().TextHeight("Ab"));
    EXPECT_EQ(centred.GlyphPos.X, 42 - centred.TextWidth / 2);

    f.Layout = blGlyphRight;
    f.Alignment = taLeftJustify;
    EXPECT_EQ(LayoutLbButtonFace(scratch.Canvas(), f).GlyphPos.X, 4 + centred.TextWidth);

    f.Layout = blGlyphBottom;
    const TLbButtonFaceLayout bottom = LayoutLbButtonFace(scratch.Canvas(), f);
    EXPECT_EQ(bottom.CaptionRect.Top, (60 - (bottom.TextHeight + 20)) / 2);
    EXPECT_EQ(bottom.GlyphPos.Y, bottom.CaptionRect.Top + bottom.TextHeight);
}

TEST(LbButtonPainter, CaptionIsCutAtItsEndUntilItFitsUnlessItWraps) {
    TBitmap scratch(1, 1);
    TCanvas& c = scratch.Canvas();
    TLbButtonFace f = face(40, 20);
    f.Caption = "WWWWWWWWWW";
    const QString cut = LayoutLbButtonFace(c, f).Caption;
    ASSERT_FALSE(cut.isEmpty());
    ASSERT_LT(cut.size(), f.Caption.size());
    EXPECT_TRUE(f.Caption.startsWith(cut));
    EXPECT_LE(c.TextWidth(cut), 32);
    EXPECT_GT(c.TextWidth(cut + "W"), 32);

    f.WordWrap = true;
    EXPECT_EQ(LayoutLbButtonFace(c, f).Caption, f.Caption);

    f.WordWrap = false;
    f.Width = 8;  // no room at all
    EXPECT_EQ(LayoutLbButtonFace(c, f).Caption, "");
    EXPECT_EQ(LayoutLbButtonFace(c, f).TextWidth, 0);
}

TEST(LbButtonPainter, CaptionIsDrawnInItsRectangleShiftedWhenPressedAndBoldForEncarta) {
    TLbButtonFace f = face(80, 30);
    f.Caption = "HH";
    // The windows' font: at this size the stand-in for Tahoma draws a bold H like a plain one.
    f.Font.SetName("Verdana");
    f.Alignment = taLeftJustify;
    auto up = paint(f);
    TBitmap scratch(1, 1);
    const TLbButtonFaceLayout layout = LayoutLbButtonFace(scratch.Canvas(), f);
    const Ink ink = inkOf(*up, clBlack);
    ASSERT_GT(ink.count, 0);
    EXPECT_GE(ink.box.Left, layout.CaptionRect.Left);
    EXPECT_LE(ink.box.Left, layout.CaptionRect.Left + 2);
    EXPECT_GE(ink.box.Top, layout.CaptionRect.Top);
    EXPECT_LE(ink.box.Bottom, layout.CaptionRect.Bottom);

    f.Down = true;
    const Ink pressed = inkOf(*paint(f), clBlack);
    EXPECT_EQ(pressed.box, Rect(ink.box.Left + 1, ink.box.Top + 1, ink.box.Right + 1, ink.box.Bottom + 1));

    f.Style = bsEncarta;
    const Ink bold = inkOf(*paint(f), clBlack);
    EXPECT_EQ(bold.box.Left, ink.box.Left);
    EXPECT_GT(bold.count, ink.count);

    f.Style = bsNormal;
    f.Enabled = false;
    auto disabled = paint(f);
    EXPECT_EQ(inkOf(*disabled, clBlack).count, 0);
    EXPECT_EQ(inkOf(*disabled, RGB(128, 128, 128)).box, ink.box);
}

TEST(LbButtonPainter, ShapeStyleLeavesAllButGlyphAndCaptionTransparent) {
    auto glyph = strip({RGB(10, 0, 0)});
    TLbButtonFace f = face(40, 20, bsShape);
    f.Glyph = glyph.get();
    f.NumGlyphs = 1;
    f.Down = true;
    auto image = paint(f);
    EXPECT_EQ(px(*image, 0, 0), LbTransparentColor);
    EXPECT_EQ(px(*image, 39, 19), LbTransparentColor);
    EXPECT_EQ(inkOf(*image, RGB(10, 0, 0)).box, Rect(17, 7, 23, 13));  // no press offset
}

TEST(LbButtonPainter, DropDownArrowSitsAtTheRightOfTheMiddle) {
    TLbButtonFace f = face(60, 24);
    f.HasPopupMenu = true;
    auto image = paint(f);
    // A 5 x 3 arrow pointing down at (49, 11); its corners below the top row stay face.
    EXPECT_EQ(inkOf(*image, clBlack).box, Rect(49, 11, 54, 14));
    EXPECT_EQ(px(*image, 49, 13), Face);
    EXPECT_EQ(px(*image, 51, 13), clBlack);
}

}  // namespace
