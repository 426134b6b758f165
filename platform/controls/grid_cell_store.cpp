#include "platform/controls/grid_cell_store.h"

#include <algorithm>
#include <utility>

const QString& TGridCellStore::emptyText() {
    static const QString empty;
    return empty;
}

TGridCellStore::Cell& TGridCellStore::cellFor(int ACol, int ARow) {
    const auto r = static_cast<size_t>(ARow), c = static_cast<size_t>(ACol);
    if (r >= rows_.size()) rows_.resize(r + 1);
    Row& row = rows_[r];
    if (c >= row.size()) {
        // A new row takes the widest width seen at once, and a row wider than any before grows by
        // doubling, so filling does not regrow it cell by cell.
        if (row.capacity() <= c) row.reserve(std::max({c + 1, width_, 2 * row.capacity()}));
        row.resize(c + 1);
        width_ = std::max(width_, c + 1);
    }
    return row[c];
}

void TGridCellStore::SetText(int ACol, int ARow, const QString& Value) {
    // An empty text in a cell never written leaves the store as it is.
    if (Value.isEmpty() && !find(ACol, ARow)) return;
    cellFor(ACol, ARow).Text = Value;
}

void TGridCellStore::SetObject(int ACol, int ARow, TObject* Value) {
    if (!Value && !find(ACol, ARow)) return;
    cellFor(ACol, ARow).Object = Value;
}

int TGridCellStore::ColsStored(int ARow) const {
    if (ARow < 0 || static_cast<size_t>(ARow) >= rows_.size()) return 0;
    return static_cast<int>(rows_[static_cast<size_t>(ARow)].size());
}

void TGridCellStore::MoveRow(int FromIndex, int ToIndex) {
    const auto from = static_cast<size_t>(FromIndex), to = static_cast<size_t>(ToIndex);
    if (from == to || std::min(from, to) >= rows_.size()) return;
    if (std::max(from, to) >= rows_.size()) rows_.resize(std::max(from, to) + 1);
    MoveElement(rows_, from, to);
}

void TGridCellStore::MoveColumn(int FromIndex, int ToIndex) {
    const auto from = static_cast<size_t>(FromIndex), to = static_cast<size_t>(ToIndex);
    if (from == to) return;
    for (Row& row : rows_) {
        if (std::min(from, to) >= row.size()) continue;
        if (std::max(from, to) >= row.size()) row.resize(std::max(from, to) + 1);
        MoveElement(row, from, to);
    }
}

void TGridCellStore::DeleteRow(int ARow) {
    if (ARow >= 0 && static_cast<size_t>(ARow) < rows_.size()) rows_.erase(rows_.begin() + ARow);
}

void TGridCellStore::DeleteColumn(int ACol) {
    if (ACol < 0) return;
    for (Row& row : rows_)
        if (static_cast<size_t>(ACol) < row.size()) row.erase(row.begin() + ACol);
}

void TGridCellStore::DeleteRows(const std::vector<int>& Rows) {
    if (Rows.empty() || static_cast<size_t>(Rows.front()) >= rows_.size()) return;
    // A block of rows in one move.
    if (Rows.back() - Rows.front() + 1 == static_cast<int>(Rows.size())) {
        const auto first = rows_.begin() + Rows.front();
        rows_.erase(first, first + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(Rows.size()), rows_.end() - first));
        return;
    }
    // The rows before the first one listed stay where they are.
    size_t to = static_cast<size_t>(Rows.front()), next = 0;
    for (size_t r = to; r < rows_.size(); ++r) {
        while (next < Rows.size() && Rows[next] < static_cast<int>(r)) ++next;
        if (next < Rows.size() && Rows[next] == static_cast<int>(r)) continue;
        if (to != r) rows_[to] = std::move(rows_[r]);
        ++to;
    }
    rows_.resize(to);
}

void TGridCellStore::InsertRows(const std::vector<int>& Rows) {
    if (Rows.empty() || static_cast<size_t>(Rows.front()) >= rows_.size()) return;
    if (Rows.size() == 1) {
        rows_.insert(rows_.begin() + Rows.front(), Row());
        return;
    }
    // The rows before the first place stay where they are.
    const size_t first = static_cast<size_t>(Rows.front());
    std::vector<Row> tail(std::make_move_iterator(rows_.begin() + static_cast<std::ptrdiff_t>(first)),
                          std::make_move_iterator(rows_.end()));
    rows_.resize(first);
    size_t from = 0, next = 0;
    while (from < tail.size()) {
        if (next < Rows.size() && Rows[next] == static_cast<int>(rows_.size())) {
            rows_.emplace_back();
            ++next;
        } else {
            rows_.push_back(std::move(tail[from++]));
        }
    }
}

TGridCellStore::Row TGridCellStore::TakeRow(int ARow) {
    if (ARow < 0 || static_cast<size_t>(ARow) >= rows_.size()) return {};
    return std::exchange(rows_[static_cast<size_t>(ARow)], Row());
}

void TGridCellStore::PutRow(int ARow, Row Cells) {
    if (ARow < 0) return;
    if (Cells.empty() && static_cast<size_t>(ARow) >= rows_.size()) return;
    if (static_cast<size_t>(ARow) >= rows_.size()) rows_.resize(static_cast<size_t>(ARow) + 1);
    width_ = std::max(width_, Cells.size());
    rows_[static_cast<size_t>(ARow)] = std::move(Cells);
}
