#include "platform/controls/date_time_picker.h"

#include "platform/controls/form.h"
#include "platform/controls/month_calendar.h"
#include "platform/system/date_time_text.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class DateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = FormatSettings;
        FormatSettings.DateSeparator = u'.';
        FormatSettings.TimeSeparator = u':';
        FormatSettings.ShortDateFormat = "dd/mm/yyyy";
        picker = new TDateTimePicker(&form);
        picker->SetParent(&form);
        picker->SetFormat("");
        picker->SetDateTime(EncodeDate(2024, 1, 31) + 0.5);
        picker->OnChange = [this](TObject*) { changes << picker->DisplayText(); };
        picker->SetFocus();
    }
    void TearDown() override { FormatSettings = saved; }
    void type(const QString& text) {
        for (QChar c : text) typeChar(*picker, c);
    }

    TFormatSettings saved;
    TForm form{nullptr};
    TDateTimePicker* picker = nullptr;
    QStringList changes;
};

TEST_F(DateTimePickerTest, DigitsFillTheSelectedFieldOnceItIsComplete) {
    EXPECT_EQ(picker->DisplayText(), "31.01.2024");
    type("1");  // could become 10..19: waits
    EXPECT_TRUE(changes.isEmpty());
    type("5");
    keyPress(*picker, VK_RIGHT);
    type("4");  // no month 40 and above: complete at once
    keyPress(*picker, VK_RIGHT);
    type("199");
    keyPress(*picker, VK_LEFT);  // leaving takes the waiting digits as they are
    EXPECT_EQ(changes, (QStringList{"15.01.2024", "15.04.2024", "15.04.0199"}));
    keyPress(*picker, VK_LEFT);
    type("00");  // no day 0: dropped
    EXPECT_EQ(picker->DisplayText(), "15.04.0199");
}

TEST_F(DateTimePickerTest, UpAndDownStepTheFieldAndWrapWithinItsRange) {
    keyPress(*picker, VK_UP);
    EXPECT_EQ(picker->DisplayText(), "01.01.2024");
    keyPress(*picker, VK_DOWN);
    keyPress(*picker, VK_RIGHT);
    keyPress(*picker, VK_UP);  // February has no 31st
    EXPECT_EQ(picker->DisplayText(), "29.02.2024");
    picker->SetKind(dtkTime);
    picker->SetTime(0);
    keyPress(*picker, VK_DOWN);
    EXPECT_EQ(picker->DisplayText(), "23:00:00");
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 2, 29));
}

TEST_F(DateTimePickerTest, TheCalendarDropsAndItsPickSetsTheDateAndKeepsTheTime) {
    QStringList notes;
    picker->OnDropDown = [&](TObject*) { notes << "drop"; };
    picker->OnCloseUp = [&](TObject*) { notes << "close"; };
    click(*picker, picker->ButtonRect().Left + 2, 5);
    ASSERT_TRUE(picker->DroppedDown());
    TMonthCalendar& calendar = *picker->Calendar();
    EXPECT_TRUE(calendar.Visible());
    keyPress(*picker, VK_RIGHT);  // the calendar's key while dropped
    EXPECT_EQ(calendar.Date(), EncodeDate(2024, 2, 1));
    const TRect day = calendar.DayRect(EncodeDate(2024, 2, 14));
    click(calendar, day.Left + 3, day.Top + 3);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 2, 14) + 0.5);
    EXPECT_EQ(notes, (QStringList{"drop", "close"}));
    EXPECT_EQ(changes, (QStringList{"14.02.2024"}));

    keyPress(*picker, VK_F4);
    keyPress(*picker, VK_DOWN);
    keyPress(*picker, VK_ESCAPE);
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 2, 14));
}

TEST_F(DateTimePickerTest, AnUntickedPickerTakesNoInputAndReportsNoValue) {
    picker->SetShowCheckBox(true);
    keyPress(*picker, VK_SPACE);
    EXPECT_FALSE(picker->Checked());
    TDateTime value = 0;
    EXPECT_EQ(picker->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<intptr_t>(&value)), GDT_NONE);
    keyPress(*picker, VK_UP);
    type("12");
    keyPress(*picker, VK_F4);
    EXPECT_FALSE(picker->DroppedDown());
    const TRect box = picker->CheckBoxRect();
    click(*picker, box.Left + 2, box.Top + 2);
    EXPECT_TRUE(picker->Checked());
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 1, 31) + 0.5);
}

}  // namespace

namespace {

// A picker whose calendar drops in the style it names.
class StyledPicker : public TDateTimePicker {
public:
    using TDateTimePicker::TDateTimePicker;
    uint32_t style = 0;
    void WndProc(TMessage& m) override {
        if (m.Msg == DTM_GETMCSTYLE) {
            m.Result = style;
            return;
        }
        TDateTimePicker::WndProc(m);
    }
};

TEST(MonthCalendarStyle, TheTodayLineTheRingAndWeekNumbersFollowTheStyle) {
    TForm form(nullptr);
    auto* picker = new StyledPicker(&form);
    picker->SetParent(&form);
    picker->SetDateTime(EncodeDate(2024, 1, 31));
    EXPECT_EQ(picker->Perform(DTM_GETMONTHCAL), 0);

    struct Case {
        uint32_t style;
        bool todayLine, ring, weekNumbers;
    };
    const Case cases[] = {
        {0, true, true, false},
        {MCS_NOTODAY, false, true, false},
        {MCS_NOTODAYCIRCLE, true, false, false},
        {MCS_WEEKNUMBERS, true, true, true},
    };
    for (const Case& c : cases) {
        picker->style = c.style;
        keyPress(*picker, VK_F4);
        auto* calendar = reinterpret_cast<TMonthCalendar*>(picker->Perform(DTM_GETMONTHCAL));
        ASSERT_EQ(calendar, picker->Calendar()) << c.style;
        EXPECT_EQ(calendar->CalendarStyle(), c.style);
        calendar->SetToday(EncodeDate(2024, 1, 10));
        EXPECT_EQ(calendar->Width(), calendar->MinReqRect().Width()) << c.style;
        const TRect lastDay = calendar->DayRect(EncodeDate(2024, 2, 11));
        EXPECT_EQ(calendar->Height() > lastDay.Bottom + 10, c.todayLine) << c.style;
        EXPECT_EQ(calendar->DayRect(EncodeDate(2024, 1, 1)).Left > TMonthCalendar::WeekNumberWidth, c.weekNumbers)
            << c.style;

        const QImage image = renderToImage(*calendar);
        const TRect today = calendar->DayRect(EncodeDate(2024, 1, 10));
        EXPECT_EQ(image.pixelColor(today.Left, today.Top + 5) == QColor(Qt::red), c.ring) << c.style;
        // A week number stands left of the first Monday shown (1 January 2024, week 1).
        const TRect monday = calendar->DayRect(EncodeDate(2024, 1, 1));
        EXPECT_EQ(paintedAround(image, clWindow, TRect{4, monday.Top, monday.Left - 1, monday.Bottom}).first > 0,
                  c.weekNumbers)
            << c.style;
        keyPress(*picker, VK_ESCAPE);
    }
}

TEST_F(DateTimePickerTest, UserChangesKeepWithinTheBounds) {
    picker->SetMaxDate(EncodeDate(2024, 2, 2));
    keyPress(*picker, VK_RIGHT);  // the month
    keyPress(*picker, VK_UP);
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 2, 2));
    picker->SetMinDate(EncodeDate(2024, 1, 30));
    keyPress(*picker, VK_DOWN);
    EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 1, 30));
}

}  // namespace
