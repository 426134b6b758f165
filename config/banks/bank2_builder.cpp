#include "config/banks/bank2_builder.h"

int Read_PROFINET_Network_Bin(uint32_t Base) {
    // Every build starts from empty tables, whoever built them before.
    Clear_PROFINET_Master();
    Set_Bank2_Addresses(Base);
    return 0;
}
