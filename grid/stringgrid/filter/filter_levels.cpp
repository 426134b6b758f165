// Applying the filter as stacked levels of hidden rows, and taking the levels off again.
#include "grid/stringgrid/model/cell_prefetch.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <QtMath>
#include <algorithm>
#include <vector>

void TExStringGrid::ApplyFilter() {
    // The rows are matched with what an open editor holds.
    HideInplaceEdit();
    p->FFilterFixedRows = FixedRows();
    const int first = FixedRows(), end = RowCount() - FixedFooters();
    const int total = end - first;
    int counted = 0;
    // The percentage is worked out only for a handler that hears it.
    auto progress = [&] {
        if (total > 0 && OnFilterProgress) OnFilterProgress(this, static_cast<int16_t>(qRound(counted * 100.0 / total)));
    };
    const TGridCellStore& store = CellStore();
    // The columns read for each row, fetched ahead; the first one holds the node test's record.
    std::vector<int> read;
    for (int i = 0; i < p->Filter->Count(); ++i) read.push_back(p->Filter->Items(i)->Column);
    if (FilterNormalCellsOnly) read.push_back(0);
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    std::vector<int> failing;
    for (int r = first; r < end; ++r) {
        for (int c : read) PrefetchColumnAhead(store, c, r);
        if (FilterNormalCellsOnly && isNodeOrSummaryRow(r)) continue;
        if (!MatchFilter(r)) failing.push_back(r);
        ++counted;
        progress();
    }
    // One call for all rows: hiding them one by one would move the rows below once per row.
    hideRowLevel(failing);
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
