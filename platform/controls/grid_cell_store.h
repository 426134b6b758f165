#pragma once

#include <QString>
#include <algorithm>
#include <vector>

class TObject;

// Moves the element at from to position to, shifting those between by one towards from.
template <class V>
void MoveElement(V& v, size_t from, size_t to) {
    if (from < to) std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else if (to < from) std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}

// The string grid's cells: a text and an object reference per cell, keyed by column and row
// with no upper bound. Rows are a vector of row records, each a vector of cells, so that
// filling, reading, moving and deleting rows stay linear however many rows there are. The
// store knows nothing of the grid's counts: cells beyond them stay until overwritten, moved
// or deleted. Objects are never owned.
class TGridCellStore {
public:
    struct Cell {
        QString Text;
        TObject* Object = nullptr;
    };
    using Row = std::vector<Cell>;

    // Empty text and nullptr for cells never written; indexes must not be negative. Read in
    // place: a pass over many rows asks for each cell once.
    const QString& Text(int ACol, int ARow) const {
        const Cell* cell = find(ACol, ARow);
        return cell ? cell->Text : emptyText();
    }
    TObject* Object(int ACol, int ARow) const {
        const Cell* cell = find(ACol, ARow);
        return cell ? cell->Object : nullptr;
    }
    void SetText(int ACol, int ARow, const QString& Value);
    void SetObject(int ACol, int ARow, TObject* Value);

    // The extent actually stored: rows 0 .. RowsStored() - 1, and in row r the columns
    // 0 .. ColsStored(r) - 1. Cells beyond it are empty.
    int RowsStored() const { return static_cast<int>(rows_.size()); }
    int ColsStored(int ARow) const;

    // The row (column) at FromIndex goes to ToIndex; those between shift by one towards FromIndex.
    void MoveRow(int FromIndex, int ToIndex);
    void MoveColumn(int FromIndex, int ToIndex);
    // The row (column) goes; those after it shift back by one.
    void DeleteRow(int ARow);
    void DeleteColumn(int ACol);

    // Whole rows at once, in time linear in the rows stored. The rows (ascending, distinct)
    // go and those after them move up.
    void DeleteRows(const std::vector<int>& Rows);
    // Empty rows at the places they take once all are in (ascending, distinct); the rows
    // stored from the first place on move down. Places beyond the stored rows need nothing.
    void InsertRows(const std::vector<int>& Rows);
    // The cells of a row, moved out (the row is left empty) or put in place of its cells.
    Row TakeRow(int ARow);
    void PutRow(int ARow, Row Cells);

private:
    static const QString& emptyText();
    Cell& cellFor(int ACol, int ARow);
    const Cell* find(int ACol, int ARow) const {
        if (ARow < 0 || ACol < 0 || static_cast<size_t>(ARow) >= rows_.size()) return nullptr;
        const Row& row = rows_[static_cast<size_t>(ARow)];
        return static_cast<size_t>(ACol) < row.size() ? &row[static_cast<size_t>(ACol)] : nullptr;
    }

    std::vector<Row> rows_;
    size_t width_ = 0;
};
