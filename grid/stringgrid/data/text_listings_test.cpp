#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/data/exchange_fixture.h"

namespace {

class TextListings : public ExchangeFixture {
protected:
    void SetUp() override {
        ExchangeFixture::SetUp();
        grid->SetColCount(3);
        grid->SetRowCount(3);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
    }
};

TEST_F(TextListings, AlignedListingPadsAlignsAndContinuesLines) {
    grid->SetCells(0, 0, "abc");
    grid->SetCells(0, 1, "x");
    grid->SetAlignments(0, 1, taRightJustify);
    grid->SetCells(1, 0, "mid");
    grid->SetCells(1, 1, "m");
    grid->SetAlignments(1, 1, taCenter);
    grid->SetCells(2, 1, "top\r\nlow");
    grid->Multilinecells = true;
    const QString name = folder.file("list.txt");
    grid->SaveToASCII(name);
    EXPECT_EQ(fileBytes(name), "abc mid     \r\n  x  m  top \r\n        low \r\n" + QByteArray(12, ' ') + "\r\n");
    grid->AppendToASCII(name, true);
    const QByteArray both = fileBytes(name);
    // The old lines come first, in the new file's encoding.
    EXPECT_TRUE(both.startsWith(QByteArray::fromHex("fffe610062006300")));
    EXPECT_EQ(both.size(), 2 + 2 * (8 * 14));
}

TEST_F(TextListings, FixedWidthWriterFillsMissingWidths) {
    grid->SetCells(0, 0, "ab");
    grid->SetCells(1, 0, "long text");
    grid->SetCells(0, 1, "abcd");
    TIntList positions(0, 0);
    positions.Add(3);
    const QString name = folder.file("fixed.txt");
    grid->SaveToFixed(name, positions);
    EXPECT_EQ(positions.StrValue(), "3,10,1");
    EXPECT_EQ(fileBytes(name), "ab long text  \r\nabc" + QByteArray(11, ' ') + "\r\n" + QByteArray(14, ' ') + "\r\n");
    const QString bad = folder.write("file", "x") + "/fixed.txt";
    EXPECT_EQ(messageOf([&] { grid->SaveToFixed(bad, positions); }), "Cannot Create file " + bad + ": Not a directory");
}

TEST_F(TextListings, FixedWidthReaderCutsAtSortedPositions) {
    const QString name = folder.write("in.txt", "ab  cd  \r\nefghijkl\r\nmn\r\n");
    TIntList positions(0, 0);
    positions.Add(9);
    positions.Add(1);
    positions.Add(5);
    grid->LoadFromFixed(name, positions, true, -1);
    EXPECT_EQ(positions.StrValue(), "1,5,9");
    EXPECT_EQ(cells(), "2x3 0,0=ab|1,0=cd|0,1=efgh|1,1=ijkl|0,2=mn");
    grid->ClearAll();
    grid->LoadFromFixed(name, positions, false, 1);
    EXPECT_EQ(cells(), "2x3 0,0=ab  |1,0=cd  ");
    const QString before = cells();
    const QString missing = folder.file("none.txt");
    EXPECT_EQ(messageOf([&] { grid->LoadFromFixed(missing, positions, true, -1); }), "File " + missing + " not found");
    EXPECT_EQ(cells(), before);
}

}  // namespace
