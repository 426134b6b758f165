#include "config/banks/bank2_devices.h"

#include "platform/core/exception.h"
#include "platform/system/regional.h"

#include <gtest/gtest.h>

namespace {

// One parameter element of the network file, with the attributes the network window writes.
class ParamTest : public ::testing::Test {
protected:
    QByteArray apply(const QString& Type, const QString& Value, int ByteOffset, QByteArray Data, int BitOffset = 0,
                     int BitLength = 0, const QString& Default = QString()) {
        doc.LoadFromXML(QString("<Param DataType=\"%1\" Value=\"%2\" DefaultValue=\"%3\" ByteOffset=\"%4\" "
                                "BitOffset=\"%5\" BitLength=\"%6\"/>")
                            .arg(Type, Value, Default)
                            .arg(ByteOffset)
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
        int Offset;
        QByteArray Expected;
    };
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
    // A byte offset beyond the record writes nothing.
    EXPECT_EQ(apply("Bit", "1", 4, QByteArray::fromHex("00")).toHex(), QByteArray("00"));
}

}  // namespace
