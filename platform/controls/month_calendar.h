#pragma once

#include "platform/controls/control.h"
#include "platform/system/conversions.h"

// A month of days to pick a date from: a title with the month, arrows to the previous and
// next month, the weekday names (weeks start on Monday) and six weeks of days. A click on a
// day, or Enter, picks the date and fires OnClick; the arrow keys move by a day or a week,
// Page Up and Page Down by a month. Below the days a line names today's date (unless
// MCS_NOTODAY), today's day is ringed (unless MCS_NOTODAYCIRCLE), and with MCS_WEEKNUMBERS a
// column at the left gives each week's number.
enum : uint32_t { MCS_WEEKNUMBERS = 0x04, MCS_NOTODAYCIRCLE = 0x08, MCS_NOTODAY = 0x10 };

class TMonthCalendar : public TCustomControl {
public:
    explicit TMonthCalendar(TComponent* AOwner);

    // The chosen date (its time of day is dropped).
    TDateTime Date() const { return date_; }
    void SetDate(TDateTime Value);

    uint32_t CalendarStyle() const { return style_; }
    void SetCalendarStyle(uint32_t Value);
    // The size that shows a whole month with the style's parts.
    TRect MinReqRect() const;
    // The day ringed and named as today; the system's date unless set.
    TDateTime Today() const;
    void SetToday(TDateTime Value);

    // The day at a client point, or -1 outside the days; arrows at the title give -2 (previous
    // month) and -3 (next month).
    TDateTime DayAtPos(TPoint p) const;
    // The rectangle of a shown day.
    TRect DayRect(TDateTime Day) const;

    static constexpr int CellWidth = 24;
    static constexpr int CellHeight = 16;
    static constexpr int TitleHeight = 20;
    static constexpr int WeekNumberWidth = 20;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;

private:
    // The first day shown: the Monday on or before the first of the month.
    TDateTime firstShown() const;
    void pick(TDateTime Day);

    int daysLeft() const;

    TDateTime date_ = 0;
    TDateTime today_ = 0;
    uint32_t style_ = 0;
};
