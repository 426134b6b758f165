// Adding whole rows and columns, removing rows by content, joining columns and finding cells.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"

#include <QLocale>
#include <QSet>

#include <algorithm>

namespace {
// The two characters that open a text stored as wide text.
const QString wideTextMarker = QStringLiteral("|\\");
}  // namespace

void TExStringGrid::AddRow() {
    // A shown floating footer keeps the last row.
    const int at = FloatingFooter().Visible ? RowCount() - 1 : RowCount();
    InsertRows(at, 1, true);
}

// After every stored column, so a hidden last column keeps its place.
void TExStringGrid::AddColumn() { InsertCols(TotalColCount(), 1); }

void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsChecked(CheckBoxColumn, RealRowIndex(r)) == RemoveChecked) rows.push_back(r);
    removeRowList(rows);
}

void TExStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
    const int col = RealColIndex(ACol);
    const QLocale locale;
    QSet<QString> seen;
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
        const QString text = GetCellEx(col, r);
        const QString key = DoCase ? text : locale.toUpper(text);
        if (seen.contains(key)) rows.push_back(r);
        else seen.insert(key);
    }
    removeRowList(rows);
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, (Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)).trimmed());
    RemoveCols(ColIndex2, 1);
}

bool TExStringGrid::IsWideCell(int ACol, int ARow) { return GetCellEx(ACol, ARow).startsWith(wideTextMarker); }

bool TExStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow) {
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            if (Cells(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}
