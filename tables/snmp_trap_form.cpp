#include "tables/snmp_trap_form.h"

#include "tables/snmp_trap_check.h"
#include "grid/columngrid/ex_column_grid.h"
#include "common/state/program_state.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

const TTable_Groups_File SNMP_Trap_File{
    "SNMP_Trap",
    "SW_VERSION = 1.001",
    {{"SNMP_Trap_Read",
      {{"Enable", "Y"}, {"Community_Name", ""}, {"Type", ""}, {"On_Change", "N"}, {"On_Command", "N"},
       {"On_Timer", "N"}, {"Time", ""}, {"Position", ""}, {"Bit", ""}, {"NumBits", ""}, {"Description", ""},
       {"IP_Address", ""}, {"Conversion", "None"}, {"Mnemonic", ""}}},
     {"SNMP_Trap_Write",
      {{"Enable", "Y"}, {"Community_Name", ""}, {"Type", ""}, {"Position", ""}, {"Bit", ""}, {"NumBits", ""},
       {"Description", ""}, {"Conversion", "None"}, {"Mnemonic", ""}}}}};

namespace {

constexpr int Rows = 256;
constexpr int Community_Length = 15;
constexpr int Description_Length = 15;

// The column colours group what belongs together.
constexpr TColor Enable_Color = RGB(0xFF, 0xD8, 0xB0);
constexpr TColor Name_Color = RGB(0xE0, 0xFA, 0xFE);
constexpr TColor Trigger_Color = RGB(0xA8, 0xFF, 0xA8);
constexpr TColor Position_Color = RGB(0xFC, 0xD6, 0xF4);
constexpr TColor Size_Color = RGB(0xFF, 0xFF, 0xA8);
constexpr TColor Description_Color = RGB(0xD5, 0xD5, 0xFF);
constexpr TColor Address_Color = RGB(0xC9, 0xE4, 0xE4);
constexpr TColor Mnemonic_Color = RGB(0xFF, 0xFF, 0xFF);

const QStringList Communities{"Meadow", "Harbour"};
const QStringList Types{"Int", "String"};
const QStringList Bits{"0", "1", "2", "3", "4", "5", "6", "7"};
const QStringList Conversions{"None", "Float", "Float * 10", "Float * 100", "Float / 10", "Float / 100"};

const TColumn_Def Number{40, edNormal, {}};
const TColumn_Def Enable{50, edDataCheckBox, {}, 0, Enable_Color};
const TColumn_Def Community{130, edComboEdit, Communities, Community_Length, Name_Color};
const TColumn_Def Type{60, edComboList, Types, 0, Name_Color};
const TColumn_Def Description{130, edNormal, {}, Description_Length, Description_Color};

TTable_Page readPage() {
    return {"TS_SNMP_Read",
            "ACG_SNMP_Read",
            1408,
            {Number, Enable, Community, Type, {75, edDataCheckBox, {}, 0, Trigger_Color},
             {50, edDataCheckBox, {}, 0, Trigger_Color}, {60, edDataCheckBox, {}, 0, Trigger_Color},
             {65, edNormal, {}, 0, Trigger_Color}, {60, edComboList, {}, 0, Position_Color},
             {60, edComboList, Bits, 0, Position_Color}, {95, edNormal, {}, 0, Size_Color}, Description,
             {120, edNormal, {}, 0, Address_Color}, {100, edComboList, Conversions, 0, Enable_Color},
             {130, edNormal, {}, 0, Mnemonic_Color}},
            {},
            {},
            srCommunity,
            Rows,
            {1416, 1417, 1418, 1419, 1420, 1421, 1422, 1423, 1424, 1425, 1426, 1427, 1428, 1481, 1429},
            {1439, 1440, 1441, 1442, 1443, 1444, 1445, 1446, 1447, 1448, 1449, 1450, 1483, 1451}};
}

TTable_Page writePage() {
    return {"TS_SNMP_Write",
            "ACG_SNMP_Write",
            1409,
            {Number, Enable, Community, Type, {60, edComboList, {}, 0, Position_Color},
             {60, edComboList, Bits, 0, Position_Color}, {95, edNormal, {}, 0, Size_Color}, Description,
             {100, edComboList, Conversions, 0, Enable_Color}, {500, edNormal, {}, 0, Mnemonic_Color}},
            {},
            {},
            swCommunity,
            Rows,
            {1430, 1431, 1432, 1433, 1434, 1435, 1436, 1437, 1482, 1438},
            {1452, 1453, 1454, 1455, 1456, 1457, 1458, 1484, 1459}};
}

}  // namespace

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner)
    : TPagedTableForm(AOwner, {1400, 1410, 1460, 1475}, SNMP_Trap_File, {readPage(), writePage()}, 1256, 337, true) {}

void TFSNMP_Trap_Access::Loaded() {
    TPagedTableForm::Loaded();
    TS_SNMP_Read = Sheet(0);
    TS_SNMP_Write = Sheet(1);
    ACG_SNMP_Read = &Grid(0);
    ACG_SNMP_Write = &Grid(1);
    for (TExColumnGrid* grid : {ACG_SNMP_Read, ACG_SNMP_Write})
        grid->OnCheckBoxClick = [this](TObject* s, int c, int r, bool state) { ACG_SNMP_ReadCheckBoxClick(s, c, r, state); };
}

QString TFSNMP_Trap_Access::File_Name() const { return File_SNMP_Trap; }

void TFSNMP_Trap_Access::Prepare_Show() {
    NByte_IN = SNMP_NByte;
    NByte_OUT = SNMP_NByte;
    Fill_Positions(0, srPosition, NByte_IN);
    Fill_Positions(1, swPosition, NByte_OUT);
}

void TFSNMP_Trap_Access::After_Load() {
    Index_Row_Build(*ACG_SNMP_Read);
    Index_Row_Build(*ACG_SNMP_Write);
}

void TFSNMP_Trap_Access::Index_Row_Build(TExColumnGrid& Grid) {
    int number = 1;
    for (int r = 1; r < Grid.RowCount(); ++r) {
        const bool enabled = Grid.GetCellEx(1, r).toUpper() == QLatin1String("Y");
        Grid.SetCellEx(0, r, enabled ? QString::number(number++) : QString());
    }
}

void TFSNMP_Trap_Access::ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int, bool) {
    const int page = Page_Of(Sender);
    if (page >= 0 && ACol == 1) Index_Row_Build(Grid(page));
}

bool TFSNMP_Trap_Access::Controllo_dati() { return Report(Check_SNMP_Trap(Used_Rows(0), Used_Rows(1), SL_Check_Desc)); }
