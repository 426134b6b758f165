#include "config/banks/bank2_builder.h"

#include "config/banks/bank_buffers.h"

namespace {

constexpr int positionRuleSize = 16;

// Every address in the bank is a device address: the base plus the position.
uint32_t address(int Position) { return Bank2_Base + uint32_t(Position); }

// A section of ten empty tables: their addresses, then each table's terminating 0.
int writeEmptySection(TBank_Buffer& Buffer, int Position) {
    const int tables = Position + 4 * Bank2_Device_Slots;
    for (int slot = 0; slot < Bank2_Device_Slots; ++slot)
        Position = Write_U32_LE(Buffer, Position, address(tables + 4 * slot));
    for (int slot = 0; slot < Bank2_Device_Slots; ++slot) Position = Write_U32_LE(Buffer, Position, 0);
    return Position;
}

int sectionSize() { return 8 * Bank2_Device_Slots; }

}  // namespace

int Read_PROFINET_Network_Bin(uint32_t Base) { return 0; }

int Write_Bank2(int Position, TBank_Buffer& Buffer) {
    const int rules = Position + Bank2_Header_Size;
    const int positionRules = rules + Bank2_Device_Slots * Bank2_Device_Rule_Size;
    const int records = positionRules + Bank2_Device_Slots * 2 * positionRuleSize;
    const int submodules = records + sectionSize();
    const int iocrs = submodules + sectionSize();

    int p = Position;
    for (int section : {rules, records, submodules, iocrs}) p = Write_U32_LE(Buffer, p, address(section));
    // Slots without a device are all zero.
    p = Write_Fill(Buffer, p, 0, Bank2_Device_Slots * Bank2_Device_Rule_Size);
    // Each slot's input and output rules end in a terminator of 0xFF bytes.
    p = Write_Fill(Buffer, p, 0xFF, Bank2_Device_Slots * 2 * positionRuleSize);
    for (int section = 0; section < 3; ++section) p = writeEmptySection(Buffer, p);
    return p;
}
