#include "grid/stringgrid/cells/cell_lookup.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/foundation/grid_undo.h"
#include "platform/core/exception.h"

#include <functional>
#include <vector>

namespace {

struct Change {
    int col, row;
    bool state;
    bool operator==(const Change&) const = default;
};

class CheckBoxCells : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        grid->OnCheckBoxChange = [this](TObject*, int c, int r, bool s) { changes.push_back({c, r, s}); };
    }
    bool read(int c, int r) {
        bool state = false;
        EXPECT_TRUE(grid->GetCheckBoxState(c, r, state));
        return state;
    }
    std::vector<Change> changes;
};

TEST_F(CheckBoxCells, DataCheckBoxesReadTheirTextExactlyAndKeepAKnownOne) {
    const char* texts[] = {"Y", "N", "", "y"};
    for (int r = 1; r <= 4; ++r) grid->SetCells(2, r, texts[r - 1]);
    grid->AddCheckBoxColumn(2, false, true);
    // "y" and the empty text are no check text: they take the state given.
    EXPECT_EQ(QStringList({grid->Cells(2, 1), grid->Cells(2, 2), grid->Cells(2, 3), grid->Cells(2, 4)}),
              QStringList({"Y", "N", "N", "N"}));
    grid->SetCells(2, 4, "y");
    EXPECT_EQ(std::vector<bool>({read(2, 1), read(2, 2), read(2, 4)}), std::vector<bool>({true, false, false}));
    grid->AddCheckBox(2, 3, true, true);
    EXPECT_EQ(grid->Cells(2, 3), "N");  // a check text stays
    grid->SetCells(2, 5, "x");
    grid->AddCheckBox(2, 5, true, true);
    EXPECT_EQ(grid->Cells(2, 5), "Y");
}

TEST_F(CheckBoxCells, PerCellCheckTextsDecideReadingAndToggling) {
    grid->OnGetCheckTrue = [](TObject*, int c, int, QString& v) {
        if (c == 2) v = "1";
    };
    grid->OnGetCheckFalse = [](TObject*, int c, int, QString& v) {
        if (c == 2) v = "0";
    };
    grid->SetCells(2, 3, "Y");
    grid->AddCheckBox(2, 3, false, true);
    EXPECT_FALSE(read(2, 3));
    EXPECT_TRUE(grid->ToggleCheckBox(2, 3));
    EXPECT_EQ(grid->Cells(2, 3), "1");
    EXPECT_EQ(changes, std::vector<Change>({{2, 3, true}}));
}

TEST_F(CheckBoxCells, PlainCheckBoxStateIsStoredAndWrittenWithoutEvent) {
    grid->AddCheckBox(1, 2, false, false);
    EXPECT_TRUE(grid->ToggleCheckBox(1, 2));
    EXPECT_TRUE(grid->IsChecked(1, 2));
    EXPECT_EQ(grid->Cells(1, 2), "1:2");  // the text is the cell's own
    EXPECT_TRUE(grid->SetCheckBoxState(1, 2, false));
    EXPECT_FALSE(grid->IsChecked(1, 2));
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_FALSE(grid->SetCheckBoxState(1, 3, true));  // no check box there
    EXPECT_FALSE(grid->ToggleCheckBox(1, 3));
}

TEST_F(CheckBoxCells, StateOfAHiddenRowIsReadAndWrittenByRealRow) {
    grid->AddCheckBox(1, 5, true, false);
    grid->AddCheckBox(2, 5, false, true);
    grid->HideRows(3, 5);
    EXPECT_TRUE(read(1, 5));
    EXPECT_TRUE(grid->SetCheckBoxState(2, 5, true));
    EXPECT_EQ(grid->AllCells(2, 5), "Y");
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->Cells(2, 5), "Y");
    EXPECT_TRUE(grid->IsChecked(1, 5));
}

TEST_F(CheckBoxCells, ATogglingIsRegisteredForUndoByItsNewState) {
    TExGridUndoRedo undo(nullptr);
    grid->SetUndoRedo(&undo);
    grid->SetCells(2, 3, "N");
    grid->AddCheckBox(2, 3, true, true);  // the text says unchecked
    grid->ToggleCheckBox(2, 3);
    EXPECT_EQ(grid->Cells(2, 3), "Y");
    undo.Undo();
    EXPECT_EQ(grid->Cells(2, 3), "N");
    grid->SetUndoRedo(nullptr);
}

TEST_F(CheckBoxCells, CheckAllFiresOnlyForChangedRows) {
    grid->SetRowCount(5);
    grid->AddCheckBoxColumn(3, true, true);
    grid->CheckAll(3);
    EXPECT_TRUE(changes.empty());
    grid->UnCheckAll(3);
    EXPECT_EQ(changes, std::vector<Change>({{3, 1, false}, {3, 2, false}, {3, 3, false}, {3, 4, false}}));
}

TEST_F(CheckBoxCells, UserTogglingAsksWhetherTheCellMayBeEdited) {
    grid->AddCheckBox(1, 2, false, false);
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    EXPECT_FALSE(grid->ToggleCheck(1, 2, true));
    EXPECT_FALSE(grid->IsChecked(1, 2));
    EXPECT_TRUE(grid->ToggleCheckBox(1, 2));
    grid->ControlLook().CheckAlwaysActive = true;
    EXPECT_TRUE(grid->ToggleCheck(1, 2, true));
    EXPECT_FALSE(grid->IsChecked(1, 2));
}

TEST_F(CheckBoxCells, ThreeStateBoxCyclesAndReportsOnlyChecked) {
    grid->AddCheckBox(1, 2, cbUnchecked);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        grid->ToggleCheckBox(1, 2);
        TCheckBoxState s = cbUnchecked;
        grid->GetCheckBoxState(1, 2, s);
        seen.push_back(s);
    }
    EXPECT_EQ(seen, std::vector<TCheckBoxState>({cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(changes, std::vector<Change>({{1, 2, false}, {1, 2, true}, {1, 2, false}}));
}

TEST_F(CheckBoxCells, AutoCheckGroupSetsChildrenAndTheNodeBox) {
    grid->Grouping().AutoCheckGroup = true;
    grid->AddNode(2, 4);  // rows 3 .. 5 are its children
    grid->AddCheckBoxColumn(1, false, false);
    grid->ToggleCheckBox(1, 2);
    EXPECT_TRUE(grid->IsChecked(1, 3) && grid->IsChecked(1, 4) && grid->IsChecked(1, 5));
    auto nodeState = [&] {
        TCheckBoxState s = cbUnchecked;
        grid->GetCheckBoxState(1, 2, s);
        return s;
    };
    EXPECT_EQ(nodeState(), cbChecked);
    grid->ToggleCheckBox(1, 4);
    EXPECT_EQ(nodeState(), cbGrayed);
    grid->ToggleCheckBox(1, 4);
    EXPECT_EQ(nodeState(), cbChecked);
}

TEST_F(CheckBoxCells, AddingOutsideTheGridRaisesAndCreatesNothing) {
    grid->HideColumn(9);
    EXPECT_NO_THROW(grid->AddCheckBox(9, 11, true, false));
    EXPECT_THROW(grid->AddCheckBox(10, 1, true, false), Exception);
    EXPECT_THROW(grid->AddRadioButton(1, 12, true), Exception);
    EXPECT_THROW(grid->AddCheckBox(1, -1, cbChecked), Exception);
}

TEST_F(CheckBoxCells, RadioButtonsOfAColumnExcludeEachOther) {
    grid->AddRadioButtonColumn(4);
    EXPECT_TRUE(grid->SelectRadioButton(4, 3, false));
    EXPECT_TRUE(grid->SelectRadioButton(4, 6, false));
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(4), 6);
    EXPECT_FALSE(grid->IsRadioButtonChecked(4, 3));
    grid->SetRadioButtonColumnIndex(4, 8);
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(4), 8);
    grid->SetRadioButtonColumnIndex(4, -1);
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(4), -1);
    EXPECT_FALSE(grid->SelectRadioButton(5, 3, false));
    grid->RemoveRadioButtonColumn(4);
    EXPECT_FALSE(grid->HasRadioButton(4, 3));
}

TEST_F(CheckBoxCells, RadioGroupMovesToTheNextOptionAndWraps) {
    TStringList* options = grid->CreateRadio(2, 2, 0, -1);
    ASSERT_NE(options, nullptr);
    for (const char* o : {"A", "B", "C"}) options->Add(o);
    grid->SetCells(2, 2, "B");
    grid->SelectNextRadio(2, 2, false);
    int idx = 0;
    EXPECT_TRUE(grid->GetRadioIdx(2, 2, idx));
    EXPECT_EQ(idx, 2);
    EXPECT_EQ(grid->Cells(2, 2), "C");
    grid->SelectNextRadio(2, 2, false);
    EXPECT_EQ(grid->Cells(2, 2), "A");
    // Below -1 the text alone carries the choice.
    grid->SetRadioIdx(2, 2, -2);
    grid->SetCells(2, 2, "C");
    grid->SelectNextRadio(2, 2, false);
    EXPECT_EQ(grid->Cells(2, 2), "A");
    grid->GetRadioIdx(2, 2, idx);
    EXPECT_EQ(idx, -2);
    EXPECT_TRUE(grid->SetRadioIdx(2, 2, -1));
    EXPECT_EQ(grid->Cells(2, 2), "");
}

TEST_F(CheckBoxCells, RowCheckBoxesShareOneRecordThatRemovalKeeps) {
    grid->MouseActions().SetHotmailRowSelect(true);
    TCellGraphic* shared = grid->GetCellGraphic(0, 3);
    EXPECT_EQ(grid->GetCellGraphic(0, 7), shared);
    grid->RemoveCheckBox(0, 3);
    EXPECT_EQ(grid->GetCellGraphic(0, 3), shared);
    EXPECT_TRUE(grid->SetCellCheckState(0, 3, true));
    EXPECT_TRUE(grid->RowSelect(3));
    EXPECT_TRUE(grid->IsChecked(0, 3));
    EXPECT_EQ(changes, std::vector<Change>({{0, 3, true}}));
}

TEST_F(CheckBoxCells, TheSharedRowCheckBoxShowsTheRowAskedFor) {
    grid->MouseActions().SetHotmailRowSelect(true);
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetRowSelect(4, true);
    EXPECT_TRUE(grid->GetCellGraphic(0, 4)->CellBoolean);
    EXPECT_FALSE(grid->GetCellGraphic(0, 5)->CellBoolean);
    // The header box: half checked with some rows selected, checked with all.
    const TCellGraphic* header = grid->GetCellGraphic(0, 0);
    EXPECT_FALSE(header->CellBoolean);
    EXPECT_EQ(header->CellAngle, 1);
    for (int r = 1; r < grid->RowCount(); ++r) grid->SetRowSelect(r, true);
    header = grid->GetCellGraphic(0, 0);
    EXPECT_TRUE(header->CellBoolean);
    EXPECT_EQ(header->CellAngle, 0);
    // A hidden row before it: display row 4 is real row 5.
    grid->SetRowSelect(5, false);
    grid->HideRow(2);
    EXPECT_FALSE(grid->GetCellGraphic(0, 4)->CellBoolean);
    EXPECT_TRUE(grid->GetCellGraphic(0, 3)->CellBoolean);
    grid->ControlLook().ControlStyle = csFlat;
    EXPECT_TRUE(grid->GetCellGraphic(0, 3)->CellTransparent);
}

TEST_F(CheckBoxCells, DataGraphicCellsShowTheirTextAsAGraphic) {
    grid->AddCheckBox(1, 2, false, true);
    grid->AddCheckBox(1, 3, false, false);
    grid->CreateCellGraphic(1, 4)->SetDataImage(0, haBeforeText, vaTop);
    EXPECT_TRUE(IsDataGraphicCell(*grid, 1, 2));
    EXPECT_FALSE(IsDataGraphicCell(*grid, 1, 3));
    EXPECT_TRUE(IsDataGraphicCell(*grid, 1, 4));
    EXPECT_FALSE(IsDataGraphicCell(*grid, 1, 5));
    grid->MouseActions().SetHotmailRowSelect(true);
    EXPECT_TRUE(IsDataGraphicCell(*grid, 0, 5));
}

TEST_F(CheckBoxCells, PreciseHitTestUsesTheCheckSizeSquare) {
    grid->AddCheckBox(1, 2, false, false);
    const TRect r = grid->CellRect(1, 2);
    EXPECT_TRUE(grid->IsInCheckBox(1, 2, r.Right - 1, r.Bottom - 1));
    grid->MouseActions().PreciseCheckBoxCheck = true;
    EXPECT_TRUE(grid->IsInCheckBox(1, 2, r.Left + 2, r.Top + 2));
    EXPECT_TRUE(grid->IsInCheckBox(1, 2, r.Left + 16, r.Top + 16));
    EXPECT_FALSE(grid->IsInCheckBox(1, 2, r.Left + 17, r.Top + 2));
    EXPECT_FALSE(grid->IsInCheckBox(1, 3, r.Left + 2, r.Top + 2 + r.Height()));
}

TEST_F(CheckBoxCells, PreciseHitTestFollowsTheCellsOwnAlignment) {
    grid->MouseActions().PreciseCheckBoxCheck = true;
    const int s = grid->ControlLook().CheckSize;
    grid->SetCells(1, 2, QString());
    grid->AddCheckBox(1, 2, false, false);
    grid->SetAlignments(1, 2, taRightJustify);
    const TRect r = grid->CellRect(1, 2);
    EXPECT_TRUE(grid->IsInCheckBox(1, 2, r.Right - 3, r.Top + 2));
    EXPECT_TRUE(grid->IsInCheckBox(1, 2, r.Right - s - 2, r.Top + 2));
    EXPECT_FALSE(grid->IsInCheckBox(1, 2, r.Left + 2, r.Top + 2));
    // The text stands at the right edge: the box moves left by its painted width.
    grid->SetCells(1, 2, "abc");
    const int text = grid->GetCellTextSize(1, 2, false, false).cx;
    EXPECT_TRUE(grid->IsInCheckBox(1, 2, r.Right - s - 2 - text, r.Top + 2));
    EXPECT_FALSE(grid->IsInCheckBox(1, 2, r.Right - 3, r.Top + 2));
    grid->SetAlignments(1, 2, taCenter);
    EXPECT_TRUE(grid->IsInCheckBox(1, 2, r.Left + (r.Right - r.Left - s) / 2, r.Top + 2));
    EXPECT_FALSE(grid->IsInCheckBox(1, 2, r.Left + 2, r.Top + 2));
}

}  // namespace

namespace {

// Every decoration query of a covered cell of a merged range answers for the range's base cell.
TEST_F(CheckBoxCells, TheCoveredHalfOfAMergedCellAnswersForItsBaseCell) {
    struct Case {
        const char* name;
        std::function<void()> decorate;
        std::function<bool(int, int)> ask;
    };
    TStringList options;
    options.Add("a");
    const Case cases[] = {
        {"check box", [&] { grid->AddCheckBox(2, 2, true, false); }, [&](int c, int r) { return grid->HasCheckBox(c, r); }},
        {"data check box", [&] { grid->AddCheckBox(2, 2, true, true); },
         [&](int c, int r) { return grid->HasDataCheckBox(c, r) && IsDataGraphicCell(*grid, c, r); }},
        {"radio button", [&] { grid->AddRadioButton(2, 2, true); },
         [&](int c, int r) { return grid->HasRadioButton(c, r) && grid->IsRadioButtonChecked(c, r); }},
        {"radio group", [&] { grid->AddRadio(2, 2, 0, 0, &options); },
         [&](int c, int r) { return grid->IsRadio(c, r) && grid->GetRadioStrings(c, r) == &options; }},
        {"control cell", [&] { grid->AddButton(2, 2, 40, 20, "go", haLeft, vaTop); },
         [&](int c, int r) { return grid->IsControlCell(c, r); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->MergeCells(2, 2, 2, 1);
        c.decorate();
        EXPECT_TRUE(c.ask(2, 2));
        EXPECT_TRUE(c.ask(3, 2));
        EXPECT_FALSE(c.ask(4, 2));
        grid->RemoveCellGraphic(2, 2);
        grid->SplitCells(2, 2);
    }
    // Writing through the covered cell reaches the base cell's button.
    grid->MergeCells(2, 2, 2, 1);
    grid->AddRadioButton(2, 2, true);
    EXPECT_TRUE(grid->SetRadioButtonState(3, 2, false));
    EXPECT_FALSE(grid->IsRadioButtonChecked(2, 2));
}

}  // namespace
