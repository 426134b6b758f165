#include "config/banks/bank2_builder.h"

#include "config/banks/bank2_connections.h"
#include "config/banks/bank2_devices.h"
#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "profinet/gsdml/gsdml.h"
#include "shell/common/program_state.h"

#include <memory>

namespace {

IXMLNode networkOf(TXMLDocument& XML) {
    const IXMLNode root = XML.ChildNodes().FindNode("PROFINET_Master_Network");
    const IXMLNode network = root.ChildNodes().FindNode("Network");
    if (!network)
        throw Exception(QStringLiteral("PROFINET network: the file has no PROFINET_Master_Network/Network element"));
    return network;
}

// The description copy of a device; nullptr when the device has none that decodes.
std::unique_ptr<TGSDML> decodeDescription(const QString& FileName) {
    const QString folder = Project_Path + PathDelim + "GSDML" + PathDelim;
    if (!FileExists(folder + FileName)) return nullptr;
    auto description = std::make_unique<TGSDML>();
    try {
        if (!description->Decode_GSDML(folder, FileName)) return nullptr;
    } catch (const Exception&) {
        // A copy that is no XML is as unusable as one that is missing.
        return nullptr;
    }
    return description;
}

int readDevices(TXMLDocument& XML) {
    if (!FileExists(File_PROFINET_Master_Network)) return 0;
    XML.SetActive(true);
    XML.LoadFromFile(File_PROFINET_Master_Network);
    const std::vector<IXMLNode> devices = Bank2_Elements(networkOf(XML));
    if (devices.size() > size_t(Bank2_Device_Slots))
        throw Exception(QStringLiteral("Error! The PROFINET network has %1 devices; the master takes at most %2.")
                            .arg(devices.size())
                            .arg(Bank2_Device_Slots));

    int count = 0;
    int32_t inOffset = 0;
    int32_t outOffset = 0;
    for (int slot = 0; slot < int(devices.size()); ++slot) {
        const IXMLNode device = devices[size_t(slot)];
        const QString fileName = device.Attribute("GSDML_FileName");
        const QString deviceName = device.Attribute("DeviceName");
        if (fileName.isEmpty() || deviceName.isEmpty()) continue;
        const std::unique_ptr<TGSDML> description = decodeDescription(fileName);
        if (!description) continue;
        ++count;
        const IXMLNode slotNodes = device.ChildNodes().FindNode("Slots");
        Build_Device_Rule(device, slot, inOffset, outOffset);
        Build_ESMB(*description, deviceName, device.Attribute("DeviceCategoryRef"), slotNodes, slot);
        Build_IOCR(*description, slot, device);
        Build_Prm_Records(device, slot);
    }
    return count;
}

}  // namespace

int Read_PROFINET_Network_Bin(TXMLDocument& XML, uint32_t Base) {
    // Every build starts from empty tables, whoever built them before.
    Clear_PROFINET_Master();
    const int count = readDevices(XML);
    Set_Bank2_Addresses(Base);
    return count;
}
