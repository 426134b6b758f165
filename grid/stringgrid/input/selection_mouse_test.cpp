#include "grid/stringgrid/input/input_fixture.h"
#include "grid/stringgrid/model/owned_settings.h"

namespace {

QString rect(const TGridRect& r) { return QStringLiteral("%1,%2-%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom); }

class SelectionMouse : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { note(QStringLiteral("ClickCell %1,%2").arg(ACol).arg(ARow)); };
    }
    // Press at From, move with the button held to To, release there.
    void drag(TPoint From, TPoint To, uintptr_t keys = 0) {
        mouseMove(*grid, From.X, From.Y);
        mouseMessage(*grid, WM_LBUTTONDOWN, From.X, From.Y, MK_LBUTTON | keys);
        mouseMessage(*grid, WM_MOUSEMOVE, To.X, To.Y, MK_LBUTTON | keys);
        mouseMessage(*grid, WM_LBUTTONUP, To.X, To.Y, keys);
    }
    void clickWith(int ACol, int ARow, uintptr_t keys) {
        const TPoint p = middle(ACol, ARow);
        mouseMove(*grid, p.X, p.Y);
        mouseMessage(*grid, WM_LBUTTONDOWN, p.X, p.Y, MK_LBUTTON | keys);
        mouseMessage(*grid, WM_LBUTTONUP, p.X, p.Y, keys);
    }
    // A point inside the handle square of the cell's bottom-right corner.
    TPoint handleOf(int ACol, int ARow) const {
        const TRect r = grid->CellRect(ACol, ARow);
        return {r.Right - 3, r.Bottom - 3};
    }
    // The disjunct cells, sorted.
    QString chosenCells() const {
        QStringList out;
        for (int i = 0; i < grid->SelectedCellsCount(); ++i) {
            const TGridCoord c = grid->SelectedCell(i);
            out << QStringLiteral("%1,%2").arg(c.X).arg(c.Y);
        }
        out.sort();
        return out.join(' ');
    }
    void withResizer() {
        grid->SetSelectionRectangle(true);
        grid->SetSelectionResizer(true);
        grid->OnSelectionResize = [this](TObject*, TGridRect Orig, TGridRect New) {
            note("Resize " + rect(Orig) + " " + rect(New));
        };
        grid->OnSelectionResized = [this](TObject*, TGridRect Orig, TGridRect New) {
            note("Resized " + rect(Orig) + " " + rect(New));
        };
    }
};

// ---- the selection handle

TEST_F(SelectionMouse, DraggingTheHandleGrowsTheSelectionFromItsTopLeftCorner) {
    withResizer();
    grid->SetSelection({1, 1, 2, 2});
    drag(handleOf(2, 2), middle(4, 5));
    EXPECT_EQ(rect(grid->Selection()), "1,1-4,5");
    // The press on the handle is no click on a cell.
    EXPECT_EQ(log, (QStringList{"Resize 1,1-2,2 1,1-4,5", "Resized 1,1-2,2 1,1-4,5"}));
}

TEST_F(SelectionMouse, DraggingTheHandleFillsTheNewCellsFromTheOldOnes) {
    withResizer();
    grid->SetOptions(grid->Options() | goEditing);
    grid->Navigation().AllowSmartClipboard = true;
    grid->SetCells(2, 1, "1");
    grid->SetCells(2, 2, "3");
    grid->SetSelection({2, 1, 2, 2});
    drag(handleOf(2, 2), middle(2, 5));
    QStringList column;
    for (int r = 1; r <= 5; ++r) column << grid->Cells(2, r);
    EXPECT_EQ(column, (QStringList{"1", "3", "5", "7", "9"}));
}

TEST_F(SelectionMouse, DraggingTheHandleInwardsShrinksTheSelection) {
    withResizer();
    grid->SetSelection({1, 1, 4, 4});
    drag(handleOf(4, 4), middle(2, 3));
    EXPECT_EQ(rect(grid->Selection()), "1,1-2,3");
}

TEST_F(SelectionMouse, TheHandleGrabsOnlyWithResizerAndRectangleAndOnlyInItsSquare) {
    struct Case {
        bool resizer, rectangle;
        int insetX, insetY;
        const char* selection;
    };
    // Insets from the corner cell's bottom-right edge; 7 pixels lies beside the 6-pixel square.
    const Case cases[] = {
        {true, true, 3, 3, "1,1-3,4"},  {true, true, 1, 6, "1,1-3,4"}, {true, true, 7, 3, "2,2-3,4"},
        {true, true, 3, 7, "2,2-3,4"},
        {false, true, 3, 3, "2,2-3,4"}, {true, false, 3, 3, "2,2-3,4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("resizer %1 rectangle %2 inset %3,%4").arg(c.resizer).arg(c.rectangle).arg(c.insetX).arg(c.insetY).toStdString());
        grid->SetSelectionResizer(c.resizer);
        grid->SetSelectionRectangle(c.rectangle);
        grid->SetSelection({1, 1, 2, 2});
        const TRect r = grid->CellRect(2, 2);
        // Beside the handle a press on the corner cell starts a range selection there instead.
        drag({r.Right - c.insetX, r.Bottom - c.insetY}, middle(3, 4));
        EXPECT_EQ(rect(grid->Selection()), c.selection);
    }
}

TEST_F(SelectionMouse, AReleaseWithoutAHandleDragReportsNoResize) {
    withResizer();
    grid->SetSelection({1, 1, 2, 2});
    drag(middle(3, 3), middle(4, 4));
    EXPECT_EQ(rect(grid->Selection()), "3,3-4,4");
    EXPECT_EQ(log, QStringList{"ClickCell 3,3"});
}

// ---- disjunct cells

class DisjunctCellsByMouse : public SelectionMouse {
protected:
    void SetUp() override {
        SelectionMouse::SetUp();
        grid->MouseActions().SetDisjunctCellSelect(true);
    }
};

TEST_F(DisjunctCellsByMouse, CtrlAddsAndRemovesCellsAndAPlainClickKeepsOnlyItsCell) {
    clickCell(1, 1);
    clickWith(3, 2, MK_CONTROL);
    clickWith(4, 4, MK_CONTROL);
    EXPECT_EQ(chosenCells(), "1,1 3,2 4,4");
    clickWith(3, 2, MK_CONTROL);
    EXPECT_EQ(chosenCells(), "1,1 4,4");
    EXPECT_TRUE(grid->SelectedCells(4, 4));
    EXPECT_FALSE(grid->SelectedCells(3, 2));
    clickCell(2, 5);
    EXPECT_EQ(chosenCells(), "2,5");
}

TEST_F(DisjunctCellsByMouse, ADraggedRangeAddsEveryCellOfIt) {
    clickCell(5, 6);
    drag(middle(1, 1), middle(2, 3), MK_CONTROL);
    EXPECT_EQ(grid->SelectedCellsCount(), 7);
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 3; ++r) EXPECT_TRUE(grid->SelectedCells(c, r)) << c << "," << r;
    EXPECT_TRUE(grid->SelectedCells(5, 6));
    // Without Ctrl the press empties the chosen cells first.
    drag(middle(3, 3), middle(4, 3));
    EXPECT_EQ(chosenCells(), "3,3 4,3");
}

TEST_F(DisjunctCellsByMouse, ShiftAddsTheRangeFromTheCurrentCell) {
    clickCell(2, 2);
    clickWith(3, 4, MK_SHIFT);
    EXPECT_EQ(grid->SelectedCellsCount(), 6);
    EXPECT_TRUE(grid->SelectedCells(2, 2));
    EXPECT_TRUE(grid->SelectedCells(3, 4));
}

TEST_F(DisjunctCellsByMouse, ACellRefusedByOnSelectCellIsNotChosen) {
    clickCell(1, 1);
    grid->OnSelectCell = [](TObject*, int ACol, int, bool& CanSelect) { CanSelect = ACol != 3; };
    clickWith(3, 3, MK_CONTROL);
    clickWith(4, 3, MK_CONTROL);
    EXPECT_EQ(chosenCells(), "1,1 4,3");
}

TEST_F(DisjunctCellsByMouse, SelectingRowsFromTheHeaderDropsTheChosenCells) {
    grid->MouseActions().RowSelect = true;
    clickCell(2, 2);
    clickWith(3, 3, MK_CONTROL);
    // A press on a header cell without Ctrl keeps them; a row selection from it does not.
    clickCell(0, 4);
    EXPECT_EQ(chosenCells(), "");
    EXPECT_EQ(rect(grid->Selection()), "1,4-5,4");
}

// ---- a group's rows

class GroupAutoSelect : public SelectionMouse {
protected:
    void SetUp() override {
        SelectionMouse::SetUp();
        grid->SetRowCount(10);
        grid->AddNode(2, 3);
        grid->AddNode(5, 3);
        grid->Grouping().AutoSelectGroup = true;
    }
};

TEST_F(GroupAutoSelect, AClickOnAnOpenGroupsRowSelectsTheGroup) {
    clickCell(3, 5);
    EXPECT_EQ(rect(grid->Selection()), "1,5-5,7");
    // A child row is no group row.
    clickCell(3, 6);
    EXPECT_EQ(rect(grid->Selection()), "3,6-3,6");
}

TEST_F(GroupAutoSelect, AClosedGroupIsNotSelected) {
    grid->ContractNode(2);
    clickCell(3, 2);
    EXPECT_EQ(rect(grid->Selection()), "3,2-3,2");
}

TEST_F(GroupAutoSelect, WithDisjunctRowsTheChildRowsAreMarkedBelowAClosedGroup) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    // The closed group above shifts the second group to display row 3.
    grid->ContractNode(2);
    clickCell(3, 3);
    for (int r = 1; r < grid->RowCount(); ++r) EXPECT_EQ(grid->RowSelect(r), r >= 3 && r <= 5) << r;
}

TEST_F(GroupAutoSelect, OffWithoutTheSetting) {
    grid->Grouping().AutoSelectGroup = false;
    clickCell(3, 5);
    EXPECT_EQ(rect(grid->Selection()), "3,5-3,5");
}

} // namespace
