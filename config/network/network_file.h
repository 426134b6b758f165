#pragma once

#include "config/network/profinet_device.h"
#include "platform/xml/xml_document.h"
#include "common/state/unread_file.h"

#include <QString>
#include <memory>
#include <vector>

class TXMLDocument;

// PROFINET_Master_Network.xml: the devices of the network with their choices. The bank
// builder reads the same file, so the writer keeps every attribute it needs, also those the
// reader below takes back from the description copies instead.

// What a reading of the file could not take, so that the next save loses none of it: the
// devices that could not be rebuilt, kept as the file holds them with their places among the
// devices, and the file itself when it could not be read at all.
class TUnread_Network {
public:
    struct TDevice {
        int Position;    // among the devices of the file, from 0
        QString Name;    // its name of station, or its device name when it has none
        QString Reason;
    };

    TUnread_Network();
    ~TUnread_Network();

    const std::vector<TDevice>& Devices() const { return devices_; }
    TUnread_File File;

    void Clear();
    void Add(int Position, const QString& Name, const QString& Reason, const IXMLNode& Element);
    // The kept element of Devices()[Index].
    IXMLNode Element(size_t Index) const;

private:
    std::vector<TDevice> devices_;
    std::unique_ptr<TXMLDocument> kept_;
};

// Writes Devices to File_PROFINET_Master_Network through Doc, replacing the file; the devices
// of Unread go back to their places among them as the file held them. A file that could not
// be read is first kept beside it. A file that cannot be written raises Exception.
void Save_PROFINET_Netword_Project(TXMLDocument& Doc, const TPROFINET_Device_List& Devices,
                                   TUnread_Network& Unread);
void Save_PROFINET_Netword_Project(TXMLDocument& Doc, const TPROFINET_Device_List& Devices);

// Appends the devices of File_PROFINET_Master_Network to Devices, each rebuilt from its
// description copy in the project's GSDML folder and then given its stored choices. A missing
// file is an empty network. A device that cannot be rebuilt (its copy missing or unreadable,
// an attribute missing or not a number) goes to Unread, and all such devices are reported in
// one error box; the others load. A file that cannot be read is reported in an error box that
// says where it will be kept.
void Load_PROFINET_Network_Project(TXMLDocument& Doc, TPROFINET_Device_List& Devices, TUnread_Network& Unread);
void Load_PROFINET_Network_Project(TXMLDocument& Doc, TPROFINET_Device_List& Devices);
