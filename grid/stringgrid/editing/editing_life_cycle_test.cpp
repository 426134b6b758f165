#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {

using EditingLifeCycle = EditingFixture;

TEST_F(EditingLifeCycle, ATextEditRunsItsEventsInOrder) {
    clickCell(2, 3);
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    EXPECT_TRUE(grid->EditMode());
    typeChar(focused(), 'x');
    EXPECT_EQ(grid->Cells(2, 3), "2:3x");  // the cell follows the typing
    keyPress(focused(), VK_RETURN);
    EXPECT_FALSE(textEditorOpen());
    EXPECT_FALSE(grid->EditMode());
    log << "posted";
    processPosted();
    // The value is in the cell before OnEditingDone; OnEditCellDone waits for the posted message.
    // The focus entering the grid asks the current cell, the click asks the cell, F2 asks it again
    // before it opens the editor, and Enter and the focus coming back ask once more.
    EXPECT_EQ(log, QStringList({"CanEdit 1,1", "CanEdit 2,3", "CanEdit 2,3", "GetEditorType 2,3", "CanEdit 2,3",
                                "EditingDone 2:3x", "CanEdit 2,3", "posted", "EditCellDone 2,3"}));
}

TEST_F(EditingLifeCycle, WaysToStartAnEdit) {
    struct Case {
        const char* name;
        std::function<void()> start;
        QString text;  // the editor's text once open
    };
    const Case cases[] = {
        {"F2", [this]() { keyPress(*grid, VK_F2); }, "1:1"},
        {"Enter", [this]() { keyPress(*grid, VK_RETURN); }, "1:1"},
        {"typing replaces the text", [this]() { typeChar(*grid, 'q'); }, "q"},
        {"a press on the current cell", [this]() { clickCell(1, 1); }, "1:1"},
        {"a double click", [this]() {
             const TRect r = grid->CellRect(1, 1);
             mouseMessage(*grid, WM_LBUTTONDBLCLK, r.Left + 5, r.Top + 5, MK_LBUTTON);
         }, "1:1"},
        {"EditorMode", [this]() { grid->SetEditorMode(true); }, "1:1"},
    };
    for (const Case& c : cases) {
        c.start();
        ASSERT_TRUE(textEditorOpen()) << c.name;
        EXPECT_TRUE(textEditor()->Focused()) << c.name;
        EXPECT_EQ(textEditor()->Text(), c.text) << c.name;
        EXPECT_EQ(log.filter("GetEditorType"), QStringList{"GetEditorType 1,1"}) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(EditingLifeCycle, EscapeWritesBackTheTextTheCellHadWhenTheEditStarted) {
    typeChar(*grid, 'a');
    typeChar(focused(), 'b');
    EXPECT_EQ(grid->Cells(1, 1), "ab");
    keyPress(focused(), VK_ESCAPE);
    EXPECT_FALSE(textEditorOpen());
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
}

TEST_F(EditingLifeCycle, CellsThatOpenNoEditor) {
    struct Case {
        const char* name;
        std::function<void()> setUp;
    };
    const Case cases[] = {
        {"edNone", [this]() { editorOf[{1, 1}] = edNone; }},
        {"read-only cell", [this]() { grid->SetReadOnly(1, 1, true); }},
        {"check box cell", [this]() { grid->AddCheckBox(1, 1, false, false); }},
        {"goEditing off", [this]() { grid->SetOptions(grid->Options() & ~goEditing); }},
        {"OnCanEditCell refuses", [this]() {
             grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
         }},
    };
    for (const Case& c : cases) {
        c.setUp();
        // Moving onto the cell asks for its permission.
        grid->SetCol(2);
        grid->SetCol(1);
        keyPress(*grid, VK_F2);
        typeChar(*grid, 'z');
        EXPECT_FALSE(textEditorOpen()) << c.name;
        EXPECT_FALSE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->Cells(1, 1), "1:1") << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(EditingLifeCycle, EditingComesBackOnAnEditableCellAfterARefusedOne) {
    grid->SetReadOnly(2, 1, true);
    grid->SetCol(2);
    EXPECT_FALSE(grid->Options() & goEditing);
    grid->SetCol(3);
    EXPECT_TRUE(grid->Options() & goEditing);
    keyPress(*grid, VK_F2);
    EXPECT_TRUE(textEditorOpen());
}

TEST_F(EditingLifeCycle, MovesTheGridRefusesOrRedirects) {
    // The fixed last row of a floating footer takes no selection.
    grid->FloatingFooter().Visible = true;
    grid->SetRow(grid->RowCount() - 1);
    EXPECT_EQ(grid->Row(), 1);
    grid->FloatingFooter().Visible = false;
    // A cell the application calls fixed is not entered.
    grid->OnIsFixedCell = [](TObject*, int ARow, int ACol, bool& IsFixed) { IsFixed = ACol == 3 && ARow == 1; };
    grid->SetCol(3);
    EXPECT_EQ(grid->Col(), 1);
    grid->OnIsFixedCell = nullptr;
    // Column 0 of a grid with nodes belongs to the nodes.
    grid->SetFixedCols(0);
    grid->AddNode(2, 2);
    grid->SetCol(0);
    EXPECT_EQ(grid->Col(), 1);
    // A merged cell is entered at its base cell.
    grid->MergeCells(3, 4, 2, 2);
    grid->SetOptions(grid->Options() & ~goRangeSelect);
    grid->FocusCell(4, 5);
    grid->SetCol(2);
    grid->SetRow(5);
    grid->SetCol(4);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
}

// Walking down, the current cell is never left under the floating footer's panel.
TEST_F(EditingLifeCycle, MovingDownKeepsTheCellClearOfTheFloatingFooter) {
    grid->SetRowCount(30);
    grid->SetBounds(0, 0, 300, 200);
    for (TFooterStyle style : {fsFixedLastRow, fsColumnPreview}) {
        grid->FloatingFooter().SetFooterStyle(style);
        grid->FloatingFooter().SetVisible(true);
        grid->SetTopRow(1);
        grid->SetRow(1);
        const int panelTop = grid->ClientRect().Bottom - grid->FloatingFooter().Height + 2;
        // Row 29 is the footer row of the last-row style; the view's own range ends there too.
        for (int r = 2; r <= 28; ++r) {
            keyPress(*grid, VK_DOWN);
            ASSERT_EQ(grid->Row(), r) << style;
            EXPECT_LE(grid->CellRect(grid->Col(), r).Bottom, panelTop) << style << " row " << r;
        }
    }
}

TEST_F(EditingLifeCycle, TheSelectionListenerHearsOfEveryMoveUntilDropped) {
    struct Listener : ITExStringGridSelect {
        std::vector<std::pair<int, int>> calls;
        void CellSelected(int ACol, int ARow) override { calls.emplace_back(ACol, ARow); }
    } first, second;
    grid->RegisterSelListener(&first);
    grid->SetRow(3);
    // A new listener takes the place of the first.
    grid->RegisterSelListener(&second);
    grid->SetCol(2);
    grid->SetRow(4);
    // Dropping any listener drops the one held.
    grid->UnRegisterSelListener(&first);
    grid->SetRow(5);
    EXPECT_EQ(first.calls, (std::vector<std::pair<int, int>>{{1, 3}}));
    // The column is the current one when the move is asked.
    EXPECT_EQ(second.calls, (std::vector<std::pair<int, int>>{{1, 3}, {2, 4}}));
}

TEST_F(EditingLifeCycle, EditCellDoneReportsTheRealColumn) {
    grid->HideColumn(1);
    // Display column 1 is real column 2.
    keyPress(*grid, VK_F2);
    typeChar(focused(), '!');
    keyPress(focused(), VK_RETURN);
    processPosted();
    EXPECT_EQ(grid->AllCells(2, 1), "2:1!");
    EXPECT_EQ(log.last(), "EditCellDone 2,1");
}

TEST_F(EditingLifeCycle, EditOnDblClickOnlySwitchesEditingOffAfterTheEdit) {
    keyPress(*grid, VK_F2);
    grid->MouseActions().SetEditOnDblClickOnly(true);
    keyPress(focused(), VK_RETURN);
    processPosted();
    EXPECT_FALSE(grid->Options() & goEditing);
    // Moving onto a cell opens nothing.
    grid->SetCol(3);
    typeChar(*grid, 'a');
    EXPECT_FALSE(textEditorOpen());
}

TEST_F(EditingLifeCycle, AGridDestroyedDuringAnEditKeepsWhatWasTyped) {
    // The text kind writes as the user types; edValidChars only when the edit ends.
    grid->ValidChars = "xyz";
    editorOf[{1, 1}] = edValidChars;
    keyPress(*grid, VK_F2);
    typeChar(focused(), 'y');
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
    QString written;
    grid->OnEditingDone = [&](TObject*) { written = grid->Cells(1, 1); };
    delete grid;
    grid = nullptr;
    EXPECT_EQ(written, "1:1y");
}

TEST_F(EditingLifeCycle, AClickThatStartsTheTextEditorPutsItsCaretUnderThePointer) {
    for (const bool caretPositioning : {true, false}) {
        grid->MouseActions().CaretPositioning = caretPositioning;
        grid->SetCells(1, 1, "123456");
        const TRect r = grid->CellRect(1, 1);
        click(*grid, r.Left + 12, (r.Top + r.Bottom) / 2);
        processPosted();
        ASSERT_TRUE(textEditorOpen()) << caretPositioning;
        auto& edit = dynamic_cast<TCustomEdit&>(focused());
        // Under the pointer, two or three characters in; without, at the end of the text.
        EXPECT_EQ(edit.SelStart() > 0 && edit.SelStart() < 6, caretPositioning) << edit.SelStart();
        EXPECT_EQ(edit.SelLength(), 0);
        EXPECT_FALSE(grid->Private().LButFlg);
        TearDown();
        SetUp();
    }
}

TEST_F(EditingLifeCycle, TheTextEditorOfAVerticallyCentredCellEditsItsLineInTheMiddle) {
    grid->SetRowHeights(1, 40);
    grid->OnGetAlignment = [](TObject*, int, int ACol, TAlignment&, TVAlignment& VAlign) {
        if (ACol == 2) VAlign = vtaCenter;
    };
    auto textTop = [this] {
        TRect r;
        textEditor()->Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
        return r.Top;
    };
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    EXPECT_EQ(textTop(), 3) << "a top-aligned cell";
    keyPress(focused(), VK_ESCAPE);
    grid->SetCol(2);
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    const int top = textTop();
    EXPECT_GT(top, 10);
    EXPECT_LT(top, 20);
}

TEST_F(EditingLifeCycle, TheTextEditorOfAWordWrapGridBreaksLongLines) {
    grid->WordWrap = true;
    grid->SetRowHeights(1, 70);
    grid->SetCells(1, 1, "alpha beta gamma delta epsilon zeta eta theta iota kappa");
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    const QImage image = renderToImage(*textEditor());
    const QColor paper = image.pixelColor(1, 1);
    int ink = 0;
    for (int y = image.height() / 2; y < image.height() - 2; ++y)
        for (int x = 3; x < image.width() - 3; ++x) ink += image.pixelColor(x, y) != paper;
    EXPECT_GT(ink, 0) << "the text goes on in the lines below";
}

}  // namespace
