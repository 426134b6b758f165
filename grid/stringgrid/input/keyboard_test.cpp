#include "grid/stringgrid/input/input_fixture.h"
#include "grid/stringgrid/model/owned_settings.h"

namespace {

struct NavCase {
    const char* name;
    THomeEndAction homeEnd;
    TCursorAdvance advance;
    TPoint from;
    uint16_t key;
    TShiftState shift;
    TPoint to;
};

class GridKeys : public InputFixture {};

TEST_F(GridKeys, NavigationKeysFollowTheirOptions) {
    const NavCase cases[] = {
        {"Home first cell", heFirstLastCell, caDefault, {3, 4}, VK_HOME, 0, {1, 1}},
        {"End last cell", heFirstLastCell, caDefault, {3, 4}, VK_END, 0, {5, 7}},
        {"Home first row", heFirstLastRow, caDefault, {3, 4}, VK_HOME, 0, {3, 1}},
        {"End last row", heFirstLastRow, caDefault, {3, 4}, VK_END, 0, {3, 7}},
        {"Home first column", heFirstLastColumn, caDefault, {3, 4}, VK_HOME, 0, {1, 4}},
        {"End last column", heFirstLastColumn, caDefault, {3, 4}, VK_END, 0, {5, 4}},
        {"Ctrl+Home first cell", heFirstLastColumn, caDefault, {3, 4}, VK_HOME, ssCtrl, {1, 1}},
        {"Right without wrapping", heFirstLastColumn, caDefault, {5, 4}, VK_RIGHT, 0, {5, 4}},
        {"Right loops", heFirstLastColumn, caLoop, {5, 4}, VK_RIGHT, 0, {1, 4}},
        {"Right snakes", heFirstLastColumn, caSnake, {5, 4}, VK_RIGHT, 0, {1, 5}},
        {"Left snakes", heFirstLastColumn, caSnake, {1, 4}, VK_LEFT, 0, {5, 3}},
        {"Down loops", heFirstLastColumn, caLoop, {2, 7}, VK_DOWN, 0, {2, 1}},
        {"Up snakes", heFirstLastColumn, caSnake, {2, 1}, VK_UP, 0, {1, 7}},
    };
    for (const NavCase& c : cases) {
        SCOPED_TRACE(c.name);
        grid->Navigation().HomeEndKey = c.homeEnd;
        grid->Navigation().CursorAdvance = c.advance;
        grid->FocusCell(c.from.X, c.from.Y);
        press(c.key, c.shift);
        EXPECT_EQ(cell(), QStringLiteral("%1,%2").arg(c.to.X).arg(c.to.Y));
    }
}

TEST_F(GridKeys, CtrlWithFirstLastCellGoesToThePlatformKeys) {
    grid->Navigation().HomeEndKey = heFirstLastCell;
    grid->FocusCell(3, 4);
    press(VK_END, ssCtrl);
    EXPECT_EQ(cell(), "5,7");
    press(VK_HOME, ssCtrl);
    EXPECT_EQ(cell(), "1,1");
}

TEST_F(GridKeys, ArrowsStayOffFixedCellsAtTheRight) {
    grid->SetFixedRightCols(1);
    grid->FocusCell(4, 3);
    press(VK_RIGHT);
    EXPECT_EQ(cell(), "4,3");
    press(VK_LEFT);
    EXPECT_EQ(cell(), "3,3");
}

TEST_F(GridKeys, ScrollOnlyMovesTheViewNotTheCell) {
    grid->SetRowCount(40);
    grid->Navigation().MoveScrollOnly = true;
    grid->FocusCell(2, 3);
    const int top = grid->TopRow();
    press(VK_DOWN);
    EXPECT_EQ(grid->TopRow(), top + 1);
    press(VK_NEXT);
    EXPECT_GT(grid->TopRow(), top + 1);
    press(VK_HOME);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(cell(), "2,3");
}

TEST_F(GridKeys, HiddenRowsAndMergedCellsAreSteppedOver) {
    grid->HideRow(3);
    grid->FocusCell(2, 2);
    press(VK_DOWN);
    EXPECT_EQ(grid->Cells(2, grid->Row()), "2:4");
    grid->UnHideRow(3);
    grid->MergeCells(2, 5, 2, 1);
    grid->FocusCell(1, 5);
    press(VK_RIGHT);
    EXPECT_EQ(cell(), "2,5");
    press(VK_RIGHT);
    EXPECT_EQ(cell(), "4,5");
}

TEST_F(GridKeys, EnterOnACellThatCannotBeEditedOnlyFiresOnKeyDown) {
    int gridKeys = 0, formKeys = 0;
    grid->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { gridKeys += Key == VK_RETURN; };
    form->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { formKeys += Key == VK_RETURN; };
    grid->FocusCell(2, 2);
    press(VK_RETURN);
    EXPECT_EQ(gridKeys, 1);
    EXPECT_EQ(formKeys, 0);
    // A form that previews keys gets it through the platform's handling.
    form->KeyPreview = true;
    press(VK_RETURN);
    EXPECT_EQ(formKeys, 1);

    // In an editing grid a read-only cell takes the key and opens nothing.
    form->KeyPreview = false;
    gridKeys = formKeys = 0;
    grid->SetOptions(grid->Options() | goEditing);
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    press(VK_RETURN);
    EXPECT_EQ(gridKeys, 1);
    EXPECT_EQ(formKeys, 0);
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(GridKeys, SpaceTogglesACheckBoxOnlyWhereItMayBeEdited) {
    grid->AddCheckBox(2, 3, false, false);
    grid->OnCheckBoxClick = [&](TObject*, int ACol, int ARow, bool State) {
        note(QStringLiteral("click %1,%2 %3").arg(ACol).arg(ARow).arg(State));
    };
    grid->FocusCell(2, 3);
    press(VK_SPACE);
    bool state = true;
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_FALSE(state);
    EXPECT_TRUE(log.isEmpty());

    grid->SetOptions(grid->Options() | goEditing);
    press(VK_SPACE);
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_TRUE(state);
    EXPECT_EQ(log, QStringList{"click 2,3 1"});
}

TEST_F(GridKeys, TabWalksTheRowsAndHandsOnAtTheEnd) {
    grid->SetOptions(grid->Options() | goTabs);
    grid->FocusCell(4, 2);
    press(VK_TAB);
    EXPECT_EQ(cell(), "5,2");
    press(VK_TAB);
    EXPECT_EQ(cell(), "1,3");
    press(VK_TAB, ssShift);
    EXPECT_EQ(cell(), "5,2");

    int parentTabs = 0;
    form->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { parentTabs += Key == VK_TAB; };
    grid->Navigation().TabToNextAtEnd = true;
    grid->FocusCell(5, 7);
    press(VK_TAB);
    EXPECT_EQ(grid->Row(), 1);
    processPosted();
    EXPECT_EQ(parentTabs, 1);
}

TEST_F(GridKeys, TabPastTheLastCellAddsARowWithAdvanceInsert) {
    grid->SetOptions(grid->Options() | goTabs);
    grid->Navigation().SetAdvanceInsert(true);
    int added = -1;
    grid->OnAutoAddRow = [&](TObject*, int ARow) { added = ARow; };
    grid->FocusCell(5, 7);
    press(VK_TAB);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(added, 8);
    EXPECT_EQ(cell(), "1,8");
}

TEST_F(GridKeys, TabStopsWhenOnKeyDownChangesTheKey) {
    grid->SetOptions(grid->Options() | goTabs);
    grid->OnKeyDown = [](TObject*, uint16_t& Key, TShiftState) {
        if (Key == VK_TAB) Key = 0;
    };
    grid->FocusCell(2, 2);
    press(VK_TAB);
    EXPECT_EQ(cell(), "2,2");
}

TEST_F(GridKeys, TabInAGridWithoutEditableCellsEnds) {
    grid->SetOptions(grid->Options() | goTabs | goEditing);
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    grid->FocusCell(2, 2);
    press(VK_TAB);
    EXPECT_GE(grid->Col(), 0);
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(GridKeys, DownOnTheLastRowAppendsWhenAllowed) {
    grid->Navigation().AppendOnArrowDown = true;
    bool allow = false;
    grid->OnCanAddRow = [&](TObject*, bool& Allow) { Allow = allow; };
    grid->FocusCell(2, 7);
    press(VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(cell(), "2,7");
    allow = true;
    press(VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(cell(), "2,8");
    EXPECT_EQ(grid->Cells(2, 8), "");
}

TEST_F(GridKeys, InsertAndDeleteAskTheirEvents) {
    grid->Navigation().AllowInsertRow = true;
    grid->Navigation().AllowDeleteRow = true;
    int inserted = -1;
    grid->OnAutoInsertRow = [&](TObject*, int ARow) { inserted = ARow; };
    grid->FocusCell(2, 3);
    press(VK_INSERT);
    EXPECT_EQ(inserted, 3);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(2, 3), "");
    EXPECT_EQ(grid->Cells(2, 4), "2:3");

    bool allow = false;
    grid->OnCanDeleteRow = [&](TObject*, int, bool& Allow) { Allow = allow; };
    press(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 9);
    allow = true;
    press(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    // Alt holds the row back.
    press(VK_DELETE, ssAlt);
    EXPECT_EQ(grid->RowCount(), 8);
}

TEST_F(GridKeys, CtrlASelectsEveryNormalCell) {
    grid->FocusCell(2, 2);
    int changes = 0;
    grid->OnSelectionChanged = [&](TObject*, int, int, int, int) { ++changes; };
    press('A', ssCtrl);
    const TGridRect s = grid->Selection();
    EXPECT_EQ((QList<int>{s.Left, s.Top, s.Right, s.Bottom}), (QList<int>{1, 1, 5, 7}));
    EXPECT_EQ(changes, 0);
}

TEST_F(GridKeys, ClipboardCharactersDoNotStartAnEdit) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->Navigation().AllowClipboardShortCuts = true;
    grid->FocusCell(2, 2);
    keyDown(*grid, 'C', ssCtrl, QString(QChar(3)));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 2), "2:2");
}

TEST_F(GridKeys, ClipboardKeysAskTheirEventsAndNeverDeleteOrInsertARow) {
    grid->Navigation().AllowClipboardShortCuts = true;
    grid->Navigation().AllowDeleteRow = true;
    grid->Navigation().AllowInsertRow = true;
    grid->OnClipboardCut = [&](TObject*, bool&) { note("cut"); };
    grid->OnClipboardPaste = [&](TObject*, bool&) { note("paste"); };
    grid->OnClipboardCopy = [&](TObject*, bool&) { note("copy"); };
    grid->FocusCell(2, 3);
    press(VK_DELETE, ssShift);
    press(VK_INSERT, ssShift);
    press(VK_INSERT, ssCtrl);
    press('X', ssCtrl);
    press('V', ssCtrl);
    press('C', ssCtrl);
    EXPECT_EQ(log, (QStringList{"cut", "paste", "copy", "cut", "paste", "copy"}));
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    // Without the shortcuts Shift+Delete is the row delete it always was.
    grid->Navigation().AllowClipboardShortCuts = false;
    press(VK_DELETE, ssShift);
    EXPECT_EQ(grid->RowCount(), 7);
}

TEST_F(GridKeys, DisjunctColumnMarksFollowTheArrowsAndSpace) {
    grid->MouseActions().SetDisjunctColSelect(true);
    grid->FocusCell(2, 2);
    press(VK_RIGHT);
    EXPECT_FALSE(grid->ColSelect(2));
    EXPECT_TRUE(grid->ColSelect(3));
    // Ctrl keeps the marks and adds the column reached.
    press(VK_DOWN, ssCtrl);
    press(VK_LEFT, ssCtrl);
    const int reached = grid->Col();
    ASSERT_NE(reached, 3);
    EXPECT_TRUE(grid->ColSelect(3));
    EXPECT_TRUE(grid->ColSelect(reached));
    press(VK_SPACE);
    EXPECT_FALSE(grid->ColSelect(reached));
    press(VK_DOWN);
    EXPECT_FALSE(grid->ColSelect(3));
    EXPECT_TRUE(grid->ColSelect(reached));
}

TEST_F(GridKeys, ShiftArrowsWidenTheSelectionAndReportIt) {
    QList<int> reported;
    grid->OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { reported = {L, T, R, B}; };
    grid->FocusCell(2, 2);
    press(VK_RIGHT, ssShift);
    press(VK_DOWN, ssShift);
    const TGridRect s = grid->Selection();
    EXPECT_EQ((QList<int>{s.Left, s.Top, s.Right, s.Bottom}), (QList<int>{2, 2, 3, 3}));
    EXPECT_EQ(reported, (QList<int>{2, 2, 3, 3}));
}

}  // namespace

namespace {

TEST_F(GridKeys, AppendingUnderAFloatingFooterKeepsTheFooterLast) {
    grid->FloatingFooter().SetFooterStyle(fsFixedLastRow);
    grid->FloatingFooter().SetVisible(true);
    grid->Navigation().AppendOnArrowDown = true;
    grid->SetCells(2, 7, "total");
    int added = -1;
    grid->OnAutoAddRow = [&](TObject*, int ARow) { added = ARow; };
    grid->FocusCell(2, 6);
    press(VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(2, 8), "total");
    EXPECT_EQ(grid->Cells(2, 7), "");
    EXPECT_EQ(cell(), "2,7");
    EXPECT_EQ(added, 7);
}

}  // namespace
