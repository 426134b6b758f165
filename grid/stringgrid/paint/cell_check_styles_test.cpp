#include "grid/stringgrid/paint/cell_painting_fixture.h"
#include "grid/stringgrid/paint/control_look.h"

#include <QImage>

namespace {

class CheckStyles : public CellPaintingFixture {
protected:
    // The pixels of cell (2, 2) less its grid lines.
    QImage cellImage(const QImage& image) const {
        const TRect r = cell(2, 2);
        return image.copy(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
    }
    // Nothing drawn in the normal cells around (2, 2).
    bool paperOutsideCell(const QImage& image) const {
        for (int rr = 1; rr < 4; ++rr)
            for (int cc = 1; cc < 4; ++cc)
                if (cc != 2 || rr != 2) {
                    const TRect r = cell(cc, rr), inner{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
                    if (inkIn(image, inner).Right > inner.Left) return false;
                }
        return true;
    }
};

// Each drawn style tells checked from unchecked, and enabled from disabled, in its own cell.
TEST_F(CheckStyles, BitmapAndDrawnStylesShowTheStateInsideTheCell) {
    for (TControlStyle style : {csWinXP, csDUD, csBorland}) {
        SCOPED_TRACE(int(style));
        grid->ControlLook().ControlStyle = style;
        grid->ControlLook().CheckAlwaysActive = true;
        grid->AddCheckBox(2, 2, true, false);
        const QImage checked = paint();
        EXPECT_TRUE(paperOutsideCell(checked));
        grid->SetCheckBoxState(2, 2, false);
        const QImage unchecked = paint();
        EXPECT_NE(cellImage(checked), cellImage(unchecked));
        EXPECT_LT(inkIn(unchecked, cell(2, 2)).Left, cell(2, 2).Left + 20) << "something is drawn";
        grid->SetCheckBoxState(2, 2, true);
        grid->ControlLook().CheckAlwaysActive = false;  // the grid is not editable: disabled look
        EXPECT_NE(cellImage(paint()), cellImage(checked));
        grid->RemoveCheckBox(2, 2);
    }
}

// A grayed box in the classic style used to look checked.
TEST_F(CheckStyles, AGrayedClassicBoxShowsAGreyTickInAGreyWell) {
    grid->ControlLook().ControlStyle = csClassic;
    grid->ControlLook().CheckAlwaysActive = true;
    grid->AddCheckBox(2, 2, cbGrayed);
    const QImage grayed = paint();
    const TRect r = cell(2, 2);
    EXPECT_GT(countColor(grayed, r, ColorToRGB(clBtnFace)), 20) << "the well";
    EXPECT_EQ(countColor(grayed, r, ColorToRGB(clWindowText)), 0);
    grid->SetCheckBoxState(2, 2, cbChecked);
    EXPECT_GT(countColor(paint(), r, ColorToRGB(clWindowText)), 10) << "checked has the black tick";
}

// An unchecked radio button in an empty cell used to match the empty cell text and show checked.
TEST_F(CheckStyles, RadioButtonsDifferByStateInEveryStyle) {
    for (TControlStyle style : {csClassic, csWinXP, csDUD, csBorland}) {
        SCOPED_TRACE(int(style));
        grid->ControlLook().ControlStyle = style;
        grid->ControlLook().RadioAlwaysActive = true;
        grid->AddRadioButton(2, 2, true);
        const QImage on = paint();
        grid->RemoveRadioButton(2, 2);
        grid->AddRadioButton(2, 2, false);
        const QImage off = paint();
        grid->RemoveRadioButton(2, 2);
        EXPECT_NE(cellImage(on), cellImage(off));
        EXPECT_TRUE(paperOutsideCell(on));
    }
}

TEST_F(CheckStyles, XPAndLeafNodesDrawTheirPictures) {
    grid->SetFixedCols(0);
    for (TNodeType type : {cnXP, cnLeaf}) {
        SCOPED_TRACE(int(type));
        grid->CellNode().SetNodeType(type);
        grid->AddNode(1, 2);
        const QImage expanded = paint();
        grid->ContractNode(1);
        const QImage contracted = paint();
        const TRect r = cell(0, 1);
        EXPECT_LT(inkIn(expanded, r).Left, r.Left + 20);
        EXPECT_NE(expanded.copy(r.Left, r.Top, 30, r.Height()), contracted.copy(r.Left, r.Top, 30, r.Height()));
        grid->RemoveNode(1);
    }
}

}  // namespace
