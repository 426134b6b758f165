// The editors of fixed cells, and how the grid opens them.
#include "grid/stringgrid/inplace/grid_trans_editors.h"

#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/string_list.h"

namespace {

// Validates and writes the editor's text; false keeps the editor open on its cell.
bool stopFixedEdit(TWinControl& Editor, TExStringGrid* Grid, int ACol, int ARow, const QString& Text, bool& Stopping) {
    // The cell being written may make the grid close its edits: this one is closing already.
    if (Stopping) return true;
    if (!Grid) {
        Editor.Hide();
        return true;
    }
    QString value = Text;
    bool valid = true;
    Grid->OnCellValidate(Grid, ACol, ARow, value, valid);
    if (!valid) {
        // The grid's current cell follows where it can: a fixed cell is never current.
        const int col = Grid->RealToDisplCol(ACol);
        if (col >= Grid->FixedCols() && col < Grid->ColCount()) Grid->SetCol(col);
        if (ARow >= Grid->FixedRows() && ARow < Grid->RowCount()) Grid->SetRow(ARow);
        Editor.SetFocus();
        return false;
    }
    Stopping = true;
    Grid->OnEditingDone(Grid);
    Grid->SetCellEx(ACol, ARow, value);
    Editor.Hide();
    Stopping = false;
    return true;
}

}  // namespace

// ---- TGridTransEdit

TGridTransEdit::TGridTransEdit(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FGrid(static_cast<TExStringGrid*>(dynamic_cast<TWinControl*>(AOwner))) {
    SetVisible(false);
}

bool TGridTransEdit::StopEdit() { return stopFixedEdit(*this, FGrid, Col, Row, Text(), FStopping); }

void TGridTransEdit::KeyPress(QChar& Key) {
    if (Key == QChar('\r')) Key = QChar();
    TCustomMaskEdit::KeyPress(Key);
}

void TGridTransEdit::DoExit() {
    TCustomMaskEdit::DoExit();
    if (Visible()) StopEdit();
}

// ---- TGridTransCombo

TGridTransCombo::TGridTransCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FGrid(static_cast<TExStringGrid*>(dynamic_cast<TWinControl*>(AOwner))) {
    SetVisible(false);
}

bool TGridTransCombo::StopEdit() { return stopFixedEdit(*this, FGrid, Col, Row, Text(), FStopping); }

void TGridTransCombo::KeyPress(QChar& Key) {
    if (Key == QChar('\r')) Key = QChar();
    TCustomComboBox::KeyPress(Key);
}

void TGridTransCombo::DoExit() {
    TCustomComboBox::DoExit();
    if (Visible()) StopEdit();
}

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
