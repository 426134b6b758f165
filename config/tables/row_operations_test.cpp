#include "config/tables/row_operations.h"

#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"
#include "common/state/language.h"
#include "common/state/program_state.h"

#include <gtest/gtest.h>

namespace {

const QString No_Copy = "Error!!! Copy a valid row before Paste it";
const QString Copy_Width = "Error in the Copy values!!! Copy a valid row before Paste it";
const QString Row_Used = "Row Already used. Do you want to overwrite the values?";

// A table of 4 data rows and 4 data columns, the last one hidden, column 1 a check-box column;
// row r holds "<c><r>" in column c ("a1" .. "d4") and its number in column 0.
class RowOperations : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Load_Default_Texts();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 600, 400);
        grid = new TExColumnGrid(form);
        grid->SetParent(form);
        grid->SetColCount(5);
        grid->Columns().Items(1)->SetEditor(edDataCheckBox);
        grid->SetRowCount(5);
        for (int r = 1; r < 5; ++r) {
            grid->SetCellEx(0, r, QString::number(r));
            for (int c = 1; c < 5; ++c) grid->SetCellEx(c, r, QChar('a' + c - 1) + QString::number(r));
        }
        grid->HideColumn(4);
        form->HandleNeeded();
    }
    void TearDown() override {
        delete form;
        Reset_Program_State();
    }

    QString row(int r) const {
        QStringList cells;
        for (int c = 0; c < 5; ++c) cells << grid->GetCellEx(c, r);
        return cells.join(',');
    }
    // The data rows, one "n,a,b,c,d" per row.
    QStringList table() const {
        QStringList rows;
        for (int r = 1; r < grid->RowCount(); ++r) rows << row(r);
        return rows;
    }
    QStringList boxTexts() const {
        QStringList out;
        for (const ScriptedDriver::Box& b : driver().boxes()) out << b.text;
        return out;
    }
    // Column 1 becomes a column of plain check boxes, checked in the rows given.
    void checkBoxColumn(std::initializer_list<bool> states) {
        int r = 1;
        for (bool s : states) {
            grid->SetCellEx(1, r, QString());
            grid->AddCheckBox(1, r++, s, false);
        }
    }
    QString boxes() const {
        QString out;
        for (int r = 1; r < grid->RowCount(); ++r) {
            bool s = false;
            out += !grid->GetCheckBoxState(1, r, s) ? '-' : s ? 'X' : 'o';
        }
        return out;
    }

    TForm* form = nullptr;
    TExColumnGrid* grid = nullptr;
};

TEST_F(RowOperations, DeleteAndInsertKeepTheRowCountAndMoveHiddenColumnsToo) {
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> run;
        QStringList expected;
    } cases[] = {
        {"delete inside", [](TExStringGrid& g) { Grid_Delete_Row(2, g); },
         {"1,a1,b1,c1,d1", "2,a3,b3,c3,d3", "3,a4,b4,c4,d4", "4,,,,"}},
        {"delete the last", [](TExStringGrid& g) { Grid_Delete_Row(4, g); },
         {"1,a1,b1,c1,d1", "2,a2,b2,c2,d2", "3,a3,b3,c3,d3", "4,,,,"}},
        {"insert enabled", [](TExStringGrid& g) { Grid_Insert_Row(2, g, true); },
         {"1,a1,b1,c1,d1", "2,Y,,,", "3,a2,b2,c2,d2", "4,a3,b3,c3,d3"}},
        {"insert at the last, not enabled", [](TExStringGrid& g) { Grid_Insert_Row(4, g, false); },
         {"1,a1,b1,c1,d1", "2,a2,b2,c2,d2", "3,a3,b3,c3,d3", "4,,,,"}},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        c.run(*grid);
        EXPECT_EQ(table(), c.expected) << c.name;
        EXPECT_EQ(grid->RowCount(), 5) << c.name;
    }
}

TEST_F(RowOperations, PasteRefusesWithoutACopyOrOfAnotherWidth) {
    Grid_Copy_Row(*grid, 1);
    EXPECT_EQ(Row_Clipboard, QStringList({"a1", "b1", "c1", "d1"}));
    Grid_Paste_Row(*grid, 3, false);
    Row_Clipboard.removeLast();
    Grid_Paste_Row(*grid, 3, true);
    EXPECT_EQ(boxTexts(), QStringList({No_Copy, Copy_Width}));
    EXPECT_EQ(row(3), "3,a3,b3,c3,d3");
}

TEST_F(RowOperations, PasteAsksBeforeOverwritingAUsedRow) {
    Grid_Copy_Row(*grid, 1);

    driver().answerNextBox(mrNo);
    Grid_Paste_Row(*grid, 2, true);
    EXPECT_EQ(row(2), "2,a2,b2,c2,d2");
    driver().answerNextBox(mrYes);
    Grid_Paste_Row(*grid, 2, true);
    EXPECT_EQ(row(2), "2,a1,b1,c1,d1");
    EXPECT_EQ(boxTexts(), QStringList({Row_Used, Row_Used}));

    // A check-box text and blanks leave a row free: no question.
    driver().reset();
    for (int c = 2; c < 5; ++c) grid->SetCellEx(c, 3, "  ");
    grid->SetCellEx(1, 3, "Y");
    Grid_Paste_Row(*grid, 3, true);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(row(3), "3,a1,b1,c1,d1");
}

TEST_F(RowOperations, CheckFamilyMovesBoxStatesAndChecksTheFreedRow) {
    checkBoxColumn({true, false, true, false});
    Grid_Delete_Row_Check(1, *grid, true);
    EXPECT_EQ(boxes(), "oXoX");
    EXPECT_EQ(row(4), "4,,,,");
    EXPECT_EQ(row(1), "1,,b2,c2,d2");

    Grid_Insert_Row_Check(2, *grid, false);
    EXPECT_EQ(boxes(), "ooXo");
    EXPECT_EQ(row(3), "3,,b3,c3,d3");
    Grid_Insert_Row_Check(4, *grid, true);
    EXPECT_EQ(boxes(), "ooXX");
    EXPECT_EQ(row(4), "4,,,,");
}

TEST_F(RowOperations, CheckFamilyCopiesBoxesAsYAndNAndCountsBlanksAsUsed) {
    checkBoxColumn({true, false, false, false});
    Grid_Copy_Row_Check(*grid, 1);
    EXPECT_EQ(Row_Clipboard, QStringList({"Y", "b1", "c1", "d1"}));
    EXPECT_EQ(Row_Clipboard_Is_Check, std::vector<bool>({true, false, false, false}));

    // Only boxes and empty texts: free.
    for (int c = 2; c < 5; ++c) grid->SetCellEx(c, 2, QString());
    Grid_Paste_Row_Check(*grid, 2, true);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(boxes(), "XXoo");
    EXPECT_EQ(row(2), "2,,b1,c1,d1");

    // A cell of blanks is used here.
    for (int c = 2; c < 5; ++c) grid->SetCellEx(c, 3, c == 4 ? " " : "");
    driver().answerNextBox(mrNo);
    Grid_Paste_Row_Check(*grid, 3, true);
    EXPECT_EQ(boxTexts(), QStringList({Row_Used}));
    EXPECT_EQ(boxes(), "XXoo");

    Grid_Paste_Row_Check(*grid, 3, false);
    EXPECT_EQ(boxTexts().last(), No_Copy);

    // A row copied by the plain family carries no box flags: its entries are texts.
    Grid_Copy_Row(*grid, 4);
    Row_Clipboard_Is_Check.clear();
    driver().answerNextBox(mrYes);
    Grid_Paste_Row_Check(*grid, 3, true);
    EXPECT_EQ(row(3), "3,,b4,c4,d4");
}

TEST_F(RowOperations, EnterJumpsThroughTheVisibleCellsAndWrapsWhenTheOptionIsOn) {
    struct Case {
        bool option;
        int key, col, row;
        int expectedKey, expectedCol, expectedRow;
    } cases[] = {
        {false, 13, 1, 1, 13, 1, 1},
        {true, 'a', 1, 1, 'a', 1, 1},
        {true, 13, 1, 2, 0, 2, 2},
        {true, 13, 3, 2, 0, 1, 3},  // column 3 is the last visible one
        {true, 13, 3, 4, 0, 1, 1},
    };
    for (const Case& c : cases) {
        Enable_Jump_Field_Tables = c.option;
        grid->SetCol(c.col);
        grid->SetRow(c.row);
        QChar key(c.key);
        Grid_Enter_Jump(*grid, key);
        EXPECT_EQ(key.unicode(), c.expectedKey) << c.col << "," << c.row;
        EXPECT_EQ(grid->Col(), c.expectedCol) << c.col << "," << c.row;
        EXPECT_EQ(grid->Row(), c.expectedRow) << c.col << "," << c.row;
    }
}

TEST_F(RowOperations, DoubleClickOnAHeaderFitsTheColumnWhenTheOptionIsOn) {
    grid->SetCellEx(2, 3, "a text much wider than the column");
    const int before = grid->ColWidths(2);
    Grid_DblClick_AutoSize(*grid, 0, 2);
    EXPECT_EQ(grid->ColWidths(2), before);
    Double_Click_Auto_Size = true;
    Grid_DblClick_AutoSize(*grid, 1, 2);
    EXPECT_EQ(grid->ColWidths(2), before);
    Grid_DblClick_AutoSize(*grid, 0, 2);
    EXPECT_GT(grid->ColWidths(2), before);
}

}  // namespace
