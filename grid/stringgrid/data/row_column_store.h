#pragma once

// The string grid's rows and columns moved in and out of its cell store together with the state
// kept per row or per column beside it: row heights and column widths, modified, enabled and
// selected flags, the controls placed in cells and the hidden-row store.

#include <vector>

class TExStringGrid;

// What goes along when rows leave the store.
struct TRowRemoval {
    // Frees the cell records of the rows; otherwise the caller keeps them elsewhere.
    bool FreeRecords = true;
    // Drops the controls placed in the rows and moves those below up.
    bool AdjustControls = true;
    // Hidden rows after the removed ones move up too.
    bool AdjustHiddenRows = true;
};

class TGridRowColumnStore {
public:
    // Removes the display rows listed; a shown floating footer row stays.
    static void RemoveRows(TExStringGrid& Grid, std::vector<int> Rows, TRowRemoval How);
    // Hidden rows after the new ones move down.
    static void InsertRows(TExStringGrid& Grid, int At, int Count, bool UpdateCellControls);
    // One new row at each of the places (ascending, distinct), each place counted once all are
    // in: the same as inserting them one by one from the top, in one pass over the rows.
    static void InsertRowList(TExStringGrid& Grid, std::vector<int> Places, bool UpdateCellControls);
    // Real columns, hidden ones counted; hidden columns keep their cells, widths and places.
    static void InsertCols(TExStringGrid& Grid, int At, int Count);
    static void RemoveCols(TExStringGrid& Grid, int From, int Count);
};

// Holds the grid's update lock for a scope, also when the scope is left by an exception.
class TGridUpdateLock {
public:
    explicit TGridUpdateLock(TExStringGrid& Grid);
    ~TGridUpdateLock();
    TGridUpdateLock(const TGridUpdateLock&) = delete;
    TGridUpdateLock& operator=(const TGridUpdateLock&) = delete;

private:
    TExStringGrid& FGrid;
};
