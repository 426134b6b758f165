#include "config/banks/bank1_builder.h"

#include "config/banks/bank3_builder.h"
#include "config/general/par_gen_file.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <array>

TBank_Buffer Bank1_Block(Bank1_Block_Size, Bank1_Block_Size,
                         QStringLiteral("Error! The general parameters do not fit the general block."));

namespace {

using TAddress = std::array<uint8_t, 4>;

void writeAddress(int Offset, const TAddress& Bytes) {
    for (int i = 0; i < 4; ++i) Write_U8(Bank1_Block, Offset + i, Bytes[size_t(i)]);
}

void setCertificate(TTLS_Certificate& Cert, const QString& Text) {
    Cert.Certificate = Text;
    Cert.Certificate_Length = uint32_t(Text.toUtf8().size()) + 1;
}

}  // namespace

void Init_Bank1() {
    using namespace Bank1_Field;
    Bank1_Block.Fill_Zero();
    Write_U32_LE(Bank1_Block, 0x000, 125000);
    Write_U32_LE(Bank1_Block, 0x004, 125000);
    Write_U32_LE(Bank1_Block, 0x008, 0);
    Write_U32_LE(Bank1_Block, 0x00C, 9600);
    writeAddress(Master_IP, {192, 168, 2, 205});
    writeAddress(Master_Subnet_Mask, {255, 255, 255, 0});
    writeAddress(Master_Gateway, {255, 255, 255, 255});
    Write_U16_LE(Bank1_Block, 0x034, 5000);
    Write_U16_LE(Bank1_Block, 0x036, 10001);
    Write_U16_LE(Bank1_Block, 0x038, 10001);
}

void Read_ParGen_Bin(TXMLDocument& XML) {
    using namespace Bank1_Field;
    using enum TParGen_Item;
    if (!FileExists(File_ParGen)) return;
    TParGen_Values par;
    par.Read(XML, File_ParGen);

    writeAddress(Master_IP, par.Checked_Address(PROFINET_Master_IP1));
    writeAddress(Master_Subnet_Mask, par.Checked_Address(PROFINET_Master_SM1));
    writeAddress(Master_Gateway, par.Flag(PROFINET_Master_EN_GAT) ? par.Checked_Address(PROFINET_Master_GAT1)
                                                                  : TAddress{255, 255, 255, 255});

    // A name edited outside the program may be longer than the field: it is cut, never overrun.
    const QString& name = par.Text(PROFINET_Master_NAME_STA);
    Write_Fill(Bank1_Block, Master_Name_Of_Station, 0, Name_Of_Station_Size);
    for (int i = 0; i < name.size() && i < Name_Of_Station_Size - 1; ++i)
        Write_U8(Bank1_Block, Master_Name_Of_Station + i, uint8_t(name[i].unicode()));

    TTLS_Bank& tls = IEC61850_Data.TLS_Data;
    IEC61850_Data.TLS_Enable = par.Flag(TLS_Server_Enable) ? 1 : 0;
    tls.key = par.Text(TLS_Server_Key);
    tls.Key_Length = uint32_t(tls.key.toUtf8().size()) + 1;
    tls.Key_Password = par.Text(TLS_Server_Key_Password);
    setCertificate(tls.Server_Cert, par.Text(TLS_Server_Server_Certificate));
    setCertificate(tls.Root_Cert, par.Text(TLS_Server_Root_Certificate));
    tls.Known_Cert_En = par.Flag(TLS_Server_Enable_Known_Cert) ? 1 : 0;
}

int Copy_Bank1(int Position, TBank_Buffer& Buffer) {
    uint32_t sum = 0;
    for (int i = 0; i < Bank1_Field::Checksum; ++i) sum += Bank1_Block.Data()[i];
    Write_U32_LE(Bank1_Block, Bank1_Field::Checksum, sum);
    return Write_Bytes(Buffer, Position, Bank1_Block.Bytes(Bank1_Block_Size));
}
