#include "config/server/iec61850_variables_form.h"

#include "config/server/iec61850_variables_check.h"
#include "grid/columngrid/ex_column_grid.h"
#include "common/state/program_state.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {

// Columns 0 .. 12 in order.
const std::vector<TColumn_Def> Column_Defs = {
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

const TTable_Texts Texts{2400,
                         2429,
                         2431,
                         {2414, 2415, 2416, 2417, 2418, 2419, 2420, 2432, 2433, 2434, 2442, 2443, 2421},
                         {2422, 2423, 2424, 2425, 2426, 2427, 2435, 2436, 2437, 2444, 2445, 2428},
                         2446};

}  // namespace

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner)
    : TColumnTableForm(AOwner, Texts, IEC61850_Variables_File, 1055, 337, "ACG", Column_Defs) {}

QString TFIEC61850_Variables::File_Name() const { return File_IEC61850_Variables; }

void TFIEC61850_Variables::Prepare_Show() { NByte_IN = IEC61850_NByte_IN; }

bool TFIEC61850_Variables::Controllo_dati() {
    return Report(Check_IEC61850_Variables(Used_Rows(), NByte_IN));
}
