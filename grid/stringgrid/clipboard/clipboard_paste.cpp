// The pasting side of the grid's clipboard: the richest format on the clipboard pasted at a
// cell, tab-separated text spread over the grid, and the SelectionAsText property.
#include "grid/foundation/codings.h"
#include "grid/foundation/grid_undo.h"
#include "grid/stringgrid/clipboard/clipboard_formats.h"
#include "grid/stringgrid/data/cell_records.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/model/string_grid_unit.h"
#include "platform/core/stream.h"
#include "platform/system/clipboard.h"

#include <algorithm>
#include <vector>

namespace {

// A pasted text as lines of tab-separated fields. A line ends at CR (an LF right after it
// going with it) or at LF. A field that starts with a double quote runs to the quote that
// closes it (one followed by a tab, a line end or the end), over tabs and line ends, as
// spreadsheets write cells of several lines; doubled quotes inside stand for one. A quote that
// is never closed is text.
struct TPastedText {
    std::vector<QStringList> Lines;
    // The text ends with a line break: its last line is the empty one after it.
    bool FinalBreak = false;
};

// A quoted field's text as a cell holds it.
QString pastedField(const QString& Field) {
    // Line breaks of other programs become the grid's CR LF, as does the character 11 form.
    QString v = Field;
    v.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n').replace(u'\n', QLatin1String("\r\n"));
    CSVFieldToLines(v);
    return v;
}

bool endsField(const QString& T, qsizetype i) {
    return i >= T.size() || T[i] == u'\t' || T[i] == u'\r' || T[i] == u'\n';
}

// The quoted field starting at T[i] and the index after its closing quote; -1 when unclosed.
qsizetype quotedField(const QString& T, qsizetype i, QString& Value) {
    Value.clear();
    for (qsizetype j = i + 1; j < T.size(); ++j) {
        if (T[j] != u'"') {
            Value += T[j];
        } else if (j + 1 < T.size() && T[j + 1] == u'"') {
            Value += u'"';
            ++j;
        } else if (endsField(T, j + 1)) {
            return j + 1;
        } else {
            Value += u'"';
        }
    }
    return -1;
}

TPastedText splitPastedText(const QString& T) {
    TPastedText out;
    out.Lines.emplace_back();
    QString field;
    bool fieldStart = true;
    for (qsizetype i = 0; i < T.size();) {
        const QChar ch = T[i];
        if (fieldStart && ch == u'"') {
            QString value;
            const qsizetype next = quotedField(T, i, value);
            if (next >= 0) {
                field = pastedField(value);
                fieldStart = false;
                i = next;
                continue;
            }
        }
        fieldStart = false;
        if (ch == u'\t' || ch == u'\r' || ch == u'\n') {
            out.Lines.back() << field;
            field.clear();
            fieldStart = true;
            if (ch != u'\t') {
                if (ch == u'\r' && i + 1 < T.size() && T[i + 1] == u'\n') ++i;
                out.Lines.emplace_back();
            }
            ++i;
            continue;
        }
        field += ch;
        ++i;
    }
    out.Lines.back() << field;
    out.FinalBreak = T.endsWith(u'\r') || T.endsWith(u'\n');
    return out;
}

}  // namespace

TPoint TExStringGrid::CountTextCells(const QString& Text) {
    const TPastedText pasted = splitPastedText(Text);
    int cols = 0, emptyLines = 0;
    for (const QStringList& line : pasted.Lines) {
        cols = std::max(cols, int(line.size()));
        if (line.size() == 1 && line.front().isEmpty()) ++emptyLines;
    }
    // The empty rest after a final line break counts as an empty line.
    const int breaks = int(pasted.Lines.size()) - 1;
    return TPoint{cols, breaks - emptyLines};
}

void TExStringGrid::PasteCell(int ACol, int ARow, const QString& Value) {
    const int rc = RealColIndex(ACol);
    if (TExGridUndoRedo* undo = UndoRedo()) undo->RegisterChange(rc, ARow, GetCellEx(rc, ARow), Value);
    bool checked = false;
    if (GetCheckBoxState(rc, ARow, checked)) SetCheckBoxState(rc, ARow, Value == CheckTrue);
    else SetCellEx(rc, ARow, Value);
    if (rc != ACol) RepaintCell(ACol, ARow);
}

void TExStringGrid::CellsPasted(TGridCoord, TGridRect Target, int) {
    if (!p->ShowModified->Enabled) return;
    for (int r = Target.Top; r <= Target.Bottom; ++r) SetRowModified(r, true);
}

bool TExStringGrid::pasteTextField(int ACol, int ARow, const QString& Field) {
    bool allow = true;
    QString value = Field;
    // Wide text goes to its own events decoded, and is stored as it came.
    const bool wide = value.startsWith(QLatin1String("|\\"));
    if (wide) {
        QString w = DecodeWideText(value);
        OnClipboardBeforePasteWideCell(this, ACol, ARow, w, allow);
        value = EncodeWideText(w);
    } else {
        OnClipboardBeforePasteCell(this, ACol, ARow, value, allow);
    }
    if (!allow) return false;
    PasteCell(ACol, ARow, value);
    if (wide) OnClipboardAfterPasteWideCell(this, ACol, ARow, value);
    else OnClipboardAfterPasteCell(this, ACol, ARow, value);
    return true;
}

int TExStringGrid::PasteText(int ACol, int ARow, int& Cols, int& Rows, const QString& Text) {
    const TNavigation& nav = *p->Navigation;
    if (ACol < 0 || ARow < 0) return 0;
    if (!(Options() & goEditing) && !nav.AllowClipboardAlways && !p->MouseActions->RangeSelectAndEdit) return 0;
    const TPastedText pasted = splitPastedText(Text);
    const size_t lines = pasted.Lines.size() - (pasted.FinalBreak ? 1 : 0);
    TExGridUndoRedo* undo = UndoRedo();
    if (undo) undo->StartSequence();
    int count = 0, row = ARow, lastCol = -1, lastRow = -1;
    Rows = 0;
    for (size_t li = 0; li < pasted.Lines.size(); ++li) {
        const QStringList& fields = pasted.Lines[li];
        ImportNotification(p->FPasteAll ? isImportNewRow : isImportSelRow, row);
        // The empty rest after a final line break counts as a field but holds nothing.
        if (li >= lines) {
            ++count;
            break;
        }
        ++Rows;
        Cols = int(fields.size());
        const bool emptyLine = fields.size() == 1 && fields.front().isEmpty();
        if (nav.ClipboardPasteAction == paInsert && !emptyLine) InsertRows(row, 1, true);
        int col = ACol;
        for (const QString& field : fields) {
            ++count;
            // The column just after the last one grows the grid when that is allowed.
            if (col == ColCount() && row < RowCount() && nav.AllowClipboardColGrow) SetColCount(col + 1);
            if (col < ColCount() && row < RowCount() && (nav.AllowClipboardAlways || IsEditable(col, row)) &&
                pasteTextField(col, row, field)) {
                lastCol = std::max(lastCol, col);
                lastRow = std::max(lastRow, row);
            }
            ++col;
        }
        if (li + 1 < lines) {
            ++row;
            const bool footer = FloatingFooter().Visible && FloatingFooter().FooterStyle == fsFixedLastRow;
            if (row == RowCount() - (footer ? 1 : 0) && nav.AllowClipboardRowGrow) SetRowCount(RowCount() + 1);
        }
    }
    if (undo) undo->StopSequence();
    if (lastCol >= 0) {
        CellsPasted(p->FClipTopLeft, TGridRect{ACol, ARow, lastCol, lastRow}, p->FClipLastOp);
        CellsChanged(TRect{RealColIndex(ACol), ARow, RealColIndex(lastCol), lastRow});
    }
    return count;
}

int TExStringGrid::PasteFromClipboardAt(int ACol, int ARow, int& Cols, int& Rows) {
    const TNavigation& nav = *p->Navigation;
    TClipboard& clipboard = Clipboard();
    if (AllowFormattedPaste()) {
        const QByteArray block = clipboard.FormatData(GridClipboardFormat());
        if (!block.isEmpty()) {
            TMemoryStream stream(block);
            // A block cut short or garbled raises here, before the grid changes.
            const TCellRecord header = checkedCellStream(stream);
            const int cols = int(header.Int("ColCount")), rows = int(header.Int("RowCount"));
            BeginPaste();
            if (nav.AllowClipboardColGrow && ACol + cols >= ColCount()) SetColCount(ACol + cols);
            if (nav.AllowClipboardRowGrow && ARow + rows >= RowCount()) SetRowCount(ARow + rows);
            Cols = ColCount();
            Rows = RowCount();
            if (nav.ClipboardPasteAction == paInsert) InsertRows(ARow, rows, true);
            LoadAtPointFromBinStream(TPoint{ACol, ARow}, stream);
            const TGridCoord from = header.Int("ID") == cellStreamID() ? p->FClipTopLeft : TGridCoord{-1, -1};
            CellsPasted(from, TGridRect{ACol, ARow, ACol + cols - 1, ARow + rows - 1}, p->FClipLastOp);
            EndPaste();
            return cols * rows;
        }
    }
    if (nav.AllowRTFClipboard) {
        const QByteArray rtf = clipboard.FormatData(RichTextClipboardFormat);
        if (!rtf.isEmpty()) {
            if (IsEditable(ACol, ARow)) PasteCell(ACol, ARow, RichTextFromClipboardData(rtf));
            Cols = Rows = 1;
            return 0;
        }
    }
    const QString text = clipboard.AsText();
    return text.isEmpty() ? 0 : PasteText(ACol, ARow, Cols, Rows, text);
}

void TExStringGrid::PasteFromClipboard() {
    ImportNotification(isImportStart, -1);
    p->FPasteAll = true;
    int cols = 0, rows = 0;
    PasteFromClipboardAt(SaveStartCol(), SaveStartRow(), cols, rows);
    ImportNotification(isImportDone, -1);
    AllCellsChanged();
}

void TExStringGrid::SetSelectionAsText(const QString& Value) {
    const TGridRect s = Selection();
    const TPastedText pasted = splitPastedText(Value);
    const size_t lines = pasted.Lines.size() - (pasted.FinalBreak ? 1 : 0);
    int row = s.Top, lastCol = s.Left, lastRow = s.Top;
    for (size_t li = 0; li < lines; ++li) {
        int col = s.Left;
        for (const QString& field : pasted.Lines[li]) {
            if (ColCount() < col + 1) SetColCount(col + 1);
            SetGridCell(RealColIndex(col), row, field);
            lastCol = std::max(lastCol, col);
            lastRow = row;
            ++col;
        }
        if (li + 1 < lines) {
            const bool footer = FloatingFooter().Visible && FloatingFooter().FooterStyle == fsFixedLastRow;
            if (row + 1 >= RowCount() - (footer ? 1 : 0)) SetRowCount(RowCount() + 1);
            ++row;
        }
    }
    CellsChanged(TRect{RealColIndex(s.Left), s.Top, RealColIndex(lastCol), lastRow});
}
