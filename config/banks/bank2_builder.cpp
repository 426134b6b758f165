#include "config/banks/bank2_builder.h"

#include "config/banks/bank2_connections.h"
#include "config/banks/bank2_devices.h"
#include "config/network/network_file_reader.h"
#include "platform/core/exception.h"
#include "profinet/gsdml/gsdml.h"
#include "shell/common/program_state.h"

namespace {

int readDevices(TXMLDocument& XML) {
    const std::vector<TNetwork_Device_Record> devices = Read_Network_File(XML, File_PROFINET_Master_Network);
    if (devices.size() > size_t(Bank2_Device_Slots))
        throw Exception(QStringLiteral("Error! The PROFINET network has %1 devices; the master takes at most %2.")
                            .arg(devices.size())
                            .arg(Bank2_Device_Slots));

    int count = 0;
    int32_t inOffset = 0;
    int32_t outOffset = 0;
    for (int slot = 0; slot < int(devices.size()); ++slot) {
        const TNetwork_Device_Record& device = devices[size_t(slot)];
        const QString& deviceName = device.DeviceName.Text();
        if (device.GSDML_FileName.Text().isEmpty() || deviceName.isEmpty()) continue;
        std::shared_ptr<TGSDML> description;
        try {
            description = Decode_GSDML_Copy(device.GSDML_FileName.Text());
        } catch (const Exception&) {
            // A copy that is no XML is as unusable as one that is missing.
        }
        if (!description) continue;
        ++count;
        Build_Device_Rule(device, slot, inOffset, outOffset);
        Build_ESMB(*description, deviceName, device.DeviceCategoryRef.Text(), device.Slots, slot);
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
