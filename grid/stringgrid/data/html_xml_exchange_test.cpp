#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/data/exchange_fixture.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "platform/core/string_list.h"
#include "platform/graphics/graphic.h"
#include "platform/system/text_file.h"

#include <QRegularExpression>

namespace {

class HTML : public ExchangeFixture {
protected:
    QStringList rows(const QString& Html) {
        QStringList out;
        for (const QString& line : Html.split("\r\n"))
            if (line.startsWith("<TR>")) out << line;
        return out;
    }
    // The class of each cell of a table row.
    QStringList classes(const QString& Row) {
        QStringList out;
        auto it = QRegularExpression("<TD class=\"(c\\d+)\"").globalMatch(Row);
        while (it.hasNext()) out << it.next().captured(1);
        return out;
    }
};

TEST_F(HTML, PlainCellsShareOneStyleAndFixedCellsAnother) {
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 5; ++c) grid->SetCells(c, r, "t");
    const QString html = grid->SaveToHTMLString(folder.path() + "/");
    EXPECT_EQ(html.count(QRegularExpression("^\\.c\\d+ \\{", QRegularExpression::MultilineOption)), 2) << html.toStdString();
    const QStringList table = rows(html);
    ASSERT_EQ(table.size(), 6);
    EXPECT_EQ(classes(table[0]), QStringList(5, "c0"));                                 // the header row
    EXPECT_EQ(classes(table[3]), (QStringList{"c0", "c1", "c1", "c1", "c1"}));  // fixed column, data
    EXPECT_TRUE(html.contains("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">"));
    EXPECT_TRUE(html.startsWith("<style>\r\n.c0 {background-color: #"));
}

TEST_F(HTML, TextsBreaksLinksWidthsAndSpans) {
    grid->SetCells(1, 1, "a\r\nb");
    grid->SetCells(2, 1, "see http://example.org/page");
    grid->SetCells(3, 1, "x < y & z");
    grid->SetCells(1, 2, "wide");
    grid->MergeCells(1, 2, 3, 2);
    grid->SetURLShow(true);
    grid->HTMLSettings().ConvertSpecialChars = true;
    grid->HTMLSettings().ColWidths.Add(40);
    grid->HTMLSettings().ColWidths.Add(50);
    QStringList table = rows(grid->SaveToHTMLString(""));
    EXPECT_TRUE(table[1].contains(">a<br>\nb</td>"));
    EXPECT_TRUE(table[1].contains("><a href=see http://example.org/page>example.org/page</a></td>"));
    EXPECT_TRUE(table[1].contains(">x &lt; y &amp; z</td>"));
    EXPECT_TRUE(table[2].contains(" COLSPAN=\"3\" ROWSPAN=\"2\""));
    EXPECT_EQ(classes(table[2]).size(), 3);  // two cells of the range are covered
    EXPECT_EQ(classes(table[3]).size(), 2);
    // With a header row only the header carries widths.
    EXPECT_TRUE(table[0].contains(" WIDTH=40>"));
    EXPECT_FALSE(table[1].contains(" width="));
    grid->SaveFixedCells = false;
    table = rows(grid->SaveToHTMLString(""));
    EXPECT_TRUE(table[0].contains(" width=40>a<br>"));
}

TEST_F(HTML, PicturesGoBesideThePageAsJpegs) {
    TCellGraphic* g = grid->CreateCellGraphic(2, 2);
    g->SetBitmap(new TBitmap(4, 3), false, haLeft, vaTop);
    g->CellCreated = true;
    grid->SetCells(2, 2, "pic");
    const QString dir = folder.path() + "/";
    const QString html = grid->SaveToHTMLString(dir);
    EXPECT_TRUE(html.contains(">pic<img src= \"file://" + dir + "images/img1.jpg\"></td>"));
    EXPECT_TRUE(fileBytes(dir + "images/img1.jpg").startsWith("\xFF\xD8"));
    const QString blocked = folder.write("file", "x") + "/";
    EXPECT_EQ(messageOf([&] { grid->SaveToHTMLString(blocked); }), "Cannot create " + blocked + "images: Not a directory");
}

TEST_F(HTML, FilesXhtmlAndAppend) {
    grid->SetCells(1, 1, QString::fromUtf8("5 \xE2\x82\xAC"));
    grid->HTMLSettings().HeaderFile = folder.write("head.txt", "<h1>Head</h1>");
    const QString name = folder.file("page.html");
    grid->SaveToHTML(name);
    const QByteArray ascii = fileBytes(name);
    EXPECT_TRUE(ascii.startsWith("<h1>Head</h1>\r\n<style>"));
    EXPECT_TRUE(ascii.contains(">5 ?</td>"));
    grid->HTMLSettings().HeaderFile.clear();
    grid->HTMLSettings().XHTML = true;
    grid->AppendToHTML(name, false, true);
    const QString both = DecodeText(fileBytes(name));
    EXPECT_TRUE(both.startsWith("<h1>Head</h1>"));
    EXPECT_TRUE(both.contains(QString::fromUtf8("\r\n<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!DOCTYPE html")));
    EXPECT_TRUE(both.contains(QString::fromUtf8(">5 \xE2\x82\xAC</td>")));
    EXPECT_TRUE(both.endsWith("</TABLE>\r\n</html>\r\n"));
}

class XML : public ExchangeFixture {};

TEST_F(XML, WritesRecordsAndReadsThemBack) {
    grid->SaveFixedCells = false;
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetCells(1, 1, "Tom & Jerry");
    grid->SetCells(2, 1, "<1>");
    grid->SetCells(1, 2, "say \"x\"");
    const QString name = folder.file("out.xml");
    grid->SaveToXML(name, "list", "rec", nullptr, false);
    EXPECT_EQ(fileBytes(name),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<list>\r\n<rec>\r\n<FIELD0>Tom $amp; Jerry</FIELD0>\r\n"
              "<FIELD1>&lt;1&gt;</FIELD1>\r\n</rec>\r\n<rec>\r\n<FIELD0>say &quot;x&quot;</FIELD0>\r\n</rec>\r\n</list>\r\n");
    TStringList names;
    names.Add("Name");
    grid->SaveToXML(name, "list", "rec", &names, true);
    EXPECT_TRUE(fileBytes(name).contains("<Name>say &quot;x&quot;</Name>\r\n<FIELD1>&quot;&quot;</FIELD1>"));

    TTestStringGrid* back = makeGrid();
    back->SaveFixedCells = false;
    back->LoadFromXML(name);
    EXPECT_EQ(cells(*back), "3x3 1,1=Tom & Jerry|2,1=<1>|1,2=say \"x\"");
}

TEST_F(XML, RecordsOfFieldsAndOfAttributes) {
    const QString records = folder.write("r.xml", "<?xml version=\"1.0\"?><list><!-- two -->"
                                                  "<rec><a>1</a><b>2</b></rec><rec><a>3</a><b/></rec></list>");
    grid->SaveFixedCells = false;
    grid->SaveFixedRows = true;
    grid->LoadFromXML(records, false, true);
    EXPECT_EQ(cells(), "3x3 1,0=a|2,0=b|1,1=1|2,1=2|1,2=3");

    const QString nested = folder.write("n.xml", "<root><group name=\"g\"><item id=\"1\"/><item id=\"2\"/></group></root>");
    TTestStringGrid* g = makeGrid();
    g->SetFixedRows(0);
    g->SetFixedCols(0);
    g->SaveFixedCells = false;
    g->LoadFromXML(nested, true, false);
    // Each element with attributes opens a row; the level sets where its fields start.
    EXPECT_EQ(cells(*g), "4x4 0,0=g|1,1=1|3,2=2");
}

TEST_F(XML, BadFilesSayWhyAndChangeNothing) {
    grid->SetCells(1, 1, "before");
    const QString before = cells();
    EXPECT_EQ(messageOf([&] { grid->LoadFromXML(folder.file("none.xml")); }), "XML file not found");
    const QString broken = folder.write("bad.xml", "<list>\n<rec><a>1</rec>\n</list>");
    const QString message = messageOf([&] { grid->LoadFromXML(broken); });
    EXPECT_TRUE(message.startsWith("XMLDOM Parsing error ")) << message.toStdString();
    EXPECT_TRUE(message.endsWith(" on line 2")) << message.toStdString();
    EXPECT_EQ(cells(), before);
    const QString bad = folder.write("file", "x") + "/out.xml";
    EXPECT_EQ(messageOf([&] { grid->SaveToXML(bad, "l", "r", nullptr, true); }), "Cannot Create file " + bad + ": Not a directory");
}

}  // namespace
