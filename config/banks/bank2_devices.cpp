#include "config/banks/bank2_devices.h"

#include "config/banks/bank_buffers.h"
#include "platform/core/exception.h"
#include "platform/system/regional.h"
#include "common/state/text_helpers.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Descriptions write numbers in decimal or in hexadecimal ("0x1F"): the system's integer rule
// reads both.
bool integerText(const QString& Text, int64_t& Value) { return TryStrToInt64(Text.trimmed(), Value); }

// Puts one byte into the record's data when Position lies inside it.
void setByte(TData_Prm_Description& Record, int64_t Position, uint8_t Value) {
    if (Position >= 0 && Position < Record.Data.size()) Record.Data[qsizetype(Position)] = char(Value);
}

// Puts byte Index of a field that starts at Position; the file's offsets may be as large as
// the integer allows, so a field beyond the record is left out before any sum is taken.
void setFieldByte(TData_Prm_Description& Record, int64_t Position, int64_t Index, uint8_t Value) {
    if (Position > Record.Data.size() - Index) return;
    setByte(Record, Position + Index, Value);
}

void setBigEndian(TData_Prm_Description& Record, int64_t Position, uint64_t Value, int Width) {
    for (int i = 0; i < Width; ++i) setFieldByte(Record, Position, i, uint8_t(Value >> (8 * (Width - 1 - i))));
}

// Comma-separated bytes from Position on; parts that are no byte value are passed over.
void setOctets(const QString& Text, TData_Prm_Description& Record, int64_t Position) {
    int64_t k = 0;
    for (const QString& part : Text.split(QLatin1Char(','))) {
        int64_t value = 0;
        if (!integerText(part, value) || value < 0 || value > 255) continue;
        // Compared without the sum, which a huge offset would overflow.
        if (Position < -k || Position > Record.Data.size() - 1 - k) continue;
        setByte(Record, Position + k, uint8_t(value));
        ++k;
    }
}

int integerWidth(const QString& Type) {
    static const QStringList w1{"Integer8", "Unsigned8", "Boolean", "Unsigned8_S"};
    static const QStringList w2{"Integer16", "Unsigned16", "Unsigned16_S", "Integer16_S"};
    static const QStringList w4{"Integer32", "Unsigned32"};
    static const QStringList w8{"Integer64", "Unsigned64"};
    if (w1.contains(Type)) return 1;
    if (w2.contains(Type)) return 2;
    if (w4.contains(Type)) return 4;
    if (w8.contains(Type)) return 8;
    return 0;
}

// Quantities of one submodule's share of the input and of the output frame.
void frameShares(int64_t LenIN, int64_t LenOUT, int32_t& QIn, int32_t& QOut) {
    if (LenIN == 0 && LenOUT == 0) {
        QIn = QOut = 1;
        return;
    }
    QIn = int32_t((LenIN > 0 ? LenIN + 1 : 0) + (LenOUT > 0 ? 1 : 0));
    QOut = int32_t((LenIN > 0 ? 1 : 0) + (LenOUT > 0 ? LenOUT + 1 : 0));
}

}  // namespace

int64_t Bank2_Submodule_Length(const TNetwork_Attribute& Length) {
    const int64_t length = Length.Number(0);
    if (length < 0 || length > 0xFFFF)
        throw Exception(QStringLiteral("PROFINET network: %1 %2 of a submodule is out of range")
                            .arg(QString::fromLatin1(Length.Name()))
                            .arg(length));
    return length;
}

void Build_Device_Rule(const TNetwork_Device_Record& Device, int Slot, int32_t& In_Offset, int32_t& Out_Offset) {
    TPROFINET_Master_Rule& rule = Master_Rules[size_t(Slot)];
    uint8_t ip[4] = {0, 0, 0, 0};
    IP_To_Bytes(Device.IPAddress.Required_Text().trimmed(), ip[0], ip[1], ip[2], ip[3]);
    std::memcpy(rule.IP_Address.data(), ip, 4);
    const bool spi = Device.NewSessionSPI.Is("1");

    int32_t lenIn = 0;
    int32_t lenOut = 0;
    for (const TNetwork_Slot_Record& slot : Device.Slots) {
        if (slot.Module_ID.Required_Text().trimmed().isEmpty()) continue;
        for (const TNetwork_Subslot_Record& subslot : slot.Subslots) {
            if (subslot.Submodule_ID.Text().trimmed().isEmpty()) continue;
            const int64_t inLength = Bank2_Submodule_Length(subslot.Submodule_LenIN);
            const int64_t outLength = Bank2_Submodule_Length(subslot.Submodule_LenOUT);
            const int32_t options = (subslot.Status.Is("Y") ? 1 : 0) + (subslot.Word_Pos.Is("Y") ? 2 : 0);
            int32_t qIn = 0;
            int32_t qOut = 0;
            frameShares(inLength, outLength, qIn, qOut);
            rule.Pos_In_Arr.push_back({0, qIn, In_Offset, options});
            In_Offset += qIn;
            lenIn += qIn;
            rule.Pos_Out_Arr.push_back({0, qOut, Out_Offset, options});
            Out_Offset += qOut;
            lenOut += qOut;
        }
    }

    const QString station = Device.NameOfStation.Required_Text().trimmed().left(Bank2_Device_Name_Size);
    for (qsizetype i = 0; i < station.size(); ++i) rule.PROFINET_Device_Name[size_t(i)] = uint8_t(station[i].unicode());
    rule.PROFINET_Len_In = uint16_t(lenIn);
    rule.PROFINET_Len_Out = uint16_t(lenOut);
    rule.Time_Poll = uint32_t(Device.ReductionRadio.Required_Number() * 65536 + Device.SendClock.Required_Number());
    rule.Options = spi ? 1 : 0;
}

void Build_Prm_Records(const TNetwork_Device_Record& Device, int Slot) {
    std::vector<TData_Prm_Description>& records = Prm_Tables[size_t(Slot)].Device_Data;
    records.clear();
    for (const TNetwork_Slot_Record& slot : Device.Slots) {
        const int64_t slotNumber = slot.SlotNumber.Required_Number();
        for (const TNetwork_Subslot_Record& subslot : slot.Subslots) {
            const int64_t subslotNumber = subslot.SubslotNumber.Required_Number();
            const int64_t api = subslot.API.Number(0);
            for (const TNetwork_Group_Record& group : subslot.Groups) {
                const int64_t length = group.Length.Required_Number();
                if (length < 0 || length > Bank2_Room)
                    throw Exception(QStringLiteral("PROFINET network: record length %1 is out of range").arg(length));
                TData_Prm_Description record;
                record.Len = uint32_t(length);
                record.API = uint32_t(api);
                record.Slot = uint16_t(slotNumber);
                record.Subslot = uint16_t(subslotNumber);
                record.Index = uint16_t(group.Index.Required_Number());
                record.Data = QByteArray(qsizetype(length), '\0');
                const QString constant = group.DataConst.Required_Text().trimmed();
                if (!constant.isEmpty()) setOctets(constant, record, group.DataByteOffset.Required_Number());
                for (const TNetwork_Param_Record& param : group.Params) Set_Prm_Ref_Value(param, record);
                records.push_back(std::move(record));
            }
        }
    }
}

void Set_Prm_Ref_Value(const TNetwork_Param_Record& Param, TData_Prm_Description& Record) {
    const QString& type = Param.DataType.Required_Text();
    QString value = Param.Value.Required_Text().trimmed();
    if (value.isEmpty()) value = Param.DefaultValue.Text().trimmed();
    if (value.isEmpty() || type.isEmpty()) return;
    const int64_t position = Param.ByteOffset.Required_Number();

    if (type == QLatin1String("BitArea") || type == QLatin1String("Bit")) {
        const int64_t offset = Param.BitOffset.Required_Number();
        const int64_t length = type == QLatin1String("Bit") ? 1 : Param.BitLength.Required_Number();
        int64_t x = 0;
        if (!integerText(value, x) || position < 0 || position >= Record.Data.size()) return;
        // Shifts beyond the byte leave nothing of the field in it.
        const uint64_t mask = length >= 64 ? ~uint64_t(0) : (uint64_t(1) << std::max<int64_t>(length, 0)) - 1;
        const int shift = int(std::clamp<int64_t>(offset, 0, 63));
        const uint8_t old = uint8_t(Record.Data[qsizetype(position)]);
        setByte(Record, position, uint8_t((old & ~uint8_t(mask << shift)) | uint8_t(uint64_t(x) << shift)));
        return;
    }
    if (type == QLatin1String("OctetString") || type == QLatin1String("OctetString_S")) {
        Set_Prm_Octets(value, Record, position);
        return;
    }
    static const QStringList strings{"VisibleString", "UnicodeString8", "61131_STRING", "61131_WSTRING"};
    if (strings.contains(type)) {
        Set_Prm_String(value, Record, position);
        return;
    }
    if (const int width = integerWidth(type)) {
        int64_t number = 0;
        bool ok = integerText(value, number);
        uint64_t bits = uint64_t(number);
        // An Unsigned64 value beyond the signed range.
        if (!ok) bits = value.toULongLong(&ok, 10);
        if (ok) setBigEndian(Record, position, bits, width);
        return;
    }
    if (type == QLatin1String("Float32") || type == QLatin1String("Float64")) {
        double number = 0;
        if (!TryStrToFloat(value, number)) return;
        if (type == QLatin1String("Float32"))
            setBigEndian(Record, position, std::bit_cast<uint32_t>(float(number)), 4);
        else
            setBigEndian(Record, position, std::bit_cast<uint64_t>(number), 8);
    }
    // Other data types are not written: the record keeps its zero or constant bytes there.
}

void Set_Prm_Octets(const QString& Text, TData_Prm_Description& Record, int64_t Position) {
    setOctets(Text, Record, Position);
}

void Set_Prm_String(const QString& Text, TData_Prm_Description& Record, int64_t Position) {
    for (qsizetype i = 0; i < Text.size(); ++i) setFieldByte(Record, Position, i, uint8_t(Text[i].unicode()));
}
