#pragma once

#include "config/banks/byte_writer.h"

class TXMLDocument;

// Bank 1: the general block of 2048 bytes, little-endian, ending in a 32-bit byte sum.

constexpr int Bank1_Block_Size = 2048;

// Offsets of the named fields of the general block; every other byte is zero.
namespace Bank1_Field {
constexpr int Master_IP = 0x028;           // 4 bytes in reading order
constexpr int Master_Subnet_Mask = 0x02C;  // 4 bytes
constexpr int Master_Gateway = 0x030;      // 4 bytes
constexpr int Master_Name_Of_Station = 0x050;
constexpr int Name_Of_Station_Size = 16;  // 15 characters and a terminating zero
constexpr int Bank3_Address = 0x5E8;
constexpr int Device_Count = 0x618;
constexpr int Bank2_Address = 0x61C;
constexpr int Checksum = 0x7FC;
}  // namespace Bank1_Field

extern TBank_Buffer Bank1_Block;

// Sets all 2048 bytes to their defaults.
void Init_Bank1();

// Reads File_ParGen, loaded into XML, into the master's address, mask, gateway and name of
// station and into the TLS fields of IEC61850_Data. Does nothing when the file is missing;
// a malformed file raises the parser's exception.
void Read_ParGen_Bin(TXMLDocument& XML);

// Stores the checksum, copies the block to Buffer at Position and returns Position + 2048.
int Copy_Bank1(int Position, TBank_Buffer& Buffer);
