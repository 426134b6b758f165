#include "platform/graphics/printer.h"

#include "platform/testkit/pdf_text.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(Printer, PagesDrawnInTenthsOfAMillimetreReachThePdfFile) {
    TempFolder folder;
    TPrinter printer;
    printer.SetOutputFileName(folder.file("out.pdf"));
    printer.SetPaperSize(210, 297);
    printer.Title = "Job";
    // The printable page of A4 in 0.1 mm, less the queue's margins.
    EXPECT_NEAR(printer.PageWidth() * 254.0 / printer.PixelsPerInchX(), 2100, 200);
    EXPECT_NEAR(printer.PageHeight() * 254.0 / printer.PixelsPerInchY(), 2970, 200);
    printer.BeginDoc();
    ASSERT_TRUE(printer.Printing());
    TCanvas& canvas = printer.Canvas();
    canvas.SetMapMode(MM_LOMETRIC);
    canvas.Font.SetName("DejaVu Sans");
    canvas.Font.SetHeight(-40);
    canvas.TextOut(100, -100, "First page");
    canvas.MoveTo(100, -200);
    canvas.LineTo(1000, -200);
    printer.NewPage();
    canvas.SetMapMode(MM_LOMETRIC);
    canvas.TextOut(100, -1500, "Second page");
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());

    const QStringList pages = PdfPageTexts(folder.file("out.pdf"));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("First page"));
    EXPECT_TRUE(pages[1].contains("Second page"));
}

TEST(Printer, AnAbortedJobLeavesNoFile) {
    TempFolder folder;
    TPrinter printer;
    printer.SetOutputFileName(folder.file("gone.pdf"));
    printer.BeginDoc();
    printer.Canvas().TextOut(10, 10, "x");
    printer.Abort();
    EXPECT_TRUE(printer.Aborted());
    EXPECT_FALSE(QFile::exists(folder.file("gone.pdf")));
    EXPECT_THROW(printer.Canvas(), EPrinter);
    EXPECT_THROW(printer.NewPage(), EPrinter);
}

TEST(Printer, NoQueueAndNoFileIsAClearError) {
    TPrinter printer;
    if (!printer.Printers().isEmpty()) GTEST_SKIP() << "this machine has print queues";
    try {
        printer.BeginDoc();
        FAIL();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.Message, "There is no printer: no print queue is set up on this system");
    }
    EXPECT_FALSE(printer.Printing());
}

TEST(Printer, AFileThatCannotBeMadeIsAnError) {
    TempFolder folder;
    folder.write("plain", "x");
    TPrinter printer;
    printer.SetOutputFileName(folder.file("plain/out.pdf"));
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
}

TEST(Printer, OrientationTurnsThePage) {
    TPrinter printer;
    printer.SetPaperSize(210, 297);
    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.Orientation(), poLandscape);
    EXPECT_GT(printer.PageWidth(), printer.PageHeight());
}

// The lometric mapping on a 96 dpi bitmap: 254 units are 96 pixels, y upwards.
TEST(Printer, LometricMappingOfACanvas) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    EXPECT_EQ(canvas.SetMapMode(MM_LOMETRIC), MM_TEXT);
    EXPECT_EQ(canvas.LPtoDP(TPoint{254, -254}), (TPoint{96, 96}));
    EXPECT_EQ(canvas.DPtoLP(TPoint{96, 96}), (TPoint{254, -254}));
    canvas.Brush.Color = clBlack;
    canvas.FillRect(TRect{0, 0, 254, -254});
    painter.end();
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::white));
}

}  // namespace
