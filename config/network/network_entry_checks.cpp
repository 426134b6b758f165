#include "config/network/network_entry_checks.h"

#include "config/general/par_gen_file.h"
#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"
#include "common/state/text_helpers.h"

namespace {

using TAddress = std::array<uint8_t, 4>;

// The network window's messages beyond those of its first design.
constexpr int Text_Name_Empty = 1138;
constexpr int Text_Name_Rule = 1139;
constexpr int Text_Name_Like_Address = 1140;
constexpr int Text_Name_Used = 1141;
constexpr int Text_Outside_Subnet = 1142;
constexpr int Text_Subnet_Edge = 1143;
constexpr int Text_Master_Address = 1144;
constexpr int Text_Address_Used = 1145;

QString Dotted(const TAddress& a) {
    return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

bool Is_Label_Char(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           c == QLatin1Char('-');
}

bool Refused(QString& Message, const QString& Text) {
    Message = Text;
    return true;
}

// The bytes of a dotted address that Split_IP_Address takes.
bool Parse_Address(const QString& Text, TAddress& Address) {
    QString p[4];
    if (!Split_IP_Address(Text, p[0], p[1], p[2], p[3])) return false;
    for (int i = 0; i < 4; ++i) Address[size_t(i)] = uint8_t(p[i].toInt());
    return true;
}

// Four dotted decimal numbers, as an address is written.
bool Looks_Like_Address(const QString& Name) {
    const QStringList parts = Name.split(QLatin1Char('.'));
    if (parts.size() != 4) return false;
    for (const QString& p : parts) {
        bool ok = false;
        p.toUInt(&ok);
        if (!ok) return false;
    }
    return true;
}

}  // namespace

TMaster_Subnet Read_Master_Subnet() {
    TMaster_Subnet subnet;
    TParGen_Values values;
    try {
        if (FileExists(File_ParGen)) {
            TXMLDocument xml(nullptr);
            values.Read(xml, File_ParGen);
        }
    } catch (const Exception&) {
        // The general parameters window reports an unreadable file; here the defaults serve.
    }
    subnet.Address = values.Address(TParGen_Item::PROFINET_Master_IP1);
    subnet.Mask = values.Address(TParGen_Item::PROFINET_Master_SM1);
    return subnet;
}

bool Name_Of_Station_Fault(const QString& Name, QString& Message) {
    if (Name.size() >= 32) return Refused(Message, Lang(1131));
    if (Name.isEmpty()) return false;
    const QString rule = Lang(Text_Name_Rule);
    for (const QString& label : Name.split(QLatin1Char('.'))) {
        if (label.isEmpty() || label.startsWith(QLatin1Char('-')) || label.endsWith(QLatin1Char('-')))
            return Refused(Message, rule);
        for (const QChar c : label)
            if (!Is_Label_Char(c)) return Refused(Message, rule);
    }
    if (Looks_Like_Address(Name))
        return Refused(Message, Lang(Text_Name_Like_Address));
    return false;
}

bool IP_Address_Fault(const QString& Text, const TMaster_Subnet& Subnet, const TPROFINET_Device_List& Devices,
                      const TPROFINET_Device* Self, QString& Message) {
    TAddress address{};
    if (!Parse_Address(Text, address)) return Refused(Message, Lang(1132));
    bool inSubnet = true;
    bool hostZero = true;
    bool hostOnes = true;
    for (size_t i = 0; i < 4; ++i) {
        const uint8_t mask = Subnet.Mask[i];
        inSubnet = inSubnet && (address[i] & mask) == (Subnet.Address[i] & mask);
        hostZero = hostZero && (address[i] & ~mask & 0xFF) == 0;
        hostOnes = hostOnes && (address[i] | mask) == 0xFF;
    }
    if (!inSubnet)
        return Refused(Message, Lang(Text_Outside_Subnet) + Dotted(Subnet.Address) + " / " + Dotted(Subnet.Mask));
    if (hostZero || hostOnes) return Refused(Message, Lang(Text_Subnet_Edge));
    if (address == Subnet.Address) return Refused(Message, Lang(Text_Master_Address));
    for (size_t i = 0; i < Devices.size(); ++i) {
        if (Devices[i].get() == Self) continue;
        TAddress other{};
        if (Parse_Address(Devices[i]->FIPAddress, other) && other == address)
            return Refused(Message, Lang(Text_Address_Used) + QString::number(i));
    }
    return false;
}

TDevice_Fault Network_Fault(const TMaster_Subnet& Subnet, const TPROFINET_Device_List& Devices) {
    for (size_t i = 0; i < Devices.size(); ++i) {
        const TPROFINET_Device& device = *Devices[i];
        TDevice_Fault fault;
        fault.Index = static_cast<int>(i);
        fault.Field = TDevice_Field::NameOfStation;
        // A device runs under its name of station: one without a name is never found.
        if (device.FNameOfStation.isEmpty()) {
            fault.Message = Lang(Text_Name_Empty);
            return fault;
        }
        if (Name_Of_Station_Fault(device.FNameOfStation, fault.Message)) return fault;
        for (size_t j = 0; j < Devices.size(); ++j)
            if (j != i && Devices[j]->FNameOfStation.compare(device.FNameOfStation, Qt::CaseInsensitive) == 0) {
                fault.Message = Lang(Text_Name_Used) + QString::number(j);
                return fault;
            }
        fault.Field = TDevice_Field::IPAddress;
        if (IP_Address_Fault(device.FIPAddress, Subnet, Devices, &device, fault.Message)) return fault;
    }
    return {};
}
