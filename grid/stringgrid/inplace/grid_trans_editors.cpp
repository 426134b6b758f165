// The editors of fixed cells, and how the grid opens them.
#include "grid/stringgrid/inplace/grid_trans_editors.h"

#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/string_list.h"

template <class Base>
TGridTransEditor<Base>::TGridTransEditor(TComponent* AOwner)
    : Base(AOwner), FGrid(static_cast<TExStringGrid*>(dynamic_cast<TWinControl*>(AOwner))) {
    this->SetVisible(false);
}

template <class Base>
bool TGridTransEditor<Base>::StopEdit() {
    if (FStopping) return true;
    if (!FGrid) {
        this->Hide();
        return true;
    }
    QString value = this->Text();
    bool valid = true;
    FGrid->OnCellValidate(FGrid, Col, Row, value, valid);
    if (!valid) {
        // The grid's current cell follows where it can: a fixed cell is never current.
        const int col = FGrid->RealToDisplCol(Col);
        if (col >= FGrid->FixedCols() && col < FGrid->ColCount()) FGrid->SetCol(col);
        if (Row >= FGrid->FixedRows() && Row < FGrid->RowCount()) FGrid->SetRow(Row);
        this->SetFocus();
        return false;
    }
    FStopping = true;
    FGrid->OnEditingDone(FGrid);
    FGrid->SetCellEx(Col, Row, value);
    this->Hide();
    FStopping = false;
    return true;
}

template <class Base>
void TGridTransEditor<Base>::KeyPress(QChar& Key) {
    if (Key == QChar('\r')) Key = QChar();
    Base::KeyPress(Key);
}

template <class Base>
void TGridTransEditor<Base>::DoExit() {
    Base::DoExit();
    if (this->Visible()) StopEdit();
}

template class TGridTransEditor<TCustomMaskEdit>;
template class TGridTransEditor<TCustomComboBox>;

// ---- the grid's side

bool TExStringGrid::stopFixedCellEdit() {
    if (p->EditTrans && p->EditTrans->Visible() && !p->EditTrans->StopEdit()) return false;
    return !(p->ComboTrans && p->ComboTrans->Visible() && !p->ComboTrans->StopEdit());
}

void TExStringGrid::EditFixedCell(int ACol, int ARow) {
    if (!stopFixedCellEdit()) return;
    bool allow = true;
    OnCanEditCell(this, ARow, ACol, allow);
    if (!allow) return;
    p->FFixedEditCol = ACol;
    p->FFixedEditRow = ARow;
    const TMouseActions& mouse = *p->MouseActions;
    TGridFixedCellEditor kind = ACol == 0 ? mouse.FixedColsEditor : mouse.FixedRowsEditor;
    TStringList values;
    values.Assign(mouse.FixedComboValues());
    DoFixedEdit(ACol, ARow, kind, &values);
    TRect r = CellRect(ACol, ARow);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    const int realCol = RealColIndex(ACol);
    const QString text = GetCellEx(realCol, ARow);
    auto change = [this](TObject* Sender) { FixedEditChange(Sender); };
    if (kind == fceComboEdit || kind == fceComboList) {
        if (!p->ComboTrans) {
            p->ComboTrans = new TGridTransCombo(this);
            p->ComboTrans->SetParent(this);
        }
        TGridTransCombo& combo = *p->ComboTrans;
        combo.SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height());
        combo.SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
        combo.SetItems(values.ToStringList());
        if (kind == fceComboEdit) combo.SetText(text);
        else combo.SetItemIndex(int(combo.Items().indexOf(text)));
        combo.OnChange = change;
        combo.Col = realCol;
        combo.Row = ARow;
        combo.Show();
        combo.SetFocus();
        return;
    }
    if (!p->EditTrans) {
        p->EditTrans = new TGridTransEdit(this);
        p->EditTrans->SetParent(this);
        p->EditTrans->SetBorderStyle(bsNone);
    }
    TGridTransEdit& edit = *p->EditTrans;
    edit.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    edit.SetText(text);
    edit.OnChange = change;
    edit.Col = realCol;
    edit.Row = ARow;
    edit.Show();
    edit.SetFocus();
}
