#include "config/banks/bank2_builder.h"

#include "config/banks/bank2_connections.h"
#include "config/banks/bank2_devices.h"
#include "config/network/network_file_reader.h"
#include "platform/core/exception.h"
#include "profinet/gsdml/gsdml.h"
#include "common/state/program_state.h"

namespace {

// The description copy of a device; nullptr when it is missing or is no description. A copy
// that cannot be read as XML would leave a configured station out of the banks: it ends the
// build, naming the station and the file.
std::shared_ptr<TGSDML> decodeDescription(const TNetwork_Device_Record& Device) {
    try {
        return Decode_GSDML_Copy(Device.GSDML_FileName.Text());
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error! The GSDML file \"%1\" of the PROFINET device \"%2\" cannot be read: %3. "
                                       "The device has not been updated.")
                            .arg(Device.GSDML_FileName.Text(), Device.NameOfStation.Text(), e.Message));
    }
}

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
        const std::shared_ptr<TGSDML> description = decodeDescription(device);
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
