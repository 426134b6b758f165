#pragma once

#include <QString>

// Conversions of the runtime that need no regional settings: trimming and the calendar.

// The text without the blanks and control characters (code 32 and below) at either end.
QString Trim(const QString& text);

// Days since 30 December 1899; the time of day is the fraction.
using TDateTime = double;

// Years 1..9999, months 1..12 and the days of that month; false leaves date untouched.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& date);

// As TryEncodeDate; an impossible date raises Exception "Invalid argument to date encode".
TDateTime EncodeDate(int Year, int Month, int Day);

// Hours 0..23, minutes and seconds 0..59, milliseconds 0..999; false leaves time untouched.
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& time);

// As TryEncodeTime; a time outside those ranges raises Exception "Invalid argument to time encode".
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);

// The calendar date of a date value (its time of day ignored); 0, 0, 0 before year 1.
void DecodeDate(TDateTime date, int& Year, int& Month, int& Day);
