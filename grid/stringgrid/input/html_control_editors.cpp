// The editors of form controls in cells, and how the grid opens and closes them.
#include "grid/stringgrid/input/html_control_editors.h"

#include "grid/foundation/grid_options.h"
#include "grid/foundation/html_controls.h"
#include "grid/foundation/html_renderer.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/string_list.h"

TControlEdit::TControlEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) { SetVisible(false); }

void TControlEdit::WndProc(TMessage& m) {
    // Tab stays with the box; Enter is left to its key press.
    if (m.Msg == WM_GETDLGCODE && (m.WParam == VK_TAB || m.WParam == VK_RETURN)) {
        m.Result = m.WParam == VK_TAB ? int(DLGC_WANTTAB) : 0;
        return;
    }
    TCustomMaskEdit::WndProc(m);
}

void TControlEdit::KeyPress(QChar& Key) {
    if (auto* grid = dynamic_cast<TExStringGrid*>(Parent()); grid && grid->ControlEditKey(*this, Key)) return;
    TCustomMaskEdit::KeyPress(Key);
}

TControlCombo::TControlCombo(TComponent* AOwner) : TAsgComboBox(AOwner) { SetVisible(false); }

void TControlCombo::WndProc(TMessage& m) {
    if (m.Msg == WM_GETDLGCODE && m.WParam == VK_TAB) {
        m.Result = DLGC_WANTTAB;
        return;
    }
    TAsgComboBox::WndProc(m);
}

void TControlCombo::KeyPress(QChar& Key) {
    if (auto* grid = dynamic_cast<TExStringGrid*>(Parent()); grid && grid->ControlEditKey(*this, Key)) return;
    TAsgComboBox::KeyPress(Key);
}

TControlEdit* TExStringGrid::ControlEdit() {
    if (!p->FEditControl) {
        p->FEditControl = new TControlEdit(this);
        p->FEditControl->OnExit = [this](TObject* Sender) { ControlEditExit(Sender); };
    }
    return p->FEditControl;
}

TControlCombo* TExStringGrid::ControlCombo() {
    if (!p->FComboControl) {
        p->FComboControl = new TControlCombo(this);
        p->FComboControl->OnExit = [this](TObject* Sender) { ControlEditExit(Sender); };
        p->FComboControl->OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
    }
    return p->FComboControl;
}

bool TExStringGrid::ControlEditKey(TWinControl& Editor, QChar& Key) {
    if (Key != QChar('\r') && Key != QChar('\t')) return false;
    const bool tab = Key == QChar('\t');
    Key = QChar();
    const QString id = p->FCtrlID;
    const TPoint cell = p->FCtrlXY;
    Editor.OnExit(&Editor);
    if (!tab) {
        if (CanFocus()) SetFocus();
    } else if (Navigation().AdvanceAuto()) {
        AdvanceCell(Col(), Row(), true, false, true, false, true);
    } else {
        EditNextHTMLControl(RealToDisplCol(cell.X), cell.Y, id);
    }
    return true;
}

void TExStringGrid::StartControlEdit(const QString& CellText, const QString& CtrlType, int ARow, int RealCol,
                                     int /*ACol*/, TRect CtrlRect, const QString& CtrlValue, const QString& CtrlID) {
    const bool textBox = CtrlType == "EDIT" || CtrlType == "PASSWORD" || CtrlType == "MASK";
    if (!textBox && CtrlType != "COMBO") return;
    p->FCtrlXY = {RealCol, ARow};
    p->FCtrlID = CtrlID;
    p->FCtrlType = CtrlType;
    p->FCtrlEditing = true;
    if (textBox) {
        TControlEdit& edit = *ControlEdit();
        edit.SetWidth(0);
        edit.SetPasswordChar(CtrlType == "PASSWORD" ? QChar('*') : QChar());
        edit.SetEditMask(CtrlType == "MASK" ? GetHTMLControlProp(CellText, CtrlID) : QString());
        edit.SetText(CtrlValue);
        edit.SetBorderStyle(bsNone);
        edit.SetParent(this);
        edit.SetBounds(CtrlRect.Left + 1, CtrlRect.Top + 8, CtrlRect.Width() - 4, 14);
        edit.MaxLength = GetHTMLControlMaxLen(CellText, CtrlID);
        edit.Show();
        edit.SetFocus();
        return;
    }
    TControlCombo& combo = *ControlCombo();
    combo.SetWidth(0);
    combo.SetIsWinXP(p->FIsWinXP);
    combo.SetFlat(false);
    combo.SetParent(this);
    combo.SetBounds(CtrlRect.Left - 1, CtrlRect.Top + 4, CtrlRect.Width(), combo.Height());
    bool editable = true;
    int dropCount = 8;
    TStringList values;
    OnControlComboList(this, ARow, RealCol, CtrlID, CtrlType, CtrlValue, &values, editable, dropCount);
    combo.SetItems(values.ToStringList());
    combo.SetStyle(editable ? csDropDown : csDropDownList);
    combo.SetItemIndex(static_cast<int>(combo.Items().indexOf(CtrlValue)));
    if (editable) combo.SetText(CtrlValue);
    combo.DropDownCount = dropCount;
    combo.SetHeight(combo.ItemHeight() * (dropCount + 2));
    combo.MaxLength = GetHTMLControlMaxLen(CellText, CtrlID);
    combo.Show();
    combo.SetFocus();
    combo.SetDroppedDown(true);
}

void TExStringGrid::ControlEditExit(TObject* /*Sender*/) {
    if (!p->FCtrlEditing) return;
    p->FCtrlEditing = false;
    const TPoint cell = p->FCtrlXY;
    const bool combo = p->FCtrlType == "COMBO";
    TWinControl* editor = combo ? static_cast<TWinControl*>(ControlCombo()) : ControlEdit();
    const QString value = combo ? ControlCombo()->Text() : ControlEdit()->MaskedText();
    QString text = GetCellEx(cell.X, cell.Y);
    if (SetHTMLControlValue(text, p->FCtrlID, value)) SetCellEx(cell.X, cell.Y, text);
    editor->Hide();
    OnControlEditDone(this, cell.Y, cell.X, p->FCtrlID, p->FCtrlType, value);
    p->FCtrlType.clear();
}

void TExStringGrid::ControlComboSelect(TObject* /*Sender*/) {
    if (!OnControlComboSelect) return;
    const TControlCombo& combo = *ControlCombo();
    OnControlComboSelect(this, p->FCtrlXY.Y, p->FCtrlXY.X, combo.ItemIndex(), p->FCtrlID,
                         combo.Items().value(combo.ItemIndex()));
}

void TExStringGrid::EditNextHTMLControl(int ACol, int ARow, const QString& ControlID) {
    const int realCol = RealColIndex(ACol);
    const QString text = GetCellEx(realCol, ARow);
    const QString next = GetNextHTMLControlID(text, ControlID);
    THTMLDrawResults found;
    if (next.isEmpty() || !cellHTMLHitTest(ACol, ARow, -1, -1, found, next)) {
        if (CanFocus()) SetFocus();
        return;
    }
    StartControlEdit(text, found.ControlType, ARow, realCol, ACol, found.ControlRect, found.ControlValue, next);
}
