// The columns whose runs of equal texts stay merged: a change of the list merges them afresh.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::MergedColumnsChanged() {
    BeginUpdate();
    for (int c = 0; c < TotalColCount(); ++c) SplitColumnCells(c);
    const TIntList& columns = *p->FMergedColumns;
    for (int i = 0; i < columns.Count(); ++i) MergeColumnCells(columns.GetInteger(i), i == 0);
    EndUpdate();
    TBaseGrid::Invalidate();
}
