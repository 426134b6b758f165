// Where the current cell goes when an edit ends with Enter or Tab, and whether the editor opens
// there again.
#include "grid/stringgrid/editing/editor_kinds.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {

// What one step of the direction rules did.
enum class TStep { Moved, Stayed, Ended };

// The first column that holds data: the node column is not one.
int firstDataCol(TExStringGrid& Grid) {
    if (Grid.FixedCols() == 0 && Grid.NumNodes() > 0) return 1;
    return Grid.FixedCols();
}

int lastNormalRow(TExStringGrid& Grid) { return Grid.RowCount() - Grid.FixedFooters() - 1; }
int lastNormalCol(TExStringGrid& Grid) { return Grid.ColCount() - Grid.FixedRightCols() - 1; }

// One forward or backward step from (c, r) by the advance direction; rows and columns may be
// added at the end of the grid.
TStep advanceStep(TExStringGrid& Grid, int& c, int& r, bool Forward) {
    TNavigation& nav = Grid.Navigation();
    const TAdvanceDirection dir = nav.AdvanceDirection();
    const int first = firstDataCol(Grid);
    const int lastCol = lastNormalCol(Grid);
    const int lastRow = lastNormalRow(Grid);
    const int span = Grid.CellSpan(Grid.RealColIndex(c), r).X;
    if (!Forward) {
        if (dir == adLeftRight) {
            if (c > first) --c;
            else {
                r = r > Grid.FixedRows() ? r - 1 : lastRow;
                c = lastCol;
            }
            return TStep::Moved;
        }
        if (dir == adTopBottom) {
            if (r > Grid.FixedRows()) --r;
            else {
                c = c > first ? c - 1 : lastCol;
                r = lastRow;
            }
            return TStep::Moved;
        }
        return TStep::Stayed;
    }
    if (dir == adLeftRight || dir == adLeftRightInRow) {
        if (c + span < lastCol) {
            c += span + 1;
            return TStep::Moved;
        }
        if (dir == adLeftRightInRow) {
            if (!nav.AdvanceOnEnterLoop) return TStep::Stayed;
            c = first;
            return TStep::Moved;
        }
        if (r < lastRow) {
            ++r;
            c = first;
            return TStep::Moved;
        }
        if (nav.AdvanceInsert()) {
            bool canAdd = true;
            Grid.OnCanAddRow(&Grid, canAdd);
            c = first;
            if (!canAdd) return TStep::Moved;
            Grid.AddRow();
            ++r;
            Grid.OnAutoAddRow(&Grid, Grid.RowCount() - Grid.FixedFooters() - 1);
            for (int col = Grid.FixedCols(); col < Grid.ColCount(); ++col)
                if (Grid.IsEditable(col, r)) return TStep::Moved;
            // The row stays added, but nothing in it can be edited.
            return TStep::Ended;
        }
        if (!nav.AdvanceOnEnterLoop) return TStep::Stayed;
        r = Grid.FixedRows();
        c = first;
        return TStep::Moved;
    }
    if (r < lastRow) {
        ++r;
        return TStep::Moved;
    }
    if (dir == adTopBottomInCol) {
        r = Grid.FixedRows();
        return TStep::Moved;
    }
    if (c != lastCol) {
        r = Grid.FixedRows();
        if (++c >= Grid.ColCount()) c = first;
    } else if (nav.AdvanceInsert()) {
        Grid.SetColCount(Grid.ColCount() + 1);
        c += span + 1;
        r = Grid.FixedRows();
        Grid.OnAutoInsertCol(&Grid, Grid.ColCount() - Grid.FixedRightCols() - 1);
    } else {
        r = Grid.FixedRows();
        c = first;
    }
    Grid.Invalidate();
    return TStep::Moved;
}

}  // namespace

void TExStringGrid::AdvanceCell(int ACol, int ARow, bool Edit, bool Recursive, bool Forward, bool FromEditor,
                                bool ByTab) {
    TNavigation& nav = Navigation();
    if (!nav.AdvanceOnEnter && !ByTab) return;
    if (p->MouseActions->RangeSelectAndEdit && !(Options() & goEditing)) SetOptions(Options() | goEditing);
    if (!Recursive) {
        p->FAECol = ACol;
        p->FAERow = ARow;
    }
    p->FStartEditChar = QChar();
    const int oldC = ACol, oldR = ARow;
    int c = ACol, r = ARow;
    // Read-only cells are skipped one after the other; the skipping ends where the direction
    // rules stop moving or after one pass over every cell, and then the current cell stays.
    const int maxSkips = ColCount() * RowCount();
    for (int skipped = 0;; ++skipped) {
        const TStep step = advanceStep(*this, c, r, Forward);
        if (step == TStep::Ended) return;
        if (skipped > 0 && (step == TStep::Stayed || skipped > maxSkips)) return;
        bool allow = true;
        CanEditCell(RealColIndex(c), r, allow);
        if (allow) {
            bool go = true;
            OnAutoAdvance(this, p->FAERow, p->FAECol, r, c, go);
            if (go) OnCellChanging(this, p->FAERow, p->FAECol, r, c, go);
            p->FDisableChange = true;
            if (go) {
                SetCol(c);
                SetRow(r);
            } else {
                SelectCell(oldC, oldR);
            }
            p->FDisableChange = false;
            break;
        }
        if (!nav.AdvanceSkipReadOnlyCells) {
            SetCol(c);
            SetRow(r);
            break;
        }
    }
    if (!Edit) return;

    const int ec = Col(), er = Row();
    const bool controlTarget = IsControlCell(RealColIndex(ec), er);
    if ((FromEditor && nav.AdvanceAutoEdit) || controlTarget) {
        if (!IsEditable(ec, er)) return;
        TBaseGrid::ShowEditor();
        if (controlTarget) {
            p->FDisableChange = true;
            // Back to the start and on again, so that the cell change runs its own handling.
            SetCol(oldC);
            SetRow(oldR);
            SetCol(ec);
            SetRow(er);
            if (!IsControlCell(RealColIndex(oldC), oldR)) {
                const TRect cell = CellRect(ec, er);
                const intptr_t at = MakeLParam(cell.Left + 2, cell.Top + 2);
                Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
                Perform(WM_LBUTTONUP, 0, at);
                if (nav.AdvanceDirection() != adLeftRight) TBaseGrid::HideEditor();
            }
            p->FDisableChange = false;
            bool unused = true;
            OnCellChanging(this, oldR, oldC, Row(), Col(), unused);
            TEditorType kind = DefaultEditor;
            GetCellEditor(RealColIndex(oldC), oldR, kind);
            if (!IsLiveTextKind(kind)) TBaseGrid::HideEditor();
        }
    }
    if (p->MouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}

void TExStringGrid::SimulateCellClick(int ACol, int ARow) {
    const TRect cell = CellRect(ACol, ARow);
    p->FForceSel = true;
    const TMouseEvent down = OnMouseDown, up = OnMouseUp;
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    TBaseGrid::MouseDown(mbLeft, 0, cell.Left + 2, cell.Top + 2);
    TBaseGrid::MouseUp(mbLeft, 0, cell.Left + 2, cell.Top + 2);
    OnMouseDown = down;
    OnMouseUp = up;
    p->FForceSel = false;
}
