#pragma once

#include "platform/system/conversions.h"

#include <QString>

// Date parsers and steps of the grid suite; the regional date and time separators and the
// short date format are read at each call.

// A date in the field order of the short date format, then optionally a blank and a time
// (hours, minutes, optional seconds). False for a malformed or impossible text; DT keeps its
// value then, except for a time without a time separator, where DT gets the date alone.
// Under a short date format with month names or without date separators ("d mmm yyyy") the
// text is read as TryStrToDateTime reads it.
bool TextToDateTime(const QString& S, TDateTime& DT);

// Month/day/year and day/month/year with "/", "." or "-" between, for date sorting; the year
// is read as two digits (25 and less are 20xx, others 19xx). 0 for a malformed text; an
// impossible date raises the date-encoding Exception.
TDateTime USDateToDate(const QString& S);
TDateTime EUDateToDate(const QString& S);

// The date separator stands at position 2 or later and again at least one character further.
bool IsDateText(const QString& S);

// One step of a date series: Years, Months and Days are the differences of the calendar
// fields of two dates, Delta the difference of their values. An impossible date raises the
// date-encoding Exception.
TDateTime IncrementDate(int Years, int Months, int Days, TDateTime Date, TDateTime Delta);
