#include "platform/system/date_time_text.h"

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

TEST_F(DateTimeTextTest, IncMonthKeepsTheDayWhereTheMonthAllowsAndTheTime) {
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31) + 0.25, 1), EncodeDate(2024, 2, 29) + 0.25);
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), 13), EncodeDate(2025, 4, 30));
}

}  // namespace
