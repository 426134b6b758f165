// The filter drop-down of a column grid: a column's own filter entries, "name=condition".
#include "grid/columngrid/ex_column_grid.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"

bool TExColumnGrid::GetFilterValues(int ACol) {
    TStringList& list = FilterList();
    list.SetSorted(false);
    const bool own = TExStringGrid::GetFilterValues(ACol);
    const TGridColumnItem* item = itemOf(ACol);
    // A column without entries of its own offers the string grid's values.
    if (!item || item->Filter().Count() == 0) return own;
    list.Clear();
    for (int i = 0; i < item->Filter().Count(); ++i) list.Add(item->Filter().Strings(i).section(QLatin1Char('='), 0, 0));
    return true;
}

bool TExColumnGrid::HasFilterValues(int ACol) {
    const TGridColumnItem* item = itemOf(ACol);
    return (item && item->Filter().Count() > 0) || TExStringGrid::HasFilterValues(ACol);
}

void TExColumnGrid::FilterDropDownSelect(TObject* Sender, int ItemIndex) {
    const int col = FilterColumn();
    TGridColumnItem* item = itemOf(col);
    if (!item || item->Filter().Count() == 0) {
        TExStringGrid::FilterDropDownSelect(Sender, ItemIndex);
        return;
    }
    if (ItemIndex >= 0 && ItemIndex < item->Filter().Count()) {
        const QString line = item->Filter().Strings(ItemIndex);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        QString name = eq < 0 ? line : line.left(eq);
        QString condition = eq < 0 ? line : line.mid(eq + 1);
        if (AutoFilterDisplay) item->SetHeader(name);
        if (AutoFilterUpdate) SetFilterActive(false);
        OnFilterSelect(this, col, ItemIndex, name, condition);
        TFilterData& entry = *Filter().GetColFilter(col);
        entry.Condition = condition;
        entry.CaseSensitive = item->FilterCaseSensitive;
        if (AutoFilterUpdate) {
            SetFilterActive(true);
            if (RowCount() != FixedRows() && (RowCount() != 1 || !FixedRowAlways)) SetRow(FixedRows());
            DoFilterDone();
        }
    }
    SetFilterColumn(-1);
}
