#include "grid/stringgrid/editing/editing_fixture.h"
#include "platform/controls/edit.h"

namespace {

// The editing grid beside another control that can take the focus.
class GridFocus : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(700, 0, 80, 20);
    }

    TEdit* other = nullptr;
};

TEST_F(GridFocus, FocusComingBackWithAlwaysEditReopensTheTextEditor) {
    grid->Navigation().AlwaysEdit = true;
    grid->SetCol(2);
    grid->SetRow(3);
    keyPress(*grid, VK_F2);  // the text editor is made
    other->SetFocus();
    EXPECT_FALSE(textEditorOpen());
    grid->SetFocus();
    ASSERT_TRUE(textEditorOpen());
    EXPECT_EQ(textEditor()->Text(), "2:3");

    // Not on a cell that may not be edited.
    other->SetFocus();
    grid->SetReadOnly(2, 3, true);
    grid->SetFocus();
    EXPECT_FALSE(textEditorOpen());
}

TEST_F(GridFocus, FocusLeavingDuringAnEditKeepsWhatWasTyped) {
    QStringList validated;
    grid->OnCellValidate = [&](TObject*, int ACol, int ARow, QString& Value, bool&) {
        validated << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(Value);
    };
    grid->SetCol(2);
    grid->SetRow(3);
    typeChar(*grid, 'n');
    typeChar(focused(), 'e');
    typeChar(focused(), 'w');
    other->SetFocus();
    EXPECT_FALSE(textEditorOpen());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 3), "new");
    EXPECT_EQ(validated, QStringList{"2,3 new"});
    processPosted();
    EXPECT_EQ(log.filter("EditCellDone"), QStringList{"EditCellDone 2,3"});

    // Back in the grid, the next edit starts from the stored value.
    grid->SetFocus();
    keyPress(*grid, VK_F2);
    typeChar(focused(), '!');
    keyPress(focused(), VK_ESCAPE);
    EXPECT_EQ(grid->Cells(2, 3), "new");
}

TEST_F(GridFocus, ClicksAndFocusEntryTakeTheSnapshotOfTheCurrentCell) {
    TExStringGridPrivate& p = grid->Private();
    clickCell(4, 5);
    EXPECT_EQ(p.FOldCol, 4);
    EXPECT_EQ(p.FOldRow, 5);
    EXPECT_EQ(p.FOldCellText, "4:5");
    grid->SetCells(4, 5, "changed");
    other->SetFocus();
    grid->SetFocus();
    EXPECT_EQ(p.FOldCellText, "changed");
}

TEST_F(GridFocus, AnEditorControlBeingHiddenDoesNotEndTheGridsFocus) {
    TExStringGridPrivate& p = grid->Private();
    p.FBlockKill = true;
    EXPECT_EQ(grid->Perform(WM_KILLFOCUS), 1);
    p.FBlockKill = false;
    EXPECT_EQ(grid->Perform(WM_KILLFOCUS), 0);
}

}  // namespace
