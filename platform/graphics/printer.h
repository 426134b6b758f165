#pragma once

#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"

#include <QString>
#include <QStringList>
#include <memory>

enum TPrinterOrientation { poPortrait, poLandscape };

// Errors of the printer: none there, a job already running, a job that could not start.
class EPrinter : public Exception {
public:
    using Exception::Exception;
};

// The process's printer: a print queue of the desktop's printing system through the toolkit,
// or a PDF file. Sizes are in the device pixels of its canvas, the printable part of the page.
class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The print queues of the system; PrinterIndex -1 is its default queue.
    QStringList Printers() const;
    int PrinterIndex() const { return index_; }
    void SetPrinterIndex(int Value);
    // A file the pages go to as PDF instead of a queue; "" prints on the queue again.
    QString OutputFileName() const { return outputFile_; }
    void SetOutputFileName(const QString& Value);
    // The paper in millimetres; the queue's own paper until set.
    void SetPaperSize(double WidthMM, double HeightMM);

    QString Title;
    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation Value);

    int PageWidth() const;
    int PageHeight() const;
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;
    int PageNumber() const { return page_; }
    bool Printing() const { return canvas_ != nullptr; }
    bool Aborted() const { return aborted_; }

    // Starts a job; raises EPrinter when there is no printer or the job cannot start.
    void BeginDoc();
    // Ends the job: the pages go to the queue or the file.
    void EndDoc();
    // Drops the job: nothing reaches the queue, a PDF file begun is removed.
    void Abort();
    void NewPage();
    // The canvas of the running job; raises EPrinter when none runs.
    TCanvas& Canvas();

private:
    class Device;
    std::unique_ptr<Device> device_;
    std::unique_ptr<TCanvas> canvas_;
    QString outputFile_;
    int index_ = -1;
    int page_ = 0;
    bool aborted_ = false;
};

// The printer shared by the whole process.
TPrinter& Printer();
