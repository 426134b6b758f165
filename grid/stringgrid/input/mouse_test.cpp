#include "grid/stringgrid/input/input_fixture.h"
#include "platform/controls/popup_menu.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/filter/drop_lists.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "platform/core/string_list.h"
#include "platform/graphics/canvas.h"

namespace {

class GridMouse : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { note(QStringLiteral("ClickCell %1,%2").arg(ACol).arg(ARow)); };
    }
    void doubleClick(int X, int Y) {
        mouseMessage(*grid, WM_LBUTTONDOWN, X, Y, MK_LBUTTON);
        mouseMessage(*grid, WM_LBUTTONUP, X, Y);
        mouseMessage(*grid, WM_LBUTTONDBLCLK, X, Y, MK_LBUTTON);
        mouseMessage(*grid, WM_LBUTTONUP, X, Y);
    }
    void ctrlClick(int ACol, int ARow) {
        const TPoint p = middle(ACol, ARow);
        mouseMessage(*grid, WM_LBUTTONDOWN, p.X, p.Y, MK_LBUTTON | MK_CONTROL);
        mouseMessage(*grid, WM_LBUTTONUP, p.X, p.Y, MK_CONTROL);
    }
    void rightClick(int X, int Y) {
        mouseMessage(*grid, WM_RBUTTONDOWN, X, Y, MK_RBUTTON);
        mouseMessage(*grid, WM_RBUTTONUP, X, Y);
    }
    // Column 1 of the normal rows, top to bottom.
    QString column1() const {
        QStringList out;
        for (int r = 1; r < grid->RowCount(); ++r) out << grid->Cells(1, r);
        return out.join(' ');
    }
};

TEST_F(GridMouse, AClickSelectsTheCellAndReportsIt) {
    clickCell(3, 4);
    EXPECT_EQ(cell(), "3,4");
    EXPECT_EQ(log, QStringList{"ClickCell 3,4"});
}

TEST_F(GridMouse, AReleaseOnAHeaderCellIsAClickUnlessItEndsASizing) {
    grid->OnClick = [this](TObject*) { note("Click"); };
    clickCell(2, 0);
    clickCell(0, 3);
    EXPECT_EQ(log.filter("Click"), (QStringList{"ClickCell 2,0", "Click", "ClickCell 0,3", "Click"}));

    log.clear();
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect h = grid->CellRect(2, 0);
    mouseMessage(*grid, WM_MOUSEMOVE, h.Right, 10);
    mouseMessage(*grid, WM_LBUTTONDOWN, h.Right, 10, MK_LBUTTON);
    mouseMessage(*grid, WM_MOUSEMOVE, h.Right + 10, 10, MK_LBUTTON);
    mouseMessage(*grid, WM_LBUTTONUP, h.Right + 10, 10);
    EXPECT_FALSE(log.contains("Click"));
}

TEST_F(GridMouse, ARefusedClickDoesNothing) {
    grid->OnCanClickCell = [](TObject*, int, int, bool& Allow) { Allow = false; };
    grid->FocusCell(1, 1);
    clickCell(3, 4);
    EXPECT_EQ(cell(), "1,1");
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(GridMouse, ACheckBoxTogglesOnAPressWhereItMayBeEdited) {
    grid->AddCheckBox(2, 3, false, false);
    grid->OnCheckBoxChange = [this](TObject*, int, int, bool State) { note(QStringLiteral("Change %1").arg(State)); };
    grid->OnCheckBoxClick = [this](TObject*, int ACol, int ARow, bool State) {
        note(QStringLiteral("CheckClick %1,%2 %3").arg(ACol).arg(ARow).arg(State));
    };
    grid->OnCheckBoxMouseUp = [this](TObject*, int, int, bool State) { note(QStringLiteral("MouseUp %1").arg(State)); };
    grid->OnClick = [this](TObject*) { note("Click"); };

    clickCell(2, 3);
    bool state = true;
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_FALSE(state) << "a grid without editing leaves the box alone";

    log.clear();
    grid->SetOptions(grid->Options() | goEditing);
    clickCell(2, 3);
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_TRUE(state);
    EXPECT_EQ(cell(), "2,3");
    EXPECT_EQ(log, (QStringList{"Change 1", "CheckClick 2,3 1", "Click", "MouseUp 1"}));

    grid->SetOptions(grid->Options() & ~goEditing);
    grid->ControlLook().CheckAlwaysActive = true;
    clickCell(2, 3);
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_FALSE(state);
}

// Leaving a read-only cell for a check box: the first press toggles it, as any press does.
TEST_F(GridMouse, ACheckBoxTogglesOnTheFirstPressComingFromAReadOnlyCell) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddCheckBox(2, 3, false, false);
    grid->SetReadOnly(1, 3, true);
    clickCell(1, 3);
    clickCell(2, 3);
    bool state = false;
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_TRUE(state);
    EXPECT_EQ(cell(), "2,3");
}

TEST_F(GridMouse, ARadioButtonPressChecksItAlone) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddRadioButtonColumn(2);
    int clicked = -1;
    grid->OnRadioButtonClick = [&](TObject*, int, int ARow) { clicked = ARow; };
    clickCell(2, 4);
    clickCell(2, 5);
    EXPECT_EQ(clicked, 5);
    EXPECT_FALSE(grid->IsRadioButtonChecked(2, 4));
    EXPECT_TRUE(grid->IsRadioButtonChecked(2, 5));
}

TEST_F(GridMouse, AClickOnARadioGroupChoosesTheOptionUnderThePointer) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetRowHeights(3, 60);
    grid->SetColWidths(2, 200);
    for (TStringList* options : {grid->CreateRadio(2, 3, 0, 0), grid->CreateRadio(3, 4, 1, -1)})
        for (const char* text : {"one", "two", "three"}) options->Add(text);
    QStringList clicks;
    grid->OnRadioClick = [&](TObject*, int ACol, int ARow, int AIdx) {
        clicks << QStringLiteral("%1,%2:%3").arg(ACol).arg(ARow).arg(AIdx);
    };
    // Options under each other take a line each, beside each other their text and button.
    const int line = std::max(16, grid->Canvas().TextHeight("gh"));
    const TRect down = grid->CellRect(2, 3);
    click(*grid, down.Left + 5, down.Top + line * 2 + line / 2);
    int idx = -1;
    EXPECT_TRUE(grid->GetRadioIdx(2, 3, idx));
    EXPECT_EQ(idx, 2);
    EXPECT_EQ(cell(), "2,3");

    const TRect across = grid->CellRect(3, 4);
    click(*grid, across.Left + grid->Canvas().TextWidth("one") + 16 + 3, across.Top + 5);
    EXPECT_EQ(grid->Cells(3, 4), "two");
    EXPECT_EQ(clicks, (QStringList{"2,3:2", "3,4:1"}));
    EXPECT_TRUE(log.filter("ClickCell").isEmpty());

    grid->SetOptions(grid->Options() & ~goEditing);
    click(*grid, down.Left + 5, down.Top + line / 2);
    EXPECT_EQ(clicks.size(), 2) << "a group that may not be edited keeps its choice";
}

class HeaderSorting : public GridMouse {
protected:
    void SetUp() override {
        GridMouse::SetUp();
        const char* values[] = {"c", "a", "d", "b", "f", "e", "g"};
        for (int r = 1; r < 8; ++r) grid->SetCells(1, r, values[r - 1]);
        grid->SortSettings().Show = true;
        grid->OnClickSort = [this](TObject*, int ACol) { note(QStringLiteral("Sort %1").arg(ACol)); };
    }
};

TEST_F(HeaderSorting, ClicksSortUpThenDownAndUndoRestores) {
    grid->SortSettings().UndoSort = true;
    clickCell(1, 0);
    EXPECT_EQ(column1(), "a b c d e f g");
    clickCell(1, 0);
    EXPECT_EQ(column1(), "g f e d c b a");
    clickCell(1, 0);
    EXPECT_EQ(column1(), "c a d b f e g");
    EXPECT_EQ(grid->SortSettings().Column, -1);
    EXPECT_EQ(log.filter("Sort"), (QStringList{"Sort 1", "Sort 1", "Sort -1"}));
}

// With AutoColumnMerge the merged columns are merged again by their sorted content.
TEST_F(HeaderSorting, AutoColumnMergeMergesTheSortedColumnsAgain) {
    const char* kinds[] = {"x", "x", "y", "y", "x", "x", "y"};
    for (int r = 1; r < 8; ++r) grid->SetCells(2, r, kinds[r - 1]);
    grid->MergeColumnCells(2, true);
    ASSERT_TRUE(grid->IsMergedCell(2, 1));
    grid->MergedColumns().Add(2);
    grid->SortSettings().AutoColumnMerge = true;
    clickCell(1, 0);
    EXPECT_EQ(column1(), "a b c d e f g");
    // Now x y x y x x y: only rows 5 and 6 share a text.
    for (int r = 1; r < 8; ++r) EXPECT_EQ(grid->IsMergedCell(2, r), r == 5 || r == 6) << "row " << r;
    EXPECT_EQ(grid->CellSpan(2, 5).Y, 1);
}

TEST_F(HeaderSorting, ClicksThatDoNotSort) {
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect h = grid->CellRect(1, 0);
    click(*grid, h.Right - 2, 10);
    EXPECT_EQ(column1(), "c a d b f e g") << "a click on the border sizes";

    grid->IgnoreColumns().Add(1);
    clickCell(1, 0);
    EXPECT_EQ(column1(), "c a d b f e g");
    grid->IgnoreColumns().Clear();

    bool allow = false;
    grid->OnCanSort = [&](TObject*, int, bool& DoSort) { DoSort = allow; };
    clickCell(1, 0);
    EXPECT_EQ(column1(), "c a d b f e g");

    grid->SetRowCount(2);
    allow = true;
    clickCell(1, 0);
    EXPECT_EQ(grid->Cells(1, 1), "c") << "two rows never sort";
}

TEST_F(HeaderSorting, IndexSortingAddsColumnsWithItsKeyAndFlipsTheOnlyOne) {
    const char* second[] = {"2", "1", "2", "1", "2", "1", "2"};
    for (int r = 1; r < 8; ++r) grid->SetCells(2, r, second[r - 1]);
    grid->SortSettings().IndexShow = true;
    auto headerClick = [&](int ACol, intptr_t keys) {
        const TPoint at = middle(ACol, 0);
        mouseMessage(*grid, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON | keys);
        mouseMessage(*grid, WM_LBUTTONUP, at.X, at.Y, keys);
    };
    QStringList rows;
    auto table = [&] {
        rows.clear();
        for (int r = 1; r < 8; ++r) rows << grid->Cells(2, r) + grid->Cells(1, r);
        return rows.join(' ');
    };
    headerClick(2, 0);
    EXPECT_EQ(grid->SortIndexes().SaveToString(), "u2");
    headerClick(1, MK_SHIFT);
    EXPECT_EQ(table(), "1a 1b 1e 2c 2d 2f 2g");
    headerClick(1, MK_SHIFT);
    EXPECT_EQ(table(), "1e 1b 1a 2g 2f 2d 2c");
    EXPECT_EQ(grid->SortSettings().Column, 2);
    // A plain click leaves the clicked column alone in the list; a second one flips it.
    headerClick(1, 0);
    EXPECT_EQ(grid->SortIndexes().SaveToString(), "u1");
    headerClick(1, 0);
    EXPECT_EQ(grid->SortIndexes().SaveToString(), "d1");
    EXPECT_EQ(column1(), "g f e d c b a");
    EXPECT_EQ(grid->SortSettings().Column, 1);
}

TEST_F(HeaderSorting, DoubleClickOnAHeaderBorderFitsTheColumnWithoutSorting) {
    grid->SetOptions(grid->Options() | goColSizing);
    grid->SetCells(2, 3, "a text far wider than sixty pixels");
    grid->OnColumnSize = [this](TObject*, int ACol, bool&) { note(QStringLiteral("Size %1").arg(ACol)); };
    grid->OnEndColumnSize = [this](TObject*, int ACol) { note(QStringLiteral("EndSize %1").arg(ACol)); };
    const TRect h = grid->CellRect(2, 0);
    doubleClick(h.Right, 10);
    EXPECT_GT(grid->ColWidths(2), 60);
    // The press asks whether it may size, the double click whether it may fit.
    EXPECT_EQ(log.filter("Size"), (QStringList{"Size 2", "Size 2", "EndSize 2"}));
    EXPECT_TRUE(log.filter("Sort").isEmpty());

    log.clear();
    grid->SetColWidths(2, 60);
    grid->OnColumnSize = [](TObject*, int, bool& Allow) { Allow = false; };
    doubleClick(h.Right, 10);
    EXPECT_EQ(grid->ColWidths(2), 60);
    EXPECT_TRUE(log.filter("EndSize").isEmpty());
}

TEST_F(GridMouse, DoubleClickOnACellReportsItAfterOnDblClick) {
    grid->OnDblClick = [this](TObject*) { note("DblClick"); };
    grid->OnDblClickCell = [this](TObject*, int ARow, int ACol) { note(QStringLiteral("DblClickCell %1,%2").arg(ACol).arg(ARow)); };
    const TPoint p = middle(3, 2);
    doubleClick(p.X, p.Y);
    EXPECT_EQ(log.filter("Dbl"), (QStringList{"DblClick", "DblClickCell 3,2"}));
}

TEST_F(GridMouse, DoubleClickBelowTheLastRowIsReportedAsRowMinusOne) {
    grid->SetRowCount(3);
    int reportedRow = 0;
    grid->OnDblClickCell = [&](TObject*, int ARow, int) { reportedRow = ARow; };
    const TRect last = grid->CellRect(2, 2);
    doubleClick(last.Left + 5, last.Bottom + 20);
    EXPECT_EQ(reportedRow, -1);
}

TEST_F(GridMouse, RightClickSelectsWithSelectOnRightClick) {
    QStringList right;
    grid->FocusCell(1, 1);
    const TPoint p = middle(4, 5);
    rightClick(p.X, p.Y);
    EXPECT_EQ(cell(), "1,1");

    grid->MouseActions().SelectOnRightClick = true;
    rightClick(p.X, p.Y);
    EXPECT_EQ(cell(), "4,5");

    grid->OnRightClickCell = [&](TObject*, int ARow, int ACol) { right << QStringLiteral("%1,%2").arg(ACol).arg(ARow); };
    const TPoint q = middle(2, 3);
    rightClick(q.X, q.Y);
    EXPECT_EQ(cell(), "2,3");
    EXPECT_TRUE(log.isEmpty());
    rightClick(490, 290);
    EXPECT_EQ(right, (QStringList{"2,3", "-1,-1"}));
}

// A right click on one of several marked rows keeps them all for the grid's pop-up menu.
TEST_F(GridMouse, RightClickKeepsTheMarkedRowsForThePopupMenu) {
    grid->MouseActions().SelectOnRightClick = true;
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->OnRightClickCell = [](TObject*, int, int) {};
    auto marked = [this] {
        QList<int> rows;
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->RowSelect(r)) rows << r;
        return rows;
    };
    auto markTwoToFour = [this] {
        grid->ClearRowSelect();
        for (int r : {2, 3, 4}) grid->SetRowSelect(r, true);
    };
    TPopupMenu menu(nullptr);
    grid->PopupMenu = &menu;
    markTwoToFour();
    rightClick(middle(2, 3).X, middle(2, 3).Y);
    EXPECT_EQ(marked(), (QList<int>{2, 3, 4}));
    rightClick(middle(2, 6).X, middle(2, 6).Y);
    EXPECT_EQ(marked(), QList<int>{6}) << "an unmarked row takes the mark alone";

    grid->PopupMenu = nullptr;
    markTwoToFour();
    rightClick(middle(2, 3).X, middle(2, 3).Y);
    EXPECT_EQ(marked(), QList<int>{3}) << "without a menu there is nothing to keep them for";
}

TEST_F(GridMouse, HoveredFixedCellsFollowThePointerAndClearOnLeaving) {
    struct Case {
        THoverFixedCells mode;
        bool header, rowHeader, normal;
    };
    const Case cases[] = {
        {hfNone, false, false, false},
        {hfAll, true, true, false},
        {hfFixedRows, true, false, false},
        {hfFixedColumns, false, true, false},
    };
    for (const Case& c : cases) {
        grid->HoverFixedCells = c.mode;
        EXPECT_EQ(grid->IsHoverFixedCell(2, 0), c.header);
        EXPECT_EQ(grid->IsHoverFixedCell(0, 2), c.rowHeader);
        EXPECT_EQ(grid->IsHoverFixedCell(2, 2), c.normal);
    }
    grid->HoverFixedCells = hfFixedRows;
    const TPoint p = middle(2, 0);
    mouseMove(*grid, p.X, p.Y);
    EXPECT_EQ(grid->Private().FHoverFixedX, 2);
    EXPECT_EQ(grid->Private().FHoverFixedY, 0);
    grid->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(grid->Private().FHoverFixedX, -1);
}

TEST_F(GridMouse, TheRowUnderThePointerTakesTheHoverColourUntilThePointerLeaves) {
    grid->HoverRow = true;
    grid->HoverRowColor = clRed;
    auto redAt = [&](int ARow) {
        const TRect r = grid->CellRect(3, ARow);
        return renderToImage(*grid).pixelColor(r.Left + 3, r.Top + 3) == QColor(Qt::red);
    };
    const TPoint over3 = middle(2, 3), over5 = middle(4, 5);
    mouseMove(*grid, over3.X, over3.Y);
    EXPECT_TRUE(redAt(3));
    mouseMove(*grid, over5.X, over5.Y);
    EXPECT_FALSE(redAt(3));
    EXPECT_TRUE(redAt(5));
    grid->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(redAt(5));
}

TEST_F(GridMouse, CellHintsComeFromOnGridHintBelowTheCell) {
    grid->OnGridHint = [](TObject*, int ARow, int ACol, QString& hint) { hint = QStringLiteral("hint %1,%2").arg(ACol).arg(ARow); };
    const TPoint p = middle(3, 2);
    QString hint;
    TPoint at;
    TColor color = clNone;
    ASSERT_TRUE(grid->PrepareCellHint(p, hint, at, color));
    EXPECT_EQ(hint, "hint 3,2");
    EXPECT_EQ(at.X, p.X);
    EXPECT_EQ(at.Y, grid->CellRect(3, 2).Bottom + 6);
    EXPECT_EQ(color, grid->HintColor);

    // A merged cell answers with its base cell.
    grid->MergeCells(3, 4, 2, 1);
    ASSERT_TRUE(grid->PrepareCellHint(middle(4, 4), hint, at, color));
    EXPECT_EQ(hint, "hint 3,4");

    grid->HintShowLargeText = true;
    grid->OnGridHint = nullptr;
    grid->SetCells(2, 6, "a text much wider than its column of sixty pixels");
    hint.clear();
    ASSERT_TRUE(grid->PrepareCellHint(middle(2, 6), hint, at, color));
    EXPECT_EQ(hint, "a text much wider than its column of sixty pixels");
    EXPECT_EQ(at.X, grid->CellRect(2, 6).Left);
}

}  // namespace

namespace {

class GridDrags : public GridMouse {
protected:
    void drag(int X1, int Y1, int X2, int Y2) {
        mouseMessage(*grid, WM_MOUSEMOVE, X1, Y1);
        mouseMessage(*grid, WM_LBUTTONDOWN, X1, Y1, MK_LBUTTON);
        mouseMessage(*grid, WM_MOUSEMOVE, (X1 + X2) / 2, (Y1 + Y2) / 2, MK_LBUTTON);
        mouseMessage(*grid, WM_MOUSEMOVE, X2, Y2, MK_LBUTTON);
        mouseMessage(*grid, WM_LBUTTONUP, X2, Y2);
    }
};

TEST_F(GridDrags, DraggingAHeaderBorderSizesTheColumnWithoutSortingOrClicking) {
    grid->SetOptions(grid->Options() | goColSizing);
    grid->SortSettings().Show = true;
    QList<int> sizing;
    grid->OnColumnSizing = [&](TObject*, int ACol, int Size) { sizing << ACol << Size; };
    const TRect h = grid->CellRect(2, 0);
    drag(h.Right, 10, h.Right + 40, 10);
    EXPECT_EQ(grid->ColWidths(2), 100);
    EXPECT_EQ(grid->ColWidths(3), 60);
    EXPECT_EQ(grid->SortSettings().Column, -1);
    EXPECT_TRUE(log.isEmpty());
    ASSERT_GE(sizing.size(), 2);
    EXPECT_EQ(sizing.first(), 2);
}

TEST_F(GridDrags, DraggingARowBorderInTheFixedColumnSizesTheRow) {
    grid->SetOptions(grid->Options() | goRowSizing);
    const TRect r = grid->CellRect(0, 3);
    drag(20, r.Bottom, 20, r.Bottom + 15);
    EXPECT_EQ(grid->RowHeights(3), 35);
}

TEST_F(GridDrags, TheSizeEventsMayRefuseASizingByTheBorder) {
    grid->SetOptions(grid->Options() | goColSizing | goRowSizing);
    QList<int> asked;
    grid->OnColumnSize = [&](TObject*, int ACol, bool& Allow) { asked << ACol; Allow = ACol != 2; };
    grid->OnRowSize = [&](TObject*, int ARow, bool& Allow) { asked << -ARow; Allow = false; };
    const TRect h2 = grid->CellRect(2, 0), h3 = grid->CellRect(3, 0), r3 = grid->CellRect(0, 3);
    drag(h2.Right, 10, h2.Right + 40, 10);
    EXPECT_EQ(grid->ColWidths(2), 60);
    drag(h3.Right, 10, h3.Right + 40, 10);
    EXPECT_EQ(grid->ColWidths(3), 100);
    drag(20, r3.Bottom, 20, r3.Bottom + 15);
    EXPECT_EQ(grid->RowHeights(3), 20);
    // The cursor asks on the way too, so each column may be asked more than once.
    EXPECT_EQ(asked.indexOf(2), 0);
    EXPECT_GT(asked.indexOf(3), asked.lastIndexOf(2));
    EXPECT_TRUE(asked.contains(-3));
}

TEST_F(GridDrags, DraggingAHeaderMovesTheColumnAndTheSortFollows) {
    grid->SetOptions(grid->Options() | goColMoving);
    grid->SortSettings().Show = true;
    grid->SortSettings().Column = 2;
    const TPoint from = middle(2, 0), to = middle(4, 0);
    drag(from.X, from.Y, to.X, to.Y);
    EXPECT_EQ(grid->Cells(4, 3), "2:3");
    EXPECT_EQ(grid->Cells(2, 3), "3:3");
    EXPECT_EQ(grid->SortSettings().Column, 4);
    EXPECT_EQ(grid->Cells(1, 1), "1:1") << "a move does not sort";

    // A column moved over the sorted one pushes it back.
    const TPoint first = middle(1, 0), last = middle(5, 0);
    drag(first.X, first.Y, last.X, last.Y);
    EXPECT_EQ(grid->SortSettings().Column, 3);
}

}  // namespace

namespace {

TEST_F(HeaderSorting, TheFilterButtonOpensTheValueListAndClosesItAgain) {
    grid->SetFilterDropDownAuto(true);
    const TRect h = grid->CellRect(1, 0);
    click(*grid, h.Right - 8, h.Top + 5);
    TDropList& list = grid->FilterDropList();
    ASSERT_TRUE(list.Visible());
    EXPECT_EQ(list.Items(), (QStringList{"(All)", "a", "b", "c", "d", "e", "f", "g"}));
    EXPECT_EQ(grid->FilterColumn(), 1);
    EXPECT_EQ(column1(), "c a d b f e g") << "the filter button does not sort";
    click(*grid, h.Right - 8, h.Top + 5);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(grid->FilterColumn(), -1);
}

}  // namespace

namespace {

TEST_F(GridMouse, ANodeButtonClickContractsAndARefusalKeepsItOpen) {
    grid->AddNode(2, 3);
    bool allow = false;
    grid->OnBeforeContractNode = [&](TObject*, int, int, bool& Allow) { Allow = allow; };
    grid->OnContractNode = [this](TObject*, int ARow, int) { note(QStringLiteral("Contract %1").arg(ARow)); };
    const TRect r = grid->CellRect(0, 2);
    click(*grid, r.Left + 6, (r.Top + r.Bottom) / 2);
    EXPECT_FALSE(grid->GetNodeState(2));
    EXPECT_EQ(log, QStringList{"ClickCell 0,2"});
    allow = true;
    click(*grid, r.Left + 6, (r.Top + r.Bottom) / 2);
    EXPECT_TRUE(grid->GetNodeState(2));
    EXPECT_EQ(grid->Cells(1, 3), "1:5");
    EXPECT_EQ(log.last(), "Contract 2");
}

TEST_F(GridMouse, DirectEditAndEditOnDoubleClickOnlyOpenTheEditor) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->MouseActions().DirectEdit = true;
    clickCell(3, 4);
    EXPECT_TRUE(grid->EditorMode());
    keyPress(*FocusedControl(), VK_ESCAPE);

    grid->MouseActions().DirectEdit = false;
    grid->MouseActions().SetEditOnDblClickOnly(true);
    grid->SetOptions(grid->Options() & ~goEditing);
    clickCell(2, 2);
    EXPECT_FALSE(grid->EditorMode());
    const TPoint p = middle(2, 2);
    mouseMessage(*grid, WM_LBUTTONDBLCLK, p.X, p.Y, MK_LBUTTON);
    mouseMessage(*grid, WM_LBUTTONUP, p.X, p.Y);
    EXPECT_TRUE(grid->EditorMode());
}

TEST_F(GridMouse, APressOnAlwaysVisibleSpinButtonsStepsTheValueOfTheEditorItOpens) {
    grid->ControlLook().SpinButtonsAlwaysVisible = true;
    grid->DefaultEditor = edSpinEdit;
    grid->MouseActions().DirectEdit = true;
    grid->SetCells(3, 4, "5");
    const TRect r = grid->CellRect(3, 4);
    auto editValueAfterPressAt = [&](int X, int Y) {
        click(*grid, X, Y);
        TGridSpin* spin = grid->SpinEdit();
        if (!spin || !spin->Visible()) return -1;
        const int value = spin->Value();
        keyPress(*spin, VK_ESCAPE);
        return value;
    };
    grid->SetOptions(grid->Options() | goEditing);
    EXPECT_EQ(editValueAfterPressAt(r.Right - 5, r.Top + 4), 6);
    EXPECT_EQ(editValueAfterPressAt(r.Right - 5, r.Bottom - 4), 4);
    EXPECT_EQ(editValueAfterPressAt(r.Left + 10, r.Top + 4), 5);
    grid->MouseActions().DirectEdit = false;
    grid->FocusCell(3, 4);
    EXPECT_EQ(editValueAfterPressAt(r.Right - 5, r.Top + 4), 6) << "a press on the current cell";
    grid->MouseActions().DirectEdit = true;

    // Without editing the press steps nothing, not even the editor that a key opens later.
    grid->SetOptions(grid->Options() & ~goEditing);
    click(*grid, r.Right - 5, r.Top + 4);
    grid->SetOptions(grid->Options() | goEditing);
    press(VK_F2);
    ASSERT_TRUE(grid->SpinEdit()->Visible());
    EXPECT_EQ(grid->SpinEdit()->Value(), 5);
}

// A press on the row cut off at the bottom scrolls it in, unless NoScrollOnPartialRow keeps the
// view; NoAutoRangeScroll keeps the view from running on while the button is held there.
TEST_F(GridMouse, APressOnAPartlyShownRowScrollsOnlyWhereAllowed) {
    grid->SetRowCount(40);
    grid->SetBounds(0, 0, 500, 290);
    grid->SetOptions(grid->Options() | goRangeSelect);
    const int partial = grid->TopRow() + grid->VisibleRowCount();
    const TPoint at{middle(2, partial).X, grid->CellRect(2, partial).Top + 3};
    auto topAfterPressAndHold = [&] {
        grid->SetTopRow(1);
        mouseMessage(*grid, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
        mouseMessage(*grid, WM_MOUSEMOVE, at.X, at.Y + 1, MK_LBUTTON);
        const int top = grid->TopRow();
        mouseMessage(*grid, WM_LBUTTONUP, at.X, at.Y + 1);
        return top;
    };
    EXPECT_GT(topAfterPressAndHold(), 1);
    grid->MouseActions().NoScrollOnPartialRow = true;
    EXPECT_EQ(topAfterPressAndHold(), 1);
    EXPECT_EQ(cell(), QStringLiteral("2,%1").arg(partial)) << "the press still selects the row";

    grid->MouseActions().NoScrollOnPartialRow = false;
    auto rowsAfterDragDown = [&] {
        grid->SetTopRow(1);
        mouseMessage(*grid, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
        mouseMessage(*grid, WM_MOUSEMOVE, at.X, at.Y - 45, MK_LBUTTON);
        mouseMessage(*grid, WM_LBUTTONUP, at.X, at.Y - 45);
        return grid->Selection().Bottom - grid->Selection().Top + 1;
    };
    EXPECT_GT(rowsAfterDragDown(), 1);
    grid->MouseActions().NoAutoRangeScroll = true;
    EXPECT_EQ(rowsAfterDragDown(), 1);
}

TEST_F(GridMouse, ADragPastTheRightEdgeScrollsTheColumnsOnlyWithoutKeepHorizScroll) {
    grid->SetColCount(20);
    grid->SetOptions(grid->Options() | goRangeSelect);
    const TPoint from = middle(2, 2);
    auto leftColAfterDragOut = [&] {
        grid->SetLeftCol(1);
        mouseMessage(*grid, WM_LBUTTONDOWN, from.X, from.Y, MK_LBUTTON);
        for (int i = 0; i < 3; ++i) mouseMessage(*grid, WM_MOUSEMOVE, grid->ClientWidth() + 10 + i, from.Y, MK_LBUTTON);
        const int left = grid->LeftCol();
        mouseMessage(*grid, WM_LBUTTONUP, grid->ClientWidth() + 12, from.Y);
        return left;
    };
    EXPECT_GT(leftColAfterDragOut(), 1);
    grid->Navigation().KeepHorizScroll = true;
    EXPECT_EQ(leftColAfterDragOut(), 1);
}

TEST_F(GridMouse, APressAnywhereInAMergedCellSelectsAndReportsItsBaseCell) {
    grid->MergeCells(2, 2, 2, 2);
    grid->FocusCell(1, 1);
    clickCell(3, 3);
    EXPECT_EQ(cell(), "2,2");
    EXPECT_EQ(log, QStringList{"ClickCell 2,2"});
}

TEST_F(GridMouse, InCellSelectorModeAPressIsLeftToTheSelector) {
    grid->CellSelectorMode = true;
    grid->FocusCell(1, 1);
    clickCell(3, 4);
    EXPECT_EQ(cell(), "1,1");
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(GridMouse, DisjunctRowsAreMarkedAndUnmarkedWithCtrl) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetOptions(grid->Options() | goRowSelect);
    clickCell(2, 2);
    ctrlClick(2, 4);
    EXPECT_TRUE(grid->RowSelect(2));
    EXPECT_TRUE(grid->RowSelect(4));
    ctrlClick(2, 4);
    EXPECT_FALSE(grid->RowSelect(4));
    clickCell(2, 6);
    EXPECT_FALSE(grid->RowSelect(2));
    EXPECT_TRUE(grid->RowSelect(6));
}

}  // namespace

namespace {

TEST_F(GridMouse, DisjunctColumnsAreMarkedAndUnmarkedWithCtrl) {
    grid->MouseActions().SetDisjunctColSelect(true);
    clickCell(2, 3);
    EXPECT_TRUE(grid->ColSelect(2));
    ctrlClick(4, 3);
    EXPECT_TRUE(grid->ColSelect(2));
    EXPECT_TRUE(grid->ColSelect(4));
    ctrlClick(4, 3);
    EXPECT_FALSE(grid->ColSelect(4));
    clickCell(5, 3);
    EXPECT_FALSE(grid->ColSelect(2));
    EXPECT_TRUE(grid->ColSelect(5));
}

TEST_F(GridDrags, HeadersSelectWholeRowsColumnsOrAll) {
    auto selection = [&] {
        const TGridRect s = grid->Selection();
        return QList<int>{s.Left, s.Top, s.Right, s.Bottom};
    };
    grid->MouseActions().RowSelect = true;
    grid->MouseActions().ColSelect = true;
    grid->MouseActions().AllSelect = true;
    clickCell(0, 3);
    EXPECT_EQ(selection(), (QList<int>{1, 3, 5, 3}));
    const TPoint from = middle(0, 2), to = middle(0, 5);
    drag(from.X, from.Y, to.X, to.Y);
    EXPECT_EQ(selection(), (QList<int>{1, 2, 5, 5}));
    clickCell(4, 0);
    EXPECT_EQ(selection(), (QList<int>{4, 1, 4, 7}));
    const TPoint c1 = middle(2, 0), c2 = middle(3, 0);
    drag(c1.X, c1.Y, c2.X, c2.Y);
    EXPECT_EQ(selection(), (QList<int>{2, 1, 3, 7}));
    clickCell(0, 0);
    EXPECT_EQ(selection(), (QList<int>{1, 1, 5, 7}));

    grid->MouseActions().RowSelect = false;
    clickCell(0, 3);
    EXPECT_EQ(selection(), (QList<int>{1, 1, 5, 7})) << "a row header without RowSelect selects nothing";
}

}  // namespace
