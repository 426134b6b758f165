// Drags out of the grid: a press on a selected cell (or a header cell) of a drag source waits
// for the pointer to move; the move starts the drag of the selected cells or of the column;
// a release without a move selects the pressed cell as a plain click would.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/dragdrop/grid_drop_target.h"
#include "grid/stringgrid/input/header_drag_button.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/mouse.h"
#include "platform/core/stream.h"

#include <algorithm>
#include <cstdlib>

bool TExStringGrid::oleDragPress(int ACol, int ARow, int X, int Y, TShiftState Shift) {
    TExStringGridPrivate& d = *p;
    const TDragDropSettings& s = *d.DragDropSettings;
    const TMouseActions& mouse = *d.MouseActions;
    d.FSelectionClick = false;
    const int realCol = RealColIndex(ACol);
    const bool header = ARow < FixedRows();
    const TRect r = CellRect(ACol, ARow);
    const bool inside = X - r.Left > 3 && r.Right - X > 3;
    const bool starts = (IsSelected(ACol, ARow) || (header && !EnhRowColMove)) && !(Options() & goEditing) &&
                        !HasButton(realCol, ARow) && !HasCheckBox(realCol, ARow) && s.OleDropSource &&
                        !(header && (mouse.ColSelect || mouse.AllSelect)) && ACol >= FixedCols() &&
                        (inside || !(Options() & goColSizing));
    if (!starts) return false;
    if (CanFocus()) SetFocus();
    OnMouseDown(this, mbLeft, Shift, X, Y);
    d.FSelectionClick = true;
    OnClickCell(this, ARow, ACol);
    return true;
}

bool TExStringGrid::oleDragRelease(int ACol, int ARow, TShiftState Shift) {
    TExStringGridPrivate& d = *p;
    if (!d.FSelectionClick) return false;
    d.FSelectionClick = false;
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() && ARow < RowCount();
    if (!normal) return false;
    const TMouseActions& mouse = *d.MouseActions;
    if (mouse.DisjunctRowSelect() && d.DragDropSettings->OleDropSource) {
        if (!(Shift & ssCtrl)) ClearRowSelect();
        if ((Shift & ssCtrl) || mouse.DisjunctRowSelectNoCtrl) {
            const int markRow = mouse.RowSelectPersistent ? DisplToRealRow(ARow) : ARow;
            SetRowSelect(markRow, !RowSelect(markRow));
            OnMouseUp(this, mbLeft, ssCtrl, ACol, ARow);
        }
        return true;
    }
    if (Options() & goRowSelect) SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
    else SetSelection({ACol, ARow, ACol, ARow});
    return false;
}

void TExStringGrid::oleDragMove(int ACol, int ARow, int X, int Y, TShiftState Shift) {
    TExStringGridPrivate& d = *p;
    const TDragDropSettings& s = *d.DragDropSettings;
    const bool moved = std::abs(X - d.Clickposx) > 3 || std::abs(Y - d.Clickposy) > 3;
    if (!d.FSelectionClick || ACol < 0 || ARow < 0 || !(Shift & ssLeft) || !moved || !s.OleDropSource ||
        GridState() == gsColSizing || d.FMouseSelectMode == TExStringGridPrivate::msResize)
        return;
    d.FSelectionClick = false;
    const int realCol = RealColIndex(ACol);
    bool allow = !(s.OleColumnsOnly && ARow >= FixedRows());
    OnOleDrag(this, ARow, realCol, Cells(realCol, ARow), allow);
    if (!allow) {
        // The press turns into a range selection.
        if (GridState() == gsNormal) SetGridState(gsSelecting);
        return;
    }
    auto source = std::make_shared<TGridDropSource>(*this);
    OnOleDragStart(this, ARow, realCol);
    DoStartBlockFocus();
    const bool column = ARow < FixedRows() && s.OleColumnDragDrop;
    if (s.ShowCells && !d.FOleMoveForm) {
        TGridRect area = Selection();
        if (s.OleColumnDragDrop) {
            area = {ACol, TopRow(), ACol, std::min(RowCount() - 1, TopRow() + VisibleRowCount())};
        } else {
            area.Top = std::max(area.Top, TopRow());
            area.Bottom = std::min(area.Bottom, TopRow() + VisibleRowCount());
            area.Left = std::max(area.Left, LeftCol());
            area.Right = std::min(area.Right, LeftCol() + VisibleColCount());
        }
        const bool hidden = SelectionHidden();
        if (!hidden) HideSelection();
        d.FOleMoveForm = SelectionToForm(area);
        if (!hidden) UnHideSelection();
        const TPoint at = Mouse.CursorPos();
        d.FOleMoveForm->SetBounds(at.X + 4, at.Y + 4, d.FOleMoveForm->Width(), d.FOleMoveForm->Height());
        d.FOleMoveForm->Show();
    }
    uint32_t effect = DROPEFFECT_NONE;
    const uint32_t okEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    if (column) {
        if (!s.ShowCells) {
            setMoveButton(Cells(realCol, 0), ColWidths(ACol), RowHeights(0));
            const TPoint at = Mouse.CursorPos();
            d.MoveButton->SetBounds(at.X, at.Y - d.MoveButton->Height(), d.MoveButton->Width(), d.MoveButton->Height());
            d.MoveButton->Show();
        }
        if (BeginColumnDrag(source, realCol, okEffects, effect) != DRAGDROP_S_CANCEL) OnOleDragStop(this, int(effect));
        if (d.MoveButton) d.MoveButton->Hide();
        d.ArwU->Hide();
        d.ArwD->Hide();
    } else {
        d.FDropSelection = Selection();
        std::unique_ptr<TMemoryStream> cells;
        if (d.Navigation->AllowFmtClipboard) {
            cells = std::make_unique<TMemoryStream>();
            const TGridRect r = Selection();
            SaveRectToBinStream({r.Left, r.Top, r.Right, r.Bottom}, *cells);
        }
        const HRESULT result = BeginTextDrag(source, SelectedText(), Cells(realCol, ARow), cells.get(), okEffects, effect);
        if (result != DRAGDROP_S_CANCEL) {
            if (effect == DROPEFFECT_MOVE && !s.OleCopyAlways) {
                const TGridRect& from = d.FDropSelection;
                const bool disjunct = d.MouseActions->DisjunctRowSelect();
                if (s.OleRemoveRows && (Options() & goRowSelect)) {
                    if (disjunct) RemoveSelectedRows();
                    else RemoveRowsInternal(from.Top, from.Bottom - from.Top + 1);
                } else if (disjunct) {
                    ClearSelection();
                } else {
                    ClearRect(from.Left, from.Top, from.Right, from.Bottom);
                }
            }
            OnOleDragStop(this, int(effect));
        }
    }
    // The drag took the button's release: the press ends here.
    delete d.FOleMoveForm;
    d.FOleMoveForm = nullptr;
    d.FMouseDownMove = d.FMouseKeepDown = false;
    if (GridState() == gsSelecting) SetGridState(gsNormal);
    DoEndBlockFocus();
}
