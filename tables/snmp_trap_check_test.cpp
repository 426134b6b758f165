#include "tables/snmp_trap_check.h"

#include <gtest/gtest.h>

namespace {

// Enable, Community, Type, On Change, On CMD, On Timer, Time, Position, Bit, Num, Description,
// IP Address, Conversion, Mnemonic.
const QStringList Read_Int{"Y", "Meadow", "Int", "N", "N", "Y", "1000", "0", "3", "64", "temp1", "192.168.1.125", "None", ""};
// Enable, Community, Type, Position, Bit, Num, Description, Conversion, Mnemonic.
const QStringList Write_String{"Y", "Harbour", "String", "10", "0", "16", "name", "Float", ""};

QStringList with(QStringList Row, int Column, const QString& Text) {
    Row[Column - 1] = Text;
    return Row;
}

std::optional<TRow_Fault> check(const TTable_Rows& Read, const TTable_Rows& Write = {}) {
    QStringList descriptions;
    return Check_SNMP_Trap(Read, Write, descriptions);
}

TEST(SNMPTrapCheck, TheCharacterRuleAllowsLettersAndDigitsAndDescriptionsBeginLowerCase) {
    const struct {
        const char* text;
        bool community_error, description_error;
    } cases[] = {
        {"", false, false},         {"abc123", false, false}, {"Abc", false, true}, {"1abc", false, true},
        {"my name", true, true},    {"a_b", true, true},      {"a\u00e8", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Check_Error_CommName_Desc(QString::fromUtf8(c.text), 0), c.community_error) << c.text;
        EXPECT_EQ(Check_Error_CommName_Desc(QString::fromUtf8(c.text), 1), c.description_error) << c.text;
    }
}

TEST(SNMPTrapCheck, EachReadCheckReportsItsTextForTheFirstFaultyRow) {
    const QStringList string = with(with(Read_Int, srType, "String"), srBit, "0");
    const struct {
        QStringList row;
        std::optional<int> text;
    } cases[] = {
        {Read_Int, std::nullopt},
        {with(Read_Int, srCommunity, "Mead ow"), 1476},
        {with(Read_Int, srType, " "), 1461},
        {with(Read_Int, srTime, "1000000000"), std::nullopt},
        {with(Read_Int, srTime, "0"), 1462},
        {with(Read_Int, srTime, "1000000001"), 1462},
        {with(Read_Int, srTime, "soon"), 1462},
        {with(with(Read_Int, srOnTimer, "n"), srTime, "soon"), std::nullopt},
        {with(Read_Int, srPosition, ""), 1463},
        {with(Read_Int, srBit, ""), 1464},
        {with(string, srBit, "3"), 1465},
        {with(Read_Int, srNumBits, "65"), 1466},
        {with(string, srNumBits, "16"), std::nullopt},
        {with(string, srNumBits, "17"), 1467},
        {with(Read_Int, srDescription, "Temp1"), 1477},
        {with(Read_Int, srDescription, ""), std::nullopt},
        {with(Read_Int, srIPAddress, "192.168.1.256"), 1468},
        {with(Read_Int, srIPAddress, "192.168.1"), 1468},
        {with(Read_Int, srConversion, ""), 1485},
        // A disabled row is not checked.
        {with(with(Read_Int, srEnable, "N"), srType, ""), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto fault = check({with(Read_Int, srDescription, "first"), c.row});
        EXPECT_EQ(fault, c.text ? std::optional<TRow_Fault>(TRow_Fault{2, *c.text, {}}) : std::nullopt)
            << c.row.join('|').toStdString();
    }
}

TEST(SNMPTrapCheck, EachWriteCheckReportsItsText) {
    const QStringList write_int = with(with(Write_String, swType, "Int"), swNumBits, "64");
    const struct {
        QStringList row;
        std::optional<int> text;
    } cases[] = {
        {Write_String, std::nullopt},
        {with(Write_String, swCommunity, "a b"), 1478},
        {with(Write_String, swType, ""), 1469},
        {with(Write_String, swPosition, ""), 1470},
        {with(Write_String, swBit, ""), 1471},
        {with(Write_String, swBit, "2"), 1472},
        {with(write_int, swBit, "2"), std::nullopt},
        {with(write_int, swNumBits, "0"), 1473},
        {with(Write_String, swNumBits, "17"), 1474},
        {with(Write_String, swDescription, "9lives"), 1479},
        {with(Write_String, swConversion, " "), 1486},
    };
    for (const auto& c : cases) {
        const auto fault = check({Read_Int}, {c.row});
        EXPECT_EQ(fault, c.text ? std::optional<TRow_Fault>(TRow_Fault{1, *c.text, {}}) : std::nullopt)
            << c.row.join('|').toStdString();
    }
}

// The descriptions of enabled rows of both tables must differ, letter case counting.
TEST(SNMPTrapCheck, EqualDescriptionsAcrossTheTablesAreAFaultOfTheWholeTable) {
    QStringList descriptions;
    EXPECT_EQ(Check_SNMP_Trap({Read_Int}, {with(Write_String, swDescription, "temp1")}, descriptions),
              TRow_Fault({0, 1480, {}}));
    EXPECT_EQ(descriptions, QStringList({"temp1", "temp1"}));
    EXPECT_EQ(check({Read_Int}, {with(Write_String, swDescription, "tEMP1")}), std::nullopt);
    EXPECT_EQ(check({Read_Int}, {with(with(Write_String, swDescription, "temp1"), swEnable, "N")}), std::nullopt);
}

}  // namespace
