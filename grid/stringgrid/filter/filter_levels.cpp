// Applying the filter as stacked levels of hidden rows, and taking the levels off again.
#include "grid/stringgrid/model/cell_prefetch.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <QtMath>

void TExStringGrid::ApplyFilter() {
    // The rows are matched with what an open editor holds.
    HideInplaceEdit();
    p->FFilterFixedRows = FixedRows();
    const int first = FixedRows(), end = RowCount() - FixedFooters();
    const int total = end - first;
    int counted = 0;
    auto progress = [&] {
        if (total > 0) OnFilterProgress(this, static_cast<int16_t>(qRound(counted * 100.0 / total)));
    };
    TIntList failing(0, 0);
    const TGridCellStore& store = CellStore();
    const TFilter& filter = *p->Filter;
    for (int r = first; r < end; ++r) {
        for (int i = 0; i < filter.Count(); ++i) PrefetchColumnAhead(store, filter.Items(i)->Column, r);
        if (FilterNormalCellsOnly) {
            PrefetchColumnAhead(store, 0, r);
            if (isNodeOrSummaryRow(r)) continue;
        }
        if (!MatchFilter(r)) failing.Add(r);
        ++counted;
        progress();
    }
    // One call for all rows: hiding them one by one would move the rows below once per row.
    HideRowList(failing);
    progress();
}

void TExStringGrid::FilterRow(int ARow) {
    if (!MatchFilter(ARow)) HideRow(RealRowIndex(ARow));
}

void TExStringGrid::popFilterLevel() {
    UnHideRowList();
    if (p->FFilterLevel > 0) --p->FFilterLevel;
    if (p->FFilterFixedRows >= 0) SetFixedRows(p->FFilterFixedRows);
    if (p->FSelHidden) UnHideSelection();
}

void TExStringGrid::SetFilterActive(bool Value) {
    if (Value != FilterActive) {
        FilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount()) MoveColRow(FixedCols(), FixedRows(), true, false);
            BeginUpdate();
            try {
                ApplyFilter();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            p->FSelHidden = false;
        } else {
            popFilterLevel();
        }
        SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

bool TExStringGrid::RemoveLastFilter() {
    if (p->FFilterLevel <= 0) return false;
    popFilterLevel();
    SetTopRow(FixedRows());
    CalcFooter(-1);
    return p->FFilterLevel > 0;
}

void TExStringGrid::RemoveAllFilters() {
    // Conditions survive a removal of levels; only with no level left are they cleared.
    if (p->FFilterLevel <= 0) {
        p->Filter->Clear();
        return;
    }
    while (RemoveLastFilter()) {
    }
}

namespace {
// The one condition of type-ahead narrowing. A text with a blank is quoted, else the matcher
// would drop the blank.
void narrowingCondition(TFilter& filter, const QString& text, int column) {
    filter.Clear();
    TFilterData& item = *filter.Add();
    item.Column = static_cast<int16_t>(column);
    item.CaseSensitive = false;
    if (column == -1) {
        item.Data = fcRow;
        item.Condition = text;
        return;
    }
    item.Data = fcNormal;
    const QString pattern = QLatin1Char('*') + text + QLatin1Char('*');
    item.Condition = text.contains(QLatin1Char(' ')) ? QLatin1Char('"') + pattern + QLatin1Char('"') : pattern;
}
}  // namespace

void TExStringGrid::NarrowDown(const QString& ACondition, int AColumn) {
    FixedRowAlways = true;
    const QString& last = p->FLastFilter;
    if (!last.isEmpty() && ACondition.size() == last.size() + 1 && ACondition.startsWith(last)) {
        narrowingCondition(*p->Filter, ACondition, AColumn);
        ApplyFilter();
    } else if (!ACondition.isEmpty() && ACondition.size() + 1 == last.size() && last.startsWith(ACondition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.isEmpty()) {
            narrowingCondition(*p->Filter, ACondition, AColumn);
            ApplyFilter();
        }
    }
    p->FLastFilter = ACondition;
}
