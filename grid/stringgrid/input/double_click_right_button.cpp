// The left double click (fitting a column from its header border, editing) and the right
// mouse button (selecting the cell under it) on the string grid.
#include "grid/foundation/link_routines.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <cstdlib>

namespace {

TPoint messagePos(const TMessage& m) { return {LoWordSigned(m.LParam), HiWordSigned(m.LParam)}; }

} // namespace

// Fits a column to its contents when OnColumnSize allows; false for a fixed column.
bool TExStringGrid::fitColumnOnDblClick(int ACol) {
    if (ACol < FixedCols() || ACol >= ColCount()) return false;
    p->FDblClk = true;
    bool allow = true;
    OnColumnSize(this, ACol, allow);
    if (allow) {
        AutoSizeCol(ACol, 0);
        OnEndColumnSize(this, ACol);
    }
    return true;
}

// Under the last row, within the columns: the point misses every cell only because of its Y.
bool TExStringGrid::belowTheRows(int X, int Y) {
    int col = -1, row = -1;
    MouseToCell(X, CellRect(0, TopRow()).Top + 1, col, row);
    return col >= 0 && Y > CellRect(0, TopRow()).Top;
}

void TExStringGrid::WMLButtonDblClk(TMessage& m) {
    const TPoint pt = messagePos(m);
    TMouseActions& mouse = *p->MouseActions;
    int col = -1, row = -1;
    MouseToCell(pt.X, pt.Y, col, row);
    if (mouse.RangeSelectAndEdit && col >= 0 && row >= 0 && !IsControlCell(RealColIndex(col), row))
        p->FForceSel = true;
    if (col < 0 && belowTheRows(pt.X, pt.Y)) {
        // A double click under the last row is reported as row -1 (a window may add a row for
        // it); nothing there can be edited.
        TBaseGrid::WndProc(m);
        OnDblClickCell(this, -1, col);
        p->FForceSel = false;
        return;
    }
    if (col < 0) {
        if (FixedRowAlways) {
            TBaseGrid::WndProc(m);
            p->FForceSel = false;
            return;
        }
        col = ColCount() - 1;
        row = 0;
    }
    if (row >= 0 && row < FixedRows() && (Options() & goColSizing) && mouse.AutoSizeColOnDblClick) {
        const TRect r = CellRect(col, row);
        // The border line lies just right of the cell's rectangle.
        const bool onLeft = std::abs(pt.X - r.Left) <= 3;
        const bool onRight = std::abs(pt.X - r.Right) <= 3;
        bool fitted = false;
        if (onLeft) {
            p->FDblClk = true;
            fitted = fitColumnOnDblClick(col - 1);
        }
        if (!fitted && onRight) fitted = fitColumnOnDblClick(col);
        if (fitted) {
            p->FForceSel = false;
            TBaseGrid::WndProc(m);
            return;
        }
    }
    if (row < 0) {
        p->FForceSel = false;
        TBaseGrid::WndProc(m);
        return;
    }
    const int realCol = RealColIndex(col);
    if (HasExpand(realCol, row)) {
        TRect er;
        GetExpandButtonRect(col, row, er);
        if (er.Contains(pt)) {
            p->FForceSel = false;
            return;
        }
    }
    if (IsControlCell(realCol, row)) {
        TBaseGrid::WndProc(m);
        p->FForceSel = false;
        return;
    }
    TBaseGrid::WndProc(m);
    OnDblClickCell(this, row, col);
    if (mouse.EditOnDblClickOnly()) {
        const bool saved = mouse.RangeSelectAndEdit;
        mouse.RangeSelectAndEdit = true;
        const bool editable = IsEditable(col, row);
        mouse.RangeSelectAndEdit = saved;
        if (editable) {
            SetOptions(Options() | goEditing);
            ShowInplaceEdit();
        }
    } else if (mouse.RangeSelectAndEdit && IsEditable(col, row)) {
        SetOptions(Options() | goEditing);
        const TPoint base = BaseCell(realCol, row);
        const TRect r = CellRect(RealToDisplCol(base.X), base.Y);
        MouseDown(mbLeft, 0, r.Left + 4, r.Top + 4);
    }
    p->FForceSel = false;
    if (opensFixedEditor(col, row, fceDblClick, pt.X, pt.Y)) EditFixedCell(col, row);
}

void TExStringGrid::WMRButtonDown(TMessage& m) {
    const TPoint pt = messagePos(m);
    TMouseActions& mouse = *p->MouseActions;
    TBaseGrid::WndProc(m);
    int col = -1, row = -1;
    MouseToCell(pt.X, pt.Y, col, row);
    const bool valid = col >= 0 && row >= 0;
    if (mouse.SelectOnRightClick && valid && !IsFixed(col, row) &&
        !(mouse.DisjunctCellSelect() && IsSelected(col, row))) {
        const int realCol = RealColIndex(col);
        if (!IsControlCell(realCol, row)) {
            if (OnRightClickCell) {
                FocusCell(col, row);
            } else {
                MouseDown(mbLeft, 0, pt.X, pt.Y);
                MouseUp(mbLeft, 0, pt.X, pt.Y);
            }
        }
        if (IsSelected(col, row)) {
            bool canSelect = true;
            OnSelectCell(this, col, row, canSelect);
        } else {
            const TPoint base = BaseCell(realCol, row);
            const bool keepHoriz = p->Navigation->KeepHorizScroll;
            const int leftCol = LeftCol();
            if (keepHoriz) BeginUpdate();
            MoveColRow(RealToDisplCol(base.X), base.Y, true, true);
            if (keepHoriz) {
                SetLeftCol(leftCol);
                EndUpdate();
            }
        }
        if (mouse.DisjunctRowSelect()) {
            const bool ctrl = MouseShiftState(m.WParam) & ssCtrl;
            if (ctrl || mouse.DisjunctRowSelectNoCtrl) {
                SetRowSelect(row, !RowSelect(row));
            } else if (RowSelectCount() > 1 && PopupMenu && RowSelect(row)) {
                // The marked rows stay marked for the menu that is about to open on them.
            } else {
                ClearRowSelect();
                SetRowSelect(row, true);
            }
        }
    }
    OnRightClickCell(this, row, col);
    if (URLShow() && URLEdit && valid && IsURL(Cells(RealColIndex(col), row))) {
        FocusCell(col, row);
        ShowEditor();
    }
}

void TExStringGrid::WMRButtonUp(TMessage& m) {
    const bool moving = GridState() == gsRowMoving || GridState() == gsColMoving;
    if (EnhRowColMove && moving) {
        m.Result = 0;
        return;
    }
    TBaseGrid::WndProc(m);
}
