#include "grid/stringgrid/data/csv_reader.h"
#include "grid/stringgrid/data/exchange_fixture.h"
#include "platform/core/stream.h"

#include <QDir>

namespace {

class CSV : public ExchangeFixture {
protected:
    // The grid after loading Text (UTF-8) into a fresh 1 x 1 grid without fixed cells.
    QString load(const QByteArray& Text, int MaxRows = 0) {
        TTestStringGrid* g = makeGrid();
        g->SetFixedRows(0);
        g->SetFixedCols(0);
        g->SetColCount(1);
        g->SetRowCount(1);
        g->Multilinecells = true;
        g->LoadFromCSV(folder.write("in.csv", Text), MaxRows);
        return cells(*g);
    }
};

TEST_F(CSV, TextsGiveTheCellsTheyMust) {
    const struct {
        const char* what;
        QByteArray text;
        QString cells;
    } cases[] = {
        {"plain, CR LF", "a,b\r\nc,d\r\n", "2x2 0,0=a|1,0=b|0,1=c|1,1=d"},
        {"LF only, no final line end", "a,b\nc,d", "2x2 0,0=a|1,0=b|0,1=c|1,1=d"},
        {"quoted delimiter stays one field", "\"x,y\",z\n", "2x1 0,0=x,y|1,0=z"},
        {"doubled quotes", "\"say \"\"hi\"\"\",2\n", "2x1 0,0=say \"hi\"|1,0=2"},
        {"empty quoted field", "a,\"\",c\n", "3x1 0,0=a|2,0=c"},
        {"the grid's own line break", "\"one\x0Btwo\",x\n", "2x1 0,0=one\r\ntwo|1,0=x"},
        {"a line break inside quotes", "\"one\r\ntwo\",x\r\nnext,y\r\n", "2x2 0,0=one\r\ntwo|1,0=x|0,1=next|1,1=y"},
        {"an LF inside quotes becomes CR LF", "h,\"l1\nl2\nl3\"\n", "2x1 0,0=h|1,0=l1\r\nl2\r\nl3"},
        {"unclosed quote gives an empty field and ends its line", "a,\"open\nb,c\n", "2x2 0,0=a|0,1=b|1,1=c"},
        {"leading blanks dropped, a single blank stays", "  a, ,b\n", "3x1 0,0=a|1,0= |2,0=b"},
        {"semicolons win over commas", "a;b,c;d,e;f\n1;2,3;4,5;6\n", "4x2 0,0=a|1,0=b,c|2,0=d,e|3,0=f|0,1=1|1,1=2,3|2,1=4,5|3,1=6"},
        {"tabs", "a\tb\n", "2x1 0,0=a|1,0=b"},
        {"one line split at its only candidate", "x|y|z", "3x1 0,0=x|1,0=y|2,0=z"},
        {"no candidate: one field a line", "alpha\nbeta\n", "1x2 0,0=alpha|0,1=beta"},
        {"byte-order mark", "\xEF\xBB\xBF" "a,\xC3\xA4\n", "2x1 0,0=a|1,0=\u00E4"},
        {"ANSI without a mark", "a,\xE4\n", "2x1 0,0=a|1,0=\u00E4"},
        {"text after a closing quote is dropped", "\"a\"junk,b\n", "2x1 0,0=a|1,0=b"},
    };
    for (const auto& c : cases) EXPECT_EQ(load(c.text), c.cells) << c.what;
}

TEST_F(CSV, FilesOfPythonsCsvModuleLoad) {
    const QString expected = QString::fromUtf8(
        "3x4 0,0=Name|1,0=Note|2,0=Amount|0,1=Smith, J.|1,1=said \"hi\"|2,1=12.5|0,2=M\xC3\xBCller|"
        "1,2=line one\r\nline two|1,3=tab\there|2,3=-3");
    for (const char* name : {"python_excel.csv", "python_semicolon_bom.csv", "python_tab.csv"}) {
        QFile f(QString(LW_TESTDATA) + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(load(f.readAll()), expected) << name;
    }
}

TEST_F(CSV, DelimiterDetection) {
    EXPECT_EQ(DetectCSVDelimiter("a;b;c;d,e,f\n1;2;3;4,5,6\n"), u';');
    EXPECT_EQ(DetectCSVDelimiter("a,,b\n"), u',');  // one line: its most frequent candidate
    EXPECT_EQ(DetectCSVDelimiter("a|b|c"), u'|');
    EXPECT_TRUE(DetectCSVDelimiter("abc\ndef").isNull());
    // The first record runs on over a quoted line break.
    EXPECT_EQ(DetectCSVDelimiter("\"x\ny\";b\nc;d\n"), u';');
}

TEST_F(CSV, WritesFieldsAsTheReaderExpects) {
    grid->SetColCount(4);
    grid->SetRowCount(1);
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetCells(0, 0, "a,b");
    grid->SetCells(1, 0, "say \"hi\"");
    grid->SetCells(3, 0, "one\r\ntwo");
    const QString name = folder.file("out.csv");
    grid->SaveToCSV(name);
    EXPECT_EQ(fileBytes(name), "\"a,b\",\"say \"\"hi\"\"\",\"\",\"one\x0Btwo\"\r\n");
    grid->QuoteEmptyCells = false;
    grid->AlwaysQuotes = true;
    grid->SaveToCSV(name);
    EXPECT_EQ(fileBytes(name), "\"a,b\",\"say \"\"hi\"\"\",\"\",\"one\ntwo\"\r\n");
    grid->AlwaysQuotes = false;
    grid->JavaCSV = true;
    grid->Delimiter = u';';
    grid->SaveToCSV(name);
    EXPECT_EQ(fileBytes(name), "a,b;\"say \"\"hi\"\"\";^;one~two\r\n");
    TTestStringGrid* back = makeGrid();
    back->JavaCSV = true;
    back->Multilinecells = true;
    back->LoadFromCSV(name);
    EXPECT_EQ(back->Cells(3, 0), "one\r\ntwo");
    EXPECT_EQ(back->Cells(1, 0), "say \"hi\"");
    EXPECT_EQ(back->Cells(2, 0), "");
}

TEST_F(CSV, RoundTripsARichGridInBothEncodings) {
    fillRich();
    for (bool unicode : {false, true}) {
        const QString name = folder.file("rich.csv");
        grid->SaveToCSV(name, unicode);
        EXPECT_EQ(fileBytes(name).startsWith("\xEF\xBB\xBF"), unicode);
        TTestStringGrid* other = makeGrid();
        other->Multilinecells = true;
        other->LoadFromCSV(name);
        EXPECT_EQ(cells(*other), cells()) << unicode;
    }
}

TEST_F(CSV, LargeSavesReplaceTheFileWhole) {
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetColCount(3);
    grid->SetRowCount(20000);
    // Enough text for many pieces; a character outside the 16-bit range must not be cut apart.
    const QString wide = QString::fromUtf8("M\xC3\xBCller \xF0\x9F\x98\x80");
    for (int r = 0; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, wide);
        grid->SetCells(2, r, "x,y");
    }
    const QString name = folder.write("big.csv", "old\r\n");
    grid->SaveToCSV(name, true);
    const QByteArray saved = fileBytes(name);
    EXPECT_EQ(saved.count("\xEF\xBB\xBF"), 1);
    TTestStringGrid* back = makeGrid();
    back->SetFixedRows(0);
    back->SetFixedCols(0);
    back->SetColCount(1);
    back->LoadFromCSV(name);
    EXPECT_TRUE(cells(*back) == cells());  // too long to print

    // A save that fails half way leaves the old file and nothing beside it.
    grid->OnSaveCell = [](TObject*, int, int ARow, QString&) {
        if (ARow == 15000) throw Exception("stopped");
    };
    EXPECT_EQ(messageOf([&] { grid->SaveToCSV(name, true); }), "stopped");
    EXPECT_EQ(messageOf([&] { grid->AppendToCSV(name); }), "stopped");
    EXPECT_EQ(fileBytes(name), saved);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    const QString nowhere = folder.file("missing/out.csv");
    EXPECT_EQ(messageOf([&] { grid->SaveToCSV(nowhere); }), "Cannot create file \"" + nowhere + "\". No such file or directory");
}

TEST_F(CSV, RowsLimitsInsertAndAppend) {
    const QString name = folder.write("rows.csv", "h1,h2\r\n1,2\r\n3,4\r\n5,6\r\n");
    grid->SaveFixedCells = false;
    grid->LoadFirstRow = false;
    grid->LoadFromCSV(name, 2);
    EXPECT_EQ(cells(), "5x3 1,1=1|2,1=2|1,2=3|2,2=4");
    grid->LoadFirstRow = true;
    grid->InsertFromCSV(name);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->Cells(1, 3), "h1");
    EXPECT_EQ(grid->Cells(2, 6), "6");

    grid->SaveFixedCells = true;
    grid->AppendToCSV(name);
    const QByteArray appended = fileBytes(name);
    EXPECT_TRUE(appended.startsWith("h1,h2\r\n1,2\r\n3,4\r\n5,6\r\n\"\",\"\",")) << appended.toStdString();
    EXPECT_EQ(appended.count("\r\n"), 4 + 7);
}

TEST_F(CSV, ProgressIsSentWhenItChanges) {
    QByteArray text;
    for (int i = 0; i < 8; ++i) text += "a,b\n";
    std::vector<int> seen;
    grid->OnFileProgress = [&](TObject*, int16_t p) { seen.push_back(p); };
    grid->LoadFromCSV(folder.write("p.csv", text));
    EXPECT_EQ(seen, (std::vector<int>{13, 25, 38, 50, 63, 75, 88, 100}));
}

TEST_F(CSV, BadInputChangesNothing) {
    grid->SetCells(1, 1, "before");
    const QString before = cells();
    EXPECT_TRUE(messageOf([&] { grid->LoadFromCSV(folder.file("none.csv")); }).startsWith("Cannot open file"));
    EXPECT_TRUE(messageOf([&] { grid->LoadFromCSV(folder.path()); }).startsWith("Cannot open file"));
    EXPECT_TRUE(messageOf([&] { grid->AppendToCSV(folder.file("none.csv")); }).startsWith("Cannot open file"));
    EXPECT_FALSE(QFile::exists(folder.file("none.csv")));
    grid->LoadFromCSV(folder.write("empty.csv", ""));
    TMemoryStream empty;
    EXPECT_EQ(messageOf([&] { grid->LoadFromCSVStream(empty); }), "File is empty");
    EXPECT_EQ(cells(), before);
}

TEST_F(CSV, LoadsFromAStream) {
    TMemoryStream stream(QByteArray("x;y\r\n"));
    grid->SaveFixedCells = false;
    grid->LoadFromCSVStream(stream);
    EXPECT_EQ(cells(), "5x2 1,1=x|2,1=y");
}

}  // namespace
