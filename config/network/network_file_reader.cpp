#include "config/network/network_file_reader.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "profinet/gsdml/gsdml.h"
#include "common/state/program_state.h"

#include <limits>

namespace {

// The attributes of one element, each taken by its name.
class TAttributes {
public:
    TAttributes(IXMLNode Node, const char* Element) : node_(Node), element_(Element) {}
    TNetwork_Attribute operator()(const char* Name) const { return TNetwork_Attribute(node_, element_, Name); }

private:
    IXMLNode node_;
    const char* element_;
};

// The records of the element children of Parent (none for a null Parent); whitespace,
// comments and instructions are no entries, and the children's names are not compared.
template <typename TRecord>
std::vector<TRecord> elementRecords(IXMLNode Parent) {
    std::vector<TRecord> records;
    for (IXMLNode child : Parent.ChildNodes())
        if (child.NodeType() == ntElement) records.push_back(TRecord::Read(child));
    return records;
}

IXMLNode childOf(IXMLNode Node, const char* Name) { return Node.ChildNodes().FindNode(Name); }

}  // namespace

TNetwork_Attribute::TNetwork_Attribute(IXMLNode Node, const char* Element, const char* Name)
    : element_(Element), name_(Name) {
    const char* value = Node.FindAttribute(Name);
    present_ = value != nullptr;
    if (present_) text_ = QString::fromUtf8(value);
}

std::optional<int64_t> TNetwork_Attribute::Number() const {
    if (!present_) return std::nullopt;
    bool ok = false;
    const qlonglong value = text_.trimmed().toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

const QString& TNetwork_Attribute::Required_Text() const {
    if (!present_)
        throw Exception(QStringLiteral("PROFINET network: the attribute %1 of %2 is missing")
                            .arg(QString::fromLatin1(name_), QString::fromLatin1(element_)));
    return text_;
}

void TNetwork_Attribute::Not_A_Number() const {
    throw Exception(QStringLiteral("PROFINET network: %1 \"%2\" is not a valid integer value")
                        .arg(QString::fromLatin1(name_), text_));
}

int64_t TNetwork_Attribute::Required_Number() const {
    Required_Text();
    const std::optional<int64_t> value = Number();
    if (!value) Not_A_Number();
    return *value;
}

int32_t TNetwork_Attribute::Required_Integer() const {
    const int64_t value = Required_Number();
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) Not_A_Number();
    return int32_t(value);
}

TNetwork_Param_Record TNetwork_Param_Record::Read(IXMLNode Node) {
    const TAttributes a(Node, "Param");
    return {a("Value"),  a("Mnemonic"), a("ByteOffset"), a("BitOffset"),   a("BitLength"),
            a("Name"),   a("Length"),   a("DataType"),   a("DefaultValue")};
}

TNetwork_Group_Record TNetwork_Group_Record::Read(IXMLNode Node) {
    const TAttributes a(Node, "ParamGroup");
    return {a("GroupName"), a("Index"), a("DataConst"), a("DataByteOffset"), a("Length"),
            elementRecords<TNetwork_Param_Record>(Node)};
}

TNetwork_Subslot_Record TNetwork_Subslot_Record::Read(IXMLNode Node) {
    const TAttributes a(Node, "Subslot");
    return {a("SubslotNumber"),
            a("Submodule_ID"),
            a("Submodule_IdentNumber"),
            a("Submodule_LenIN"),
            a("Submodule_LenOUT"),
            a("API"),
            a("ParameterizationDisallowed"),
            a("StartAddIn"),
            a("QuantityIn"),
            a("StartAddOut"),
            a("QuantityOut"),
            a("Status"),
            a("Word_Pos"),
            a("Mnemonic"),
            elementRecords<TNetwork_Group_Record>(childOf(Node, "Parameters"))};
}

TNetwork_Slot_Record TNetwork_Slot_Record::Read(IXMLNode Node) {
    const TAttributes a(Node, "Slot");
    return {a("Module_ID"), a("ModuleIdentNumber"), a("SlotNumber"),
            elementRecords<TNetwork_Subslot_Record>(childOf(Node, "Subslots"))};
}

TNetwork_Device_Record TNetwork_Device_Record::Read(IXMLNode Node) {
    const TAttributes a(Node, "Device");
    return {a("GSDML_FileName"),
            a("NameOfStation"),
            a("DeviceName"),
            a("DeviceCategoryRef"),
            a("IPAddress"),
            a("NewSessionSPI"),
            a("UpdateTime"),
            a("SendClock"),
            a("ReductionRadio"),
            a("AnswerTime"),
            elementRecords<TNetwork_Slot_Record>(childOf(Node, "Slots")),
            Node};
}

std::vector<TNetwork_Device_Record> Read_Network_File(TXMLDocument& XML, const QString& File) {
    if (!FileExists(File)) return {};
    XML.SetActive(true);
    XML.LoadFromFile(File);
    const IXMLNode network = childOf(XML.ChildNodes().FindNode("PROFINET_Master_Network"), "Network");
    if (!network)
        throw Exception(QStringLiteral("PROFINET network: the file has no PROFINET_Master_Network/Network element"));
    return elementRecords<TNetwork_Device_Record>(network);
}

QString Find_GSDML_Copy(const QString& FileName) {
    if (FileName.isEmpty()) return QString();
    const QString found =
        FindFileIgnoreCase(Project_Path + PathDelim + QStringLiteral("GSDML") + PathDelim, FileName);
    return FileExists(found) ? found : QString();
}

std::shared_ptr<TGSDML> Decode_GSDML_Copy(const QString& FileName) {
    const QString path = Find_GSDML_Copy(FileName);
    if (path.isEmpty()) return nullptr;
    auto description = std::make_shared<TGSDML>();
    // The name may hold a folder: decode the file that was found, not a namesake.
    if (!description->Decode_GSDML(ExtractFilePath(path), ExtractFileName(path))) return nullptr;
    return description;
}
