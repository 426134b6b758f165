// The grid's print operations: the range and the pages to output, the printer job or the
// preview canvas around one run of the print engine.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/print/print_engine.h"
#include "platform/graphics/printer.h"

#include <climits>
#include <cmath>

namespace {

// Puts the canvas's mapping back however the engine leaves.
class TMapModeKeeper {
public:
    explicit TMapModeKeeper(TCanvas& canvas) : canvas_(canvas), mode_(canvas.MapMode()) {}
    ~TMapModeKeeper() { canvas_.SetMapMode(mode_); }

private:
    TCanvas& canvas_;
    int mode_;
};

}  // namespace

TGridRect TExStringGrid::allCellsRect() const { return {0, 0, ColCount() - 1, RowCount() - 1}; }

void TExStringGrid::Print() { printOnPrinter(allCellsRect(), false); }
void TExStringGrid::PrintRect(TGridRect Gridrect) { printOnPrinter(Gridrect, false); }
void TExStringGrid::PrintSelection() { printOnPrinter(Selection(), false); }
void TExStringGrid::PrintSelectedRows() { printOnPrinter(allCellsRect(), true); }
void TExStringGrid::PrintSelectedCols() { printOnPrinter(allCellsRect(), true); }

void TExStringGrid::PrintPreview(TCanvas& Canvas, TRect Displayrect) {
    printPreview(Canvas, Displayrect, allCellsRect(), false);
}
void TExStringGrid::PrintPreviewRect(TCanvas& Canvas, TRect Displayrect, TGridRect Gridrect) {
    printPreview(Canvas, Displayrect, Gridrect, false);
}
void TExStringGrid::PrintPreviewSelection(TCanvas& Canvas, TRect Displayrect) {
    printPreview(Canvas, Displayrect, Selection(), false);
}
void TExStringGrid::PrintPreviewSelectedRows(TCanvas& Canvas, TRect Displayrect) {
    printPreview(Canvas, Displayrect, allCellsRect(), true);
}
void TExStringGrid::PrintPreviewSelectedCols(TCanvas& Canvas, TRect Displayrect) {
    printPreview(Canvas, Displayrect, allCellsRect(), true);
}

void TExStringGrid::PrintDraw(TCanvas& Canvas, TRect DrawRect) { PrintDrawRect(Canvas, DrawRect, allCellsRect()); }

void TExStringGrid::PrintDrawRect(TCanvas& Canvas, TRect DrawRect, TGridRect Gridrect) {
    TExStringGridPrivate& d = *p;
    d.FPrintRect = Gridrect;
    d.FPreviewRect = DrawRect;
    d.FPrintPageFrom = d.FPrintPageTo = d.FPrintNrOfPages = 1;
    TMapModeKeeper keep(Canvas);
    Canvas.SetMapMode(MM_LOMETRIC);
    TGridPrintEngine(*this, Canvas, prPrint, false, 1).Run();
}

void TExStringGrid::printOnPrinter(TGridRect Range, bool SelectedOnly) {
    TExStringGridPrivate& d = *p;
    TPrintSettings& ps = *d.PrintSettings;
    ExportNotification(esExportStart, -1);
    d.FPrintRect = Range;
    TPrinter& printer = Printer();
    if (!ps.UseDefaultOrientation) printer.SetOrientation(ps.Orientation);
    const auto tenths = [](int pixels, int dpi) {
        return dpi > 0 ? static_cast<int>(std::lround(254.0 / dpi * pixels)) : 0;
    };
    d.FPrintPageRect = {0, 0, tenths(printer.PageWidth(), printer.PixelsPerInchX()),
                        tenths(printer.PageHeight(), printer.PixelsPerInchY())};
    printer.Title = ps.JobName;
    printer.BeginDoc();
    int pages = INT_MAX;
    try {
        if (!FastPrint) {
            TMapModeKeeper keep(printer.Canvas());
            printer.Canvas().SetMapMode(MM_LOMETRIC);
            pages = TGridPrintEngine(*this, printer.Canvas(), prCountPrint, SelectedOnly, -1).Run();
        }
        d.FPrintPageFrom = 1;
        d.FPrintPageTo = pages;
        d.FPrintNrOfPages = pages;
        if (OnPrintStart) {
            printer.Abort();
            int from = d.FPrintPageFrom, to = d.FPrintPageTo;
            OnPrintStart(this, pages, from, to);
            if (from == 0 || to == 0 || from > to) return;
            d.FPrintPageFrom = from;
            d.FPrintPageTo = to;
            printer.BeginDoc();
        }
        d.FPrintNrOfPages = d.FPrintPageTo;
        TMapModeKeeper keep(printer.Canvas());
        TGridPrintEngine(*this, printer.Canvas(), prPrint, SelectedOnly, pages).Run();
    } catch (...) {
        printer.EndDoc();
        throw;
    }
    printer.EndDoc();
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::printPreview(TCanvas& Canvas, TRect Displayrect, TGridRect Range, bool SelectedOnly) {
    TExStringGridPrivate& d = *p;
    ExportNotification(esExportStart, -1);
    d.FPrintRect = Range;
    struct Done {
        TExStringGrid& grid;
        ~Done() {
            grid.ExportNotification(esExportDone, -1);
            grid.IsPrintPreview = false;
        }
    } done{*this};
    TMapModeKeeper keep(Canvas);
    Canvas.SetMapMode(MM_LOMETRIC);
    d.FPreviewRect = Displayrect;
    int pages = 1;
    if (!FastPrint) {
        pages = TGridPrintEngine(*this, Canvas, prCountPreview, SelectedOnly, -1).Run();
        d.FPrintNrOfPages = pages;
    }
    int from = 1, to = pages;
    IsPrintPreview = true;
    OnPrintStart(this, pages, from, to);
    if (from <= 0 || to <= 0 || to < from) return;
    // The page shown is the one PreviewPage chose; a page before the first is the first.
    d.FPrintPageFrom = d.FPrintPageTo = std::max(1, PreviewPage);
    d.FPreviewRect = Displayrect;
    TGridPrintEngine(*this, Canvas, prPreview, SelectedOnly, pages).Run();
}

int TExStringGrid::PrintNrOfPages() const { return p->FPrintNrOfPages; }
int TExStringGrid::PrintPageWidth() const { return p->FPrintPageWidth; }
TRect TExStringGrid::PrintPageRect() const { return p->FPrintPageRect; }
int TExStringGrid::PrintColStart() const { return p->FPrintColStart; }
int TExStringGrid::PrintColEnd() const { return p->FPrintColEnd; }

int TExStringGrid::MapFontHeight(int pointsize) const {
    return -static_cast<int>(std::trunc(pointsize * 254.0 / 72.0 * p->FFontScaleFactor));
}

int TExStringGrid::MapFontSize(int Height) const { return static_cast<int>(std::trunc(Height * 72.0 / 254.0)); }
