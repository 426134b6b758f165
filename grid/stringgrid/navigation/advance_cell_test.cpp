#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/model/owned_settings.h"

namespace {

// The editing grid (data cells 1..5 x 1..7) with Enter advancing and auto edit on.
class AdvanceCell : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        nav().AdvanceOnEnter = true;
        grid->OnAutoAddRow = [this](TObject*, int ARow) { note("AutoAddRow", 0, ARow); };
        grid->OnAutoInsertCol = [this](TObject*, int ACol) { note("AutoInsertCol", ACol, 0); };
    }

    TNavigation& nav() const { return grid->Navigation(); }
    void moveTo(int ACol, int ARow) {
        grid->SetCol(ACol);
        grid->SetRow(ARow);
    }
    // Opens the text editor on the cell, types "x" and presses Enter in it.
    void editAndEnter(int ACol, int ARow) {
        moveTo(ACol, ARow);
        keyPress(*grid, VK_F2);
        ASSERT_TRUE(textEditorOpen());
        typeChar(focused(), 'x');
        keyPress(focused(), VK_RETURN);
    }
    TPoint current() const { return {grid->Col(), grid->Row()}; }
};

struct Move {
    const char* name;
    TAdvanceDirection direction;
    bool insert, loop;
    TPoint from, to;
    int rows, cols;  // the counts afterwards
};

TEST_F(AdvanceCell, EnterAfterAnEditMovesByTheDirectionAndReopensTheEditorThere) {
    const Move moves[] = {
        {"left-right, inside a row", adLeftRight, false, false, {2, 3}, {3, 3}, 8, 6},
        {"left-right, end of a row", adLeftRight, false, false, {5, 3}, {1, 4}, 8, 6},
        {"left-right, last cell, insert", adLeftRight, true, false, {5, 7}, {1, 8}, 9, 6},
        {"left-right, last cell, loop", adLeftRight, false, true, {5, 7}, {1, 1}, 8, 6},
        {"left-right, last cell, neither", adLeftRight, false, false, {5, 7}, {5, 7}, 8, 6},
        {"in row, end of the row, loop", adLeftRightInRow, false, true, {5, 3}, {1, 3}, 8, 6},
        {"in row, end of the row", adLeftRightInRow, false, false, {5, 3}, {5, 3}, 8, 6},
        {"top-bottom, inside a column", adTopBottom, false, false, {2, 3}, {2, 4}, 8, 6},
        {"top-bottom, end of a column", adTopBottom, false, false, {2, 7}, {3, 1}, 8, 6},
        {"top-bottom, last cell", adTopBottom, false, false, {5, 7}, {1, 1}, 8, 6},
        {"top-bottom, last cell, insert", adTopBottom, true, false, {5, 7}, {6, 1}, 8, 7},
        {"in column, end of the column", adTopBottomInCol, false, false, {2, 7}, {2, 1}, 8, 6},
    };
    for (const Move& m : moves) {
        nav().SetAdvanceDirection(m.direction);
        nav().SetAdvanceInsert(m.insert);
        nav().AdvanceOnEnterLoop = m.loop;
        editAndEnter(m.from.X, m.from.Y);
        EXPECT_EQ(grid->Cells(m.from.X, m.from.Y), text(m.from.X, m.from.Y) + "x") << m.name;
        EXPECT_EQ(current(), m.to) << m.name;
        EXPECT_EQ(grid->RowCount(), m.rows) << m.name;
        EXPECT_EQ(grid->ColCount(), m.cols) << m.name;
        ASSERT_TRUE(textEditorOpen()) << m.name;
        EXPECT_EQ(textEditor()->Text(), grid->Cells(m.to.X, m.to.Y)) << m.name;
        QStringList added;
        if (m.rows > 8) added << "AutoAddRow 0,8";
        if (m.cols > 6) added << "AutoInsertCol 6,0";
        EXPECT_EQ(log.filter("Auto"), added) << m.name;
        TearDown();
        SetUp();
    }
}

TEST_F(AdvanceCell, BackwardSteps) {
    struct Case {
        TAdvanceDirection direction;
        TPoint from, to;
    };
    const Case cases[] = {
        {adLeftRight, {3, 3}, {2, 3}},       {adLeftRight, {1, 3}, {5, 2}}, {adLeftRight, {1, 1}, {5, 7}},
        {adTopBottom, {2, 3}, {2, 2}},       {adTopBottom, {2, 1}, {1, 7}}, {adTopBottom, {1, 1}, {5, 7}},
        {adLeftRightInRow, {3, 3}, {3, 3}},  {adTopBottomInCol, {3, 3}, {3, 3}},
    };
    for (const Case& c : cases) {
        nav().SetAdvanceDirection(c.direction);
        moveTo(c.from.X, c.from.Y);
        grid->AdvanceCell(c.from.X, c.from.Y, false, false, false, true, true);
        EXPECT_EQ(current(), c.to) << c.direction << " from " << c.from.X << "," << c.from.Y;
    }
}

TEST_F(AdvanceCell, EnterWithoutAdvanceOnEnterCommitsAndStaysButTabStillMoves) {
    nav().AdvanceOnEnter = false;
    editAndEnter(2, 3);
    EXPECT_EQ(grid->Cells(2, 3), "2:3x");
    EXPECT_EQ(current(), (TPoint{2, 3}));
    EXPECT_FALSE(textEditorOpen());
    grid->AdvanceCell(2, 3, false, false, true, true, true);
    EXPECT_EQ(current(), (TPoint{3, 3}));
}

TEST_F(AdvanceCell, EnterOnACellThatCannotBeEditedOnlyTellsOnKeyPress) {
    nav().AdvanceOnEnter = false;
    grid->SetReadOnly(2, 3, true);
    moveTo(2, 3);
    QStringList keys;
    grid->OnKeyPress = [&](TObject*, QChar& Key) { keys << QString(Key); };
    typeChar(*grid, '\r');
    EXPECT_EQ(keys, QStringList{"\r"});
    EXPECT_EQ(current(), (TPoint{2, 3}));
    EXPECT_FALSE(textEditorOpen());
}

TEST_F(AdvanceCell, WithoutAutoEditTheEditorStaysClosedAfterTheMove) {
    nav().AdvanceAutoEdit = false;
    editAndEnter(2, 3);
    EXPECT_EQ(grid->Cells(2, 3), "2:3x");
    EXPECT_EQ(current(), (TPoint{3, 3}));
    EXPECT_FALSE(textEditorOpen());
}

TEST_F(AdvanceCell, ReadOnlyCellsAreSkippedOrEnteredWithoutAnEditor) {
    grid->SetReadOnly(3, 3, true);
    grid->SetReadOnly(4, 3, true);
    editAndEnter(2, 3);
    EXPECT_EQ(current(), (TPoint{5, 3}));
    EXPECT_TRUE(textEditorOpen());

    TearDown();
    SetUp();
    nav().AdvanceSkipReadOnlyCells = false;
    grid->SetReadOnly(3, 3, true);
    editAndEnter(2, 3);
    EXPECT_EQ(current(), (TPoint{3, 3}));
    EXPECT_FALSE(textEditorOpen());
}

TEST_F(AdvanceCell, SkippingEndsWhenNoOtherCellCanBeEdited) {
    // Every cell but the one edited refuses: the skipping must end, and the edit is kept.
    grid->OnCanEditCell = [this](TObject*, int ARow, int ACol, bool& CanEdit) {
        CanEdit = ACol == 2 && ARow == 3;
    };
    moveTo(2, 3);
    for (const bool loop : {true, false}) {
        nav().AdvanceOnEnterLoop = loop;
        grid->AdvanceCell(2, 3, false, false, true, true, false);
        EXPECT_EQ(current(), (TPoint{2, 3})) << "loop " << loop;
    }
    keyPress(*grid, VK_F2);
    typeChar(focused(), 'x');
    keyPress(focused(), VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 3), "2:3x");
    EXPECT_EQ(current(), (TPoint{2, 3}));
}

TEST_F(AdvanceCell, OnAutoAdvanceRedirectsOrRefusesAndOnCellChangingIsAskedOnce) {
    QStringList changing;
    grid->OnCellChanging = [&](TObject*, int OldRow, int OldCol, int NewRow, int NewCol, bool&) {
        changing << QStringLiteral("%1,%2>%3,%4").arg(OldCol).arg(OldRow).arg(NewCol).arg(NewRow);
    };
    grid->OnAutoAdvance = [](TObject*, int, int, int& NewRow, int& NewCol, bool&) {
        NewRow = 6;
        NewCol = 4;
    };
    moveTo(2, 3);
    changing.clear();
    grid->AdvanceCell(2, 3, false, false, true, true, false);
    EXPECT_EQ(current(), (TPoint{4, 6}));
    EXPECT_EQ(changing, QStringList{"2,3>4,6"});

    grid->OnAutoAdvance = [](TObject*, int, int, int&, int&, bool& Allow) { Allow = false; };
    grid->AdvanceCell(4, 6, false, false, true, true, false);
    EXPECT_EQ(current(), (TPoint{4, 6}));
}

TEST_F(AdvanceCell, ARowAddedWithNothingEditableEndsTheAdvanceOnTheOldCell) {
    nav().SetAdvanceInsert(true);
    grid->OnCanEditCell = [](TObject*, int ARow, int, bool& CanEdit) { CanEdit = ARow < 8; };
    editAndEnter(5, 7);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(current(), (TPoint{5, 7}));
    EXPECT_EQ(grid->Cells(5, 7), "5:7x");

    // A refused new row leaves the grid as it was and moves to the row's first cell.
    TearDown();
    SetUp();
    nav().SetAdvanceInsert(true);
    grid->OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
    editAndEnter(5, 7);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(current(), (TPoint{1, 7}));
}

TEST_F(AdvanceCell, ControlCellsAreClickedWhenReachedAndLeftByEnter) {
    grid->AddCheckBox(3, 3, false, false);
    QStringList presses;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) {
        presses << QStringLiteral("%1,%2").arg(X).arg(Y);
    };
    editAndEnter(2, 3);
    EXPECT_EQ(current(), (TPoint{3, 3}));
    const TRect box = grid->CellRect(3, 3);
    EXPECT_EQ(presses, QStringList{QStringLiteral("%1,%2").arg(box.Left + 2).arg(box.Top + 2)});
    EXPECT_TRUE(grid->IsChecked(3, 3));
    EXPECT_FALSE(textEditorOpen());

    // Enter typed on the check box cell moves on.
    typeChar(*grid, '\r');
    EXPECT_EQ(current(), (TPoint{4, 3}));
}

TEST_F(AdvanceCell, ASimulatedClickMovesWithoutTheMouseEvents) {
    int presses = 0;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    // The selection logic would refuse this cell; the simulated click is not asked.
    grid->OnSelectCell = [](TObject*, int, int, bool& CanSelect) { CanSelect = false; };
    grid->SimulateCellClick(4, 5);
    EXPECT_EQ(current(), (TPoint{4, 5}));
    EXPECT_EQ(presses, 0);
    EXPECT_FALSE(grid->Private().FForceSel);
    EXPECT_TRUE(static_cast<bool>(grid->OnMouseDown));
}

// A spin editor leaves by DoneInplaceEdit.
class AdvanceFromControl : public AdvanceCell {
protected:
    TGridSpin& openSpin(int ACol, int ARow) {
        editorOf[{ACol, ARow}] = edSpinEdit;
        grid->SetCells(ACol, ARow, "7");
        moveTo(ACol, ARow);
        keyPress(*grid, VK_F2);
        return *grid->SpinEdit();
    }
};

TEST_F(AdvanceFromControl, EnterCommitsTheControlAndMovesOn) {
    TGridSpin& spin = openSpin(2, 3);
    ASSERT_TRUE(spin.Focused());
    spin.SetText("9");
    keyPress(spin, VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 3), "9");
    EXPECT_EQ(current(), (TPoint{3, 3}));
    processPosted();
    EXPECT_EQ(log.filter("EditCellDone"), QStringList{"EditCellDone 2,3"});
}

TEST_F(AdvanceFromControl, DownInTheLastRowAppendsAnEmptyRowWhenAsked) {
    nav().AppendOnArrowDown = true;
    TGridSpin& spin = openSpin(2, 7);
    spin.SetText("9");
    keyPress(spin, VK_DOWN);
    EXPECT_EQ(grid->Cells(2, 7), "9");
    ASSERT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(2, 8), "");
    EXPECT_EQ(log.filter("Auto"), QStringList{"AutoAddRow 0,8"});

    // Refused by OnCanAddRow: nothing is added.
    grid->OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
    moveTo(2, 8);
    TGridSpin& again = openSpin(2, 8);
    keyPress(again, VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 9);
}

// With the last row shown as a fixed footer, the data row above it is the one Down appends from.
TEST_F(AdvanceFromControl, DownAboveAFixedLastRowFooterAppendsOnlyFromTheLastDataRow) {
    nav().AppendOnArrowDown = true;
    grid->FloatingFooter().SetFooterStyle(fsFixedLastRow);
    grid->FloatingFooter().SetVisible(true);
    grid->SetCells(2, 7, "footer");
    editorOf[{2, 6}] = edSpinEdit;
    grid->SetCells(2, 6, "8");

    keyPress(openSpin(2, 5), VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 8) << "a row above the last data row adds nothing";
    ASSERT_EQ(grid->Row(), 6);
    if (!grid->SpinEdit()->Visible()) keyPress(*grid, VK_F2);
    TGridSpin& spin = *grid->SpinEdit();
    ASSERT_TRUE(spin.Focused());
    spin.SetText("9");
    keyPress(spin, VK_DOWN);
    ASSERT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(2, 6), "9");
    EXPECT_EQ(grid->Cells(2, 7), "");
    EXPECT_EQ(grid->Cells(2, 8), "footer");
    EXPECT_EQ(grid->Row(), 7);
}

TEST_F(AdvanceCell, TypingOnASortedGridJumpsToTheFirstRowStartingWithTheText) {
    grid->SetOptions(grid->Options() & ~goEditing);
    nav().AutoGotoWhenSorted = true;
    nav().AutoGotoIncremental = true;
    grid->SortSettings().Column = 1;
    const QStringList names{"alpha", "beta", "bravo", "charlie", "delta", "echo", "foxtrot"};
    for (int r = 1; r <= 7; ++r) grid->SetCells(1, r, names[r - 1]);
    typeChar(*grid, 'b');
    EXPECT_EQ(grid->Row(), 2);
    typeChar(*grid, 'R');
    EXPECT_EQ(grid->Row(), 3);
    typeChar(*grid, '\b');
    EXPECT_EQ(grid->Row(), 2);
    // Nothing starts with "bz": the search starts over.
    typeChar(*grid, 'z');
    typeChar(*grid, 'e');
    EXPECT_EQ(grid->Row(), 6);
}

}  // namespace
