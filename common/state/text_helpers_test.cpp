#include "common/state/text_helpers.h"

#include "platform/system/regional.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

// Restores the regional settings and the profile that a test changes.
class RegionalFixture : public ::testing::Test {
protected:
    void TearDown() override {
        FormatSettings = saved_;
        SetProfileStringForTests(QStringLiteral("Intl"), QStringLiteral("sDecimal"), std::nullopt);
    }

private:
    TFormatSettings saved_ = FormatSettings;
};

}  // namespace

TEST(Split_IP_Address, Cases) {
    struct Case {
        const char* text;
        bool ok;
        std::array<const char*, 4> parts;  // "-" marks a part left as it was
    };
    const Case cases[] = {
        {"192.168.0.10", true, {"192", "168", "0", "10"}},
        {"  192.168.0.10  ", true, {"192", "168", "0", "10"}},
        {" 192 . 168 . 0 . 10 ", true, {"192", "168", "0", "10"}},
        {"\t10.0.0.1\r\n", true, {"10", "0", "0", "1"}},
        {"0.0.0.0", true, {"0", "0", "0", "0"}},
        {"255.255.255.255", true, {"255", "255", "255", "255"}},
        {"192.168.0.256", false, {"192", "168", "0", "256"}},
        {"-1.0.0.0", false, {"-1", "0", "0", "0"}},
        {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"a.b.c.d", false, {"a", "b", "c", "d"}},
        {"1..2.3", false, {"1", "", "2", "3"}},
        {"1.2.3.", false, {"1", "2", "3", ""}},
        {"192.168.0", false, {"192", "168", "-", "-"}},
        {"192.168", false, {"192", "-", "-", "-"}},
        {"192168", false, {"-", "-", "-", "-"}},
        {"", false, {"-", "-", "-", "-"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QString parts[4] = {"-", "-", "-", "-"};
        EXPECT_EQ(Split_IP_Address(q(c.text), parts[0], parts[1], parts[2], parts[3]), c.ok);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(parts[i], q(c.parts[i])) << "part " << i + 1;
    }
}

TEST(IP_To_Bytes, Cases) {
    struct Case {
        const char* text;
        bool error;
        std::array<uint8_t, 4> bytes;
    };
    const Case cases[] = {
        {"1.2.3.4", false, {1, 2, 3, 4}},
        {"192.168.2.205", false, {192, 168, 2, 205}},
        {"0.0.0.255", false, {0, 0, 0, 255}},
        {"", true, {0xAA, 0xAA, 0xAA, 0xAA}},  // untouched
        {"10.0.0.300", true, {10, 0, 0, 0}},
        {"1.2.3", true, {1, 2, 0, 3}},
        {"1", true, {0, 0, 0, 1}},
        {"1.2.3.4.5", true, {1, 2, 3, 0}},
        {" 1.2.3.4", false, {1, 2, 3, 4}},  // leading blanks are skipped by the integer conversion
        {"1.2.3.4 ", true, {1, 2, 3, 0}},  // trailing ones are not
        {"1.2.3.-1", true, {1, 2, 3, 0}},
        {"a.b.c.d", true, {0, 0, 0, 0}},
        {"1..3.4", true, {1, 0, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::array<uint8_t, 4> bytes = {0xAA, 0xAA, 0xAA, 0xAA};
        EXPECT_EQ(IP_To_Bytes(q(c.text), bytes[0], bytes[1], bytes[2], bytes[3]), c.error);
        EXPECT_EQ(bytes, c.bytes);
    }
}

TEST(Is_True_Text, Cases) {
    for (const char* text : {"TRUE", "true", "True", "tRuE", "  true  ", "\ttrue\r\n"})
        EXPECT_TRUE(Is_True_Text(q(text))) << text;
    for (const char* text : {"1", "", "false", "yes", "TRUE1", "T RUE", "truee"})
        EXPECT_FALSE(Is_True_Text(q(text))) << text;
}

using Get_Decimal_Separator_Test = RegionalFixture;

TEST_F(Get_Decimal_Separator_Test, FollowsTheProfileValue) {
    const struct {
        const char* profile;
        QChar expected;
    } cases[] = {
        {".", u'.'}, {",", u','}, {";", u','}, {"", u','}, {".,", u'.'}, {" .", u','},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        SetProfileStringForTests(QStringLiteral("Intl"), QStringLiteral("sDecimal"), q(c.profile));
        EXPECT_EQ(Get_Decimal_Separator(), c.expected);
    }
}

TEST_F(Get_Decimal_Separator_Test, WithoutOverrideIsPointOrComma) {
    const QChar separator = Get_Decimal_Separator();
    EXPECT_TRUE(separator == u'.' || separator == u',');
    if (FormatSettings.DecimalSeparator == u'.' || FormatSettings.DecimalSeparator == u',') {
        EXPECT_EQ(separator, FormatSettings.DecimalSeparator);
    }
}

using Text_To_Float_Test = RegionalFixture;

TEST_F(Text_To_Float_Test, Cases) {
    struct Case {
        const char* text;
        QChar separator;
        QChar regional;  // the regional decimal separator
        std::optional<float> expected;
    };
    const Case cases[] = {
        {"1.5", u',', u',', 1.5f},  // read as 1,5
        {"1,5", u'.', u'.', 1.5f},
        {"1.5", u'.', u'.', 1.5f},
        {" -2,25 ", u',', u',', -2.25f},
        {"3", u',', u',', 3.0f},
        {"1e3", u'.', u'.', 1000.0f},
        {"3.4e38", u'.', u'.', 3.4e38f},
        {"1.5", u',', u'.', std::nullopt},  // the caller's separator disagrees with the regional one
        {"1.000,5", u',', u',', std::nullopt},
        {"", u'.', u'.', std::nullopt},
        {"   ", u',', u',', std::nullopt},
        {"abc", u'.', u'.', std::nullopt},
        {"1.5kg", u'.', u'.', std::nullopt},
        {"1e39", u'.', u'.', std::nullopt},  // beyond a float
        {"-1e39", u'.', u'.', std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FormatSettings.DecimalSeparator = c.regional;
        FormatSettings.ThousandSeparator = c.regional == u',' ? u'.' : u',';
        float value = 42.0f;
        EXPECT_EQ(Text_To_Float(q(c.text), c.separator, value), c.expected.has_value());
        EXPECT_FLOAT_EQ(value, c.expected.value_or(1.0f));
    }
}

TEST(Get_COM_Port_List, AscendingPortNumbers) {
    const QStringList ports = Get_COM_Port_List();
    int previous = 0;
    for (const QString& port : ports) {
        bool ok = false;
        const int number = port.toInt(&ok);
        ASSERT_TRUE(ok) << port.toStdString();
        EXPECT_EQ(port, QString::number(number));
        EXPECT_GT(number, previous);
        EXPECT_LE(number, 256);
        previous = number;
    }
}
