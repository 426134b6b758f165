#include "platform/system/number_format.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings settings(QChar decimal, QChar thousand) {
    TFormatSettings fs = GetLocaleFormatSettings();
    fs.DecimalSeparator = decimal;
    fs.ThousandSeparator = thousand;
    return fs;
}

TEST(NumberFormat, FixedAndThousandsUseTheRegionalSeparators) {
    const TFormatSettings dot = settings('.', ',');
    const TFormatSettings comma = settings(',', '.');
    struct Case {
        double value;
        int decimals;
        const char* fixed;
        const char* number;
    } cases[] = {
        {0, 2, "0.00", "0.00"},
        {1234567.891, 2, "1234567.89", "1,234,567.89"},
        {-1234.5, 1, "-1234.5", "-1,234.5"},
        {999, 0, "999", "999"},
        {1000, 0, "1000", "1,000"},
        {-0.001, 2, "0.00", "0.00"},
        {123456, 3, "123456.000", "123,456.000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals, dot), c.fixed) << c.value;
        EXPECT_EQ(FormatNumber(c.value, c.decimals, dot), c.number) << c.value;
    }
    EXPECT_EQ(FormatNumber(1234567.5, 2, comma), "1.234.567,50");
}

TEST(NumberFormat, GeneralIsShortestWithTheExponentWrittenPlainly) {
    const TFormatSettings dot = settings('.', ',');
    EXPECT_EQ(FormatGeneral(12.5, dot), "12.5");
    EXPECT_EQ(FormatGeneral(3, dot), "3");
    EXPECT_EQ(FormatGeneral(1.5e20, dot), "1.5E20");
    EXPECT_EQ(FormatGeneral(2e-7, dot), "2E-7");
    EXPECT_EQ(FormatGeneral(0.25, settings(',', '.')), "0,25");
}

}  // namespace
