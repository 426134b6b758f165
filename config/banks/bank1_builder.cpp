#include "config/banks/bank1_builder.h"

#include "config/banks/bank3_builder.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"
#include "shell/common/program_state.h"

#include <array>

TBank_Buffer Bank1_Block(Bank1_Block_Size, Bank1_Block_Size,
                         QStringLiteral("Error! The general parameters do not fit the general block."));

namespace {

using TAddress = std::array<uint8_t, 4>;

void writeAddress(int Offset, const TAddress& Bytes) {
    for (int i = 0; i < 4; ++i) Write_U8(Bank1_Block, Offset + i, Bytes[size_t(i)]);
}

// The texts of the root's elements, looked up by name; a missing element gives its default.
class TParGen_Reader {
public:
    explicit TParGen_Reader(IXMLNode Root) : root_(Root) {}

    QString Text(const char* Name, const QString& Default) const {
        const IXMLNode node = root_.ChildNodes().FindNode(Name);
        return node ? node.Text() : Default;
    }
    // A decimal integer; the default when the element is missing or is not a number.
    int Number(const char* Name, int Default) const {
        const QString text = Text(Name, QString());
        // Hexadecimal forms are not numbers here.
        if (text.contains(QLatin1Char('$')) || text.contains(QLatin1Char('x'), Qt::CaseInsensitive)) return Default;
        int value = Default;
        if (!TryStrToInt(text, value)) value = Default;
        return value;
    }
    // Four elements Prefix1..Prefix4, each stored as its low 8 bits.
    TAddress Address(const char* Prefix, const TAddress& Default) const {
        TAddress bytes{};
        for (int i = 0; i < 4; ++i)
            bytes[size_t(i)] = uint8_t(Number((QByteArray(Prefix) + char('1' + i)).constData(), Default[size_t(i)]));
        return bytes;
    }

private:
    IXMLNode root_;
};

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
    if (!FileExists(File_ParGen)) return;
    XML.SetActive(true);
    XML.LoadFromFile(File_ParGen);
    const TParGen_Reader par(XML.ChildNodes().First());

    writeAddress(Master_IP, par.Address("PROFINET_Master_IP", {192, 168, 0, 10}));
    writeAddress(Master_Subnet_Mask, par.Address("PROFINET_Master_SM", {255, 255, 255, 0}));
    const bool gateway = par.Text("PROFINET_Master_EN_GAT", QString()) == QLatin1String("1");
    writeAddress(Master_Gateway,
                 gateway ? par.Address("PROFINET_Master_GAT", {192, 168, 0, 1}) : TAddress{255, 255, 255, 255});

    // A name edited outside the program may be longer than the field: it is cut, never overrun.
    const QString name = par.Text("PROFINET_Master_NAME_STA", QStringLiteral("devicename1"));
    Write_Fill(Bank1_Block, Master_Name_Of_Station, 0, Name_Of_Station_Size);
    for (int i = 0; i < name.size() && i < Name_Of_Station_Size - 1; ++i)
        Write_U8(Bank1_Block, Master_Name_Of_Station + i, uint8_t(name[i].unicode()));

    TTLS_Bank& tls = IEC61850_Data.TLS_Data;
    IEC61850_Data.TLS_Enable = uint32_t(par.Number("TLS_Server_Enable", 0));
    tls.key = par.Text("TLS_Server_Key", QString());
    tls.Key_Length = uint32_t(tls.key.toUtf8().size()) + 1;
    tls.Key_Password = par.Text("TLS_Server_Key_Password", QString());
    setCertificate(tls.Server_Cert, par.Text("TLS_Server_Server_Certificate", QString()));
    setCertificate(tls.Root_Cert, par.Text("TLS_Server_Root_Certificate", QString()));
    tls.Known_Cert_En = uint32_t(par.Number("TLS_Server_Enable_Known_Cert", 0));
}

int Copy_Bank1(int Position, TBank_Buffer& Buffer) {
    uint32_t sum = 0;
    for (int i = 0; i < Bank1_Field::Checksum; ++i) sum += Bank1_Block.Data()[i];
    Write_U32_LE(Bank1_Block, Bank1_Field::Checksum, sum);
    return Write_Bytes(Buffer, Position, Bank1_Block.Bytes(Bank1_Block_Size));
}
