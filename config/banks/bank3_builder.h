#pragma once

#include "config/banks/byte_writer.h"

#include <QString>
#include <cstdint>
#include <vector>

// Bank 3: the IEC 61850 server's port, its TLS material and its variables, little-endian.

struct TTLS_Certificate {
    QString Certificate;
    uint32_t Certificate_Add = 0;
    uint32_t Certificate_Length = 0;  // UTF-8 bytes plus the terminating zero
};

struct TTLS_Bank {
    QString key;
    uint32_t key_add = 0;
    uint32_t Key_Length = 0;  // UTF-8 bytes plus the terminating zero
    QString Key_Password;
    uint32_t Key_Password_Add = 0;
    TTLS_Certificate Server_Cert;
    TTLS_Certificate Root_Cert;
    uint32_t Known_Cert_En = 0;
    uint32_t Known_Cert_Num = 0;
    uint32_t Known_Cert_Add = 0;
    std::vector<TTLS_Certificate> Known_Cert;
};

struct TIEC61850_Var {
    QString Name;
    uint32_t Name_Add = 0;
    uint32_t Data_Type = 0;  // 2 digital, 4 integer, 6 float
    uint32_t Position = 0;
    uint32_t Start_Bit = 0;
    uint32_t Length = 0;
    uint32_t Read_Only = 0;
    float Multiplication_Factor = 0;
    uint16_t Operation = 0;  // 0 none, 1 integer to float, 2 float to integer
    uint16_t Options = 0;    // bit 0 swap bytes, bit 1 swap words
};

struct TIEC61850 {
    uint16_t port = 0;
    uint32_t TLS_Enable = 0;
    TTLS_Bank TLS_Data;
    QString Password;
    uint32_t Password_Add = 0;
    uint32_t Var_Number = 0;
    uint32_t Var_Add = 0;
    std::vector<TIEC61850_Var> Variables;
};

extern TIEC61850 IEC61850_Data;

constexpr int Bank3_Head_Size = 54;

// Port 102, every text empty, every number 0, both lists empty.
void Clear_IEC61850();

// The UTF-8 bytes (resp. one byte per character, its low 8 bits) and a zero byte; nothing at
// all for an empty text.
int Write_UTF8_String(const QString& Text, int Position, TBank_Buffer& Buffer);
int Write_Byte_String(const QString& Text, int Position, TBank_Buffer& Buffer);

// Lays out the addresses of IEC61850_Data from Base and serialises it from Position; returns
// the end position.
int Write_Bank3(uint32_t Base, int Position, TBank_Buffer& Buffer);
