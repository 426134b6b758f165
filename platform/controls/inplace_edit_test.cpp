#include "platform/controls/inplace_edit.h"

#include "platform/controls/form.h"
#include "platform/controls/string_grid.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

// An editable 5 x 10 grid of 64 x 24 pixel cells on a form, focused; cell (1, 1) holds "one".
class InplaceEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 400, 300);
        grid = new TStringGrid(form);
        grid->SetParent(form);
        grid->SetRowCount(10);
        grid->SetOptions(grid->Options() | goEditing);
        grid->SetCells(1, 1, "one");
        grid->SetCells(1, 2, "two");
        form->HandleNeeded();
        grid->SetFocus();
    }
    void TearDown() override { delete form; }

    TInplaceEdit& editor() { return *grid->InplaceEditor(); }

    TForm* form = nullptr;
    TStringGrid* grid = nullptr;
};

TEST_F(InplaceEditTest, WaysToOpenTheEditor) {
    struct Case {
        const char* name;
        std::function<void(TStringGrid&)> open;
    };
    const Case cases[] = {
        {"F2", [](TStringGrid& g) { keyPress(g, VK_F2); }},
        {"Enter", [](TStringGrid& g) { keyPress(g, VK_RETURN); }},
        {"press on the current cell", [](TStringGrid& g) { click(g, 70, 30); }},
    };
    for (const Case& c : cases) {
        c.open(*grid);
        ASSERT_TRUE(grid->InplaceEditor()) << c.name;
        EXPECT_TRUE(editor().Visible()) << c.name;
        EXPECT_TRUE(editor().Focused()) << c.name;
        EXPECT_EQ(editor().Text(), "one") << c.name;
        EXPECT_EQ(editor().BoundsRect(), grid->CellRect(1, 1)) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(InplaceEditTest, NoEditorWithoutEditingOrWithRowSelect) {
    grid->SetOptions(grid->Options() & ~goEditing);
    keyPress(*grid, VK_F2);
    typeChar(*grid, 'x');
    EXPECT_FALSE(grid->InplaceEditor());
    grid->SetOptions(grid->Options() | goEditing | goRowSelect);
    keyPress(*grid, VK_F2);
    EXPECT_FALSE(grid->InplaceEditor());
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(InplaceEditTest, TypingReplacesTheTextAndEnterCloses) {
    typeChar(*grid, 'a');
    ASSERT_TRUE(editor().Visible());
    typeChar(editor(), 'b');
    EXPECT_EQ(grid->Cells(1, 1), "ab");  // each change reaches the cell at once
    keyPress(editor(), VK_RETURN);
    EXPECT_FALSE(editor().Visible());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->Cells(1, 1), "ab");
}

TEST_F(InplaceEditTest, EscapePutsTheTextBack) {
    typeChar(*grid, 'z');
    keyPress(editor(), VK_ESCAPE);
    EXPECT_FALSE(editor().Visible());
    EXPECT_EQ(grid->Cells(1, 1), "one");
}

TEST_F(InplaceEditTest, MovingTheCurrentCellClosesTheEditorFirst) {
    keyPress(*grid, VK_F2);
    typeChar(editor(), '!');
    keyPress(editor(), VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(editor().Visible());
    EXPECT_EQ(grid->Cells(1, 1), "one!");
    EXPECT_EQ(grid->Cells(1, 2), "two");
    // With goAlwaysShowEditor it opens again in the cell reached.
    grid->SetOptions(grid->Options() | goAlwaysShowEditor);
    keyPress(*grid, VK_F2);
    keyPress(editor(), VK_UP);
    EXPECT_TRUE(editor().Visible());
    EXPECT_EQ(editor().Text(), "one!");
}

TEST_F(InplaceEditTest, TheEditorFollowsItsCellWhenTheGridScrollsOrSizes) {
    grid->SetRow(1);
    keyPress(*grid, VK_F2);
    grid->SetColWidths(0, 100);
    EXPECT_EQ(editor().BoundsRect(), grid->CellRect(1, 1));
    grid->SetRowHeights(0, 40);
    EXPECT_EQ(editor().BoundsRect(), grid->CellRect(1, 1));
}

} // namespace
