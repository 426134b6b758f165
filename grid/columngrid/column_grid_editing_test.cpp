#include "grid/columngrid/column_grid_fixture.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "platform/controls/inplace_edit.h"
#include "platform/testkit/testkit.h"

namespace {

// The program's table windows do not set goEditing: the columns alone decide what is edited.
class ColumnGridEditing : public ColumnGridFixture {
protected:
    void SetUp() override {
        ColumnGridFixture::SetUp();
        grid->SetOptions(grid->Options() & ~goEditing);
        grid->SetFocus();
    }

    enum Opened { Nothing, TextEditor, ComboEditor, SpinEditor };

    // Moves onto the cell, asks for an edit with F2 and tells what opened.
    Opened openEditor(int ACol, int ARow) {
        grid->SetRow(ARow);
        grid->SetCol(ACol);
        keyPress(*grid, VK_F2);
        Opened opened = Nothing;
        if (grid->InplaceEditor() && grid->InplaceEditor()->Visible()) opened = TextEditor;
        else if (grid->EditCtrl() == grid->Combobox() && grid->Combobox()->Visible()) opened = ComboEditor;
        else if (grid->EditCtrl() == grid->SpinEdit() && grid->SpinEdit()->Visible()) opened = SpinEditor;
        keyPress(*FocusedControl(), VK_ESCAPE);
        return opened;
    }

    // What opens in data row 2 of real columns Plain .. ReadOnly.
    std::vector<Opened> openedPerColumn() {
        std::vector<Opened> out;
        for (int c = Plain; c <= ReadOnly; ++c) out.push_back(openEditor(grid->RealToDisplCol(c), 2));
        return out;
    }
};

TEST_F(ColumnGridEditing, EachColumnOpensItsEditorSetUpFromItsDefinition) {
    EXPECT_EQ(openedPerColumn(), (std::vector<Opened>{TextEditor, ComboEditor, Nothing, SpinEditor, Nothing}));

    grid->SetRow(2);
    grid->SetCol(Combo);
    keyPress(*grid, VK_F2);
    ASSERT_EQ(grid->EditCtrl(), grid->Combobox());
    EXPECT_EQ(grid->Combobox()->Items(), (QStringList{"Off", "On", "Auto"}));
    keyPress(*FocusedControl(), VK_ESCAPE);

    grid->SetCol(Spin);
    keyPress(*grid, VK_F2);
    ASSERT_EQ(grid->EditCtrl(), grid->SpinEdit());
    EXPECT_EQ(grid->SpinEdit()->MinValue, 1);
    EXPECT_EQ(grid->SpinEdit()->MaxValue, 10);
    keyPress(*FocusedControl(), VK_ESCAPE);

    // Header and fixed cells open nothing.
    EXPECT_EQ(openEditor(Fixed, 2), Nothing);
}

TEST_F(ColumnGridEditing, EditorsFollowTheirColumnsWhenMovedOrHidden) {
    grid->MoveColumn(Spin, Plain);
    EXPECT_EQ(openedPerColumn(), (std::vector<Opened>{SpinEditor, TextEditor, ComboEditor, Nothing, Nothing}));
    grid->HideColumn(Plain);
    EXPECT_EQ(openEditor(Plain, 2), TextEditor);
    EXPECT_EQ(openEditor(Combo, 2), ComboEditor);
    EXPECT_EQ(openEditor(ReadOnly - 1, 2), Nothing);
}

TEST_F(ColumnGridEditing, TheTextEditorTakesTheColumnsEditLength) {
    item(Plain).EditLength = 4;
    grid->SetRow(2);
    grid->SetCol(Plain);
    typeChar(*grid, 'a');
    for (QChar ch : QString("bcdef")) typeChar(*FocusedControl(), ch);
    keyPress(*FocusedControl(), VK_RETURN);
    EXPECT_EQ(grid->Cells(Plain, 2), "abcd");
}

}  // namespace
