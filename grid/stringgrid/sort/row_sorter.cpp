#include "grid/stringgrid/sort/row_sorter.h"

#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/sort/keyed_rows.h"

#include <algorithm>
#include <numeric>

TRowSorter::TRowSorter(TExStringGrid& Grid, int Left, int Right, TSortColumn::TFetch Fetch)
    : grid_(Grid), left_(Left), count_(std::max(Right - Left + 1, 0)), totalCols_(Grid.TotalColCount()),
      full_(Grid.SortSettings().Full), order_(static_cast<size_t>(count_)), fetch_(std::move(Fetch)) {
    std::iota(order_.begin(), order_.end(), 0);
}

namespace {
struct TextItem {
    uint64_t Prefix;
    int Id;
};

template <class T>
int sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}
}  // namespace

void TRowSorter::SortOnColumn(int ACol, TSortDirection Direction) {
    direction_ = Direction;
    const int target = Direction == sdDescending ? -1 : 1;
    if (count_ > 1 && !ignored(ACol)) {
        // The sort column is read whole: most comparisons are decided there.
        TSortColumn& c = column(ACol, true);
        if (c.Kind() == TSortColumn::Uniform::Values) {
            sortOnValues(ACol, c, target);
            return;
        }
        if (c.Kind() == TSortColumn::Uniform::Texts) {
            std::vector<TextItem> items(static_cast<size_t>(count_));
            for (int k = 0; k < count_; ++k) items[static_cast<size_t>(k)] = {c.Prefix(k), k};
            const auto primary = [&c](const TextItem& a, const TextItem& b) {
                return a.Prefix != b.Prefix ? sign(a.Prefix, b.Prefix) : c.CompareTexts(a.Id, b.Id);
            };
            sortOnUniformColumn(ACol, std::move(items), primary, target);
            return;
        }
    }
    quickSort(0, count_ - 1, [this, ACol](int A, int B) { return compareRows(ACol, A, B); }, target, true);
}

// Every pair of the column compares in one style, so its comparison is a proper order and any
// sort finds the order the quick sort finds, but for rows equal on every compared column, which
// that sort leaves in no particular order: here they keep the order they had.
template <class Item, class Primary>
void TRowSorter::sortOnUniformColumn(int ACol, std::vector<Item> Items, const Primary& primary, int Target) {
    const bool tail = full_ && ACol <= totalCols_ - 2;
    int compares = 0;
    std::stable_sort(Items.begin(), Items.end(), [&](const Item& A, const Item& B) {
        ++compares;
        const int result = primary(A, B);
        if (result != 0) return result == -Target;
        return tail && compareRows(ACol + 1, A.Id, B.Id) == -Target;
    });
    compares_ += compares;
    for (size_t k = 0; k < Items.size(); ++k) {
        swaps_ += Items[k].Id != static_cast<int>(k);
        order_[k] = Items[k].Id;
    }
}

// The values need no comparison: their keys order the rows, and the rows keep their order where
// the values are equal. That is the order the comparison sort finds, rows equal on every
// compared column included; only rows of equal value are compared, on the columns after.
void TRowSorter::sortOnValues(int ACol, const TSortColumn& Column, int Target) {
    std::vector<TKeyedRow> rows(static_cast<size_t>(count_));
    for (int k = 0; k < count_; ++k) {
        const uint64_t key = OrderKey(Column.Value(k));
        rows[static_cast<size_t>(k)] = {Target < 0 ? ~key : key, k};
    }
    SortByKey(rows);
    if (full_ && ACol <= totalCols_ - 2) breakTies(ACol, rows, Target);
    for (size_t k = 0; k < rows.size(); ++k) {
        swaps_ += rows[k].Id != static_cast<int>(k);
        order_[k] = rows[k].Id;
    }
}

void TRowSorter::breakTies(int ACol, std::vector<TKeyedRow>& Rows, int Target) {
    std::vector<std::pair<size_t, size_t>> runs;
    std::vector<int> tied;
    for (size_t start = 0, end = 0; start < Rows.size(); start = end) {
        for (end = start + 1; end < Rows.size() && Rows[end].Key == Rows[start].Key;) ++end;
        if (end - start < 2) continue;
        runs.emplace_back(start, end);
        for (size_t k = start; k < end; ++k) tied.push_back(Rows[k].Id);
    }
    if (runs.empty()) return;
    // Every tied row is compared on the next column that counts: its cells are read at once, in
    // the order the rows stand, rather than scattered over the comparisons.
    std::sort(tied.begin(), tied.end());
    for (int c = ACol + 1; c < totalCols_; ++c)
        if (!ignored(c)) {
            column(c, false).ReadAhead(tied, fetch_);
            break;
        }
    for (const auto& [start, end] : runs)
        std::stable_sort(Rows.begin() + static_cast<std::ptrdiff_t>(start), Rows.begin() + static_cast<std::ptrdiff_t>(end),
                         [&](const TKeyedRow& A, const TKeyedRow& B) { return compareRows(ACol + 1, A.Id, B.Id) == -Target; });
}

void TRowSorter::SortIndexed(const TSortIndexList& Indexes) {
    indexes_ = &Indexes;
    quickSort(0, count_ - 1, [this](int A, int B) { return compareIndexed(A, B); }, 1, false);
}

// The partition scheme of the grid's sort: the middle row as pivot, both scans bounded by the
// range (so no comparison, however inconsistent, leads outside it), rows exchanged where the
// scans stop. The smaller part is sorted first and the larger one in the loop, which keeps the
// depth logarithmic and leaves the result as the plain recursion would.
template <class Compare>
void TRowSorter::quickSort(int Lo, int Hi, const Compare& compare, int Target, bool SkipEqual) {
    while (Lo < Hi) {
        const int pivot = order_[static_cast<size_t>((Lo + Hi) / 2)];
        int i = Lo, j = Hi;
        do {
            while (compare(pivot, order_[static_cast<size_t>(i)]) == Target && i < Hi) ++i;
            while (compare(order_[static_cast<size_t>(j)], pivot) == Target && Lo < j) --j;
            if (j >= i) {
                int& a = order_[static_cast<size_t>(i)];
                int& b = order_[static_cast<size_t>(j)];
                if (i != j && (!SkipEqual || compare(a, b) != 0)) {
                    std::swap(a, b);
                    ++swaps_;
                }
                ++i;
                --j;
            }
        } while (j >= i);
        if (j - Lo < Hi - i) {
            if (Lo < j) quickSort(Lo, j, compare, Target, SkipEqual);
            Lo = i;
        } else {
            if (i < Hi) quickSort(i, Hi, compare, Target, SkipEqual);
            Hi = j;
        }
    }
}

TSortColumn& TRowSorter::column(int ACol, bool ReadAll) {
    if (static_cast<int>(columns_.size()) <= ACol) columns_.resize(static_cast<size_t>(ACol) + 1);
    std::unique_ptr<TSortColumn>& c = columns_[static_cast<size_t>(ACol)];
    if (!c) {
        c = std::make_unique<TSortColumn>(grid_, ACol);
        if (ReadAll) c->Read(left_, count_, fetch_);
        else c->Prepare(left_, count_);
    }
    return *c;
}

bool TRowSorter::ignored(int ACol) {
    if (static_cast<int>(ignored_.size()) <= ACol) ignored_.resize(static_cast<size_t>(ACol) + 1, 0);
    char& known = ignored_[static_cast<size_t>(ACol)];
    if (known == 0) known = grid_.IsIgnoredColumn(ACol) ? 2 : 1;
    return known == 2;
}

int TRowSorter::compareCells(int ACol, int A, int B, TSortDirection Direction) {
    ++compares_;
    // A row meets itself as the pivot: only an event could find it unequal, and the column
    // need not be read for that.
    TSortColumn& c = column(ACol, false);
    if (A == B && c.ComparesItselfEqual()) return 0;
    // The rows have not moved yet: the raw comparison reads them where they stood.
    return c.CompareRead(A, B, Direction);
}

int TRowSorter::compareRows(int ACol, int A, int B) {
    for (int c = ACol;; ++c) {
        const int result = ignored(c) ? 0 : compareCells(c, A, B, direction_);
        if (result != 0 || !full_ || c > totalCols_ - 2) return result;
    }
}

int TRowSorter::compareIndexed(int A, int B) {
    for (int k = 0; k < indexes_->Count(); ++k) {
        const int col = indexes_->SortColumns(k);
        const bool ascending = indexes_->SortDirections(k);
        const int result = ignored(col) ? 0 : compareCells(col, A, B, ascending ? sdAscending : sdDescending);
        if (result != 0 || !full_) return ascending ? result : -result;
    }
    return 0;
}
