// Merging runs of equal texts into one cell, and splitting merged cells again.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
    const int first = FixedRows(), end = RowCount() - FixedFooters();
    for (int start = first; start < end;) {
        const QString text = GetCellEx(ColIndex, start);
        int next = start + 1;
        while (next < end && GetCellEx(ColIndex, next) == text && (MainMerge || RowSpanIdentical(next - 1, next))) ++next;
        if (next - start > 1) MergeCells(ColIndex, start, 1, next - start);
        start = next;
    }
}

void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
    const int first = FixedCols(), end = ColCount() - FixedRightCols();
    for (int start = first; start < end;) {
        const QString text = GetCellEx(start, RowIndex);
        int next = start + 1;
        while (next < end && GetCellEx(next, RowIndex) == text && (MainMerge || ColSpanIdentical(next - 1, next))) ++next;
        if (next - start > 1) MergeCells(start, RowIndex, next - start, 1);
        start = next;
    }
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
