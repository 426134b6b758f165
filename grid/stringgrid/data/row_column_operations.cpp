// Adding, removing, clearing and trimming whole rows and columns, and finding cells.
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

void TExStringGrid::AddColumn() { InsertCols(ColCount(), 1); }

void TExStringGrid::removeRowList(const std::vector<int>& Rows) {
    if (Rows.empty()) return;
    BeginUpdate();
    for (int r : Rows) FreeCellProperties(0, r, TotalColCount() - 1, r);
    // All at once: one by one would move every row below once per removed row.
    DeleteRowsAt(Rows);
    rowsChanged();
    EndUpdate();
}

void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked) rows.push_back(r);
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

void TExStringGrid::clearClipped(int ACol1, int ARow1, int ACol2, int ARow2) {
    ACol1 = std::max(ACol1, 0);
    ARow1 = std::max(ARow1, 0);
    ACol2 = std::min(ACol2, TotalColCount() - 1);
    ARow2 = std::min(ARow2, RowCount() - 1);
    if (ACol1 > ACol2 || ARow1 > ARow2) return;
    ClearRect(ACol1, ARow1, ACol2, ARow2);
}

void TExStringGrid::ClearRows(int RowIndex, int RCount) {
    clearClipped(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearNormalRows(int RowIndex, int RCount) {
    clearClipped(FixedCols(), RowIndex, TotalColCount() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearCols(int ColIndex, int CCount) {
    clearClipped(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount) {
    clearClipped(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, (Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)).trimmed());
    RemoveCols(ColIndex2, 1);
}

void TExStringGrid::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
void TExStringGrid::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
void TExStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
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
