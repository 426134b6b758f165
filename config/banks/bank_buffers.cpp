#include "config/banks/bank_buffers.h"

TBank_Buffer Bank1_Buf(Bank1_Buf_Size, Bank1_Buf_Size,
                       QStringLiteral("Error! The general parameters do not fit bank 1."));
TBank_Buffer Bank2_Buf(Bank2_Buf_Size, Bank2_Room,
                       QStringLiteral("Error! The PROFINET configuration is too large: bank 2 would run past the "
                                      "start of bank 3 (131072 bytes from 0x80000 to 0xA0000)."));
TBank_Buffer Bank3_Buf(Bank3_Buf_Size, Bank3_Buf_Size,
                       QStringLiteral("Error! The IEC61850 and TLS configuration is too large for bank 3 "
                                      "(131072 bytes)."));
int32_t Bank1_Len = 0;
int32_t Bank2_Len = 0;
int32_t Bank3_Len = 0;
