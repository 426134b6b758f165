// Merging runs of equal texts into one cell, and splitting merged cells again.
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <functional>

namespace {
// Runs of equal texts among the indexes first .. end - 1 that may join are merged, two or more.
void mergeRuns(int first, int end, const std::function<QString(int)>& text, const std::function<bool(int, int)>& mayJoin,
               const std::function<void(int, int)>& merge) {
    for (int start = first; start < end;) {
        const QString value = text(start);
        int next = start + 1;
        while (next < end && text(next) == value && mayJoin(next - 1, next)) ++next;
        if (next - start > 1) merge(start, next - start);
        start = next;
    }
}
}  // namespace

void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
    if (ColIndex < 0 || ColIndex >= TotalColCount()) return;
    mergeRuns(
        FixedRows(), RowCount() - FixedFooters(), [&](int r) { return GetCellEx(ColIndex, r); },
        [&](int a, int b) { return MainMerge || RowSpanIdentical(a, b); },
        [&](int start, int count) { MergeCells(ColIndex, start, 1, count); });
}

void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
    if (RowIndex < 0 || RowIndex >= RowCount()) return;
    mergeRuns(
        FixedCols(), ColCount() - FixedRightCols(), [&](int c) { return GetCellEx(c, RowIndex); },
        [&](int a, int b) { return MainMerge || ColSpanIdentical(a, b); },
        [&](int start, int count) { MergeCells(start, RowIndex, count, 1); });
}

void TExStringGrid::SplitAllColumnCells() {
    for (int c = 0; c < TotalColCount(); ++c) SplitColumnCells(c);
}

void TExStringGrid::RestoreMergedColumns() {
    const TIntList& columns = *p->FMergedColumns;
    for (int i = 0; i < columns.Count(); ++i) MergeColumnCells(columns.GetInteger(i), i == 0);
}

void TExStringGrid::SplitColumnCells(int ColIndex) {
    for (int r = 0; r <= RowCount() - FixedFooters() - 2; ++r) {
        const int span = IsBaseCell(ColIndex, r) ? CellSpan(ColIndex, r).Y : 0;
        if (span <= 0) continue;
        SplitCells(ColIndex, r);
        r += span;
    }
}

void TExStringGrid::SplitRowCells(int RowIndex) {
    for (int c = 0; c <= ColCount() - FixedRightCols() - 2; ++c) {
        const int span = IsBaseCell(c, RowIndex) ? CellSpan(c, RowIndex).X : 0;
        if (span <= 0) continue;
        SplitCells(c, RowIndex);
        c += span;
    }
}

void TExStringGrid::SplitAllCells() {
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsBaseCell(c, r) && IsMergedCell(c, r)) SplitCells(c, r);
}
