#include "common/state/settings.h"

#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <optional>

namespace {

const QString kDefaultIpAddress = QStringLiteral("192.168.2.205");
const QString kDefaultLanguage = QStringLiteral("English");

// The text of root/group/name, or nothing when any of them is missing.
std::optional<QString> textOf(const IXMLNode& root, const char* group, const char* name) {
    const IXMLNode g = root.ChildNodes().FindNode(QString::fromLatin1(group));
    if (!g) return std::nullopt;
    const IXMLNode n = g.ChildNodes().FindNode(QString::fromLatin1(name));
    if (!n) return std::nullopt;
    return n.Text();
}

bool flagOf(const IXMLNode& root, const char* name) {
    return textOf(root, "lastinternet", name).value_or(QString()) == QLatin1String("1");
}

void setDefaults() {
    Project_Name.clear();
    Project_Path.clear();
    IP_Address_Device = kDefaultIpAddress;
    Language_Name = kDefaultLanguage;
    Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Double_Click_Auto_Size = false;
}

}  // namespace

QString Settings_File() { return Exe_Dir + PathDelim + QStringLiteral("Loomwright.xml"); }

void Read_Settings(TXMLDocument& xml) {
    setDefaults();
    if (!FileExists(Settings_File())) return;
    try {
        xml.SetActive(true);
        xml.LoadFromFile(Settings_File());
    } catch (const std::exception&) {
        // A damaged settings file is as good as none.
        return;
    }
    // The root is the document's first element, whatever its name: a declaration or a
    // comment may come before it.
    const IXMLNode root = xml.DocumentElement();
    if (!root) return;
    Project_Name = textOf(root, "lastproj", "projectname").value_or(QString());
    IP_Address_Device = textOf(root, "lastipadd", "ipaddress").value_or(kDefaultIpAddress);
    Language_Name = textOf(root, "lastlang", "language").value_or(kDefaultLanguage);
    Enable_Internet = flagOf(root, "enable_internet");
    Enable_Update = flagOf(root, "enable_update");
    Enable_Jump_Field_Tables = flagOf(root, "enable_jump_field_tables");
    Double_Click_Auto_Size = flagOf(root, "Double_Click_Auto_Size");
}

void Write_Settings(TXMLDocument& xml) {
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    xml.SetActive(true);
    xml.Clear();
    IXMLNode root = xml.AddChild("Conf_Settings");
    root.AddChild("lastproj").AddChild("projectname").SetText(Project_Name);
    root.AddChild("lastipadd").AddChild("ipaddress").SetText(IP_Address_Device);
    root.AddChild("lastlang").AddChild("language").SetText(Language_Name);
    IXMLNode internet = root.AddChild("lastinternet");
    internet.AddChild("enable_internet").SetText(flag(Enable_Internet));
    internet.AddChild("enable_update").SetText(flag(Enable_Update));
    internet.AddChild("enable_jump_field_tables").SetText(flag(Enable_Jump_Field_Tables));
    internet.AddChild("Double_Click_Auto_Size").SetText(flag(Double_Click_Auto_Size));
    xml.SaveToFile(Settings_File());
}
