#pragma once

#include "platform/system/conversions.h"
#include "platform/system/regional.h"

#include <QString>

// The runtime's date and time services that read the regional settings (FormatSettings).

int DaysInAMonth(int Year, int Month);
// A date and a time of day as one value: before 30 December 1899 the days count down while
// the time still counts forward, so the time is subtracted there.
TDateTime ComposeDateTime(TDateTime Date, TDateTime Time);
// The date of a value (its whole days) and its time of day.
TDateTime DateOf(TDateTime Value);
TDateTime TimeOf(TDateTime Value);
// Hours, minutes, seconds and milliseconds of the time of day of a value.
void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec);
// The same day Months months later (or earlier), at the month's last day when it is shorter;
// the time of day stays.
TDateTime IncMonth(TDateTime Value, int Months);

// Formats a value. Known specifiers: d, dd (day), ddd, dddd (the day's name), m, mm (month;
// minutes after an hour), mmm, mmmm (the month's name), yy, yyyy (year), h, hh (hour 0-23, 1-12
// with a half of the day in the format), n, nn (minute), s, ss (second), ampm and am/pm (the
// half of the day), "/" the date separator, ":" the time separator; other characters stand as
// they are. Names and halves of the day are those of FormatSettings.
QString FormatDateTime(const QString& Format, TDateTime Value);
// The short date format of the regional settings.
QString DateToStr(TDateTime Value);
// The long time form: hh:nn:ss with the regional time separator.
QString TimeToStr(TDateTime Value);

// A date in the order of the short date format, as DateToStr writes it: its fields parted by
// the date separator, blanks or the other characters the format writes between them; the month
// as a number or by its name (short or long, in any letter case), a day's name where the format
// has one. A missing year is this year, a two-digit year falls in 1950..2049. False for
// anything else, and Value keeps its value.
bool TryStrToDate(const QString& Text, TDateTime& Value);
// Hours, optional minutes and seconds split by the time separator, each in its range, with an
// optional half of the day ahead or behind (the locale's texts or AM/PM; hours 1-12 then).
// False for anything else, and Value keeps its value.
bool TryStrToTime(const QString& Text, TDateTime& Value);
// A date as TryStrToDate reads it, optionally followed by a blank and a time as TryStrToTime
// reads it. False for anything else, and Value keeps its value.
bool TryStrToDateTime(const QString& Text, TDateTime& Value);
