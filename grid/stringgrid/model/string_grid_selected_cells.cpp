// The cells, rows and columns the user selected: disjunct selections and the selection
// rectangle, counted and listed.
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>
#include <cstdlib>

namespace {
// One selected cell: its row in the high 16 bits, its column in the low ones.
int cellCode(int i, int j) { return static_cast<int>(static_cast<uint32_t>(j) << 16 | (static_cast<uint32_t>(i) & 0xFFFF)); }

TGridRect normalised(TGridRect r) {
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return r;
}

int countSet(const std::vector<bool>& flags) { return static_cast<int>(std::count(flags.begin(), flags.end(), true)); }
}  // namespace

bool TExStringGrid::SelectedCells(int i, int j) const {
    if (p->MouseActions->DisjunctCellSelect()) return p->FSelectedCells->HasValue(cellCode(i, j));
    return normalised(Selection()).Contains(i, j);
}

void TExStringGrid::SetSelectedCells(int i, int j, bool Value) {
    TIntList& list = *p->FSelectedCells;
    const int code = cellCode(i, j);
    if (Value == list.HasValue(code)) return;
    if (Value) list.Add(code);
    else list.DeleteValue(code);
    RepaintCell(i, j);
}

TGridCoord TExStringGrid::SelectedCell(int Index) const {
    const auto code = static_cast<uint32_t>(p->FSelectedCells->GetInteger(Index));
    return {static_cast<int>(code & 0xFFFF), static_cast<int>(code >> 16)};
}

int TExStringGrid::SelectedCellsCount() {
    TIntList& list = *p->FSelectedCells;
    if (p->MouseActions->DisjunctCellSelect()) return list.Count();
    // The list is made again from the selection, column by column.
    list.Clear();
    const TGridRect s = normalised(Selection());
    if (s.Left == s.Right && s.Top == s.Bottom) {
        list.Insert(0, cellCode(Col(), Row()));
        return list.Count();
    }
    for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r) list.Insert(list.Count(), cellCode(c, r));
    return list.Count();
}

int TExStringGrid::SelectedRowCount() {
    if (p->MouseActions->DisjunctRowSelect()) return countSet(p->FRowSelect);
    const TGridRect s = Selection();
    const int bottom = std::min(s.Bottom, RowCount() - FixedFooters() - 1);
    const int left = RealColIndex(s.Left);
    const int span = CellSpan(left, s.Top).Y;
    if (span > 0 && s.Top + span > bottom) return span + 1;
    return std::abs(s.Top - bottom) + 1 + CellSpan(left, bottom).Y;
}

int TExStringGrid::SelectedColCount() {
    if (p->MouseActions->DisjunctColSelect()) return countSet(p->FColSelect);
    const TGridRect s = Selection();
    const int span = CellSpan(RealColIndex(s.Left), s.Top).X;
    if (span > 0 && s.Left + span > s.Right) return span + 1;
    return std::abs(s.Left - s.Right) + 1 + CellSpan(RealColIndex(s.Right), s.Top).X;
}

int TExStringGrid::SelectedRow(int Index) {
    if (p->MouseActions->DisjunctRowSelect()) {
        for (int r = 0, seen = 0; r < static_cast<int>(p->FRowSelect.size()); ++r)
            if (p->FRowSelect[static_cast<size_t>(r)] && seen++ == Index) return r;
        return -1;
    }
    const TGridRect s = normalised(Selection());
    return s.Top + Index <= s.Bottom ? s.Top + Index : -1;
}

bool TExStringGrid::rowSelected(int ARow) const {
    return ARow >= 0 && ARow < static_cast<int>(p->FRowSelect.size()) && p->FRowSelect[static_cast<size_t>(ARow)];
}

void TExStringGrid::ClearSelectedCells() {
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    p->FSelectedCells->Clear();
    TBaseGrid::Invalidate();
}

void TExStringGrid::ClearModifiedRows() {
    p->FModifiedRows->Clear();
    TBaseGrid::Invalidate();
}
