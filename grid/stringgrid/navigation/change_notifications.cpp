// What the grid tells after accepted edits: the column's footer, the changed cells' listeners.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::ColumnChanged(int ACol) { CalcFooter(ACol); }

void TExStringGrid::CellsChanged(TRect R) {
    OnCellsChanged(this, R);
    for (TGridChangeNotifier* notifier : p->FNotifierList) notifier->CellsChanged(R);
    CalcFooter(-1);
}

void TExStringGrid::AllCellsChanged() { CalcFooter(-1); }
