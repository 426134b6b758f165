// The least answers of the grid's editing operations that the in-place editors call, until the
// grid's editing half (the edit life cycle, the navigation after an edit, the Tab key) gives
// them their whole behaviour and takes their place.
#include "grid/stringgrid/inplace/edit_link.h"
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/inplace/grid_check_box_editor.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/inplace/typing_filter.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {

void placeOver(TExStringGrid& grid, TWinControl& control, int ACol, int ARow) {
    const TRect r = grid.CellRect(ACol, ARow);
    control.SetBounds(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
    control.SetEnabled(true);
    control.SetVisible(true);
    control.SetFocus();
}

}  // namespace

void TExStringGrid::ShowEditControl(int ACol, int ARow) {
    p->FEditing = true;
    p->FEditActive = true;
    if (p->EditControl != edCustom) p->FLastValidation = true;
    const int realCol = RealColIndex(ACol);
    const QString text = GetCellEx(realCol, ARow);
    switch (p->EditControl) {
    case edCustom:
        if (EditLink) EditLink->ShowInGrid(*this, ACol, ARow, Color(), Font(), p->FStartEditChar);
        break;
    case edComboEdit:
    case edComboList: {
        p->EditMode = true;
        TGridCombo& combo = *Combobox();
        combo.SetStyle(p->EditControl == edComboList ? csDropDownList : csDropDown);
        DoGetEditorProp(realCol, ARow, nullptr);
        if (p->EditControl == edComboList) combo.SetItemIndex(static_cast<int>(combo.Items().indexOf(text)));
        else combo.SetText(text);
        placeOver(*this, combo, ACol, ARow);
        break;
    }
    case edSpinEdit:
    case edFloatSpinEdit: {
        p->EditMode = true;
        TGridSpin& spin = *SpinEdit();
        spin.SetSpinType(p->EditControl == edSpinEdit ? sptNormal : sptFloat);
        DoGetEditorProp(realCol, ARow, nullptr);
        spin.SetText(text);
        placeOver(*this, spin, ACol, ARow);
        break;
    }
    case edCheckBox:
        p->EditMode = true;
        if (!p->EditCheck) {
            p->EditCheck = new TGridCheckBox(this);
            p->EditCheck->SetParent(this);
        }
        p->EditCheck->SetCaption(text);
        p->EditCheck->SetChecked(false);
        placeOver(*this, *p->EditCheck, ACol, ARow);
        break;
    default:
        break;
    }
    p->FStartEditChar = QChar();
}

void TExStringGrid::HideEditControl(int ACol, int ARow) {
    const int realCol = RealColIndex(ACol);
    p->FStartEditChar = QChar();
    switch (p->EditControl) {
    case edCustom:
        if (EditLink) EditLink->HideInGrid();
        break;
    case edComboEdit:
    case edComboList:
        if (p->EditMode && p->EditCombo) {
            p->EditMode = false;
            CommitEditValue(realCol, ARow, p->EditCombo->Text());
            p->EditCombo->SetVisible(false);
            p->EditCombo->SetEnabled(false);
        }
        break;
    case edSpinEdit:
    case edFloatSpinEdit:
        p->EditMode = false;
        if (p->FEditSpin) {
            CommitEditValue(realCol, ARow, p->FEditSpin->Text());
            p->FEditSpin->SetEnabled(false);
            p->FEditSpin->SetVisible(false);
        }
        break;
    case edCheckBox:
        if (p->EditCheck) {
            p->EditCheck->SetEnabled(false);
            p->EditCheck->SetVisible(false);
        }
        p->EditMode = false;
        break;
    default:
        break;
    }
    if (p->EditControl != edNormal && p->FEditActive) DoEditingDone(realCol, ARow);
    p->FEditActive = false;
}

void TExStringGrid::ShowInplaceEdit() {
    if (IsControlCell(RealCol(), Row())) return;
    ShowEditor();
}

void TExStringGrid::ShowEditor() {
    if (!IsTextEditorKind(p->EditControl)) {
        ShowEditControl(Col(), Row());
        return;
    }
    if (!p->FNormalEdit) {
        p->FNormalEdit = new TExInplaceEdit(this);
        p->FNormalEdit->SetParent(this);
    }
    p->FCellCache = GetCurrentCell();
    p->EditMode = true;
    p->FEditing = true;
    p->FNormalEdit->UpdateContents();
    p->FNormalEdit->BoundsChanged();
    p->FNormalEdit->SetVisible(true);
    p->FNormalEdit->SetFocus();
}

void TExStringGrid::DoEditingDone(int ACol, int ARow) {
    OnEditingDone(this);
    p->EditMode = false;
    PostMessage(this, RegisterWindowMessage(QStringLiteral("GridEditDone")), ACol, ARow);
}

void TExStringGrid::DoneInplaceEdit(uint16_t& Key, TShiftState Shift) {
    p->FEditing = false;
    HideInplaceEdit();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) KeyDown(Key, Shift);
    TNavigation& nav = Navigation();
    const bool alwaysEdit = nav.AlwaysEdit;
    nav.AlwaysEdit = false;
    SetFocus();
    if (Key == VK_RETURN) AdvanceCell(Col(), Row(), false, false, true, true, false);
    nav.AlwaysEdit = alwaysEdit;
}

void TExStringGrid::AdvanceCell(int ACol, int ARow, bool Edit, bool, bool Forward, bool FromEditor, bool ByTab) {
    TNavigation& nav = Navigation();
    if (!nav.AdvanceOnEnter && !ByTab) return;
    int c = ACol, r = ARow;
    const int first = FixedCols();
    const int last = ColCount() - FixedRightCols() - 1;
    if (Forward) {
        if (c + CellSpan(RealColIndex(c), r).X < last) {
            c += CellSpan(RealColIndex(c), r).X + 1;
        } else if (nav.AdvanceDirection() == adLeftRight && r < RowCount() - 1) {
            ++r;
            c = first;
        }
    } else if (c > first) {
        --c;
    } else if (r > FixedRows()) {
        --r;
        c = last;
    }
    SetCol(c);
    SetRow(r);
    if (Edit && FromEditor && nav.AdvanceAutoEdit) ShowInplaceEdit();
}

bool TExStringGrid::TabNavigate(bool Backward) {
    const int c = Col(), r = Row();
    AdvanceCell(c, r, false, false, !Backward, false, true);
    return c != Col() || r != Row();
}
