// The copying side of the grid's clipboard: the text of a cell range, the formats put on the
// clipboard with it, cutting, and the HTML copy.
#include "grid/foundation/codings.h"
#include "grid/foundation/grid_undo.h"
#include "grid/foundation/html_export.h"
#include "grid/foundation/html_text.h"
#include "grid/stringgrid/clipboard/clipboard_formats.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/model/string_grid_unit.h"
#include "platform/controls/rich_edit.h"
#include "platform/core/stream.h"
#include "platform/system/clipboard.h"

#include <algorithm>

namespace {

// A field other programs read back whole: in double quotes, inner quotes doubled.
QString quotedField(const QString& S) { return u'"' + DoubleQuoteChars(S) + u'"'; }

}  // namespace

QString TExStringGrid::GetRectAsText(TRect Rect, bool Disjunct) {
    p->FClipTopLeft = {Rect.Left, Rect.Top};
    const TMouseActions& mouse = *p->MouseActions;
    const bool rowsOnly = Disjunct && mouse.DisjunctRowSelect() && !mouse.DisjunctColSelect();
    const bool colsOnly = Disjunct && mouse.DisjunctColSelect();
    QString text;
    ExportNotification(esExportStart, -1);
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        if (rowsOnly && !RowSelect(mouse.RowSelectPersistent ? RealRowIndex(r) : r)) continue;
        bool first = true;
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            if (colsOnly && !ColSelect(c)) continue;
            if (!first) text += u'\t';
            first = false;
            const int rc = RealColIndex(c);
            QString t = SaveCell(rc, r);
            if (t.startsWith(QLatin1String("|\\"))) t = DecodeWideText(t);
            if (!p->Navigation->CopyHTMLTagsToClipboard && t.contains(QLatin1String("</"))) t = StrippedCells(rc, r);
            else if (t.contains(QLatin1String("{\\"))) {
                CellToRich(rc, r, *RichEdit());
                t = RichEdit()->Text();
            }
            if (ExcelClipboardFormat && LineCount(t, Multilinecells) > 1) {
                t = DoubleQuoteChars(t);
                LinesToCSVField(t);
            } else if (t.contains(u'\r') || t.contains(u'\n') || t.contains(u'\t') || t.startsWith(u'"')) {
                // One line break as LF, as spreadsheets write it, and a tab inside quotes, so that a
                // paste gives the cell back.
                CRLFToLF(t);
                t.replace(u'\r', u'\n');
                t = quotedField(t);
            }
            text += t;
        }
        if (Rect.Bottom > Rect.Top) text += QLatin1String("\r\n");
    }
    ExportNotification(esExportDone, -1);
    return text;
}

void TExStringGrid::CopyRectToClipboard(TRect Rect, bool Disjunct) {
    const QString text = GetRectAsText(Rect, Disjunct);
    std::vector<TClipboardFormat> formats;
    if (p->Navigation->AllowRTFClipboard) {
        const QString rtf = GetCellEx(Rect.Left, Rect.Top);
        if (rtf.contains(QLatin1String("{\\"))) formats.emplace_back(RichTextClipboardFormat, RichTextClipboardData(rtf));
    }
    if (p->Navigation->AllowFmtClipboard) {
        TMemoryStream block;
        SaveRectToBinStream(Rect, block);
        formats.emplace_back(GridClipboardFormat(), block.Memory());
    }
    Clipboard().SetContent(text, formats);
    p->FClipLastOp = coCopy;
}

void TExStringGrid::CopySelectionToClipboard() {
    ExtendSelectionToMergedCells();
    const TMouseActions& mouse = *p->MouseActions;
    const bool formatted = p->Navigation->AllowFmtClipboard;
    if (mouse.DisjunctRowSelect() && !formatted)
        CopyRectToClipboard(TRect{FixedCols(), SaveStartRow(), ColCount() - 1 - FixedRightCols(), SaveEndRow()}, true);
    else if (mouse.DisjunctColSelect() && !formatted)
        CopyRectToClipboard(TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else {
        const TGridRect s = Selection();
        CopyRectToClipboard(TRect{s.Left, s.Top, s.Right, s.Bottom}, false);
    }
}

void TExStringGrid::CopyToClipBoard() {
    CopyRectToClipboard(TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
}

void TExStringGrid::CutToClipboard() {
    CopyToClipBoard();
    p->FClipLastOp = coCut;
    const bool always = p->Navigation->AllowClipboardAlways;
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c)
            if (always || IsEditable(RealColIndex(c), r)) SetCellEx(RealColIndex(c), r, QString());
        if (p->ShowModified->Enabled) SetRowModified(r, true);
    }
}

void TExStringGrid::CutSelectionToClipboard() {
    const TGridRect s = Selection();
    CopySelectionToClipboard();
    p->FClipLastOp = coCut;
    const TMouseActions& mouse = *p->MouseActions;
    const bool modified = p->ShowModified->Enabled;
    if (mouse.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (!RowSelect(mouse.RowSelectPersistent ? RealRowIndex(r) : r)) continue;
            ClearRows(r, 1);
            if (modified) SetRowModified(r, true);
        }
    } else if (mouse.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c)) ClearCols(c, 1);
    } else {
        const bool always = p->Navigation->AllowClipboardAlways;
        TExGridUndoRedo* undo = UndoRedo();
        if (undo) undo->StartSequence();
        for (int r = s.Top; r <= s.Bottom; ++r) {
            for (int c = s.Left; c <= s.Right; ++c) {
                const int rc = RealColIndex(c);
                if (!always && !IsEditable(rc, r)) continue;
                if (undo) undo->RegisterChange(rc, r, GetCellEx(rc, r), QString());
                SetCellEx(rc, r, QString());
            }
            if (modified) SetRowModified(r, true);
        }
        if (undo) undo->StopSequence();
        if (p->Navigation->AllowFmtClipboard) FreeCellProperties(s.Left, s.Top, s.Right, s.Bottom);
    }
    CellsChanged(TRect{s.Left, s.Top, s.Right, s.Bottom});
    if (NumHiddenColumns() > 0) Invalidate();
}

void TExStringGrid::CopyToClipBoardAsHTML() {
    QString html = SaveToHTMLString(QString());
    MakeHTMLClipboardText(html);
    Clipboard().SetContent(html, {{CF_HTML_FORMAT, html.toUtf8()}});
}

void TExStringGrid::ExtendSelectionToMergedCells() {
    const TGridRect s = Selection();
    TGridRect n = s;
    if (IsMergedCell(s.Left, s.Top)) {
        const TPoint base = BaseCell(s.Left, s.Top);
        n.Left = std::min(n.Left, base.X);
        n.Top = std::min(n.Top, base.Y);
    }
    if (IsMergedCell(s.Right, s.Bottom)) {
        const TPoint base = BaseCell(s.Right, s.Bottom);
        const TPoint span = CellSpan(base.X, base.Y);
        n.Right = std::max(n.Right, base.X + span.X);
        n.Bottom = std::max(n.Bottom, base.Y + span.Y);
    }
    if (n.Left != s.Left || n.Top != s.Top || n.Right != s.Right || n.Bottom != s.Bottom) SetSelection(n);
}

QString TExStringGrid::GetSelectionAsText() {
    const TGridRect s = Selection();
    return GetRectAsText(TRect{s.Left, s.Top, s.Right, s.Bottom}, false);
}
