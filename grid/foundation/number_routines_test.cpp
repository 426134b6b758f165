#include "grid/foundation/number_routines.h"

#include "grid/foundation/format_settings_fixture.h"

#include <gtest/gtest.h>

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

struct TypeCase {
    const char* text;
    int expected;
};

void expectTypes(std::initializer_list<TypeCase> cases) {
    for (const TypeCase& c : cases) EXPECT_EQ(NumericType(q(c.text)), c.expected) << "'" << c.text << "'";
}

struct NumberCase {
    const char* text;
    const char* expected;
};

void expectNumbers(std::initializer_list<NumberCase> cases) {
    for (const NumberCase& c : cases) EXPECT_EQ(ExtractNumber(q(c.text)), q(c.expected)) << "'" << c.text << "'";
}

}  // namespace

TEST(LimitValue, BoundsOfZeroOrLessAreNoBounds) {
    const int cases[][4] = {
        // value, min, max, expected
        {5, 10, 10, 5}, {5, 10, 0, 10}, {50, 0, 20, 20}, {5, 10, 3, 3},
        {15, 10, 20, 15}, {-5, 0, 0, -5}, {-5, -1, 20, -5}, {25, 10, 20, 20},
    };
    for (const auto& c : cases) EXPECT_EQ(LimitValue(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
    EXPECT_EQ(Max(-3, 2), 2);
    EXPECT_EQ(Min(-3, 2), -3);
}

TEST(IsNumChar, UnicodeNumbers) {
    for (char16_t c : {u'0', u'9', u'\u00b2', u'\u00bd', u'\u216b', u'\u0661'}) EXPECT_TRUE(IsNumChar(QChar(c))) << int(c);
    for (char16_t c : {u'a', u'-', u'.', u',', u' ', u'e'}) EXPECT_FALSE(IsNumChar(QChar(c))) << int(c);
}

using NumericTypeTest = FormatSettingsFixture;

TEST_F(NumericTypeTest, PointDecimalCommaThousand) {
    Use(u'.', u',');
    expectTypes({
        {"-12", 0}, {"0", 0}, {"-", 0}, {"\xc2\xb2", 0},
        {"1,234.5", 1}, {"1,23", 1}, {"1,234,567.5", 1}, {".", 1}, {"-1.5", 1},
        {"1.5e-3", 5}, {"-1e-5", 5}, {"1E5", 5}, {"1e+5", 5},
        {"", 2}, {"1e5e", 2}, {"12-3", 2}, {"1.2.3", 2}, {"1,23,456", 2}, {"--1", 2},
        {"-1e--5", 2}, {"+5", 2}, {"e5", 2}, {"5e", 2}, {"1e-", 2}, {" 12", 2}, {"12 ", 2},
        {"abc", 2}, {"1,5e3", 2},
    });
}

TEST_F(NumericTypeTest, SeparatorsFollowTheSettingsAtEachCall) {
    Use(u',', u'.');
    expectTypes({{"1.234,5", 1}, {"1,5e3", 5}, {"1.5e3", 2}, {"1,2,3", 2}, {"1.23.456", 2}});
    Use(u'.', u',');
    expectTypes({{"1,5e3", 2}, {"1.5e3", 5}});
}

using ExtractNumberTest = FormatSettingsFixture;

TEST_F(ExtractNumberTest, CommaDecimalPointThousand) {
    Use(u',', u'.');
    expectNumbers({
        {"(1.234,50)", "-1234.50"},
        {"1.234.567,8 EUR", "1234567.8"},
        {"1,234.56", "1.23456"},  // the separators of the other convention are read as these
        {"", ""},
    });
}

TEST_F(ExtractNumberTest, PointDecimalCommaThousand) {
    Use(u'.', u',');
    expectNumbers({
        {"USD -12", "-12"},
        {"12 kg", "12"},
        {"  1,234.56  ", "1234.56"},
        {"$ 1,000", "1000"},
        {"(5)", "-5"},
        {"EUR 5", "E"},  // a leading letter e counts as part of the number
        {"1.5e-3x", "1.5e-3"},
        {"5-", "5-"},
        {"-", "-"},
        {"   ", ""},
        {"abc", ""},
        {"x-", "-"},
    });
}
