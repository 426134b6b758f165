// Inserting and removing rows and columns, and removing or hiding them by selection.
#include "grid/stringgrid/data/row_column_store.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>

namespace {
std::vector<int> rowRange(int From, int Count) {
    std::vector<int> rows;
    for (int r = From; r < From + Count; ++r) rows.push_back(r);
    return rows;
}
}  // namespace

void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
    TGridRowColumnStore::InsertRows(*this, RowIndex, RCount, UpdateCellControls);
}

void TExStringGrid::RemoveRows(int RowIndex, int RCount) {
    // Rows past the end or a count of none remove nothing.
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RemoveRowsInternal(RowIndex, std::min(RCount, RowCount() - RowIndex));
}

void TExStringGrid::RemoveRowsInternal(int ARow, int ACount) { DeleteRowRange(ARow, ACount, true); }

void TExStringGrid::DeleteRowRange(int ARow, int ACount, bool AdjustControls) {
    if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
    ACount = std::min(ACount, RowCount() - ARow);
    TGridRowColumnStore::RemoveRows(*this, rowRange(ARow, ACount), {true, AdjustControls, AdjustControls});
}

// The rows' records and controls stay: the caller holds the rows elsewhere, and puts them back
// with InsertRows, which moves the hidden rows down again.
void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    TGridRowColumnStore::RemoveRows(*this, rowRange(RowIndex, RCount), {false, false, true});
}

void TExStringGrid::removeRowList(const std::vector<int>& Rows) {
    TGridRowColumnStore::RemoveRows(*this, Rows, {});
}

void TExStringGrid::InsertCols(int ColIndex, int CCount) { TGridRowColumnStore::InsertCols(*this, ColIndex, CCount); }
void TExStringGrid::RemoveCols(int ColIndex, int CCount) { TGridRowColumnStore::RemoveCols(*this, ColIndex, CCount); }

// ---- by selection

namespace {
TGridRect normalised(TGridRect r) {
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    return r;
}

// The normal rows that are (not) selected: by the disjunct row flags or the selection rectangle.
std::vector<int> normalRows(TExStringGrid& Grid, bool Selected) {
    const TMouseActions& mouse = Grid.MouseActions();
    const TGridRect s = normalised(Grid.Selection());
    std::vector<int> rows;
    for (int r = Grid.FixedRows(); r < Grid.RowCount() - Grid.FixedFooters(); ++r) {
        const bool selected = mouse.DisjunctRowSelect()
                                  ? Grid.RowSelect(mouse.RowSelectPersistent ? Grid.RealRowIndex(r) : r)
                                  : r >= s.Top && r <= s.Bottom;
        if (selected == Selected) rows.push_back(r);
    }
    return rows;
}
}  // namespace

void TExStringGrid::RemoveSelectedRows() {
    if (p->MouseActions->DisjunctRowSelect()) {
        removeRowList(normalRows(*this, true));
        ClearRowSelect();
        return;
    }
    const TGridRect s = normalised(Selection());
    RemoveRows(s.Top, s.Bottom - s.Top + 1);
}

void TExStringGrid::RemoveUnSelectedRows() {
    removeRowList(normalRows(*this, false));
    if (p->MouseActions->RowSelectPersistent) SelectRows(FixedRows(), RowCount() - FixedFooters() - FixedRows());
    else ClearRowSelect();
}

namespace {
// Hides the rows one at a time by their real rows, from the bottom so the others keep theirs.
void hideRows(TExStringGrid& Grid, const std::vector<int>& Rows) {
    std::vector<int> reals;
    for (int r : Rows) reals.push_back(Grid.RealRowIndex(r));
    for (auto it = reals.rbegin(); it != reals.rend(); ++it) Grid.HideRow(*it);
}
}  // namespace

void TExStringGrid::HideSelectedRows() { hideRows(*this, normalRows(*this, true)); }
void TExStringGrid::HideUnSelectedRows() { hideRows(*this, normalRows(*this, false)); }

// The shown columns From..To, right to left; hidden columns among them stay.
void TExStringGrid::removeShownCols(int From, int To) {
    for (int c = To; c >= From; --c) RemoveCols(RealColIndex(c), 1);
}

void TExStringGrid::RemoveSelectedCols() {
    if (!p->MouseActions->DisjunctColSelect()) {
        const TGridRect s = normalised(Selection());
        removeShownCols(s.Left, s.Right);
        return;
    }
    // RemoveCols drops the selection entries of the columns it removes.
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
        if (ColSelect(c)) RemoveCols(RealColIndex(c), 1);
}

void TExStringGrid::RemoveUnSelectedCols() {
    if (p->MouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (!ColSelect(c)) RemoveCols(RealColIndex(c), 1);
    } else {
        const TGridRect s = normalised(Selection());
        removeShownCols(s.Right + 1, ColCount() - 1);
        removeShownCols(FixedCols(), s.Left - 1);
    }
    ClearColSelect();
}
