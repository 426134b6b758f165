// Rows and columns in and out of the store with the state kept beside them. Every step is one
// pass over the rows or the lists, so removing or inserting many rows costs no more than one.
#include "grid/stringgrid/data/row_column_store.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>
#include <climits>

TGridUpdateLock::TGridUpdateLock(TExStringGrid& Grid) : FGrid(Grid) { FGrid.BeginUpdate(); }
TGridUpdateLock::~TGridUpdateLock() { FGrid.EndUpdate(); }

namespace {
// How many of the sorted indexes lie below Index.
int countBelow(const std::vector<int>& Sorted, int Index) {
    return static_cast<int>(std::lower_bound(Sorted.begin(), Sorted.end(), Index) - Sorted.begin());
}

bool listed(const std::vector<int>& Sorted, int Index) { return std::binary_search(Sorted.begin(), Sorted.end(), Index); }

// The entries at the listed places go; those after them move up.
void eraseEntries(TIntList& List, const std::vector<int>& Places) {
    std::vector<int> kept;
    for (int i = 0; i < List.Count(); ++i)
        if (!listed(Places, i)) kept.push_back(List.GetInteger(i));
    List.Clear();
    for (int v : kept) List.Insert(List.Count(), v);
}

void eraseEntries(std::vector<bool>& Flags, const std::vector<int>& Places) {
    std::vector<bool> kept;
    for (size_t i = 0; i < Flags.size(); ++i)
        if (!listed(Places, static_cast<int>(i))) kept.push_back(Flags[i]);
    Flags.swap(kept);
}

// A list of row numbers: the listed ones go, the others follow their rows.
void renumberValues(TIntList& List, const std::vector<int>& Removed) {
    std::vector<int> kept;
    for (int i = 0; i < List.Count(); ++i) {
        const int v = List.GetInteger(i);
        if (!listed(Removed, v)) kept.push_back(v - countBelow(Removed, v));
    }
    List.Clear();
    for (int v : kept) List.Insert(List.Count(), v);
}

// Count cleared entries at At, where the list reaches that far.
void insertEntries(TIntList& List, int At, int Count) {
    if (At >= List.Count()) return;
    for (int i = 0; i < Count; ++i) List.Insert(At, 0);
}

void insertEntries(std::vector<bool>& Flags, int At, int Count) {
    if (At >= static_cast<int>(Flags.size())) return;
    Flags.insert(Flags.begin() + At, static_cast<size_t>(Count), false);
}

// Cleared entries where one-by-one inserts at the places (ascending, each counted once all are
// in) would put them; an insert at or beyond the list's end adds nothing, nor do those after it.
void insertEntriesAt(TIntList& List, const std::vector<int>& Places) {
    std::vector<int> out;
    out.reserve(static_cast<size_t>(List.Count()) + Places.size());
    int src = 0;
    for (int place : Places) {
        while (static_cast<int>(out.size()) < place && src < List.Count()) out.push_back(List.GetInteger(src++));
        if (place >= static_cast<int>(out.size()) + List.Count() - src) break;
        out.push_back(0);
    }
    if (out.size() == static_cast<size_t>(src)) return;
    while (src < List.Count()) out.push_back(List.GetInteger(src++));
    List.Clear();
    for (int v : out) List.Insert(List.Count(), v);
}

void insertEntriesAt(std::vector<bool>& Flags, const std::vector<int>& Places) {
    std::vector<bool> out;
    size_t src = 0;
    for (int place : Places) {
        while (static_cast<int>(out.size()) < place && src < Flags.size()) out.push_back(Flags[src++]);
        if (static_cast<size_t>(place) >= out.size() + Flags.size() - src) break;
        out.push_back(false);
    }
    if (out.size() == src) return;
    while (src < Flags.size()) out.push_back(Flags[src++]);
    Flags.swap(out);
}

// Where an index before the inserts lies after them: one further per insert at or before it.
int shiftedBy(const std::vector<int>& Before, int Index) {
    return Index + static_cast<int>(std::upper_bound(Before.begin(), Before.end(), Index) - Before.begin());
}

// The controls in the removed rows (columns) go; those after them follow their cells.
void dropControls(TExStringGridPrivate& p, bool Columns, const std::vector<int>& Removed) {
    TControlList& controls = *p.FControlList;
    for (int i = controls.Count() - 1; i >= 0; --i) {
        TControlItem* item = controls.GetControl(i);
        const int at = Columns ? item->X() : item->Y();
        if (listed(Removed, at)) {
            if (item->Control()) item->Control()->Hide();
            controls.RemoveControl(i);
            p.FNumCellControls = std::max(0, p.FNumCellControls - 1);
        } else if (Columns) {
            item->SetX(at - countBelow(Removed, at));
        } else {
            item->SetY(at - countBelow(Removed, at));
        }
    }
}

// The cells hidden rows hold follow the columns: new ones empty, removed ones gone with their
// records.
void insertHeldCells(THiddenRows& Items, int At, int Count) {
    for (int i = 0; i < Items.Count(); ++i) {
        TStringList& cells = Items.Items(i)->Items();
        for (int k = 0; k < Count && At <= cells.Count(); ++k) cells.Insert(At, QString());
    }
}

void removeHeldCells(THiddenRows& Items, const std::vector<int>& Removed, void (*FreeRecord)(TCellProperties*)) {
    for (int i = 0; i < Items.Count(); ++i) {
        TStringList& cells = Items.Items(i)->Items();
        for (auto it = Removed.rbegin(); it != Removed.rend(); ++it) {
            if (*it >= cells.Count()) continue;
            FreeRecord(static_cast<TCellProperties*>(cells.Objects(*it)));
            cells.Delete(*it);
        }
    }
}

// The width and visibility of every real column.
struct TRealColumns {
    std::vector<int> Width;
    std::vector<bool> Hidden;
};
}  // namespace

// ---- rows

void TGridRowColumnStore::RemoveRows(TExStringGrid& Grid, std::vector<int> Rows, TRowRemoval How) {
    TExStringGridPrivate& p = *Grid.p;
    // The floating footer's row stays last.
    const int limit = p.FloatingFooter->Visible ? Grid.RowCount() - 1 : Grid.RowCount();
    std::erase_if(Rows, [&](int r) { return r < 0 || r >= limit; });
    std::sort(Rows.begin(), Rows.end());
    Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
    if (Rows.empty()) return;
    // An open edit goes into its own cell before the rows under it shift or go.
    if (Rows.front() <= Grid.Row()) Grid.HideInplaceEdit();
    TGridUpdateLock lock(Grid);
    const int n = static_cast<int>(Rows.size());
    std::vector<int> reals;
    reals.reserve(Rows.size());
    for (int r : Rows) reals.push_back(Grid.RealRowIndex(r));

    if (How.AdjustControls) dropControls(p, false, reals);
    if (How.AdjustHiddenRows)
        for (int i = 0; i < p.FGridItems.Count(); ++i)
            if (const int below = countBelow(reals, p.FGridItems.Idx(i))) p.FGridItems.SetIdx(i, p.FGridItems.Idx(i) - below);

    eraseEntries(*p.FModifiedRows, Rows);
    eraseEntries(*p.FEnabledRows, Rows);
    const std::vector<int>& selectionKeys = p.MouseActions->RowSelectPersistent ? reals : Rows;
    eraseEntries(p.FRowSelect, selectionKeys);
    renumberValues(*p.FSelectedRows, selectionKeys);

    if (How.FreeRecords)
        for (int r : Rows) Grid.FreeCellProperties(0, r, INT_MAX, r);
    const bool all = n >= Grid.RowCount();
    // Removing the last normal rows may take the fixed count down with the row count.
    const int fixedRows = Grid.FixedRows();
    Grid.DeleteRowsAt(Rows);
    // The grid keeps one row: what it held went with the others.
    if (all) Grid.TakeRowCells(0);
    Grid.rowsChanged();
    p.FMaxRowCount = std::max(p.FMaxRowCount - n, Grid.RowCount());

    // The current row stays where it still is a normal row, else the last normal row takes it.
    const int lastNormal = Grid.RowCount() - Grid.FixedFooters() - 1;
    if (all || lastNormal < fixedRows) Grid.HideSelection();
    else if (Grid.Row() > lastNormal) Grid.MoveColRow(Grid.Col(), lastNormal, true, true);
    if (!Grid.FDestroying) Grid.CellsChanged(TRect{0, Rows.front(), Grid.ColCount() - 1, Rows.front() + n});
}

void TGridRowColumnStore::InsertRows(TExStringGrid& Grid, int At, int Count, bool UpdateCellControls) {
    if (Count <= 0) return;
    TExStringGridPrivate& p = *Grid.p;
    // New rows go before a shown floating footer's row.
    const int limit = p.FloatingFooter->Visible ? Grid.RowCount() - 1 : Grid.RowCount();
    At = std::clamp(At, 0, std::max(limit, 0));
    if (At <= Grid.Row()) Grid.HideInplaceEdit();
    if (p.FSelHidden || Grid.Row() >= Grid.RowCount() || Grid.Col() >= Grid.ColCount()) Grid.UnHideSelection();
    const int real = At < Grid.RowCount() ? Grid.RealRowIndex(At) : Grid.TotalRowCount();

    insertEntries(*p.FModifiedRows, At, Count);
    insertEntries(*p.FEnabledRows, At, Count);
    const int selectionKey = p.MouseActions->RowSelectPersistent ? real : At;
    insertEntries(p.FRowSelect, selectionKey, Count);
    TIntList& selected = *p.FSelectedRows;
    for (int i = 0; i < selected.Count(); ++i)
        if (selected.GetInteger(i) >= selectionKey) selected.SetInteger(i, selected.GetInteger(i) + Count);

    for (int i = 0; i < p.FGridItems.Count(); ++i)
        if (const int idx = p.FGridItems.Idx(i); idx >= real) p.FGridItems.SetIdx(i, idx + Count);
    Grid.InsertRowsAt(At, Count);
    Grid.rowsChanged();
    if (UpdateCellControls) {
        TControlList& controls = *p.FControlList;
        for (int i = 0; i < controls.Count(); ++i)
            if (TControlItem* item = controls.GetControl(i); item->Y() >= real) item->SetY(item->Y() + Count);
        Grid.CellControlsUpdate(false);
    }
    if (!Grid.FDestroying) Grid.CellsChanged(TRect{0, At, Grid.ColCount() - 1, At + Count});
}

void TGridRowColumnStore::InsertRowList(TExStringGrid& Grid, std::vector<int> Places, bool UpdateCellControls) {
    if (Places.empty()) return;
    TExStringGridPrivate& p = *Grid.p;
    const int n = static_cast<int>(Places.size());
    // Each place as the row before which it goes in the grid as it is now, new rows going
    // before a shown floating footer's row; then the places again, counted with all rows in.
    const int limit = p.FloatingFooter->Visible ? Grid.RowCount() - 1 : Grid.RowCount();
    std::vector<int> before(Places.size()), realBefore(Places.size());
    for (int k = 0; k < n; ++k) {
        before[k] = std::clamp(Places[k] - k, 0, std::max(limit, 0));
        if (k > 0) before[k] = std::max(before[k], before[k - 1]);
        Places[k] = before[k] + k;
        realBefore[k] = before[k] < Grid.RowCount() ? Grid.RealRowIndex(before[k]) : Grid.TotalRowCount();
    }
    if (Places.front() <= Grid.Row()) Grid.HideInplaceEdit();
    if (p.FSelHidden || Grid.Row() >= Grid.RowCount() || Grid.Col() >= Grid.ColCount()) Grid.UnHideSelection();

    insertEntriesAt(*p.FModifiedRows, Places);
    insertEntriesAt(*p.FEnabledRows, Places);
    const bool persistent = p.MouseActions->RowSelectPersistent;
    std::vector<int> realPlaces(Places.size());
    for (int k = 0; k < n; ++k) realPlaces[k] = realBefore[k] + k;
    insertEntriesAt(p.FRowSelect, persistent ? realPlaces : Places);
    const std::vector<int>& keys = persistent ? realBefore : before;
    TIntList& selected = *p.FSelectedRows;
    for (int i = 0; i < selected.Count(); ++i) selected.SetInteger(i, shiftedBy(keys, selected.GetInteger(i)));

    for (int i = 0; i < p.FGridItems.Count(); ++i)
        if (const int idx = p.FGridItems.Idx(i); idx >= realBefore.front()) p.FGridItems.SetIdx(i, shiftedBy(realBefore, idx));
    Grid.InsertRowsAt(Places);
    Grid.rowsChanged();
    if (UpdateCellControls) {
        TControlList& controls = *p.FControlList;
        for (int i = 0; i < controls.Count(); ++i)
            if (TControlItem* item = controls.GetControl(i); item->Y() >= realBefore.front())
                item->SetY(shiftedBy(realBefore, item->Y()));
        Grid.CellControlsUpdate(false);
    }
    if (!Grid.FDestroying)
        for (int place : Places) Grid.CellsChanged(TRect{0, place, Grid.ColCount() - 1, place + 1});
}

// ---- columns

namespace {
TRealColumns realColumns(TExStringGrid& Grid) {
    TRealColumns cols;
    for (int c = 0; c < Grid.TotalColCount(); ++c) {
        cols.Width.push_back(Grid.AllColWidths(c));
        cols.Hidden.push_back(Grid.IsHiddenColumn(c));
    }
    return cols;
}

// Sets the counts, visibility flags and widths of the real columns.
void applyRealColumns(TExStringGrid& Grid, THiddenColumns& Hidden, TRealColumns Cols) {
    if (Cols.Width.empty()) {
        Cols.Width.push_back(Grid.DefaultColWidth());
        Cols.Hidden.push_back(false);
    }
    const int total = static_cast<int>(Cols.Width.size());
    // A grid shows one column at least.
    if (std::find(Cols.Hidden.begin(), Cols.Hidden.end(), false) == Cols.Hidden.end()) Cols.Hidden.front() = false;
    int shown = 0;
    for (int c = 0; c < THiddenColumns::MaxColumns; ++c) {
        const bool hide = c < total && Cols.Hidden[static_cast<size_t>(c)];
        if (Hidden.IsHidden(c) != hide) Hidden.SetHidden(c, hide);
        if (hide) Hidden.SetWidth(c, Cols.Width[static_cast<size_t>(c)]);
    }
    for (int c = 0; c < total; ++c) shown += !Hidden.IsHidden(c);
    Grid.SetColCount(shown);
    for (int c = 0, d = 0; c < total; ++c)
        if (!Hidden.IsHidden(c)) Grid.SetColWidths(d++, Cols.Width[static_cast<size_t>(c)]);
}
}  // namespace

void TGridRowColumnStore::InsertCols(TExStringGrid& Grid, int At, int Count) {
    if (Count <= 0) return;
    TExStringGridPrivate& p = *Grid.p;
    TRealColumns cols = realColumns(Grid);
    const int total = static_cast<int>(cols.Width.size());
    const int real = std::clamp(At, 0, total);
    // Where the new columns show: after the shown columns before them.
    const int shown = static_cast<int>(std::count(cols.Hidden.begin(), cols.Hidden.begin() + real, false));
    if (shown <= Grid.Col()) Grid.HideInplaceEdit();
    TGridUpdateLock lock(Grid);
    // With every stored column counted, display and store indexes are one.
    Grid.TStringGrid::SetColCount(total + Count);
    // A shrunk count keeps the cells beyond it: the new columns start empty.
    Grid.FreeCellProperties(total, 0, total + Count - 1, INT_MAX);
    for (int r = 0; r < Grid.RowCount(); ++r)
        for (int c = total; c < total + Count; ++c) {
            Grid.SetGridCell(c, r, QString());
            Grid.SetGridObject(c, r, nullptr);
        }
    for (int k = 0; k < Count; ++k) Grid.TStringGrid::ColumnMoved(total + k, real + k);
    cols.Width.insert(cols.Width.begin() + real, static_cast<size_t>(Count), Grid.DefaultColWidth());
    cols.Hidden.insert(cols.Hidden.begin() + real, static_cast<size_t>(Count), false);
    applyRealColumns(Grid, p.FHiddenCols, std::move(cols));
    insertHeldCells(p.FGridItems, real, Count);

    TControlList& controls = *p.FControlList;
    for (int i = 0; i < controls.Count(); ++i)
        if (TControlItem* item = controls.GetControl(i); item->X() >= real) item->SetX(item->X() + Count);
    insertEntries(p.FColSelect, shown, Count);
    if (!Grid.FDestroying) Grid.CellsChanged(TRect{real, 0, real + Count, Grid.RowCount() - 1});
}

void TGridRowColumnStore::RemoveCols(TExStringGrid& Grid, int From, int Count) {
    TRealColumns cols = realColumns(Grid);
    const int total = static_cast<int>(cols.Width.size());
    if (From < 0 || From >= total || Count <= 0) return;
    TExStringGridPrivate& p = *Grid.p;
    Count = std::min(Count, total - From);
    std::vector<int> reals, displayed;
    for (int c = From, d = Grid.DisplColIndex(From); c < From + Count; ++c) {
        reals.push_back(c);
        // Hidden columns hold no place on screen.
        if (!cols.Hidden[static_cast<size_t>(c)]) displayed.push_back(d++);
    }
    if (!displayed.empty() && displayed.front() <= Grid.Col()) Grid.HideInplaceEdit();
    TGridUpdateLock lock(Grid);
    Grid.TStringGrid::SetColCount(static_cast<int>(cols.Width.size()));
    for (auto it = reals.rbegin(); it != reals.rend(); ++it) {
        Grid.TBaseGrid::DeleteColumn(*it);
        cols.Width.erase(cols.Width.begin() + *it);
        cols.Hidden.erase(cols.Hidden.begin() + *it);
    }
    applyRealColumns(Grid, p.FHiddenCols, std::move(cols));
    removeHeldCells(p.FGridItems, reals, &TExStringGrid::FreeDetachedCellProperties);

    dropControls(p, true, reals);
    eraseEntries(p.FColSelect, displayed);
    if (!Grid.FDestroying) Grid.CellsChanged(TRect{From, 0, From + Count, Grid.RowCount() - 1});
}
