#pragma once

#include "grid/stringgrid/model/string_grid_types.h"
#include "grid/stringgrid/sort/keyed_rows.h"
#include "grid/stringgrid/sort/sort_keys.h"

#include <functional>
#include <memory>
#include <vector>

class TExStringGrid;
class TSortIndexList;

// Orders a range of rows as the grid's quick sort does, on cell keys read once and on a list of
// row positions: the rows stay where they are until the caller moves them by Order. Where
// automatic detection or an event may compare inconsistently, the partitions and exchanges are
// those of that sort, since the order then depends on them. A column whose cells all compare in
// one style is sorted stably on its values or texts held side by side. Columns that break ties
// are read row by row as ties first need them.
class TRowSorter {
public:
    // Fetch is asked to bring cells into the cache shortly before they are read.
    TRowSorter(TExStringGrid& Grid, int Left, int Right, TSortColumn::TFetch Fetch = {});

    // On a column and, with Full, the columns to its right.
    void SortOnColumn(int ACol, TSortDirection Direction);
    // On the index list, entry by entry with Full.
    void SortIndexed(const TSortIndexList& Indexes);

    // Position k of the range takes the row that stood at Left + Order()[k].
    const std::vector<int>& Order() const { return order_; }
    int Compares() const { return compares_; }
    int Swaps() const { return swaps_; }

private:
    // The grid's quick sort on Order, comparing row offsets.
    template <class Compare>
    void quickSort(int Lo, int Hi, const Compare& compare, int Target, bool SkipEqual);
    // The sort column's own comparison on keys held in the items, the next columns on ties.
    template <class Item, class Primary>
    void sortOnUniformColumn(int ACol, std::vector<Item> Items, const Primary& primary, int Target);
    // The sort column's values ordered by their keys; rows of equal value by the next columns.
    void sortOnValues(int ACol, const TSortColumn& Column, int Target);
    void breakTies(int ACol, std::vector<TKeyedRow>& Rows, int Target);
    int compareCells(int ACol, int A, int B, TSortDirection Direction);
    int compareRows(int ACol, int A, int B);
    int compareIndexed(int A, int B);
    bool ignored(int ACol);
    // The column with its style and its keys, all read at once or each when first compared.
    TSortColumn& column(int ACol, bool ReadAll);

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
    TSortColumn::TFetch fetch_;
    int compares_ = 0;
    int swaps_ = 0;
};
