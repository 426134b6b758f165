#pragma once

#include "grid/stringgrid/model/string_grid_types.h"
#include "grid/stringgrid/sort/sort_keys.h"

#include <memory>
#include <vector>

class TExStringGrid;
class TSortIndexList;

// Orders a range of rows exactly as the grid's quick sort does (the same partitions, the same
// exchanges, so equal rows end where that sort leaves them), but on cell keys read once per
// column and on a list of row positions: the rows stay where they are until the caller moves
// them by Order. Columns that break ties are read only when a tie first needs them.
class TRowSorter {
public:
    TRowSorter(TExStringGrid& Grid, int Left, int Right);

    // On a column and, with Full, the columns to its right.
    void SortOnColumn(int ACol, TSortDirection Direction);
    // On the index list, entry by entry with Full.
    void SortIndexed(const TSortIndexList& Indexes);

    // Position k of the range takes the row that stood at Left + Order()[k].
    const std::vector<int>& Order() const { return order_; }
    int Compares() const { return compares_; }
    int Swaps() const { return swaps_; }

private:
    template <class Compare>
    void quickSort(int Lo, int Hi, const Compare& compare, int Target, bool SkipEqual);
    int compareCells(int ACol, int A, int B, TSortDirection Direction);
    int compareRows(int ACol, int A, int B);
    int compareIndexed(int A, int B);
    bool ignored(int ACol);
    TSortColumn& column(int ACol);

    TExStringGrid& grid_;
    int left_;
    int count_;
    int totalCols_;
    bool full_;
    TSortDirection direction_ = sdAscending;
    const TSortIndexList* indexes_ = nullptr;
    std::vector<std::unique_ptr<TSortColumn>> columns_;
    // Per column: 0 unknown, 1 compared, 2 ignored.
    std::vector<char> ignored_;
    std::vector<int> order_;
    int compares_ = 0;
    int swaps_ = 0;
};
