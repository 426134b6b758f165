#include "grid/stringgrid/print/print_fixture.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/printer.h"
#include "platform/testkit/pdf_text.h"
#include "platform/testkit/temp_folder.h"

#include <QColor>
#include <QRegularExpression>
#include <functional>

namespace {

constexpr TColor Red = 0x0000FF, Blue = 0xFF0000, Green = 0x00FF00, Yellow = 0x00FFFF;

QColor qcolor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The bounds of the pixels that pass, empty when none does.
QRect inkWhere(const QImage& image, const std::function<bool(QColor)>& passes) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (passes(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QRect inkOf(const QImage& image, TColor colour) {
    const QColor wanted = qcolor(colour);
    return inkWhere(image, [&](QColor c) { return c == wanted; });
}

QRect anyInk(const QImage& image) {
    return inkWhere(image, [](QColor c) { return c != QColor(Qt::white); });
}

// One wide cell in the middle of the page, without lines, so that every mark on the preview
// is the cell's content.
class PrintedCell : public PrintFixture {
protected:
    void SetUp() override {
        PrintFixture::SetUp();
        square.Canvas().Brush.Color = Blue;
        square.Canvas().FillRect({0, 0, 16, 16});
        TBitmap red(16, 16);
        red.Canvas().Brush.Color = Red;
        red.Canvas().FillRect({0, 0, 16, 16});
        images = new TImageList(form);
        images->Add(red);
        reset();
    }

    // A new grid, its one cell empty and undecorated.
    void reset() {
        delete grid;
        grid = new TExStringGrid(form);
        grid->SetParent(form);
        TPrintSettings& ps = grid->PrintSettings();
        ps.UseFixedWidth = true;
        ps.FixedWidth = 1500;
        ps.UseFixedHeight = true;
        ps.FixedHeight = 400;
        ps.Borders = pbNoborder;
        grid->SetColCount(1);
        grid->SetRowCount(1);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetGridImages(images);
    }

    TBitmap square{16, 16};
    TImageList* images = nullptr;
};

TEST_F(PrintedCell, DecorationsPrintOnlyWithPrintGraphicsWhereTheirAlignmentPutsThem) {
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> make;
        TColor colour;
        bool rightHalf;
    };
    const std::vector<Case> cases = {
        {"bitmap at the left", [&](TExStringGrid& g) { g.AddBitmap(0, 0, &square, false, haLeft, vaTop); }, Blue,
         false},
        {"bitmap at the right", [&](TExStringGrid& g) { g.AddBitmap(0, 0, &square, false, haRight, vaCenter); },
         Blue, true},
        {"image-list image", [](TExStringGrid& g) { g.AddImageIdx(0, 0, 0, haLeft, vaTop); }, Red, false},
        {"progress bar",
         [](TExStringGrid& g) {
             g.SetCells(0, 0, "50");
             g.AddProgress(0, 0, Green, Yellow);
         },
         Green, false},
        {"progress pie", [](TExStringGrid& g) { g.AddProgressPie(0, 0, Red, 100); }, Red, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        grid->SetCells(0, 0, "text");
        c.make(*grid);
        grid->PrintSettings().PrintGraphics = false;
        preview();
        EXPECT_TRUE(inkOf(image, c.colour).isEmpty());
        grid->PrintSettings().PrintGraphics = true;
        preview();
        const QRect ink = inkOf(image, c.colour);
        ASSERT_GT(ink.width() * ink.height(), 100);
        EXPECT_EQ(ink.center().x() > image.width() / 2, c.rightHalf);
    }
}

TEST_F(PrintedCell, TurnedTextStandsUpAndAGradientRunsDownTheCell) {
    grid->SetCells(0, 0, "WWWWWWWW");
    preview();
    const QRect flat = anyInk(image);
    ASSERT_FALSE(flat.isEmpty());
    EXPECT_GT(flat.width(), 2 * flat.height());

    grid->AddRotated(0, 0, 90, "WWWWWWWW");
    preview();
    const QRect turned = anyInk(image);
    ASSERT_FALSE(turned.isEmpty());
    EXPECT_GT(turned.height(), 2 * turned.width());

    reset();
    grid->OnGetCellGradient = [](TObject*, int, int, TColor& Color, TColor& ColorTo, TColor&, TColor&,
                                 TCellGradientDirection&) {
        Color = Yellow;
        ColorTo = Blue;
    };
    preview();
    const QRect cell = anyInk(image);
    ASSERT_GT(cell.height(), 100);
    const QColor top = image.pixelColor(cell.center().x(), cell.top() + 2);
    const QColor bottom = image.pixelColor(cell.center().x(), cell.bottom() - 2);
    EXPECT_GT(top.red(), 200) << "yellow at the top";
    EXPECT_LT(bottom.red(), 60) << "blue at the bottom";
    EXPECT_GT(bottom.blue(), 200);
}

// Prints on the process's printer into a PDF file that poppler reads back.
class PrintedTitle : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        grid = new TExStringGrid(form);
        grid->SetParent(form);
        form->HandleNeeded();
        grid->SetColCount(2);
        grid->SetRowCount(120);
        for (int r = 0; r < 120; ++r)
            for (int c = 0; c < 2; ++c) grid->SetCells(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
        Printer().SetOutputFileName(pdf);
        Printer().SetPaperSize(210, 297);
    }
    void TearDown() override {
        Printer().SetOutputFileName("");
        delete form;
    }

    TempFolder folder;
    const QString pdf = folder.file("title.pdf");
    TForm* form = nullptr;
    TExStringGrid* grid = nullptr;
};

TEST_F(PrintedTitle, AMarkupTitlePrintsAsTextAboveTheRowsOnEveryCountedPage) {
    grid->SetCells(1, 5, "{\\rtf1\\ansi rich words\\par}");
    for (TPrintPosition at : {ppTopLeft, ppBottomCenter}) {
        SCOPED_TRACE(at);
        TPrintSettings& ps = grid->PrintSettings();
        ps.Title = at;
        ps.TitleLines->Clear();
        ps.TitleLines->Add("<b>Plant</b> report");
        ps.TitleLines->Add("<i>line two</i>");
        grid->Print();
        const QStringList pages = PdfPageTexts(pdf);
        ASSERT_GE(pages.size(), 2);
        EXPECT_EQ(pages.size(), grid->PrintNrOfPages());
        for (const QString& page : pages) {
            const QString text = page.simplified();
            EXPECT_TRUE(text.contains("Plant reportline two")) << text.toStdString();
            EXPECT_FALSE(text.contains("<b>"));
            const bool titleFirst = text.indexOf("Plant") < text.indexOf(QRegularExpression("r\\d+c0"));
            EXPECT_EQ(titleFirst, at == ppTopLeft);
        }
        EXPECT_TRUE(pages.first().contains("rich words"));
    }
}

}  // namespace
