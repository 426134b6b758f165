#include "tables/gsd_export.h"

#include "tables/export_file.h"
#include "tables/exports.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <QStringList>

namespace {

constexpr int Banner_Width = 85;
constexpr int Module_Bytes = 64;

// The maker's identity as the GSD names it.
const char* const Vendor_Lines[] = {
    "Korvexline S.r.l.",
    "Via delle Officine, 12",
    "00100 Borgo Nuovo",
    "BN - Italy",
    "Tel. : +39 0000 000000",
    "FAX. : +39 0000 000001",
    "eMail: info@korvex.example",
};
// The PROFIBUS ident number of the device.
constexpr int Ident_Number = 0x0E72;

QString padded(const QString& Start) { return Start.leftJustified(Banner_Width - 1, u' ') + u'*'; }

void addBanner(QStringList& Lines) {
    const QString blank = padded(QStringLiteral(";*"));
    const QString rule = QStringLiteral(";* ") + QString(Banner_Width - 5, u'=') + QStringLiteral(" *");
    Lines << QStringLiteral(";")
          << QStringLiteral(";****************** PROFINET Master / PROFIBUS Slave - Converter ********************")
          << rule << blank;
    Lines << padded(QStringLiteral(";* Vendor:   ") + QLatin1String(Vendor_Lines[0]));
    for (size_t i = 1; i < std::size(Vendor_Lines); ++i)
        Lines << padded(QStringLiteral(";*") + QString(11, u' ') + QLatin1String(Vendor_Lines[i]));
    Lines << blank << rule << blank
          << QStringLiteral(";* Function:       PROFINET Master / PROFIBUS Slave - Converter                     *")
          << blank << blank
          << QStringLiteral(";* Order Number : RAVU930                                                           *")
          << blank << blank << QStringLiteral(";") + QString(Banner_Width - 1, u'*');
}

void addSection(QStringList& Lines, const QString& Title, int Width) {
    const QString rule = QStringLiteral(";") + QString(Width - 1, u'=');
    Lines << rule << (QStringLiteral(";==== ") + Title + u' ').leftJustified(Width, u'=') << rule << QString();
}

void addEmpty(QStringList& Lines, int Count) {
    for (int i = 0; i < Count; ++i) Lines << QString();
}

QString hex2(int Value) { return QString::number(Value, 16).toUpper().rightJustified(2, u'0'); }

int pieces(int Length) { return Length <= 0 ? 0 : (Length + Module_Bytes - 1) / Module_Bytes; }

// The modules of one direction, numbered on from Next.
void addModules(QStringList& Lines, int Length, const char* Kind, const char* Id, int& Next) {
    const int count = pieces(Length);
    for (int m = 1; m <= count; ++m, ++Next) {
        const int bytes = m < count ? Module_Bytes : Length - Module_Bytes * (count - 1);
        const QString name = QStringLiteral("%1  (PORT%2)    ").arg(QLatin1String(Kind)).arg(Next);
        Lines << QStringLiteral("Module=\"%1\" 0x%2,0x%3,0x00,0x%4")
                     .arg(name, QLatin1String(Id), hex2(bytes - 1), hex2(Next))
              << QString::number(Next) << QStringLiteral("EndModule");
    }
}

}  // namespace

QByteArray GSD_File_Text(int Input_Len, int Output_Len) {
    const int x = Input_Len, y = Output_Len;
    const int modules = pieces(x) + pieces(y);
    QStringList l;
    addBanner(l);
    addEmpty(l, 2);
    l << QStringLiteral("#Profibus_DP");
    addEmpty(l, 2);

    addSection(l, QStringLiteral("Prm-Text-Def-List"), 85);
    l << "PrmText=1" << "Text(0)=\"disable\"" << "Text(1)=\"enable\"" << "EndPrmText" << QString();
    l << "PrmText  = 2" << "Text(0)  = \"clock up\"" << "Text(1)  = \"clock down\"" << "EndPrmText" << QString();
    l << "PrmText  = 3" << "Text(1)  = \"10\"" << "Text(2)  = \"20\"" << "Text(3)  = \"30\"" << "Text(4)  = \"40\""
      << "Text(5)  = \"50\"" << "EndPrmText" << QString() << QString();

    addSection(l, QStringLiteral("Ext-User-Prm-Data-Def-List"), 86);
    const QStringList definitions[] = {
        {"ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32"},
        {"ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1"},
        {"ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1"},
        {"ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2"},
        {"ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3"},
        {"ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535"},
        {"ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535"},
    };
    for (const QStringList& definition : definitions) l << definition << "EndExtUserPrmData" << QString();
    l << QString();

    addSection(l, QStringLiteral("General DP Keywords"), 86);
    l << "GSD_Revision = 5" << "Vendor_Name = \"Korvexline\"" << "Model_Name = \"RAVU930\"" << "Revision = \"1.00\""
      << QStringLiteral("Ident_Number = 0x%1").arg(QString::number(Ident_Number, 16).toUpper().rightJustified(4, u'0'))
      << "Protocol_Ident = 0" << "Station_Type = 0" << "FMS_supp = 0" << "Hardware_Release = \"V1.00\""
      << "Software_Release = \"V1.00\"" << "Redundancy = 0" << "Repeater_Ctrl_Sig = 2" << "24V_Pins = 0";
    addEmpty(l, 2);

    addSection(l, QStringLiteral("Supported baudrates"), 79);
    l << "9.6_supp = 1" << "19.2_supp = 1" << "45.45_supp = 1" << "93.75_supp = 1" << "187.5_supp = 1"
      << "500_supp = 1" << "1.5M_supp = 1" << "3M_supp = 1" << "6M_supp = 1" << "12M_supp = 1" << QString();
    l << "MaxTsdr_9.6=15" << "MaxTsdr_19.2=15" << "MaxTsdr_45.45=15" << "MaxTsdr_93.75=15" << "MaxTsdr_187.5=15"
      << "MaxTsdr_500=15" << "MaxTsdr_1.5M=20" << "MaxTsdr_3M=35" << "MaxTsdr_6M=50" << "MaxTsdr_12M=95";
    addEmpty(l, 2);

    addSection(l, QStringLiteral("Slave specific values"), 79);
    l << "OrderNumber=\"RAVU930\"" << "Slave_Family = 9@Korvexline@RAVU930" << "Implementation_Type = \"VPC3+\""
      << "Info_Text=\"Korvexline: PROFINET Master / PROFIBUS Slave - Converter\"" << "Bitmap_Device = \"DPV0_1N\""
      << "Bitmap_SF=\"DPV0_1S\"" << QString();
    l << "Freeze_Mode_supp=1" << "Sync_Mode_supp=1" << "Fail_Safe=1" << "Auto_Baud_supp=1" << "Set_Slave_Add_supp=0"
      << QString() << "Min_Slave_Intervall=6" << QString();
    l << "Modular_Station=1" << QStringLiteral("Max_Module=%1").arg(modules) << "Modul_Offset=1"
      << QStringLiteral("Max_Input_Len=%1").arg(x) << QStringLiteral("Max_Output_Len=%1").arg(y)
      << QStringLiteral("Max_Data_Len=%1").arg(x + y) << "Max_Diag_Data_Len=15" << QString();
    l << "WD_Base_1ms_supp = 1" << "Publisher_supp = 1" << QString();

    addSection(l, QStringLiteral("User-Prm-Data"), 79);
    l << "Max_User_Prm_Data_Len = 12" << "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00" << QString();

    addSection(l, QStringLiteral("Modulstatus"), 79);
    for (int slot = 1; slot <= 2; ++slot) {
        const int first = 22 + 2 * slot;
        l << QStringLiteral("Unit_Diag_Area = %1 - %2").arg(first).arg(first + 1);
        const char* const faults[] = {"Module error", "Wrong module", "No module"};
        for (int v = 1; v <= 3; ++v)
            l << QStringLiteral("Value(%1)= \"Slot %2: %3\"").arg(v).arg(slot).arg(QLatin1String(faults[v - 1]));
        l << "Unit_Diag_Area_End";
    }
    addEmpty(l, 2);

    addSection(l, QStringLiteral("Module-Definition-List"), 79);
    int next = 1;
    addModules(l, x, "DI", "42", next);
    addModules(l, y, "DO", "82", next);
    addEmpty(l, 3);

    l << "SlotDefinition";
    for (int f = 1; f <= modules; ++f) l << QStringLiteral("Slot(%1) = \"Slot %1\" %1 %1").arg(f);
    l << "EndSlotDefinition";
    addEmpty(l, 4);

    return Export_Lines(l);
}

void Write_GSD_File(const QString& FileName, int Input_Len, int Output_Len) {
    Write_Export_File(FileName, GSD_File_Text(Input_Len, Output_Len));
}

QString GSD_File_Name(const QString& Chosen) {
    return Chosen.endsWith(QLatin1String(".gsd"), Qt::CaseInsensitive) ? Chosen : Chosen + QStringLiteral(".gsd");
}

namespace {

constexpr int Text_Overwrite_GSD = 903;
constexpr int Text_No_ParGen = 904;

// An element of the root as a number; 0 when it is missing or no number.
int rootNumber(const IXMLNode& Root, const char* Name) {
    int value = 0;
    const IXMLNode node = Root.ChildNodes().FindNode(Name);
    return node && TryStrToInt(node.Text(), value) ? value : 0;
}

}  // namespace

void Create_GSD_File() {
    if (!FileExists(File_ParGen)) {
        MessageDlg(Lang(Text_No_ParGen), mtError, mbOK);
        return;
    }
    int input_len = 0, output_len = 0;
    {
        TXMLDocument par_gen(nullptr);
        par_gen.LoadFromFile(File_ParGen);
        const IXMLNode root = par_gen.DocumentElement();
        // The slave's inputs are what the PROFINET side sends, its outputs what it receives.
        output_len = rootNumber(root, "PROFINET_NB_IN");
        input_len = rootNumber(root, "PROFINET_NB_OUT");
    }
    TSaveDialog dialog(nullptr);
    dialog.InitialDir = Project_Path;
    dialog.Filter = QStringLiteral("Generic Station Description (*.gsd)|*.gsd");
    if (!dialog.Execute()) return;
    const QString file = GSD_File_Name(dialog.FileName);
    if (FileExists(file) && MessageDlg(Lang(Text_Overwrite_GSD), mtConfirmation, mbYes | mbNo) != mrYes) return;
    Write_GSD_File(file, input_len, output_len);
}
