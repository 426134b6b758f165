// Counts, fixed rows and columns, sizes, the current cell and scrolling into view. Indexes are
// display indexes.
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>
#include <climits>

// ---- counts

void TExStringGrid::SetColCount(int Value) {
    if (Value <= Col()) HideInplaceEdit();
    TBaseGrid::SetColCount(Value);
    if (p->FFixedColsMin < ColCount() && FixedColAlways && FixedCols() != p->FFixedColsMin)
        TBaseGrid::SetFixedCols(p->FFixedColsMin);
    p->FMaxColCount = std::max(p->FMaxColCount, ColCount());
    SetBounds(Left(), Top(), Width(), Height());
    ScrollBarAlwaysUpdate(false);
}

void TExStringGrid::SetRowCount(int Value) {
    const int old = RowCount();
    // An open edit goes into its cell before its row goes.
    if (Value <= Row()) HideInplaceEdit();
    if (RowCount() == FixedRows() && FixedRowAlways && p->FSelHidden) UnHideSelection();
    TBaseGrid::SetRowCount(Value);
    if (p->FFixedRowsMin < RowCount() && FixedRowAlways && TBaseGrid::FixedRows() != p->FFixedRowsMin)
        TBaseGrid::SetFixedRows(p->FFixedRowsMin);
    rowsChanged();
    ScrollBarAlwaysUpdate(false);
    if (p->FloatingFooter->Visible && RowCount() != old) {
        moveFooterRow(old - 1, RowCount() - 1);
        CalcFooter(-1);
    }
}

void TExStringGrid::moveFooterRow(int From, int To) {
    if (From < 0 || To < 0) return;
    // The row the footer lands on is the footer's now: what it held goes with its records.
    FreeCellProperties(0, To, INT_MAX, To);
    PutRowCells(To, TakeRowCells(From));
}

void TExStringGrid::rowsChanged() {
    p->FMaxRowCount = std::max(p->FMaxRowCount, RowCount());
    FNormalRowCount = RowCount();
}

int TExStringGrid::FixedCols() const {
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && FixedColAlways ? 1 : fixed;
}

int TExStringGrid::FixedRows() const {
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && FixedRowAlways ? 1 : fixed;
}

void TExStringGrid::SetFixedCols(int Value) {
    TBaseGrid::SetFixedCols(Value >= ColCount() && FixedColAlways ? ColCount() - 1 : Value);
    if (!IsLoading()) p->FFixedColsMin = Value;
}

void TExStringGrid::SetFixedRows(int Value) {
    TBaseGrid::SetFixedRows(Value >= RowCount() && FixedRowAlways ? RowCount() - 1 : Value);
    if (!IsLoading()) p->FFixedRowsMin = Value;
}

// ---- sizes

void TExStringGrid::SetDefaultRowHeight(int Value) {
    TBaseGrid::SetDefaultRowHeight(Value);
    p->FloatingFooter->SetHeight(Value);
}

int TExStringGrid::FixedColWidth() const { return ColWidths(0); }

void TExStringGrid::SetFixedColWidth(int Value) {
    if (IsLoading() || Value == DefaultColWidth()) return;
    for (int c = 0; c < FixedCols(); ++c) SetColWidths(c, Value);
}

int TExStringGrid::FixedRowHeight() const { return p->FFixedRowHeight; }

void TExStringGrid::SetFixedRowHeight(int Value) {
    p->FFixedRowHeight = Value;
    if (IsLoading()) return;
    if (Value == DefaultRowHeight()) SetDefaultRowHeight(Value);
    else
        for (int r = 0; r < FixedRows(); ++r) SetRowHeights(r, Value);
}

int TExStringGrid::FixedFooters() const { return p->FFixedFooters; }
void TExStringGrid::SetFixedFooters(int Value) { setAndRepaint(p->FFixedFooters, Value); }
int TExStringGrid::FixedRightCols() const { return p->FFixedRightCols; }
void TExStringGrid::SetFixedRightCols(int Value) { setAndRepaint(p->FFixedRightCols, Value); }

// ---- current cell, top row and selection

void TExStringGrid::SetCol(int Value) {
    TBaseGrid::SetCol(Value);
    // The other grid follows through the platform's own setter, so two grids that follow
    // each other do not call back and forth.
    if (TStringGrid* other = p->SyncGrid->Grid(); other && p->SyncGrid->SelectionColumn) other->TStringGrid::SetCol(Col());
}

void TExStringGrid::SetRow(int Value) {
    if (Col() < 0 || Col() >= ColCount()) MoveColRow(FixedCols(), Value, true, true);
    TBaseGrid::SetRow(Value);
    if (Row() != p->FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, p->FOldRowSel, Row());
        p->FOldRowSel = Row();
    }
    if (p->MouseActions->DisjunctRowSelect()) UpdateRowSelect(false);
    if (TStringGrid* other = p->SyncGrid->Grid(); other && p->SyncGrid->SelectionRow) other->TStringGrid::SetRow(Row());
    if (Value == RowCount() - 1 && p->SearchFooter->Visible()) ScrollLastRowAboveSearchPanel();
}

void TExStringGrid::SetTopRow(int Value) {
    if (Value >= FixedRows() && Value < RowCount()) TBaseGrid::SetTopRow(Value);
}

void TExStringGrid::SetSelection(const TGridRect& Value) {
    TBaseGrid::SetSelection(Value);
    if (p->ActiveCellShow) {
        InvalidateGridRect({0, 0, ColCount() - 1, 0});
        InvalidateGridRect({0, 0, 0, RowCount() - 1});
    }
    if (ActiveRowShow()) {
        const int bottom = Selection().Bottom;
        InvalidateGridRect({0, bottom, ColCount() - 1, bottom});
    }
}

void TExStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }

void TExStringGrid::ScrollInView(int ColIndex, int RowIndex) {
    if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
    int l = LeftCol(), t = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
        SetCol(ColIndex);
        l = std::max(ColIndex - VisibleColCount() / 2, FixedCols());
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
        SetRow(RowIndex);
        t = std::max(RowIndex - VisibleRowCount() / 2, FixedRows());
    }
    l = std::min(l, ColCount() - VisibleColCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount()) SetLeftCol(l);
    t = std::min(t, RowCount() - VisibleRowCount() + 1);
    if (FixedRows() + VisibleRowCount() < RowCount()) SetTopRow(t);
}

void TExStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) const {
    const TPoint client = ScreenToClient(pt);
    MouseToCell(client.X, client.Y, ACol, ARow);
}

TGridRect TExStringGrid::GetUsedCells() {
    TGridRect used{-1, -1, -1, -1};
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c) {
            if (GetCellEx(c, r).isEmpty()) continue;
            if (used.Left < 0) used = {c, r, c, r};
            used = {std::min(used.Left, c), std::min(used.Top, r), std::max(used.Right, c), std::max(used.Bottom, r)};
        }
    return used.Left < 0 ? TGridRect{} : used;
}

// ---- the ranges the exporters write

int TExStringGrid::SaveStartCol() const { return SaveFixedCells || SaveFixedCols ? 0 : FixedCols(); }
int TExStringGrid::SaveEndCol() const { return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1; }
int TExStringGrid::SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
int TExStringGrid::SaveStartRow() const { return SaveFixedCells || SaveFixedRows ? 0 : FixedRows(); }
int TExStringGrid::SaveEndRow() const { return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - FixedFooters() - 1; }
int TExStringGrid::SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
