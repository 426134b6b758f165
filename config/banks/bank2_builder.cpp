#include "config/banks/bank2_builder.h"

#include "config/banks/bank2_connections.h"
#include "config/banks/bank2_devices.h"
#include "config/network/network_file_reader.h"
#include "platform/core/exception.h"
#include "profinet/gsdml/gsdml.h"
#include "common/state/program_state.h"

namespace {

// The description copy of a device. A device that cannot be built would be left out of the
// banks while the network file names it: it ends the build, naming the station and the file.
std::shared_ptr<TGSDML> decodeDescription(const TNetwork_Device_Record& Device, int Slot) {
    const QString& fileName = Device.GSDML_FileName.Text();
    const auto refuse = [&](const QString& why) {
        return Exception(QStringLiteral("Error! The PROFINET device #%1 \"%2\" cannot be built: %3. The device has not "
                                        "been updated.")
                             .arg(Slot)
                             .arg(Device.NameOfStation.Text(), why));
    };
    if (fileName.isEmpty() || Device.DeviceName.Text().isEmpty())
        throw refuse(QStringLiteral("it names no device or no GSDML file"));
    if (Find_GSDML_Copy(fileName).isEmpty())
        throw refuse(QStringLiteral("its GSDML file \"%1\" is missing from the configuration").arg(fileName));
    std::shared_ptr<TGSDML> description;
    try {
        description = Decode_GSDML_Copy(fileName);
    } catch (const Exception& e) {
        throw refuse(QStringLiteral("its GSDML file \"%1\" cannot be read: %2").arg(fileName, e.Message));
    }
    if (!description) throw refuse(QStringLiteral("its GSDML file \"%1\" is no device description").arg(fileName));
    return description;
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
        const std::shared_ptr<TGSDML> description = decodeDescription(device, slot);
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
