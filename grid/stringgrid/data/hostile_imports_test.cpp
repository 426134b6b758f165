// Files made to hurt the grid's readers: counts far beyond memory, numbers beyond an int, nesting
// beyond the stack, control bytes. Each is refused with a message, leaving the grid as it was,
// or read whole.
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/data/cell_records.h"
#include "grid/stringgrid/data/exchange_fixture.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "platform/core/stream.h"

#include <limits>

namespace {

class HostileImports : public ExchangeFixture {
protected:
    void SetUp() override {
        ExchangeFixture::SetUp();
        grid->SetCells(1, 1, "before");
        grid->SetColWidths(1, 40);
        before = cells();
    }
    // The load fails with a message holding Part, and the grid keeps its cells and sizes.
    template <typename F>
    void expectRefused(const char* What, F Load, const QString& Part) {
        const QString message = messageOf(Load);
        EXPECT_TRUE(message.contains(Part)) << What << ": " << message.toStdString();
        EXPECT_EQ(cells(), before) << What;
        EXPECT_EQ(grid->ColWidths(1), 40) << What;
    }
    QString before;
};

const QString TooMany = QStringLiteral("the grid holds at most 50000000 cells");

TEST_F(HostileImports, GridTextFilesAskingForTooMuchAreRefused) {
    const struct {
        const char* what;
        QByteArray text;
        QString part;
    } cases[] = {
        {"int-sized counts", "2147483647,2147483647\r\n", TooMany},
        {"a square of 100000", "100000,100000\r\n0,0,a\r\n", TooMany},
        {"too many rows alone", "1,20000000\r\n", TooMany},
        {"counts beyond an int", "99999999999,1\r\n", "is not a valid integer value"},
        {"negative counts", "-5,3\r\n", "File contains no data or corrupt file"},
    };
    for (const auto& c : cases) {
        const QString name = folder.write("hostile.grid", c.text);
        expectRefused(c.what, [&] { grid->LoadFromFile(name); }, c.part);
    }
}

TEST_F(HostileImports, HugeWidthsAreHeldWithinAColumnsReach) {
    grid->LoadFromFile(folder.write("wide.grid", "3,3\r\ncw 1,2147483647\r\ncw 2,-7\r\n"));
    EXPECT_EQ(grid->ColWidths(1), 65535);
    EXPECT_EQ(grid->ColWidths(2), 0);
    // Scrolling to the far column lays out the axis with the widths in it.
    grid->SetLeftCol(2);
    grid->SetCol(2);
    EXPECT_GE(grid->LeftCol(), 1);
}

TEST_F(HostileImports, ATextStreamAskingForTooMuchIsRefusedWithItsPositionKept) {
    TMemoryStream stream;
    stream.Write("xx", 2);
    const QString head = QStringLiteral("2147483647,2147483647\r\n0,0,a\r\n");
    stream.Write(reinterpret_cast<const char*>(head.utf16()), head.size() * 2);
    stream.SetPosition(2);
    expectRefused("stream", [&] { grid->LoadFromStream(stream); }, TooMany);
    EXPECT_EQ(stream.Position(), 2);
}

TEST_F(HostileImports, ControlBytesAreReadAsCharacters) {
    const QByteArray nul("a\0b", 3);
    grid->LoadFromCSV(folder.write("nul.csv", "x," + nul + "\r\n\x01,\x1f" + "z\r\nlast,row\r\n"));
    EXPECT_EQ(grid->Cells(1, 0), QString::fromLatin1(nul));
    EXPECT_EQ(grid->Cells(0, 1), "\x01");
    EXPECT_EQ(grid->Cells(1, 1), "\x1fz");
    EXPECT_EQ(grid->Cells(0, 2), "last");
    EXPECT_EQ(grid->RowCount(), 3);

    TTestStringGrid* text = makeGrid();
    text->LoadFromFile(folder.write("nul.grid", "3,3\r\n1,1," + nul + "\r\n2,2,after\r\n"));
    EXPECT_EQ(text->Cells(1, 1), QString::fromLatin1(nul));
    EXPECT_EQ(text->Cells(2, 2), "after");

    TTestStringGrid* fixed = makeGrid();
    TIntList positions(0, 0);
    for (int p : {1, 3, 5}) positions.Add(p);
    fixed->LoadFromFixed(folder.write("nul.txt", "a" + QByteArray(1, '\0') + "bc\r\nde\x02g\r\n"), positions, false);
    EXPECT_EQ(fixed->Cells(0, 0), QString::fromLatin1(QByteArray("a\0", 2)));
    EXPECT_EQ(fixed->Cells(1, 1), "\x02g");
}

TEST_F(HostileImports, ACSVFileTheGridCannotHoldIsRefused) {
    // 10,001 columns on the first line and 5,002 lines: 15 KB asking for 50 million cells.
    const QByteArray text = QByteArray(10000, ',') + "\n" + QByteArray(5001, '\n');
    expectRefused("csv", [&] { grid->LoadFromCSV(folder.write("wide.csv", text)); }, TooMany);
}

TEST_F(HostileImports, LongCSVLinesAndXMLRecordsLoadWhole) {
    QStringList fields;
    QString xml = QStringLiteral("<list><rec>");
    for (int i = 0; i < 5000; ++i) {
        fields << QStringLiteral("f%1").arg(i);
        xml += QStringLiteral("<F%1>v%1</F%1>").arg(i);
    }
    grid->LoadFromCSV(folder.write("line.csv", fields.join(u',').toUtf8()));
    EXPECT_EQ(grid->ColCount(), 5000);
    EXPECT_EQ(grid->Cells(4999, 0), "f4999");

    TTestStringGrid* other = makeGrid();
    other->LoadFromXML(folder.write("record.xml", (xml + QStringLiteral("</rec></list>")).toUtf8()));
    EXPECT_EQ(other->ColCount(), 5000);
    EXPECT_EQ(other->Cells(4999, 0), "v4999");
}

TEST_F(HostileImports, DeeplyNestedXMLIsRefused) {
    for (int depth : {300, 50000}) {
        const QByteArray text = "<list>" + QByteArray("<a>").repeated(depth) + "x" + QByteArray("</a>").repeated(depth) + "</list>";
        expectRefused("deep", [&] { grid->LoadFromXML(folder.write("deep.xml", text)); }, "nested deeper than 256 levels");
    }
}

// A binary cell stream of a header and the cell records given.
QByteArray cellStream(qint64 Cols, qint64 Rows, bool Full, const std::vector<TCellRecord>& Cells, const QString& Heights = QString()) {
    TMemoryStream stream;
    TCellRecord header(GridPropIO);
    header.Set("ColCount", Cols);
    header.Set("RowCount", Rows);
    header.SetText("ColWidths", QStringLiteral("64"));
    header.SetText("RowHeights", Heights);
    header.Set("FullGrid", Full);
    header.Write(stream);
    for (const TCellRecord& cell : Cells) cell.Write(stream);
    return stream.Memory();
}

TCellRecord cellRecord(qint64 Col, qint64 Row) {
    TCellRecord cell(GridCellIO);
    cell.Set("Col", Col);
    cell.Set("Row", Row);
    cell.SetText("Cell", QStringLiteral("x"));
    cell.Set("HasProp", false);
    return cell;
}

TEST_F(HostileImports, BinaryStreamsAskingForTooMuchAreRefused) {
    constexpr qint64 huge = std::numeric_limits<qint64>::max();
    const struct {
        const char* what;
        QByteArray bytes;
        QString part;
    } cases[] = {
        {"int-sized counts", cellStream(2147483647, 2147483647, true, {}), TooMany},
        {"a product beyond 64 bits", cellStream(qint64(1) << 62, 4, false, {}), TooMany},
        {"rows without their heights", cellStream(0, 5000000, true, {}), "Stream read error"},
        {"a cell beyond any grid", cellStream(1, 1, false, {cellRecord(huge, 0)}), "Invalid stream format"},
        {"a negative row", cellStream(1, 1, false, {cellRecord(0, -huge)}), "Invalid stream format"},
    };
    for (const auto& c : cases) {
        TMemoryStream stream(c.bytes);
        expectRefused(c.what, [&] { grid->LoadFromBinStream(stream); }, c.part);
        EXPECT_EQ(stream.Position(), 0) << c.what;
    }
}

TEST_F(HostileImports, ARadioListClaimingMoreItemsThanItHoldsReadsWhatItHolds) {
    TCellRecord cell = cellRecord(0, 0);
    cell.Properties.back().second = true;  // HasProp
    TCellRecord props(GridCellPropIO);
    props.Set("HasGraphic", true);
    TCellRecord graphic(GridGraphicIO);
    graphic.Set("CellType", static_cast<int>(ctRadio));
    TCellRecord items(GridSLIO);
    items.Set("Count", qint64(1) << 40);
    items.SetText("S0", QStringLiteral("one"));
    TMemoryStream stream(cellStream(1, 1, false, {cell, props, graphic, items}));
    grid->LoadAtPointFromBinStream(TPoint{1, 1}, stream);
    EXPECT_EQ(grid->Cells(1, 1), "x");
}

}  // namespace
