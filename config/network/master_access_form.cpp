#include "config/network/master_access_form.h"

#include "config/network/window_colors.h"
#include "config/tables/row_operations.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/regional.h"
#include "common/state/program_state.h"
#include "common/state/text_helpers.h"

#include <iterator>

TFPROFINET_Master_Access* FPROFINET_Master_Access = nullptr;

const TTable_File PROFINET_Master_File{"EtherNetIP_Master_Access",
                                       "SW_VERSION = 1.001",
                                       {{"Enable", ""},
                                        {"IP_Address", ""},
                                        {"Start_Input", ""},
                                        {"Num_Input", ""},
                                        {"Start_Output", ""},
                                        {"Num_Output", ""},
                                        {"Time_Poll", ""},
                                        {"PROFINET_Name_of_Station", ""},
                                        {"PROFINET_Num_Input", ""},
                                        {"PROFINET_Num_Output", ""},
                                        {"Mnemonic", ""}},
                                       10,
                                       TFPROFINET_Master_Access::mcIPAddress - 1};

namespace {

constexpr int Byte_Limit = 1438;

constexpr TColor Orange = Number_Color;
constexpr TColor Cyan = Address_Color;
constexpr TColor Yellow = RGB(255, 255, 168);
constexpr TColor Pink = Mapping_Color;
constexpr TColor Green = RGB(168, 255, 168);
constexpr TColor Lilac = RGB(213, 213, 255);

struct TColumnDef {
    int Width;
    TEditorType Editor;
    TColor Color;
};

// Columns 0 .. 11 in order.
constexpr TColumnDef Column_Defs[] = {
    {40, edNormal, Orange},  {50, edDataCheckBox, Orange}, {110, edNormal, Cyan},  {80, edNormal, Yellow},
    {80, edNormal, Yellow},  {85, edNormal, Pink},         {85, edNormal, Pink},   {70, edNormal, Green},
    {190, edNormal, Lilac},  {100, edNormal, Lilac},       {100, edNormal, Lilac}, {160, edNormal, clWhite},
};
static_assert(std::size(Column_Defs) == TFPROFINET_Master_Access::mcCount);

const TTable_Texts Texts{800,
                         837,
                         850,
                         {814, 815, 816, 817, 818, 819, 820, 821, 822, 823, 824, 825},
                         {826, 827, 828, 829, 830, 831, 832, 833, 834, 835, 836}};

// A cell read as an integer; -1 when it is none.
int Number(const QString& Text) {
    int value = -1;
    return TryStrToInt(Text, value) ? value : -1;
}

// The range checks of a validated row, in order: column, lowest, highest, fault text.
struct TRange_Check {
    int Column;
    int Low;
    int High;
    int Fault_Id;
};
constexpr TRange_Check Before_Name[] = {
    {TFPROFINET_Master_Access::mcStartInput, 0, 65535, 839},
    {TFPROFINET_Master_Access::mcNumInput, 0, 65535, 840},
    {TFPROFINET_Master_Access::mcStartOutput, 0, 65535, 841},
    {TFPROFINET_Master_Access::mcNumOutput, 0, 65535, 842},
    {TFPROFINET_Master_Access::mcTimePoll, 1, 100000000, 843},
};
constexpr TRange_Check After_Name[] = {
    {TFPROFINET_Master_Access::mcProfinetNumInput, 0, 65535, 846},
    {TFPROFINET_Master_Access::mcProfinetNumOutput, 0, 65535, 847},
};

}  // namespace

TFPROFINET_Master_Access::TFPROFINET_Master_Access(TComponent* AOwner)
    : TTableForm(AOwner, Texts, PROFINET_Master_File, 1180, 337) {}

TExStringGrid* TFPROFINET_Master_Access::Build_Grid(int Left, int Top, int Width, int Height) {
    ACG = new TExColumnGrid(this);
    ACG->Name = "ACG";
    ACG->SetBounds(Left, Top, Width, Height);
    ACG->SetParent(this);
    ACG->SetColCount(mcCount);
    for (int c = 0; c < mcCount; ++c) {
        TGridColumnItem* column = ACG->Columns().Items(c);
        const TColumnDef& def = Column_Defs[c];
        column->SetWidth(def.Width);
        column->SetEditor(def.Editor);
        column->SetColor(def.Color);
        if (def.Editor == edDataCheckBox) column->SetAlignment(taCenter);
    }
    ACG->Columns().Items(mcNumber)->ReadOnly = true;
    return ACG;
}

void TFPROFINET_Master_Access::Init_Table() { ACG->SetRowCount(PROFINET_Master_File.Rows + 1); }

QString TFPROFINET_Master_Access::File_Name() const { return File_PROFINET_Master; }

void TFPROFINET_Master_Access::Set_Headers(const QStringList& Headers) {
    for (int c = 0; c < Headers.size() && c < ACG->Columns().Count(); ++c) ACG->Columns().Items(c)->SetHeader(Headers[c]);
}

void TFPROFINET_Master_Access::Prepare_Show() {
    Num_Byte_In = Byte_Limit;
    Num_Byte_Out = Byte_Limit;
}

QStringList TFPROFINET_Master_Access::Row_Texts(int Row) {
    QStringList texts;
    for (int c = mcEnable; c <= mcMnemonic; ++c) texts << ACG->GetCellEx(c, Row);
    return texts;
}

void TFPROFINET_Master_Access::Set_Row_Texts(int Row, const QStringList& Texts) {
    for (int c = mcEnable; c <= mcMnemonic; ++c) ACG->SetCellEx(c, Row, Texts.value(c - mcEnable));
}

void TFPROFINET_Master_Access::Paste_Row(int Row) { Grid_Paste_Row(*ACG, Row, Do_Copy); }

bool TFPROFINET_Master_Access::Controllo_dati() {
    int64_t sumIn = 0;
    int64_t sumOut = 0;
    for (int r = 1; r <= PROFINET_Master_File.Rows && r < ACG->RowCount(); ++r) {
        const auto cell = [&](int c) { return ACG->GetCellEx(c, r); };
        if (cell(mcEnable).toUpper() != QLatin1String("Y")) continue;
        if (cell(mcIPAddress).trimmed().isEmpty()) break;
        QString p1, p2, p3, p4;
        if (!Split_IP_Address(cell(mcIPAddress), p1, p2, p3, p4)) return Row_Error(r, 838);
        for (const TRange_Check& check : Before_Name) {
            const int value = Number(cell(check.Column));
            if (value < check.Low || value > check.High) return Row_Error(r, check.Fault_Id);
        }
        if (cell(mcNameOfStation).isEmpty()) return Row_Error(r, 844);
        if (cell(mcNameOfStation).size() >= 32) return Row_Error(r, 845);
        for (const TRange_Check& check : After_Name) {
            const int value = Number(cell(check.Column));
            if (value < check.Low || value > check.High) return Row_Error(r, check.Fault_Id);
        }
        sumIn += Number(cell(mcNumInput));
        sumOut += Number(cell(mcNumOutput));
    }
    if (sumIn > Num_Byte_In) {
        MessageDlg(Lang(848) + QString::number(Num_Byte_In), mtError, mbOK);
        return false;
    }
    if (sumOut > Num_Byte_Out) {
        MessageDlg(Lang(849) + QString::number(Num_Byte_Out), mtError, mbOK);
        return false;
    }
    return true;
}
