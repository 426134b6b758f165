#pragma once

#include "config/network/profinet_device.h"

#include <QString>
#include <array>
#include <cstdint>

// The checks of what the user types for a device of the network. Each answers true when it
// refuses the entry, with the message to show in Message.

// The address and mask of the PROFINET master, from the general parameters; until they are
// read, a mask of 0 takes every address.
struct TMaster_Subnet {
    std::array<uint8_t, 4> Address{};
    std::array<uint8_t, 4> Mask{};
};

// The master's address and mask as ParGen.xml of the open configuration holds them; the
// defaults of the general parameters when the file is missing or unreadable.
TMaster_Subnet Read_Master_Subnet();

// At most 31 characters, and the letters a to z, digits, '-' and '.' in dot-separated labels
// that neither start nor end with '-'; a name that looks like an address is refused, as
// PROFINET would take it for one. An empty name is taken: the device keeps no name.
bool Name_Of_Station_Fault(const QString& Name, QString& Message);

// A dotted address in the master's subnet, neither the master's own, nor the subnet's first
// or last, nor that of another device of Devices than Self.
bool IP_Address_Fault(const QString& Text, const TMaster_Subnet& Subnet, const TPROFINET_Device_List& Devices,
                      const TPROFINET_Device* Self, QString& Message);

// What a network's check found: the device (its position in the list, -1 for none), the field
// to correct and the message.
enum class TDevice_Field { NameOfStation, IPAddress };
struct TDevice_Fault {
    int Index = -1;
    TDevice_Field Field = TDevice_Field::IPAddress;
    QString Message;
};

// The first device, in list order, that has no name of station, whose name of station or
// address leaving its field would refuse (an address another device has among them), or whose
// name of station another device has too. A device never given an address is refused with the rest: it would run as 0.0.0.0.
TDevice_Fault Network_Fault(const TMaster_Subnet& Subnet, const TPROFINET_Device_List& Devices);
