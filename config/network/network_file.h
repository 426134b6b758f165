#pragma once

#include "config/network/profinet_device.h"

class TXMLDocument;

// PROFINET_Master_Network.xml: the devices of the network with their choices. The bank
// builder reads the same file, so the writer keeps every attribute it needs, also those the
// reader below takes back from the description copies instead.

// Writes Devices to File_PROFINET_Master_Network through Doc, replacing the file. A file that
// cannot be written raises the DOM's Exception.
void Save_PROFINET_Netword_Project(TXMLDocument& Doc, const TPROFINET_Device_List& Devices);

// Appends the devices of File_PROFINET_Master_Network to Devices, each rebuilt from its
// description copy in the project's GSDML folder and then given its stored choices. A missing
// file is an empty network; a device whose copy is missing or unreadable is left out. An
// unreadable file or a missing or non-numeric timing or address attribute is reported in an
// error box and ends the reading, the devices read before it kept.
void Load_PROFINET_Network_Project(TXMLDocument& Doc, TPROFINET_Device_List& Devices);
