#include "platform/system/regional.h"

#include "platform/core/exception.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

TFormatSettings withDecimal(QChar decimal, QChar thousand) {
    TFormatSettings fs = GetLocaleFormatSettings();
    fs.DecimalSeparator = decimal;
    fs.ThousandSeparator = thousand;
    return fs;
}

struct FloatCase {
    const char* text;
    std::optional<double> expected;  // nullopt: the conversion fails
};

void expectFloats(const TFormatSettings& fs, std::initializer_list<FloatCase> cases) {
    for (const FloatCase& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -123.0;
        const bool ok = TryStrToFloat(QString::fromUtf8(c.text), value, fs);
        EXPECT_EQ(ok, c.expected.has_value());
        if (c.expected)
            EXPECT_DOUBLE_EQ(value, *c.expected);
        else
            EXPECT_EQ(value, -123.0) << "value must stay untouched on failure";
    }
}

}  // namespace

TEST(TryStrToFloat, PointAsDecimalSeparator) {
    expectFloats(withDecimal(u'.', u','), {
        {"0", 0.0},
        {"1.5", 1.5},
        {"  -2.25  ", -2.25},
        {"+3", 3.0},
        {"1.", 1.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"1e3", 1000.0},
        {"1.5E-2", 0.015},
        {"2e+2", 200.0},
        {"1e-400", 0.0},  // too small is zero
        {"1.7e308", 1.7e308},
        {"1e400", std::nullopt},
        {"1,5", std::nullopt},  // the other separator
        {"1,000.5", std::nullopt},  // no thousand separators
        {"1.2.3", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1 5", std::nullopt},
        {"\t1", std::nullopt},
        {"abc", std::nullopt},
        {"1.5x", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"\xd9\xa1", std::nullopt},  // a non-ASCII digit
    });
}

TEST(TryStrToFloat, CommaAsDecimalSeparator) {
    expectFloats(withDecimal(u',', u'.'), {
        {"1,5", 1.5},
        {" -0,25 ", -0.25},
        {",5", 0.5},
        {"1,", 1.0},
        {"2,5e1", 25.0},
        {"1.5", std::nullopt},
        {"1.000,5", std::nullopt},
    });
}

TEST(TryStrToFloat, UsesTheGlobalSettingsByDefault) {
    const TFormatSettings saved = FormatSettings;
    double value = 0;
    FormatSettings.DecimalSeparator = u',';
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("2,5"), value));
    EXPECT_DOUBLE_EQ(value, 2.5);
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("3.5"), value));
    FormatSettings.DecimalSeparator = u'.';
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("3.5"), value));
    EXPECT_DOUBLE_EQ(value, 3.5);
    FormatSettings = saved;
}

TEST(TryStrToInt, Cases) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"255", 255},
        {"+7", 7},
        {"-12", -12},
        {"007", 7},
        {" 12", 12},  // leading blanks are skipped
        {"   -7", -7},
        {"  $10", 16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$FF", 255},
        {"$ff", 255},
        {"0x1A", 26},
        {"0X1a", 26},
        {"x1F", 31},
        {"X1f", 31},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$80000000", -2147483647 - 1},
        {"$000000001", 1},  // leading zeros are not significant
        {"$100000000", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$G", std::nullopt},
        {"$1.5", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {" +", std::nullopt},
        {"- 7", std::nullopt},
        {"12 ", std::nullopt},  // trailing blanks are not
        {"\t12", std::nullopt},  // only blanks are skipped
        {"1.5", std::nullopt},
        {"1e3", std::nullopt},
        {"--1", std::nullopt},
        {"12a", std::nullopt},
        {"\xd9\xa1", std::nullopt},  // a non-ASCII digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int value = -99;
        EXPECT_EQ(TryStrToInt(QString::fromUtf8(c.text), value), c.expected.has_value());
        EXPECT_EQ(value, c.expected.value_or(-99));
    }
}

TEST(TryStrToInt64, Cases) {
    struct Case {
        const char* text;
        std::optional<int64_t> expected;
    };
    const Case cases[] = {
        {" -12", -12},
        {"0x1A", 26},
        {"2147483648", 2147483648LL},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"$FFFFFFFF", 0xFFFFFFFFLL},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"-$10", -16},
        {"$10000000000000000", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int64_t value = -99;
        EXPECT_EQ(TryStrToInt64(QString::fromUtf8(c.text), value), c.expected.has_value());
        EXPECT_EQ(value, c.expected.value_or(-99));
    }
}

TEST(StrToInt, RaisesTheClassicMessage) {
    EXPECT_EQ(StrToInt(QStringLiteral(" $7F")), 127);
    try {
        StrToInt(QStringLiteral("12 "));
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, QStringLiteral("'12 ' is not a valid integer value"));
    }
}

TEST(OemCodePage, ConvertsBothWaysWithTheChosenPage) {
    const QString text = QString::fromUtf8("a\xc3\xa9\xc3\xbc\xe2\x82\xac~");  // a é ü € ~
    SetOemCodePage("CP437");
    const QString oem = CharToOem(text);
    EXPECT_EQ(oem, QString::fromUtf16(u"a\u0082\u0081?~"));  // no euro sign in this page
    EXPECT_EQ(OemToChar(oem), QString::fromUtf8("a\xc3\xa9\xc3\xbc?~"));
    EXPECT_EQ(OemToChar(QString(QChar(0x9B))), QString::fromUtf8("\xc2\xa2"));  // ¢

    SetOemCodePage("CP850");
    EXPECT_EQ(OemToChar(QString(QChar(0x9B))), QString::fromUtf8("\xc3\xb8"));  // ø
    EXPECT_EQ(CharToOem(QString::fromUtf8("\xc3\xb8")), QString(QChar(0x9B)));

    SetOemCodePage("no such page");
    EXPECT_EQ(CharToOem(text), QStringLiteral("a???~"));
    SetOemCodePage("CP437");
}

TEST(GetProfileString, DecimalFromTheSystemLocaleAndOverrides) {
    const QString system = GetProfileString(QStringLiteral("Intl"), QStringLiteral("sDecimal"), QStringLiteral("?"));
    ASSERT_FALSE(system.isEmpty());
    EXPECT_EQ(system, QLocale::system().decimalPoint());
    EXPECT_EQ(GetLocaleFormatSettings().DecimalSeparator, system.at(0));
    EXPECT_EQ(FormatSettings.DecimalSeparator, system.at(0));
    EXPECT_EQ(GetProfileString(QStringLiteral("intl"), QStringLiteral("SDECIMAL"), QString()), system);

    EXPECT_EQ(GetProfileString(QStringLiteral("Intl"), QStringLiteral("sThousand"), QStringLiteral("dflt")),
              QStringLiteral("dflt"));
    EXPECT_EQ(GetProfileString(QStringLiteral("Other"), QStringLiteral("sDecimal"), QString()), QString());

    SetProfileStringForTests(QStringLiteral("Intl"), QStringLiteral("sDecimal"), QStringLiteral(";"));
    SetProfileStringForTests(QStringLiteral("Other"), QStringLiteral("Key"), QStringLiteral("v"));
    EXPECT_EQ(GetProfileString(QStringLiteral("INTL"), QStringLiteral("sdecimal"), QString()), QStringLiteral(";"));
    EXPECT_EQ(GetProfileString(QStringLiteral("Other"), QStringLiteral("Key"), QString()), QStringLiteral("v"));

    SetProfileStringForTests(QStringLiteral("Intl"), QStringLiteral("sDecimal"), std::nullopt);
    SetProfileStringForTests(QStringLiteral("Other"), QStringLiteral("Key"), std::nullopt);
    EXPECT_EQ(GetProfileString(QStringLiteral("Intl"), QStringLiteral("sDecimal"), QString()), system);
    EXPECT_EQ(GetProfileString(QStringLiteral("Other"), QStringLiteral("Key"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST(FormatSettings, LocaleSettingsAreFilled) {
    const TFormatSettings fs = GetLocaleFormatSettings();
    EXPECT_FALSE(fs.DecimalSeparator.isNull());
    EXPECT_FALSE(fs.ThousandSeparator.isNull());
    EXPECT_FALSE(fs.DateSeparator.isNull());
    EXPECT_FALSE(fs.TimeSeparator.isNull());
    EXPECT_FALSE(fs.ShortDateFormat.isEmpty());
    // Time formats in the classic notation: minutes are "n", and only the long one has seconds.
    EXPECT_TRUE(fs.ShortTimeFormat.contains('h') && fs.ShortTimeFormat.contains('n')) << fs.ShortTimeFormat.toStdString();
    EXPECT_FALSE(fs.ShortTimeFormat.contains('m')) << fs.ShortTimeFormat.toStdString();
    EXPECT_TRUE(fs.LongTimeFormat.contains('s')) << fs.LongTimeFormat.toStdString();
    EXPECT_NE(fs.DecimalSeparator, fs.ThousandSeparator);
}
