#include "config/server/iec61850_variables_form.h"

#include "config/server/iec61850_variables_check.h"
#include "config/tables/row_operations.h"
#include "grid/columngrid/ex_column_grid.h"
#include "common/state/program_state.h"

#include <iterator>

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {

struct TColumnDef {
    int Width;
    TEditorType Editor;
    QStringList Items;
};

// Columns 0 .. 12 in order.
const TColumnDef Column_Defs[] = {
    {30, edNormal, {}},
    {50, edDataCheckBox, {}},
    {150, edNormal, {}},
    {100, edComboList, {"Int", "Float", "Digital (Bit)"}},
    {55, edNormal, {}},
    {65, edDataCheckBox, {}},
    {65, edNormal, {}},
    {65, edComboList, {"0", "1", "2", "3", "4", "5", "6", "7"}},
    {100, edComboList, {"None", "Int to Float", "Float to Int"}},
    {85, edComboEdit, {"None"}},
    {45, edDataCheckBox, {}},
    {75, edDataCheckBox, {}},
    {150, edNormal, {}},
};
constexpr int Column_Count = int(std::size(Column_Defs));

const TTable_Texts Texts{2400,
                         2429,
                         2431,
                         {2414, 2415, 2416, 2417, 2418, 2419, 2420, 2432, 2433, 2434, 2442, 2443, 2421},
                         {2422, 2423, 2424, 2425, 2426, 2427, 2435, 2436, 2437, 2444, 2445, 2428}};

}  // namespace

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner)
    : TTableForm(AOwner, Texts, IEC61850_Variables_File, 1055, 337) {}

TExStringGrid* TFIEC61850_Variables::Build_Grid(int Left, int Top, int Width, int Height) {
    ACG = new TExColumnGrid(this);
    ACG->Name = "ACG";
    ACG->SetBounds(Left, Top, Width, Height);
    ACG->SetParent(this);
    ACG->SetColCount(Column_Count);
    for (int c = 0; c < Column_Count; ++c) {
        TGridColumnItem* column = ACG->Columns().Items(c);
        const TColumnDef& def = Column_Defs[c];
        column->SetWidth(def.Width);
        column->SetEditor(def.Editor);
        for (const QString& item : def.Items) column->ComboItems().Add(item);
        if (def.Editor == edDataCheckBox) column->SetAlignment(taCenter);
    }
    ACG->Columns().Items(0)->ReadOnly = true;
    return ACG;
}

void TFIEC61850_Variables::Init_Table() { ACG->SetRowCount(IEC61850_Variables_File.Rows + 1); }

QString TFIEC61850_Variables::File_Name() const { return File_IEC61850_Variables; }

void TFIEC61850_Variables::Set_Headers(const QStringList& Headers) {
    for (int c = 0; c < Headers.size() && c < ACG->Columns().Count(); ++c) ACG->Columns().Items(c)->SetHeader(Headers[c]);
}

void TFIEC61850_Variables::Prepare_Show() { NByte_IN = IEC61850_NByte_IN; }

QStringList TFIEC61850_Variables::Row_Texts(int Row) {
    QStringList texts;
    for (int c = icEnable; c <= icMnemonic; ++c) texts << ACG->GetCellEx(c, Row);
    return texts;
}

void TFIEC61850_Variables::Set_Row_Texts(int Row, const QStringList& Texts) {
    for (int c = icEnable; c <= icMnemonic; ++c) ACG->SetCellEx(c, Row, Texts.value(c - 1));
}

void TFIEC61850_Variables::Paste_Row(int Row) { Grid_Paste_Row(*ACG, Row, Do_Copy); }

bool TFIEC61850_Variables::Controllo_dati() {
    const std::optional<TRow_Fault> fault = Check_IEC61850_Variables(Used_Rows(), NByte_IN);
    return !fault || Row_Error(fault->Row, fault->Text_Id, fault->Suffix);
}
