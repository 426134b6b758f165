// Three views of a cell's text besides the stored one: as displayed (with a number format per
// cell), as exported, and its size as painted.
#include "grid/foundation/codings.h"
#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/html_text.h"
#include "grid/foundation/link_routines.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/rotated_text.h"
#include "platform/controls/rich_edit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/text_line.h"

#include <algorithm>
#include <exception>

namespace {
constexpr int TextTypeHTML = 1, TextTypeRTF = 2, TextTypeFormula = 3;

bool isNumber(const QString& s) {
    const int kind = NumericType(s);
    return kind == 0 || kind == 1 || kind == 5;
}
}  // namespace

QString TExStringGrid::GetFormattedCell(int ACol, int ARow) {
    const QString stored = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat || !isNumber(stored)) return stored;
    bool isFloat = true;
    QString format = FloatFormat;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.isEmpty()) return stored;
    try {
        if (format.contains(QLatin1Char('d'))) return FormatProgressValue(format, Ints(ACol, ARow));
        return FormatProgressValue(format, Floats(ACol, ARow));
    } catch (const std::exception&) {
        return stored;
    }
}

QString TExStringGrid::SaveCell(int ACol, int ARow) {
    QString value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (value.isEmpty()) {
        const TCellType type = GetCellType(ACol, ARow);
        TCheckBoxState state = cbUnchecked;
        if ((type == ctCheckBox || type == ctTriStateCheckBox) && GetCheckBoxState(ACol, RealRowIndex(ARow), state)) {
            if (state == cbChecked) GetCheckTrue(ACol, ARow, value);
            else GetCheckFalse(ACol, ARow, value);
        }
    }
    const int type = TextType(value, true);
    if (type == TextTypeHTML && !SaveWithHTML) value = StripHTMLTags(value);
    if (type == TextTypeRTF) {
        if (SaveWithRTF) value.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        else {
            RichEdit()->LoadRTF(value);
            value = RichEdit()->Text();
        }
    }
    OnSaveCell(this, ACol, ARow, value);
    return value;
}

int TExStringGrid::GetMaxColTextLen(int ACol) {
    int longest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        QString text = SaveCell(ACol, r);
        // A CR LF ends a line as one break.
        if (Multilinecells) text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
        const QStringList lines = Multilinecells ? text.split(QLatin1Char('\r')) : QStringList{text};
        for (const QString& line : lines) longest = std::max(longest, int(line.size()));
    }
    return longest;
}

int TExStringGrid::GetMaxLinesInRow(int ARow) {
    if (!Multilinecells || ColCount() == 0) return 1;
    int most = 0;
    for (int c = 0; c < ColCount(); ++c) most = std::max(most, LineCount(GetGridCell(RealColIndex(c), ARow), true));
    return most;
}

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
    TSize size{0, 0};
    CellTextSize(ACol, RealToDisplCol(ACol), ARow, VS, SB, size);
    return size;
}

void TExStringGrid::CellTextSize(int ACol, int DisplCol, int ARow, bool VS, bool SB, TSize& Size) {
    QString text = GetFormattedCell(ACol, ARow);
    int type = TextType(text, EnableHTML);
    TCanvas& canvas = Canvas();
    GetFontProperties(DisplCol, ACol, ARow, 0, canvas.Font, canvas.Brush, true);
    const bool fixed = DisplCol < FixedCols() || ARow < FixedRows();
    if (fixed && p->ActiveCellShow && (p->ActiveCellFont->Style() & fsBold))
        canvas.Font.SetStyle(canvas.Font.Style() | fsBold);
    if (ZoomFactor != 0) canvas.Font.SetSize(canvas.Font.Size() + ZoomFactor);
    if (type == TextTypeFormula) {
        text = GetCalculatedCell(ACol, ARow);
        type = TextType(text, EnableHTML);
    }

    TRect R = CellRect(DisplCol, ARow);
    R.Left += XYOffset.X;
    R.Top += XYOffset.Y;
    if (!XYOffsetTopLeftOnly) {
        R.Right -= XYOffset.X;
        R.Bottom -= XYOffset.Y;
    }
    if (SB) R.Right -= 17;

    if (type == TextTypeHTML) {
        R.Bottom = 65535;
        if (!VS) R.Right = 65535;
        THTMLDrawOptions options = HTMLDrawOptions();
        options.MeasureOnly = true;
        options.WordWrap = !EnhTextSize;
        THTMLDrawResults results;
        DrawHTMLText(canvas, text, R, options, results);
        Size = {results.MaxLineWidth + 2, results.TotalHeight + 2};
        return;
    }
    // Rich text: the size the rich edit asks for its formatted text, wrapped at the cell's
    // inner width with the grid's word wrap, else its widest line.
    if (type == TextTypeRTF) {
        TRichEdit& edit = *RichEdit();
        edit.LoadRTF(text);
        const int width = VS ? R.Width() - 4 : R.Width();
        const TSize wanted = edit.ContentSize(WordWrap ? width : 0);
        Size = {wanted.cx, wanted.cy + 4};
        return;
    }
    int angle = 0;
    const bool rotated = IsRotated(ACol, ARow, angle);
    if (VS) {
        R = {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
        const int width = R.Width();
        if (EditActive() && ACol == RealCol() && ARow == Row() && text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('w');
        TRect measured = R;
        const unsigned breaking = rotated ? unsigned(DT_SINGLELINE) : unsigned(DT_WORDBREAK);
        const int height =
            canvas.DrawText(text, measured, unsigned(DT_CALCRECT) | breaking | unsigned(DT_EXPANDTABS) | unsigned(DT_NOPREFIX));
        Size = {width, height};
    } else {
        const QStringList lines = Multilinecells ? text.split(QLatin1Char('\r')) : QStringList{text};
        int widest = 0;
        for (QString line : lines) {
            if (line.endsWith(QLatin1Char('\n'))) line.chop(1);
            if (line.startsWith(QLatin1Char('\n'))) line.remove(0, 1);
            if (URLShow() && !URLFull() && IsURL(line)) StripURLProtocol(line);
            widest = std::max(widest, canvas.TextWidth(line));
        }
        Size = {widest, canvas.TextHeight(QStringLiteral("gh")) * int(lines.size())};
    }
    if (rotated) Size = TurnedTextExtent(Size, angle);
}
