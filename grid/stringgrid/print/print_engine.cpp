#include "grid/stringgrid/print/print_engine.h"

#include "grid/foundation/codings.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/link_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "platform/graphics/device_caps.h"
#include "platform/graphics/printer.h"
#include "platform/graphics/text_line.h"
#include "platform/system/conversions.h"
#include "platform/system/date_time_text.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxColumns = 513;
constexpr int TextTypeHTML = 1, TextTypeRTF = 2, TextTypeFormula = 3;

TDateTime now() {
    const QDateTime t = QDateTime::currentDateTime();
    TDateTime time = 0;
    TryEncodeTime(t.time().hour(), t.time().minute(), t.time().second(), 0, time);
    return EncodeDate(t.date().year(), t.date().month(), t.date().day()) + time;
}


// Lines of a cell text: at line breaks when the grid shows several lines in a cell.
QStringList linesOf(const QString& text, bool multiLine) {
    if (!multiLine) return {QString(text).remove('\r').replace('\n', ' ')};
    QStringList lines = QString(text).remove('\r').split('\n');
    return lines;
}

}  // namespace

TGridPrintEngine::TGridPrintEngine(TExStringGrid& Grid, TCanvas& Canvas, TPrintMode Mode, bool SelectedOnly,
                                   int Total)
    : g(Grid), d(Grid.Private()), ps(Grid.PrintSettings()), canvas(Canvas), mode_(Mode),
      selectedOnly_(SelectedOnly), total_(Total) {}

bool TGridPrintEngine::inOutput(int pageIndex) const {
    const int page = pageIndex + 1;
    return page >= d.FPrintPageFrom && page <= d.FPrintPageTo;
}

// ---- A. set-up

void TGridPrintEngine::setUp() {
    canvas.SetMapMode(MM_LOMETRIC);
    d.FFontScaleFactor = 1.0;
    screenFactor_ = 254.0 / ScreenPixelsPerInch;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = ps.BorderStyle;
    canvas.Pen.Width = ps.Borders == pbDouble ? 10 : 2;
    useFont(ps.HeaderFont);
    headerText_ = canvas.TextHeight("gh");
    useFont(ps.FooterFont);
    footerText_ = canvas.TextHeight("gh");
    useFont(ps.Font);
    yOffset_ = canvas.TextHeight("gh") / 8;
    xOffset_ = canvas.TextWidth("g") / 2;
    gap_ = ps.UseFixedWidth ? 0 : ps.ColumnSpacing + 20;
    rowSpacing_ = ps.RowSpacing;

    if (mode_ == prPrint) {
        const TRect page = canvas.ClipRect();
        W_ = page.Right - page.Left;
        B_ = page.Bottom;
    } else if (mode_ == prCountPrint) {
        W_ = d.FPrintPageRect.Right - d.FPrintPageRect.Left;
        B_ = -(d.FPrintPageRect.Bottom - d.FPrintPageRect.Top);
    } else {
        const TRect preview = canvas.DPtoLP(d.FPreviewRect);
        W_ = preview.Right - preview.Left;
        B_ = preview.Bottom - preview.Top;
        // The page is drawn where the preview rectangle lies on the canvas.
        if (mode_ == prPreview) {
            ox_ = preview.Left;
            oy_ = preview.Top;
        }
    }
    d.FPrintPageRect = {0, 0, W_, B_};
}

void TGridPrintEngine::useFont(const TFont& font) {
    canvas.Font.Assign(font);
    canvas.Font.SetHeight(g.MapFontHeight(font.Size()));
}

// ---- B. the rows and columns that print

void TGridPrintEngine::choosePrintable() {
    const TGridRect& range = d.FPrintRect;
    L_ = std::max(0, range.Left);
    T_ = std::max(0, range.Top);
    R_ = std::min({range.Right, g.ColCount() - 1, kMaxColumns - 2});
    Bm_ = std::min(range.Bottom, g.RowCount() - 1);
    rowPrints_.assign(std::max(0, g.RowCount()), true);
    colPrints_.assign(std::max(0, g.ColCount()), true);
    if (!selectedOnly_) return;
    const TMouseActions& mouse = g.MouseActions();
    const TGridRect sel = g.Selection();
    for (int r = 0; r < g.RowCount(); ++r) {
        if (r < g.FixedRows() && ps.FixedCellsAlways) continue;
        if (mouse.DisjunctRowSelect())
            rowPrints_[r] = g.RowSelect(mouse.RowSelectPersistent ? g.DisplToRealRow(r) : r);
        else
            rowPrints_[r] = r >= std::min(sel.Top, sel.Bottom) && r <= std::max(sel.Top, sel.Bottom);
    }
    for (int c = 0; c < g.ColCount(); ++c) {
        if (mouse.DisjunctRowSelect() || (c < g.FixedCols() && ps.FixedCellsAlways)) continue;
        if (mouse.DisjunctColSelect()) colPrints_[c] = g.ColSelect(c);
        else colPrints_[c] = c >= std::min(sel.Left, sel.Right) && c <= std::max(sel.Left, sel.Right);
    }
}

// ---- C. column widths

// The print font (selected on the canvas), background, alignment and wrapping of a cell.
TGridPrintEngine::Looks TGridPrintEngine::cellLooks(int rc, int r, TGridDrawState state) {
    TBrush brush;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TFont font;
    Looks looks;
    TCellGradientDirection gd = GradientVertical;
    g.GetVisualProperties(rc, r, state, true, false, false, brush, colorTo, mirror, mirrorTo, font, looks.HA, looks.VA,
                          looks.wrap, gd);
    g.GetCellWordWrap(rc, r, looks.wrap);
    g.GetCellAlignment(rc, r, looks.HA, looks.VA);
    useFont(font);
    looks.brush = brush.Color;
    looks.colorTo = colorTo;
    return looks;
}

QString TGridPrintEngine::cellText(int rc, int r, TextKind& kind) {
    kind = tkPlain;
    if (g.HasDataCheckBox(rc, r)) return QString();
    QString text = g.GetFormattedCell(rc, r);
    int type = TextType(text, g.EnableHTML);
    if (type == TextTypeFormula) {
        text = g.GetCalculatedCell(rc, r);
        type = TextType(text, g.EnableHTML);
    }
    if (type == TextTypeRTF) {
        kind = tkRich;
        return g.StrippedCells(rc, r);
    }
    const bool html = type == TextTypeHTML;
    if (html) kind = tkHTML;
    bool password = false;
    g.IsPasswordCell(rc, r, password);
    if (password) text = QString(text.size(), g.PasswordChar);
    if (!html && g.URLShow() && !g.URLFull() && IsURL(text)) StripURLProtocol(text);
    return text;
}

TGridPrintEngine::Size TGridPrintEngine::cellSize(int c, int r) {
    const int rc = g.RealColIndex(c);
    TextKind kind = tkPlain;
    const QString text = cellText(rc, r, kind);
    const bool html = kind == tkHTML;
    const Looks looks = cellLooks(rc, r, 0);
    const bool wrap = looks.wrap;
    int angle = 0;
    const bool rotated = g.IsRotated(rc, r, angle);

    TPoint graphic{0, 0};
    if (ps.PrintGraphics && g.CellGraphics(rc, r)) {
        g.GetCellGraphicPrintSize(rc, r, 0, 0, graphic, 1.0);
        graphic = {static_cast<int>(graphic.X * screenFactor_), static_cast<int>(graphic.Y * screenFactor_)};
    }
    Size size{0, 0};
    if (html) {
        // The markup is laid out in device pixels with the print font's size there.
        const int height = canvas.Font.Height();
        const double perUnitX = DevicePixelsPerInchX(canvas) / 254.0, perUnitY = DevicePixelsPerInchY(canvas) / 254.0;
        canvas.SetMapMode(MM_TEXT);
        canvas.Font.SetHeight(static_cast<int>(std::lround(height * perUnitY)));
        THTMLDrawOptions options = g.HTMLDrawOptions();
        options.MeasureOnly = true;
        options.WordWrap = false;
        THTMLDrawResults results;
        DrawHTMLText(canvas, text, TRect{0, 0, 65535, 65535}, options, results);
        canvas.SetMapMode(MM_LOMETRIC);
        canvas.Font.SetHeight(height);
        size.w = static_cast<int>(std::lround(results.MaxLineWidth / perUnitX)) + 2 * xOffset_;
        size.h = std::max(canvas.TextHeight("gh"), static_cast<int>(std::lround(results.TotalHeight / perUnitY)));
    } else if (wrap && ps.NoAutoSize && !rotated) {
        const int width = g.IsXMergedCell(c, r) ? 65535 : widths_[c];
        TRect r2{0, 0, width, -65535};
        canvas.DrawText(text.isEmpty() ? QStringLiteral("gh") : text, r2, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        size = {width, r2.Top - r2.Bottom};
    } else {
        const QStringList lines = linesOf(text.isEmpty() ? QStringLiteral("gh") : text, g.Multilinecells);
        int widest = 0;
        for (const QString& l : lines) widest = std::max(widest, canvas.TextWidth(l));
        size.w = widest + graphic.X;
        size.h = canvas.TextHeight("gh") * static_cast<int>(lines.size());
        if (rotated) {
            const double a = angle * M_PI / 180.0;
            const auto nearest = [](double v) { return static_cast<int>(std::lround(std::abs(v))); };
            const Size turned{nearest(size.w * std::cos(a)) + nearest(size.h * std::sin(a)),
                              nearest(widest * std::sin(a)) + nearest(size.h * std::cos(a))};
            size = turned;
        }
    }
    size.w = std::max(size.w, graphic.X);
    size.h = std::max(size.h, graphic.Y);
    TPoint custom{size.w, size.h};
    g.OnCustomCellSize(&g, canvas, rc, r, custom, true);
    return {custom.X, custom.Y};
}

void TGridPrintEngine::measureColumns() {
    widths_.assign(kMaxColumns, 0);
    indents_.assign(kMaxColumns, 0);
    const int lastFixed = ps.RepeatFixedCols ? std::min(g.FixedCols(), kMaxColumns - 1) - 1 : -1;
    const auto measured = [&](int c) { return (c >= L_ && c <= R_) || c <= lastFixed; };
    for (int c = 0; c <= std::max(R_, lastFixed); ++c) {
        if (!measured(c) || !colPrints(c)) continue;
        if (ps.NoAutoSize) {
            widths_[c] = static_cast<int>(std::lround(g.ColWidths(c) * screenFactor_));
            continue;
        }
        const auto measureRow = [&](int r) {
            if (g.IsXMergedCell(c, r) || !rowPrints(r)) return;
            const int w = ps.UseFixedWidth ? ps.FixedWidth : cellSize(c, r).w;
            widths_[c] = std::max(widths_[c], w);
        };
        for (int r = T_; r <= Bm_; ++r) measureRow(r);
        if (ps.RepeatFixedRows)
            for (int r = 0; r < std::min(g.FixedRows(), T_); ++r) measureRow(r);
    }
}

// ---- D. fit to page

void TGridPrintEngine::fitToPage() {
    if (ps.FitToPage != fpNever) {
        int totalWidth = 0;
        for (int c = L_; c <= R_; ++c)
            if (colPrints(c)) totalWidth += widths_[c] + gap_;
        const int gaps = (R_ - L_ + 1) * gap_;
        if (totalWidth != gaps) {
            double factor = double(W_ - ps.RightSize - ps.LeftSize - gaps) / double(totalWidth - gaps);
            if (ps.FitToPage == fpShrink && factor > 1) factor = 1;
            if (ps.FitToPage == fpGrow && factor < 1) factor = 1;
            if (ps.FitToPage == fpCustom && factor != 1) {
                bool allow = true;
                g.OnFitToPage(&g, factor, allow);
                if (!allow) factor = 1;
            }
            if (factor > 0 && factor != 1)
                for (int c = L_; c <= R_; ++c) widths_[c] = static_cast<int>(widths_[c] * factor);
            if (factor > 0) fit_ = factor;
        }
    }
    for (int c = L_; c <= R_; ++c) g.OnPrintSetColumnWidth(&g, c, widths_[c]);
}

// ---- E. column bands

std::vector<TGridPrintEngine::Band> TGridPrintEngine::splitBands() {
    std::vector<Band> bands;
    int start = L_;
    while (start <= R_) {
        const bool repeat = g.FixedCols() >= 1 && ps.RepeatFixedCols && (start != L_ || L_ > g.FixedCols());
        int total = 0;
        if (repeat)
            for (int c = 0; c < g.FixedCols(); ++c)
                if (colPrints(c)) total += widths_[c] + gap_;
        int end = start;
        for (int c = start; c <= R_; ++c) {
            if (colPrints(c)) total += widths_[c] + gap_;
            if (total > W_ - ps.RightSize) break;
            end = c;
        }
        // A band takes at least two columns, even when they overflow the page.
        end = std::min(R_, std::max(end, start + 1));
        bands.push_back({start, end, repeat});
        start = end + 1;
    }
    return bands;
}

void TGridPrintEngine::placeBand(const Band& band) {
    repeatFixed_ = band.repeatFixed;
    const int x0 = ps.Centered ? 0 : ps.LeftSize;
    fixedPart_ = 0;
    int x = x0;
    if (repeatFixed_)
        for (int c = 0; c < g.FixedCols(); ++c) {
            indents_[c] = x;
            if (colPrints(c)) x += widths_[c] + gap_;
        }
    fixedPart_ = x - x0;
    int bx = x0;
    for (int c = band.first; c <= band.last; ++c) {
        indents_[c] = bx;
        if (colPrints(c)) bx += widths_[c] + gap_;
    }
    indents_[band.last + 1] = bx;
    const int bandWidth = bx - x0;
    d.FPrintPageWidth = bandWidth;
    int shift = 0;
    if (ps.Centered && bandWidth + fixedPart_ < W_) shift = (W_ - bandWidth - fixedPart_) / 2;
    fixedOrigin_ = x0 + shift;
    if (repeatFixed_)
        for (int c = 0; c < g.FixedCols(); ++c) indents_[c] += shift;
    for (int c = band.first; c <= band.last + 1; ++c) indents_[c] += shift + fixedPart_;
    d.FPrintColStart = bandFirst_ = band.first;
    d.FPrintColEnd = bandLast_ = band.last;
    for (int c = 0; c < kMaxColumns; ++c) {
        d.FPrintColWidth[c] = widths_[c];
        d.FPrintColOffset[c] = indents_[c];
    }
}

void TGridPrintEngine::areaHeights() {
    const TPrintPosition items[] = {ps.Time, ps.Date, ps.PageNr, ps.Title};
    const bool anyTop = std::any_of(std::begin(items), std::end(items), IsTopPosition);
    const bool anyBottom = std::any_of(std::begin(items), std::end(items), IsBottomPosition);
    const bool markupTitle = !htmlTitle_.isEmpty();
    const int extraLines = ps.TitleText.isEmpty() && !markupTitle ? std::max(0, ps.TitleLines->Count() - 1) : 0;
    // A markup title takes its own room on every page, so that counting and drawing agree.
    const int titleRoom = markupTitle ? htmlTitleHeight_ + ps.HeaderSize : 0;
    headerArea_ = anyTop ? yOffset_ + headerText_ + ps.HeaderSize +
                               (IsTopPosition(ps.Title) ? extraLines * headerText_ + titleRoom : 0)
                         : ps.HeaderSize;
    footerArea_ = anyBottom ? 2 * yOffset_ + 2 * footerText_ + ps.FooterSize +
                                  (IsBottomPosition(ps.Title) ? extraLines * footerText_ + titleRoom : 0)
                            : yOffset_ + footerText_ + ps.FooterSize;
}

// ---- F. rows and pages

int TGridPrintEngine::rowHeight(int r) {
    if (r == lastHeightRow_) return lastHeight_;
    int h = 0;
    if (ps.NoAutoSizeRow) {
        h = static_cast<int>(std::lround(g.RowHeights(r) * screenFactor_)) - 4;
    } else if (ps.UseFixedHeight) {
        h = ps.FixedHeight;
    } else {
        d.FFontScaleFactor = fit_;
        int last = 0;
        const auto measure = [&](int c) {
            if (!colPrints(c) || g.IsYMergedCell(c, r)) return;
            const int ch = cellSize(c, r).h;
            if (ch > 0) last = ch;
            h = std::max(h, ch);
        };
        for (int c = bandFirst_; c <= bandLast_; ++c) measure(c);
        if (repeatFixed_)
            for (int c = 0; c < g.FixedCols(); ++c) measure(c);
        d.FFontScaleFactor = 1.0;
        if (h == 0) h = last;
        h += h / 8;
        g.OnPrintSetRowHeight(&g, r, h);
    }
    lastHeightRow_ = r;
    lastHeight_ = h;
    return h;
}

void TGridPrintEngine::startPage() {
    pageFramed_ = false;
    if (drawing() && inOutput(pageIndex_)) headerFooter();
}

void TGridPrintEngine::layBand(const Band& band, int bandNr) {
    bandNr_ = bandNr;
    pageInBand_ = 0;
    lastHeightRow_ = -1;
    placeBand(band);
    areaHeights();
    if (drawing() && inOutput(pageIndex_)) g.OnPrintPage(&g, canvas, pageIndex_ + 1, W_, B_);
    startPage();
    int y = -headerArea_ - ps.TitleSpacing;
    int r = T_;
    int rowsOnPage = 0;
    bool firstStep = true;
    const bool wholeRange = T_ <= g.FixedRows() && Bm_ >= g.RowCount() - 1 - g.FixedFooters();
    while (r <= Bm_ && !cancelled_) {
        g.ExportNotification(wholeRange ? esExportNewRow : esExportSelRow, r);
        if (firstStep && r != 0 && ps.RepeatFixedRows && g.FixedRows() > 0 &&
            (pageIndex_ > 0 || pageInBand_ > 0 || T_ >= g.FixedRows())) {
            for (int fr = 0; fr < g.FixedRows() && fr < g.RowCount(); ++fr)
                if (rowPrints(fr)) y -= printRow(fr, y, band.first, band.last);
        }
        firstStep = false;
        if (!rowPrints(r)) {
            ++r;
        } else {
            const int adv = rowAdvance(r);
            // A row taller than an empty page goes on a page of its own, cut at its bottom.
            if (y - adv > B_ + footerArea_ || rowsOnPage == 0) {
                printRow(r, y, band.first, band.last);
                y -= adv;
                ++r;
                ++rowsOnPage;
            }
        }
        bool breakPage = false;
        g.OnPrintNewPage(&g, r, breakPage);
        while (r <= Bm_ && !rowPrints(r)) ++r;
        const bool full = r <= Bm_ && !(y - rowAdvance(r) > B_ + footerArea_);
        if (r <= Bm_ && (full || breakPage)) {
            endPage(r, y);
            if (cancelled_) break;
            frameBottom_ = y;
            frameLines();
            const bool beyond = g.FastPrint && pageIndex_ + 1 > d.FPrintPageTo;
            newPage();
            if (beyond) return;
            ++pageInBand_;
            startPage();
            y = -headerArea_ - ps.TitleSpacing;
            rowsOnPage = 0;
            firstStep = true;
        }
    }
    if (!cancelled_) endPage(r, y);
    frameBottom_ = y;
    if (!pageFramed_) frameLines();
}

void TGridPrintEngine::endPage(int nextRow, int y) {
    if (!drawing()) return;
    g.OnPrintPageDone(&g, canvas, nextRow, y, pageIndex_ + 1, W_, B_);
    bool cancel = false;
    g.OnPrintCancel(&g, pageIndex_ + 1, cancel);
    if (cancel) cancelled_ = true;
}

// ---- J. a new page

void TGridPrintEngine::newPage() {
    const bool wasOutput = inOutput(pageIndex_);
    ++pageIndex_;
    if (!inOutput(pageIndex_)) return;
    if (mode_ == prPrint && wasOutput) Printer().NewPage();
    canvas.SetMapMode(MM_LOMETRIC);
    if (drawing()) g.OnPrintPage(&g, canvas, pageIndex_ + 1, W_, B_);
}

// ---- G. header and footer texts

QString TGridPrintEngine::pageText() {
    QString text;
    if (bands_ > 1) {
        text = QStringLiteral("%1-%2").arg(pageInBand_ + 1).arg(bandNr_ + 1);
        g.DoPrintGetPageNum(pageInBand_ + 1, bandNr_ + 1, text);
        return text;
    }
    const int page = pageIndex_ + ps.PageNumberOffset + 1;
    if (!ps.PageNumSep.isEmpty() && total_ > 1)
        text = QString::number(page) + ps.PageNumSep + QString::number(total_ + ps.MaxPagesOffset);
    else
        text = QString::number(page);
    g.DoPrintGetPageNum(pageIndex_ + 1, 1, text);
    return text;
}

void TGridPrintEngine::headerFooter() {
    QString texts[7];
    const auto add = [&](TPrintPosition pos, const QString& item) {
        if (pos == ppNone) return;
        QString& t = texts[pos];
        if (pos == ppTopLeft || pos == ppBottomLeft) t = t.isEmpty() ? item : item + ' ' + t;
        else t = t.isEmpty() ? item : t + ' ' + item;
    };
    const TDateTime today = now();
    add(ps.Time, FormatDateTime(QStringLiteral("hh:nn"), today));
    add(ps.Date, FormatDateTime(ps.DateFormat, today));
    add(ps.PageNr, (ps.PagePrefix + ' ' + pageText() + ' ' + ps.PageSuffix).trimmed());
    QStringList titleLines;
    if (!ps.TitleText.isEmpty()) {
        titleLines << ps.TitleText;
    } else if (htmlTitle_.isEmpty()) {
        for (int i = 0; i < ps.TitleLines->Count(); ++i) titleLines << ps.TitleLines->Strings(i);
    }
    if (!titleLines.isEmpty()) add(ps.Title, titleLines.first());
    drawHTMLTitle();

    for (int pos = ppTopLeft; pos <= ppBottomCenter; ++pos) {
        const bool top = IsTopPosition(TPrintPosition(pos));
        useFont(top ? ps.HeaderFont : ps.FooterFont);
        const int lineHeight = top ? headerText_ : footerText_;
        const int y = top ? -ps.HeaderSize : B_ + footerText_ + yOffset_ + ps.FooterSize;
        QStringList lines{texts[pos]};
        if (ps.Title == pos) lines += titleLines.mid(1);
        for (int i = 0; i < lines.size(); ++i) {
            const QString& text = lines[i];
            if (text.isEmpty()) continue;
            const int tw = canvas.TextWidth(text);
            int x = ps.LeftSize;
            if (pos == ppTopRight || pos == ppBottomRight) x = W_ - tw - ps.RightSize - 20;
            else if (pos == ppTopCenter || pos == ppBottomCenter) x = (W_ - tw) / 2;
            canvas.Brush.Style = bsClear;
            canvas.TextOut(x + ox_, y - i * lineHeight + oy_, text);
            canvas.Brush.Style = bsSolid;
        }
    }
}

// ---- H. one row

int TGridPrintEngine::printRow(int r, int y, int firstCol, int lastCol) {
    const int adv = rowAdvance(r);
    if (!drawing() || !inOutput(pageIndex_)) return adv;
    d.FFontScaleFactor = fit_;
    if (repeatFixed_)
        for (int c = 0; c < g.FixedCols(); ++c)
            if (colPrints(c)) printCell(c, r, y, adv, g.FixedCols() - 1);
    for (int c = firstCol; c <= lastCol; ++c)
        if (colPrints(c)) printCell(c, r, y, adv, lastCol);
    d.FFontScaleFactor = 1.0;
    return adv;
}

void TGridPrintEngine::printCell(int c, int r, int y, int adv, int lastCol) {
    const TPoint ext = g.IsBaseCell(c, r) ? g.CellExt(c, r) : TPoint{0, 0};
    int width = 0;
    for (int cc = c; cc <= std::min(c + ext.X, lastCol); ++cc) width += widths_[cc] + gap_;
    int height = adv;
    for (int rr = r + 1; rr <= r + ext.Y && rr < g.RowCount(); ++rr) {
        const int h = static_cast<int>((g.RowHeights(rr) - 4) * screenFactor_);
        height += h + h / 8 + 2 * yOffset_ + rowSpacing_;
    }
    TRect rect{indents_[c], y, indents_[c] + width, y - height};
    const bool cut = rect.Bottom < B_ + ps.FooterSize;
    if (cut) rect.Bottom = y - adv;

    if (!g.IsMergedNonBaseCell(c, r)) {
        const int rc = g.RealColIndex(c);
        const TGridDrawState state = (c < g.FixedCols() || r < g.FixedRows()) ? TGridDrawState(gdFixed) : 0;
        const Looks looks = cellLooks(rc, r, state);
        fillBackground(c, r, rect, looks);

        TextKind kind = tkPlain;
        QString text = cellText(rc, r, kind);
        TRect textRect = rect;
        if (ps.PrintGraphics) printGraphic(c, r, rect, looks, textRect, text);
        textRect.Right = std::min(textRect.Right, indents_[bandLast_ + 1]);
        int angle = 0;
        if (text.isEmpty()) {
        } else if (kind == tkRich) {
            drawRichText(c, r, textRect);
        } else if (kind == tkPlain && g.IsRotated(rc, r, angle)) {
            drawRotatedText(text, textRect, looks, angle);
        } else {
            drawCellText(text, kind == tkHTML, textRect, looks.HA, looks.VA, looks.wrap);
        }
        TRect device = canvas.LPtoDP(offset(rect));
        canvas.SetMapMode(MM_TEXT);
        g.OnCustomCellDraw(&g, canvas, rc, r, state, device, true);
        canvas.SetMapMode(MM_LOMETRIC);
    }
    cellLines(c, r, rect, !cut);
}

void TGridPrintEngine::drawCellText(const QString& text, bool html, TRect rect, TAlignment HA, TVAlignment VA,
                                    bool wrap) {
    canvas.Brush.Style = bsClear;
    const TRect inner{rect.Left + xOffset_, rect.Top - yOffset_, rect.Right - xOffset_, rect.Bottom};
    if (html) {
        // Markup is laid out in device pixels with the font at the device's resolution.
        const TRect device = canvas.LPtoDP(offset(inner));
        const int height = canvas.Font.Height();
        const double pixelsPerUnit = DevicePixelsPerInchY(canvas) / 254.0;
        canvas.SetMapMode(MM_TEXT);
        canvas.Font.SetHeight(static_cast<int>(std::lround(height * pixelsPerUnit)));
        THTMLDrawOptions options = g.HTMLDrawOptions();
        options.WordWrap = wrap;
        THTMLDrawResults results;
        DrawHTMLText(canvas, text, device, options, results);
        canvas.SetMapMode(MM_LOMETRIC);
        canvas.Font.SetHeight(height);
    } else if (wrap && ps.NoAutoSize) {
        unsigned flags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
        if (HA == taRightJustify) flags |= DT_RIGHT;
        else if (HA == taCenter) flags |= DT_CENTER;
        TRect r = offset(inner);
        canvas.DrawText(text, r, flags);
    } else {
        const QStringList lines = linesOf(text, g.Multilinecells);
        const int lineHeight = canvas.TextHeight("gh");
        const int free = (inner.Top - inner.Bottom) - lineHeight * static_cast<int>(lines.size());
        int top = inner.Top;
        if (lines.size() > 1 && free > 0) {
            if (VA == vtaCenter) top -= free / 2;
            else if (VA == vtaBottom) top -= free;
        }
        for (const QString& l : lines) {
            unsigned flags = DT_SINGLELINE | DT_NOPREFIX;
            if (HA == taRightJustify) flags |= DT_RIGHT;
            else if (HA == taCenter) flags |= DT_CENTER;
            if (lines.size() == 1) flags |= VA == vtaCenter ? DT_VCENTER : VA == vtaBottom ? unsigned(DT_BOTTOM) : 0u;
            TRect r = lines.size() == 1 ? offset(inner) : offset(TRect{inner.Left, top, inner.Right, top - lineHeight});
            canvas.DrawText(l, r, flags);
            top -= lineHeight;
        }
    }
    canvas.Brush.Style = bsSolid;
}

void TGridPrintEngine::line(int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1 + ox_, y1 + oy_);
    canvas.LineTo(x2 + ox_, y2 + oy_);
}

TCellBorders TGridPrintEngine::lineSides(int c, int r, TPen& pen) {
    TCellBorders sides;
    switch (ps.Borders) {
    case pbSingle:
    case pbDouble: sides = {cbLeft, cbRight, cbTop, cbBottom}; break;
    case pbHorizontal:
    case pbAroundHorizontal: sides = {cbTop, cbBottom}; break;
    case pbVertical:
    case pbAroundVertical: sides = {cbLeft, cbRight}; break;
    default: break;
    }
    pen.Width = 1;
    pen.Color = ps.BorderColor;
    pen.Style = ps.BorderStyle;
    g.GetCellPrintBorder(g.RealColIndex(c), r, pen, sides);
    return sides;
}

void TGridPrintEngine::cellLines(int c, int r, TRect rect, bool bottomLine) {
    TPen pen;
    TCellBorders sides = lineSides(c, r, pen);
    if (g.IsMergedCell(c, r)) {
        const TRect full = g.FullCell(c, r);
        if (c < full.Right) {
            sides.Exclude(cbRight);
            if (c != full.Left) sides.Exclude(cbLeft);
        }
        if (r < full.Bottom) {
            sides.Exclude(cbBottom);
            if (r != full.Top) sides.Exclude(cbTop);
        }
        if (c == full.Right && c != full.Left) sides.Exclude(cbLeft);
        if (r == full.Bottom && r != full.Top) sides.Exclude(cbTop);
    }
    if (sides.Empty()) return;
    const TPen keep = canvas.Pen;
    canvas.Pen = pen;
    canvas.Pen.Width = std::max(1, static_cast<int>(pen.Width * (mode_ == prPrint ? screenFactor_ : 1.0)));
    const int left = c != bandFirst_ && c != 0 ? rect.Left - canvas.Pen.Width : rect.Left;
    if (sides.Contains(cbLeft)) line(left, rect.Top, left, rect.Bottom);
    if (sides.Contains(cbRight)) line(rect.Right, rect.Top, rect.Right, rect.Bottom);
    if (sides.Contains(cbTop)) line(rect.Left, rect.Top, rect.Right, rect.Top);
    if (sides.Contains(cbBottom) && bottomLine) line(rect.Left, rect.Bottom, rect.Right, rect.Bottom);
    canvas.Pen = keep;
}

// ---- I. the frame of a page

void TGridPrintEngine::frameLines() {
    pageFramed_ = true;
    if (!drawing() || !inOutput(pageIndex_)) return;
    const int left = repeatFixed_ ? fixedOrigin_ : indents_[bandFirst_];
    const int right = indents_[bandLast_ + 1];
    const int top = -headerArea_ - ps.TitleSpacing;
    const int bottom = frameBottom_ - yOffset_ / 2;
    const TPrintBorders b = ps.Borders;
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        line(left, top, right, top);
        line(right, top, right, bottom);
        line(right, bottom, left, bottom);
        line(left, bottom, left, top);
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) line(left, bottom, right, bottom);
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && repeatFixed_)
        for (int c = 0; c < g.FixedCols(); ++c) line(indents_[c], top, indents_[c], bottom);
}

// ---- the run

int TGridPrintEngine::Run() {
    setUp();
    measureHTMLTitle();
    choosePrintable();
    if (R_ < L_ || Bm_ < T_) return 0;
    measureColumns();
    fitToPage();
    const std::vector<Band> bands = splitBands();
    bands_ = static_cast<int>(bands.size());
    for (int b = 0; b < bands_ && !cancelled_; ++b) {
        if (b > 0) newPage();
        layBand(bands[b], b);
    }
    return pageIndex_ + 1;
}
