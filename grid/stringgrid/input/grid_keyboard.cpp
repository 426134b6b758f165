// The string grid's keys: which it takes itself, which go to the platform grid's navigation,
// and what it adds before and after.
#include "grid/foundation/codings.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/search/search_panel.h"
#include "platform/controls/form.h"
#include "platform/controls/keyboard.h"

namespace {

bool isOneOf(uint16_t key, std::initializer_list<uint16_t> keys) {
    for (uint16_t k : keys)
        if (k == key) return true;
    return false;
}

} // namespace

int TExStringGrid::FirstNormalCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

bool TExStringGrid::CanTabToCell(int ACol, int ARow) {
    bool can = (Options() & goEditing) ? IsEditable(ACol, ARow) : !IsFixed(ACol, ARow);
    OnSelectCell(this, ACol, ARow, can);
    return can;
}

int TExStringGrid::FirstTabCellInRow(int ARow) {
    for (int c = 0; c < ColCount(); ++c)
        if (CanTabToCell(c, ARow)) return c;
    return -1;
}

int TExStringGrid::LastTabCellInRow(int ARow) {
    for (int c = ColCount() - 1; c >= 0; --c)
        if (CanTabToCell(c, ARow)) return c;
    return -1;
}

void TExStringGrid::AppendRowOnArrowDown() {
    bool allow = true;
    OnCanAddRow(this, allow);
    if (!allow) return;
    const bool footer = p->FloatingFooter->Visible;
    if (footer) {
        // The footer row keeps its texts in the new last row.
        QStringList kept;
        const int all = ColCount() + NumHiddenColumns();
        for (int c = 0; c < all; ++c) kept << TBaseGrid::Cells(c, RowCount() - 1);
        AppendRow();
        for (int c = 0; c < all; ++c) {
            SetCells(c, RowCount() - 2, QString());
            SetObjects(c, RowCount() - 2, nullptr);
            SetCells(c, RowCount() - 1, kept.value(c));
        }
    } else {
        AppendRow();
        for (int c = 0; c < ColCount() + NumHiddenColumns(); ++c) {
            SetCells(c, RowCount() - 1, QString());
            SetObjects(c, RowCount() - 1, nullptr);
        }
    }
    if (footer || FixedFooters() > 0) SetRow(Row() + 1);
    if (footer) CalcFooter(-1);
    OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
}

bool TExStringGrid::InLastAppendRow() {
    return Row() == RowCount() - FixedFooters() - 1 || (p->FloatingFooter->Visible && Row() == RowCount() - 2);
}

void TExStringGrid::WMKeyDown(TMessage& m) {
    uint16_t key = static_cast<uint16_t>(m.WParam);
    const TShiftState shift = static_cast<TShiftState>(m.LParam);
    const bool ctrl = shift & ssCtrl, shiftDown = shift & ssShift, alt = shift & ssAlt;
    TNavigation& nav = *p->Navigation;
    TMouseActions& mouse = *p->MouseActions;
    p->FMoveSelection = Selection();
    const int leftCol = LeftCol();
    auto ownEvent = [&] {
        uint16_t k = key;
        OnKeyDown(this, k, shift);
    };
    // A key the grid takes for itself; Enter still reaches the form's default button, which
    // sees dialog keys before the grid would have.
    auto consume = [&] {
        if (key == VK_RETURN)
            if (TForm* form = FindParentForm(this); form && form != static_cast<TControl*>(this))
                form->Perform(CM_DIALOGKEY, key, shift);
        m.WParam = 0;
        m.Result = 1;
    };
    auto currentEditable = [&] { return IsEditable(Col(), Row()); };
    const bool editKey = key == VK_RETURN || key == VK_F2;

    // Scroll-only navigation moves the view and leaves the current cell alone.
    if (nav.MoveScrollOnly && isOneOf(key, {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_UP, VK_DOWN})) {
        const int top = TopRow(), page = VisibleRowCount();
        switch (key) {
        case VK_PRIOR: SetTopRow(page + FixedRows() < top ? top - page : FixedRows()); break;
        case VK_NEXT: if (top + page < RowCount()) SetTopRow(top + page); break;
        case VK_END: SetTopRow(RowCount() - page); break;
        case VK_HOME: SetTopRow(FixedRows()); break;
        case VK_UP: if (top > FixedRows()) SetTopRow(top - 1); break;
        case VK_DOWN: if (top + page < RowCount()) SetTopRow(top + 1); break;
        }
        m.Result = 1;
        return;
    }

    if (editKey && mouse.EditOnDblClickOnly() && !(Options() & goEditing)) {
        const bool saved = mouse.RangeSelectAndEdit;
        mouse.RangeSelectAndEdit = true;
        if (currentEditable()) SetOptions(Options() | goEditing);
        mouse.RangeSelectAndEdit = saved;
    }
    if (editKey && mouse.RangeSelectAndEdit && !(Options() & goEditing)) {
        if (!currentEditable()) {
            ownEvent();
            consume();
            return;
        }
        SetOptions(Options() | goEditing);
        ShowInplaceEdit();
    }
    // Ctrl+F finds: the search panel's edit takes the typing.
    if (key == 'F' && ctrl && p->SearchFooter->Visible())
        if (TSearchPanel* panel = SearchPanel(); panel && panel->EditControl()->CanFocus()) panel->EditControl()->SetFocus();
    // Asked once: nothing below changes it before the key is handled.
    const bool editable = (key == VK_RETURN || key == VK_F2) ? currentEditable() : true;
    if (editKey) {
        if ((Options() & goEditing) && !editable) {
            ownEvent();
            consume();
            return;
        }
        // The cell's form controls take the key: the first of them opens for editing.
        const QString text = Cells(RealCol(), Row());
        if (EnableHTML && TextType(text, true) == 1 && text.toUpper().contains(QStringLiteral("<CONTROL"))) {
            SaveCellState(RealCol(), Row());
            EditNextHTMLControl(Col(), Row(), QString());
            if (key == VK_F2) DoF2Key();
            m.Result = 1;
            return;
        }
    }
    if (key == VK_RETURN && !editable) {
        TForm* form = FindParentForm(this);
        if (form && form != static_cast<TControl*>(this) && form->KeyPreview) {
            TBaseGrid::WndProc(m);
        } else {
            ownEvent();
            consume();
        }
        return;
    }

    // Space toggles or selects the control of a cell; Enter presses nothing but cell buttons.
    if ((key == VK_SPACE || key == VK_RETURN) && IsControlCell(RealCol(), Row())) {
        const int realCol = RealCol(), row = Row();
        bool userAction = (Options() & goEditing) || mouse.RangeSelectAndEdit;
        CanEditCell(realCol, row, userAction);
        if (key == VK_SPACE && (userAction || p->ControlLook->CheckAlwaysActive) && HasCheckBox(realCol, row)) {
            ToggleCheck(realCol, row, true);
            if (p->ShowModified->Enabled) {
                SetRowModified(row, true);
                RepaintCell(0, row);
            }
            bool state = false;
            GetCheckBoxState(realCol, RealRowIndex(row), state);
            DoCheckBoxClick(realCol, row, state);
        } else if (key == VK_SPACE && (userAction || p->ControlLook->RadioAlwaysActive) && IsRadio(realCol, row)) {
            SelectNextRadio(realCol, row, true);
            int idx = -1;
            GetRadioIdx(realCol, row, idx);
            OnRadioClick(this, realCol, row, idx);
        } else if (key == VK_SPACE && (userAction || p->ControlLook->RadioAlwaysActive) &&
                   HasRadioButton(realCol, row)) {
            SetRadioButtonColumnIndex(realCol, row);
            OnRadioButtonClick(this, realCol, row);
        }
        if (userAction && HasButton(realCol, row)) DoButtonClick(realCol, row);
        RepaintCell(Col(), Row());
    }

    if ((key == VK_HOME || key == VK_END) && homeEndKey(key, shift)) {
        ownEvent();
        m.Result = 0;
        return;
    }

    if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(Row()) && IsMergedCell(RealCol(), Row())) {
        if (key == VK_RIGHT) ExpandNode(RealRowIndex(Row()));
        else ContractNode(RealRowIndex(Row()));
    } else if ((key == VK_RIGHT || key == VK_LEFT) && (Options() & goRowSelect) && !IsNode(Row()) &&
               VisibleColCount() < ColCount() && (!nav.LeftRightRowSelect || ctrl)) {
        if (key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        if (key == VK_RIGHT && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
        if (!nav.LeftRightRowSelect) {
            ownEvent();
            m.Result = 0;
            return;
        }
    } else if (key == VK_TAB && (Options() & goTabs)) {
        TabNavigate(shiftDown);
        if (Selection() != p->FMoveSelection) reportSelection();
        m.Result = 1;
        return;
    }

    const uint16_t pressed = key;
    if (nav.SkipFixedCells && skipFixedCells(key)) {
        ownEvent();
        key = 0;
    }
    // Judged on the key pressed: stepping over the footer row below must not stop the append.
    if (pressed == VK_DOWN && nav.AppendOnArrowDown && InLastAppendRow()) AppendRowOnArrowDown();

    // The platform grid's navigation, which calls KeyDown below.
    const bool keepHoriz = isOneOf(key, {VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN}) && (Options() & goRowSelect) &&
                           leftCol != FixedCols() && nav.KeepHorizScroll;
    if (key) {
        if (keepHoriz) BeginUpdate();
        m.WParam = key;
        TBaseGrid::WndProc(m);
        if (keepHoriz) {
            SetLeftCol(leftCol);
            EndUpdate();
        }
    }

    const int disjunctRow = mouse.DisjunctRowSelect() && mouse.RowSelectPersistent ? DisplToRealRow(Row()) : Row();
    if (nav.AllowClipboardShortCuts && clipboardKey(key, shift)) return;
    if (key == VK_INSERT && !ctrl && !shiftDown && !alt && nav.AllowInsertRow) {
        insertRowByKey();
    } else if (key == 'A' && ctrl && (Options() & (goRowSelect | goRangeSelect))) {
        selectAllByKey();
        return;
    } else {
        if (key >= VK_PRIOR && key <= VK_DOWN && mouse.DisjunctRowSelect()) {
            if (!shiftDown && !ctrl) ClearRowSelect();
            if (shiftDown) UpdateRowSelect(true);
            else SetRowSelect(disjunctRow, true);
        }
        if (key >= VK_PRIOR && key <= VK_DOWN && mouse.DisjunctColSelect()) {
            if (!shiftDown && !ctrl) ClearColSelect();
            if (shiftDown) UpdateColSelect(true);
            else SetColSelect(Col(), true);
        }
        if (key == VK_SPACE && mouse.DisjunctRowSelect()) SetRowSelect(disjunctRow, !RowSelect(disjunctRow));
        if (key == VK_SPACE && mouse.DisjunctColSelect()) SetColSelect(Col(), !ColSelect(Col()));
        if (key == VK_DELETE && !alt && nav.AllowDeleteRow && RowCount() - FixedFooters() - FixedRows() >= 1) {
            if (!deleteRowByKey()) return;
        }
        if (editKey) SaveCellState(RealCol(), Row());
        if (key == VK_F2) DoF2Key();
    }
    if (Selection() != p->FMoveSelection) reportSelection();
}

void TExStringGrid::reportSelection() {
    const TGridRect s = Selection();
    DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    p->FMoveSelection = s;
}

// The clipboard keys: cut, paste and copy, each asked of its event first; true when the key was
// one of them, which ends the key's handling (Shift+Delete cuts and never deletes the row).
bool TExStringGrid::clipboardKey(uint16_t key, TShiftState shift) {
    const bool ctrl = shift & ssCtrl, shiftDown = shift & ssShift;
    TClipboardEvent* event = nullptr;
    void (TExStringGrid::*action)() = nullptr;
    if ((ctrl && key == 'X') || (shiftDown && key == VK_DELETE)) {
        event = &OnClipboardCut;
        action = &TExStringGrid::CutSelectionToClipboard;
    } else if ((ctrl && key == 'V') || (shiftDown && key == VK_INSERT)) {
        event = &OnClipboardPaste;
        action = &TExStringGrid::PasteSelectionFromClipboard;
    } else if ((ctrl && key == 'C') || (ctrl && key == VK_INSERT)) {
        event = &OnClipboardCopy;
        action = &TExStringGrid::CopySelectionToClipboard;
    }
    if (!event) return false;
    bool allow = true;
    (*event)(this, allow);
    if (allow) (this->*action)();
    return true;
}

// Home and End as HomeEndKey places them; false for the combinations left to the platform grid.
bool TExStringGrid::homeEndKey(uint16_t key, TShiftState shift) {
    const TNavigation& nav = *p->Navigation;
    const bool ctrl = shift & ssCtrl, shiftDown = shift & ssShift;
    const bool rowSelect = Options() & goRowSelect;
    const bool headerOnly = FixedRowAlways && RowCount() == 1;
    const int oldRow = Row(), leftCol = LeftCol();
    auto toBase = [&] {
        const TPoint b = BaseCell(RealCol(), Row());
        FocusCell(RealToDisplCol(b.X), b.Y);
    };
    auto rowSelection = [&] {
        TMouseActions& mouse = *p->MouseActions;
        if (mouse.DisjunctRowSelect() && !shiftDown) {
            ClearRowSelect();
            UpdateRowSelect(false);
        } else if (shiftDown) {
            SetSelection({FixedCols(), std::min(oldRow, Row()), ColCount() - 1, std::max(oldRow, Row())});
            if (mouse.DisjunctRowSelect()) UpdateRowSelect(false);
        }
        if (rowSelect && nav.KeepHorizScroll) SetLeftCol(leftCol);
    };
    if (ctrl && nav.HomeEndKey != heFirstLastColumn) return false;
    switch (nav.HomeEndKey) {
    case heFirstLastCell:
        if (key == VK_HOME) FocusCell(FixedCols(), FixedRows());
        else FocusCell(ColCount() - 1, RowCount() - 1);
        toBase();
        return true;
    case heFirstLastRow:
        if (headerOnly) return false;
        if (key == VK_HOME) {
            SetRow(FixedRows());
        } else {
            const bool footer = p->FloatingFooter->Visible;
            SetRow(footer && RowCount() > 2 ? RowCount() - 2 : RowCount() - FixedFooters() - 1);
            if (footer || FixedFooters() > 0) SetTopRow(RowCount() - VisibleRowCount());
        }
        toBase();
        rowSelection();
        return true;
    case heFirstLastColumn:
        if (ctrl && key == VK_HOME) {
            SetRow(FixedRows());
            const int first = FirstTabCellInRow(Row());
            if (first >= 0) SetCol(first);
            toBase();
            SetLeftCol(FirstNormalCol());
            return true;
        }
        if (ctrl || rowSelect) return false;
        if (headerOnly) return false;
        if (shiftDown) {
            const TGridRect s = key == VK_HOME ? TGridRect{FixedCols(), Row(), Col(), Row()}
                                               : TGridRect{Col(), Row(), ColCount() - FixedRightCols() - 1, Row()};
            SetSelection(s);
            InvalidateGridRect({0, Row(), ColCount() - 1, Row()});
        } else if (key == VK_HOME) {
            const int first = FirstTabCellInRow(Row());
            if (first >= 0) SetCol(first);
            toBase();
            SetLeftCol(FirstNormalCol());
        } else {
            SetCol(ColCount() - 1);
            toBase();
            SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
        }
        return true;
    }
    return false;
}

// Steps over fixed cells in the middle of the grid; true when the key was handled here.
bool TExStringGrid::skipFixedCells(uint16_t key) {
    const int col = Col(), row = Row();
    const bool rowSelectMode = Options() & goRowSelect;
    switch (key) {
    case VK_LEFT: {
        if (col <= FixedCols() || !IsFixed(col - 1, row)) return false;
        int c = col - 1;
        while (c - 1 >= FixedCols() && IsFixed(c, row)) --c;
        if (!IsFixed(c, row)) SetCol(c);
        return true;
    }
    case VK_RIGHT: {
        const int bound = ColCount() - FixedRightCols();
        if (col >= bound || col + 1 >= ColCount() || !IsFixed(col + 1, row)) return false;
        int c = col + 1;
        while (c + 1 < bound && IsFixed(c, row)) ++c;
        if (c < bound && !IsFixed(c, row)) SetCol(c);
        return true;
    }
    case VK_UP: {
        if (row <= FixedRows() || !IsFixed(col, row - 1)) return false;
        int r = row - 1;
        if (!rowSelectMode)
            while (r - 1 >= FixedRows() && IsFixed(col, r)) --r;
        if (r >= FixedRows() && (rowSelectMode || !IsFixed(col, r))) SetRow(r);
        return true;
    }
    case VK_DOWN: {
        const int bound = RowCount() - FixedFooters();
        if (row >= bound || row + 1 >= RowCount() || !IsFixed(col, row + 1)) return false;
        int r = row + 1;
        while (r + 1 < bound && IsFixed(col, r)) ++r;
        if (r < bound && !IsFixed(col, r)) SetRow(r);
        return true;
    }
    default: return false;
    }
}

void TExStringGrid::insertRowByKey() {
    bool allow = true;
    DoCanInsertRow(Row(), allow);
    if (!allow) return;
    const bool filtered = FilterActive;
    SetFilterActive(false);
    const int real = RealRowIndex(Row());
    if (real < RowCount()) SetRow(real);
    int inserted = Row(), toSelect = Row();
    if (p->Navigation->InsertPosition == pInsertAfter) {
        if (FixedRowAlways && RowCount() == FixedRows()) {
            toSelect = 1;
        } else {
            inserted = Row() + 1;
            toSelect = Row() + 1;
        }
    }
    AutoInsertRow(inserted);
    OnAutoInsertRow(this, inserted);
    p->FGridModified = true;
    SetFilterActive(filtered);
    if (toSelect < RowCount()) SetRow(toSelect);
    CalcFooter(-1);
}

// False when the delete was refused: the key handling ends there.
bool TExStringGrid::deleteRowByKey() {
    const bool filtered = FilterActive;
    SetFilterActive(false);
    const int real = RealRowIndex(Row());
    bool allow = true;
    OnCanDeleteRow(this, real, allow);
    if (!allow) {
        SetFilterActive(filtered);
        return false;
    }
    AutoDeleteRow(real);
    SetFilterActive(filtered);
    if (p->FloatingFooter->Visible && Row() == RowCount() - 1) SetRow(RowCount() - 2);
    SaveCellState(RealCol(), Row());
    p->FGridModified = true;
    CalcFooter(-1);
    return true;
}

void TExStringGrid::selectAllByKey() {
    const int lastNormalRow = RowCount() - FixedFooters() - 1;
    TGridRect r{FirstNormalCol(), FixedRows(), ColCount() - FixedRightCols() - 1, lastNormalRow};
    if (p->MouseActions->DisjunctRowSelect())
        for (int row = FixedRows(); row <= lastNormalRow; ++row) SetRowSelect(row, true);
    KeySelectAll(r);
    SetSelection(r);
    FocusCell(r.Right, r.Bottom);
    SetSelection(r);
}

void TExStringGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    const uint16_t key = Key;
    p->FLastKeyCell = {Col(), Row()};
    TBaseGrid::KeyDown(Key, Shift);
    const TNavigation& nav = *p->Navigation;
    const TGridRect s = Selection();
    const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);

    if ((Shift & ssCtrl) && nav.CursorMoveRows) {
        const int count = bottom - top + 1;
        if (key == VK_DOWN && bottom < RowCount() - 1) {
            if (count == 1) {
                MoveRow(top, top + 1);
                SetRow(top + 1);
            } else {
                MoveRows(top, top + 1, count);
                SetSelection({FixedCols(), top + 1, ColCount() - 1, bottom + 1});
            }
        } else if (key == VK_UP && top > FixedRows()) {
            if (count == 1) {
                MoveRow(top, top - 1);
                SetRow(top - 1);
            } else {
                MoveRows(top, top - 1, count);
                SetSelection({FixedCols(), top - 1, ColCount() - 1, bottom - 1});
            }
        }
    }

    if (nav.CursorAdvance != caDefault) {
        const bool snake = nav.CursorAdvance == caSnake;
        const int c = p->FLastKeyCell.X, r = p->FLastKeyCell.Y;
        const int lastNormalRow = RowCount() - FixedFooters() - 1;
        const int lastNormalCol = ColCount() - FixedRightCols() - 1;
        if (key == VK_LEFT && c == FixedCols()) {
            FocusCell(lastNormalCol, snake && r > FixedRows() ? r - 1 : r);
        } else if (key == VK_UP && r == FixedRows()) {
            FocusCell(snake && c > FixedCols() ? c - 1 : c, lastNormalRow);
        } else if (key == VK_RIGHT && c == ColCount() - 1) {
            FocusCell(FixedCols(), snake && r < lastNormalRow ? r + 1 : r);
        } else if (key == VK_DOWN && r == RowCount() - 1) {
            FocusCell(snake && c < lastNormalCol ? c + 1 : c, FixedRows());
        }
    }

    // A refused move onto a disabled row goes on to the nearest enabled one.
    if (UseEnabledRows() && nav.SkipDisabledRows && Row() == p->FLastKeyCell.Y) {
        if (key == VK_UP) {
            for (int r = Row() - 1; r >= FixedRows(); --r)
                if (RowEnabled(r)) {
                    FocusCell(Col(), r);
                    break;
                }
        } else if (key == VK_DOWN) {
            for (int r = Row() + 1; r < RowCount(); ++r)
                if (RowEnabled(r)) {
                    FocusCell(Col(), r);
                    break;
                }
        }
    }
}

void TExStringGrid::WMChar(TMessage& m) {
    QChar ch(static_cast<char16_t>(m.WParam));
    const TMouseActions& mouse = *p->MouseActions;
    const int realCol = RealCol(), row = Row();
    const QString text = Cells(realCol, row);
    if (EnableHTML && TextType(text, true) == 1 && text.toUpper().contains(QStringLiteral("<CONTROL"))) {
        m.Result = 1;
        return;
    }
    if (mouse.EditOnDblClickOnly()) {
        bool canEdit = false;
        CanEditCell(realCol, row, canEdit);
        if (canEdit) SetOptions(Options() | goEditing);
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    // Ctrl+C, Ctrl+V and Ctrl+X are clipboard keys, not typing.
    if (p->Navigation->AllowClipboardShortCuts && (ctrl || ch.unicode() < 0x20) &&
        isOneOf(ch.unicode(), {3, 22, 24})) {
        m.WParam = 0;
        return;
    }
    if (mouse.RangeSelectAndEdit && !IsControlCell(realCol, row) && CellEditable(Col(), row) && ch != QChar(9) &&
        ch != QChar(27) && !ctrl) {
        p->FStartEditChar = ch;
        SetOptions(Options() | goEditing);
        ScrollInView(Col(), row);
    }
    TBaseGrid::WndProc(m);
}
