#include "config/banks/bank_builder.h"

#include "config/banks/bank1_builder.h"
#include "config/banks/bank2_builder.h"
#include "config/banks/bank3_builder.h"
#include "config/banks/bank3_tables.h"
#include "config/banks/bank_buffers.h"

void Create_Bin(TXMLDocument& XML) { Create_Bin_Data(XML); }

// The order matters: the bank addresses and the device count enter the general block before
// its checksum is computed.
void Create_Bin_Data(TXMLDocument& XML) {
    Init_Bank1();
    Clear_IEC61850();
    Read_ParGen_Bin(XML);
    Write_U32_LE(Bank1_Block, Bank1_Field::Bank2_Address, Bank2_Base);
    Write_U32_LE(Bank1_Block, Bank1_Field::Device_Count, uint32_t(Read_PROFINET_Network_Bin(XML, Bank2_Base)));
    Write_U32_LE(Bank1_Block, Bank1_Field::Bank3_Address, Bank3_Base);
    Read_IEC61850_Variables_Bin(XML);
    Read_TLS_Known_Cert_Bin(XML);

    Bank1_Len = Bank2_Len = Bank3_Len = 0;
    Bank1_Len = Copy_Bank1(0, Bank1_Buf);
    Bank2_Len = Write_Bank2(0, Bank2_Buf);
    Bank3_Len = Write_Bank3(Read_U32_LE(Bank1_Block, Bank1_Field::Bank3_Address), 0, Bank3_Buf);
}
