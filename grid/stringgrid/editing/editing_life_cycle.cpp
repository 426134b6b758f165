// When a cell of the string grid may be edited, how an edit opens and ends, and whether the
// current cell may move meanwhile.
#include "grid/foundation/html_text.h"
#include "grid/stringgrid/editing/editor_kinds.h"
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_unit.h"
#include "platform/controls/inplace_edit.h"

bool TExStringGrid::EditMode() const { return p->EditMode; }
TEditorType TExStringGrid::EditControl() const { return p->EditControl; }
TWinControl* TExStringGrid::EditCtrl() const { return p->EditCtrl; }

bool TExStringGrid::IsEditable(int ACol, int ARow) {
    const bool mayEdit = (Options() & goEditing) || p->MouseActions->RangeSelectAndEdit || p->FEditDisable;
    return mayEdit && CellEditable(ACol, ARow);
}

bool TExStringGrid::CellEditable(int ACol, int ARow) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    bool canEdit = true;
    CanEditCell(base.X, base.Y, canEdit);
    bool fixed = false;
    IsFixedCell(base.X, base.Y, fixed);
    return canEdit && !fixed;
}

bool TExStringGrid::CanEditShow() {
    if (p->FValidating) return false;
    bool answer = TBaseGrid::CanEditShow();
    const TPoint base = BaseCell(RealCol(), Row());
    if (answer && !p->EditMode && IsControlCell(base.X, base.Y)) return false;
    if (answer && !p->EditMode) {
        p->FNoEditChange = true;
        p->FCellCache = GetCurrentCell();
        // Validation compares the edited value with the cell as it was before this edit.
        SaveCellState(Col(), Row());
        p->EditControl = DefaultEditor;
        GetCellEditor(base.X, base.Y, p->EditControl);
        if (p->EditControl == edNone) return false;
        p->EditControl = AvailableEditorKind(p->EditControl);
        p->EditMode = true;
        if (IsTextEditorKind(p->EditControl)) {
            p->FShowEditProcess = true;
        } else {
            ShowEditControl(RealToDisplCol(base.X), base.Y);
            p->FEntered = true;
            if (p->FocusHelper->Enabled) ShowFocusWindow(CellRect(Col(), Row()));
            answer = false;
        }
    }
    if (answer) {
        p->FEntered = true;
        p->FEditing = true;
        if (p->FocusHelper->Enabled) ShowFocusWindow(CellRect(Col(), Row()));
    }
    return answer;
}

QString TExStringGrid::GetEditText(int ACol, int ARow) {
    p->FNoEditChange = true;
    // The text editor follows the cell's vertical alignment.
    if (TExInplaceEdit* edit = NormalEdit()) {
        TAlignment horizontal = taLeftJustify;
        TVAlignment vertical = vtaTop;
        GetCellAlignment(RealColIndex(ACol), ARow, horizontal, vertical);
        edit->SetVAlign(vertical == vtaCenter);
    }
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    const QString text = TBaseGrid::GetEditText(base.X, base.Y);
    return EditWithTags ? text : HTMLToPlainText(text);
}

void TExStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    TBaseGrid::SetEditText(base.X, base.Y, Value);
}

void TExStringGrid::EditorTextChanged() {
    // Live update: the cell follows the typing for the text kinds that take any text.
    if (p->FShowEditProcess && p->EditMode && IsLiveTextKind(p->EditControl)) TBaseGrid::EditorTextChanged();
}

void TExStringGrid::DoEditingDone(int ACol, int ARow) {
    OnEditingDone(this);
    p->EditMode = false;
    PostMessage(this, GridEditDoneMessage(), static_cast<uintptr_t>(ACol), ARow);
}

void TExStringGrid::GridEditDone(const TMessage& Message) {
    OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    if (!p->MouseActions->EditOnDblClickOnly()) return;
    HideEditor();
    p->EditMode = false;
    SetOptions(Options() & ~goEditing);
}

void TExStringGrid::ShowInplaceEdit() {
    if (IsControlCell(RealCol(), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    p->FEditText = GetCurrentCell();
    ShowEditor();
}

void TExStringGrid::HideInplaceEdit() {
    stopFixedCellEdit();
    if (!p->EditMode) return;
    HideEditor();
    HideEditControl(Col(), Row());
    p->EditMode = false;
    if (GridState() == gsEditing) SetGridState(gsNormal);
    SelectCell(Col(), Row());
}

void TExStringGrid::HideCellEdit() { HideEditControl(Col(), Row()); }

void TExStringGrid::ShowCellEdit() { Perform(WM_KEYDOWN, VK_F2); }

void TExStringGrid::RestoreEditCell() {
    SetCellEx(RealCol(), Row(), p->FCellCache);
    SetCellEx(RealCol(), Row(), GetCellEx(RealCol(), Row()));
}

void TExStringGrid::CommitEditValue(int ACol, int ARow, const QString& Value) {
    SetEditText(RealToDisplCol(ACol), ARow, Value);
    SetCells(ACol, ARow, Value);
}

void TExStringGrid::UpdateEditorPlace() {
    TBaseGrid::UpdateEditorPlace();
    // A fixed-cell editor keeps no place of its own: the grid moving ends its edit.
    stopFixedCellEdit();
    // An open editor stays on its cell; once the cell is scrolled out of view the edit is
    // committed rather than left open on no cell.
    TWinControl* control = shownEditControl();
    TInplaceEdit* text = InplaceEditor();
    const bool textOpen = p->EditMode && text && text->Visible();
    if (!textOpen && (!control || !control->Visible())) return;
    const bool rowInView = Row() < FixedRows() || (Row() >= TopRow() && Row() <= TopRow() + VisibleRowCount());
    const bool colInView = Col() < FixedCols() || (Col() >= LeftCol() && Col() <= LeftCol() + VisibleColCount());
    if (!rowInView || !colInView) HideInplaceEdit();
    else if (!textOpen) PlaceEditControl(Col(), Row());
}

// Switches goEditing as the target cell of a move asks and closes a running edit first;
// answers whether the cell may be edited.
bool TExStringGrid::allowEditOnTarget(int ACol, int ARow, QString& TargetText) {
    const int realCol = RealColIndex(ACol);
    const bool editing = Options() & goEditing;
    bool allow = true;
    if (IsControlCell(realCol, ARow)) {
        CanEditCell(realCol, ARow, allow);
        if (!p->FEditDisable) p->FEditDisable = !allow && (editing || p->MouseActions->RangeSelectAndEdit);
        if (!editing && !(Options() & goRowSelect) && allow) {
            p->FEditChange = true;
            SetOptions(Options() | goEditing);
        }
        return allow;
    }
    allow = editing || p->FEditDisable;
    CanEditCell(realCol, ARow, allow);
    if (p->MouseActions->DirectEdit && allow && HasNoEditor(realCol, ARow)) allow = false;
    if (p->MouseActions->EditOnDblClickOnly()) allow = false;
    if (allow) {
        p->FEditDisable = false;
        if (!(Options() & goEditing)) {
            p->FEditChange = true;
            if (!p->EditMode) SaveCellState(ACol, ARow);
            if (p->MouseActions->RangeSelectAndEdit) SetOptions(Options() & ~goRowSelect);
            SetOptions(Options() | goEditing);
        }
        if (p->EditMode) HideInplaceEdit();
    } else {
        if (p->EditMode) HideInplaceEdit();
        if (Options() & goEditing) {
            p->EditMode = false;
            p->FEditDisable = true;
            p->FEditChange = true;
            SetOptions(Options() & ~goEditing);
            TBaseGrid::HideEditor();
        }
    }
    TargetText = GetCellEx(realCol, ARow);
    return allow;
}

// A cell that would lie under the floating footer is scrolled up above it.
void TExStringGrid::scrollClearOfFooter(int ACol, int ARow) {
    TFloatingFooter& footer = *p->FloatingFooter;
    const bool lastRowStyle = footer.FooterStyle == fsFixedLastRow;
    if (!lastRowStyle) footer.Invalidate();
    else if (ARow >= TopRow() + VisibleRowCount())
        SetTopRow(std::max(FixedRows(), ARow + FixedRows() - VisibleRowCount()));
    const int bound = lastRowStyle ? RowCount() - 1 : RowCount();
    if (ARow < bound && CellRect(ACol, ARow).Bottom > ClientRect().Bottom - footer.Height + 2 &&
        TopRow() < RowCount() - 1)
        SetTopRow(TopRow() + 1);
}

bool TExStringGrid::SelectCell(int ACol, int ARow) {
    if (p->FForceSel) return true;
    if (!Parent()) return TBaseGrid::SelectCell(ACol, ARow);
    if (ACol < 0 || ARow < 0) return false;
    p->FEditText = GetCellEx(RealColIndex(ACol), ARow);
    if (p->FloatingFooter->Visible) {
        scrollClearOfFooter(ACol, ARow);
        // The footer row of a fixed-last-row floating footer takes no selection.
        if (p->FloatingFooter->FooterStyle == fsFixedLastRow && ARow == RowCount() - 1) return false;
    }
    const int realCol = RealColIndex(ACol);
    if (IsMergedCell(realCol, ARow) && !IsBaseCell(realCol, ARow) && !(Options() & goRangeSelect)) {
        const TPoint base = BaseCell(realCol, ARow);
        FocusCell(RealToDisplCol(base.X), base.Y);
        RepaintCell(RealToDisplCol(base.X), base.Y);
        if (p->MouseActions->DirectEdit || (p->ControlLook->DropDownAlwaysVisible && HasComboBox(base.X, base.Y)))
            ShowInplaceEdit();
        return false;
    }
    if (ACol == 0 && p->FNumNodes > 0 && !(Options() & goRowSelect)) return false;
    if (UseEnabledRows() && p->Navigation->SkipDisabledRows && !RowEnabled(ARow)) return false;

    TInplaceEdit* textEditor = InplaceEditor();
    const bool textFocused = textEditor && textEditor->Focused();
    QString targetText;
    allowEditOnTarget(ACol, ARow, targetText);
    bool answer = false;
    if (!p->FEditing || textFocused) {
        bool allow = true;
        DoCellChanging(Row(), Col(), ARow, ACol, allow);
        if (IsFixed(ACol, ARow) || !allow)
            answer = (allow && (Options() & goRowSelect)) || (FixedRowAlways && RowCount() == FixedRows());
        else answer = TBaseGrid::SelectCell(ACol, ARow);
    } else if (p->EditMode && p->EditCtrl && p->EditCtrl->Visible()) {
        // A control is open again after its value was refused: the move waits for its commit.
        answer = false;
        targetText = GetCurrentCell();
    } else {
        // The edit of a control ended: its committed value is validated before the move.
        const bool valid = ValidateCell(GetCurrentCell());
        bool changing = true;
        DoCellChanging(Row(), Col(), ARow, ACol, changing);
        answer = valid && changing && TBaseGrid::SelectCell(ACol, ARow);
        if (!answer) targetText = GetCurrentCell();
    }
    // The listener hears of every asked move, also of a refused one.
    if (p->FISelect) p->FISelect->CellSelected(Col(), ARow);
    if (!IsLoading() && ARow != p->FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, p->FOldRowSel, ARow);
        p->FOldRowSel = ARow;
    }
    p->FCellCache = targetText;
    return answer;
}
