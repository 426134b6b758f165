#pragma once

#include "config/banks/bank2_format.h"

#include <cstdint>

class TXMLDocument;

// Builds the bank 2 tables from the network file, read through XML, and the description copy
// of each device in the project's GSDML folder, then lays out their addresses from Base;
// returns the number of devices decoded. A device keeps the slot of its place in the file, so
// a device left out (no name, no description copy, a copy that is no description) leaves its
// slot empty. A file with more than ten devices, a malformed one, or a description copy that
// is not well-formed XML raises Exception.
int Read_PROFINET_Network_Bin(TXMLDocument& XML, uint32_t Base);
