#include "grid/foundation/scripted_theme_service.h"
#include "grid/stringgrid/paint/cell_painting_fixture.h"
#include "grid/stringgrid/paint/control_look.h"

#include <QRegularExpression>

namespace {

// The box of the dark (text) pixels inside r; empty when there are none.
TRect inkBox(const QImage& image, const TRect& r) {
    TRect box{r.Right, r.Bottom, r.Left - 1, r.Top - 1};
    for (int y = std::max(0, r.Top); y < std::min(image.height(), r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(image.width(), r.Right); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) < 0x80 && qGreen(c) < 0x80 && qBlue(c) < 0x80) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
        }
    return box.Right > box.Left ? box : TRect{};
}

bool empty(const TRect& r) { return r.Right <= r.Left; }

class CellPainting : public CellPaintingFixture {
protected:
    // Cells out of view have rectangles that may reach into the fixed cells and their edges.
    TRect normalPart(TRect R) const {
        const TRect first = cell(1, 1);
        return {std::max(R.Left, first.Left), std::max(R.Top, first.Top), R.Right, R.Bottom};
    }
    // Dark pixels in the normal cells around (c, r).
    bool inkAround(const QImage& image, int c, int r) {
        for (int rr = 1; rr < 5; ++rr)
            for (int cc = 1; cc < 5; ++cc)
                if ((cc != c || rr != r) && !empty(inkBox(image, normalPart(cell(cc, rr))))) return true;
        return false;
    }
};

TEST_F(CellPainting, PlainTextStartsAtTheMarginsAndStaysInItsCell) {
    grid->SetCells(2, 2, QStringLiteral("Hello"));
    const QImage image = paint();
    const TRect r = cell(2, 2), ink = inkBox(image, r);
    ASSERT_FALSE(empty(ink));
    EXPECT_GE(ink.Left, r.Left + 2);
    EXPECT_LT(ink.Left, r.Left + 8);
    EXPECT_LT(ink.Top, r.Top + 10) << "top aligned";
    EXPECT_EQ(colorAt(image, r.Right - 4, r.Bottom - 4), Paper);
    EXPECT_FALSE(inkAround(image, 2, 2));
}

TEST_F(CellPainting, AlignmentPlacesTheText) {
    grid->SetCells(2, 2, QStringLiteral("Hi"));
    grid->SetAlignments(2, 2, taRightJustify);
    // Vertical placement applies to single lines only, as the text output lays it out.
    grid->SetWordWraps(2, 2, false);
    grid->OnGetAlignment = [](TObject*, int, int, TAlignment&, TVAlignment& v) { v = vtaBottom; };
    const QImage image = paint();
    const TRect r = cell(2, 2), ink = inkBox(image, r);
    ASSERT_FALSE(empty(ink));
    EXPECT_GT(ink.Left, r.Left + r.Width() / 2);
    EXPECT_LE(ink.Right, r.Right - 2);
    EXPECT_GT(ink.Top, r.Top + 8) << "bottom aligned";
}

TEST_F(CellPainting, WordWrapBreaksALongTextIntoLinesInsideTheCell) {
    grid->SetRowHeights(2, 70);
    grid->SetCells(2, 2, QStringLiteral("one two three four"));
    grid->SetWordWraps(2, 2, true);
    QImage image = paint();
    const TRect r = cell(2, 2);
    const TRect wrapped = inkBox(image, r);
    ASSERT_FALSE(empty(wrapped));
    grid->SetWordWraps(2, 2, false);
    const TRect single = inkBox(paint(), r);
    EXPECT_GT(wrapped.Bottom - wrapped.Top, 2 * (single.Bottom - single.Top) - 2);
    EXPECT_FALSE(inkAround(image, 2, 2));
}

TEST_F(CellPainting, EllipsisEndsACutTextWithDots) {
    grid->SetCells(2, 2, QStringLiteral("WWWWWWWWWWWWWWWW"));
    grid->SetWordWraps(2, 2, false);
    const TRect r = cell(2, 2);
    // Height of the ink in the last 6 pixels before the right margin.
    auto tailHeight = [&](const QImage& image) {
        const TRect tail = inkBox(image, {r.Right - 10, r.Top, r.Right - 2, r.Bottom});
        return tail.Bottom - tail.Top;
    };
    const int cut = tailHeight(paint());
    grid->EnhTextSize = true;
    const QImage image = paint();
    EXPECT_GT(cut, 5) << "a cut glyph";
    EXPECT_LE(tailHeight(image), 3) << "dots";
    EXPECT_FALSE(inkAround(image, 2, 2));
}

TEST_F(CellPainting, CellGradientRunsFromItsColourToItsEndColour) {
    grid->SetColors(2, 2, 0x0000FF);
    grid->SetColorsTo(2, 2, 0xFF0000);
    const QImage image = paint();
    const TRect r = cell(2, 2);
    const TColor top = colorAt(image, r.Left + 10, r.Top + 2), bottom = colorAt(image, r.Left + 10, r.Bottom - 3);
    EXPECT_GT(top & 0xFF, 0xC0);
    EXPECT_LT((top >> 16) & 0xFF, 0x40);
    EXPECT_GT((bottom >> 16) & 0xFF, 0xC0);
    EXPECT_LT(bottom & 0xFF, 0x40);
}

TEST_F(CellPainting, MarkupIsDrawnByTheRendererWithItsColours) {
    grid->SetCells(2, 2, QStringLiteral("<B>ab</B> <FONT COLOR=\"#FF0000\">cd</FONT>"));
    const QImage image = paint();
    const TRect r = cell(2, 2);
    int red = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const TColor c = colorAt(image, x, y);
            if ((c & 0xFF) > 0xC0 && ((c >> 8) & 0xFF) < 0x40 && ((c >> 16) & 0xFF) < 0x40) ++red;
        }
    EXPECT_GT(red, 5);
    EXPECT_FALSE(empty(inkBox(image, r)));
    EXPECT_FALSE(inkAround(image, 2, 2));
    grid->EnableHTML = false;
    const QImage raw = paint();
    EXPECT_GT(inkBox(raw, r).Right - inkBox(raw, r).Left, inkBox(image, r).Right - inkBox(image, r).Left)
        << "without markup the tags show as text";
}

TEST_F(CellPainting, FixedCellsShowTheLookGradient) {
    grid->SetDUDGradientFrom(0x00C000);
    grid->SetDUDGradientTo(0x00C000);
    grid->Look = glXP;
    grid->SetCells(2, 0, QStringLiteral("Head"));
    const QImage image = paint();
    const TRect r = cell(2, 0);
    EXPECT_EQ(colorAt(image, r.Right - 6, r.Top + r.Height() / 2), 0x00C000);
    EXPECT_FALSE(empty(inkBox(image, r)));
    grid->Look = glClassic;
    EXPECT_EQ(colorAt(paint(), r.Right - 6, r.Top + r.Height() / 2), ColorToRGB(grid->FixedColor()));
}

TEST_F(CellPainting, AFixedGradientWithoutEndOrMirrorIsOneColour) {
    grid->Look = glXP;
    grid->SetDUDGradientFrom(0x00C000);
    grid->SetDUDGradientTo(clNone);
    grid->SetDUDGradientMirrorFrom(clNone);
    grid->SetDUDGradientMirrorTo(clNone);
    const QImage image = paint();
    const TRect r = cell(2, 0);
    EXPECT_EQ(colorAt(image, r.Left + 6, r.Bottom - 5), 0x00C000) << "no black end colour";
}

TEST_F(CellPainting, SelectedCellsShowTheSelectionColours) {
    grid->SetSelectionTextColor(0xFFFFFF);
    grid->SetCells(2, 2, QStringLiteral("Sel"));
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    const QImage image = paint();
    const TRect r = cell(2, 2);
    EXPECT_EQ(colorAt(image, r.Right - 4, r.Bottom - 4), 0xC08040);
    EXPECT_TRUE(empty(inkBox(image, r))) << "white text on the selection";
    EXPECT_EQ(colorAt(image, cell(3, 3).Left + 4, cell(3, 3).Top + 4), Paper);
}

TEST_F(CellPainting, TheTextOfADisabledRowIsGreyed) {
    grid->SetCells(2, 1, QStringLiteral("WWW"));
    grid->SetCells(2, 2, QStringLiteral("WWW"));
    grid->SetRowEnabled(2, false);
    const QImage image = paint();
    EXPECT_FALSE(empty(inkBox(image, cell(2, 1))));
    EXPECT_TRUE(empty(inkBox(image, cell(2, 2))));
    EXPECT_GT(countColor(image, cell(2, 2), grid->DisabledFontColor), 5);
    grid->UseDisabledFont = false;
    EXPECT_FALSE(empty(inkBox(paint(), cell(2, 2))));
}

TEST_F(CellPainting, TheFocusRectangleFramesTheCurrentCellOfAFocusedGrid) {
    grid->SetSelection(TGridRect{2, 2, 2, 2});
    grid->SetSelectionColor(Paper);
    form->Show();
    grid->SetFocus();
    ASSERT_TRUE(grid->Focused());
    const TRect r = cell(2, 2);
    auto frameChanged = [&](const QImage& image) {
        int changed = 0;
        for (int x = r.Left + 4; x < r.Right - 4; ++x) changed += colorAt(image, x, r.Top) != Paper;
        return changed;
    };
    EXPECT_GT(frameChanged(paint()), 10);
    grid->HideFocusRect = true;
    EXPECT_EQ(frameChanged(paint()), 0);
}

}  // namespace

namespace {

TEST_F(CellPainting, ACommentMarkSitsInTheTopRightCornerUnlessItsColourIsNone) {
    grid->CreateCellGraphic(2, 2)->CellType = ctComment;
    grid->CellGraphics(2, 2)->CellAngle = clNone;
    const TRect r = cell(2, 2);
    QImage image = paint();
    EXPECT_EQ(colorAt(image, r.Right - 4, r.Top + 1), ColorToRGB(clRed));
    EXPECT_EQ(colorAt(image, r.Right - 12, r.Top + 1), Paper);
    grid->ControlLook().SetCommentColor(clNone);
    EXPECT_EQ(colorAt(paint(), r.Right - 4, r.Top + 1), Paper);
}

TEST_F(CellPainting, WithProgressXPAThemedStyleDrawsThePlatformsProgressBar) {
    TBoundThemeService theme;
    grid->SetCells(2, 2, QStringLiteral("50"));
    TCellGraphic& bar = *grid->CreateCellGraphic(2, 2);
    bar.CellType = ctProgress;
    bar.CellErrLen = 100;
    grid->ControlLook().ControlStyle = csTheme;
    paint();
    EXPECT_FALSE(theme.calls.contains("open Progress")) << "not without ProgressXP";
    grid->ControlLook().SetProgressXP(true);
    theme.calls.clear();
    paint();
    ASSERT_TRUE(theme.calls.contains("open Progress")) << theme.calls.join(" / ").toStdString();
    // The frame's rectangle and the chunk's: the chunk is the inside's left half.
    std::vector<TRect> parts;
    for (const int part : {1, 3}) {
        const QRegularExpression draw(QStringLiteral("^draw %1 \\d+ \\((-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+)\\)$").arg(part));
        for (const QString& call : theme.calls)
            if (const QRegularExpressionMatch m = draw.match(call); m.hasMatch())
                parts.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt()});
    }
    ASSERT_EQ(parts.size(), 2u);
    const TRect frame = parts[0], chunk = parts[1], c = cell(2, 2);
    EXPECT_GE(frame.Left, c.Left);
    EXPECT_LE(frame.Right, c.Right);
    EXPECT_EQ(chunk.Left, frame.Left + 2);
    EXPECT_EQ(chunk.Top, frame.Top + 2);
    EXPECT_NEAR(chunk.Width(), (frame.Width() - 4) / 2.0, 1);
}

TEST_F(CellPainting, AnAppearanceProgressBarReplacesTheTextAndShowsItsShare) {
    grid->SetCells(2, 2, QStringLiteral("50"));
    TCellGraphic& bar = *grid->CreateCellGraphic(2, 2);
    bar.CellType = ctXPProgress;
    bar.CellErrFrom = 0;
    bar.CellErrLen = 100;
    TGridProgressAppearance& a = grid->ProgressAppearance();
    a.SetShowPercentage(false);
    a.SetShowGradient(false);
    a.SetLevel0Color(0x00C000);
    a.SetLevel0ColorTo(0x00C000);
    a.SetUnCompleteColor(0xC0C0C0);
    const QImage image = paint();
    const TRect r = cell(2, 2);
    const int y = r.Top + r.Height() / 2;
    EXPECT_EQ(colorAt(image, r.Left + r.Width() / 4, y), 0x00C000);
    EXPECT_EQ(colorAt(image, r.Left + 3 * r.Width() / 4, y), 0xC0C0C0);
    EXPECT_TRUE(empty(inkBox(image, r))) << "no cell text beside the bar";
}

}  // namespace

namespace {

int darkPixels(const QImage& image, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const QRgb c = image.pixel(x, y);
            n += qRed(c) < 0x80 && qGreen(c) < 0x80 && qBlue(c) < 0x80;
        }
    return n;
}

TEST_F(CellPainting, ADataCheckBoxIsCheckedByItsTextAndShowsNoText) {
    grid->ControlLook().ControlStyle = csClassic;
    TCellGraphic& box = *grid->CreateCellGraphic(2, 2);
    box.CellType = ctDataCheckBox;
    const TRect r = cell(2, 2);
    grid->SetCells(2, 2, QStringLiteral("N"));
    const QImage unchecked = paint();
    grid->SetCells(2, 2, QStringLiteral("Y"));
    const QImage checked = paint();
    EXPECT_GT(darkPixels(checked, r), darkPixels(unchecked, r) + 5) << "a tick";
    const TRect ink = inkBox(unchecked, r);
    ASSERT_FALSE(empty(ink)) << "the box's frame";
    EXPECT_LE(ink.Right - ink.Left, grid->ControlLook().CheckSize);
    EXPECT_LT(ink.Left, r.Left + 6) << "left-aligned like the text";
}

}  // namespace
