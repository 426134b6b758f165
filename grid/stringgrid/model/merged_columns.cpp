// The columns whose runs of equal texts stay merged: a change of the list merges them afresh.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::MergedColumnsChanged() {
    BeginUpdate();
    SplitAllColumnCells();
    RestoreMergedColumns();
    EndUpdate();
    TBaseGrid::Invalidate();
}
