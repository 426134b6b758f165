#pragma once

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "platform/controls/string_grid.h"
#include "platform/graphics/canvas.h"

#include <QString>
#include <vector>

class TExStringGrid;
class TExStringGridPrivate;
class TPrintSettings;

inline bool IsTopPosition(TPrintPosition p) { return p == ppTopLeft || p == ppTopRight || p == ppTopCenter; }
inline bool IsBottomPosition(TPrintPosition p) {
    return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter;
}

// What one run of the print engine does: draw pages on a canvas (preview) or on the printer,
// or only count the pages a printer or a preview would get.
enum TPrintMode { prPreview, prPrint, prCountPrint, prCountPreview };

// Lays the grid's print range out on pages in 0.1 mm (y upwards, the page's points at y <= 0):
// columns in bands that fit the page width, rows in pages that fit its height, header and
// footer lines, and every cell with its print looks and lines. The grid's entry points set the
// print range, the pages to output and the page rectangle before a run.
class TGridPrintEngine {
public:
    TGridPrintEngine(TExStringGrid& Grid, TCanvas& Canvas, TPrintMode Mode, bool SelectedOnly, int Total);
    // The number of pages laid out.
    int Run();

private:
    struct Band {
        int first, last;
        bool repeatFixed;
    };
    struct Size {
        int w, h;
    };
    struct Looks {
        TColor brush = clNone;
        TColor colorTo = clNone;
        TAlignment HA = taLeftJustify;
        TVAlignment VA = vtaTop;
        bool wrap = false;
    };

    bool drawing() const { return mode_ == prPreview || mode_ == prPrint; }
    bool inOutput(int pageIndex) const;
    void setUp();
    void choosePrintable();
    bool rowPrints(int r) const { return rowPrints_[r]; }
    bool colPrints(int c) const { return colPrints_[c]; }
    void useFont(const TFont& font);
    Looks cellLooks(int rc, int r, TGridDrawState state);
    Size cellSize(int c, int r);
    enum TextKind { tkPlain, tkHTML, tkRich };
    QString cellText(int rc, int r, TextKind& kind);
    void measureColumns();
    void fitToPage();
    std::vector<Band> splitBands();
    void placeBand(const Band& band);
    void areaHeights();
    int rowHeight(int r);
    int rowAdvance(int r) { return 2 * yOffset_ + rowHeight(r) + rowSpacing_; }
    void layBand(const Band& band, int bandNr);
    void startPage();
    void endPage(int nextRow, int y);
    void newPage();
    void headerFooter();
    QString pageText();
    int printRow(int r, int y, int firstCol, int lastCol);
    void printCell(int c, int r, int y, int adv, int lastCol);
    void drawCellText(const QString& text, bool html, TRect rect, TAlignment HA, TVAlignment VA, bool wrap);
    // Cell contents beyond plain text (print_cell_content.cpp).
    void fillBackground(int c, int r, TRect rect, const Looks& looks);
    void printGraphic(int c, int r, TRect rect, const Looks& looks, TRect& textRect, QString& text);
    void drawRotatedText(const QString& text, TRect rect, const Looks& looks, int angle);
    void drawRichText(int c, int r, TRect rect);
    TCellBorders lineSides(int c, int r, TPen& pen);
    void cellLines(int c, int r, TRect rect, bool bottomLine);
    // A title of markup lines, measured once a run and drawn apart from the other texts.
    void measureHTMLTitle();
    void drawHTMLTitle();
    void frameLines();
    void line(int x1, int y1, int x2, int y2);
    TRect offset(TRect r) const { return {r.Left + ox_, r.Top + oy_, r.Right + ox_, r.Bottom + oy_}; }

    TExStringGrid& g;
    TExStringGridPrivate& d;
    TPrintSettings& ps;
    TCanvas& canvas;
    const TPrintMode mode_;
    const bool selectedOnly_;
    const int total_;

    // Page width and (negative) bottom, the origin of the page on the canvas.
    int W_ = 0, B_ = 0, ox_ = 0, oy_ = 0;
    double screenFactor_ = 254.0 / 96.0;
    int yOffset_ = 0, xOffset_ = 0, headerText_ = 0, footerText_ = 0;
    int gap_ = 0;
    int rowSpacing_ = 0;
    double fit_ = 1.0;
    int L_ = 0, T_ = 0, R_ = 0, Bm_ = 0;
    std::vector<bool> rowPrints_, colPrints_;
    std::vector<int> widths_, indents_;
    int fixedOrigin_ = 0, fixedPart_ = 0;
    bool repeatFixed_ = false;
    int headerArea_ = 0, footerArea_ = 0, bandFirstArea_ = 0;
    QString htmlTitle_;
    int htmlTitleHeight_ = 0;
    int bands_ = 0, bandNr_ = 0, pageInBand_ = 0;
    int pageIndex_ = 0;
    bool cancelled_ = false;
    int lastHeightRow_ = -1, lastHeight_ = 0;
    int frameBottom_ = 0;
    bool pageFramed_ = false;
    int bandFirst_ = 0, bandLast_ = 0;
};
