#include "grid/foundation/cell_properties.h"
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/data/cell_records.h"
#include "grid/stringgrid/data/exchange_fixture.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "platform/core/stream.h"
#include "platform/core/string_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_encoder.h"

namespace {

class BinaryCells : public ExchangeFixture {
protected:
    void numberCells(TExStringGrid& g) {
        for (int r = 0; r < g.RowCount(); ++r)
            for (int c = 0; c < g.ColCount(); ++c) g.SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    }
};

TEST_F(BinaryCells, ARectangleLandsAtThePointGiven) {
    grid->SetColCount(8);
    grid->SetRowCount(8);
    numberCells(*grid);
    TMemoryStream stream;
    grid->SaveRectToBinStream(TRect{4, 5, 6, 6}, stream);

    TTestStringGrid* at = makeGrid();
    stream.SetPosition(0);
    at->LoadAtPointFromBinStream(TPoint{1, 1}, stream);
    EXPECT_EQ(cells(*at), "5x6 1,1=4:5|2,1=5:5|3,1=6:5|1,2=4:6|2,2=5:6|3,2=6:6");

    TTestStringGrid* origin = makeGrid();
    stream.SetPosition(0);
    origin->LoadFromBinStream(stream);
    EXPECT_EQ(cells(*origin), "5x6 0,0=4:5|1,0=5:5|2,0=6:5|0,1=4:6|1,1=5:6|2,1=6:6");
}

TEST_F(BinaryCells, AFullGridClearsAndResizesTheTarget) {
    numberCells(*grid);
    grid->SetColWidths(2, 91);
    grid->SetRowHeights(3, 44);
    TMemoryStream stream;
    grid->SaveToBinStream(stream);
    TTestStringGrid* other = makeGrid();
    other->SetColCount(9);
    other->SetRowCount(2);
    other->SetCells(8, 1, "gone");
    stream.SetPosition(0);
    // Cleared and resized whatever the point; the cells still go to the point.
    other->LoadAtPointFromBinStream(TPoint{3, 3}, stream);
    EXPECT_EQ(cells(*other), "5x6 3,3=0:0|4,3=1:0|3,4=0:1|4,4=1:1|3,5=0:2|4,5=1:2");
    EXPECT_EQ(other->ColWidths(2), 91);
    EXPECT_EQ(other->RowHeights(3), 44);
    stream.SetPosition(0);
    other->LoadFromBinStream(stream);
    EXPECT_EQ(cells(*other), cells());
}

TEST_F(BinaryCells, PropertiesAndDecorationsTravel) {
    grid->SetCells(1, 1, "");
    grid->SetColors(1, 1, 0x123456);
    grid->SetFontStyles(1, 1, fsBold);
    grid->SetCells(2, 2, "span");
    grid->MergeCells(2, 2, 2, 2);
    TCellGraphic* bmp = grid->CreateCellGraphic(1, 3);
    auto* bitmap = new TBitmap(3, 2);
    bitmap->Canvas().Brush.Color = 0x00FF00;
    bitmap->Canvas().FillRect(TRect{0, 0, 3, 2});
    bmp->SetBitmap(bitmap, true, haRight, vaCenter);
    bmp->CellCreated = true;
    auto* radio = grid->CreateRadio(1, 4, 1, 2);
    radio->Add("one");
    radio->Add("two\r\nlines");
    grid->CreateCellGraphic(1, 5)->SetMultiImage(1, 5, 0, haLeft, vaTop, {});
    grid->CellGraphics(1, 5)->Held<TIntList>()->SetStrValue("3,1,4");

    const QString name = folder.file("cells.bin");
    grid->SaveToBinFile(name);
    TTestStringGrid* other = makeGrid();
    other->LoadFromBinFile(name);
    EXPECT_EQ(cells(*other), cells());
    EXPECT_EQ(other->Colors(1, 1), TColor(0x123456));
    EXPECT_EQ(other->FontStyles(1, 1), fsBold);
    EXPECT_EQ(other->CellSpan(2, 2).X, 1);
    EXPECT_FALSE(other->IsBaseCell(3, 3));
    TCellGraphic* g = other->CellGraphics(1, 3);
    ASSERT_TRUE(g && g->Held<TBitmap>());
    EXPECT_EQ(g->CellHAlign, haRight);
    EXPECT_EQ(g->Held<TBitmap>()->Width(), 3);
    EXPECT_EQ(EncodePng(*g->Held<TBitmap>()), EncodePng(*bitmap));
    ASSERT_TRUE(other->CellGraphics(1, 4) && other->CellGraphics(1, 4)->Held<TStringList>());
    EXPECT_EQ(other->CellGraphics(1, 4)->Held<TStringList>()->ToStringList(), (QStringList{"one", "two\r\nlines"}));
    EXPECT_EQ(other->CellGraphics(1, 4)->CellIndex, 2);
    ASSERT_TRUE(other->CellGraphics(1, 5) && other->CellGraphics(1, 5)->Held<TIntList>());
    EXPECT_EQ(other->CellGraphics(1, 5)->Held<TIntList>()->StrValue(), "3,1,4");
}

TEST_F(BinaryCells, BadStreamsLeaveTheGridAsItWas) {
    numberCells(*grid);
    TMemoryStream stream;
    grid->SaveToBinStream(stream);
    TTestStringGrid* other = makeGrid();
    other->SetCells(1, 1, "before");
    const QString before = cells(*other);
    for (qint64 cut : {qint64(2), qint64(30), stream.Size() / 2, stream.Size() - 1}) {
        TMemoryStream part(stream.Memory().left(cut));
        EXPECT_FALSE(messageOf([&] { other->LoadFromBinStream(part); }).isEmpty()) << cut;
        EXPECT_EQ(cells(*other), before) << cut;
        EXPECT_EQ(part.Position(), 0);
    }
    const QString name = folder.write("not.bin", "just some text, not cells");
    EXPECT_EQ(messageOf([&] { other->LoadFromBinFile(name); }), "Invalid stream format");
    EXPECT_EQ(cells(*other), before);
}

TEST_F(BinaryCells, ACellRecordLeavesOutAnEmptyText) {
    TCellRecord cell(GridCellIO);
    cell.Set("Col", 3);
    cell.Set("Row", 7);
    cell.SetText("Cell", "");
    cell.Set("HasProp", false);
    TMemoryStream stream;
    cell.Write(stream);
    stream.SetPosition(0);
    const TCellRecord back = TCellRecord::Read(stream);
    EXPECT_EQ(back.Class, "TGridCellIO");
    EXPECT_EQ(back.Int("Col"), 3);
    EXPECT_EQ(back.Int("Row"), 7);
    EXPECT_FALSE(back.Has("Cell"));
    EXPECT_FALSE(back.Bool("HasProp", true));
    EXPECT_TRUE(stream.Memory().startsWith("TPF0"));
}

}  // namespace
