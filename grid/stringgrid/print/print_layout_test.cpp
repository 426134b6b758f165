#include "grid/stringgrid/print/print_fixture.h"

namespace {

using PrintLayout = PrintFixture;

// A 960 x 960 pixel preview is a page of 2540 x 2540: four columns of 600 fit across and six
// rows of 400 (with their offsets) down, less the footer area.
TEST_F(PrintLayout, PageCounts) {
    const struct {
        int cols, rows;
        bool repeatRows, repeatCols;
        TFitToPage fit;
        int width;
        int pages;
    } cases[] = {
        {3, 17, false, false, fpNever, 960, 3},  // 6 + 6 + 5 rows
        {3, 17, true, false, fpNever, 960, 4},   // the header row again on pages 2 to 4
        {3, 6, false, false, fpNever, 960, 1},
        {11, 6, false, false, fpNever, 960, 3},  // bands of columns 0-3, 4-7, 8-10
        {11, 6, false, true, fpNever, 960, 4},   // 0-3, then column 0 with 4-6, 7-9, 10
        {11, 17, false, false, fpNever, 960, 9}, // three bands of three pages
        {11, 17, false, false, fpShrink, 960, 3},
        {11, 17, false, false, fpGrow, 960, 9},
        {11, 6, false, false, fpNever, 480, 6},  // two columns on a half-width page
    };
    for (const auto& c : cases) {
        shape(c.cols, c.rows);
        TPrintSettings& ps = grid->PrintSettings();
        ps.RepeatFixedRows = c.repeatRows;
        ps.RepeatFixedCols = c.repeatCols;
        ps.FitToPage = c.fit;
        EXPECT_EQ(preview(c.width), c.pages) << c.cols << "x" << c.rows << " fit " << c.fit << " width " << c.width;
        EXPECT_EQ(grid->PrintNrOfPages(), c.pages);
    }
}

TEST_F(PrintLayout, ColumnsAreCentredOrStartAtTheLeftMargin) {
    shape(3, 4);
    preview();
    EXPECT_EQ(grid->PrintPageWidth(), 1800);
    EXPECT_EQ(grid->PrintColOffset(0), (2540 - 1800) / 2);
    EXPECT_EQ(grid->PrintColOffset(1), (2540 - 1800) / 2 + 600);
    EXPECT_EQ(grid->PrintPageRect().Right, 2540);
    grid->PrintSettings().Centered = false;
    grid->PrintSettings().LeftSize = 100;
    preview();
    EXPECT_EQ(grid->PrintColOffset(0), 100);
    EXPECT_EQ(grid->PrintColStart(), 0);
    EXPECT_EQ(grid->PrintColEnd(), 2);
}

TEST_F(PrintLayout, FitToPageScalesTheColumns) {
    shape(3, 4);
    grid->PrintSettings().FitToPage = fpShrink;
    preview();
    EXPECT_EQ(grid->PrintColWidth(0), 600);  // already fits
    grid->PrintSettings().FitToPage = fpAlways;
    grid->PrintSettings().LeftSize = 70;
    grid->PrintSettings().RightSize = 70;
    preview();
    EXPECT_EQ(grid->PrintColWidth(0), static_cast<int>(600 * ((2540.0 - 140) / 1800)));
    double asked = 0;
    grid->PrintSettings().FitToPage = fpCustom;
    grid->OnFitToPage = [&](TObject*, double& Factor, bool& Allow) {
        asked = Factor;
        Allow = false;
    };
    preview();
    EXPECT_GT(asked, 1.0);
    EXPECT_EQ(grid->PrintColWidth(0), 600);
}

TEST_F(PrintLayout, PageNumbersOfBandsAndOfASingleBand) {
    shape(11, 6);
    grid->PrintSettings().PageNr = ppBottomRight;
    QStringList texts;
    grid->OnPrintGetPageNum = [&](TObject*, int, int, QString& Text) { texts << Text; };
    for (int page = 1; page <= 3; ++page) {
        grid->PreviewPage = page;
        preview();
    }
    EXPECT_EQ(texts, QStringList({"1-1", "1-2", "1-3"}));

    shape(3, 17);
    texts.clear();
    grid->PrintSettings().PageNumberOffset = 10;
    grid->PrintSettings().MaxPagesOffset = 20;
    for (int page = 1; page <= 3; ++page) {
        grid->PreviewPage = page;
        preview();
    }
    EXPECT_EQ(texts, QStringList({"11/23", "12/23", "13/23"}));
}

TEST_F(PrintLayout, PageEventsBreakAndCancelPages) {
    shape(3, 17);
    std::vector<int> nextRows;
    grid->OnPrintPageDone = [&](TObject*, TCanvas&, int LastRow, int, int, int, int) { nextRows.push_back(LastRow); };
    grid->OnPrintNewPage = [](TObject*, int ARow, bool& NewPage) { NewPage = ARow == 3; };
    EXPECT_EQ(preview(), 4);  // 0-2, 3-8, 9-14, 15-16
    EXPECT_EQ(nextRows, (std::vector<int>{3, 9, 15, 17}));  // the count fired none of them

    nextRows.clear();
    grid->OnPrintNewPage = nullptr;
    grid->OnPrintCancel = [](TObject*, int PageNr, bool& Cancel) { Cancel = PageNr == 2; };
    preview();
    EXPECT_EQ(nextRows, (std::vector<int>{6, 12}));
}

TEST_F(PrintLayout, ARowTallerThanThePageGetsAPageOfItsOwn) {
    shape(2, 4);
    grid->PrintSettings().FixedHeight = 5000;
    EXPECT_EQ(preview(), 4);
}

TEST_F(PrintLayout, OnlyTheSelectedRowsPrint) {
    shape(3, 17);
    grid->SetSelection({1, 2, 2, 5});
    QImage image(960, 960, QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    int pages = 0;
    grid->OnPrintStart = [&](TObject*, int NrOfPages, int&, int&) { pages = NrOfPages; };
    grid->PrintPreviewSelectedRows(canvas, TRect{0, 0, 960, 960});
    EXPECT_EQ(pages, 1);  // 4 rows
    EXPECT_EQ(grid->PrintPageWidth(), 1200);  // 2 columns
    grid->PrintPreviewSelection(canvas, TRect{0, 0, 960, 960});
    EXPECT_EQ(grid->PrintColStart(), 1);
    EXPECT_EQ(grid->PrintColEnd(), 2);
    EXPECT_EQ(canvas.MapMode(), MM_TEXT);
}

}  // namespace
