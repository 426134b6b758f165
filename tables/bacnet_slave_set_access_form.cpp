#include "tables/bacnet_slave_set_access_form.h"

#include "tables/bacnet_eng_unit_form.h"
#include "tables/bacnet_slave_check.h"
#include "tables/bacnet_units.h"
#include "tables/ede_export.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/core/exception.h"
#include "common/state/program_state.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {

const std::vector<TTable_Column> Columns{{"Data_Type", Required}, {"Eng_Unit", Required}, {"Position", Required},
                                         {"Bit", Required},       {"Length", Required},   {"Swap", "N"},
                                         {"Mnemonic", Required}};

constexpr int Short_Limit = 1000;
constexpr int Long_Limit = 2000;
constexpr int Unit_Column = 2;

const QStringList Read_Types{"Analog Input",      "Analog Value",      "Binary Input",       "Binary Value",
                             "Positive Integer Value", "Large Analog Value", "Integer Value", "Multi State Input",
                             "Multi State Value", "Life Safety Point", "Life Safety Zone", "Access Door",
                             "Accumulator"};
const QStringList Write_Types{"Analog Out",         "Analog Value",  "Binary Out",         "Binary Value",
                              "Positive Integer Value", "Large Analog Value", "Integer Value", "Multi State Output",
                              "Multi State Value",  "Access Door"};
const QStringList Bits{"0", "1", "2", "3", "4", "5", "6", "7"};

TTable_Page page(const char* Sheet, const char* Grid, int Tab, const QStringList& Types, int First_Header) {
    std::vector<int> headers;
    for (int c = 0; c < 8; ++c) headers.push_back(First_Header + c);
    return {Sheet,
            Grid,
            Tab,
            {{40, edNormal, {}}, {150, edComboList, Types}, {100, edNormal, {}}, {64, edComboList, {}},
             {64, edComboList, Bits}, {64, edNormal, {}}, {40, edDataCheckBox, {}}, {250, edNormal, {}}},
            {},
            {},
            bcDataType,
            Long_Limit,
            headers,
            {}};
}

}  // namespace

const TTable_Groups_File BACnet_Slave_File{
    "BACnet_to_Modbus", "SW_VERSION = 1.001", {{"BACnet_in_Read", Columns}, {"BACnet_in_Write", Columns}}};

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner)
    : TPagedTableForm(AOwner, {2000, 2010, 2032, 2060}, BACnet_Slave_File,
                      {page("TS_BACnet_in_Read", "ACG_BACnet_in_Read", 2008, Read_Types, 2016),
                       page("TS_BACnet_in_Write", "ACG_BACnet_in_Write", 2009, Write_Types, 2024)},
                      764, 337, false, "Tahoma") {}

void TFBACnetSlaveSetAccess::Loaded() {
    TPagedTableForm::Loaded();
    TS_BACnet_in_Read = Sheet(0);
    TS_BACnet_in_Write = Sheet(1);
    ACG_BACnet_in_Read = &Grid(0);
    ACG_BACnet_in_Write = &Grid(1);
    for (TExColumnGrid* grid : {ACG_BACnet_in_Read, ACG_BACnet_in_Write}) {
        grid->HideColumn(bcSwap);
        grid->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
    }
    ACG_BACnet_in_Write->OnComboChange = [this](TObject* s, int c, int r, int i, QString t) {
        ACG_BACnet_in_WriteComboChange(s, c, r, i, t);
    };
}

QString TFBACnetSlaveSetAccess::File_Name() const { return File_BACnet_Slave; }

void TFBACnetSlaveSetAccess::Prepare_Show() {
    NByte_IN = BACnet_Image_Size;
    NByte_OUT = BACnet_Image_Size;
    Fill_Positions(0, bcPosition, NByte_IN);
    Fill_Positions(1, bcPosition, NByte_OUT);
    Desc_Lenght = false;
    try {
        Desc_Lenght = Read_ParGen_EDE(*XML1, File_ParGen).Name_32;
    } catch (const Exception& e) {
        Application->HandleException(e);
    }
    const int rows = Desc_Lenght ? Short_Limit : Long_Limit;
    Set_Data_Rows(0, rows);
    Set_Data_Rows(1, rows);
}

bool TFBACnetSlaveSetAccess::Controllo_dati() {
    return Report(Check_BACnet_Objects(Used_Rows(0), Used_Rows(1), NByte_IN, NByte_OUT,
                                       Desc_Lenght ? Short_Limit : Long_Limit));
}

void TFBACnetSlaveSetAccess::DblClickCell(TObject* Sender, int ARow, int ACol) {
    const int page = Page_Of(Sender);
    if (page >= 0 && ARow > 0 && Grid(page).RealColIndex(ACol) == Unit_Column) {
        TExColumnGrid& grid = Grid(page);
        const QString text = grid.GetCellEx(Unit_Column, ARow);
        FBACnet_Eng_Unit->E_Selected_EU->SetText(text);
        FBACnet_Eng_Unit->Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(Cell_Number(text)));
        if (FBACnet_Eng_Unit->ShowModal() == mrOk) grid.SetCellEx(Unit_Column, ARow, FBACnet_Eng_Unit->E_Selected_EU->Text());
    }
    TPagedTableForm::DblClickCell(Sender, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteComboChange(TObject*, int ACol, int ARow, int, QString ASelection) {
    if (ACol != bcDataType) return;
    const QString length = BACnet_Default_Length(ASelection);
    if (!length.isEmpty()) ACG_BACnet_in_Write->SetCellEx(bcLength, ARow, length);
}

void TFBACnetSlaveSetAccess::ClickCell(TObject* Sender, int ARow, int ACol) {
    const int page = Page_Of(Sender);
    if (page >= 0 && ACol == 0) Grid(page).SelectRows(ARow, 1);
}
