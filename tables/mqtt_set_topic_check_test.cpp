#include "tables/mqtt_set_topic_check.h"

#include <gtest/gtest.h>

namespace {

// Topic, Retained, QoS, Data Type, Dimension, Position, IP Address, Input Template, Template,
// OnChange, OnCMD, OnTimer, Time, Channel, Swap, Swap Word, Mnemonic.
const QStringList Publish{"plant/t1", "N", "0", "Int", "4", "0", "10.0.0.1", "", "$VALUE$", "Y", "", "Y", "1000", "", "N", "N", ""};
// Topic, Retained, QoS, Data Type, Dimension, Position, IP Address, Port, Type, Input Template,
// Template, Swap, Swap Word, Mnemonic.
const QStringList Subscribe{"plant/sp", "N", "1", "Float", "8", "1439", "10.0.0.1", "502", "TCP", "", "$VALUE$", "N", "N", ""};

QStringList with(QStringList Row, std::initializer_list<std::pair<int, const char*>> Cells) {
    for (const auto& [column, text] : Cells) Row[column - 1] = text;
    return Row;
}

const TShown_Column All = [](int) { return true; };

TEST(MQTTTopicCheck, AKeywordTextHoldsAnEvenNumberOfDollarSigns) {
    for (const char* good : {"", "plain", "$VALUE$", "{\"v\": $VALUE$, \"t\": $TIME$}", "$$"})
        EXPECT_FALSE(Error_In_Topic_Template(good)) << good;
    for (const char* bad : {"$", "$VALUE", "a$b$c$"}) EXPECT_TRUE(Error_In_Topic_Template(bad)) << bad;
}

TEST(MQTTTopicCheck, EachPublishCheckReportsItsText) {
    const struct {
        QStringList row;
        std::optional<TRow_Fault> fault;
    } cases[] = {
        {Publish, std::nullopt},
        {with(Publish, {{mpDataType, " "}}), TRow_Fault{1, 1552, {}}},
        {with(Publish, {{mpDimension, "3"}}), TRow_Fault{1, 1553, {}}},
        {with(Publish, {{mpDataType, "float"}, {mpDimension, "2"}}), TRow_Fault{1, 1554, {}}},
        {with(Publish, {{mpDataType, "String"}, {mpDimension, "0"}}), TRow_Fault{1, 1555, {}}},
        {with(Publish, {{mpDataType, "Base64"}, {mpDimension, "1"}}), std::nullopt},
        {with(Publish, {{mpPosition, "1439"}}), std::nullopt},
        {with(Publish, {{mpPosition, "1440"}}), TRow_Fault{1, 1556, "1439"}},
        {with(Publish, {{mpIPAddress, "10.0.0"}}), TRow_Fault{1, 1574, {}}},
        {with(Publish, {{mpInputTemplate, "$in"}}), TRow_Fault{1, 1577, {}}},
        {with(Publish, {{mpTemplate, "$"}}), TRow_Fault{1, 1578, {}}},
        {with(Publish, {{mpTemplate, "$a$ $b$"}}), std::nullopt},
        {with(Publish, {{mpTime, "1000000000"}}), std::nullopt},
        {with(Publish, {{mpTime, "0"}}), TRow_Fault{1, 1589, {}}},
        {with(Publish, {{mpTime, "1000000001"}}), TRow_Fault{1, 1589, {}}},
        {with(Publish, {{mpOnTimer, "N"}, {mpTime, "0"}}), std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<TRow_Fault> fault = Check_MQTT_Publish({c.row}, 1440, All);
        EXPECT_EQ(fault, c.fault) << c.row.join('|').toStdString();
    }
}

TEST(MQTTTopicCheck, EachSubscribeCheckReportsItsText) {
    const struct {
        QStringList row;
        std::optional<TRow_Fault> fault;
    } cases[] = {
        {Subscribe, std::nullopt},
        {with(Subscribe, {{msDataType, ""}}), TRow_Fault{2, 1557, {}}},
        {with(Subscribe, {{msDataType, "Int"}, {msDimension, "5"}}), TRow_Fault{2, 1558, {}}},
        {with(Subscribe, {{msDimension, "2"}}), TRow_Fault{2, 1559, {}}},
        {with(Subscribe, {{msDataType, "Text"}, {msDimension, ""}}), TRow_Fault{2, 1560, {}}},
        {with(Subscribe, {{msPosition, "-1"}}), TRow_Fault{2, 1561, "1439"}},
        {with(Subscribe, {{msIPAddress, "300.0.0.1"}}), TRow_Fault{2, 1575, {}}},
        {with(Subscribe, {{msPort, "65536"}}), TRow_Fault{2, 1576, {}}},
        {with(Subscribe, {{msInputTemplate, "$"}}), TRow_Fault{2, 1579, {}}},
        {with(Subscribe, {{msTemplate, "$VALUE"}}), TRow_Fault{2, 1580, {}}},
    };
    for (const auto& c : cases) {
        const std::optional<TRow_Fault> fault = Check_MQTT_Subscribe({Subscribe, c.row}, 1440, All);
        EXPECT_EQ(fault, c.fault) << c.row.join('|').toStdString();
    }
}

// Hidden columns are not checked: in working mode 1 the addresses, ports and input templates.
TEST(MQTTTopicCheck, HiddenColumnsAreNotChecked) {
    const TShown_Column mode1 = [](int c) { return c != msIPAddress && c != msPort && c != msInputTemplate; };
    const QStringList row = with(Subscribe, {{msIPAddress, "x"}, {msPort, "-5"}, {msInputTemplate, "$"}});
    EXPECT_EQ(Check_MQTT_Subscribe({row}, 1440, mode1), std::nullopt);
    EXPECT_EQ(Check_MQTT_Subscribe({row}, 1440, All), TRow_Fault({1, 1575, {}}));
}

}  // namespace
