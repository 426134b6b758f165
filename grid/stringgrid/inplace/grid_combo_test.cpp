#include "grid/stringgrid/inplace/grid_combo.h"

#include "grid/stringgrid/inplace/control_editors_fixture.h"
#include "platform/graphics/canvas.h"

namespace {

class ComboEditorTest : public ControlEditorFixture {
protected:
    // The combo as a window fills it in OnGetEditorType, shown over the cell.
    TGridCombo& open(TComboBoxStyle Style, int ACol = 2, int ARow = 3) {
        grid->ClearComboString();
        for (const char* item : {"red", "green", "blue"}) grid->AddComboString(item);
        TGridCombo& combo = *grid->Combobox();
        combo.SetStyle(Style);
        if (Style == csDropDownList) combo.SetItemIndex(static_cast<int>(combo.Items().indexOf(grid->Cells(ACol, ARow))));
        else combo.SetText(grid->Cells(ACol, ARow));
        return showOver(combo, Style == csDropDownList ? edComboList : edComboEdit, ACol, ARow);
    }
};

TEST_F(ComboEditorTest, WindowsFillTheGridsOneCombo) {
    TGridCombo* combo = grid->Combobox();
    EXPECT_EQ(grid->Combobox(), combo);
    EXPECT_EQ(combo->Parent(), grid);
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(combo->ButtonWidth(), 16);
    TObject marker;
    grid->AddComboString("");
    grid->AddComboString("one");
    grid->AddComboStringObject("two", &marker);
    EXPECT_EQ(combo->Items(), (QStringList{"", "one", "two"}));
    EXPECT_EQ(combo->Objects(2), &marker);
    EXPECT_EQ(combo->Objects(1), nullptr);
    EXPECT_TRUE(grid->RemoveComboString("one"));
    EXPECT_FALSE(grid->RemoveComboString("one"));
    EXPECT_EQ(combo->Objects(1), &marker);
    grid->ClearComboString();
    EXPECT_TRUE(combo->Items().isEmpty());
    EXPECT_EQ(combo->Objects(0), nullptr);
}

TEST_F(ComboEditorTest, ComboIndexReadsAndWritesACellThroughTheItemsTheEventGives) {
    std::vector<std::pair<int, int>> asked;
    grid->OnGetEditorProp = [&](TObject*, int ACol, int ARow, TEditLink*) {
        asked.emplace_back(ACol, ARow);
        grid->ClearComboString();
        for (const char* item : {"red", "green", "blue"}) grid->AddComboString(item);
    };
    grid->SetCells(2, 3, "green");
    EXPECT_EQ(grid->ComboIndex(2, 3), 1);
    EXPECT_EQ(grid->GetComboCount(), 3);
    EXPECT_EQ(grid->ComboIndex(2, 4), -1);
    grid->SetComboIndex(2, 4, 2);
    EXPECT_EQ(grid->Cells(2, 4), "blue");
    grid->SetComboIndex(2, 4, 7);
    EXPECT_EQ(grid->Cells(2, 4), "blue");
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 3}, {2, 4}, {2, 4}, {2, 4}}));
}

TEST_F(ComboEditorTest, ListStyleLeftAndRightCloseTheEditorAndMove) {
    grid->SetCells(2, 3, "green");
    keyDown(open(csDropDownList), VK_RIGHT);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_FALSE(state().EditMode);
    grid->SetCells(3, 3, "blue");
    keyDown(open(csDropDownList, 3, 3), VK_LEFT);
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(ComboEditorTest, EditStyleLeftAtTheStartWalksOnlyWithCursorWalkEditor) {
    TGridCombo& combo = open(csDropDown);
    combo.SetSelStart(0);
    keyPress(combo, VK_LEFT);
    EXPECT_EQ(grid->Col(), 2);
    grid->Navigation().CursorWalkEditor = true;
    TGridCombo& walking = open(csDropDown);
    walking.SetSelStart(0);
    keyPress(walking, VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(ComboEditorTest, UpWithoutComboGetUpDownClosesAndMovesUpLeavingThatCellAlone) {
    grid->Navigation().ComboGetUpDown = false;
    TGridCombo& combo = open(csDropDown);
    combo.SetText("typed");
    keyDown(combo, VK_UP);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(2, 2), "2:2");
    EXPECT_TRUE(grid->Focused());
}

TEST_F(ComboEditorTest, EnterWritesTheCellAndARefusalShowsTheValidatorsText) {
    grid->SetCells(2, 3, "green");
    TGridCombo& combo = open(csDropDownList);
    combo.SetItemIndex(2);
    keyDown(combo, VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 3), "blue");
    EXPECT_EQ(combo.ItemIndex(), 2);

    grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) {
        Valid = false;
        Value = "proposed";
    };
    TGridCombo& edit = open(csDropDown);
    edit.SetText("wrong");
    keyDown(edit, VK_RETURN);
    EXPECT_EQ(edit.Text(), "proposed");
    EXPECT_EQ(edit.SelLength(), static_cast<int>(edit.Text().size()));
    EXPECT_TRUE(state().FNoAutoAdvance);
    EXPECT_TRUE(edit.Focused());
}

TEST_F(ComboEditorTest, EscapeTakesBackTheCellTextAndItsItem) {
    grid->SetCells(2, 3, "red");
    TGridCombo& combo = open(csDropDownList);
    combo.SetItemIndex(1);
    keyDown(combo, VK_ESCAPE);
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(grid->Cells(2, 3), "red");
    EXPECT_TRUE(grid->Focused());
}

TEST_F(ComboEditorTest, LookupCompletesFromTheItemsAndBackspaceDoesNotCompleteAgain) {
    grid->Lookup = true;
    grid->SetCells(2, 3, "");
    TGridCombo& combo = open(csDropDown);
    keyDown(combo, 'G', 0, "g");
    keyUp(combo, 'G');
    EXPECT_EQ(combo.Text(), "green");
    EXPECT_EQ(combo.SelStart(), 1);
    EXPECT_EQ(combo.SelLength(), 4);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_TRUE(combo.ItemChange);
    keyDown(combo, VK_BACK, 0, "\b");
    keyUp(combo, VK_BACK);
    EXPECT_EQ(combo.Text(), "g");
}

TEST_F(ComboEditorTest, SelectionChangesReportTheRealColumnTheItemAndItsObject) {
    TObject marker;
    grid->HideColumn(1);  // display column 2 is real column 3
    QStringList events;
    grid->OnComboChange = [&](TObject*, int ACol, int ARow, int Index, QString Selection) {
        events << QStringLiteral("change %1,%2 %3 %4").arg(ACol).arg(ARow).arg(Index).arg(Selection);
    };
    grid->OnComboObjectChange = [&](TObject*, int, int, int, QString, TObject* AObject) {
        events << (AObject == &marker ? "object" : "no object");
    };
    TGridCombo& combo = open(csDropDownList);
    grid->AddComboStringObject("white", &marker);
    combo.SetItemIndex(2);
    combo.Perform(WM_MOUSEWHEEL, MakeWParam(0, -120));
    EXPECT_EQ(combo.ItemIndex(), 3);
    combo.Perform(WM_MOUSEWHEEL, MakeWParam(0, -120));
    EXPECT_EQ(combo.ItemIndex(), 3);
    EXPECT_EQ(events, (QStringList{"change 3,3 3 white", "object", "change 3,3 3 white", "object"}));
}

// A pick in the dropped list, by the mouse or the arrow keys, is reported once; the windows
// fill the rest of the row from it.
TEST_F(ComboEditorTest, EveryPickInTheListIsReportedOnce) {
    QStringList events;
    grid->OnComboChange = [&](TObject*, int, int, int Index, QString Selection) {
        events << QStringLiteral("%1 %2").arg(Index).arg(Selection);
    };
    grid->SetCells(2, 3, "red");
    TGridCombo& combo = open(csDropDownList);
    combo.SetDroppedDown(true);
    combo.PickItem(2);
    combo.CloseUp(true);
    EXPECT_EQ(events, QStringList{"2 blue"});
    combo.SetDroppedDown(true);
    keyDown(combo, VK_UP);
    EXPECT_EQ(events, (QStringList{"2 blue", "1 green"}));
    combo.CloseUp(true);
    EXPECT_EQ(events.size(), 2);
}

// The grid hears of the list opening and closing (row, real column); with DirectComboClose the
// close-up also commits the picked item and ends the edit.
TEST_F(ComboEditorTest, DropDownAndCloseUpAreReportedAndADirectCloseCommits) {
    grid->HideColumn(1);  // display column 2 is real column 3
    QStringList events;
    grid->OnComboDropDown = [&](TObject*, int ARow, int ACol) {
        events << QStringLiteral("drop %1,%2").arg(ACol).arg(ARow);
    };
    grid->OnComboCloseUp = [&](TObject*, int ARow, int ACol) {
        events << QStringLiteral("close %1,%2 %3").arg(ACol).arg(ARow).arg(grid->Cells(3, 3));
    };
    grid->OnComboChange = [&](TObject*, int, int, int Index, QString Selection) {
        events << QStringLiteral("change %1 %2").arg(Index).arg(Selection);
    };
    grid->SetCells(3, 3, "red");
    TGridCombo& combo = open(csDropDownList);
    combo.SetDroppedDown(true);
    combo.SetDroppedDown(false);
    EXPECT_EQ(events, (QStringList{"drop 3,3", "close 3,3 red"}));
    EXPECT_TRUE(grid->EditMode());

    events.clear();
    grid->MouseActions().DirectComboClose = true;
    combo.SetDroppedDown(true);
    combo.PickItem(2);
    combo.CloseUp(true);
    EXPECT_EQ(events, (QStringList{"drop 3,3", "change 2 blue", "change 2 blue", "close 3,3 blue"}));
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(combo.Visible());
    EXPECT_TRUE(grid->Focused());
}

TEST_F(ComboEditorTest, ReturnKeyEventAndTheGridsKeyPressSeeTypedCharacters) {
    QString pressed;
    bool returned = false;
    grid->OnKeyPress = [&](TObject* Sender, QChar& Key) {
        EXPECT_EQ(Sender, grid->Combobox());
        pressed += Key;
    };
    TGridCombo& combo = open(csDropDown);
    combo.OnReturnKey = [&](TObject*) { returned = true; };
    typeChar(combo, QChar('x'));
    typeChar(combo, QChar('\r'));
    EXPECT_EQ(pressed, "x\r");
    EXPECT_TRUE(returned);
}

TEST_F(ComboEditorTest, DropDownWidthLeavesRoomForTheScrollBar) {
    const QString wide = QStringLiteral("a rather long item of the list");
    TGridCombo& combo = *grid->Combobox();
    combo.SetBounds(0, 0, 60, 20);
    combo.DropDownCount = 8;
    const int textWidth = grid->Canvas().TextWidth(wide);
    QStringList items{wide};
    for (int i = 0; i < 7; ++i) items << "x";
    combo.SetItems(items);
    combo.SizeDropDownWidth();
    EXPECT_EQ(combo.Perform(CB_GETDROPPEDWIDTH), textWidth + 8);
    items << "y" << "z";
    combo.SetItems(items);
    combo.SizeDropDownWidth();
    EXPECT_EQ(combo.Perform(CB_GETDROPPEDWIDTH), textWidth + 25);
}

}  // namespace
