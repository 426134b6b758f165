#pragma once

#include "platform/system/conversions.h"

#include <QString>
#include <vector>

// The fields of a date-time picker's text, from its format: d dd (day), ddd dddd (day name),
// M MM (month), MMM MMMM (month name), y yy (two-digit year), yyy yyyy (year), h hh (hour 1-12),
// H HH (hour 0-23), m mm (minute), s ss (second), t tt (AM/PM), text in single quotes and any
// other character as it stands.
enum TDateTimeFieldKind { dfLiteral, dfDay, dfDayName, dfMonth, dfMonthName, dfYear, dfHour12, dfHour, dfMinute, dfSecond, dfAmPm };

struct TDateTimeField {
    TDateTimeFieldKind Kind = dfLiteral;
    int Width = 1;
    QString Literal;
    // Fields the user can select: every kind but literals and day names.
    bool Editable() const { return Kind != dfLiteral && Kind != dfDayName; }
};

std::vector<TDateTimeField> ParseDateTimeFormat(const QString& Format);
// The picker's formats when it is given none: the regional short date format, and the time
// as HH:mm:ss with the regional time separator.
QString DefaultDateFormat();
QString DefaultTimeFormat();

QString FieldText(const TDateTimeField& Field, TDateTime Value);
// The value with the field stepped by Delta: days, months, hours, minutes and seconds wrap
// within their range (a day within its month), years do not; a day past the end of a changed
// month becomes its last.
TDateTime StepField(const TDateTimeField& Field, TDateTime Value, int Delta);
// The value with the field set to Number (a two-digit year falls in 1950..2049); false when
// Number is out of the field's range.
bool SetFieldValue(const TDateTimeField& Field, TDateTime& Value, int Number);
// How many digits the field takes before it is complete.
int FieldDigits(const TDateTimeField& Field);
