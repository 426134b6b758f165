// Real and display indexes: hidden columns and rows, the mappings between both kinds of index,
// selection hiding, the recorded column order and the sort cross-reference.
//
// Rows hidden by range (HideRows and its kin) and rows hidden by row lists (filter levels) are
// kept apart: UnHideRows and UnHideRowsAll show the first kind, UnHideRowList the newest level
// of the second. Both kinds keep real indexes, so the mappings count them alike.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"

#include <algorithm>

// ---- mappings

int TExStringGrid::RealColIndex(int ACol) const { return p->FHiddenCols.DisplToReal(ACol); }
int TExStringGrid::DisplColIndex(int ACol) { return p->FHiddenCols.RealToDispl(ACol); }
int TExStringGrid::RealToDisplCol(int ACol) const { return p->FHiddenCols.RealToDispl(ACol); }
int TExStringGrid::RealRowIndex(int ARow) const { return p->FGridItems.DisplToReal(ARow); }
int TExStringGrid::DisplRowIndex(int ARow) const { return p->FGridItems.RealToDispl(ARow); }
bool TExStringGrid::IsHiddenColumn(int Colindex) const { return p->FHiddenCols.IsHidden(Colindex); }
int TExStringGrid::NumHiddenColumns() const { return p->FHiddenCols.Count(); }
int TExStringGrid::TotalColCount() const { return ColCount() + p->FHiddenCols.Count(); }
bool TExStringGrid::IsHiddenRow(int Rowindex) const { return p->FGridItems.IsHidden(Rowindex); }
int TExStringGrid::NumHiddenRows() const { return p->FGridItems.Count(); }
int TExStringGrid::TotalRowCount() const { return RowCount() + NumHiddenRows(); }
bool TExStringGrid::IsIgnoredColumn(int ACol) const { return p->IgnoreColumns->HasValue(ACol); }

int TExStringGrid::AllColWidths(int ACol) const {
    return IsHiddenColumn(ACol) ? p->FHiddenCols.Width(ACol) : ColWidths(RealToDisplCol(ACol));
}

void TExStringGrid::SetAllColWidths(int ACol, int Value) {
    p->FHiddenCols.SetWidth(ACol, Value);
    const int d = RealToDisplCol(ACol);
    if (!IsHiddenColumn(ACol) && d >= 0 && d < ColCount()) SetColWidths(d, Value);
}

// ---- columns

void TExStringGrid::HideColumns(int FromCol, int ToCol) {
    HideInplaceEdit();
    THiddenColumns& hidden = p->FHiddenCols;
    for (int c = std::max(FromCol, 0); c <= ToCol && c < THiddenColumns::MaxColumns; ++c) {
        if (hidden.IsHidden(c) || c >= TotalColCount() || ColCount() <= 1) continue;
        // The display columns after it take its place, each with its width.
        const int d = RealToDisplCol(c);
        hidden.SetWidth(c, ColWidths(d));
        for (int k = d; k < ColCount() - 1; ++k) SetColWidths(k, ColWidths(k + 1));
        hidden.SetHidden(c, true);
        if (Col() == ColCount() - 1 && Col() > 0) SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    TBaseGrid::Invalidate();
}

void TExStringGrid::UnHideColumns(int FromCol, int ToCol) {
    HideInplaceEdit();
    THiddenColumns& hidden = p->FHiddenCols;
    for (int c = std::max(FromCol, 0); c <= ToCol && c < THiddenColumns::MaxColumns; ++c) {
        if (!hidden.IsHidden(c)) continue;
        hidden.SetHidden(c, false);
        SetColCount(ColCount() + 1);
        const int d = RealToDisplCol(c);
        for (int k = ColCount() - 1; k > d; --k) SetColWidths(k, ColWidths(k - 1));
        SetColWidths(d, hidden.Width(c));
    }
    TBaseGrid::Invalidate();
}

void TExStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }

// ---- whole rows in and out of the store

// The cells and height of a display row, taken out of the grid's store.
THeldRow TExStringGrid::takeRow(int DisplRow) {
    THeldRow held;
    held.Cells = TakeRowCells(DisplRow);
    // The cells of every real column, also those beyond the ones in use.
    held.Cells.resize(std::max(static_cast<size_t>(TotalColCount()), held.Cells.size()));
    held.Height = RowHeights(DisplRow);
    return held;
}

// Item is the index of the hidden row's entry.
void TExStringGrid::restoreRow(int Item, int DisplRow) {
    THiddenRows& items = p->FGridItems;
    PutRowCells(DisplRow, items.TakeCells(Item));
    // Most rows come back at the height a new row has; setting it again would lay the scroll
    // bars out once per row.
    const int height = items.Height(Item);
    if (RowHeights(DisplRow) != height) SetRowHeights(DisplRow, height);
}

namespace {
// Keeps at least one display row: the grid never runs out of rows.
void keepOneRow(std::vector<int>& rows, int rowCount) {
    if (static_cast<int>(rows.size()) >= rowCount) rows.resize(static_cast<size_t>(std::max(rowCount - 1, 0)));
}
}  // namespace

// ---- rows hidden by range

void TExStringGrid::HideRows(int FromRow, int ToRow) {
    FromRow = std::max(FromRow, 0);
    std::vector<int> shown;
    for (int i = FromRow; i <= ToRow && i < TotalRowCount(); ++i)
        if (!IsHiddenRow(i)) shown.push_back(i);
    keepOneRow(shown, RowCount());
    if (shown.empty()) return;
    HideInplaceEdit();
    THiddenRows& items = p->FGridItems;
    // The shown rows of the range follow each other on screen from d on.
    const int d = DisplRowIndex(FromRow);
    int pos = items.CountBelow(FromRow);
    if (HasCellProperties(1, d))
        if (TControl* control = GetCellProperties(1, d)->Control()) control->Hide();
    std::vector<int> rows;
    for (size_t k = 0; k < shown.size(); ++k, ++pos) {
        items.Insert(pos);
        const int displ = d + static_cast<int>(k);
        items.Hold(pos, takeRow(displ));
        items.SetIdx(pos, shown[k]);
        rows.push_back(displ);
    }
    DeleteRowsAt(rows);
    rowsChanged();
    CellControlsUpdate(false);
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow) {
    // The faster form of the range hiding starts at a shown row; rows of the range that are
    // hidden already are skipped, so that no other row's texts are taken for them.
    if (IsHiddenRow(FromRow)) return;
    HideRows(FromRow, ToRow);
}

void TExStringGrid::UnHideRow(int Rowindex) { UnHideRows(Rowindex, Rowindex); }

void TExStringGrid::UnHideRows(int FromRow, int ToRow) {
    THiddenRows& items = p->FGridItems;
    // The items hidden by range in the range, in order of their rows.
    std::vector<int> found;
    for (int i = 0; i < items.Count(); ++i)
        if (!items.FromRowList(i) && items.Idx(i) >= FromRow && items.Idx(i) <= ToRow) found.push_back(i);
    if (!found.empty()) {
        HideInplaceEdit();
        std::stable_sort(found.begin(), found.end(), [&](int a, int b) { return items.Idx(a) < items.Idx(b); });
        const bool showModified = p->ShowModified->Enabled;
        p->ShowModified->Enabled = false;
        const std::vector<int> places = items.PlacesOf(found);
        InsertRowsAt(places);
        for (size_t j = 0; j < found.size(); ++j) {
            restoreRow(found[j], places[j]);
            if (HasCellProperties(1, places[j]))
                if (TControl* control = GetCellProperties(1, places[j])->Control()) control->Show();
        }
        std::sort(found.rbegin(), found.rend());
        for (int i : found) items.Delete(i);
        p->ShowModified->Enabled = showModified;
        rowsChanged();
    }
    CellControlsUpdate(false);
}

void TExStringGrid::UnHideRowsAll() {
    const THiddenRows& items = p->FGridItems;
    int lo = -1, hi = -1;
    for (int i = 0; i < items.Count(); ++i) {
        if (items.FromRowList(i)) continue;
        lo = lo < 0 ? items.Idx(i) : std::min(lo, items.Idx(i));
        hi = std::max(hi, items.Idx(i));
    }
    if (lo >= 0) UnHideRows(lo, hi);
}

// ---- rows hidden by row lists

void TExStringGrid::HideRowList(const TIntList& RowList) {
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(RowList.Count()));
    for (int i = 0; i < RowList.Count(); ++i) {
        const int r = RowList.GetInteger(i);
        if (r >= 0 && r < RowCount() && (rows.empty() || r > rows.back())) rows.push_back(r);
    }
    hideRowLevel(rows);
}

void TExStringGrid::hideRowLevel(std::vector<int>& rows) {
    keepOneRow(rows, RowCount());
    // An open edit goes into its cell before rows move under it, as with every hiding and showing.
    if (!rows.empty()) HideInplaceEdit();
    // Each item keeps the row's real index, so that rows of every level and rows hidden by
    // range share one numbering and each comes back in its own place.
    std::vector<int> reals;
    reals.reserve(rows.size());
    for (int r : rows) reals.push_back(RealRowIndex(r));
    THiddenRows& items = p->FGridItems;
    const int level = p->FFilterLevel;
    items.AddRange(reals, [&](size_t k) {
        THeldRow held = takeRow(rows[k]);
        held.Level = level;
        held.FromRowList = true;
        return held;
    });
    ++p->FFilterLevel;
    DeleteRowsAt(rows);
    rowsChanged();
    CellControlsUpdate(false);
}

void TExStringGrid::UnHideRowList() {
    THiddenRows& items = p->FGridItems;
    const int level = p->FFilterLevel - 1;
    std::vector<int> found;
    for (int i = 0; i < items.Count(); ++i)
        if (items.FromRowList(i) && items.Level(i) == level) found.push_back(i);
    if (level < 0 || found.empty()) return;
    HideInplaceEdit();
    if (Row() >= RowCount()) MoveColRow(FixedCols(), FixedRows(), true, true);
    const std::vector<int> places = items.PlacesOf(found);
    InsertRowsAt(places);
    for (size_t j = 0; j < found.size(); ++j) restoreRow(found[j], places[j]);
    // Only the rows put back go: an item of another level still holds a row of the grid.
    items.DeleteRange(found);
    rowsChanged();
    CellControlsUpdate(false);
}

// ---- selection hiding

void TExStringGrid::HideSelection() {
    p->FOldSelection = Selection();
    PlaceSelectionOutside();
    p->FSelHidden = true;
}

void TExStringGrid::UnHideSelection() {
    p->FSelHidden = false;
    TGridRect r = p->FOldSelection;
    if (r.Top < RowCount() && r.Left < ColCount()) {
        r.Right = std::min(r.Right, ColCount() - 1);
        r.Bottom = std::min(r.Bottom, RowCount() - 1);
        SetSelection(r);
        return;
    }
    const int top = FixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
    const int left = FixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
    SetSelection({left, top, left, top});
}

bool TExStringGrid::SelectionHidden() const { return p->FSelHidden; }

// ---- column order

void TExStringGrid::SetColumnOrder() {
    TIntList& order = *p->FColumnOrder;
    order.Clear();
    for (int c = 0; c < ColCount(); ++c) order.Insert(c, c);
}

void TExStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    // Moving a column first records the order when none is.
    TIntList& order = *p->FColumnOrder;
    if (order.Count() == 0) SetColumnOrder();
    const int from = RealColIndex(FromIndex), to = RealColIndex(ToIndex);
    if (from < order.Count() && to < order.Count()) {
        const int entry = order.GetInteger(from);
        order.Delete(from);
        order.Insert(to, entry);
    }
    if (NumHiddenColumns() > 0) p->FHiddenCols.Move(from, to);
    if (EnhRowColMove) p->ColMoveFlg = true;
    TBaseGrid::ColumnMoved(from, to);
    // The sort stays on the column it was on.
    int& sorted = p->SortSettings->Column;
    if (sorted == from) sorted = to;
    else if (from < sorted && sorted <= to) --sorted;
    else if (to <= sorted && sorted < from) ++sorted;
    syncMove(true, FromIndex, ToIndex);
}

void TExStringGrid::RowMoved(int FromIndex, int ToIndex) {
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    if (EnhRowColMove) p->ColMoveFlg = true;
    OnRowMoved(this, FromIndex, ToIndex);
    syncMove(false, FromIndex, ToIndex);
}

void TExStringGrid::syncMove(bool Columns, int FromIndex, int ToIndex) {
    auto* partner = dynamic_cast<TExStringGrid*>(p->SyncGrid->Grid());
    if (!partner || p->FSyncedMove || !(Columns ? p->SyncGrid->MoveColumn : p->SyncGrid->MoveRow)) return;
    // The partner's own synchronisation may point back here: the flag stops the echo.
    p->FSyncedMove = partner->p->FSyncedMove = true;
    if (Columns) partner->MoveColumn(FromIndex, ToIndex);
    else partner->MoveRow(FromIndex, ToIndex);
    p->FSyncedMove = partner->p->FSyncedMove = false;
}

int TExStringGrid::ColumnPosition(int ACol) const {
    const TIntList& order = *p->FColumnOrder;
    if (order.Count() == 0) return ACol;
    int pos = ACol;
    for (int i = 0; i < order.Count(); ++i)
        if (order.GetInteger(i) == ACol) {
            pos = i;
            break;
        }
    return p->FGroupColumn != -1 && ACol >= p->FGroupColumn ? pos - 1 : pos;
}

int TExStringGrid::ColumnAtPosition(int APos) {
    TIntList& order = *p->FColumnOrder;
    if (order.Count() == 0) SetColumnOrder();
    if (order.Count() == 0) return APos;
    const int c = order.GetInteger(APos);
    return p->FGroupColumn != -1 && c >= p->FGroupColumn ? c + 1 : c;
}

void TExStringGrid::ResetColumnOrder() {
    UnHideColumnsAll();
    TIntList& order = *p->FColumnOrder;
    if (order.Count() == 0) {
        SetColumnOrder();
        return;
    }
    // Each pass moves columns back left towards their recorded places; every move puts one
    // column where it stood, so there are never more passes than columns.
    for (int pass = 0; pass <= ColCount(); ++pass) {
        bool moved = false;
        for (int i = 0; i < ColCount() && i < order.Count(); ++i) {
            const int target = order.GetInteger(i);
            if (target < i) {
                MoveColumn(i, target);
                moved = true;
            }
        }
        if (!moved) break;
    }
}

int TExStringGrid::ColumnByHeader(const QString& AValue) {
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue) return c;
    return -1;
}

QString TExStringGrid::OriginalCells(int i, int j) { return GetCellEx(ColumnPosition(i), j); }
void TExStringGrid::SetOriginalCells(int i, int j, const QString& Value) { SetCellEx(ColumnPosition(i), j, Value); }

// ---- sort cross-reference

int TExStringGrid::SortedRowIndex(int ARow) const {
    const TIntList& x = *p->FSortRowXRef;
    if (ARow >= 0 && ARow < x.Count()) ARow = x.GetInteger(ARow);
    return RealRowIndex(ARow);
}

int TExStringGrid::UnSortedRowIndex(int ARow) const {
    const TIntList& x = *p->FSortRowXRef;
    if (x.Count() == 0) return ARow;
    for (int i = 0; i < x.Count(); ++i)
        if (x.GetInteger(i) == ARow) return i;
    return x.Count();
}

namespace {
// The row now holding what stood at row j before sorting.
int unsortedRow(const TIntList& x, int j) {
    if (j > x.Count()) return j;
    for (int i = 0; i < x.Count(); ++i)
        if (x.GetInteger(i) == j) return i;
    return x.Count();
}
}  // namespace

QString TExStringGrid::UnSortedCells(int i, int j) { return GetCellEx(i, unsortedRow(*p->FSortRowXRef, j)); }
void TExStringGrid::SetUnSortedCells(int i, int j, const QString& Value) { SetCellEx(i, unsortedRow(*p->FSortRowXRef, j), Value); }
