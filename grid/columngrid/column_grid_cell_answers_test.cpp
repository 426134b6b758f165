#include "grid/columngrid/column_grid_fixture.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "grid/stringgrid/paint/control_look.h"

namespace {

TEST_F(ColumnGridFixture, EachColumnAnswersItsEditorEditabilityComboAndCheckBox) {
    struct Expected {
        int col;
        TEditorType editor;
        bool editable, combo;
        TCellType emptyType;
    } table[] = {
        {Fixed, edNormal, false, false, ctEmpty},       {Plain, edNormal, true, false, ctEmpty},
        {Combo, edComboList, true, true, ctEmpty},      {Check, edDataCheckBox, true, false, ctDataCheckBox},
        {Spin, edSpinEdit, true, false, ctEmpty},       {ReadOnly, edNormal, false, false, ctEmpty},
    };
    grid->DefaultEditor = edNormal;
    for (const Expected& e : table) {
        SCOPED_TRACE(e.col);
        EXPECT_EQ(editorOf(e.col, 2), e.editor);
        EXPECT_EQ(canEdit(e.col, 2), e.editable);
        EXPECT_EQ(grid->HasComboBox(e.col, 2), e.combo);
        EXPECT_EQ(grid->GetCellType(e.col, 2), e.emptyType);
        // Header cells are no inner cells: no column editor, no editing, no combo button.
        EXPECT_FALSE(canEdit(e.col, 0));
        EXPECT_FALSE(grid->HasComboBox(e.col, 0));
    }
}

TEST_F(ColumnGridFixture, EditorAnswerSetsUpTheGridsEditorsFromTheColumn) {
    item(Combo).DropDownCount = 3;
    editorOf(Combo, 2);
    EXPECT_EQ(grid->Combobox()->Items(), (QStringList{"Off", "On", "Auto"}));
    EXPECT_EQ(grid->Combobox()->DropDownCount, 3);
    EXPECT_EQ(grid->ControlLook().DropDownCount, 3);

    item(Spin).SpinStep = 2;
    editorOf(Spin, 3);
    EXPECT_EQ(grid->SpinEdit()->MinValue, 1);
    EXPECT_EQ(grid->SpinEdit()->MaxValue, 10);
    EXPECT_EQ(grid->SpinEdit()->Increment, 2);

    // Another column brings its own (empty) items; a header cell sets nothing up.
    editorOf(Plain, 2);
    EXPECT_TRUE(grid->Combobox()->Items().isEmpty());
    editorOf(Combo, 0);
    EXPECT_TRUE(grid->Combobox()->Items().isEmpty());
}

TEST_F(ColumnGridFixture, EditabilityIgnoresGoEditingButHonoursCellsAndTheEvent) {
    grid->SetOptions(grid->Options() & ~goEditing);
    EXPECT_TRUE(canEdit(Plain, 1));
    item(Plain).SetFixed(true);
    EXPECT_FALSE(canEdit(Plain, 1));
    item(Plain).SetFixed(false);

    grid->SetReadOnly(Plain, 2, true);
    EXPECT_FALSE(canEdit(Plain, 2));
    EXPECT_TRUE(canEdit(Plain, 3));

    // The event hears of the base cell of a merged range and has the last word.
    grid->MergeCells(Combo, 1, 2, 2);
    int eventCol = -1, eventRow = -1;
    grid->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
        eventCol = ACol;
        eventRow = ARow;
        CanEdit = true;
    };
    EXPECT_TRUE(canEdit(Check, 2));
    EXPECT_EQ(eventCol, Combo);
    EXPECT_EQ(eventRow, 1);
    EXPECT_TRUE(canEdit(ReadOnly, 3));
}

TEST_F(ColumnGridFixture, DataCheckBoxesOnlyInDataCells) {
    TCellGraphic* graphic = grid->GetCellGraphic(Check, 2);
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(graphic->CellType, ctVirtCheckBox);
    EXPECT_EQ(grid->GetCellGraphic(Plain, 2), nullptr);
    // A footer row and a fixed right column hold no data cells.
    grid->SetFixedFooters(1);
    EXPECT_EQ(grid->GetCellType(Check, grid->RowCount() - 1), ctEmpty);
    EXPECT_EQ(grid->GetCellGraphic(Check, grid->RowCount() - 1), nullptr);
    grid->SetFixedFooters(0);
    grid->MoveColumn(Check, ReadOnly);
    grid->SetFixedRightCols(1);
    EXPECT_EQ(grid->GetCellType(ReadOnly, 2), ctEmpty);
}

TEST_F(ColumnGridFixture, ColumnCheckTextsWinOverTheEventInDataCellsOnly) {
    item(Check).CheckTrue = "Y";
    grid->OnGetCheckTrue = [](TObject*, int, int, QString& Value) { Value = "X"; };
    QString value;
    grid->GetCheckTrue(Check, 2, value);
    EXPECT_EQ(value, "Y");
    grid->GetCheckTrue(Check, 0, value);
    EXPECT_EQ(value, "X");
    item(Check).CheckFalse = "0";
    grid->GetCheckFalse(Check, 3, value);
    EXPECT_EQ(value, "0");
}

TEST_F(ColumnGridFixture, CellColoursComeFromTheColumn) {
    item(Plain).SetColor(clYellow);
    item(Plain).Font().SetColor(clRed);
    item(Plain).HeaderFont().SetColor(clBlue);
    grid->SetFixedColor(clBtnFace);

    auto colours = [&](int c, int r) {
        TBrush brush;
        brush.Color = clAqua;
        TFont font;
        grid->GetCellColor(c, r, 0, brush, font);
        return std::pair(brush.Color, font.Color());
    };
    EXPECT_EQ(colours(Plain, 2), std::pair(clYellow, clRed));
    // A header cell takes the header font and keeps the brush it was given.
    EXPECT_EQ(colours(Plain, 0), std::pair(clAqua, clBlue));
    item(Plain).SetFixed(true);
    EXPECT_EQ(colours(Plain, 0).first, clBtnFace);
    EXPECT_EQ(colours(Plain, 2).first, clBtnFace);
    item(Plain).SetFixed(false);
    // Cell properties beat the column; banded columns keep the band colour.
    grid->SetColors(Plain, 3, clLime);
    EXPECT_EQ(colours(Plain, 3).first, clLime);
    item(Combo).SetShowBands(true);
    grid->Bands().SetActive(true);
    EXPECT_EQ(colours(Combo, 2).first, clAqua);
}

TEST_F(ColumnGridFixture, PrintLooksComeFromTheColumnOrThePrintSettings) {
    item(Plain).PrintColor = clYellow;
    item(Plain).PrintFont().SetName("Courier");
    grid->PrintSettings().Font.SetName("Times");
    grid->PrintSettings().FixedFont.SetName("Fixed");
    auto print = [&](int c, int r) {
        TBrush brush;
        TFont font;
        grid->GetCellPrintColor(c, r, 0, brush, font);
        return std::pair(brush.Color, font.Name());
    };
    EXPECT_EQ(print(Plain, 2), std::pair(clYellow, QString("Courier")));
    EXPECT_EQ(print(Plain, 0).second, "Fixed");
    item(Plain).PrintFontCustom = false;
    EXPECT_EQ(print(Plain, 2).second, "Times");

    TPen pen;
    TCellBorders borders;
    grid->GetCellPrintBorder(Plain, 2, pen, borders);
    EXPECT_EQ(borders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
    item(Plain).PrintBorderCustom = false;
    borders = {};
    grid->GetCellPrintBorder(Plain, 2, pen, borders);
    EXPECT_TRUE(borders.Empty());
}

TEST_F(ColumnGridFixture, BordersAndAlignmentComeFromTheColumn) {
    item(Spin).SetBorders({cbBottom});
    item(Spin).SetBorderPen(TPen{clRed, 2, psSolid});
    item(Spin).SetAlignment(taRightJustify);
    item(Spin).SetHeaderAlignment(taCenter);
    TPen pen;
    TCellBorders borders;
    grid->GetCellBorder(Spin, 2, pen, borders);
    EXPECT_EQ(borders, TCellBorders{cbBottom});
    EXPECT_EQ(pen.Color, clRed);
    borders = {};
    grid->GetCellBorder(Spin, 0, pen, borders);
    EXPECT_TRUE(borders.Empty());

    TAlignment h = taLeftJustify;
    TVAlignment v = vtaBottom;
    grid->GetCellAlign(Spin, 2, h, v);
    EXPECT_EQ(h, taRightJustify);
    EXPECT_EQ(v, vtaBottom);
    grid->GetCellAlign(Spin, 0, h, v);
    EXPECT_EQ(h, taCenter);
    grid->SetAlignments(Spin, 3, taLeftJustify);
    grid->GetCellAlign(Spin, 3, h, v);
    EXPECT_EQ(h, taLeftJustify);
}

TEST_F(ColumnGridFixture, UserSizingKeepsWithinTheColumnBounds) {
    item(Plain).MinSize = 30;
    item(Plain).MaxSize = 100;
    item(Combo).MinSize = 30;
    item(Spin).AutoMaxSize = 60;
    struct Case {
        int col, width, expected;
        bool automatic;
    } cases[] = {{Plain, 20, 30, false}, {Plain, 150, 100, false}, {Plain, 50, 50, false},
                 {Combo, 500, 500, false}, {Spin, 80, 60, true},    {Plain, 150, 150, true}};
    for (const Case& c : cases) {
        int width = c.width;
        if (c.automatic) grid->UpdateAutoColumnSize(c.col, width);
        else grid->UpdateColumnSize(c.col, width);
        EXPECT_EQ(width, c.expected) << c.col << " " << c.width;
    }
}

TEST_F(ColumnGridFixture, ColumnFloatFormatFormatsAndStaysAfterItsEditor) {
    item(Spin).SetFloatFormat("%.3f");
    grid->SetCells(Spin, 2, "1.5");
    grid->SetCells(Plain, 2, "1.5");
    EXPECT_EQ(grid->GetFormattedCell(Spin, 2), "1.500");
    EXPECT_EQ(grid->GetFormattedCell(Plain, 2), "1.5");
    grid->SetCells(Spin, 3, "abc");
    EXPECT_EQ(grid->GetFormattedCell(Spin, 3), "abc");

    grid->FloatFormat = "%.2f";
    editorOf(Spin, 2);
    EXPECT_EQ(grid->FloatFormat, "%.3f");
    editorOf(Plain, 2);
    grid->SetFloats(Plain, 3, 2.0);
    EXPECT_EQ(grid->Cells(Plain, 3), "2.000");
}

TEST_F(ColumnGridFixture, FilterEntriesOfAColumnReplaceTheGridsValues) {
    item(Combo).Filter().Assign(QStringList{"Small=<10", "Big=>100", "Exact"});
    EXPECT_TRUE(grid->GetFilterValues(Combo));
    EXPECT_EQ(grid->FilterList().ToStringList(), (QStringList{"Small", "Big", "Exact"}));
    EXPECT_TRUE(grid->HasFilterValues(Combo)) << "the header shows the filter button";
    EXPECT_FALSE(grid->HasFilterValues(Plain));

    // Choosing an entry filters on its condition and names the column after it.
    const char* values[] = {"5", "150", "50", "200"};
    for (int r = 1; r < 5; ++r) grid->SetCells(Combo, r, values[r - 1]);
    grid->AutoFilterDisplay = true;
    QString selected;
    grid->OnFilterSelect = [&](TObject*, int, int, QString Name, QString&) { selected = Name; };
    grid->SetFilterColumn(Combo);
    grid->FilterDropDownSelect(nullptr, 1);
    EXPECT_EQ(selected, "Big");
    EXPECT_EQ(item(Combo).Header(), "Big");
    EXPECT_EQ(grid->Cells(Combo, 0), "Big");
    EXPECT_EQ(grid->Filter().GetColFilter(Combo)->Condition, ">100");
    EXPECT_TRUE(grid->FilterActive);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->FilterColumn(), -1);
    grid->SetFilterActive(false);

    // A column without entries offers the string grid's own values.
    grid->FilterDropDownAuto = true;
    grid->SetCells(Plain, 1, "b");
    grid->SetCells(Plain, 2, "a");
    EXPECT_TRUE(grid->GetFilterValues(Plain));
    EXPECT_TRUE(grid->FilterList().ToStringList().contains("a"));
}

TEST_F(ColumnGridFixture, SortFormatPasswordAndEditLimitsComeFromTheColumn) {
    item(Spin).SortStyle = ssNumeric;
    item(Spin).SortSuffix = " kg";
    TSortStyle style = ssAutomatic;
    QString prefix, suffix;
    grid->GetColumnFormat(Spin, style, prefix, suffix);
    EXPECT_EQ(style, ssNumeric);
    EXPECT_EQ(suffix, " kg");

    item(Plain).SetPassword(true);
    EXPECT_TRUE(grid->IsPassword(Plain, 0));
    EXPECT_FALSE(grid->IsPassword(Combo, 2));

    item(Plain).EditLength = 12;
    item(Plain).EditMask = "999";
    grid->SetCol(Plain);
    EXPECT_EQ(grid->GetEditLimit(), 12);
    EXPECT_EQ(grid->GetEditMask(Plain, 2), "999");
    grid->EditMask = "AAA";
    EXPECT_EQ(grid->GetEditMask(Plain, 2), "AAA");
}

}  // namespace
