#include "tables/bacnet_slave_check.h"

#include <gtest/gtest.h>

namespace {

// Data Type, Eng. Unit, Position, Start Bit, Length, Swap, Mnemonic.
QStringList object(const char* Type, const char* Position, const char* Length, const char* Bit = "",
                   const char* Unit = "62") {
    return {Type, Unit, Position, Bit, Length, "N", "obj"};
}

std::optional<TRow_Fault> checkRead(const QStringList& Row) {
    return Check_BACnet_Objects({object("Analog Value", "0", "4"), Row}, {}, 1500, 1500, 2000);
}
std::optional<TRow_Fault> checkWrite(const QStringList& Row) {
    return Check_BACnet_Objects({}, {Row}, 1500, 1500, 2000);
}
std::optional<TRow_Fault> fault(int Row, int Text, const QString& Suffix = QString()) {
    return TRow_Fault{Row, Text, Suffix};
}

TEST(BACnetObjectsCheck, ReadObjectsKeepTheirUnitPositionBitLengthAndEndOfTheImage) {
    const struct {
        QStringList row;
        std::optional<TRow_Fault> expected;
    } cases[] = {
        {object("Analog Input", "1496", "4"), std::nullopt},
        {object("Analog Input", "1497", "4"), fault(2, 2046)},
        {object("Analog Input", "0", "5"), fault(2, 2035)},
        {object("Binary Input", "0", "9"), fault(2, 2045)},
        {object("Binary Input", "1499", "9", "0"), std::nullopt},
        {object("Integer Value", "0", "6"), std::nullopt},
        {object("Integer Value", "1495", "6"), fault(2, 2046)},
        {object("Access Door", "0", "2"), fault(2, 2043)},
        {object("Life Safety Zone", "0", "3"), fault(2, 2042)},
        {object("Large Analog Value", "0", "8"), std::nullopt},
        {object("Accumulator", "0", "x"), fault(2, 2044)},
        {object("Analog Input", "0", "4", "", "65535"), std::nullopt},
        {object("Analog Input", "0", "4", "", "65536"), fault(2, 2033)},
        {object("Analog Input", "0", "4", "", "unit"), fault(2, 2033)},
        {object("Analog Input", "1500", "1"), fault(2, 2034, "1499")},
        // A type spelled otherwise has no range, only the end of the image.
        {object("analog input", "0", "9"), std::nullopt},
        {object("analog input", "1496", "9"), fault(2, 2046)},
    };
    for (const auto& c : cases) EXPECT_EQ(checkRead(c.row), c.expected) << c.row.join('|').toStdString();
}

TEST(BACnetObjectsCheck, WriteObjectsHaveTheirOwnRangesAndTexts) {
    const struct {
        QStringList row;
        std::optional<TRow_Fault> expected;
    } cases[] = {
        {object("Analog Out", "1496", "4"), std::nullopt},
        {object("Analog Out", "1497", "4"), fault(1, 2058)},
        {object("Integer Value", "0", "6"), fault(1, 2053)},
        {object("Binary Out", "0", "", ""), fault(1, 2057)},
        {object("Access Door", "0", "2"), fault(1, 2056)},
        {object("Multi State Output", "0", "4", "", "-1"), fault(1, 2047)},
        {object("Analog Out", "-1", "4"), fault(1, 2048, "1499")},
    };
    for (const auto& c : cases) EXPECT_EQ(checkWrite(c.row), c.expected) << c.row.join('|').toStdString();
}

// The mnemonic is a field of the EDE file's lines, which a separator or a line break would break.
TEST(BACnetObjectsCheck, AMnemonicWithASeparatorOrALineBreakIsRefused) {
    for (const char* mnemonic : {"in;out", "first\nsecond", "first\r\nsecond", ";"}) {
        QStringList row = object("Analog Input", "0", "4");
        row[bcMnemonic - 1] = mnemonic;
        EXPECT_EQ(checkRead(row), fault(2, 2061)) << mnemonic;
        row[bcDataType - 1] = "Analog Out";
        EXPECT_EQ(checkWrite(row), fault(1, 2062)) << mnemonic;
    }
    QStringList row = object("Analog Input", "0", "4");
    row[bcMnemonic - 1] = "in, out: \"x\"";
    EXPECT_EQ(checkRead(row), std::nullopt);
}

// The objects of both tables count against the limit, once every row has passed.
TEST(BACnetObjectsCheck, MoreObjectsThanTheLimitAreAFaultOfTheWholeTable) {
    const TTable_Rows read(600, object("Analog Input", "0", "4"));
    EXPECT_EQ(Check_BACnet_Objects(read, TTable_Rows(400, object("Analog Out", "0", "4")), 1500, 1500, 1000),
              std::nullopt);
    EXPECT_EQ(Check_BACnet_Objects(read, TTable_Rows(401, object("Analog Out", "0", "4")), 1500, 1500, 1000),
              fault(0, 2059, "1000"));
    EXPECT_EQ(Check_BACnet_Objects(read, TTable_Rows(401, object("Analog Out", "0", "5")), 1500, 1500, 1000),
              fault(1, 2049));
}

TEST(BACnetObjectsCheck, AChosenWriteTypeGivesItsDefaultLength) {
    const struct {
        const char* type;
        const char* length;
    } cases[] = {{"Analog Out", "4"},       {"Multi State Value", "4"}, {"Large Analog Value", "8"},
                 {"Binary Value", "1"},     {"ACCESS DOOR", "1"},       {"Accumulator", ""}};
    for (const auto& c : cases) EXPECT_EQ(BACnet_Default_Length(c.type), c.length) << c.type;
}

}  // namespace
