#include "platform/system/conversions.h"

#include "platform/core/exception.h"

#include <gtest/gtest.h>

#include <array>

TEST(Trim, BlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim(QStringLiteral(" \t a b \r\n")), QStringLiteral("a b"));
    EXPECT_EQ(Trim(QStringLiteral("   ")), QString());
    EXPECT_EQ(Trim(QString()), QString());
    EXPECT_EQ(Trim(QString::fromUtf16(u"\u00a0x\u00a0")), QString::fromUtf16(u"\u00a0x\u00a0"));
}

TEST(EncodeDate, DaysSinceTheEpoch) {
    const struct {
        int y, m, d;
        double expected;
    } cases[] = {
        {1899, 12, 30, 0}, {1900, 1, 1, 2}, {2000, 2, 29, 36585}, {2024, 12, 31, 45657},
        {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.expected);
        int y = 0, m = 0, d = 0;
        // Before the epoch the time of day counts away from zero.
        DecodeDate(c.expected + (c.expected < 0 ? -0.75 : 0.75), y, m, d);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(m, c.m);
        EXPECT_EQ(d, c.d);
    }
}

TEST(EncodeDate, ImpossibleDatesRaise) {
    const int bad[][3] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {2024, 0, 1},
                          {2024, 1, 0}, {0, 1, 1}, {10000, 1, 1}};
    for (const auto& b : bad) {
        SCOPED_TRACE(b[0] * 10000 + b[1] * 100 + b[2]);
        TDateTime date = 7;
        EXPECT_FALSE(TryEncodeDate(b[0], b[1], b[2], date));
        EXPECT_EQ(date, 7);
        try {
            EncodeDate(b[0], b[1], b[2]);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, QStringLiteral("Invalid argument to date encode"));
        }
    }
}

TEST(DecodeDate, EveryDayOfFourCenturiesRoundTrips) {
    int y = 0, m = 0, d = 0;
    for (int day = int(EncodeDate(1800, 1, 1)); day <= int(EncodeDate(2200, 12, 31)); ++day) {
        DecodeDate(day, y, m, d);
        ASSERT_EQ(EncodeDate(y, m, d), day);
    }
    DecodeDate(-693594, y, m, d);  // before year 1
    EXPECT_EQ(y, 0);
}

TEST(TryEncodeTime, FractionOfADay) {
    TDateTime time = -1;
    ASSERT_TRUE(TryEncodeTime(13, 45, 10, 0, time));
    EXPECT_DOUBLE_EQ(time, (13 * 3600 + 45 * 60 + 10) / 86400.0);
    ASSERT_TRUE(TryEncodeTime(0, 0, 0, 0, time));
    EXPECT_EQ(time, 0);
    for (const auto& t : {std::array{24, 0, 0, 0}, std::array{0, 60, 0, 0}, std::array{0, 0, 60, 0},
                          std::array{0, 0, 0, 1000}, std::array{-1, 0, 0, 0}}) {
        time = 5;
        EXPECT_FALSE(TryEncodeTime(t[0], t[1], t[2], t[3], time));
        EXPECT_EQ(time, 5);
        try {
            EncodeTime(t[0], t[1], t[2], t[3]);
            ADD_FAILURE() << "no error for " << t[0] << ":" << t[1] << ":" << t[2] << "." << t[3];
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Invalid argument to time encode");
        }
    }
    EXPECT_DOUBLE_EQ(EncodeTime(13, 45, 10, 0), (13 * 3600 + 45 * 60 + 10) / 86400.0);
}
