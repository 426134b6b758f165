#include "grid/foundation/grid_lists.h"
#include "grid/foundation/grid_options.h"
#include "grid/foundation/scripted_theme_service.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/cell_painting_fixture.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <vector>

namespace {

constexpr TColor Mark = 0x00FF00, Frame = 0x0000FF;

class CellMarks : public CellPaintingFixture {};

TEST_F(CellMarks, ModifiedRowsCarryAStripAtTheRightOfTheFirstColumn) {
    grid->ShowModified().Enabled = true;
    grid->ShowModified().SetColor(Mark);
    grid->SetRowModified(2, true);
    const QImage image = paint();
    const TRect r = cell(0, 2);
    EXPECT_EQ(colorAt(image, r.Right - 4, r.Top + 5), Mark);  // the edges of the look cover the last pixels
    EXPECT_NE(colorAt(image, r.Right - 8, r.Top + 5), Mark);
    EXPECT_NE(colorAt(image, cell(0, 3).Right - 4, cell(0, 3).Top + 5), Mark) << "unmodified row";
    EXPECT_NE(colorAt(image, cell(1, 2).Right - 2, r.Top + 5), Mark) << "other column";
}

TEST_F(CellMarks, TheRowIndicatorSitsInTheFixedColumnOfTheCurrentRowOnly) {
    TBitmap indicator(8, 8);
    indicator.Canvas().Brush.Color = Mark;
    indicator.Canvas().FillRect({0, 0, 8, 8});
    indicator.Canvas().SetPixel(0, 7, clWhite);  // the key colour: left out
    grid->SetRowIndicator(indicator);
    grid->SetRow(2);
    const QImage image = paint();
    const TRect r = cell(0, 2);
    EXPECT_EQ(colorAt(image, r.Left + 4, r.Top + 3), Mark);
    EXPECT_NE(colorAt(image, r.Left + 2, r.Top + 7), Mark) << "transparent pixel";
    EXPECT_NE(colorAt(image, cell(0, 3).Left + 4, cell(0, 3).Top + 3), Mark);
}

TEST_F(CellMarks, ComboCellsShowTheirButtonWhileNotEditing) {
    grid->ControlLook().SetDropDownAlwaysVisible(true);
    grid->OnHasComboBox = [](TObject*, int c, int r, bool& has) { has = c == 2 && r == 2; };
    const QImage image = paint();
    auto changedAtRightEdge = [&](int c, int r) {
        const TRect cr = cell(c, r);
        return colorAt(image, cr.Right - 8, cr.Top + cr.Height() / 2) != Paper;
    };
    EXPECT_TRUE(changedAtRightEdge(2, 2));
    EXPECT_FALSE(changedAtRightEdge(3, 2));
}

TEST_F(CellMarks, TheSelectionRectangleFramesTheSelectionAndItsResizer) {
    grid->SetSelectionColor(Paper);
    grid->SelectionRectangleColor = Frame;
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    grid->SetSelection({1, 1, 2, 2});
    const QImage image = paint();
    const TRect topLeft = cell(1, 1), bottomRight = cell(2, 2);
    EXPECT_EQ(colorAt(image, topLeft.Left + 1, topLeft.Top + 10), Frame) << "left edge";
    EXPECT_EQ(colorAt(image, topLeft.Left + 30, topLeft.Top + 1), Frame) << "top edge";
    EXPECT_EQ(colorAt(image, bottomRight.Right - 2, bottomRight.Top + 4), Frame) << "right edge";
    EXPECT_EQ(colorAt(image, bottomRight.Right - 2, bottomRight.Bottom - 2), Frame) << "resizer";
    EXPECT_NE(colorAt(image, topLeft.Right - 2, topLeft.Top + 10), Frame) << "no line inside the selection";
    EXPECT_NE(colorAt(image, cell(3, 3).Left + 1, cell(3, 3).Top + 10), Frame);
}

TEST_F(CellMarks, ATiledPictureRunsOnAcrossColumns) {
    // Two-colour stripes 8 wide: a cell's first pixel follows from the widths before it.
    TBitmap stripes(16, 4);
    stripes.Canvas().Brush.Color = Mark;
    stripes.Canvas().FillRect({0, 0, 8, 4});
    stripes.Canvas().Brush.Color = Frame;
    stripes.Canvas().FillRect({8, 0, 16, 4});
    grid->BackGround().SetBitmap(stripes);
    grid->SetColWidths(1, 84);  // shifts column 2's phase by 4
    const QImage image = paint();
    const TRect c1 = cell(1, 1), c2 = cell(2, 1);
    EXPECT_EQ(colorAt(image, c1.Left + 2, c1.Top + 12), Mark);
    EXPECT_EQ(colorAt(image, c1.Left + 10, c1.Top + 12), Frame);
    // Column 2 starts 84 pixels into the tiling: 84 mod 16 = 4, in the first stripe.
    EXPECT_EQ(colorAt(image, c2.Left + 2, c2.Top + 12), Mark);
    EXPECT_EQ(colorAt(image, c2.Left + 6, c2.Top + 12), Frame);
    EXPECT_NE(colorAt(image, cell(0, 1).Left + 2, cell(0, 1).Top + 12), Mark) << "fixed cells keep their face";
}

TEST_F(CellMarks, NoDefaultDrawWithADrawHandlerHidesOnlyTheText) {
    grid->SetCells(2, 2, QStringLiteral("Hidden"));
    std::vector<TRect> drawn;
    grid->OnDrawCell = [&](TObject*, int c, int r, TRect R, TGridDrawState) {
        if (c == 2 && r == 2) drawn.push_back(R);
    };
    grid->NoDefaultDraw = true;
    const QImage image = paint();
    const TRect r = cell(2, 2);
    EXPECT_EQ(inkIn(image, {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}).Right, r.Left + 2) << "no text";
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].Left, r.Left + 1);
    grid->NoDefaultDraw = false;
    const QImage shown = paint();
    EXPECT_GT(inkIn(shown, {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}).Right, r.Left + 2);
}

TEST_F(CellMarks, TheSortedColumnsHeaderShowsItsDirection) {
    for (int c = 1; c < 5; ++c) grid->SetCells(c, 0, QStringLiteral("Ab"));
    TSortSettings& sort = grid->SortSettings();
    sort.Show = true;
    sort.Column = 2;
    const QImage up = paint();
    const TRect header = cell(2, 0), other = cell(3, 0);
    EXPECT_GT(countColor(up, header, clGray), 3);
    EXPECT_EQ(countColor(up, other, clGray), 0);
    sort.Direction = sdDescending;
    const QImage down = paint();
    EXPECT_NE(up.copy(header.Left, header.Top, header.Width(), header.Height()),
              down.copy(header.Left, header.Top, header.Width(), header.Height()));
    // An index sort numbers its columns instead.
    sort.IndexShow = true;
    grid->SortIndexes().AddIndex(3, true);
    grid->SortIndexes().AddIndex(2, false);
    const QImage indexed = paint();
    EXPECT_GT(countColor(indexed, other, ColorToRGB(sort.IndexColor)), 3) << "first in the list";
    EXPECT_GT(countColor(indexed, header, ColorToRGB(sort.IndexColor)), 3) << "second in the list";
    EXPECT_EQ(countColor(indexed, cell(4, 0), ColorToRGB(sort.IndexColor)), 0);
}

TEST_F(CellMarks, TheSortedHeaderTakesItsColoursInGradientLooks) {
    grid->Look = glXP;
    TSortSettings& sort = grid->SortSettings();
    sort.Column = 2;
    sort.SetHeaderColor(Mark);
    sort.SetHeaderColorTo(Mark);
    const QImage image = paint();
    EXPECT_EQ(colorAt(image, cell(2, 0).Left + 10, cell(2, 0).Top + 12), Mark);
    EXPECT_NE(colorAt(image, cell(3, 0).Left + 10, cell(3, 0).Top + 12), Mark);
}

TEST_F(CellMarks, FilterRowCellsWithValuesShowTheFilterButton) {
    constexpr TColor FunnelInk = 0x3C3C3C;  // the built-in mark's colour
    for (int r = 1; r < 5; ++r) grid->SetCells(2, r, QString::number(r));
    grid->FilterDropDownColumns = fdNormal;
    grid->SetFilterDropDownAuto(true);
    const QImage image = paint();
    const TRect header = cell(2, 0);
    EXPECT_GT(countColor(image, {header.Right - 17, header.Top, header.Right, header.Top + 16}, FunnelInk), 10);
    EXPECT_EQ(countColor(image, {cell(0, 0).Right - 17, cell(0, 0).Top, cell(0, 0).Right, cell(0, 0).Top + 16},
                         FunnelInk),
              0)
        << "fixed columns offer no filter";
}

TEST_F(CellMarks, AFilterCellThatShowsNoTextStillShowsTheFilterButton) {
    constexpr TColor FunnelInk = 0x3C3C3C;
    for (int r = 1; r < 5; ++r) grid->SetCells(3, r, QString::number(r));
    grid->AddCheckBox(3, 0, true, true);
    grid->FilterDropDownColumns = fdNormal;
    grid->SetFilterDropDownAuto(true);
    const TRect header = cell(3, 0);
    EXPECT_GT(countColor(paint(), {header.Right - 17, header.Top, header.Right, header.Top + 16}, FunnelInk), 10);
}

}  // namespace

namespace {

TEST_F(CellMarks, OnlyTheChosenRowsOfADisjunctSelectionLookSelected) {
    grid->SetSelectionTextColor(Mark);
    for (int r = 1; r < 4; ++r) grid->SetCells(2, r, QStringLiteral("WWW"));
    grid->SetSelection({1, 1, 4, 3});
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    const QImage image = paint();
    EXPECT_GT(countColor(image, cell(2, 2), Mark), 5) << "chosen row";
    EXPECT_EQ(countColor(image, cell(2, 1), Mark), 0) << "inside the selection, not chosen";
    EXPECT_EQ(countColor(image, cell(2, 3), Mark), 0);
}

TEST_F(CellMarks, ThemedListViewHeadersShowTheItemUnderThePointerHot) {
    TBoundThemeService theme;
    grid->Look = glListView;
    const TRect header = cell(2, 0);
    mouseMove(*grid, header.Left + 10, header.Top + 5);
    theme.calls.clear();
    paint();
    auto drawn = [&](const QString& prefix) {
        return std::count_if(theme.calls.begin(), theme.calls.end(), [&](const QString& c) { return c.startsWith(prefix); });
    };
    EXPECT_EQ(drawn("draw 1 2 "), 1) << "the hot item";
    EXPECT_GT(drawn("draw 3 1 "), 1) << "the other header cells";
}

TEST_F(CellMarks, ListViewHeadersAreAPlainFaceWithALightEdge) {
    grid->Look = glListView;
    const QImage image = paint();
    // Row 1's fixed cell: the control's border covers the top of row 0.
    const TRect r = cell(0, 1);
    EXPECT_EQ(colorAt(image, r.Left + 10, r.Top + 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(colorAt(image, r.Left + 10, r.Top), clWhite);
}

}  // namespace

namespace {

TEST_F(CellMarks, TheHeaderUnderTheMouseTakesTheHoverColours) {
    grid->Look = glXP;
    grid->HoverFixedCells = hfAll;
    grid->DUDGradientHoverFrom = grid->DUDGradientHoverTo = Mark;
    const TRect header = cell(2, 0);
    mouseMove(*grid, header.Left + 20, header.Top + 10);
    const QImage image = paint();
    EXPECT_EQ(colorAt(image, header.Left + 30, header.Top + 6), Mark);
    EXPECT_NE(colorAt(image, cell(3, 0).Left + 30, header.Top + 6), Mark);
    mouseMove(*grid, cell(3, 2).Left + 5, cell(3, 2).Top + 5);
    EXPECT_NE(colorAt(paint(), header.Left + 30, header.Top + 6), Mark) << "the mouse went on";
}

}  // namespace
