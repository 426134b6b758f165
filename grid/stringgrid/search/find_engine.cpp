// Searching the cells: the find engine with its options, find first and next, replacing in the
// found cells, and the row lookup behind type-ahead navigation.
#include "grid/foundation/filter_matching.h"
#include "grid/foundation/html_text.h"
#include "grid/stringgrid/cells/cell_lookup.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"

#include <algorithm>

namespace {
const QString emptyCellText = QStringLiteral("\"\"");

// Inclusive limits of one scan direction.
struct Span {
    int First, Last;
    bool contains(int i) const { return i >= First && i <= Last; }
};

bool isNodeRow(TExStringGrid& grid, int RealRow) {
    const TCellGraphic* graphic = GraphicByRealRow(grid, 0, RealRow);
    return graphic && graphic->CellType == ctNode;
}
}  // namespace

TPoint TExStringGrid::SearchCell() const { return p->FSearchCell; }
void TExStringGrid::SetSearchCell(TPoint Value) { p->FSearchCell = Value; }

bool TExStringGrid::matchFindCell(int ACol, int ARow) {
    const TFindParams params = p->FFindParams;
    const int realCol = (params & fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
    // A merged range is one cell: only its base cell is tested.
    const int displRow = (params & fnIncludeHiddenRows) ? DisplRowIndex(ARow) : ARow;
    if (!(params & fnIncludeHiddenRows) || !IsHiddenRow(ARow))
        if (IsMergedNonBaseCell(realCol, displRow)) return false;
    QString text = (params & fnIncludeHiddenRows) ? AllCells(realCol, ARow) : GetCellEx(realCol, ARow);
    if (params & fnIgnoreHTMLTags) text = HTMLToPlainText(text);
    const QString& find = p->FFindText;
    if (find == emptyCellText) return text.isEmpty();
    const bool matchCase = params & fnMatchCase;
    if (params & fnMatchRegular) return ::MatchFilter(find, text, matchCase);
    // Without case, the cell text is compared case-folded against the upper-cased search text,
    // which upper-casing every cell would give too, without copying each one.
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (params & fnMatchFull) return text.compare(find, cs) == 0;
    if (params & fnMatchStart) return text.startsWith(find, cs);
    return text.contains(find, cs);
}

TPoint TExStringGrid::findInRange(TPoint StartCell, const QString& s, TFindParams FindParams) {
    p->FFindParams = FindParams;
    p->FFindBusy = true;
    p->FFindText = (FindParams & fnMatchCase) ? s : s.toUpper();
    const TPoint none{-1, -1};
    if (ColCount() <= FixedCols() || TotalRowCount() <= FixedRows()) {
        p->FFindBusy = false;
        return none;
    }

    Span cols{FixedCols(), ColCount() - FixedRightCols() - 1};
    Span rows{FixedRows(), RowCount() - FixedFooters() - 1};
    if (FindParams & fnIncludeFixed) {
        cols = {0, ColCount() - 1};
        rows = {0, RowCount() - 1};
    }
    if (FindParams & fnSelectedCells) {
        const TGridRect sel = Selection();
        cols = {std::min(sel.Left, sel.Right), std::max(sel.Left, sel.Right)};
        rows = {std::min(sel.Top, sel.Bottom), std::max(sel.Top, sel.Bottom)};
    }
    if (FindParams & fnIncludeHiddenColumns) cols.Last += NumHiddenColumns();
    if (FindParams & fnIncludeHiddenRows) rows.Last += NumHiddenRows();
    if (FindParams & fnFindInPresetRow) rows = {FindRow, FindRow};
    else if (FindParams & fnFindInCurrentRow) rows = {Row(), Row()};
    if (FindParams & fnFindInPresetCol) cols = {FindCol, FindCol};
    else if (FindParams & fnFindInCurrentCol) cols = {Col(), Col()};

    // The scan runs along the inner direction and steps the outer one at each edge: rows within
    // a column top to bottom, or columns within a row left to right.
    const bool byRows = FindParams & fnDirectionLeftRight;
    const int step = (FindParams & fnBackward) ? -1 : 1;
    const Span outer = byRows ? rows : cols;
    const Span inner = byRows ? cols : rows;
    const int innerStart = step > 0 ? inner.First : inner.Last;
    int o, i;
    if (StartCell.X == -1 && StartCell.Y == -1) {
        o = step > 0 ? outer.First : outer.Last;
        i = innerStart;
    } else {
        o = byRows ? StartCell.Y : StartCell.X;
        i = (byRows ? StartCell.X : StartCell.Y) + step;
        // A restriction to one row (column) starts there whatever the start cell.
        if (outer.First == outer.Last) o = outer.First;
        if (step > 0 ? o < outer.First : o > outer.Last) {
            o = step > 0 ? outer.First : outer.Last;
            i = innerStart;
        }
    }
    if (!inner.contains(i) && (step > 0 ? i < inner.First : i > inner.Last)) i = innerStart;

    for (; outer.contains(o); o += step, i = innerStart) {
        for (; inner.contains(i); i += step) {
            const int c = byRows ? i : o;
            const int r = byRows ? o : i;
            ExportNotification(esExportNewRow, r);
            if (IsIgnoredColumn(c) || !matchFindCell(c, r)) continue;
            p->FSearchCell = {c, r};
            if (FindParams & fnAutoGoto) gotoFoundCell(c, r, FindParams);
            return {c, r};
        }
    }
    p->FFindBusy = false;
    return none;
}

// The found cell becomes current: a row hidden in collapsed nodes has them expanded first.
void TExStringGrid::gotoFoundCell(int ACol, int ARow, TFindParams FindParams) {
    int row = ARow;
    if ((FindParams & fnIncludeHiddenRows) && NumHiddenRows() > 0) {
        // Outer nodes come first, so that an inner one is seen as its outer one left it.
        for (int r = FixedRows(); r < row && IsHiddenRow(row); ++r) {
            const TCellGraphic* node = GraphicByRealRow(*this, 0, r);
            if (!node || node->CellType != ctNode || !node->CellBoolean) continue;
            int end = r + 1;
            if (node->CellIndex > 0) end = r + node->CellIndex;
            else
                while (end < TotalRowCount() && !isNodeRow(*this, end)) ++end;
            if (row < end) ExpandNode(r);
        }
        // A row still hidden (by a filter) cannot become current.
        if (IsHiddenRow(row)) return;
        row = DisplRowIndex(row);
    }
    const int col = (FindParams & fnIncludeHiddenColumns) ? RealToDisplCol(ACol) : ACol;
    if (MouseActions().DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRow(row);
    } else {
        SetCol(col);
        SetRow(row);
    }
}

TPoint TExStringGrid::Find(TPoint StartCell, const QString& s, TFindParams FindParams) {
    ExportNotification(esExportStart, -1);
    const TPoint found = findInRange(StartCell, s, FindParams);
    ExportNotification(found.X < 0 ? esExportDone : esExportFail, -1);
    if (found.X >= 0 && (FindParams & fnAutoGoto)) {
        const int f = FloatingFooter().Visible ? 2 : 0;
        if (Row() > TopRow() + VisibleRowCount() - f - 2 && VisibleRowCount() + FixedRows() + f < RowCount())
            SetTopRow(TopRow() + f + 1);
    }
    return found;
}

TPoint TExStringGrid::FindWide(TPoint StartCell, const QString& s, TFindParams FindParams) {
    ExportNotification(esExportStart, -1);
    const TPoint found = findInRange(StartCell, s, FindParams);
    ExportNotification(found.X < 0 ? esExportDone : esExportFail, -1);
    return found;
}

TPoint TExStringGrid::FindFirst(const QString& s, TFindParams FindParams) {
    p->FSearchCell = Find({-1, -1}, s, FindParams);
    return p->FSearchCell;
}

TPoint TExStringGrid::FindNext() {
    p->FSearchCell = Find(p->FSearchCell, p->FFindText, p->FFindParams);
    return p->FSearchCell;
}

QString TExStringGrid::foundCellText(TPoint Cell, TFindParams FindParams) {
    const int realCol = (FindParams & fnIncludeHiddenColumns) ? Cell.X : RealColIndex(Cell.X);
    return (FindParams & fnIncludeHiddenRows) ? AllCells(realCol, Cell.Y) : GetCellEx(realCol, Cell.Y);
}

void TExStringGrid::setFoundCellText(TPoint Cell, TFindParams FindParams, const QString& Value) {
    const int realCol = (FindParams & fnIncludeHiddenColumns) ? Cell.X : RealColIndex(Cell.X);
    if (FindParams & fnIncludeHiddenRows) SetAllCells(realCol, Cell.Y, Value);
    else SetCellEx(realCol, Cell.Y, Value);
}

int TExStringGrid::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams) {
    // An empty text would put NewStr between every two characters of every cell.
    if (OrigStr.isEmpty()) return 0;
    int count = 0;
    BeginUpdate();
    for (TPoint cell = Find({-1, -1}, OrigStr, FindParams); cell.X >= 0; cell = Find(cell, OrigStr, FindParams)) {
        QString text = foundCellText(cell, FindParams);
        setFoundCellText(cell, FindParams, text.replace(OrigStr, NewStr, Qt::CaseInsensitive));
        if (ShowModified().Enabled) {
            const bool hiddenRow = (FindParams & fnIncludeHiddenRows) && IsHiddenRow(cell.Y);
            if (!hiddenRow) SetRowModified((FindParams & fnIncludeHiddenRows) ? DisplRowIndex(cell.Y) : cell.Y, true);
        }
        ++count;
    }
    EndUpdate();
    return count;
}

int TExStringGrid::Search(const QString& s) {
    if (RowCount() < 2) return -1;
    const TSortSettings& sort = SortSettings();
    int col = FixedCols();
    if (sort.Show) {
        if (sort.IndexShow) col = SortIndexes().Count() > 0 ? SortIndexes().SortColumns(0) : FixedCols();
        else col = sort.Column;
    }
    if (col < 0 || col >= TotalColCount()) return -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (StripHTMLTags(GetCellEx(col, r)).left(s.size()).toUpper() == s) return r;
    return -1;
}
