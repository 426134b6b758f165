#include "grid/foundation/codings.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/date_time_picker.h"
#include "platform/system/conversions.h"
#include "platform/system/date_time_text.h"

namespace {

using CellQueries = StringGridFixture;

TEST_F(CellQueries, ActiveCellShowMarksTheFixedCellsInLineWithTheCurrentCell) {
    grid->SetActiveCellShow(true);
    grid->SetActiveCellColor(clLime);
    grid->ActiveCellFont().SetName("Verdana");
    grid->SetCol(3);
    grid->SetRow(5);
    for (const auto& [col, row, marked] : {std::tuple{0, 5, true}, {3, 0, true}, {0, 0, false}, {0, 4, false}}) {
        TBrush brush;
        TFont font;
        grid->GetCellColor(col, row, 0, brush, font);
        EXPECT_EQ(brush.Color == clLime, marked) << col << " " << row;
        EXPECT_EQ(font.Name() == "Verdana", marked) << col << " " << row;
    }
}

TEST_F(CellQueries, ACellsOwnColoursExceptTheBackgroundOfDecoratedCells) {
    grid->SetColors(2, 2, clRed);
    grid->SetFontColors(2, 2, clBlue);
    grid->SetColors(3, 2, clRed);
    grid->SetFontColors(3, 2, clBlue);
    grid->SetFontSizes(3, 2, 15);
    grid->CreateCellGraphic(3, 2)->SetCheckBox(true, false, false, haLeft, vaTop);
    TBrush brush;
    TFont font;
    grid->GetCellColor(2, 2, 0, brush, font);
    EXPECT_EQ(brush.Color, clRed);
    EXPECT_EQ(font.Color(), clBlue);
    brush.Color = clWhite;
    grid->GetCellColor(3, 2, 0, brush, font);
    EXPECT_EQ(brush.Color, clWhite);
    EXPECT_EQ(font.Size(), 15);
    grid->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush& ABrush, TFont&) {
        if (ARow == 2 && ACol == 3) ABrush.Color = clGray;
    };
    grid->GetCellColor(3, 2, 0, brush, font);
    EXPECT_EQ(brush.Color, clGray);
}

TEST_F(CellQueries, RecordsMadeOnDemandStoreNoBackgroundWhereTheGridPaintsItsOwn) {
    grid->SetColor(clAqua);
    EXPECT_EQ(grid->GetCellProperties(2, 2)->BrushColor(), clAqua);
    grid->SetFixedFooters(1);
    EXPECT_EQ(grid->GetCellProperties(2, 11)->BrushColor(), clNone);
    grid->Bands().SetActive(true);
    EXPECT_EQ(grid->GetCellProperties(2, 3)->BrushColor(), clNone);
}

TEST_F(CellQueries, GroupingLinesAndTheBorderEvent) {
    grid->CreateCellGraphic(0, 3)->CellType = ctNode;
    grid->CreateCellGraphic(0, 6)->CellType = ctSummary;
    grid->Grouping().HeaderUnderline = true;
    grid->Grouping().SummaryLine = true;
    grid->Grouping().SummaryLineColor = clRed;
    const auto border = [&](int col, int row) {
        TPen pen;
        TCellBorders borders;
        grid->GetCellBorder(col, row, pen, borders);
        return std::pair{borders, pen.Color};
    };
    EXPECT_EQ(border(2, 3), (std::pair{TCellBorders{cbBottom}, TColor(clBlue)}));
    EXPECT_EQ(border(2, 6), (std::pair{TCellBorders{cbTop}, TColor(clRed)}));
    EXPECT_EQ(border(0, 3).first, TCellBorders{});
    EXPECT_EQ(border(2, 4).first, TCellBorders{});
    grid->OnGetCellBorder = [](TObject*, int, int, TPen&, TCellBorders& Borders) { Borders.Include(cbLeft); };
    EXPECT_EQ(border(2, 3).first, (TCellBorders{cbBottom, cbLeft}));
}

TEST_F(CellQueries, AlignmentHintsAndEditors) {
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    grid->MouseActions().SetHotmailRowSelect(true);
    grid->GetCellAlign(0, 3, h, v);
    EXPECT_EQ(h, taCenter);

    QString hint = "plain", wide;
    grid->OnGridWideHint = [](TObject*, int, int, QString& Value) { Value = QString::fromUtf8("Ωx"); };
    grid->GetGridHint(2, 2, hint, wide);
    EXPECT_EQ(hint, EncodeWideText(QString::fromUtf8("Ωx")));

    // A spin button is never shown in a fixed cell, whatever the event says.
    grid->OnHasSpinEdit = [](TObject*, int, int, bool& Has) { Has = true; };
    EXPECT_FALSE(grid->HasSpinEdit(0, 3));
    EXPECT_FALSE(grid->HasSpinEdit(3, 0));
    EXPECT_TRUE(grid->HasSpinEdit(3, 3));
    grid->OnIsPasswordCell = [](TObject*, int ARow, int, bool& IsPassword) { IsPassword = ARow == 4; };
    EXPECT_TRUE(grid->IsPassword(2, 4));
    EXPECT_FALSE(grid->IsPassword(2, 5));
}

TEST_F(CellQueries, EditabilityFollowsTheBaseCellsReadOnlyFlagAndGoEditing) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->MergeCells(2, 2, 2, 2);
    grid->SetReadOnly(2, 2, true);
    bool canEdit = true;
    grid->CanEditCell(3, 3, canEdit);  // a covered cell asks its base cell
    EXPECT_FALSE(canEdit);
    canEdit = true;
    grid->CanEditCell(5, 5, canEdit);  // no record: the event decides alone
    EXPECT_TRUE(canEdit);
    grid->SetReadOnly(5, 5, false);
    grid->SetOptions(grid->Options() & ~goEditing);
    grid->CanEditCell(5, 5, canEdit);
    EXPECT_FALSE(canEdit);
    grid->MouseActions().RangeSelectAndEdit = true;
    canEdit = true;
    grid->CanEditCell(5, 5, canEdit);
    EXPECT_TRUE(canEdit);
}

TEST_F(CellQueries, FilterValuesListEachTextOnceAfterTheClearEntry) {
    const char* texts[] = {" a b ", "x", " x", "y", "x "};
    for (int r = 1; r <= 5; ++r) grid->SetCells(2, r, texts[r - 1]);
    for (int r = 6; r < 12; ++r) grid->SetCells(2, r, "y");
    grid->SetCells(2, 11, "hidden one");
    grid->HideRow(11);
    EXPECT_FALSE(grid->GetFilterValues(2));  // FilterDropDownAuto off
    grid->FilterDropDownAuto = true;
    ASSERT_TRUE(grid->GetFilterValues(2));
    EXPECT_EQ(grid->FilterList().ToStringList(),
              (QStringList{"(All)", "a b=\"a b\"", "hidden one=\"hidden one\"", "x", "y"}));
    grid->FilterIncremental = true;
    grid->FilterDropDownClear = "";
    grid->GetFilterValues(2);
    EXPECT_EQ(grid->FilterList().ToStringList(), (QStringList{"a b=\"a b\"", "x", "y"}));
    EXPECT_FALSE(grid->GetFilterValues(0));  // a fixed column
    grid->OnGetColumnFilter = [](TObject*, int, TStringList* List) { List->Add("own"); };
    EXPECT_TRUE(grid->GetFilterValues(0));
}

// Painting asks HasFilterValues for every filter-row cell; it must answer as the built list would.
TEST_F(CellQueries, HasFilterValuesAnswersAsTheBuiltListWould) {
    const auto check = [&](int Col, bool Expected, const char* Case) {
        EXPECT_EQ(grid->HasFilterValues(Col), Expected) << Case;
        EXPECT_EQ(grid->GetFilterValues(Col), Expected) << Case;
    };
    check(2, false, "automatic values off");
    grid->FilterDropDownAuto = true;
    grid->FilterDropDownClear = "";
    check(2, true, "a normal column");
    check(0, false, "a fixed column");
    grid->FilterDropDownColumns = fdAll;
    check(0, true, "a fixed column with fdAll");
    grid->HideRows(2, 11);
    grid->SetFixedFooters(1);
    ASSERT_EQ(grid->RowCount(), 2);
    ASSERT_EQ(grid->FixedRows(), 1);
    check(2, true, "only hidden rows hold texts");
    grid->FilterIncremental = true;
    check(2, false, "hidden rows left out");
    grid->FilterDropDownClear = "(All)";
    check(2, true, "the clear entry alone");
    grid->OnGetColumnFilter = [](TObject*, int, TStringList* List) { List->Clear(); };
    check(2, false, "the event empties the list");
    grid->FilterDropDownAuto = false;
    grid->OnGetColumnFilter = [](TObject*, int, TStringList* List) { List->Add("own"); };
    check(2, true, "the event alone fills it");
}

TEST_F(CellQueries, TheDeleteKeyEmptiesTheLastNormalRowInsteadOfRemovingIt) {
    std::vector<int> deleted;
    grid->OnAutoDeleteRow = [&](TObject*, int ARow) { deleted.push_back(ARow); };
    grid->AutoDeleteRow(4);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->Cells(1, 4), "1:5");
    grid->SetRowCount(2);
    grid->AutoDeleteRow(1);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(deleted, (std::vector<int>{4, 1}));
    grid->AutoInsertRow(1);
    EXPECT_EQ(grid->RowCount(), 3);
}

TEST_F(CellQueries, TheInsertAndDeleteKeysWorkOnTheRealRowAndKeepNodesWhole) {
    // A hidden row before it: real row 5 is shown as row 4.
    grid->HideRow(2);
    grid->AutoDeleteRow(5);
    EXPECT_EQ(grid->Cells(1, 4), "1:6");
    EXPECT_EQ(grid->Cells(1, 3), "1:4");
    grid->UnHideRowsAll();

    grid->AddNode(3, 3);
    grid->AutoInsertRow(4);
    EXPECT_EQ(grid->GetNodeSpan(3), 4) << "a row inserted within the node joins it";
    grid->AutoDeleteRow(5);
    EXPECT_EQ(grid->GetNodeSpan(3), 3) << "a child row removed leaves the node";
    const int rows = grid->RowCount();
    grid->AutoInsertRow(8);
    EXPECT_EQ(grid->RowCount(), rows + 1);
    EXPECT_EQ(grid->GetNodeSpan(3), 3);
    grid->AutoDeleteRow(8);
    EXPECT_EQ(grid->RowCount(), rows);
    EXPECT_EQ(grid->GetNodeSpan(3), 3);
}

TEST_F(CellQueries, TheEditMaskEventMayChangeTheMaskOfACell) {
    grid->EditMask = "000";
    grid->OnGetEditMask = [](TObject*, int ACol, int ARow, QString& Value) {
        if (ACol == 2 && ARow == 3) Value = "!99:99";
    };
    EXPECT_EQ(grid->GetEditMask(2, 3), "!99:99");
    EXPECT_EQ(grid->GetEditMask(3, 2), "000");
}

TEST_F(CellQueries, EditorNotificationsBecomeTheGridsEventsForTheCurrentCell) {
    grid->SetCol(2);
    grid->SetRow(3);
    QStringList log;
    grid->OnEditChange = [&](TObject*, int ACol, int ARow, QString Value) {
        log << QStringLiteral("change %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
    };
    grid->OnDateTimeChange = [&](TObject*, int ACol, int ARow, TDateTime Value) {
        log << QStringLiteral("datetime %1,%2 %3").arg(ACol).arg(ARow).arg(static_cast<double>(Value));
    };
    // The two date picker events name the row first.
    grid->OnDatePickerCloseUp = [&](TObject*, int ARow, int ACol) { log << QStringLiteral("closeup %1,%2").arg(ARow).arg(ACol); };
    grid->OnDatePickerDropDown = [&](TObject*, int ARow, int ACol) { log << QStringLiteral("dropdown %1,%2").arg(ARow).arg(ACol); };
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) { log << QStringLiteral("button %1,%2").arg(ACol).arg(ARow); };

    TDateTimePicker picker(nullptr);
    picker.SetDateTime(EncodeDate(2026, 12, 11) + 0.5);
    grid->DatePickerChange(&picker);
    picker.SetKind(dtkTime);
    grid->DatePickerChange(&picker);
    grid->DateTimePickerChange(&picker);
    grid->DatePickerDropDown(&picker);
    grid->DatePickerCloseUp(&picker);
    grid->GridButtonClick(nullptr);
    const QString when = QString::number(static_cast<double>(picker.DateTime()));
    EXPECT_EQ(log, (QStringList{"change 2,3 " + DateToStr(picker.Date()), "change 2,3 " + TimeToStr(picker.Time()),
                                "datetime 2,3 " + when, "dropdown 3,2", "closeup 3,2", "button 2,3"}));
}

TEST_F(CellQueries, FooterCountsAndCustomTexts) {
    grid->FloatingFooter().Visible = true;
    grid->GetCellProperties(1, 11)->SetCalcType(acCOUNT);
    grid->GetCellProperties(2, 11)->SetCalcType(acCUSTOM);
    grid->GetCellProperties(3, 11)->SetCalcType(acSPREAD);
    grid->HideRows(3, 4);
    grid->SetRowCount(12);
    std::vector<int> rows;
    grid->FloatingFooter().OnCalcFooter = [&](TObject*, int, int ARow, QString& Value) {
        rows.push_back(ARow);
        Value = "custom";
    };
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, 11), "12");  // 10 shown normal rows and 2 hidden
    EXPECT_EQ(grid->Cells(2, 11), "custom");
    EXPECT_EQ(grid->Cells(3, 11), "3:11");  // a spread cell is left alone
    EXPECT_EQ(rows, (std::vector<int>{13}));
    grid->OnFooterCalc = [](TObject*, int, int, QString& Value) { Value = "grid's"; };
    grid->FloatingFooter().CalculateHiddenRows = false;
    grid->CalcFooter(1);
    EXPECT_EQ(grid->Cells(1, 11), "10");
    EXPECT_EQ(grid->Cells(2, 11), "custom");
    grid->FloatingFooter().EnableCalculation = false;
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(2, 11), "custom");
}

}  // namespace
