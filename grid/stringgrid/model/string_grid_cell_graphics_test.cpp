#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/core/exception.h"
#include "platform/graphics/graphic.h"

namespace {

int recordsFreed = 0;

// A decoration record that counts its own end.
class TCountedGraphic : public TCellGraphic {
public:
    ~TCountedGraphic() override { ++recordsFreed; }
};

using CellGraphics = StringGridFixture;

TEST_F(CellGraphics, ACellOwnsTheRecordItWasGivenAndFreesTheOneItReplaces) {
    TCellGraphic* first = grid->CreateCellGraphic(2, 3);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->CellType, ctNone);
    EXPECT_EQ(grid->CellGraphics(2, 3), first);
    EXPECT_EQ(grid->CellTypes(2, 3), ctNone);
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    first->SetBitmap(new TBitmap(3, 3), false, haLeft, vaTop);
    first->CellCreated = true;
    TCellGraphic* second = grid->CreateCellGraphic(2, 3);  // frees the first with its bitmap
    EXPECT_NE(grid->CellGraphics(2, 3), nullptr);
    EXPECT_EQ(grid->CellGraphics(2, 3), second);

    // An empty cell stays empty around it.
    grid->SetCells(4, 4, "");
    grid->CreateCellGraphic(4, 4);
    EXPECT_EQ(grid->Cells(4, 4), "");

    EXPECT_FALSE(grid->RemoveCellGraphicOfType(2, 3, ctCheckBox));
    EXPECT_TRUE(grid->RemoveCellGraphicOfType(2, 3, ctNone));
    EXPECT_EQ(grid->CellTypes(2, 3), ctEmpty);
    EXPECT_FALSE(grid->RemoveCellGraphic(2, 3));
    EXPECT_EQ(grid->CellTypes(-1, 3), ctEmpty);

    // A record set by someone else stays theirs.
    TCountedGraphic foreign;
    grid->SetGraphicObjectEx(5, 5, &foreign);
    EXPECT_EQ(grid->CellTypes(5, 5), ctNone);
    recordsFreed = 0;
    EXPECT_TRUE(grid->RemoveCellGraphic(5, 5));
    EXPECT_EQ(recordsFreed, 0);
}

TEST_F(CellGraphics, HotmailRowSelectAnswersOneSharedRowCheckBoxInColumn0) {
    grid->MouseActions().SetHotmailRowSelect(true);
    EXPECT_EQ(grid->CellTypes(0, 4), ctRowCheckBox);
    TCellGraphic* shared = grid->CellGraphics(0, 4);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(grid->CellGraphics(0, 7), shared);
    EXPECT_EQ(grid->CellTypes(1, 4), ctEmpty);
    TObject foreign;
    grid->SetGraphicObjectEx(0, 5, &foreign);  // an object of another kind keeps its cell
    EXPECT_EQ(grid->CellTypes(0, 5), ctEmpty);
    EXPECT_EQ(grid->CellGraphics(0, 5), nullptr);
    grid->SetGraphicObjectEx(0, 5, nullptr);

    TCheckBoxState state = cbGrayed;
    ASSERT_TRUE(grid->GetCheckBoxState(0, 4, state));
    EXPECT_EQ(state, cbUnchecked);
    grid->MouseActions().SetHotmailRowSelect(false);
    EXPECT_EQ(grid->CellGraphics(0, 4), nullptr);
}

TEST_F(CellGraphics, TriStateCheckBoxesAndTheStateOfEveryKind) {
    grid->AddCheckBox(2, 2, cbGrayed);
    const TCellGraphic* g = grid->CellGraphics(2, 2);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->CellType, ctTriStateCheckBox);
    EXPECT_TRUE(g->CellTransparent);
    EXPECT_EQ(g->CellHAlign, haBeforeText);
    EXPECT_EQ(g->CellVAlign, vaTop);
    grid->SetVAlignment(vtaBottom);
    grid->AddCheckBox(2, 2, cbChecked);
    EXPECT_EQ(grid->CellGraphics(2, 2)->CellVAlign, vaBottom);

    grid->CreateCellGraphic(3, 2)->SetCheckBox(true, false, false, haLeft, vaTop);
    grid->CreateCellGraphic(4, 2)->SetCheckBox(false, true, false, haLeft, vaTop);
    grid->SetCells(4, 2, "Y");
    grid->CreateCellGraphic(5, 2)->SetCheckBox(false, true, false, haLeft, vaTop);
    grid->CreateCellGraphic(6, 2)->SetRadioButton(true, false, haLeft, vaTop);
    const struct {
        int col;
        bool result;
        TCheckBoxState state;
    } cases[] = {
        {2, true, cbChecked},   // three states
        {3, true, cbChecked},   // by its flag
        {4, true, cbChecked},   // a data check box by its text and CheckTrue
        {5, true, cbUnchecked}, // "5:2" is not "Y"
        {6, false, cbGrayed},   // a radio button is no check box
        {7, false, cbGrayed},   // plain text
    };
    for (const auto& c : cases) {
        TCheckBoxState state = cbGrayed;
        EXPECT_EQ(grid->GetCheckBoxState(c.col, 2, state), c.result) << c.col;
        EXPECT_EQ(state, c.state) << c.col;
    }

    // With rows hidden the row is a real one, and a hidden row answers from its held record.
    grid->HideRow(1);
    TCheckBoxState state = cbGrayed;
    ASSERT_TRUE(grid->GetCheckBoxState(4, 2, state));
    EXPECT_EQ(state, cbChecked);
    grid->HideRow(2);
    state = cbGrayed;
    ASSERT_TRUE(grid->GetCheckBoxState(2, 2, state));
    EXPECT_EQ(state, cbChecked);

    EXPECT_EQ(TExStringGrid::BoolToCheckBoxState(false), cbUnchecked);
}

TEST_F(CellGraphics, AddCheckBoxOutsideTheGridRaisesAndChangesNothing) {
    grid->HideColumn(9);
    grid->HideRow(11);
    grid->AddCheckBox(9, 11, cbChecked);  // hidden ones count
    for (const auto& [col, row] : {std::pair{10, 0}, {0, 12}, {-1, 0}}) {
        try {
            grid->AddCheckBox(col, row, cbChecked);
            ADD_FAILURE() << col << " " << row;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Invalid cell");
        }
    }
}

TEST_F(CellGraphics, ATriStateColumnStartsBelowTheFixedRowsUnlessCheckAllCheck) {
    grid->AddTriStateCheckBoxColumn(3, cbChecked);
    EXPECT_EQ(grid->CellTypes(3, 0), ctEmpty);
    EXPECT_EQ(grid->CellTypes(3, 1), ctTriStateCheckBox);
    EXPECT_EQ(grid->CellTypes(3, 11), ctTriStateCheckBox);
    grid->MouseActions().CheckAllCheck = true;
    grid->AddTriStateCheckBoxColumn(4, cbUnchecked);
    EXPECT_EQ(grid->CellTypes(4, 0), ctTriStateCheckBox);
}

TEST_F(CellGraphics, MovedRowsAndColumnsKeepTextsObjectsAndDecorationsTogether) {
    grid->HideColumn(7);
    grid->CreateCellGraphic(2, 3)->SetButton(10, 10, "b", haLeft, vaTop);
    grid->SetObjectEx(2, 3, 23);
    grid->CreateCellGraphic(7, 3)->SetAngle(90);  // in the hidden column
    grid->MoveRow(3, 6);
    EXPECT_EQ(grid->Cells(2, 6), "2:3");
    EXPECT_EQ(grid->GetObjectEx(2, 6), 23u);
    EXPECT_EQ(grid->CellTypes(2, 6), ctButton);
    EXPECT_EQ(grid->CellTypes(7, 6), ctRotated);
    EXPECT_EQ(grid->CellTypes(2, 3), ctEmpty);

    grid->MoveRows(5, 1, 2);  // rows 5 and 6 go before row 1
    EXPECT_EQ(grid->Cells(2, 2), "2:3");
    EXPECT_EQ(grid->GetObjectEx(2, 2), 23u);
    EXPECT_EQ(grid->CellTypes(2, 2), ctButton);
    EXPECT_EQ(grid->CellTypes(7, 2), ctRotated);
    EXPECT_EQ(grid->Cells(7, 2), "7:3");

    grid->MoveColumn(2, 5);  // display 2 to display 5: real column 2 goes to real column 5
    EXPECT_EQ(grid->Cells(5, 2), "2:3");
    EXPECT_EQ(grid->GetObjectEx(5, 2), 23u);
    EXPECT_EQ(grid->CellTypes(5, 2), ctButton);
    EXPECT_EQ(grid->CellTypes(7, 2), ctRotated);
    EXPECT_TRUE(grid->IsHiddenColumn(7));
}

TEST(CellGraphicsLifetime, FreeingTheGridFreesEveryRecordItsCellsOwn) {
    recordsFreed = 0;
    {
        TTestStringGrid grid(nullptr);
        grid.SetRowCount(12);
        for (int r = 1; r < 12; ++r) grid.SetGraphicObjectEx(1, r, new TCountedGraphic, true);
        grid.HideRows(3, 4);                   // held by hidden rows
        grid.HideColumn(1);                    // kept beyond ColCount
        grid.SetRowCount(6);                   // kept beyond RowCount
        grid.SetGraphicObjectEx(2, 1, new TCountedGraphic, true);
        grid.FreeCellProperties(2, 1, 2, 1);   // freed at once
        EXPECT_EQ(recordsFreed, 1);
    }
    EXPECT_EQ(recordsFreed, 12);
}

}  // namespace
