// The left mouse button on the string grid: what a press hits and what its release finishes,
// header clicks that sort included.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/keyboard.h"

#include <QElapsedTimer>
#include <cstdlib>

namespace {

TPoint messagePos(const TMessage& m) { return {LoWordSigned(m.LParam), HiWordSigned(m.LParam)}; }

// The modifiers of a mouse message, with Alt from the keyboard.
TShiftState mouseShift(const TMessage& m) {
    TShiftState s = MouseShiftState(m.WParam);
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

} // namespace

bool TExStringGrid::InputMessage(TMessage& m) {
    if (CellHintMessage(m) || BalloonMessage(m)) return true;
    switch (m.Msg) {
    case WM_KEYDOWN: WMKeyDown(m); return true;
    case WM_CHAR: WMChar(m); return true;
    case WM_LBUTTONDOWN: WMLButtonDown(m); return true;
    case WM_LBUTTONUP: WMLButtonUp(m); return true;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(m); return true;
    case WM_RBUTTONDOWN: WMRButtonDown(m); return true;
    case WM_RBUTTONUP: WMRButtonUp(m); return true;
    case CM_MOUSELEAVE: CMMouseLeave(m); return true;
    case CM_CURSORCHANGED: CMCursorChanged(m); return true;
    case WM_CANCELMODE: cancelEnhancedMove(); return false;
    default: return false;
    }
}

void TExStringGrid::WMLButtonDown(TMessage& m) {
    const TPoint pt = messagePos(m);
    const int X = pt.X, Y = pt.Y;
    TMouseActions& mouse = *p->MouseActions;
    p->FDoOnClick = p->FMouseKeepDown = p->FMouseDownMove = true;
    p->FSpinUpClick = p->FSpinDnClick = false;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (startSelectionResize(m, X, Y, false)) return;

    // Range select and edit: a press off the selection selects instead of editing.
    if ((Options() & goEditing) && mouse.RangeSelectAndEdit) {
        const TGridRect s = Selection();
        if (!(col >= s.Left && col < s.Right && row >= s.Top && row < s.Bottom))
            SetOptions(Options() & ~goEditing);
    }
    bool allow = true;
    OnCanClickCell(this, row, col, allow);
    if (!allow) return;
    if (CellSelectorMode) {
        CellSelectorClick(col, row);
        return;
    }
    if (p->FMouseSelectMode == TExStringGridPrivate::msResize && startSelectionResize(m, X, Y, true)) return;

    const TShiftState shift = mouseShift(m);
    if (mouse.DisjunctCellSelect() && !(shift & ssCtrl) && !IsFixed(col, row)) clearDisjunctCells();
    p->FPushedCellButton = {-1, -1};
    p->FOldKeepLeftCol = LeftCol();
    // The cell whose border a sizing drag would take.
    int refCol = -1, refRow = -1;
    if (row != 0 && col != 0) MouseToCell(X - 5, Y - 4, refCol, refRow);
    else if (row != 0) MouseToCell(X, Y - 4, refCol, refRow);
    else MouseToCell(X - 5, Y, refCol, refRow);
    p->Colclicked = refCol;
    p->Rowclicked = refRow;
    if (refCol >= 0 && refRow >= 0) {
        p->Colclickedsize = ColWidths(refCol);
        p->Rowclickedsize = RowHeights(refRow);
    }
    p->Clickposx = X;
    p->Clickposy = Y;

    if (col < 0 || row < 0) {
        HideInplaceEdit();
        if (!FixedRowAlways) TBaseGrid::WndProc(m);
        return;
    }
    const int realCol = RealColIndex(col);
    const TPoint base = BaseCell(realCol, row);
    const int baseCol = RealToDisplCol(base.X), baseRow = base.Y;
    if (mouse.CaretPositioning) p->LButFlg = true;
    if (fixedSizingPress(X, Y)) return;
    const bool fixedArea = col < FixedCols() || row < FixedRows();
    if (fixedArea || IsFixed(col, row)) {
        HideInplaceEdit();
        pressFixedAsButton(baseCol, baseRow, X);
    }

    // Spin buttons drawn in the cell: the editor this press opens steps its value once.
    if (p->ControlLook->SpinButtonsAlwaysVisible && HasSpinEdit(realCol, row)) {
        const TRect cell = CellRect(baseCol, baseRow);
        if (X > cell.Right - 18) (Y > (cell.Top + cell.Bottom) / 2 ? p->FSpinDnClick : p->FSpinUpClick) = true;
    }
    if (col == 0 && row < FixedRows() && IsNode(row) && IsInNodeButton(row, X)) headerNodeButtonPress(row);
    // The node button of a normal row opens or closes its node.
    if (col == 0 && row >= FixedRows() && IsNode(row) && IsInNodeButton(row, X)) {
        OnMouseDown(this, mbLeft, shift, X, Y);
        OnClickCell(this, row, col);
        const int realRow = DisplToRealRow(row);
        bool allowNode = true;
        if (GetNodeState(row)) {
            OnBeforeExpandNode(this, row, realRow, allowNode);
            if (allowNode) {
                ExpandNode(realRow);
                OnExpandNode(this, row, realRow);
            }
        } else {
            OnBeforeContractNode(this, row, realRow, allowNode);
            if (allowNode) {
                ContractNode(realRow);
                OnContractNode(this, row, realRow);
            }
        }
        if (mouse.MoveRowOnNodeClick) SetRow(row);
        return;
    }
    if (IsRadio(realCol, row) && (IsEditable(col, row) || p->ControlLook->RadioAlwaysActive)) {
        HideInplaceEdit();
        const TRect cell = CellRect(baseCol, baseRow);
        RadioGroupClick(realCol, row, X - cell.Left, Y - cell.Top);
        if (CanFocus()) SetFocus();
        return;
    }
    if (col == 0 && row >= FixedRows() && NumNodes() > 0 && !mouse.RowSelect && !(Options() & goRowSizing)) {
        OnMouseDown(this, mbLeft, shift, X, Y);
        OnClickCell(this, row, col);
        return;
    }
    if (oleDragPress(baseCol, baseRow, X, Y, shift)) return;
    if (ratingPress(baseCol, baseRow, base.X, X)) return;
    if (cellButtonPress(baseCol, baseRow, base.X, X, Y)) return;
    if (expandButtonPress(baseCol, baseRow, base.X, X, Y)) return;
    // A press anywhere in a merged cell acts on its base cell: the standard handling is given a
    // point inside that one. A handler of OnMouseDown is left the real point.
    if ((baseCol != col || baseRow != row) && !fixedArea && !IsFixed(col, row) && !OnMouseDown) {
        const TRect b = CellRect(baseCol, baseRow);
        if (b.Width() > 0 && b.Height() > 0) m.LParam = MakeLParam(b.Left + 2, b.Top + 2);
    }
    if (col >= ColCount() || row >= RowCount()) {
        TBaseGrid::WndProc(m);
        return;
    }
    if (refCol >= 0 && refRow >= 0) {
        const TRect ref = CellRect(refCol, refRow);
        p->Clickposdx = X - ref.Right;
        p->Clickposdy = Y - ref.Bottom;
    } else {
        p->Clickposdx = p->Clickposdy = 0;
    }

    // Disjunct row selection keeps its marks for the release.
    if (mouse.DisjunctRowSelect() && row >= FixedRows() && !(col == 0 && mouse.HotmailRowSelect())) {
        if (shift & ssShift) {
            const TGridRect before = Selection();
            TBaseGrid::WndProc(m);
            SetSelection({std::min(col, before.Left), std::min(row, before.Top), std::max(col, before.Left),
                          std::max(row, before.Top)});
            return;
        }
        const int markRow = mouse.RowSelectPersistent ? DisplToRealRow(row) : row;
        if ((shift & ssCtrl) || mouse.DisjunctRowSelectNoCtrl) {
            if (RowSelect(markRow)) p->FDeselectState = true;
        } else {
            p->FMouseDown = true;
            if (!(shift & ssAlt)) ClearRowSelect();
        }
    }

    // Disjunct column selection likewise.
    if (mouse.DisjunctColSelect() && col >= FixedCols()) {
        if (shift & ssCtrl) {
            if (ColSelect(col)) p->FDeselectState = true;
        } else {
            p->FMouseDown = true;
            ClearColSelect();
        }
    }

    // Links and form controls of the cell's text.
    if (htmlCellPress(col, row, X, Y)) return;

    // The press on a check box or radio button toggles it without OnClickCell.
    const bool radio = HasRadioButton(realCol, row);
    // Only a box or button asks whether its cell may be edited. Editing switched off only
    // because the current cell is read-only still lets another cell's box take the press.
    auto boxActive = [&] {
        bool editable = (Options() & goEditing) || mouse.RangeSelectAndEdit || p->FEditDisable;
        CanEditCell(realCol, row, editable);
        return editable || p->ControlLook->CheckAlwaysActive || (col == 0 && mouse.HotmailRowSelect());
    };
    if ((HasCheckBox(realCol, row) || radio) && boxActive() && IsInCheckBox(realCol, row, X, Y)) {
        HideInplaceEdit();
        if (CanFocus()) SetFocus();
        const int realRow = RealRowIndex(row);
        if (radio) {
            SelectRadioButton(realCol, row, true);
            OnRadioButtonClick(this, realCol, row);
        } else {
            ToggleCheck(realCol, row, true);
        }
        if (p->ShowModified->Enabled) {
            SetRowModified(row, true);
            RepaintCell(0, row);
        }
        bool state = false;
        GetCheckBoxState(realCol, realRow, state);
        if (!p->Navigation->AlwaysEdit && !fixedArea) MoveColRow(col, row, true, true);
        DoCheckBoxClick(col, row, state);
        if (row < FixedRows() && mouse.CheckAllCheck) {
            for (int r = FixedRows(); r < RowCount(); ++r) {
                if (mouse.HotmailRowSelect()) SetRowSelect(RealRowIndex(r), state);
                else SetCheckBoxState(realCol, r, state);
            }
            Invalidate();
        }
        OnMouseDown(this, mbLeft, shift, X, Y);
        Click();
        return;
    }

    if (fixedArea) headerSelectPress(col, row, shift);
    rememberMoveCell(col, row, X, Y);

    const bool fixedOutside = !fixedArea && IsFixed(col, row);
    if (fixedOutside) {
        const bool footerRow = p->FloatingFooter->Visible && p->FloatingFooter->FooterStyle == fsFixedLastRow &&
                               row == RowCount() - 1;
        if (!footerRow) OnClickCell(this, row, col);
        return;
    }

    // A cell only partly in view, or at the left edge of a scrolled view.
    const bool edgeCell = row == TopRow() + VisibleRowCount() || col == LeftCol() + VisibleColCount() ||
                          (col == LeftCol() && LeftCol() > FixedCols());
    const bool keepHoriz = (Options() & goRowSelect) && p->Navigation->KeepHorizScroll;
    const int leftCol = LeftCol(), topRow = TopRow();
    if (keepHoriz) BeginUpdate();
    if (!p->FSelHidden) {
        const bool alwaysEdit = p->Navigation->AlwaysEdit;
        p->Navigation->AlwaysEdit = false;
        TBaseGrid::WndProc(m);
        p->Navigation->AlwaysEdit = alwaysEdit;
    }
    if (mouse.NoAutoRangeScroll && GridState() == gsSelecting && edgeCell) SetGridState(gsNormal);
    // The press on a partly shown row does not scroll it in; the drag it began ends there.
    if (mouse.NoScrollOnPartialRow && TopRow() != topRow) {
        SetTopRow(topRow);
        Perform(WM_LBUTTONUP, m.WParam & ~MK_LBUTTON, m.LParam);
    }
    // A press on a header cell's side border grabs the border for sizing, not the cell; so
    // does any press the platform grid took to size a column or a row (a fixed cell's border).
    const TRect r = CellRect(col, row);
    const bool sizingGrab = GridState() == gsColSizing || GridState() == gsRowSizing ||
                            (row < FixedRows() && (Options() & goColSizing) && (X - r.Left < 4 || r.Right - X < 4));
    if (!sizingGrab) OnClickCell(this, baseRow, baseCol);
    if (OnCellValidate) {
        p->FEntered = false;
        SaveCellState(RealCol(), Row());
    }
    const bool onSelection = Selection() == TGridRect{baseCol, baseRow, baseCol, baseRow};
    if (IsMergedCell(realCol, row) && (onSelection || mouse.DirectEdit) && IsEditable(col, row) && !fixedArea)
        ShowInplaceEdit();
    if (mouse.DirectEdit && !fixedArea && X - r.Left > 3 && r.Right - X > 3 && IsEditable(col, row) &&
        !IsControlCell(realCol, row) && Col() == baseCol && Row() == baseRow) {
        SaveCellState(base.X, baseRow);
        ShowEditor();
    }
    if (keepHoriz) {
        SetLeftCol(leftCol);
        EndUpdate();
    }
}

void TExStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TGridCoord cell = MouseCoord(X, Y);
    TMouseActions& mouse = *p->MouseActions;
    if (mouse.RangeSelectAndEdit && Button == mbLeft && !mouse.EditOnDblClickOnly()) {
        if (cell.X == Col() && cell.Y == Row() && !(Options() & goEditing) && IsEditable(cell.X, cell.Y)) {
            SetOptions(Options() | goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if ((cell.X != Col() || cell.Y != Row()) && (Options() & goEditing) && (Shift & ssShift)) {
            SetOptions(Options() & ~goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    if (fixedDropDownPress(X, Y)) return;
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    if ((Button == mbLeft && opensFixedEditor(cell.X, cell.Y, fceLeftClick, X, Y)) ||
        (Button == mbRight && opensFixedEditor(cell.X, cell.Y, fceRightClick, X, Y)))
        EditFixedCell(cell.X, cell.Y);
}

bool TExStringGrid::opensFixedEditor(int ACol, int ARow, TGridFixedCellEdit How, int X, int Y) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
    const TMouseActions& mouse = *p->MouseActions;
    // With sizing on, a left press near the cell's borders sizes rather than edits.
    const TRect r = CellRect(ACol, ARow);
    const bool inside = X >= r.Left + 4 && X < r.Right - 4 && Y >= r.Top + 4 && Y < r.Bottom - 4;
    if (ARow < FixedRows() && mouse.FixedRowsEdit == How)
        return How != fceLeftClick || !(Options() & goColSizing) || inside;
    if (ACol < FixedCols() && mouse.FixedColsEdit == How)
        return How != fceLeftClick || !(Options() & goRowSizing) || inside;
    return false;
}

void TExStringGrid::WMLButtonUp(TMessage& m) {
    const TPoint pt = messagePos(m);
    TMouseActions& mouse = *p->MouseActions;
    p->ColMoveFlg = p->ColSizeFlg = false;
    p->FMouseDown = p->FMouseKeepDown = p->FMouseDownMove = false;
    // A spin button press that opened no editor must not step the next one, opened by a key.
    p->FSpinUpClick = p->FSpinDnClick = false;
    p->FMouseSelectMode = TExStringGridPrivate::msNormal;
    htmlButtonRelease();
    p->FMouseSelectStart = -1;
    bool deselected = false;
    int col = -1, row = -1;
    MouseToCell(pt.X, pt.Y, col, row);
    const bool wasSizing = GridState() == gsColSizing || GridState() == gsRowSizing;
    const bool buttonDown = p->FPushedCellButton.X >= 0;
    fixedSizingRelease(pt.X, pt.Y);
    releaseFixedAsButton(col, row);
    pushedButtonRelease(col, row, pt.X, pt.Y);
    endSizingFeedback();
    // The press on a button bypassed the standard handling; so does its release there.
    if (buttonDown && (onExpandButton(col, row, pt.X, pt.Y) || onCellButton(col, row, pt.X, pt.Y))) return;

    if (oleDragRelease(col, row, mouseShift(m))) return;
    if (mouse.DisjunctRowSelect() && col >= 0 && !(col == 0 && IsNode(row))) {
        if (!(col == 0 && mouse.HotmailRowSelect())) UpdateRowSelect(false);
        if (row >= FixedRows() && row < RowCount() - FixedFooters() && p->FDeselectState) {
            SetRowSelect(mouse.RowSelectPersistent ? DisplToRealRow(row) : row, false);
            deselected = true;
        }
        p->FDeselectState = false;
    }
    autoSelectGroup(col, row);
    if (mouse.DisjunctColSelect()) {
        UpdateColSelect(false);
        if (col >= FixedCols() && col < ColCount() - FixedRightCols() && p->FDeselectState) SetColSelect(col, false);
    }
    p->FDeselectState = false;

    if (endEnhancedMove(col, row)) p->ColMoveFlg = true;
    TBaseGrid::WndProc(m);
    if (deselected) p->FSelChange = false;
    if (GridState() == gsSelecting) SetGridState(gsNormal);
    if (p->FMouseResize) endSelectionResize();

    if (p->ColMoveFlg || p->ColSizeFlg || wasSizing || col < 0 || row < 0) return;
    if (col >= FixedCols() || p->SortSettings->FixedCols) {
        const int realCol = RealColIndex(col);
        bool state = false;
        if (HasCheckBox(realCol, row) && GetCheckBoxState(realCol, row, state))
            OnCheckBoxMouseUp(this, realCol, row, state);
        int idx = -1;
        if (IsRadio(realCol, row) && GetRadioIdx(realCol, row, idx)) OnRadioMouseUp(this, realCol, row, idx);
        headerClickSort(col, row, pt.X, mouseShift(m));
    }
}

// A release on the sort row's header cell sorts on its column.
void TExStringGrid::headerClickSort(int ACol, int ARow, int X, TShiftState Shift) {
    TSortSettings& ss = *p->SortSettings;
    if (p->FDblClk) {
        p->FDblClk = false;
        return;
    }
    const TRect r = CellRect(ACol, ARow);
    if (ARow == 0 && (Options() & goColSizing) && (X - r.Left < 4 || r.Right - X < 4)) return;
    int pressCol = -1, pressRow = -1;
    MouseToCell(p->Clickposx, p->Clickposy, pressCol, pressRow);
    const int realCol = RealColIndex(ACol);
    if (X > r.Right - 16 &&
        ((p->ControlLook->FixedDropDownButton && CanShowFixedDropDown(realCol)) || HasFilterValues(realCol)))
        return;
    const bool sortable = ARow == ss.Row && pressRow == ss.Row && FixedRows() > 0 &&
                          !IsInCheckBox(realCol, ARow, X, p->Clickposy) && ss.Show && RowCount() > 2;
    if (!sortable) return;
    bool doSort = !IsIgnoredColumn(realCol);
    OnCanSort(this, realCol, doSort);
    if (!doSort) {
        RepaintCell(ACol, ss.Row);
        return;
    }
    HideInplaceEdit();
    if (p->FSortRowXRef->Count() != RowCount()) InitSortXRef();
    // Merges by content would straddle rows that the sort takes apart: split now, merge after.
    if (ss.AutoColumnMerge) SplitAllColumnCells();
    QElapsedTimer timer;
    timer.start();
    const bool keepHoriz = (Options() & goRowSelect) && p->Navigation->KeepHorizScroll;
    const int leftCol = LeftCol();
    if (keepHoriz) BeginUpdate();
    bool undo = false;
    if (ss.IndexShow) {
        sortOnIndexes(realCol, Shift & (ss.IndexSortKey == ikShift ? ssShift : ssCtrl));
    } else if (ss.Column == realCol) {
        undo = ss.Direction != ss.InitSortDirection && ss.UndoSort;
        ss.ToggleDirection();
    } else {
        ss.Direction = ss.InitSortDirection;
        ss.Column = realCol;
    }
    if (ss.IndexShow) {
        // Sorted above.
    } else if (HasNodes()) {
        QSortGroup();
    } else if (undo) {
        QUnSort();
        ss.Column = -1;
    } else {
        QSort();
    }
    if (keepHoriz) {
        SetLeftCol(leftCol);
        EndUpdate();
    }
    p->SortTime = static_cast<int>(timer.elapsed());
    if (ss.AutoColumnMerge) RestoreMergedColumns();
    CellControlsUpdate(true);
    DoClickSort(ss.Column);
}

// A header click with index sorting: the modifier adds the column to the sort columns or flips
// its direction there; a plain click makes the column the only one, flipping it when it
// already was.
void TExStringGrid::sortOnIndexes(int RealCol, bool AddKey) {
    TSortIndexList& indexes = SortIndexes();
    const bool ascending = p->SortSettings->InitSortDirection == sdAscending;
    const bool onlyThis = indexes.Count() == 1 && indexes.SortColumns(0) == RealCol;
    if (AddKey ? indexes.FindIndex(RealCol) >= 0 : onlyThis) {
        indexes.ToggleIndex(RealCol);
    } else {
        if (!AddKey) indexes.Clear();
        indexes.AddIndex(RealCol, ascending);
    }
    if (HasNodes()) QSortGroupIndexed();
    else QSortIndexed();
    p->SortSettings->Column = indexes.Count() > 0 ? indexes.SortColumns(0) : -1;
}

void TExStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TGridRect before = Selection();
    const bool report = before != TGridRect{0, 0, 0, 0} &&
                        (Button == mbLeft || (Button == mbRight && p->MouseActions->SelectOnRightClick));
    if (!filterButtonRelease(X, Y)) closeFilterDropDown();
    p->FDropDownDown = false;
    if (Button == mbLeft && !disjunctCellRelease(Shift, X, Y)) return;
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    if (report && Selection() != p->FMoveSelection) {
        const TGridRect s = Selection();
        p->FMoveSelection = s;
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
}
