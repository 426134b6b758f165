#include "platform/office/sheet_dates.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetDates, FormatsThatShowDatesAndTimes) {
    const struct {
        int Id;
        const char* Code;
        TDateKind Kind;
    } cases[] = {
        {14, "", TDateKind::Date},            {22, "", TDateKind::DateTime},
        {21, "", TDateKind::Time},            {46, "", TDateKind::Time},
        {0, "General", TDateKind::None},      {2, "0.00", TDateKind::None},
        {164, "m/d/yyyy", TDateKind::Date},   {165, "yyyy-mm-dd hh:mm", TDateKind::DateTime},
        {166, "h:mm:ss", TDateKind::Time},    {167, "mm:ss", TDateKind::Time},
        {168, "[h]:mm", TDateKind::Time},     {169, "[Red]d-mmm-yy;@", TDateKind::Date},
        {170, "0.00 \"days\"", TDateKind::None}, {171, "#,##0\\ \"m\"", TDateKind::None},
        {172, "[$-409]mmmm yyyy", TDateKind::Date}, {173, "0;[Red]-0;\"d\"", TDateKind::None},
    };
    for (const auto& c : cases) EXPECT_EQ(DateKindOfFormat(c.Id, QString::fromUtf8(c.Code)), c.Kind) << c.Id << " " << c.Code;
}

TEST(SheetDates, SerialNumbersAsTheLegacyReaderWritesThem) {
    EXPECT_EQ(SerialDateText(45366, TDateKind::Date, false), "2024-03-15");
    EXPECT_EQ(SerialDateText(45366.75, TDateKind::DateTime, false), "2024-03-15 18:00:00");
    EXPECT_EQ(SerialDateText(0.5104166666666666, TDateKind::Time, false), "12:15:00");
    // The last moment of a day rounds into the next one, never to 24:00:00.
    EXPECT_EQ(SerialDateText(45366.9999999, TDateKind::DateTime, false), "2024-03-16 00:00:00");
    // Before the 29 February 1900 that the 1900 system counts, days are one off.
    EXPECT_EQ(SerialDateText(1, TDateKind::Date, false), "1900-01-01");
    EXPECT_EQ(SerialDateText(61, TDateKind::Date, false), "1900-03-01");
    EXPECT_EQ(SerialDateText(0, TDateKind::Date, true), "1904-01-01");
    EXPECT_EQ(SerialDateText(43904, TDateKind::Date, true), "2024-03-15");
}

}  // namespace
