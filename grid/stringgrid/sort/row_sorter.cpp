#include "grid/stringgrid/sort/row_sorter.h"

#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/owned_settings.h"

#include <numeric>

TRowSorter::TRowSorter(TExStringGrid& Grid, int Left, int Right)
    : grid_(Grid), left_(Left), count_(std::max(Right - Left + 1, 0)), totalCols_(Grid.TotalColCount()),
      full_(Grid.SortSettings().Full), order_(static_cast<size_t>(count_)) {
    std::iota(order_.begin(), order_.end(), 0);
}

void TRowSorter::SortOnColumn(int ACol, TSortDirection Direction) {
    direction_ = Direction;
    const auto compare = [this, ACol](int A, int B) { return compareRows(ACol, A, B); };
    quickSort(0, count_ - 1, compare, Direction == sdDescending ? -1 : 1, true);
}

void TRowSorter::SortIndexed(const TSortIndexList& Indexes) {
    indexes_ = &Indexes;
    const auto compare = [this](int A, int B) { return compareIndexed(A, B); };
    quickSort(0, count_ - 1, compare, 1, false);
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

TSortColumn& TRowSorter::column(int ACol) {
    if (static_cast<int>(columns_.size()) <= ACol) columns_.resize(static_cast<size_t>(ACol) + 1);
    std::unique_ptr<TSortColumn>& c = columns_[static_cast<size_t>(ACol)];
    if (!c) {
        c = std::make_unique<TSortColumn>(grid_, ACol);
        c->Read(left_, count_);
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
    TSortColumn& c = column(ACol);
    // The rows have not moved yet: the raw comparison reads them where they stood.
    return c.Compare(c.Key(A), c.Key(B), left_ + A, left_ + B, Direction);
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
