// The grid's editor controls as its public properties give them: each made on first use, owned
// by the grid and reused for every edit.
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/inplace/grid_button.h"
#include "grid/stringgrid/inplace/grid_button_editors.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_date_editors.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

TExInplaceEdit* TExStringGrid::NormalEdit() const { return p->FNormalEdit; }

TGridCombo* TExStringGrid::Combobox() {
    if (!p->EditCombo) {
        p->EditCombo = new TGridCombo(this);
        p->EditCombo->SetVisible(false);
        p->EditCombo->SetEnabled(false);
        p->EditCombo->SetParent(this);
    }
    return p->EditCombo;
}

TGridSpin* TExStringGrid::SpinEdit() {
    if (!p->FEditSpin) {
        p->FEditSpin = new TGridSpin(this);
        p->FEditSpin->SetParent(this);
        p->FEditSpin->SetEnabled(false);
        p->FEditSpin->SetVisible(false);
        p->FEditSpin->SetBorderStyle(bsNone);
    }
    return p->FEditSpin;
}

// Borderless, with the button caption "...".
template <class Editor>
Editor* madeButtonEditor(Editor*& Field, TExStringGrid& Grid) {
    if (!Field) {
        Field = new Editor(&Grid);
        Field->SetParent(&Grid);
        Field->SetVisible(false);
        Field->SetEnabled(false);
        Field->SetBorderStyle(bsNone);
        Field->SetButtonCaption("...");
    }
    return Field;
}

TGridEditBtn* TExStringGrid::BtnEdit() { return madeButtonEditor(p->EditBtn, *this); }
TGridUnitEditBtn* TExStringGrid::BtnUnitEdit() { return madeButtonEditor(p->UnitEditBtn, *this); }

TGridDatePicker* TExStringGrid::DateTimePicker() {
    if (!p->FEditDate) {
        auto* picker = new TGridDatePicker(this);
        picker->SetParent(this);
        picker->SetEnabled(false);
        picker->SetVisible(false);
        picker->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
        picker->OnDropDown = [this](TObject* Sender) { DatePickerDropDown(Sender); };
        picker->OnChange = [this](TObject* Sender) { DatePickerChange(Sender); };
        p->FEditDate = picker;
    }
    return p->FEditDate;
}

TGridDateTimePicker* TExStringGrid::DateAndTimePicker() {
    if (!p->FEditDateTime) {
        auto* picker = new TGridDateTimePicker(this);
        picker->SetParent(this);
        picker->SetVisible(false);
        picker->SetEnabled(false);
        picker->SetAutoTab(true);
        picker->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
        picker->OnTimeChange = [this](TObject* Sender) { DateTimePickerChange(Sender); };
        p->FEditDateTime = picker;
    }
    return p->FEditDateTime;
}

TGridButton* TExStringGrid::Btn() {
    if (!p->GridButton) {
        p->GridButton = new TGridButton(this);
        p->GridButton->SetParent(this);
        p->GridButton->SetVisible(false);
        p->GridButton->SetEnabled(false);
    }
    return p->GridButton;
}

void TExStringGrid::ClearComboString() { Combobox()->ClearItems(); }
void TExStringGrid::AddComboString(const QString& S) { Combobox()->AddItem(S); }
void TExStringGrid::AddComboStringObject(const QString& S, TObject* AObject) { Combobox()->AddItemObject(S, AObject); }

bool TExStringGrid::RemoveComboString(const QString& S) {
    const int i = static_cast<int>(Combobox()->Items().indexOf(S));
    if (i < 0) return false;
    Combobox()->DeleteItem(i);
    return true;
}

int TExStringGrid::GetComboCount() { return Combobox()->Count(); }

int TExStringGrid::ComboIndex(int ACol, int ARow) {
    DoGetEditorProp(ACol, ARow, nullptr);
    return static_cast<int>(Combobox()->Items().indexOf(GetCellEx(ACol, ARow)));
}

void TExStringGrid::SetComboIndex(int ACol, int ARow, int Value) {
    DoGetEditorProp(ACol, ARow, nullptr);
    if (Value < 0 || Value >= Combobox()->Count()) return;
    SetCellEx(ACol, ARow, Combobox()->Items().at(Value));
}

int TExStringGrid::GetEditLimit() { return MaxEditLength(); }

bool TExStringGrid::WantsTabFromEditor() {
    return (Options() & goTabs) || OnCellValidate || OnCellValidateWide;
}
