#include "grid/stringgrid/print/print_fixture.h"
#include "platform/graphics/printer.h"
#include "platform/testkit/pdf_text.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <QRegularExpression>
#include <climits>

namespace {

// A grid that records the rows its print reports.
class TReportingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    void ExportNotification(TGridExportState AState, int ARow) override { states.push_back({AState, ARow}); }
    std::vector<std::pair<TGridExportState, int>> states;
};

// Prints on the process's printer, which writes a PDF file that poppler reads back.
class PrintToPdf : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        grid = new TReportingGrid(form);
        grid->SetParent(form);
        form->HandleNeeded();
        Printer().SetOutputFileName(pdf);
        Printer().SetPaperSize(210, 297);
    }
    void TearDown() override {
        Printer().SetOutputFileName("");
        delete form;
    }
    void fill(int cols, int rows) {
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        for (int c = 0; c < cols; ++c) grid->SetCells(c, 0, QStringLiteral("Head%1").arg(c));
        for (int r = 1; r < rows; ++r)
            for (int c = 0; c < cols; ++c) grid->SetCells(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
    }
    static int occurrences(const QStringList& pages, const QString& word) {
        const QRegularExpression re("\\b" + word + "\\b");
        int n = 0;
        for (const QString& page : pages) n += static_cast<int>(page.count(re));
        return n;
    }

    TempFolder folder;
    const QString pdf = folder.file("grid.pdf");
    TForm* form = nullptr;
    TReportingGrid* grid = nullptr;
};

TEST_F(PrintToPdf, PagesCarryTitleHeaderRowPageNumbersAndEveryCellOnce) {
    fill(3, 150);
    TPrintSettings& ps = grid->PrintSettings();
    ps.Title = ppTopCenter;
    ps.TitleText = "Quarterly list";
    ps.PageNr = ppBottomRight;
    ps.PagePrefix = "Page";
    ps.Date = ppTopLeft;
    ps.Time = ppTopLeft;
    ps.RepeatFixedRows = true;
    ps.JobName = "Grid job";
    grid->Print();

    const QStringList pages = PdfPageTexts(pdf);
    const int n = grid->PrintNrOfPages();
    ASSERT_GE(n, 3);
    ASSERT_EQ(pages.size(), n);
    const QRegularExpression dateThenTime("\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d");
    for (int i = 0; i < n; ++i) {
        EXPECT_TRUE(pages[i].contains("Quarterly list")) << i;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1/%2").arg(i + 1).arg(n))) << pages[i].toStdString();
        EXPECT_TRUE(pages[i].contains(dateThenTime)) << i;
        EXPECT_EQ(occurrences({pages[i]}, "Head0"), 1) << i;
    }
    // Rows run down the pages in order, none lost or printed twice.
    for (int r = 1; r < 150; ++r) ASSERT_EQ(occurrences(pages, QStringLiteral("r%1c2").arg(r)), 1) << r;
    EXPECT_TRUE(pages.first().contains("r1c0"));
    EXPECT_FALSE(pages.first().contains("r149c0"));
    EXPECT_TRUE(pages.last().contains("r149c0"));
    // The title text lies above the header row, the page number below the last row.
    const QString& first = pages.first();
    EXPECT_LT(first.indexOf("Quarterly list"), first.indexOf("Head0"));
    EXPECT_GT(first.indexOf("Page 1/"), first.indexOf("r1c2"));
}

TEST_F(PrintToPdf, MarkupAndCheckBoxesPrintAsWhatTheyShow) {
    fill(2, 3);
    grid->SetCells(1, 1, "<B>bold</B> and plain");
    grid->AddCheckBox(0, 2, true, false);
    grid->PrintSettings().PrintGraphics = true;
    grid->Print();
    const QString text = PdfPageTexts(pdf).join("");
    EXPECT_TRUE(text.simplified().contains("bold and plain")) << text.toStdString();
    EXPECT_FALSE(text.contains("<B>"));
    EXPECT_TRUE(text.contains("r2c0"));
}

TEST_F(PrintToPdf, AnAmpersandAndTheTextAfterATabReachThePaper) {
    fill(3, 4);
    grid->SetCells(1, 1, "<b>bold</b> & co");
    grid->SetCells(1, 2, "before\tafter");
    grid->SetCells(2, 2, "wrapped\ttail");
    grid->SetCells(1, 3, "Smith &");
    grid->Print();
    QString text = PdfPageTexts(pdf).join("").simplified();
    EXPECT_TRUE(text.contains("bold & co")) << text.toStdString();
    EXPECT_TRUE(text.contains("Smith &")) << text.toStdString();
    EXPECT_TRUE(QRegularExpression("before\\s+after").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(text.contains("tail")) << text.toStdString();

    // Word-wrapped cells in their screen widths take the other road of the text drawing.
    QFile::remove(pdf);
    grid->SetWordWrap(true);
    grid->PrintSettings().NoAutoSize = true;
    for (int c = 0; c < 3; ++c) grid->SetColWidths(c, 300);
    grid->Print();
    text = PdfPageTexts(pdf).join("").simplified();
    EXPECT_TRUE(QRegularExpression("wrapped\\s+tail").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(QRegularExpression("before\\s+after").match(text).hasMatch()) << text.toStdString();
}

TEST_F(PrintToPdf, PrintCoversAllCellsAndReportsEachRow) {
    fill(3, 10);
    grid->Print();
    EXPECT_EQ(grid->PrintColStart(), 0);
    EXPECT_EQ(grid->PrintColEnd(), 2);
    std::vector<int> rows;
    for (const auto& [state, row] : grid->states)
        if (state == esExportNewRow) rows.push_back(row);
    // Once while counting, once while printing.
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(grid->states.front().first, esExportStart);
    EXPECT_EQ(grid->states.back().first, esExportDone);
    EXPECT_TRUE(PdfPageTexts(pdf).join("").contains("r9c2"));
}

TEST_F(PrintToPdf, ARangeFromPrintStartOrNoneAtAll) {
    fill(2, 300);
    int asked = 0;
    grid->OnPrintStart = [&](TObject*, int NrOfPages, int& FromPage, int& ToPage) {
        asked = NrOfPages;
        FromPage = 2;
        ToPage = 2;
    };
    grid->Print();
    ASSERT_GE(asked, 3);
    const QStringList pages = PdfPageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_FALSE(pages[0].contains("r1c0"));
    EXPECT_EQ(grid->PrintNrOfPages(), 2);

    QFile::remove(pdf);
    grid->OnPrintStart = [](TObject*, int, int&, int& ToPage) { ToPage = 0; };
    grid->Print();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(Printer().Printing());
}

TEST_F(PrintToPdf, FastPrintCountsNoPages) {
    fill(2, 20);
    grid->FastPrint = true;
    int asked = 0;
    grid->OnPrintStart = [&](TObject*, int NrOfPages, int&, int&) { asked = NrOfPages; };
    grid->Print();
    EXPECT_EQ(asked, INT_MAX);
    EXPECT_TRUE(PdfPageTexts(pdf).join("").contains("r19c1"));
}

TEST_F(PrintToPdf, NoPrinterAtAllIsAClearError) {
    if (!Printer().Printers().isEmpty()) GTEST_SKIP() << "this machine has print queues";
    Printer().SetOutputFileName("");
    fill(2, 3);
    EXPECT_THROW(grid->Print(), EPrinter);
    EXPECT_FALSE(Printer().Printing());
}

TEST_F(PrintToPdf, PrintDrawPutsTheFirstPageOnACanvas) {
    fill(2, 5);
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    grid->PrintDraw(canvas, TRect{0, 0, 400, 400});
    painter.end();
    EXPECT_EQ(grid->PrintNrOfPages(), 1);
    EXPECT_EQ(canvas.MapMode(), MM_TEXT);
    // Lines and text were drawn.
    int dark = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 100);
}

}  // namespace
