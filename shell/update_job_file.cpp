#include "shell/update_job_file.h"

#include "config/banks/bank_files.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// One load step: a file, where it goes and what the boot loader does around it.
struct TLoadStep {
    QString FileName;
    const char* StartAddress;
    bool Firmware;
    bool GoToAppAfter;
    const char* AddressCSS;
    const char* CommandCSS;
    const char* WIDAddress;  // nullptr: the step writes no internal data and has no such elements
    const char* WIDCommand;
};

struct TJobLayout {
    QString Title;
    const char* AddressProtection;
    const char* Protection;
    std::vector<TLoadStep> Steps;
};

using TElements = std::initializer_list<std::pair<const char*, QString>>;

void addElements(IXMLNode parent, TElements elements) {
    for (const auto& [name, value] : elements) {
        IXMLNode child = parent.AddChild(QString::fromLatin1(name));
        if (!value.isEmpty()) child.SetText(value);
    }
}

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

void addOperation(IXMLNode operations, const TLoadStep& step, bool readBack) {
    IXMLNode operation = operations.AddChild("Operation");
    addElements(operation, {{"Ope_Protection_Enabled", {}},
                            {"Ope_GoToBoot_Before", "0"},
                            {"Ope_GoToApp_Before", "0"},
                            {"Ope_IP_Address", {}},
                            {"Ope_Port", "2008"},
                            {"Ope_Port_Sec", "2007"},
                            {"Ope_Erase_Memory", "0"},
                            {"Ope_FileName", step.FileName},
                            {"Ope_Start_Address", step.StartAddress},
                            {"Ope_Memory_Type", "0"},
                            {"Ope_Bank_Type", step.Firmware ? "1" : "2"},
                            {"Ope_Read_Back", flag(readBack)},
                            {"Ope_Write_CSS", flag(step.Firmware)},
                            {"Ope_Address_CSS", step.AddressCSS},
                            {"Ope_Command_CSS", step.CommandCSS}});
    if (step.WIDAddress)
        addElements(operation, {{"Ope_Write_Internal_Data", "0"},
                                {"Ope_WID_Address", step.WIDAddress},
                                {"Ope_WID_Command", step.WIDCommand},
                                {"Ope_WID_Data", "0x00, 0x00, 0x00, 0x01"}});
    addElements(operation, {{"Ope_GoToApp_After", flag(step.GoToAppAfter)}});
}

void writeJob(TXMLDocument& XML, const TJobLayout& layout, const QString& IP_Address, bool Read_Back) {
    XML.SetActive(true);
    XML.Clear();
    IXMLNode root = XML.AddChild("Vivazova_Rorozi");
    addElements(root, {{"Version", "1000"},
                       {"Title", layout.Title},
                       {"IP_Address_Dev", IP_Address},
                       {"Application_Port", "5000"},
                       {"Boot_Port", "2008"},
                       {"Boot_Port_Sec", "2007"},
                       {"Address_Protection", layout.AddressProtection}});
    addElements(root.AddChild("Protections"), {{"Protection", layout.Protection}});
    IXMLNode operations = root.AddChild("Operations");
    for (const TLoadStep& step : layout.Steps) addOperation(operations, step, Read_Back);
}

QString firmwareImage(const char* name) { return Master_Dir + PathDelim + QString::fromLatin1(name); }

bool loadsFirmware(int Option) { return Option == 0 || Option == 1; }
bool loadsConfiguration(int Option) { return Option == 0 || Option == 2; }

}  // namespace

QString Update_Job_File() { return Exe_Dir + PathDelim + QStringLiteral("Vivazova_Rorozi.xml"); }

QString Updater_Program() {
    for (const char* name : {"Vivazova_Rorozi", "Vivazova_Rorozi.exe"}) {
        const QString found = FindFileIgnoreCase(Exe_Dir, QString::fromLatin1(name));
        if (!found.isEmpty() && FileExists(found)) return found;
    }
    return Exe_Dir + PathDelim + QStringLiteral("Vivazova_Rorozi");
}

namespace {

TJobLayout New_Boot_Layout(int Option) {
    TJobLayout layout{QStringLiteral("Korvexline - %1 Ethernet Update").arg(Build_SW_Update_Code), "0x07800", "0x244", {}};
    // The last step starts the application again.
    if (loadsFirmware(Option))
        layout.Steps.push_back(
            {firmwareImage("SimQX372.sim"), "0x8000", true, Option == 1, "0x07A00", "0x02", "0x07810", "0x02"});
    if (loadsConfiguration(Option)) {
        const char* const addresses[] = {"0x07000", "0x80000", "0xA0000"};
        for (int bank = 1; bank <= 3; ++bank)
            layout.Steps.push_back(
                {Bank_File_Path(bank), addresses[bank - 1], false, bank == 3, "0x07A00", "0x02", "0x07810", "0x02"});
    }
    return layout;
}

}  // namespace

void Build_Update_Job(TXMLDocument& XML, const QString& IP_Address, int Option, bool Read_Back) {
    writeJob(XML, New_Boot_Layout(Option), IP_Address, Read_Back);
}

QStringList Update_Job_Missing_Files(int Option) {
    QStringList missing;
    for (const TLoadStep& step : New_Boot_Layout(Option).Steps)
        if (!FileExists(step.FileName)) missing << step.FileName;
    return missing;
}

void Build_Update_Job_Old(TXMLDocument& XML, const QString& IP_Address, int Option, bool Read_Back) {
    TJobLayout layout{QStringLiteral("Korvexline - Ethernet Update"), "0x78000", "0x23D", {}};
    if (loadsFirmware(Option))
        layout.Steps.push_back({firmwareImage("SimQX640.sim"), "0x8000", true, Option == 1, "0x78100", "0x0B", nullptr,
                                nullptr});
    if (loadsConfiguration(Option)) {
        layout.Steps.push_back({Bank_File_Path(1), "0x68000", false, false, "0x50100", "0x0B", "0x78200", "0x0B"});
        layout.Steps.push_back({Bank_File_Path(2), "0x50000", false, true, "0x50100", "0x0B", "0x78200", "0x0B"});
    }
    writeJob(XML, layout, IP_Address, Read_Back);
}
