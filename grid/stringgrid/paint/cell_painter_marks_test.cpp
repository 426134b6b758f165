#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/cell_painting_fixture.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/canvas.h"

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

}  // namespace
