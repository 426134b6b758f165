#include "grid/columngrid/column_grid_fixture.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/core/stream.h"

#include <QDataStream>
#include <QIODevice>

namespace {

TFont verdana8() {
    TFont f;
    f.SetName("Verdana");
    f.SetSize(8);
    return f;
}

TEST(GridColumnItem, NewItemStartsFromTheGridsFontAndColourAndTheDefaults) {
    TForm form(nullptr);
    TExColumnGrid grid(&form);
    grid.Font().Assign(verdana8());
    grid.SetColor(0x123456);
    TGridColumnCollection columns(&grid);
    const TGridColumnItem& item = *columns.Add();

    for (const TFont* f : {&item.Font(), &item.HeaderFont(), &item.PrintFont()}) {
        EXPECT_EQ(f->Name(), "Verdana");
        EXPECT_EQ(f->Size(), 8);
    }
    EXPECT_EQ(item.Color(), TColor(0x123456));
    EXPECT_EQ(item.PrintColor, clWhite);
    EXPECT_EQ(item.CheckTrue, "Y");
    EXPECT_EQ(item.CheckFalse, "N");
    EXPECT_EQ(item.DropDownCount, 8);
    EXPECT_EQ(item.SpinStep, 1);
    EXPECT_EQ(item.PrintBorders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
    EXPECT_EQ(item.BorderPen().Color, clSilver);
    EXPECT_EQ(item.PrintBorderPen.Color, clBlack);
    EXPECT_TRUE(item.PrintBorderCustom && item.PrintFontCustom);
    EXPECT_EQ(item.Editor(), edNormal);

    // Without a collection the plain defaults stay and nothing reaches a grid.
    TGridColumnItem loose(nullptr);
    EXPECT_EQ(loose.Font().Name(), TFont().Name());
    EXPECT_EQ(loose.Width(), 0);
    loose.SetHeader("X");
    loose.SetRows(1, "ignored");
    EXPECT_EQ(loose.Rows(1), "");
}

TEST(GridColumnItem, AddedItemCopiesTheVisualsOfTheLastButNotItsIdentity) {
    TForm form(nullptr);
    TExColumnGrid grid(&form);
    TGridColumnCollection columns(&grid);
    columns.Add();
    TGridColumnItem& second = *columns.Add();
    second.SetEditor(edComboList);
    second.SetAlignment(taRightJustify);
    second.ReadOnly = true;
    second.CheckTrue = "J";
    second.SetBorderPen(TPen{clRed, 2, psSolid});
    second.PrintBorderPen = TPen{clBlue, 3, psSolid};
    second.SetHeader("Mode");
    second.ComboItems().Assign(QStringList{"a", "b"});
    second.HeaderFont().SetSize(20);
    second.Tag = 7;
    second.SetColor(clYellow);

    const TGridColumnItem& third = *columns.Add();
    EXPECT_EQ(third.Editor(), edComboList);
    EXPECT_EQ(third.Alignment(), taRightJustify);
    EXPECT_TRUE(third.ReadOnly);
    EXPECT_EQ(third.CheckTrue, "J");
    EXPECT_EQ(third.BorderPen().Color, clRed);
    EXPECT_EQ(third.PrintBorderPen.Width, 3);
    EXPECT_EQ(third.Header(), "");
    EXPECT_EQ(third.ComboItems().Count(), 0);
    EXPECT_EQ(third.HeaderFont().Size(), grid.Font().Size());
    EXPECT_EQ(third.Tag, 0);
    // Colour and font come from the grid, not from the item before.
    EXPECT_EQ(third.Color(), grid.Color());
}

TEST(GridColumnItem, AssignCopiesTheDefinitionButNotThePopupTypeOrPrintFlags) {
    TGridColumnItem source(nullptr), target(nullptr);
    source.ColumnPopupType = cpAllCellsLClick;
    source.PrintBorderCustom = false;
    source.SetHeader("Price");
    source.Name = "price";
    source.SetEditor(edSpinEdit);
    source.SpinMax = 99;
    source.Filter().Add("cheap=<10");
    target.Assign(source);
    EXPECT_EQ(target.ColumnPopupType, cpFixedCellsRClick);
    EXPECT_TRUE(target.PrintBorderCustom);
    EXPECT_EQ(target.Header(), "Price");
    EXPECT_EQ(target.Name, "price");
    EXPECT_EQ(target.Editor(), edSpinEdit);
    EXPECT_EQ(target.SpinMax, 99);
    EXPECT_EQ(target.Filter().Text(), "cheap=<10");

    // A source of another class changes nothing.
    TGridColumnCollection other(nullptr);
    target.Assign(other);
    EXPECT_EQ(target.Header(), "Price");
}

TEST(GridColumnItem, DisplayNameTellsIndexAndName) {
    TForm form(nullptr);
    TExColumnGrid grid(&form);
    TGridColumnCollection columns(&grid);
    for (int i = 0; i < 4; ++i) columns.Add();
    EXPECT_EQ(columns.Items(3)->GetDisplayName(), "Column 3");
    columns.Items(3)->Name = "Price";
    EXPECT_EQ(columns.Items(3)->GetDisplayName(), "Col 3: Price");
    EXPECT_THROW(columns.Items(4), EListError);
}

TEST_F(ColumnGridFixture, HeaderWriteFillsRowZeroAndTheHeaderList) {
    item(Plain).SetHeader("Label");
    EXPECT_EQ(grid->Cells(Plain, 0), "Label");
    EXPECT_EQ(grid->ColumnHeaders().Strings(Plain), "Label");
    EXPECT_EQ(grid->ColumnHeaders().Count(), ColumnCount);

    // Without a header row no cell changes, but the list is still rebuilt.
    grid->SetFixedRows(0);
    grid->SetCells(Plain, 0, "data");
    item(Plain).SetHeader("Other");
    EXPECT_EQ(grid->Cells(Plain, 0), "data");
    EXPECT_EQ(grid->ColumnHeaders().Strings(Plain), "Other");
}

TEST_F(ColumnGridFixture, EditorWriteRepaintsOnlyForDataCheckBoxes) {
    struct Case {
        TEditorType from, to;
        bool repaints;
    } cases[] = {{edNormal, edComboList, false}, {edNormal, edDataCheckBox, true},
                 {edDataCheckBox, edNormal, true}, {edComboList, edComboList, false}};
    for (const Case& c : cases) {
        item(Plain).SetEditor(c.from);
        TInvalidationRecorder recorder;
        item(Plain).SetEditor(c.to);
        EXPECT_EQ(!recorder.Rects.empty(), c.repaints) << c.from << " -> " << c.to;
    }
}

TEST_F(ColumnGridFixture, ItemsAddedFromCodeGrowTheGridOnceOutsideABatch) {
    grid->Columns().Add();
    EXPECT_EQ(grid->ColCount(), ColumnCount + 1);

    grid->Columns().BeginUpdate();
    grid->Columns().Add();
    grid->Columns().Add();
    EXPECT_EQ(grid->ColCount(), ColumnCount + 1);
    grid->Columns().EndUpdate();
    EXPECT_EQ(grid->ColCount(), ColumnCount + 3);
    EXPECT_EQ(grid->Columns().Count(), ColumnCount + 3);
}

TEST_F(ColumnGridFixture, ResetOrganizationRestoresTheDesignedOrder) {
    grid->MoveColumn(Plain, Spin);
    grid->MoveColumn(Check, Plain);
    grid->Columns().ResetOrganization();
    for (int i = 0; i < ColumnCount; ++i) EXPECT_EQ(item(i).DefIdx, i);
    EXPECT_EQ(grid->Cells(Combo, 0), "Mode");
    EXPECT_EQ(item(Combo).Header(), "Mode");

    // A repeated place would make the restore run for ever: the order is left alone.
    grid->MoveColumn(Plain, Spin);
    item(Plain).DefIdx = 1;
    item(Spin).DefIdx = 1;
    grid->Columns().ResetOrganization();
    EXPECT_EQ(item(Spin).Header(), "Name");
}

// ---- streaming

TEST(GridColumnItemProperties, OnlyValuesBesideTheirDefaultsAreWritten) {
    TGridColumnItem item(nullptr);
    auto names = [&] {
        QStringList out;
        for (const TStreamedProperty& p : WriteColumnItemProperties(item)) out << p.Name;
        return out;
    };
    const QStringList plain = names();
    for (const char* absent : {"ComboItems", "EditMask", "Filter", "FloatFormat", "Header", "Name", "PrintBorderCustom",
                               "PrintFontCustom", "SortPrefix", "SortSuffix"})
        EXPECT_FALSE(plain.contains(absent)) << absent;
    for (const char* present : {"AutoMinSize", "Alignment", "CheckTrue", "Editor", "Font", "ReadOnly", "Width"})
        EXPECT_TRUE(plain.contains(present)) << present;
    EXPECT_LT(plain.indexOf("Alignment"), plain.indexOf("Width"));

    item.PrintFontCustom = false;
    item.SetHeader("H");
    EXPECT_TRUE(names().contains("PrintFontCustom"));
    EXPECT_TRUE(names().contains("Header"));
    EXPECT_THROW(ReadColumnItemProperties(item, {{"NoSuchProperty", 1}}), Exception);
}

TEST_F(ColumnGridFixture, DefinitionsRoundTripThroughAStream) {
    item(Combo).HeaderFont().SetSize(14);
    item(Spin).SpinStep = 5;
    item(Check).CheckTrue = "1";
    item(ReadOnly).PrintBorders = {cbTop};
    TMemoryStream stream;
    grid->SaveColumnsToStream(stream);

    TForm otherForm(nullptr);
    TTestColumnGrid other(&otherForm);
    other.SetRowCount(5);
    BuildColumns(other, std::vector<TColumnDefinition>(ColumnCount));
    stream.SetPosition(0);
    other.LoadColumnsFromStream(stream);
    ASSERT_EQ(other.Columns().Count(), ColumnCount);
    const TGridColumnItem& combo = *other.Columns().Items(Combo);
    EXPECT_EQ(combo.Header(), "Mode");
    EXPECT_EQ(combo.ComboItems().ToStringList(), (QStringList{"Off", "On", "Auto"}));
    EXPECT_EQ(combo.HeaderFont().Size(), 14);
    EXPECT_EQ(other.Columns().Items(Spin)->SpinStep, 5);
    EXPECT_EQ(other.Columns().Items(Spin)->SpinMax, 10);
    EXPECT_EQ(other.Columns().Items(Check)->CheckTrue, "1");
    EXPECT_EQ(other.Columns().Items(Check)->Editor(), edDataCheckBox);
    EXPECT_EQ(other.Columns().Items(ReadOnly)->PrintBorders, TCellBorders{cbTop});
    EXPECT_TRUE(other.Columns().Items(ReadOnly)->ReadOnly);
}

TEST_F(ColumnGridFixture, ABadStreamRaisesAndLeavesTheDefinitions) {
    TMemoryStream garbage(QByteArray("not a column grid"));
    EXPECT_THROW(grid->LoadColumnsFromStream(garbage), Exception);
    EXPECT_EQ(item(Combo).Header(), "Mode");
    EXPECT_EQ(grid->Columns().Count(), ColumnCount);

    // A well-formed stream whose second item names an unknown value: the first item's header
    // must not have reached the grid's header row.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << QString("TExColumnGridIO") << qint32(2) << qint32(1) << QString("Header") << QVariant("Changed") << qint32(1)
        << QString("Bogus") << QVariant(1);
    TMemoryStream stream(bytes);
    EXPECT_THROW(grid->LoadColumnsFromStream(stream), Exception);
    EXPECT_EQ(grid->Cells(Fixed, 0), "Nr");
    EXPECT_EQ(item(Fixed).Header(), "Nr");

    // An IO object belongs to a column grid only.
    TForm other(nullptr);
    EXPECT_THROW(TExColumnGridIO io(&other), EInvalidCast);
}

}  // namespace
