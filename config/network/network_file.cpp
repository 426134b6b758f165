#include "config/network/network_file.h"

#include "config/network/network_file_reader.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "profinet/gsdml/gsdml.h"
#include "common/state/program_state.h"

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

void Read_Values(const TNetwork_Subslot_Record& stored, TPROFINET_Subslot& subslot) {
    if (stored.Groups.size() != subslot.ParametersList.size()) return;
    for (size_t g = 0; g < stored.Groups.size(); ++g) {
        TParametersGroup& group = *subslot.ParametersList[g];
        const std::vector<TNetwork_Param_Record>& params = stored.Groups[g].Params;
        if (params.size() != group.Parameters_List.size()) continue;
        for (size_t p = 0; p < params.size(); ++p) {
            group.Parameters_List[p]->FValue = params[p].Value.Text();
            group.Parameters_List[p]->FMnemonic = params[p].Mnemonic.Text();
        }
    }
}

void Read_Subslot(const TNetwork_Subslot_Record& stored, TPROFINET_Subslot& subslot) {
    const QString& id = stored.Submodule_ID.Text();
    if (!id.isEmpty())
        if (const int index = Index_Of_First(subslot.SubmodulesList, &TPROFINET_Submodule::FID, id); index >= 0)
            subslot.Select_Submodule(subslot.SubmodulesList[static_cast<size_t>(index)]);
    if (!subslot.Selected_SubModule) return;
    subslot.FStartAddIn = stored.StartAddIn.Required_Integer();
    subslot.FQuantityIn = stored.QuantityIn.Required_Integer();
    subslot.FStartAddOut = stored.StartAddOut.Required_Integer();
    subslot.FQuantityOut = stored.QuantityOut.Required_Integer();
    subslot.FStatus = stored.Status.Is("Y");
    subslot.FWord_Pos = stored.Word_Pos.Is("Y");
    subslot.FMnemonic = stored.Mnemonic.Text();
    Read_Values(stored, subslot);
}

void Read_Slot(const TNetwork_Slot_Record& stored, TPROFINET_Slot& slot) {
    const QString& id = stored.Module_ID.Text();
    if (id.isEmpty()) {
        slot.Selected_Module = nullptr;
        slot.Clear_SubSlot_List();
    } else if (const int index = Index_Of_First(slot.ModulesList, &TPROFINET_Module::FID, id); index >= 0) {
        slot.Select_Module(slot.ModulesList[static_cast<size_t>(index)]);
    }
    // A stored list of another size than the rebuilt one is ignored as a whole.
    if (!slot.Selected_Module || stored.Subslots.size() != slot.SubSlotList.size()) return;
    for (size_t i = 0; i < stored.Subslots.size(); ++i) Read_Subslot(stored.Subslots[i], *slot.SubSlotList[i]);
}

// The device of one stored entry; Exception with the reason when it cannot be rebuilt.
std::unique_ptr<TPROFINET_Device> Read_Device(const TNetwork_Device_Record& stored) {
    const QString& fileName = stored.GSDML_FileName.Text();
    if (Find_GSDML_Copy(fileName).isEmpty())
        throw Exception(QStringLiteral("its GSDML file \"%1\" is missing from the configuration").arg(fileName));
    std::shared_ptr<TGSDML> gsdml = Decode_GSDML_Copy(fileName);
    if (!gsdml) throw Exception(QStringLiteral("its GSDML file \"%1\" is no device description").arg(fileName));
    auto device = std::make_unique<TPROFINET_Device>();
    device->FDeviceName = stored.DeviceName.Text();
    device->FDeviceCategoryRef = stored.DeviceCategoryRef.Text();
    device->SetGSDML(std::move(gsdml));
    device->ReadInfoFromGSDML();
    device->FNameOfStation = stored.NameOfStation.Text();
    device->FIPAddress = stored.IPAddress.Text();
    device->FNewSessionSPI = stored.NewSessionSPI.Is("1");
    const int updateTime = stored.UpdateTime.Required_Integer();
    const int sendClock = stored.SendClock.Required_Integer();
    const int reductionRadio = stored.ReductionRadio.Required_Integer();
    const int answerTime = stored.AnswerTime.Required_Integer();
    device->Restore_Timing(updateTime, sendClock, reductionRadio, answerTime);
    if (stored.Slots.size() == device->SlotList.size())
        for (size_t i = 0; i < stored.Slots.size(); ++i) Read_Slot(stored.Slots[i], *device->SlotList[i]);
    return device;
}

}  // namespace

TUnread_Network::TUnread_Network() : kept_(std::make_unique<TXMLDocument>(nullptr)) {}
TUnread_Network::~TUnread_Network() = default;

void TUnread_Network::Clear() {
    devices_.clear();
    kept_->Clear();
    File.Clear();
}

void TUnread_Network::Add(int Position, const QString& Name, const QString& Reason, const IXMLNode& Element) {
    IXMLNode holder = kept_->DocumentElement();
    if (!holder) holder = kept_->AddChild("Network");
    holder.AppendCopy(Element);
    devices_.push_back({Position, Name, Reason});
}

IXMLNode TUnread_Network::Element(size_t Index) const {
    return kept_->DocumentElement().ChildNodes().Nodes(int(Index));
}

void Save_PROFINET_Netword_Project(TXMLDocument& Doc, const TPROFINET_Device_List& Devices,
                                   TUnread_Network& Unread) {
    Unread.File.Keep();
    Doc.Clear();
    IXMLNode root = Doc.AddChild("PROFINET_Master_Network");
    Doc.AddComment("SW_VERSION = 1.001");
    IXMLNode network = root.AddChild("Network");
    // Each unread device takes its old place again, as far as the devices before it allow.
    size_t next = 0;
    size_t unread = 0;
    const size_t unreadCount = Unread.Devices().size();
    for (int place = 0; next < Devices.size() || unread < unreadCount; ++place) {
        if (unread < unreadCount && (Unread.Devices()[unread].Position <= place || next == Devices.size()))
            network.AppendCopy(Unread.Element(unread++));
        else
            Write_Device(network.AddChild("Device"), *Devices[next++]);
    }
    Doc.SaveToFile(File_PROFINET_Master_Network);
}

void Save_PROFINET_Netword_Project(TXMLDocument& Doc, const TPROFINET_Device_List& Devices) {
    TUnread_Network none;
    Save_PROFINET_Netword_Project(Doc, Devices, none);
}

void Load_PROFINET_Network_Project(TXMLDocument& Doc, TPROFINET_Device_List& Devices, TUnread_Network& Unread) {
    Unread.Clear();
    std::vector<TNetwork_Device_Record> records;
    try {
        records = Read_Network_File(Doc, File_PROFINET_Master_Network);
    } catch (const Exception& e) {
        Unread.File.Mark(File_PROFINET_Master_Network);
        MessageDlg(Unread.File.Report(e.Message), mtError, mbOK);
        return;
    }
    QString report;
    for (size_t i = 0; i < records.size(); ++i) {
        const TNetwork_Device_Record& stored = records[i];
        try {
            Devices.push_back(Read_Device(stored));
        } catch (const Exception& e) {
            const QString& station = stored.NameOfStation.Text();
            const QString name = station.isEmpty() ? stored.DeviceName.Text() : station;
            Unread.Add(int(i), name, e.Message, stored.Node);
            report += QStringLiteral("\nDevice #%1 \"%2\": %3").arg(i).arg(name, e.Message);
        }
    }
    if (!report.isEmpty())
        MessageDlg(QStringLiteral("These PROFINET devices cannot be read; they are kept in the network file as "
                                  "they are, but not shown:") +
                       report,
                   mtError, mbOK);
}

void Load_PROFINET_Network_Project(TXMLDocument& Doc, TPROFINET_Device_List& Devices) {
    TUnread_Network unread;
    Load_PROFINET_Network_Project(Doc, Devices, unread);
}
