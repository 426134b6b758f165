#pragma once

#include "config/banks/byte_writer.h"

#include <cstdint>

// Device address of byte 0 of each bank; every address stored in a bank is its base plus the
// position of the target in the bank.
constexpr uint32_t Bank1_Base = 0x07000;
constexpr uint32_t Bank2_Base = 0x80000;
constexpr uint32_t Bank3_Base = 0xA0000;

constexpr int Bank1_Buf_Size = 131072;
constexpr int Bank2_Buf_Size = 262144;
constexpr int Bank3_Buf_Size = 131072;
// Bank 2 must end where bank 3 begins in the device's memory, although its buffer is larger.
constexpr int Bank2_Room = int(Bank3_Base - Bank2_Base);

// The images of the three banks, rebuilt by every build. Bytes beyond a length may keep an
// earlier, longer build; only the first Len bytes are ever written to a file.
extern TBank_Buffer Bank1_Buf;
extern TBank_Buffer Bank2_Buf;
extern TBank_Buffer Bank3_Buf;
extern int32_t Bank1_Len;
extern int32_t Bank2_Len;
extern int32_t Bank3_Len;
