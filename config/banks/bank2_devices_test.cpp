#include "config/banks/bank2_devices.h"

#include "platform/core/exception.h"
#include "platform/system/regional.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// One parameter element of the network file, with the attributes the network window writes.
class ParamTest : public ::testing::Test {
protected:
    QByteArray apply(const QString& Type, const QString& Value, int64_t ByteOffset, QByteArray Data, int BitOffset = 0,
                     int BitLength = 0, const QString& Default = QString()) {
        doc.LoadFromXML(QString("<Param DataType=\"%1\" Value=\"%2\" DefaultValue=\"%3\" ByteOffset=\"%4\" "
                                "BitOffset=\"%5\" BitLength=\"%6\"/>")
                            .arg(Type, Value, Default)
                            .arg(qint64(ByteOffset))
                            .arg(BitOffset)
                            .arg(BitLength));
        TData_Prm_Description record;
        record.Len = uint32_t(Data.size());
        record.Data = std::move(Data);
        Set_Prm_Ref_Value(TNetwork_Param_Record::Read(doc.DocumentElement()), record);
        return record.Data;
    }
    TXMLDocument doc{nullptr};
};

TEST_F(ParamTest, ValuesAreStoredBigEndianInTheirTypesWidth) {
    struct Case {
        const char* Type;
        const char* Value;
        int64_t Offset;
        QByteArray Expected;
    };
    constexpr int64_t Huge = std::numeric_limits<int64_t>::max();
    const Case cases[] = {
        {"Unsigned16", "513", 0, QByteArray::fromHex("02010000")},
        {"Integer8", "-1", 1, QByteArray::fromHex("00ff0000")},
        {"Unsigned32", "16909060", 0, QByteArray::fromHex("01020304")},
        {"Integer16", "-2", 2, QByteArray::fromHex("0000fffe")},
        {"Float32", "1", 0, QByteArray::fromHex("3f800000")},
        {"Unsigned8", "x", 0, QByteArray(4, '\0')},  // not a number: nothing written
        {"Date", "5", 0, QByteArray(4, '\0')},       // a type the master does not fill
        {"OctetString", "7, 300, y, 8", 1, QByteArray::fromHex("00070800")},
        {"VisibleString", "ab", 1, QByteArray::fromHex("00616200")},
        // Cut at the record's end, never beyond it.
        {"Unsigned32", "16909060", 2, QByteArray::fromHex("00000102")},
        {"Integer64", "1", 0, QByteArray::fromHex("00000000")},
        {"VisibleString", "abcdef", 2, QByteArray::fromHex("00006162")},
        {"OctetString", "1,2,3,4", 3, QByteArray::fromHex("00000001")},
        // An offset at the integer's limit is far beyond the record, and no sum overflows.
        {"Unsigned64", "1", Huge, QByteArray(4, '\0')},
        {"VisibleString", "abc", Huge - 1, QByteArray(4, '\0')},
        {"OctetString", "1,2,3", Huge, QByteArray(4, '\0')},
        // Descriptions write values in hexadecimal too.
        {"Unsigned16", "0x0201", 0, QByteArray::fromHex("02010000")},
        {"Unsigned8", "$FF", 3, QByteArray::fromHex("000000ff")},
        {"Integer32", "0xFFFFFFFE", 0, QByteArray::fromHex("fffffffe")},
        {"Integer16", "-0x2", 2, QByteArray::fromHex("0000fffe")},
        {"OctetString", "0x01, 0xFF,2, 0x100", 1, QByteArray::fromHex("0001ff02")},
        {"Unsigned8", "0x", 0, QByteArray(4, '\0')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(apply(c.Type, c.Value, c.Offset, QByteArray(4, '\0')).toHex(), c.Expected.toHex())
            << c.Type << " " << c.Value;
}

TEST_F(ParamTest, Float64UsesTheRegionalDecimalSeparator) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(apply("Float64", "1,5", 0, QByteArray(8, '\0')).toHex(), QByteArray("3ff8000000000000"));
    FormatSettings = saved;
}

TEST_F(ParamTest, BitFieldsReplaceTheirBitsAndKeepTheOthers) {
    EXPECT_EQ(apply("Bit", "1", 0, QByteArray::fromHex("81"), 3).toHex(), QByteArray("89"));
    EXPECT_EQ(apply("Bit", "0", 0, QByteArray::fromHex("ff"), 3).toHex(), QByteArray("f7"));
    EXPECT_EQ(apply("BitArea", "2", 0, QByteArray::fromHex("ff"), 2, 3).toHex(), QByteArray("eb"));
    // An empty value falls back to the default value.
    EXPECT_EQ(apply("Bit", "", 0, QByteArray::fromHex("00"), 3, 0, "1").toHex(), QByteArray("08"));
    EXPECT_EQ(apply("Bit", "0x1", 0, QByteArray::fromHex("00"), 3).toHex(), QByteArray("08"));
    EXPECT_EQ(apply("BitArea", "", 0, QByteArray::fromHex("00"), 4, 4, "0xA").toHex(), QByteArray("a0"));
    EXPECT_EQ(apply("Unsigned16", "", 0, QByteArray(2, '\0'), 0, 0, "0x1234").toHex(), QByteArray("1234"));
    // A byte offset beyond the record writes nothing.
    EXPECT_EQ(apply("Bit", "1", 4, QByteArray::fromHex("00")).toHex(), QByteArray("00"));
}

// The constant data of a record, as description files write it, fills the bytes that no
// parameter covers.
TEST(ConstantDataTest, EachPartIsADecimalOrHexadecimalByte) {
    struct Case {
        const char* what;
        const char* constant;
        int64_t offset;
        QByteArray expected;
    };
    const Case cases[] = {
        {"decimal", "1, 2, 3", 0, QByteArray::fromHex("010203000000000000")},
        {"hexadecimal", "0x00,0x00,0x00,0x00,0x00,0x01,0xFF,0xFF,0xFF", 0, QByteArray::fromHex("0000000000" "01ffffff")},
        {"mixed forms", "1,0x02, $03,x04,0X05", 0, QByteArray::fromHex("010203040500000000")},
        {"blanks and empty parts", " 0x10 ,  7 , , 0x20 ", 0, QByteArray::fromHex("100720000000000000")},
        {"out of range", "0x100, 256, -1, -0x01, 0xFF", 0, QByteArray::fromHex("ff0000000000000000")},
        {"not numbers", "0xG1, abc, 1.5, 0x, 1 2, 9", 0, QByteArray::fromHex("090000000000000000")},
        {"from an offset, cut at the end", "0x01,0x02,0x03", 7, QByteArray::fromHex("000000000000000102")},
        {"offset at the integer's limit", "1,2,3", std::numeric_limits<int64_t>::max(), QByteArray(9, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TXMLDocument doc(nullptr);
        doc.LoadFromXML(QString("<Device><Slots><Slot SlotNumber=\"1\"><Subslots><Subslot SubslotNumber=\"1\">"
                                "<Parameters><ParamGroup Index=\"128\" Length=\"9\" DataConst=\"%1\" "
                                "DataByteOffset=\"%2\"/></Parameters></Subslot></Subslots></Slot></Slots></Device>")
                            .arg(c.constant)
                            .arg(qint64(c.offset)));
        Build_Prm_Records(TNetwork_Device_Record::Read(doc.DocumentElement()), 0);
        ASSERT_EQ(Prm_Tables[0].Device_Data.size(), 1u);
        EXPECT_EQ(Prm_Tables[0].Device_Data[0].Data.toHex(), c.expected.toHex());
    }
    Prm_Tables[0].Device_Data.clear();
}

}  // namespace
