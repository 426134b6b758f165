#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/grid_button.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {

// Cell (1, 1) of the button kind; OnButtonClick and OnEllipsClick join the log, the latter
// answering the caption in brackets.
class ButtonEditor : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        editorOf[{1, 1}] = edButton;
        grid->OnButtonClick = [this](TObject*, int ACol, int ARow) { note("ButtonClick", ACol, ARow); };
        grid->OnEllipsClick = [this](TObject*, int ACol, int ARow, QString& S) {
            note("EllipsClick", ACol, ARow);
            S = "[" + S + "]";
        };
    }
    TGridButton& open() {
        grid->SetCol(1);
        grid->SetRow(1);
        log.clear();
        keyPress(*grid, VK_F2);
        processPosted();
        return *grid->Btn();
    }
};

TEST_F(ButtonEditor, ItCoversTheCellWithItsGridLinesAndShowsItsText) {
    for (const bool byMouse : {false, true}) {
        TGridButton& button = *grid->Btn();
        if (byMouse) clickCell(1, 1);
        else open();
        processPosted();
        EXPECT_EQ(grid->EditCtrl(), &button) << byMouse;
        EXPECT_TRUE(button.Visible()) << byMouse;
        EXPECT_TRUE(button.Focused()) << byMouse;
        EXPECT_EQ(button.Caption(), "1:1");
        const TRect cell = grid->CellRect(1, 1);
        EXPECT_EQ(button.BoundsRect(), (TRect{cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom}));
        // Nothing is written when the edit ends.
        keyPress(button, VK_ESCAPE);
        processPosted();
        EXPECT_EQ(grid->Cells(1, 1), "1:1");
        TearDown();
        SetUp();
    }
}

TEST_F(ButtonEditor, ReleasingItBySpaceOrMousePassesTheCaptionThroughOnEllipsClickIntoTheCell) {
    struct Case {
        bool byMouse;
    };
    for (const Case c : {Case{false}, Case{true}}) {
        TGridButton& button = open();
        if (c.byMouse) {
            click(button, 5, 5);
        } else {
            keyDown(button, VK_SPACE);
            keyUp(button, VK_SPACE);
        }
        EXPECT_EQ(log.filter("Click"), (QStringList{"ButtonClick 1,1", "EllipsClick 1,1"})) << c.byMouse;
        EXPECT_EQ(button.Caption(), "[1:1]");
        EXPECT_EQ(grid->Cells(1, 1), "[1:1]");
        EXPECT_TRUE(button.Visible());
        // Other keys released do nothing.
        log.clear();
        keyUp(button, VK_RETURN);
        EXPECT_TRUE(log.isEmpty());
        keyPress(button, VK_ESCAPE);
        TearDown();
        SetUp();
    }
}

TEST_F(ButtonEditor, ArrowsCloseItAndMoveTheCurrentCellWhileEscapeRestoresTheCell) {
    TGridButton& button = open();
    keyPress(button, VK_DOWN);
    processPosted();
    EXPECT_FALSE(button.Visible());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->Row(), 2);

    open();
    keyUp(button, VK_SPACE);  // no press: no click
    keyDown(button, VK_SPACE);
    keyUp(button, VK_SPACE);
    EXPECT_EQ(grid->Cells(1, 1), "[1:1]");
    keyPress(button, VK_ESCAPE);
    processPosted();
    EXPECT_FALSE(button.Visible());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
}

}  // namespace
