#include "config/banks/bank2_format.h"


std::array<TPROFINET_Master_Rule, Bank2_Device_Slots> Master_Rules;
std::array<TDevice_wr_Data, Bank2_Device_Slots> Prm_Tables;
std::array<TDevice_ESMB, Bank2_Device_Slots> ESMB_Tables;
std::array<TDevice_IOCR, Bank2_Device_Slots> IOCR_Tables;
TBank2_Header Bank2_Header;

void Clear_PROFINET_Master() {
    Master_Rules = {};
    Prm_Tables = {};
    ESMB_Tables = {};
    IOCR_Tables = {};
    Bank2_Header = {};
}

namespace {

constexpr int tableAddressesSize = 4 * Bank2_Device_Slots;

// The running address is kept wide: item lengths come from the configuration, and a sum past
// 32 bits must not wrap back into the bank (the serialiser then refuses the bank anyway).
using Address = int64_t;

Address layoutRules(Address A, const std::vector<TPosition_Rule>& Rules, int32_t& First) {
    First = int32_t(A);
    return A + Bank2_Position_Rule_Size * (Address(Rules.size()) + 1);
}

// A section of per-slot tables: ten table addresses, then per slot its item addresses, a 0 and
// its items.
template <class Table, class Item>
Address layoutSection(Address A, uint32_t& Section, std::array<Table, Bank2_Device_Slots>& Tables,
                      std::vector<Item> Table::*Items) {
    Section = uint32_t(A);
    A += tableAddressesSize;
    for (Table& table : Tables) {
        std::vector<Item>& items = table.*Items;
        table.Address = uint32_t(A);
        A += 4 * (Address(items.size()) + 1);
        for (Item& item : items) {
            item.Address = uint32_t(A);
            A += Item::Head_Size + Address(item.Len);
        }
    }
    return A;
}

int writeHead(TBank_Buffer& B, int P, const TData_Prm_Description& Record) {
    P = Write_U32_LE(B, P, Record.Len);
    P = Write_U32_LE(B, P, Record.API);
    P = Write_U16_LE(B, P, Record.Slot);
    P = Write_U16_LE(B, P, Record.Subslot);
    return Write_U16_LE(B, P, Record.Index);
}

int writeHead(TBank_Buffer& B, int P, const TESMB_API_Description& Item) {
    P = Write_U16_LE(B, P, Item.Len);
    return Write_U16_LE(B, P, Item.NumerofApi);
}

int writeHead(TBank_Buffer& B, int P, const TIOCR_API_Description& Item) {
    for (uint16_t field : {Item.Len, Item.IOCR, Item.FrameID, Item.SendClockFactor, Item.ReductionRate,
                           Item.WatchDogRatio, Item.DataHoldFactor, Item.IOCRTagHeader, Item.Num_Api})
        P = Write_U16_LE(B, P, field);
    return P;
}

// Exactly Len bytes, whatever the size of Data, so that the layout holds.
int writeData(TBank_Buffer& B, int P, const QByteArray& Data, uint32_t Len) {
    B.Check_Room(P, Len);
    const QByteArray bytes = Data.left(qsizetype(Len));
    P = Write_Bytes(B, P, bytes);
    return Write_Fill(B, P, 0, int(Len) - int(bytes.size()));
}

template <class Table, class Item>
int writeSection(TBank_Buffer& B, int P, const std::array<Table, Bank2_Device_Slots>& Tables,
                 std::vector<Item> Table::*Items) {
    for (const Table& table : Tables) P = Write_U32_LE(B, P, table.Address);
    for (const Table& table : Tables) {
        const std::vector<Item>& items = table.*Items;
        for (const Item& item : items) P = Write_U32_LE(B, P, item.Address);
        P = Write_U32_LE(B, P, 0);
        for (const Item& item : items) P = writeData(B, writeHead(B, P, item), item.Data, item.Len);
    }
    return P;
}

int writePositionRules(TBank_Buffer& B, int P, const std::vector<TPosition_Rule>& Rules) {
    for (const TPosition_Rule& rule : Rules)
        for (int32_t field : {rule.Start, rule.Quantity, rule.Offset, rule.Options}) P = Write_U32_LE(B, P, uint32_t(field));
    return Write_Fill(B, P, 0xFF, Bank2_Position_Rule_Size);
}

int writeBytes(TBank_Buffer& B, int P, const uint8_t* Bytes, int Count) {
    return Write_Bytes(B, P, QByteArray(reinterpret_cast<const char*>(Bytes), Count));
}

void appendBE(QByteArray& Data, uint32_t Value, int Width) {
    for (int i = Width - 1; i >= 0; --i) Data.append(char(uint8_t(Value >> (8 * i))));
}
void appendU16(QByteArray& Data, uint16_t Value) { appendBE(Data, Value, 2); }
void appendU32(QByteArray& Data, uint32_t Value) { appendBE(Data, Value, 4); }

// A count followed by Slot, Subslot and offset of each entry.
void appendEntries(QByteArray& Data, const std::vector<TSubModDef>& Entries) {
    appendU16(Data, uint16_t(Entries.size()));
    for (const TSubModDef& entry : Entries)
        for (int32_t field : {entry.Slot, entry.Subslot, entry.offset}) appendU16(Data, uint16_t(field));
}

void appendDataDescription(QByteArray& Data, uint16_t Type, uint16_t Length) {
    appendU16(Data, Type);
    appendU16(Data, Length);
    Data.append(char(1));  // LengthIOCS
    Data.append(char(1));  // LengthIOPS
}

}  // namespace

void Set_Bank2_Addresses(uint32_t Base) {
    Address A = Address(Base) + Bank2_Header_Size;
    Bank2_Header.Device_Rules = uint32_t(A);
    A += Bank2_Device_Slots * Bank2_Device_Rule_Size;
    for (TPROFINET_Master_Rule& rule : Master_Rules) {
        A = layoutRules(A, rule.Pos_In_Arr, rule.Pos_Add_In);
        A = layoutRules(A, rule.Pos_Out_Arr, rule.Pos_Add_Out);
    }
    A = layoutSection(A, Bank2_Header.Prm_Records, Prm_Tables, &TDevice_wr_Data::Device_Data);
    A = layoutSection(A, Bank2_Header.ESMB, ESMB_Tables, &TDevice_ESMB::Device_ESMB);
    layoutSection(A, Bank2_Header.IOCR, IOCR_Tables, &TDevice_IOCR::Device_IOCR);
}

int Write_Bank2(int Position, TBank_Buffer& Buffer) {
    for (uint32_t section : {Bank2_Header.Device_Rules, Bank2_Header.Prm_Records, Bank2_Header.ESMB, Bank2_Header.IOCR})
        Position = Write_U32_LE(Buffer, Position, section);
    Position = Write_Device_Rules(Position, Buffer);
    Position = Write_Prm_Records(Position, Buffer);
    Position = Write_ESMB(Position, Buffer);
    return Write_IOCR(Position, Buffer);
}

int Write_Device_Rules(int Position, TBank_Buffer& Buffer) {
    int P = Position;
    for (const TPROFINET_Master_Rule& rule : Master_Rules) {
        P = writeBytes(Buffer, P, rule.IP_Address.data(), int(rule.IP_Address.size()));
        P = Write_U32_LE(Buffer, P, uint32_t(rule.Pos_Add_In));
        P = Write_U32_LE(Buffer, P, uint32_t(rule.Pos_Add_Out));
        P = writeBytes(Buffer, P, rule.PROFINET_Device_Name.data(), Bank2_Device_Name_Size);
        P = Write_U16_LE(Buffer, P, rule.PROFINET_Len_In);
        P = Write_U16_LE(Buffer, P, rule.PROFINET_Len_Out);
        P = Write_U32_LE(Buffer, P, rule.Time_Poll);
        P = Write_U32_LE(Buffer, P, rule.Options);
    }
    for (const TPROFINET_Master_Rule& rule : Master_Rules) {
        P = writePositionRules(Buffer, P, rule.Pos_In_Arr);
        P = writePositionRules(Buffer, P, rule.Pos_Out_Arr);
    }
    return P;
}

int Write_Prm_Records(int Position, TBank_Buffer& Buffer) {
    return writeSection(Buffer, Position, Prm_Tables, &TDevice_wr_Data::Device_Data);
}

int Write_ESMB(int Position, TBank_Buffer& Buffer) {
    return writeSection(Buffer, Position, ESMB_Tables, &TDevice_ESMB::Device_ESMB);
}

int Write_IOCR(int Position, TBank_Buffer& Buffer) {
    return writeSection(Buffer, Position, IOCR_Tables, &TDevice_IOCR::Device_IOCR);
}

void Append_ESMB_API(QByteArray& Data, uint32_t API, uint16_t SlotNumber, uint32_t ModuleIdentNumber,
                     uint16_t NumberOfSubmodules) {
    appendU32(Data, API);
    appendU16(Data, SlotNumber);
    appendU32(Data, ModuleIdentNumber);
    appendU16(Data, 0);  // ModuleProperties
    appendU16(Data, NumberOfSubmodules);
}

void Append_ESMB_Submodule(QByteArray& Data, uint16_t SubslotNumber, uint32_t SubmoduleIdentNumber, uint16_t LenIN,
                           uint16_t LenOUT) {
    const bool input = LenIN > 0;
    const bool output = LenOUT > 0;
    appendU16(Data, SubslotNumber);
    appendU32(Data, SubmoduleIdentNumber);
    appendU16(Data, uint16_t((input ? 1 : 0) | (output ? 2 : 0)));
    // A submodule without data still has its status, carried as an input of length 0.
    if (input || !output) appendDataDescription(Data, 0x0001, LenIN);
    if (output) appendDataDescription(Data, 0x0002, LenOUT);
}

void Append_IOCR_API(QByteArray& Data, uint32_t API, const std::vector<TSubModDef>& IODO_List,
                     const std::vector<TSubModDef>& IOCS_List) {
    appendU32(Data, API);
    appendEntries(Data, IODO_List);
    appendEntries(Data, IOCS_List);
}
