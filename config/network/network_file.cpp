#include "config/network/network_file.h"

#include <vector>

#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"
#include "profinet/gsdml/gsdml.h"
#include "shell/common/program_state.h"

namespace {

QString Flag(bool value, const char* yes, const char* no) {
    return QString::fromLatin1(value ? yes : no);
}

// ---- Writing

void Write_Param(IXMLNode node, const TParam& param) {
    node.SetAttribute("Value", param.FValue);
    node.SetAttribute("Mnemonic", param.FMnemonic);
    node.SetAttribute("ByteOffset", QString::number(param.FByteOffset));
    node.SetAttribute("BitOffset", QString::number(param.FBitOffset));
    node.SetAttribute("BitLength", QString::number(param.FBitLength));
    node.SetAttribute("Name", param.FName);
    node.SetAttribute("Length", QString::number(param.FLength));
    node.SetAttribute("DataType", param.FDataType);
    node.SetAttribute("DefaultValue", param.FDefaultValue);
}

void Write_Subslot(IXMLNode node, const TPROFINET_Subslot& subslot) {
    const TPROFINET_Submodule* submodule = subslot.Selected_SubModule.get();
    node.SetAttribute("SubslotNumber", QString::number(subslot.FSubslotNum));
    node.SetAttribute("Submodule_ID", submodule ? submodule->FID : QString());
    node.SetAttribute("Submodule_IdentNumber", QString::number(submodule ? submodule->FIdentNumber : 0u));
    node.SetAttribute("Submodule_LenIN", QString::number(submodule ? submodule->FDataLenIn : 0));
    node.SetAttribute("Submodule_LenOUT", QString::number(submodule ? submodule->FDataLenOut : 0));
    node.SetAttribute("API", QString::number(submodule ? submodule->FAPI : 0u));
    node.SetAttribute("ParameterizationDisallowed",
                      Flag(submodule && submodule->FParameterizationDisallowed, "true", "false"));
    node.SetAttribute("StartAddIn", QString::number(subslot.FStartAddIn));
    node.SetAttribute("QuantityIn", QString::number(subslot.FQuantityIn));
    node.SetAttribute("StartAddOut", QString::number(subslot.FStartAddOut));
    node.SetAttribute("QuantityOut", QString::number(subslot.FQuantityOut));
    node.SetAttribute("Status", Flag(subslot.FStatus, "Y", "N"));
    node.SetAttribute("Word_Pos", Flag(subslot.FWord_Pos, "Y", "N"));
    node.SetAttribute("Mnemonic", subslot.FMnemonic);
    if (subslot.ParametersList.empty()) return;
    IXMLNode parameters = node.AddChild("Parameters");
    for (const auto& group : subslot.ParametersList) {
        IXMLNode g = parameters.AddChild("ParamGroup");
        g.SetAttribute("GroupName", group->FGroupName);
        g.SetAttribute("Index", QString::number(group->FInd));
        g.SetAttribute("DataConst", group->FDataConst);
        g.SetAttribute("DataByteOffset", QString::number(group->FDataByteOffset));
        g.SetAttribute("Length", QString::number(group->FLength));
        for (const auto& param : group->Parameters_List) Write_Param(g.AddChild("Param"), *param);
    }
}

void Write_Slot(IXMLNode node, const TPROFINET_Slot& slot) {
    const TPROFINET_Module* module = slot.Selected_Module.get();
    node.SetAttribute("Module_ID", module ? module->FID : QString());
    node.SetAttribute("ModuleIdentNumber", QString::number(module ? module->FModuleIdentNumber : 0u));
    node.SetAttribute("SlotNumber", QString::number(slot.FSlotNum));
    if (module == nullptr || slot.SubSlotList.empty()) return;
    IXMLNode subslots = node.AddChild("Subslots");
    for (const auto& subslot : slot.SubSlotList) Write_Subslot(subslots.AddChild("Subslot"), *subslot);
}

void Write_Device(IXMLNode node, const TPROFINET_Device& device) {
    node.SetAttribute("GSDML_FileName", device.GSDML() ? device.GSDML()->GSDML_FileName() : QString());
    node.SetAttribute("NameOfStation", device.FNameOfStation);
    node.SetAttribute("DeviceName", device.FDeviceName);
    node.SetAttribute("DeviceCategoryRef", device.FDeviceCategoryRef);
    node.SetAttribute("IPAddress", device.FIPAddress);
    node.SetAttribute("NewSessionSPI", Flag(device.FNewSessionSPI, "1", "0"));
    node.SetAttribute("UpdateTime", QString::number(device.FUpdateTime));
    node.SetAttribute("SendClock", QString::number(device.SendClock()));
    node.SetAttribute("ReductionRadio", QString::number(device.ReductionRadio()));
    node.SetAttribute("AnswerTime", QString::number(device.FAnswerTime));
    if (device.SlotList.empty()) return;
    IXMLNode slotsNode = node.AddChild("Slots");
    for (const auto& slot : device.SlotList) Write_Slot(slotsNode.AddChild("Slot"), *slot);
}

// ---- Reading

// The element children of node; whitespace, comments and instructions are no entries.
std::vector<IXMLNode> Elements(IXMLNode node) {
    std::vector<IXMLNode> result;
    for (IXMLNode child : node.ChildNodes())
        if (child.NodeType() == ntElement) result.push_back(child);
    return result;
}

// The element children of node's child name, when it has that child and their count is
// Count; otherwise none, and the stored part is ignored as a whole.
bool Matching_Elements(IXMLNode node, const char* name, size_t Count, std::vector<IXMLNode>& result) {
    const IXMLNode child = node.ChildNodes().FindNode(name);
    if (!child) return false;
    result = Elements(child);
    return result.size() == Count;
}

int Required_Integer(IXMLNode node, const char* name) {
    const QString attribute = QString::fromLatin1(name);
    int value = 0;
    if (!node.HasAttribute(attribute) || !TryStrToInt(node.Attribute(attribute), value))
        throw Exception(QStringLiteral("PROFINET network: %1 \"%2\" is not a valid integer value")
                            .arg(attribute, node.Attribute(attribute)));
    return value;
}

void Read_Values(IXMLNode node, TPROFINET_Subslot& subslot) {
    std::vector<IXMLNode> groups;
    if (!Matching_Elements(node, "Parameters", subslot.ParametersList.size(), groups)) return;
    for (size_t g = 0; g < groups.size(); ++g) {
        TParametersGroup& group = *subslot.ParametersList[g];
        const std::vector<IXMLNode> params = Elements(groups[g]);
        if (params.size() != group.Parameters_List.size()) continue;
        for (size_t p = 0; p < params.size(); ++p) {
            group.Parameters_List[p]->FValue = params[p].Attribute("Value");
            group.Parameters_List[p]->FMnemonic = params[p].Attribute("Mnemonic");
        }
    }
}

void Read_Subslot(IXMLNode node, TPROFINET_Subslot& subslot) {
    const QString id = node.Attribute("Submodule_ID");
    if (!id.isEmpty())
        if (const int index = Index_Of_First(subslot.SubmodulesList, &TPROFINET_Submodule::FID, id); index >= 0)
            subslot.Select_Submodule(subslot.SubmodulesList[static_cast<size_t>(index)]);
    if (!subslot.Selected_SubModule) return;
    subslot.FStartAddIn = Required_Integer(node, "StartAddIn");
    subslot.FQuantityIn = Required_Integer(node, "QuantityIn");
    subslot.FStartAddOut = Required_Integer(node, "StartAddOut");
    subslot.FQuantityOut = Required_Integer(node, "QuantityOut");
    subslot.FStatus = node.Attribute("Status") == QLatin1String("Y");
    subslot.FWord_Pos = node.Attribute("Word_Pos") == QLatin1String("Y");
    subslot.FMnemonic = node.Attribute("Mnemonic");
    Read_Values(node, subslot);
}

void Read_Slot(IXMLNode node, TPROFINET_Slot& slot) {
    const QString id = node.Attribute("Module_ID");
    if (id.isEmpty()) {
        slot.Selected_Module = nullptr;
        slot.Clear_SubSlot_List();
    } else if (const int index = Index_Of_First(slot.ModulesList, &TPROFINET_Module::FID, id); index >= 0) {
        slot.Select_Module(slot.ModulesList[static_cast<size_t>(index)]);
    }
    std::vector<IXMLNode> subslots;
    if (!slot.Selected_Module || !Matching_Elements(node, "Subslots", slot.SubSlotList.size(), subslots)) return;
    for (size_t i = 0; i < subslots.size(); ++i) Read_Subslot(subslots[i], *slot.SubSlotList[i]);
}

// The device of one stored entry; nullptr when its description copy is missing or unreadable.
std::unique_ptr<TPROFINET_Device> Read_Device(IXMLNode node) {
    const QString folder = Project_Path + PathDelim + QStringLiteral("GSDML") + PathDelim;
    const QString fileName = node.Attribute("GSDML_FileName");
    if (fileName.isEmpty()) return nullptr;
    const QString found = FindFileIgnoreCase(folder, fileName);
    if (found.isEmpty() || !FileExists(found)) return nullptr;
    auto gsdml = std::make_shared<TGSDML>();
    try {
        // The name may hold a folder: decode the file that was found, not its namesake.
        if (!gsdml->Decode_GSDML(ExtractFilePath(found), ExtractFileName(found))) return nullptr;
    } catch (const Exception&) {
        return nullptr;
    }
    auto device = std::make_unique<TPROFINET_Device>();
    device->FDeviceName = node.Attribute("DeviceName");
    device->FDeviceCategoryRef = node.Attribute("DeviceCategoryRef");
    device->SetGSDML(std::move(gsdml));
    device->ReadInfoFromGSDML();
    device->FNameOfStation = node.Attribute("NameOfStation");
    device->FIPAddress = node.Attribute("IPAddress");
    device->FNewSessionSPI = node.Attribute("NewSessionSPI") == QLatin1String("1");
    const int updateTime = Required_Integer(node, "UpdateTime");
    const int sendClock = Required_Integer(node, "SendClock");
    const int reductionRadio = Required_Integer(node, "ReductionRadio");
    const int answerTime = Required_Integer(node, "AnswerTime");
    device->Restore_Timing(updateTime, sendClock, reductionRadio, answerTime);
    std::vector<IXMLNode> slotNodes;
    if (Matching_Elements(node, "Slots", device->SlotList.size(), slotNodes))
        for (size_t i = 0; i < slotNodes.size(); ++i) Read_Slot(slotNodes[i], *device->SlotList[i]);
    return device;
}

}  // namespace

void Save_PROFINET_Netword_Project(TXMLDocument& Doc, const TPROFINET_Device_List& Devices) {
    Doc.Clear();
    IXMLNode root = Doc.AddChild("PROFINET_Master_Network");
    Doc.AddComment("SW_VERSION = 1.001");
    IXMLNode network = root.AddChild("Network");
    for (const auto& device : Devices) Write_Device(network.AddChild("Device"), *device);
    Doc.SaveToFile(File_PROFINET_Master_Network);
}

void Load_PROFINET_Network_Project(TXMLDocument& Doc, TPROFINET_Device_List& Devices) {
    if (!FileExists(File_PROFINET_Master_Network)) return;
    try {
        Doc.LoadFromFile(File_PROFINET_Master_Network);
        const IXMLNode root = Doc.DocumentElement();
        const IXMLNode network =
            root.NameIs("PROFINET_Master_Network") ? root.ChildNodes().FindNode("Network") : IXMLNode();
        if (!network) throw Exception(QStringLiteral("PROFINET network: the file has no network"));
        for (IXMLNode node : Elements(network))
            if (auto device = Read_Device(node)) Devices.push_back(std::move(device));
    } catch (const Exception& e) {
        MessageDlg(e.Message, mtError, mbOK);
    }
}
