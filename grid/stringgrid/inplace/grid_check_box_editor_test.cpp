#include "grid/stringgrid/inplace/grid_check_box_editor.h"

#include "grid/stringgrid/inplace/control_editors_fixture.h"

namespace {

class CheckBoxEditorTest : public ControlEditorFixture {
protected:
    TGridCheckBox& open(int ACol = 2, int ARow = 3) {
        box = new TGridCheckBox(grid);
        box->SetParent(grid);
        box->SetCaption(grid->Cells(ACol, ARow));
        return showOver(*box, edCheckBox, ACol, ARow);
    }
    TGridCheckBox* box = nullptr;
};

TEST_F(CheckBoxEditorTest, SpaceAndAPressToggleOnceAndNothingIsWrittenToTheCell) {
    TGridCheckBox& check = open();
    keyPress(check, VK_SPACE);
    keyDown(check, VK_SPACE, 0, " ");
    keyUp(check, VK_SPACE);
    EXPECT_FALSE(check.Checked());  // two presses: on and off again
    keyDown(check, VK_SPACE, 0, " ");
    EXPECT_TRUE(check.Checked());
    click(check, 3, 3);
    EXPECT_FALSE(check.Checked());
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
}

TEST_F(CheckBoxEditorTest, EscapeResetsTheCaptionClosesAndStays) {
    TGridCheckBox& check = open();
    check.SetCaption("changed");
    keyDown(check, VK_ESCAPE);
    EXPECT_EQ(check.Caption(), "2:3");
    EXPECT_TRUE(grid->Focused());
    EXPECT_FALSE(state().EditMode);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(CheckBoxEditorTest, UpAndDownMoveTheGridEnterAdvancesOnlyWithAdvanceOnEnter) {
    keyDown(open(), VK_DOWN);
    EXPECT_EQ(grid->Row(), 4);
    keyDown(open(2, 4), VK_RETURN);
    EXPECT_EQ(grid->Col(), 2);
    grid->Navigation().AdvanceOnEnter = true;
    keyDown(open(2, 4), VK_RETURN);
    EXPECT_EQ(grid->Col(), 3);
    // Other keys stay in the box.
    keyDown(open(2, 4), VK_HOME);
    EXPECT_TRUE(box->Focused());
}

}  // namespace
