#pragma once

#include <QString>

// What a cell's number format shows of a serial date number.
enum class TDateKind { None, Date, Time, DateTime };

// The kind of a number format, by its id and code. The built-in ids 14 to 22 and 45 to 47 are
// dates and times whatever their code; any other format is a date or time when its first
// section holds day, month, year, hour or second tokens outside quotes, escapes and colours.
TDateKind DateKindOfFormat(int FormatId, const QString& Code);

// A serial date number as the legacy reader gives its date cells: "2024-03-15",
// "18:30:00" or "2024-03-15 18:30:00". Date1904 counts the days from 1904-01-01.
QString SerialDateText(double Serial, TDateKind Kind, bool Date1904);
