// What importing, the filter drop-down and the Insert and Delete keys ask of the grid.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::LoadCell(int ACol, int ARow, const QString& Value) {
    QString value = Value;
    OnLoadCell(this, ACol, ARow, value);
    SetGridCell(ACol, ARow, value);
}

// ARow is a real row: the keys hand on the row as it stands with hidden rows counted.
void TExStringGrid::AutoInsertRow(int ARow) {
    if (!HasNodes()) InsertRows(ARow, 1, true);
    // A row within a node's rows joins that node.
    else if (GetParentRow(DisplRowIndex(ARow)) == -1) InsertNormalRow(ARow);
    else InsertChildRow(ARow, 0);
}

void TExStringGrid::AutoDeleteRow(int ARow) {
    const int shown = DisplRowIndex(ARow);
    if (HasNodes()) {
        if (GetParentRow(shown) == -1) RemoveNormalRow(shown);
        else RemoveChildRow(ARow);
    } else if (RowCount() - FixedRows() - FixedFooters() == 1 && !FixedRowAlways) {
        // The last normal row is emptied rather than removed, unless fixed rows are kept anyway.
        ClearRows(shown, 1);
    } else {
        RemoveRowsInternal(shown, 1);
    }
    OnAutoDeleteRow(this, ARow);
}

namespace {
// A value with a blank is offered under its own name with a quoted condition.
QString filterEntry(const QString& text) {
    return text.contains(QLatin1Char(' ')) ? QStringLiteral("%1=\"%1\"").arg(text) : text;
}
}  // namespace

bool TExStringGrid::GetFilterValues(int ACol) {
    TStringList& list = *p->FilterList;
    list.Clear();
    if (FilterDropDownAuto && (ACol >= FixedCols() || FilterDropDownColumns == fdAll)) {
        list.SetSorted(true);
        for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) list.Add(filterEntry(GetCellEx(ACol, r).trimmed()));
        if (!FilterIncremental)
            for (int i = 0; i < p->FGridItems.Count(); ++i) {
                const TStringList& held = p->FGridItems.Items(i)->Items();
                if (ACol < held.Count()) list.Add(filterEntry(held.Strings(ACol)));
            }
        list.SetSorted(false);
        if (!FilterDropDownClear.isEmpty()) list.Insert(0, FilterDropDownClear);
    }
    OnGetColumnFilter(this, ACol, &list);
    return list.Count() > 0;
}

bool TExStringGrid::HasFilterValues(int ACol) {
    if (OnGetColumnFilter) return GetFilterValues(ACol);
    if (!FilterDropDownAuto || (ACol < FixedCols() && FilterDropDownColumns != fdAll)) return false;
    if (!FilterDropDownClear.isEmpty() || RowCount() - FixedFooters() > FixedRows()) return true;
    if (FilterIncremental) return false;
    for (int i = 0; i < p->FGridItems.Count(); ++i)
        if (ACol < p->FGridItems.Items(i)->Items().Count()) return true;
    return false;
}
