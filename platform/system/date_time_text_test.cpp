#include "platform/system/date_time_text.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

// Day-first settings with "." and ":" for every test here.
class DateTimeTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = FormatSettings;
        FormatSettings.DateSeparator = u'.';
        FormatSettings.TimeSeparator = u':';
        FormatSettings.ShortDateFormat = "dd/mm/yyyy";
    }
    void TearDown() override { FormatSettings = saved; }
    TFormatSettings saved;
};

TEST_F(DateTimeTextTest, FormatsDatesAndTimesWithTheRegionalSeparators) {
    TDateTime time = 0;
    ASSERT_TRUE(TryEncodeTime(7, 5, 9, 0, time));
    const TDateTime value = EncodeDate(2024, 3, 1) + time;
    EXPECT_EQ(DateToStr(value), "01.03.2024");
    EXPECT_EQ(TimeToStr(value), "07:05:09");
    EXPECT_EQ(FormatDateTime("h:nn", value), "7:05");
    EXPECT_EQ(FormatDateTime("d/m/yy hh:mm", value), "1.3.24 07:05");
}

TEST_F(DateTimeTextTest, ReadsDatesInTheShortDateOrderAndRefusesTheRest) {
    struct Case {
        const char* text;
        int y, m, d;  // 0: refused
    } cases[] = {
        {"31.12.2023", 2023, 12, 31}, {"1.2.24", 2024, 2, 1}, {" 5.6.1990 ", 1990, 6, 5}, {"29.2.2023", 0, 0, 0},
        {"12/31/2023", 0, 0, 0},      {"a.b.c", 0, 0, 0},     {"", 0, 0, 0},               {"1.-2.2020", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime value = -1;
        EXPECT_EQ(TryStrToDate(c.text, value), c.y != 0);
        EXPECT_EQ(value, c.y ? EncodeDate(c.y, c.m, c.d) : -1);
    }
}

TEST_F(DateTimeTextTest, ReadsTimesWithinTheirRanges) {
    TDateTime value = -1;
    EXPECT_TRUE(TryStrToTime("23:59:58", value));
    int h, m, s, ms;
    DecodeTime(value, h, m, s, ms);
    EXPECT_EQ((std::vector<int>{h, m, s}), (std::vector<int>{23, 59, 58}));
    EXPECT_TRUE(TryStrToTime("8:15", value));
    for (const char* bad : {"24:00", "8:60", "x", "1:2:3:4", ""}) {
        value = -1;
        EXPECT_FALSE(TryStrToTime(bad, value)) << bad;
        EXPECT_EQ(value, -1);
    }
}

// Whatever short date and time format a system gives, a date and a time written by it read back
// as the same value: separators of any kind, blanks, names of months and days, two-digit years
// and halves of the day.
TEST_F(DateTimeTextTest, EveryRegionalFormatReadsBackWhatItWrites) {
    TDateTime afternoon = 0, morning = 0;
    ASSERT_TRUE(TryEncodeTime(15, 4, 0, 0, afternoon));
    ASSERT_TRUE(TryEncodeTime(0, 30, 0, 0, morning));
    const TDateTime values[] = {EncodeDate(2024, 2, 2) + afternoon, EncodeDate(1999, 12, 31) + morning,
                                EncodeDate(2049, 9, 5) + afternoon, EncodeDate(1950, 5, 1) + morning};
    struct Case {
        const char* locale;
        const char* dateFormat;  // replaces the locale's own where set
    };
    const Case cases[] = {
        {"C", nullptr},     {"en_GB", nullptr}, {"en_US", nullptr}, {"de_DE", nullptr}, {"ja_JP", nullptr},
        {"ko_KR", nullptr}, {"fr_FR", nullptr}, {"fi_FI", nullptr}, {"ru_RU", nullptr}, {"zh_CN", nullptr},
        {"hu_HU", nullptr}, {"es_ES", "d mmm yyyy"}, {"fr_FR", "dddd d mmmm yyyy"}, {"en_US", "mmm d, yy"},
        {"de_DE", "ddd, d. mmmm yyyy"}, {"ru_RU", "d mmmm yyyy"},
    };
    for (const Case& c : cases) {
        FormatSettings = GetLocaleFormatSettings(c.locale);
        if (c.dateFormat) FormatSettings.ShortDateFormat = c.dateFormat;
        const TFormatSettings& fs = FormatSettings;
        for (const TDateTime value : values) {
            const QString date = DateToStr(value);
            SCOPED_TRACE(std::string(c.locale) + " " + fs.ShortDateFormat.toStdString() + " " + fs.ShortTimeFormat.toStdString() +
                         ": " + date.toStdString());
            TDateTime back = -1;
            EXPECT_TRUE(TryStrToDate(date, back));
            EXPECT_EQ(back, DateOf(value));
            const QString time = FormatDateTime(fs.ShortTimeFormat, value);
            back = -1;
            EXPECT_TRUE(TryStrToTime(time, back)) << time.toStdString();
            EXPECT_NEAR(back, TimeOf(value), 1e-9) << time.toStdString();
            const QString both = FormatDateTime(fs.ShortDateFormat + " " + fs.ShortTimeFormat, value);
            back = -1;
            EXPECT_TRUE(TryStrToDateTime(both, back)) << both.toStdString();
            EXPECT_NEAR(back, value, 1e-9) << both.toStdString();
            // In any letter case, and with a month written as a number.
            back = -1;
            EXPECT_TRUE(TryStrToDate(date.toUpper(), back));
            EXPECT_EQ(back, DateOf(value));
        }
    }
}

TEST_F(DateTimeTextTest, NamesAndHalvesOfTheDayAreReadOnlyWhereTheyBelong) {
    FormatSettings = GetLocaleFormatSettings("C");
    FormatSettings.ShortDateFormat = "d mmm yyyy";
    struct Case {
        const char* text;
        int y, m, d;  // 0: refused
    } cases[] = {
        {"2 Feb 2024", 2024, 2, 2}, {"2 february 2024", 2024, 2, 2}, {"2 2 2024", 2024, 2, 2}, {"Feb 2 2024", 0, 0, 0},
        {"2 Fbr 2024", 0, 0, 0},    {"2/Feb/2024", 2024, 2, 2},      {"2-Feb-2024", 0, 0, 0},  {"2 Feb", QDate::currentDate().year(), 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime value = -1;
        EXPECT_EQ(TryStrToDate(c.text, value), c.y != 0);
        EXPECT_EQ(value, c.y ? EncodeDate(c.y, c.m, c.d) : -1);
    }
    TDateTime value = -1;
    EXPECT_TRUE(TryStrToTime("12:05 AM", value));
    EXPECT_NEAR(value, 5.0 / 1440, 1e-9);
    EXPECT_TRUE(TryStrToTime("pm 12:05", value));
    EXPECT_NEAR(value, 12.0 / 24 + 5.0 / 1440, 1e-9);
    EXPECT_FALSE(TryStrToTime("13:05 PM", value));
    EXPECT_EQ(FormatDateTime("h:nn ampm", EncodeDate(2024, 2, 2) + 0.5), "12:00 PM");
    EXPECT_EQ(FormatDateTime("dddd d mmmm", EncodeDate(2024, 2, 2)), "Friday 2 February");
}

TEST_F(DateTimeTextTest, IncMonthKeepsTheDayWhereTheMonthAllowsAndTheTime) {
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31) + 0.25, 1), EncodeDate(2024, 2, 29) + 0.25);
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), 13), EncodeDate(2025, 4, 30));
}

}  // namespace
