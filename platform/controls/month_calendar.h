#pragma once

#include "platform/controls/control.h"
#include "platform/system/conversions.h"

// A month of days to pick a date from: a title with the month, arrows to the previous and
// next month, the weekday names (weeks start on Monday) and six weeks of days. A click on a
// day, or Enter, picks the date and fires OnClick; the arrow keys move by a day or a week,
// Page Up and Page Down by a month.
class TMonthCalendar : public TCustomControl {
public:
    explicit TMonthCalendar(TComponent* AOwner);

    // The chosen date (its time of day is dropped).
    TDateTime Date() const { return date_; }
    void SetDate(TDateTime Value);

    // The day at a client point, or -1 outside the days; arrows at the title give -2 (previous
    // month) and -3 (next month).
    TDateTime DayAtPos(TPoint p) const;
    // The rectangle of a shown day.
    TRect DayRect(TDateTime Day) const;

    static constexpr int CellWidth = 24;
    static constexpr int CellHeight = 16;
    static constexpr int TitleHeight = 20;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;

private:
    // The first day shown: the Monday on or before the first of the month.
    TDateTime firstShown() const;
    void pick(TDateTime Day);

    TDateTime date_ = 0;
};
