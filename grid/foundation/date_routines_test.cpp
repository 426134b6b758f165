#include "grid/foundation/date_routines.h"

#include "grid/foundation/format_settings_fixture.h"
#include "platform/core/exception.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

TDateTime at(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    TDateTime time = 0;
    EXPECT_TRUE(TryEncodeTime(h, n, s, 0, time));
    return EncodeDate(y, m, d) + time;
}

constexpr TDateTime untouched = -1234.5;

struct ParseCase {
    const char* text;
    bool ok;
    TDateTime expected;  // the value of DT afterwards
};

void expectParses(std::initializer_list<ParseCase> cases) {
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime dt = untouched;
        EXPECT_EQ(TextToDateTime(q(c.text), dt), c.ok);
        EXPECT_DOUBLE_EQ(dt, c.expected);
    }
}

}  // namespace

using TextToDateTimeTest = FormatSettingsFixture;

TEST_F(TextToDateTimeTest, DayMonthYearWithTime) {
    Use(u'.', u',', u'/', u':', q("dd/MM/yyyy"));
    expectParses({
        {"31/12/2024 13:45:10", true, at(2024, 12, 31, 13, 45, 10)},
        {"31/12/2024 13:45", true, at(2024, 12, 31, 13, 45)},
        {"31/12/2024", true, at(2024, 12, 31)},
        {" 1/ 2/2024  ", true, at(2024, 2, 1)},  // fields may have leading blanks
        {"31/12/2024  7:05", true, at(2024, 12, 31, 7, 5)},
        {"1/1/1", true, at(1, 1, 1)},
        {"31/12/2024 13", false, at(2024, 12, 31)},  // no time separator: the date is kept
        {"32/12/2024", false, untouched},
        {"31/13/2024", false, untouched},
        {"31/02/2024", false, untouched},  // passes the range checks, cannot be encoded
        {"1/1/0", false, untouched},
        {"31/12/2024 24:00", false, untouched},
        {"31/12/2024 13:60", false, untouched},
        {"31/12/2024 13:45:60", false, untouched},  // passes the range check, cannot be encoded
        {"31/12/2024 13:4x", false, untouched},
        {"31/12/2024 1:2:3 PM", false, untouched},
        {"31/12/2024x", false, untouched},
        {"31/12", false, untouched},
        {"a/12/2024", false, untouched},
        {"31.12.2024", false, untouched},
        {"", false, untouched},
        {"//", false, untouched},
    });
}

TEST_F(TextToDateTimeTest, FieldOrderAndSeparatorsFollowTheSettingsAtEachCall) {
    Use(u'.', u',', u'/', u':', q("M/d/yyyy"));
    expectParses({{"12/31/2024", true, at(2024, 12, 31)}, {"31/12/2024", false, untouched}});
    Use(u',', u'.', u'-', u'.', q("yyyy-mm-dd"));
    expectParses({{"2024-12-31 13.45", true, at(2024, 12, 31, 13, 45)},
                  {"2024-12-31 13:45", false, at(2024, 12, 31)},
                  {"31/12/2024", false, untouched}});
}

// The system's own format may name the month and part the fields by blanks: dates written in
// it sort and filter as dates.
TEST_F(TextToDateTimeTest, MonthNamesAndBlanksOfTheRegionalFormat) {
    Use(u'.', u',', u'/', u':', q("d mmm yyyy"));
    FormatSettings.ShortMonthNames = GetLocaleFormatSettings("C").ShortMonthNames;
    FormatSettings.LongMonthNames = GetLocaleFormatSettings("C").LongMonthNames;
    expectParses({{"2 Feb 2024", true, at(2024, 2, 2)},
                  {"31 Dec 2024 13:45", true, at(2024, 12, 31, 13, 45)},
                  {"31/12/2024", true, at(2024, 12, 31)},
                  {"31 Feb 2024", false, untouched},
                  {"31-12-2024", false, untouched}});
}

TEST(SortDates, TwoDigitYearsAndSeparators) {
    const struct {
        const char* text;
        TDateTime us;
        TDateTime eu;
    } cases[] = {
        {"1/2/25", at(2025, 1, 2), at(2025, 2, 1)},
        {"1-2-26", at(1926, 1, 2), at(1926, 2, 1)},
        {"1.2.2020", at(3920, 1, 2), at(3920, 2, 1)},  // every year is read as two digits
        {"1.2.-5", at(1995, 1, 2), at(1995, 2, 1)},  // "." wins over "-"
        {" 3/ 4/ 06", at(2006, 3, 4), at(2006, 4, 3)},
        {"", 0, 0},
        {"12 31 99", 0, 0},
        {"1/2", 0, 0},
        {"x/2/3", 0, 0},
        {"1/2/3 ", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(USDateToDate(q(c.text)), c.us);
        EXPECT_EQ(EUDateToDate(q(c.text)), c.eu);
    }
    EXPECT_EQ(USDateToDate(q("12/31/99")), at(1999, 12, 31));
    EXPECT_THROW(EUDateToDate(q("12/31/99")), Exception);
    EXPECT_THROW(USDateToDate(q("2/30/20")), Exception);
}

using IsDateTextTest = FormatSettingsFixture;

TEST_F(IsDateTextTest, TwoSeparatorsWithSomethingBetween) {
    Use(u'.', u',', u'/');
    for (const char* text : {"1/2/3", "12/1/", "1/2/", "a/b/c", "1/2//"}) EXPECT_TRUE(IsDateText(q(text))) << text;
    for (const char* text : {"/1/2", "1//2", "1//2/3", "1/2", "", "1.2.3"}) EXPECT_FALSE(IsDateText(q(text))) << text;
    Use(u'.', u',', u'.');
    EXPECT_TRUE(IsDateText(q("1.2.3")));
}

TEST(IncrementDate, OneStepOfASeries) {
    const TDateTime dec15 = at(2024, 12, 15);
    const std::optional<TDateTime> raises;
    const struct {
        int years, months, days;
        TDateTime date;
        TDateTime delta;
        std::optional<TDateTime> expected;
    } cases[] = {
        {0, 0, 3, dec15, 99, dec15 + 3},
        {0, 0, -20, dec15, 99, dec15 - 20},
        {1, 0, 0, dec15, 99, at(2025, 12, 15)},
        {-2, 0, 0, at(2024, 2, 28, 6), 99, at(2022, 2, 28)},
        {0, 1, 0, dec15, 99, at(2025, 1, 15)},
        {0, -1, 0, at(2025, 1, 15), 99, dec15},
        {0, 3, 0, at(2024, 3, 30), 99, at(2024, 6, 30)},
        {0, 1, 1, dec15, 40, dec15 + 40},  // mixed steps add Delta
        {1, 1, 0, dec15, 40, dec15 + 40},
        {0, 0, 0, dec15, 7, dec15 + 7},
        {1, 0, 0, at(2024, 2, 29), 0, raises},
        {0, 1, 0, at(2024, 1, 31), 0, raises},
        {0, -2, 0, at(2024, 1, 15), 0, raises},  // beyond the previous year
        {0, 13, 0, at(2024, 1, 15), 0, at(2025, 2, 15)},
        {0, 25, 0, at(2024, 1, 15), 0, raises},  // beyond the next year
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.years << " " << c.months << " " << c.days << " from " << c.date);
        if (c.expected)
            EXPECT_DOUBLE_EQ(IncrementDate(c.years, c.months, c.days, c.date, c.delta), *c.expected);
        else
            EXPECT_THROW(IncrementDate(c.years, c.months, c.days, c.date, c.delta), Exception);
    }
}
