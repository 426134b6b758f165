// The string grid's sorts: on a column, on the index list, inside node groups, and back to the
// order before the first sort. The order is found on keys read once per cell (TRowSorter) and
// the rows are then moved in one pass, with what row exchanges carry along.
#include "grid/stringgrid/model/cell_prefetch.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "grid/stringgrid/sort/row_sorter.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace {

std::vector<int> rowRange(int First, int Count) {
    std::vector<int> rows(static_cast<size_t>(Count));
    std::iota(rows.begin(), rows.end(), First);
    return rows;
}

bool isIdentity(const std::vector<int>& Order) {
    for (size_t k = 0; k < Order.size(); ++k)
        if (Order[k] != static_cast<int>(k)) return false;
    return true;
}

// New values for positions Rows from the old values at positions From.
template <class Read, class Write>
void permute(const std::vector<int>& Rows, const std::vector<int>& From, Read&& read, Write&& write) {
    std::vector<decltype(read(0))> old;
    old.reserve(Rows.size());
    for (int r : Rows) old.push_back(read(r));
    for (size_t k = 0; k < Rows.size(); ++k) {
        const auto& v = old[static_cast<size_t>(From[k])];
        if (!(v == old[k])) write(Rows[k], v);
    }
}

// The rows by ascending cross-reference value: where the values are the rows 0 .. n - 1, as they
// are unless something else changed the list, each row goes straight to its place.
std::vector<int> unsortedOrder(const std::vector<int>& Values) {
    const int n = static_cast<int>(Values.size());
    std::vector<int> order(Values.size(), -1);
    bool permutation = true;
    for (int r = 0; r < n && permutation; ++r) {
        const int v = Values[static_cast<size_t>(r)];
        permutation = v >= 0 && v < n && order[static_cast<size_t>(v)] < 0;
        if (permutation) order[static_cast<size_t>(v)] = r;
    }
    if (permutation) return order;
    order = rowRange(0, n);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return Values[static_cast<size_t>(a)] < Values[static_cast<size_t>(b)]; });
    return order;
}

// With NormalCellsOnly and fixed columns the texts of column 0 (the row headers) stay in place:
// kept before the rows move and written back after.
std::vector<QString> keptColumn0(TExStringGrid& Grid) {
    std::vector<QString> texts;
    if (Grid.SortSettings().NormalCellsOnly && Grid.FixedCols() > 0)
        for (int r = 0; r < Grid.RowCount(); ++r) texts.push_back(Grid.GetGridCell(0, r));
    return texts;
}

void restoreColumn0(TExStringGrid& Grid, const std::vector<QString>& Texts) {
    for (int r = 0; r < static_cast<int>(Texts.size()) && r < Grid.RowCount(); ++r)
        if (Grid.GetGridCell(0, r) != Texts[static_cast<size_t>(r)]) Grid.SetGridCell(0, r, Texts[static_cast<size_t>(r)]);
}

}  // namespace

// ---- the cross-reference and counters

void TExStringGrid::InitSortXRef() {
    TIntList& x = *p->FSortRowXRef;
    x.Clear();
    for (int r = 0; r < RowCount(); ++r) x.Insert(r, r);
}

int TExStringGrid::Compares() const { return p->Compares; }
int TExStringGrid::Swaps() const { return p->Swaps; }

// ---- moving rows

void TExStringGrid::moveSortedRows(const std::vector<int>& Rows, const std::vector<int>& From) {
    if (Rows.empty()) return;
    const TSortSettings& s = *p->SortSettings;
    TIntList& x = *p->FSortRowXRef;
    const auto [low, high] = std::minmax_element(Rows.begin(), Rows.end());
    if (*low >= 0 && *high < x.Count())
        permute(Rows, From, [&](int r) { return x.GetInteger(r); }, [&](int r, int v) { x.SetInteger(r, v); });

    if (s.SingleColumn) {
        // The stored text and the object move, never the display text, so a cell keeps what it holds.
        const int c = s.Column;
        if (c < 0) return;
        permute(Rows, From, [&](int r) { return GetGridCell(c, r); }, [&](int r, const QString& v) { SetGridCell(c, r, v); });
        permute(Rows, From, [&](int r) { return GetGridObject(c, r); }, [&](int r, TObject* v) { SetGridObject(c, r, v); });
        return;
    }

    std::vector<std::vector<TGridCellStore::Cell>> cells;
    cells.reserve(Rows.size());
    for (int r : Rows) cells.push_back(TakeRowCells(r));
    for (size_t k = 0; k < Rows.size(); ++k) PutRowCells(Rows[k], std::move(cells[static_cast<size_t>(From[k])]));
    permute(Rows, From, [&](int r) { return RowHeights(r); }, [&](int r, int h) { SetRowHeights(r, h); });

    if (p->MouseActions->DisjunctRowSelect() && p->Navigation->MoveRowOnSort) {
        const bool persistent = p->MouseActions->RowSelectPersistent;
        auto key = [&](int r) { return persistent ? RealRowIndex(r) : r; };
        std::vector<bool>& flags = p->FRowSelect;
        permute(Rows, From,
                [&](int r) {
                    const int i = key(r);
                    return i >= 0 && i < static_cast<int>(flags.size()) && flags[static_cast<size_t>(i)];
                },
                [&](int r, bool v) {
                    const int i = key(r);
                    if (i < 0) return;
                    if (i >= static_cast<int>(flags.size())) flags.resize(static_cast<size_t>(i) + 1, false);
                    flags[static_cast<size_t>(i)] = v;
                });
        TIntList& selected = *p->FSelectedRows;
        if (selected.Count() > 0) {
            std::unordered_map<int, int> moved;
            for (size_t k = 0; k < Rows.size(); ++k) moved[key(Rows[static_cast<size_t>(From[k])])] = key(Rows[k]);
            for (int i = 0; i < selected.Count(); ++i)
                if (auto it = moved.find(selected.GetInteger(i)); it != moved.end()) selected.SetInteger(i, it->second);
        }
    }

    if (p->ShowModified->Enabled) {
        TIntList& modified = *p->FModifiedRows;
        permute(Rows, From, [&](int r) { return r < modified.Count() ? modified.GetInteger(r) : 0; },
                [&](int r, int v) {
                    while (modified.Count() <= r) modified.Insert(modified.Count(), 0);
                    modified.SetInteger(r, v);
                });
    }

    for (size_t k = 0; k < Rows.size(); ++k)
        if (Rows[static_cast<size_t>(From[k])] == p->SortRow) {
            p->SortRow = Rows[k];
            break;
        }
}

void TExStringGrid::SortSwapRows(int ARow1, int ARow2) {
    ++p->Swaps;
    if (ARow1 == ARow2 || std::min(ARow1, ARow2) < 0 || std::max(ARow1, ARow2) >= RowCount()) return;
    moveSortedRows({ARow1, ARow2}, {1, 0});
}

// ---- comparing

int TExStringGrid::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
    ++p->Compares;
    if (ACol < 0 || ARow1 < 0 || ARow2 < 0) return 0;
    TSortColumn column(*this, ACol);
    return column.Compare(column.MakeKey(ARow1), column.MakeKey(ARow2), ARow1, ARow2, Direction);
}

bool TExStringGrid::SortLine(int Col, int ARow1, int ARow2) {
    const TSortDirection direction = p->SortSettings->Direction;
    for (int c = Col;; ++c) {
        if (c < 0) return false;
        const int result = IsIgnoredColumn(c) ? 0 : CompareCells(c, ARow1, ARow2, direction);
        if (result == p->SortDir) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (result != 0 || c >= TotalColCount() - 1) return false;
    }
}

// ---- range sorts

void TExStringGrid::QuickSort(int Col, int Left, int Right) {
    const TSortDirection direction = p->SortSettings->Direction;
    p->SortDir = direction == sdDescending ? -1 : 1;
    if (Col < 0) return;
    sortRange(Left, Right, [&](TRowSorter& Sorter) { Sorter.SortOnColumn(Col, direction); });
}

void TExStringGrid::QuickSortIndexed(int Left, int Right) {
    sortRange(Left, Right, [&](TRowSorter& Sorter) { Sorter.SortIndexed(*p->SortIndexes); });
}

void TExStringGrid::sortRange(int Left, int Right, const std::function<void(TRowSorter&)>& Sort) {
    Left = std::max(Left, 0);
    Right = std::min(Right, RowCount() - 1);
    if (Left >= Right) return;
    // Rows that sorts have scattered over memory are read with the cells ahead fetched early.
    const TGridCellStore& store = CellStore();
    TRowSorter sorter(*this, Left, Right,
                      [&store](int ACol, int ACellRow, int ATextRow) { PrefetchCells(store, ACol, ACellRow, ATextRow); });
    Sort(sorter);
    p->Compares += sorter.Compares();
    p->Swaps += sorter.Swaps();
    if (!isIdentity(sorter.Order())) moveSortedRows(rowRange(Left, Right - Left + 1), sorter.Order());
}

// ---- sorts of the normal rows

void TExStringGrid::sortNormalRows(bool Plain, const std::function<void(int First, int Last)>& SortRows) {
    // An open editor's value goes to its own row before the rows move under it.
    HideInplaceEdit();
    if (p->FSortRowXRef->Count() != RowCount()) InitSortXRef();
    const std::vector<QString> column0 = keptColumn0(*this);
    const int topRow = TopRow();
    const int oldRow = Row();
    BeginUpdate();
    const auto restore = [&] {
        restoreColumn0(*this, column0);
        if (p->Navigation->KeepScrollOnSort) SetTopRow(topRow);
        EndUpdate();
    };
    try {
        p->SortRow = oldRow;
        int last = RowCount() - FixedFooters() - 1;
        // The floating footer's row stays last, also before it counts as a fixed footer.
        const TFloatingFooter& footer = *p->FloatingFooter;
        if (FixedFooters() == 0 && footer.Visible && footer.FooterStyle == fsFixedLastRow) --last;
        SortRows(FixedRows(), last);
        const bool moveRow = p->Navigation->MoveRowOnSort;
        if ((!Plain || !p->MouseActions->DisjunctRowSelect()) && moveRow && p->SortRow != Row())
            TBaseGrid::SetRow(p->SortRow);
        if (Plain && !moveRow) OnRowUpdate(this, oldRow, Row());
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TExStringGrid::Sort(int Column, TSortDirection Direction) {
    p->SortSettings->Column = Column;
    p->SortSettings->Direction = Direction;
    QSort();
}

void TExStringGrid::SortByColumn(int Col) {
    if (RowCount() <= 1) return;
    p->SortSettings->Column = Col;
    QSort();
}

void TExStringGrid::QSort() {
    const int column = p->SortSettings->Column;
    if (column < 0) return;
    p->SortIndexes->Clear();
    sortNormalRows(true, [&](int First, int Last) { QuickSort(column, First, Last); });
}

void TExStringGrid::QSortIndexed() {
    if (p->FSortRowXRef->Count() != RowCount()) InitSortXRef();
    if (p->SortIndexes->Count() == 0) throw VEriRodiVizev(QStringLiteral("No indexes specified for indexed sort"));
    sortNormalRows(false, [&](int First, int Last) { QuickSortIndexed(First, Last); });
}

namespace {
// The children of every expanded node of the deepest level, each group on its own.
void sortGroups(TExStringGrid& Grid, int First, int Last, const std::function<void(int, int)>& SortRange) {
    int deepest = -1;
    for (int r = First; r <= Last; ++r)
        if (Grid.IsNode(r)) deepest = std::max(deepest, Grid.GetNodeLevel(r));
    if (deepest < 0) return;
    for (int r = First; r <= Last; ++r) {
        if (!Grid.IsNode(r) || Grid.GetNodeLevel(r) != deepest || Grid.GetNodeState(r)) continue;
        const int span = Grid.GetNodeSpan(r);
        if (span > 2) SortRange(r + 1, std::min(r + span - 1, Last));
    }
}
}  // namespace

void TExStringGrid::QSortGroup() {
    const int column = p->SortSettings->Column;
    if (column < 0) return;
    sortNormalRows(false, [&](int First, int Last) {
        sortGroups(*this, First, Last, [&](int From, int To) { QuickSort(column, From, To); });
    });
}

void TExStringGrid::QSortGroupIndexed() {
    sortNormalRows(false, [&](int First, int Last) {
        sortGroups(*this, First, Last, [&](int From, int To) { QuickSortIndexed(From, To); });
    });
}

void TExStringGrid::QUnSort() {
    HideInplaceEdit();
    TIntList& x = *p->FSortRowXRef;
    TIntList& copy = *p->FUnSortRowXRef;
    copy.Clear();
    for (int i = 0; i < x.Count(); ++i) copy.Insert(i, x.GetInteger(i));
    // Only rows the cross-reference covers can go back.
    const int count = std::min(RowCount(), x.Count());
    if (count < 2) return;
    std::vector<int> values(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r) values[static_cast<size_t>(r)] = copy.GetInteger(r);
    std::vector<int> order = unsortedOrder(values);
    if (isIdentity(order)) return;

    const std::vector<QString> column0 = keptColumn0(*this);
    BeginUpdate();
    try {
        moveSortedRows(rowRange(0, count), order);
    } catch (...) {
        restoreColumn0(*this, column0);
        EndUpdate();
        throw;
    }
    restoreColumn0(*this, column0);
    EndUpdate();
}
