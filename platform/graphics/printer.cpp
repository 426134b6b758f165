#include "platform/graphics/printer.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

class TPrinter::Device {
public:
    Device() : printer(QPrinter::HighResolution) {}
    QPrinter printer;
    QPainter painter;
};

TPrinter::TPrinter() : device_(std::make_unique<Device>()) {}

TPrinter::~TPrinter() {
    if (Printing()) Abort();
}

QStringList TPrinter::Printers() const { return QPrinterInfo::availablePrinterNames(); }

void TPrinter::SetPrinterIndex(int Value) {
    if (Printing()) throw EPrinter(QStringLiteral("Cannot change the printer while printing"));
    const QStringList names = Printers();
    if (Value < -1 || Value >= names.size()) throw EPrinter(QStringLiteral("Printer index out of range"));
    index_ = Value;
    device_->printer.setPrinterName(Value == -1 ? QPrinterInfo::defaultPrinterName() : names.at(Value));
}

void TPrinter::SetOutputFileName(const QString& Value) {
    if (Printing()) throw EPrinter(QStringLiteral("Cannot change the printer while printing"));
    outputFile_ = Value;
    QPrinter& p = device_->printer;
    if (Value.isEmpty()) {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setOutputFileName(QString());
        p.setPrinterName(index_ == -1 ? QPrinterInfo::defaultPrinterName() : Printers().value(index_));
    } else {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(Value);
    }
}

void TPrinter::SetPaperSize(double WidthMM, double HeightMM) {
    device_->printer.setPageSize(QPageSize(QSizeF(WidthMM, HeightMM), QPageSize::Millimeter));
}

TPrinterOrientation TPrinter::Orientation() const {
    return device_->printer.pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
    device_->printer.setPageOrientation(Value == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int TPrinter::PageWidth() const { return device_->printer.width(); }
int TPrinter::PageHeight() const { return device_->printer.height(); }
int TPrinter::PixelsPerInchX() const { return device_->printer.logicalDpiX(); }
int TPrinter::PixelsPerInchY() const { return device_->printer.logicalDpiY(); }

void TPrinter::BeginDoc() {
    if (Printing()) throw EPrinter(QStringLiteral("Printing in progress"));
    QPrinter& p = device_->printer;
    if (outputFile_.isEmpty()) {
        // A queue chosen earlier may have gone; the default one is looked up anew.
        const QString name = index_ == -1 ? QPrinterInfo::defaultPrinterName() : Printers().value(index_);
        if (name.isEmpty()) throw EPrinter(QStringLiteral("There is no printer: no print queue is set up on this system"));
        p.setPrinterName(name);
    }
    p.setDocName(Title);
    aborted_ = false;
    if (!device_->painter.begin(&p))
        throw EPrinter(outputFile_.isEmpty() ? QStringLiteral("The printer refused the job")
                                             : QStringLiteral("Cannot create file \"%1\"").arg(outputFile_));
    canvas_ = std::make_unique<TCanvas>(&device_->painter);
    page_ = 1;
}

void TPrinter::EndDoc() {
    if (!Printing()) return;
    canvas_.reset();
    device_->painter.end();
    page_ = 0;
}

void TPrinter::Abort() {
    if (!Printing()) return;
    canvas_.reset();
    device_->printer.abort();
    device_->painter.end();
    if (!outputFile_.isEmpty()) QFile::remove(outputFile_);
    aborted_ = true;
    page_ = 0;
}

void TPrinter::NewPage() {
    if (!Printing()) throw EPrinter(QStringLiteral("Printer is not currently printing"));
    device_->printer.newPage();
    ++page_;
}

TCanvas& TPrinter::Canvas() {
    if (!canvas_) throw EPrinter(QStringLiteral("Printer is not currently printing"));
    return *canvas_;
}

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}
