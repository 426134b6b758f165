#include "grid/columngrid/column_grid_fixture.h"
#include "platform/controls/popup_menu.h"
#include "platform/testkit/testkit.h"

namespace {

// What a column answers in a data row, by the definition it carries.
struct Answers {
    QString header;
    TEditorType editor;
    bool editable;
    bool operator==(const Answers&) const = default;
};

class ColumnGridStructure : public ColumnGridFixture {
protected:
    void SetUp() override {
        ColumnGridFixture::SetUp();
        grid->OnAfterColumnMoved = [this](TObject*, int FromIndex, int ToIndex) { lastMove = {FromIndex, ToIndex}; };
    }

    // The answers of real column c (cells are stored by real column).
    Answers answers(int c) const { return {grid->Cells(c, 0), editorOf(c, 2), canEdit(c, 2)}; }

    const Answers plain{"Name", edNormal, true}, combo{"Mode", edComboList, true}, check{"Enabled", edDataCheckBox, true},
        spin{"Count", edSpinEdit, true}, readOnly{"Status", edNormal, false};
    // The real indexes OnAfterColumnMoved last gave.
    std::pair<int, int> lastMove{-1, -1};
};

TEST_F(ColumnGridStructure, MovingAColumnMovesItsDefinition) {
    item(Check).ColumnPopupType = cpAllCellsLClick;
    item(Check).PrintFontCustom = false;
    grid->MoveColumn(Check, Plain);
    EXPECT_EQ(lastMove, std::pair(int(Check), int(Plain)));
    EXPECT_EQ(answers(Plain), check);
    EXPECT_EQ(answers(Combo), plain);
    EXPECT_EQ(answers(Check), combo);
    EXPECT_EQ(answers(Spin), spin);
    EXPECT_EQ(item(Check).ComboItems().ToStringList(), (QStringList{"Off", "On", "Auto"}));
    // The whole definition goes along, not only what a copy would take.
    EXPECT_EQ(item(Plain).ColumnPopupType, cpAllCellsLClick);
    EXPECT_FALSE(item(Plain).PrintFontCustom);
    EXPECT_EQ(grid->Columns().Count(), ColumnCount);
}

TEST_F(ColumnGridStructure, HiddenColumnsKeepTheirDefinitions) {
    grid->HideColumn(Combo);
    EXPECT_EQ(grid->ColCount(), ColumnCount - 1);
    EXPECT_EQ(grid->Columns().Count(), ColumnCount);
    // Real columns answer as before, the hidden one too.
    EXPECT_EQ(answers(Combo), combo);
    EXPECT_EQ(answers(Check), check);
    EXPECT_EQ(answers(ReadOnly), readOnly);
    EXPECT_EQ(grid->RealColIndex(Combo), Check);

    // Moving while a column is hidden maps display to real indexes.
    grid->MoveColumn(Combo, Plain);
    EXPECT_EQ(lastMove, std::pair(int(Check), int(Plain)));
    grid->UnHideColumnsAll();
    EXPECT_EQ(grid->ColCount(), ColumnCount);
    EXPECT_EQ(answers(Plain), check);
    EXPECT_EQ(answers(Check), combo);
    EXPECT_EQ(answers(ReadOnly), readOnly);
}

TEST_F(ColumnGridStructure, ColumnCountChangesKeepOneItemPerColumn) {
    grid->SetColCount(ColumnCount + 2);
    EXPECT_EQ(grid->Columns().Count(), ColumnCount + 2);
    // New columns look and edit like the last one.
    EXPECT_TRUE(item(ColumnCount + 1).ReadOnly);
    grid->SetColCount(3);
    EXPECT_EQ(grid->Columns().Count(), 3);
    EXPECT_EQ(answers(Combo), combo);
}

TEST_F(ColumnGridStructure, InsertedColumnsGetNewItemsInPlace) {
    grid->InsertCols(Plain, 2);
    EXPECT_EQ(grid->ColCount(), ColumnCount + 2);
    ASSERT_EQ(grid->Columns().Count(), ColumnCount + 2);
    EXPECT_EQ(item(Plain).Header(), "");
    EXPECT_EQ(item(Plain + 1).Editor(), edNormal);
    EXPECT_EQ(item(Plain + 2).Header(), "Name");
    EXPECT_EQ(answers(Combo + 2), combo);
    EXPECT_EQ(answers(ReadOnly + 2), readOnly);

    grid->RemoveCols(Plain, 2);
    EXPECT_EQ(grid->Columns().Count(), ColumnCount);
    EXPECT_EQ(answers(Plain), plain);
    EXPECT_EQ(answers(Spin), spin);
}

TEST_F(ColumnGridStructure, HeaderListLinesBecomeItemHeaders) {
    TStringList headers;
    headers.Assign(QStringList{"#", "A", "B"});
    grid->SetColumnHeaders(headers);
    EXPECT_EQ(item(Fixed).Header(), "#");
    EXPECT_EQ(item(Plain).Header(), "A");
    EXPECT_EQ(item(Combo).Header(), "B");
    EXPECT_EQ(item(Check).Header(), "Enabled");
    EXPECT_EQ(grid->Cells(Combo, 0), "B");
}

TEST_F(ColumnGridStructure, WidthsScaleAndLookupsFollowTheGrid) {
    grid->SetColWidths(Combo, 77);
    EXPECT_EQ(item(Combo).Width(), 77);
    EXPECT_EQ(item(Combo).StoredWidth(), 77);
    item(Spin).SetWidth(40);
    EXPECT_EQ(grid->ColWidths(Spin), 40);

    item(Plain).Name = "name";
    EXPECT_EQ(grid->GetColumnByName("name"), &item(Plain));
    EXPECT_EQ(grid->GetColumnByName("Name"), nullptr);

    item(Plain).Font().SetSize(8);
    item(Plain).PrintFont().SetSize(8);
    grid->ChangeScale(3, 2);
    EXPECT_EQ(item(Plain).Font().Size(), 12);
    EXPECT_EQ(item(Plain).PrintFont().Size(), 8);
    EXPECT_EQ(grid->GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST_F(ColumnGridStructure, GroupingTakesTheColumnsDefinitionOutAndBack) {
    const char* values[] = {"Off", "Off", "On", "Auto"};
    for (int r = 1; r < 5; ++r) grid->SetCells(Combo, r, values[r - 1]);
    item(Combo).DropDownCount = 5;
    grid->Group(Combo);
    ASSERT_EQ(grid->ColCount(), ColumnCount - 1);
    EXPECT_EQ(grid->Columns().Count(), ColumnCount - 1);
    EXPECT_EQ(item(Combo).Editor(), edDataCheckBox);
    EXPECT_EQ(item(ReadOnly - 1).Header(), "Status");

    grid->UnGroup();
    ASSERT_EQ(grid->Columns().Count(), ColumnCount);
    EXPECT_EQ(item(Combo).Editor(), edComboList);
    EXPECT_EQ(item(Combo).ComboItems().Count(), 3);
    EXPECT_EQ(item(Combo).DropDownCount, 5);
    EXPECT_EQ(answers(Check), check);
    EXPECT_EQ(answers(ReadOnly), readOnly);
}

TEST_F(ColumnGridStructure, InsertionAndRemovalBehindAHiddenColumnKeepRealPlaces) {
    grid->HideColumn(Plain);
    // Real places: the new item goes before the combo column, after the hidden one.
    grid->InsertCols(Combo, 1);
    ASSERT_EQ(grid->Columns().Count(), ColumnCount + 1);
    EXPECT_EQ(item(Plain).Header(), "Name");
    EXPECT_EQ(item(Combo).Header(), "");
    EXPECT_EQ(answers(Combo + 1), combo);
    grid->RemoveCols(Combo, 1);
    ASSERT_EQ(grid->Columns().Count(), ColumnCount);
    EXPECT_EQ(answers(Combo), combo);
    grid->UnHideColumnsAll();
    EXPECT_EQ(answers(Plain), plain);
}

}  // namespace

namespace {

TEST_F(ColumnGridFixture, ColumnPopupFollowsButtonPopupTypeAndRow) {
    TPopupMenu menu(nullptr);
    menu.Items = {"Hide", "Sort"};
    item(Plain).ColumnPopup = &menu;
    int fired = 0;
    TPopupMenu* given = nullptr;
    grid->OnColumnPopup = [&](TObject*, int ACol, int ARow, TPopupMenu* PopupMenu) {
        ++fired;
        given = PopupMenu;
        EXPECT_EQ(ACol, Plain);
    };
    const TRect data = grid->CellRect(Plain, 2), header = grid->CellRect(Plain, 0);
    struct Case {
        TColumnPopupType type;
        TMouseButton button;
        int row;
        bool fires, pops;
    } cases[] = {{cpFixedCellsRClick, mbRight, 2, true, false}, {cpFixedCellsRClick, mbRight, 0, true, true},
                 {cpFixedCellsRClick, mbLeft, 0, false, false}, {cpNormalCellsLClick, mbLeft, 2, true, true},
                 {cpNormalCellsLClick, mbLeft, 0, true, false},  {cpAllCellsRClick, mbRight, 0, true, true},
                 {cpAllCellsRClick, mbRight, 2, true, true},      {cpAllCellsLClick, mbRight, 2, false, false},
                 {cpAllCellsRClick, mbMiddle, 2, false, false}};
    for (const Case& c : cases) {
        item(Plain).ColumnPopupType = c.type;
        fired = 0;
        driver().reset();
        const TRect& r = c.row == 0 ? header : data;
        grid->MouseDown(c.button, 0, r.Left + 2, r.Top + 2);
        EXPECT_EQ(fired, c.fires ? 1 : 0) << c.type << " " << c.button << " row " << c.row;
        ASSERT_EQ(driver().menus().size(), c.pops ? 1u : 0u) << c.type << " " << c.button << " row " << c.row;
        if (!c.pops) continue;
        // Under the cell, at its left edge.
        const TPoint at = grid->ClientToScreen({r.Left, r.Bottom});
        EXPECT_EQ(TPoint(driver().menus()[0].X, driver().menus()[0].Y), at);
        EXPECT_EQ(driver().menus()[0].Items, menu.Items);
    }
    EXPECT_EQ(given, &menu);
    // Columns without a menu stay quiet.
    fired = 0;
    const TRect other = grid->CellRect(Combo, 2);
    grid->MouseDown(mbRight, 0, other.Left + 2, other.Top + 2);
    EXPECT_EQ(fired, 0);
}

}  // namespace

namespace {

TEST_F(ColumnGridFixture, LoadingFillsMissingDefinitionsAndKeepsTheColumns) {
    grid->Columns().NoRecursion = true;
    grid->Columns().Delete(ReadOnly);
    grid->Columns().Delete(Spin);
    grid->Columns().NoRecursion = false;
    grid->SetCells(ReadOnly, 2, "kept");
    grid->SetColWidths(ReadOnly, 123);
    grid->Loaded();
    EXPECT_EQ(grid->ColCount(), ColumnCount);
    EXPECT_EQ(grid->Columns().Count(), ColumnCount);
    EXPECT_EQ(grid->Cells(ReadOnly, 2), "kept");
    EXPECT_EQ(grid->ColWidths(ReadOnly), 123);
    EXPECT_EQ(item(ReadOnly).DefIdx, ReadOnly);
}

}  // namespace
