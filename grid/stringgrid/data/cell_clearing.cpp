// Clearing, trimming and colouring cell ranges, the selection and the whole grid.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/system/conversions.h"

#include <algorithm>

namespace {
// Keeps a range inside the stored cells: display columns when mapped, real ones otherwise.
bool clipToCells(TExStringGrid& Grid, bool Mapped, int& ACol1, int& ARow1, int& ACol2, int& ARow2) {
    ACol1 = std::max(ACol1, 0);
    ARow1 = std::max(ARow1, 0);
    ACol2 = std::min(ACol2, (Mapped ? Grid.ColCount() : Grid.TotalColCount()) - 1);
    ARow2 = std::min(ARow2, Grid.RowCount() - 1);
    return ACol1 <= ACol2 && ARow1 <= ARow2;
}
}  // namespace

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    if (!clipToCells(*this, SaveHiddenCells, ACol1, ARow1, ACol2, ARow2)) return;
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int real = SaveHiddenCells ? RealColIndex(c) : c;
            if (!ClearTextOnly && HasCellProperties(real, r)) {
                // Scratch rows of sorting and the footer share their records with real rows.
                if (p->FClearObjectsOnly) SetGridObject(real, r, nullptr);
                else FreeCellProperties(real, r, real, r);
            }
            if (FDestroying || GetGridCell(real, r).isEmpty()) continue;
            SetGridCell(real, r, QString());
            if (SaveHiddenCells) RepaintCell(c, r);
        }
    // Records held by hidden rows still need freeing when they come back.
    if (ACol1 == 0 && ARow1 == 0 && ACol2 == TotalColCount() - 1 && ARow2 == RowCount() - 1 && !ClearTextOnly &&
        NumHiddenRows() == 0)
        FHasCellProps = false;
    if (!FDestroying) CellsChanged(TRect{ACol1, ARow1, ACol2, ARow2});
}

void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    if (!clipToCells(*this, SaveHiddenCells, ACol1, ARow1, ACol2, ARow2)) return;
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int real = SaveHiddenCells ? RealColIndex(c) : c;
            const QString text = GetCellEx(real, r);
            if (const QString trimmed = Trim(text); trimmed != text) SetCellEx(real, r, trimmed);
        }
}

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
    if (!clipToCells(*this, false, ACol1, ARow1, ACol2, ARow2)) return;
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

void TExStringGrid::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
void TExStringGrid::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
void TExStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TExStringGrid::ClearRows(int RowIndex, int RCount) {
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearNormalRows(int RowIndex, int RCount) {
    ClearRect(FixedCols(), RowIndex, TotalColCount() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearCols(int ColIndex, int CCount) {
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount) {
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TExStringGrid::ClearNormalCells() {
    // Without fixed columns the nodes sit in normal cells.
    if (FixedCols() == 0 && HasNodes()) RemoveAllNodes();
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1);
}

void TExStringGrid::ClearSelection() {
    const TMouseActions& mouse = *p->MouseActions;
    if (mouse.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(mouse.RowSelectPersistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
    } else if (mouse.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c)) ClearCols(c, 1);
    } else {
        const TGridRect s = Selection();
        ClearRect(std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
                     std::max(s.Top, s.Bottom));
    }
}

void TExStringGrid::Clear() {
    if (!FDestroying && HasNodes()) RemoveAllNodes();
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    IncrSearchText.clear();
    if (NumHiddenColumns() > 0) TBaseGrid::Invalidate();
}

void TExStringGrid::ClearAll() {
    Clear();
    for (int i = 0; i < p->FGridItems.Count(); ++i) {
        TStringList& items = p->FGridItems.Items(i)->Items();
        for (int c = 0; c < items.Count(); ++c) items.SetStrings(c, QString());
    }
}
