#include "grid/stringgrid/data/exchange_fixture.h"
#include "platform/core/stream.h"
#include "platform/system/text_file.h"

namespace {

class GridTextFile : public ExchangeFixture {};

TEST_F(GridTextFile, RoundTripsTheShownCellsInBothEncodings) {
    fillRich();
    grid->SetColWidths(2, 77);
    for (bool unicode : {false, true}) {
        const QString name = folder.file(unicode ? "u.grid" : "a.grid");
        grid->SaveToFile(name, unicode);
        TTestStringGrid* other = makeGrid();
        other->Multilinecells = true;
        other->LoadFromFile(name);
        EXPECT_EQ(cells(*other), cells()) << unicode;
        EXPECT_EQ(other->ColWidths(2), 77);
    }
    // The ANSI file holds the euro sign as its one byte; the Unicode one starts with its mark.
    EXPECT_TRUE(fileBytes(folder.file("a.grid")).contains("\x80"));
    EXPECT_TRUE(fileBytes(folder.file("u.grid")).startsWith("\xFF\xFE"));
}

TEST_F(GridTextFile, WritesCountsWidthsAndCodedCells) {
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetColWidths(0, 10);
    grid->SetColWidths(1, 20);
    grid->SaveToFile(folder.file("empty.grid"));
    EXPECT_EQ(fileBytes(folder.file("empty.grid")), "2,2\r\ncw 0,10\r\ncw 1,20\r\n");

    grid->SetCells(1, 1, "a\r\nb");
    grid->SetCells(0, 1, "cr\ronly");
    grid->SaveToFile(folder.file("cells.grid"));
    EXPECT_EQ(fileBytes(folder.file("cells.grid")), "2,2\r\ncw 0,10\r\ncw 1,20\r\n0,1,cr\tonly\r\n1,1,a\t\bb\r\n");
    grid->ClearAll();
    grid->LoadFromFile(folder.file("cells.grid"));
    // Without multi-line cells only the first line comes back; a CR without LF is not decoded.
    EXPECT_EQ(grid->Cells(1, 1), "a");
    EXPECT_EQ(grid->Cells(0, 1), "cr\tonly");
    grid->Multilinecells = true;
    grid->LoadFromFile(folder.file("cells.grid"));
    EXPECT_EQ(grid->Cells(1, 1), "a\r\nb");
}

TEST_F(GridTextFile, SkipsCellsAndWidthsOutsideTheNewCounts) {
    const QString name = folder.write("x.grid", "2,3\r\ncw 0,33\r\ncw 9,99\r\n1,2,in\r\n5,1,out\r\n1,7,out\r\n");
    grid->SetCells(0, 0, "kept");
    grid->LoadFromFile(name);
    EXPECT_EQ(cells(), "2x3 0,0=kept|1,2=in");
    EXPECT_EQ(grid->ColWidths(0), 33);
}

TEST_F(GridTextFile, BadFilesLeaveTheGridAsItWas) {
    grid->SetCells(1, 1, "before");
    const QString before = cells();
    const struct {
        const char* what;
        QString name;
        QString message;
    } cases[] = {
        {"missing", folder.file("none.grid"), ""},
        {"folder", folder.path(), ""},
        {"no counts", folder.write("zero.grid", "0,0\r\n1,1,x\r\n"),
         "File contains no data or corrupt file " + folder.file("zero.grid")},
        {"no lines", folder.write("empty.grid", ""), "List index out of bounds (0)"},
        {"bad index", folder.write("bad.grid", "3,3\r\n1,1,x\r\n1,z,y\r\n"), "'z' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        const QString message = messageOf([&] { grid->LoadFromFile(c.name); });
        if (!c.message.isEmpty()) EXPECT_EQ(message, c.message) << c.what;
        else EXPECT_TRUE(message.startsWith("Cannot open file")) << c.what << message.toStdString();
        EXPECT_EQ(cells(), before) << c.what;
    }
}

TEST_F(GridTextFile, ASaveThatCannotBeWrittenSaysSo) {
    const QString name = folder.write("file", "old") + "/x.grid";
    EXPECT_EQ(messageOf([&] { grid->SaveToFile(name); }), "Cannot create file \"" + name + "\". Not a directory");
    EXPECT_EQ(fileBytes(folder.file("file")), "old");
}

class GridTextStream : public ExchangeFixture {};

TEST_F(GridTextStream, WritesRelativeIndexesAndShiftsByTheTargetsFixedCells) {
    grid->SaveFixedCells = false;
    grid->SetCells(1, 1, "one");
    grid->SetCells(4, 5, "far");
    TMemoryStream stream;
    grid->SaveToStream(stream);
    const QString text = DecodeText(QByteArray("\xFF\xFE") + stream.Memory());
    EXPECT_TRUE(text.startsWith("4,5\r\ncw 0,")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("0,0,one\r\n3,4,far\r\n")) << text.toStdString();

    TTestStringGrid* other = makeGrid();
    other->SaveFixedCells = false;
    other->SetFixedRows(2);
    stream.SetPosition(0);
    other->LoadFromStream(stream);
    EXPECT_EQ(cells(*other), "5x7 1,2=one|4,6=far");
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST_F(GridTextStream, StopsAtALineWithoutACellForTheNextReader) {
    TMemoryStream stream;
    grid->SetCells(2, 2, "x");
    grid->SaveToStream(stream);
    const qint64 end = stream.Position();
    const QByteArray tail = EncodeText("next reader\r\n", TTextEncoding::Utf16LE, false);
    stream.Write(tail.constData(), tail.size());
    stream.SetPosition(0);
    TTestStringGrid* other = makeGrid();
    other->LoadFromStream(stream);
    EXPECT_EQ(other->Cells(2, 2), "x");
    EXPECT_EQ(stream.Position(), end);
}

TEST_F(GridTextStream, ABadNumberChangesNothingAndRewinds) {
    TMemoryStream stream;
    const QByteArray text = EncodeText("3,3\r\n1,1,a\r\n1,q,b\r\n", TTextEncoding::Utf16LE, false);
    stream.Write(text.constData(), text.size());
    stream.SetPosition(0);
    const QString before = cells();
    EXPECT_EQ(messageOf([&] { grid->LoadFromStream(stream); }), "'q' is not a valid integer value");
    EXPECT_EQ(cells(), before);
    EXPECT_EQ(stream.Position(), 0);
}

TEST_F(GridTextFile, CellToRealReadsTheNumberOfACell) {
    const struct {
        QString text;
        double value;
    } cases[] = {{"", 0}, {"12.5", 12.5}, {"USD 99", 99}, {"(3)", -3}, {"- 7 kg", -7}};
    for (const auto& c : cases) {
        grid->SetCells(1, 1, c.text);
        EXPECT_DOUBLE_EQ(grid->CellToReal(1, 1), c.value) << c.text.toStdString();
    }
    grid->SetCells(1, 1, "abc");
    EXPECT_EQ(messageOf([&] { grid->CellToReal(1, 1); }), "Error at position: 1 in Cell [1, 1].");
}

}  // namespace
