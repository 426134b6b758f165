// The paste over a selection: the pasted cells, then with AllowSmartClipboard the rest of the
// selection filled from them, with one value, a series of numbers or dates, or repeated texts.
#include "grid/foundation/date_routines.h"
#include "grid/foundation/decoration_painters.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/exception.h"
#include "platform/system/date_time_text.h"
#include "platform/system/regional.h"

#include <functional>

namespace {

enum class TSeries { Dates, Floats, Integers, Texts };

TSeries seriesOf(const QString& C1, const QString& C2) {
    const TFormatSettings& fs = FormatSettings;
    const auto dateOrTime = [&](const QString& s) { return IsDateText(s) || s.contains(fs.TimeSeparator); };
    if (dateOrTime(C1) && dateOrTime(C2)) return TSeries::Dates;
    if (C1.contains(fs.DecimalSeparator) || C2.contains(fs.DecimalSeparator)) return TSeries::Floats;
    int i = 0;
    if (TryStrToInt(C1, i) && TryStrToInt(C2, i)) return TSeries::Integers;
    return TSeries::Texts;
}

bool parseDateOrTime(const QString& S, TDateTime& Value) {
    return S.contains(FormatSettings.DateSeparator) ? TryStrToDate(S, Value) : TryStrToTime(S, Value);
}

// The texts of a series: Next answers the text of the next cell, or false when the series ends.
using TSeriesStep = std::function<bool(QString&)>;

TSeriesStep seriesSteps(TSeries Kind, const QString& C1, const QString& C2, const QString& FloatFormat) {
    switch (Kind) {
    case TSeries::Dates: {
        TDateTime d1 = 0, d2 = 0;
        if (!parseDateOrTime(C1, d1) || !parseDateOrTime(C2, d2)) return nullptr;
        int y1, m1, day1, y2, m2, day2;
        DecodeDate(d1, y1, m1, day1);
        DecodeDate(d2, y2, m2, day2);
        const bool dates = C1.contains(FormatSettings.DateSeparator);
        return [=, v = d1, first = true](QString& Text) mutable {
            if (!first) {
                try {
                    v = IncrementDate(y2 - y1, m2 - m1, day2 - day1, v, d2 - d1);
                } catch (const Exception&) {
                    return false;
                }
            }
            first = false;
            Text = dates ? DateToStr(v) : TimeToStr(v);
            return true;
        };
    }
    case TSeries::Floats: {
        double f1 = 0, f2 = 0;
        if (!TryStrToFloat(C1, f1) || !TryStrToFloat(C2, f2)) return nullptr;
        return [=, k = 0](QString& Text) mutable {
            Text = FormatProgressValue(FloatFormat, f1 + (f2 - f1) * k++);
            return true;
        };
    }
    case TSeries::Integers: {
        const qint64 i1 = StrToInt(C1), i2 = StrToInt(C2);
        return [=, k = qint64(0)](QString& Text) mutable {
            Text = QString::number(i1 + (i2 - i1) * k++);
            return true;
        };
    }
    case TSeries::Texts: break;
    }
    return nullptr;
}

}  // namespace

void TExStringGrid::PasteSelectionFromClipboard() {
    const TNavigation& nav = *p->Navigation;
    ImportNotification(isImportStart, -1);
    p->FPasteAll = false;
    ExtendSelectionToMergedCells();
    const TGridRect s = Selection();
    int cols = 0, rows = 0;
    const int n = PasteFromClipboardAt((Options() & goRowSelect) ? FixedCols() : s.Left, s.Top, cols, rows);
    const int cells = (s.Right - s.Left + 1) * (s.Bottom - s.Top + 1);
    // n = cells + 1: the text filled the selection exactly, its final line break counted.
    if (!nav.AllowSmartClipboard || n == cells + 1) return;
    const bool always = nav.AllowClipboardAlways;
    BeginPaste();
    if (n == 1 && cells > 1) {
        const int rc = RealColIndex(s.Left);
        QString value = GetCellEx(rc, s.Top);
        bool checked = false;
        if (GetCheckBoxState(rc, s.Top, checked)) value = checked ? CheckTrue : CheckFalse;
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r) {
                if (!always && !IsEditable(c, r)) continue;
                if (fillCell(c, r, value, c == s.Left && r == s.Top))
                    CellsPasted(p->FClipTopLeft, TGridRect{c, r, c, r}, p->FClipLastOp);
            }
    }
    EndPaste();
    if (n > 1 && (s.Left == s.Right || s.Top == s.Bottom) && fillSeries(s, s.Left == s.Right ? rows : cols)) return;
    if (n > 1 && s.Bottom > s.Top && s.Right > s.Left && (rows == 1 || cols == 1)) {
        // A single row pasted again on every row of the selection, a single column on every column.
        if (rows == 1)
            for (int r = s.Top + 1; r <= s.Bottom; ++r) PasteFromClipboardAt(s.Left, r, cols, rows);
        else
            for (int c = s.Left + 1; c <= s.Right; ++c) PasteFromClipboardAt(c, s.Top, cols, rows);
        SetSelection(s);
    }
    ImportNotification(isImportDone, -1);
    CellsChanged(TRect{RealColIndex(s.Left), s.Top, RealColIndex(s.Right), s.Bottom});
    AllCellsChanged();
}

bool TExStringGrid::fillCell(int ACol, int ARow, const QString& Value, bool TopLeft) {
    QString v = Value;
    bool allow = true;
    if (!TopLeft) OnClipboardBeforePasteCell(this, ACol, ARow, v, allow);
    if (!allow) return false;
    PasteCell(ACol, ARow, v);
    if (!TopLeft) OnClipboardAfterPasteCell(this, ACol, ARow, v);
    return true;
}

bool TExStringGrid::fillSeries(const TGridRect& S, int Period) {
    const bool column = S.Left == S.Right;
    const QString c1 = GetCellEx(RealColIndex(S.Left), S.Top);
    const bool hasSecond = column ? S.Top + 1 < RowCount() : S.Left + 1 < ColCount();
    const QString c2 = !hasSecond ? QString() : column ? GetCellEx(RealColIndex(S.Left), S.Top + 1)
                                                      : GetCellEx(RealColIndex(S.Left + 1), S.Top);
    const TSeries kind = hasSecond ? seriesOf(c1, c2) : TSeries::Texts;
    if (kind != TSeries::Texts) {
        TSeriesStep next = seriesSteps(kind, c1, c2, FloatFormat);
        int lastCol = S.Left, lastRow = S.Top;
        for (int c = S.Left; next && c <= S.Right; ++c)
            for (int r = S.Top; r <= S.Bottom; ++r) {
                QString text;
                if (!next(text)) {
                    next = nullptr;
                    break;
                }
                if (!IsEditable(c, r)) continue;
                if (fillCell(c, r, text, c == S.Left && r == S.Top)) lastCol = c, lastRow = r;
            }
        CellsChanged(TRect{RealColIndex(lastCol), lastRow, RealColIndex(lastCol), lastRow});
        return true;
    }
    // Texts repeat the pasted ones: each cell takes the one Period cells before it.
    Period = std::max(Period, 1);
    if (column)
        for (int r = S.Top + Period; r <= S.Bottom; ++r) {
            if (IsEditable(S.Left, r)) fillCell(S.Left, r, GetCellEx(RealColIndex(S.Left), r - Period), false);
        }
    else
        for (int c = S.Left + Period; c <= S.Right; ++c) {
            if (IsEditable(c, S.Top)) fillCell(c, S.Top, GetCellEx(RealColIndex(c - Period), S.Top), false);
        }
    CellsPasted(p->FClipTopLeft, S, p->FClipLastOp);
    return false;
}
