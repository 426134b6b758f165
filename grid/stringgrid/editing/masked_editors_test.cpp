#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/inplace/grid_button_editors.h"
#include "platform/controls/message_beep.h"

namespace {

// Column 1 carries the mask "000-000" without its literals; the other columns none.
class MaskedEditors : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        grid->OnGetEditMask = [](TObject*, int ACol, int, QString& Value) {
            if (ACol == 1) Value = QStringLiteral("000-000;0;_");
        };
        grid->SetCells(1, 1, "");
    }
    void type(const QString& Keys) {
        for (const QChar ch : Keys) typeChar(focused(), ch);
    }
};

TEST_F(MaskedEditors, TheTextEditorTakesTheCellsMaskAndWritesTheValueReadBack) {
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    EXPECT_EQ(textEditor()->Text(), "___-___");
    const int beeps = BeepCount();
    type("12a3456");
    EXPECT_EQ(BeepCount() - beeps, 1) << "a letter in a digit place";
    EXPECT_EQ(textEditor()->Text(), "123-456");
    EXPECT_EQ(grid->Cells(1, 1), "123456") << "the cell follows the typing with the value";
    keyPress(focused(), VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "123456");
    // Opened again, the value takes the mask's shape; a column without a mask takes any text.
    keyPress(*grid, VK_F2);
    EXPECT_EQ(textEditor()->Text(), "123-456");
    keyPress(focused(), VK_ESCAPE);
    grid->SetCol(2);
    keyPress(*grid, VK_F2);
    type("a-b");
    EXPECT_EQ(textEditor()->Text(), "2:1a-b");
}

TEST_F(MaskedEditors, AFilledMaskAdvancesWithAdvanceAutoAndImproveMaskSelSelectsTheFirstPlace) {
    grid->Navigation().SetAdvanceAuto(true);
    grid->Navigation().SetAdvanceDirection(adTopBottom);
    grid->Navigation().ImproveMaskSel = true;
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    EXPECT_EQ(textEditor()->SelStart(), 0);
    EXPECT_EQ(textEditor()->SelLength(), 1);
    type("12345");
    EXPECT_EQ(grid->Row(), 1) << "one place is still blank";
    type("6");
    EXPECT_EQ(grid->Cells(1, 1), "123456");
    EXPECT_EQ(grid->Row(), 2) << "the last place typed moves on as Enter does";
}

TEST_F(MaskedEditors, TheMaskEditButtonEditorTakesTheMaskTheOtherButtonEditorsNone) {
    editorOf[{1, 1}] = edMaskEditBtn;
    editorOf[{2, 1}] = edEditBtn;
    grid->OnGetEditMask = [](TObject*, int, int, QString& Value) { Value = QStringLiteral("(999);1;*"); };
    keyPress(*grid, VK_F2);
    TGridEditBtn& edit = *grid->BtnEdit();
    ASSERT_TRUE(edit.Focused());
    EXPECT_EQ(edit.Text(), "(***)");
    edit.SetSelStart(0);
    type("42");
    EXPECT_EQ(edit.Text(), "(42*)");
    keyPress(edit, VK_RETURN);
    processPosted();
    EXPECT_EQ(grid->Cells(1, 1), "(42 )");
    grid->SetCol(2);
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(edit.Focused());
    EXPECT_EQ(edit.EditMask(), "");
    EXPECT_EQ(edit.Text(), "2:1");
}

}  // namespace
