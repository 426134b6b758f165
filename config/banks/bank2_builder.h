#pragma once

#include "config/banks/byte_writer.h"

#include <cstdint>

// Bank 2: the PROFINET master tables. Until the network file is read into them, they describe
// a network without devices: ten empty device slots.

constexpr int Bank2_Device_Slots = 10;
constexpr int Bank2_Header_Size = 16;
constexpr int Bank2_Device_Rule_Size = 56;

// Builds the tables from the network file and lays out their addresses from Base; returns the
// number of devices decoded.
int Read_PROFINET_Network_Bin(uint32_t Base);

// Serialises bank 2 from Position: the header, the device rules, the position rules and the
// parameter record, expected-submodule and IOCR sections; returns the end position.
int Write_Bank2(int Position, TBank_Buffer& Buffer);
