// The editor control of each editor kind: shown over the cell with its value, kept there while
// the grid scrolls or sizes, and committed back into the cell when the edit ends.
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/editing/editor_kinds.h"
#include "grid/stringgrid/editing/editor_placement.h"
#include "grid/stringgrid/inplace/edit_link.h"
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/inplace/ex_rich_edit.h"
#include "grid/stringgrid/inplace/grid_button.h"
#include "grid/stringgrid/inplace/grid_button_editors.h"
#include "grid/stringgrid/inplace/grid_check_box_editor.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_date_editors.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/system/date_time_text.h"

namespace {

// The background the painter gives the cell, and its font.
TColor cellLook(TExStringGrid& grid, int ACol, int ARow, TFont& font) {
    TGridDrawState state = 0;
    TBrush brush;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd{};
    grid.GetVisualProperties(ACol, ARow, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va,
                             ww, gd);
    return brush.Color;
}

}  // namespace

TInplaceEdit* TExStringGrid::CreateEditor() {
    p->FNormalEdit = new TExInplaceEdit(this);
    return p->FNormalEdit;
}

TGridCheckBox* TExStringGrid::checkEditor() {
    if (!p->EditCheck) {
        p->EditCheck = new TGridCheckBox(this);
        p->EditCheck->SetParent(this);
        PutAway(*p->EditCheck);
    }
    return p->EditCheck;
}

bool TExStringGrid::SetComboSelection(int Index) {
    if (Index < -1 || Index >= Combobox()->Count()) return false;
    p->FComboIdx = Index;
    return true;
}

bool TExStringGrid::SetComboSelectionString(const QString& S) {
    const int index = static_cast<int>(Combobox()->Items().indexOf(S));
    return index >= 0 && SetComboSelection(index);
}

void TExStringGrid::ShowEditControl(int ACol, int ARow) {
    p->FEditing = p->FSpecialEditor = p->FEditActive = true;
    const TRect r = ControlRect(*this, ACol, ARow);
    const int realCol = RealColIndex(ACol);
    const QString editText = GetEditText(ACol, ARow);
    TFont font;
    const TColor color = cellLook(*this, ACol, ARow, font);
    if (GridState() == gsEditing) SetGridState(gsNormal);
    p->EditCtrl = nullptr;
    if (p->EditControl != edCustom) p->FLastValidation = true;
    const QChar start = p->FStartEditChar;
    p->EditMode = true;

    switch (p->EditControl) {
    case edComboEdit:
    case edComboList: {
        TGridCombo& combo = *Combobox();
        const bool list = p->EditControl == edComboList;
        combo.DropDownCount = p->ControlLook->DropDownCount;
        DoGetEditorProp(realCol, ARow, nullptr);
        combo.SetDroppedDown(false);
        combo.SetStyle(list ? csDropDownList : csDropDown);
        bool unmatched = false;
        if (list) {
            int index = static_cast<int>(combo.Items().indexOf(GetCellEx(realCol, ARow)));
            if (index < 0 && p->FComboIdx == -1) {
                index = static_cast<int>(combo.Items().indexOf(editText));
                if (index < 0) {
                    index = 0;
                    unmatched = true;
                }
            } else if (index < 0) {
                index = p->FComboIdx;
            }
            combo.SetItemIndex(index < combo.Count() ? index : -1);
            // The preset serves one edit.
            p->FComboIdx = -1;
        } else {
            combo.SetText(editText);
            if (p->FComboIdx != -1 && combo.ItemIndex() < 0) combo.SetItemIndex(p->FComboIdx);
            p->FComboIdx = -1;
            combo.MaxLength = MaxComboLength;
        }
        const bool flat = Look == glSoft || Look == glDUD || Look == glXP || Look == glListView || Look == glVista ||
                          Look == glWin7 || Look == glOffice2007;
        combo.SetFlat(flat);
        combo.SetEtched(flat);
        if (p->Navigation->AutoComboDropSize) combo.SizeDropDownWidth();
        ShowOver(combo, r, color, start);
        if (p->MouseActions->DirectComboDrop || p->ControlLook->DropDownAlwaysVisible) combo.SetDroppedDown(true);
        if (p->MouseActions->DirectEdit && p->MouseActions->DirectComboDrop) {
            const TGridRect s = Selection();
            DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
        }
        p->EditCtrl = &combo;
        if (unmatched && combo.Count() > 0) {
            const QString first = combo.Items().at(0);
            OnComboChange(this, realCol, ARow, 0, first);
            OnComboObjectChange(this, realCol, ARow, 0, first, combo.Objects(0));
        }
        break;
    }
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
        TGridSpin& spin = *SpinEdit();
        spin.ReCreate();
        spin.ExcelStyleDecimalSeparator = ExcelStyleDecimalSeparator;
        DoGetEditorProp(realCol, ARow, nullptr);
        switch (p->EditControl) {
        case edSpinEdit:
            spin.SetSpinType(sptNormal);
            spin.SetValue(editText.trimmed().toInt());
            break;
        case edFloatSpinEdit:
            spin.SetSpinType(sptFloat);
            spin.SetFloatValue(ExtractNumber(editText).toDouble());
            break;
        case edTimeSpinEdit:
            spin.SetSpinType(sptTime);
            spin.SetText(editText);
            break;
        default: {
            spin.SetSpinType(sptDate);
            TDateTime date = 0;
            spin.SetDateValue(!editText.isEmpty() && TryStrToDate(editText, date) ? date : Now());
            break;
        }
        }
        ShowOver(spin, r, color, start);
        if (p->FSpinUpClick) spin.IncreaseValue(false);
        if (p->FSpinDnClick) spin.DecreaseValue(false);
        p->FSpinUpClick = p->FSpinDnClick = false;
        p->EditCtrl = &spin;
        break;
    }
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: {
        TGridEditBtn& edit = *BtnEdit();
        edit.SetEditMask(p->EditControl == edMaskEditBtn ? GetEditMask(realCol, ARow) : QString());
        edit.SetText(editText);
        edit.MaxLength = GetEditLimit();
        ShowOver(edit, r, color, start);
        p->EditCtrl = &edit;
        break;
    }
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: {
        TGridUnitEditBtn& edit = *BtnUnitEdit();
        edit.MaxLength = GetEditLimit();
        edit.SetUnitID(QString());
        edit.SetText(QString());
        DoGetEditorProp(realCol, ARow, nullptr);
        edit.SetText(editText);
        edit.SetTextAndUnit(editText);
        ShowOver(edit, r, color, start);
        p->EditCtrl = &edit;
        break;
    }
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
    case edDateTimeEdit:
    case edButton:
        showDateOrButtonControl(ACol, ARow, color, start);
        break;
    case edCheckBox: {
        TGridCheckBox& check = *checkEditor();
        check.ReCreate();
        check.SetCaption(editText);
        check.SetChecked(false);
        ShowOver(check, r, clNone, QChar());
        break;
    }
    case edRichEdit: {
        TExRichEdit& rich = *InplaceRichEdit();
        rich.ReCreate();
        DoGetEditorProp(realCol, ARow, nullptr);
        // Loading the cell sizes no row.
        rich.Lock();
        CellToRich(realCol, ARow, rich);
        rich.Modified = false;
        if (p->Navigation->EditSelectAll) rich.SelectAll();
        else rich.SetSelStart(int(rich.Text().size()));
        ShowOver(rich, r, color, start);
        rich.Unlock();
        p->EditCtrl = &rich;
        break;
    }
    case edCustom:
        if (EditLink) {
            EditLink->ShowInGrid(*this, ACol, ARow, color, font, start);
            p->EditCtrl = EditLink->GetEditControl();
        } else {
            p->FEditActive = false;
        }
        break;
    default:
        if (TExCustomDropDown* dropDown = dropDownEditor(p->EditControl)) {
            showDropDownControl(*dropDown, ACol, ARow, color, start);
            break;
        }
        // Kinds without a control of their own (a data check box, or a kind whose control
        // this build lacks) open the edit with nothing shown.
        p->FEditActive = false;
        break;
    }
    p->FStartEditChar = QChar();
}

TWinControl* TExStringGrid::shownEditControl() const {
    if (!p->EditMode) return nullptr;
    if (IsComboKind(p->EditControl)) return p->EditCombo;
    if (IsSpinKind(p->EditControl)) return p->FEditSpin;
    if (p->EditControl == edCheckBox) return p->EditCheck;
    if (IsEditButtonKind(p->EditControl)) return p->EditBtn;
    if (IsUnitKind(p->EditControl)) return p->UnitEditBtn;
    if (IsDateKind(p->EditControl)) return p->FEditDate;
    if (p->EditControl == edDateTimeEdit) return p->FEditDateTime;
    if (p->EditControl == edButton) return p->GridButton;
    if (p->EditControl == edCustom && EditLink) return EditLink->GetEditControl();
    if (p->EditControl == edRichEdit) return p->FInplaceRichEdit;
    return shownDropDown();
}

void TExStringGrid::PlaceEditControl(int ACol, int ARow) {
    if (p->EditControl == edCustom && EditLink) {
        EditLink->PlaceOnCell();
        return;
    }
    TWinControl* control = shownEditControl();
    if (!control) return;
    TRect r = ControlRect(*this, ACol, ARow);
    // The button covers the grid lines too.
    if (p->EditControl == edButton) r = {r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
    control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TExStringGrid::HideEditControl(int ACol, int ARow) {
    if (FDestroying) return;
    p->FSpecialEditor = false;
    p->FBlockKill = true;
    p->FStartEditChar = QChar();
    const int realCol = RealColIndex(ACol);
    // Writes an open control's value (when it has one to write) and puts the control away.
    const auto commitAndPutAway = [&](TWinControl* Control, bool Write, auto Value) {
        if (p->EditMode && Control) {
            p->EditMode = false;
            if (Write) CommitEditValue(realCol, ARow, Value());
            PutAway(*Control);
        }
        p->EditMode = false;
    };
    switch (p->EditControl) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
        p->EditMode = false;
        if (!p->FEditSpin) break;
        TGridSpin& spin = *p->FEditSpin;
        if (spin.AllowEmptyValue && spin.Text().trimmed().isEmpty()) CommitEditValue(realCol, ARow, QString());
        else if (p->EditControl == edSpinEdit) SetInts(realCol, ARow, spin.Value());
        else if (p->EditControl == edFloatSpinEdit) SetFloats(realCol, ARow, spin.FloatValue());
        else if (p->EditControl == edTimeSpinEdit) CommitEditValue(realCol, ARow, spin.Text());
        else SetDates(realCol, ARow, spin.DateValue());
        PutAway(spin);
        break;
    }
    case edComboEdit:
    case edComboList:
        if (!p->EditMode || !p->EditCombo) break;
        p->EditMode = false;
        // A list with no item selected (Escape took the combo back to a cell text that is no
        // item) holds no value: the cell keeps its text rather than being emptied.
        if (p->EditControl == edComboEdit || p->EditCombo->ItemIndex() >= 0)
            CommitEditValue(realCol, ARow, p->EditCombo->Text());
        PutAway(*p->EditCombo);
        break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        commitAndPutAway(p->EditBtn, true, [&] { return p->EditBtn->MaskedText(); });
        break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        commitAndPutAway(p->UnitEditBtn, true, [&] { return p->UnitEditBtn->TextAndUnit(); });
        break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
    case edDateTimeEdit:
    case edButton:
        hideDateOrButtonControl(realCol, ARow);
        break;
    case edCheckBox:
        if (p->EditCheck) PutAway(*p->EditCheck);
        p->EditMode = false;
        break;
    case edRichEdit:
        // Only an edited text is written back: the cell keeps its own rich text otherwise.
        commitAndPutAway(p->FInplaceRichEdit, p->FInplaceRichEdit && p->FInplaceRichEdit->Modified,
                         [&] { return RichToString(*p->FInplaceRichEdit); });
        break;
    case edCustom:
        if (p->ControlLook->DropDownAlwaysVisible) QueryEditorType(realCol, ARow, p->EditControl);
        if (EditLink && p->EditMode) EditLink->HideInGrid();
        p->EditMode = false;
        break;
    default:
        if (TExCustomDropDown* dropDown = shownDropDown()) hideDropDownControl(*dropDown, realCol, ARow);
        p->EditMode = false;
        break;
    }
    p->EditCtrl = nullptr;
    if (p->EditControl != edNormal && p->FEditActive) DoEditingDone(realCol, ARow);
    p->FBlockKill = false;
    p->FEditActive = false;
}
