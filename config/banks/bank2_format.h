#pragma once

#include "config/banks/byte_writer.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

// Bank 2: the PROFINET master tables of up to ten devices. The structure (section and table
// addresses, device rules, position rules, item heads) is little-endian; the PROFINET payloads
// inside the items are big-endian, as the master sends them on the wire.

constexpr int Bank2_Device_Slots = 10;
constexpr int Bank2_Header_Size = 16;
constexpr int Bank2_Device_Rule_Size = 56;
constexpr int Bank2_Position_Rule_Size = 16;
constexpr int Bank2_Device_Name_Size = 32;

// Where one submodule's share of a device's cyclic frame goes in the gateway's data image.
struct TPosition_Rule {
    int32_t Start = 0;
    int32_t Quantity = 0;
    int32_t Offset = 0;
    int32_t Options = 0;
};

struct TPROFINET_Master_Rule {
    std::array<uint8_t, 4> IP_Address{};
    int32_t Pos_Add_In = 0;
    std::vector<TPosition_Rule> Pos_In_Arr;
    int32_t Pos_Add_Out = 0;
    std::vector<TPosition_Rule> Pos_Out_Arr;
    std::array<uint8_t, Bank2_Device_Name_Size> PROFINET_Device_Name{};  // zero-filled, no terminator
    uint16_t PROFINET_Len_In = 0;
    uint16_t PROFINET_Len_Out = 0;
    uint32_t Time_Poll = 0;
    uint32_t Options = 0;
};

// The items of the three tables. The bank holds Len bytes of data after each head: Data is cut
// or zero-padded to Len, so the addresses laid out from Len always match what is written.
struct TData_Prm_Description {
    static constexpr int Head_Size = 14;
    uint32_t Len = 0;
    uint32_t API = 0;
    uint16_t Slot = 0;
    uint16_t Subslot = 0;
    uint16_t Index = 0;
    QByteArray Data;
    uint32_t Address = 0;
};

struct TESMB_API_Description {
    static constexpr int Head_Size = 4;
    uint16_t Len = 0;
    uint16_t NumerofApi = 0;
    QByteArray Data;
    uint32_t Address = 0;
};

struct TIOCR_API_Description {
    static constexpr int Head_Size = 18;
    uint16_t Len = 0;
    uint16_t IOCR = 0;
    uint16_t FrameID = 0;
    uint16_t SendClockFactor = 0;
    uint16_t ReductionRate = 0;
    uint16_t WatchDogRatio = 0;
    uint16_t DataHoldFactor = 0;
    uint16_t IOCRTagHeader = 0;
    uint16_t Num_Api = 0;
    QByteArray Data;
    uint32_t Address = 0;
};

struct TDevice_wr_Data {
    std::vector<TData_Prm_Description> Device_Data;
    uint32_t Address = 0;
};

struct TDevice_ESMB {
    std::vector<TESMB_API_Description> Device_ESMB;
    uint32_t Address = 0;
};

struct TDevice_IOCR {
    std::vector<TIOCR_API_Description> Device_IOCR;
    uint32_t Address = 0;
};

// An IO data object or consumer-status entry of a communication relation.
struct TSubModDef {
    int32_t Slot = 0;
    int32_t Subslot = 0;
    int32_t offset = 0;
};

// The four section addresses at the start of the bank.
struct TBank2_Header {
    uint32_t Device_Rules = 0;
    uint32_t Prm_Records = 0;
    uint32_t ESMB = 0;
    uint32_t IOCR = 0;
};

// The tables under construction, indexed by device slot; rebuilt by every build.
extern std::array<TPROFINET_Master_Rule, Bank2_Device_Slots> Master_Rules;
extern std::array<TDevice_wr_Data, Bank2_Device_Slots> Prm_Tables;
extern std::array<TDevice_ESMB, Bank2_Device_Slots> ESMB_Tables;
extern std::array<TDevice_IOCR, Bank2_Device_Slots> IOCR_Tables;
extern TBank2_Header Bank2_Header;

// Ten empty device slots: zero rules, empty lists, no addresses.
void Clear_PROFINET_Master();

// The layout pass: assigns every address of the tables, the bank starting at device address
// Base. Every slot gets its position-rule addresses, a slot without a device included: they
// name its two terminators, so the master never follows an address of 0.
void Set_Bank2_Addresses(uint32_t Base);

// Serialise the tables as laid out, from Position; each returns the position after what it
// wrote. Write_Bank2 writes the header and the four sections below in order; a bank too large
// for its room raises the buffer's overflow error.
int Write_Bank2(int Position, TBank_Buffer& Buffer);
int Write_Device_Rules(int Position, TBank_Buffer& Buffer);  // the ten rules and the position rules
int Write_Prm_Records(int Position, TBank_Buffer& Buffer);
int Write_ESMB(int Position, TBank_Buffer& Buffer);
int Write_IOCR(int Position, TBank_Buffer& Buffer);

// The big-endian payloads. An expected-submodule item holds, per API, one API head followed by
// NumberOfSubmodules submodule entries; an IOCR item holds one API block per API.
void Append_ESMB_API(QByteArray& Data, uint32_t API, uint16_t SlotNumber, uint32_t ModuleIdentNumber,
                     uint16_t NumberOfSubmodules);
// Its properties and data descriptions follow from the lengths: input when LenIN > 0 or when
// the submodule has no data at all, output when LenOUT > 0.
void Append_ESMB_Submodule(QByteArray& Data, uint16_t SubslotNumber, uint32_t SubmoduleIdentNumber, uint16_t LenIN,
                           uint16_t LenOUT);
void Append_IOCR_API(QByteArray& Data, uint32_t API, const std::vector<TSubModDef>& IODO_List,
                     const std::vector<TSubModDef>& IOCS_List);
