#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

// The number texts of the drop-down edit, read with the regional decimal and thousand
// separators. Positions are 1-based and 0 means absent, unless said otherwise.

// 0 an integer (digits and minus signs), 1 a decimal number (digits, ',' '.' '-', each
// thousand separator at least 3 places after the one before and not first), 5 hexadecimal
// digits that are no integer, 2 anything else: also the empty text and a text with more than
// one minus sign or decimal separator.
int ClassifyNumber(const QString& S);
QString StripThousandSeparators(const QString& S);
// 0..15 for a hexadecimal digit, 0 for any other character.
int HexDigitValue(QChar Ch);
// Every character taken as a hexadecimal digit, in 32-bit arithmetic.
int32_t HexToInt(const QString& S);
bool IsRangeSeparator(QChar Ch);
// S without thousand separators as a float; 0 when it is none.
double DropDownTextToFloat(const QString& S);
// The leading number of S as the runtime's Val reads it ('.' the decimal point); 0 without one.
double ValNumber(const QString& S);

// The position of the decimal separator in S less its thousand separators (its length + 1
// without one), one less when SignCounts and S holds a minus sign: so above a limit of integer
// digits when the integer part already holds as many.
int IntegerLength(const QString& S, bool SignCounts);
// The caret (0-based, within the value: the edit's caret less the prefix) stands after the
// decimal separator of S with Precision decimals already there.
bool DecimalsFull(const QString& S, int ValueCaret, int Precision);
// A thousand separator typed at ValueCaret would not stand exactly three places from the
// nearest existing one.
bool ThousandSeparatorMisplaced(const QString& S, int ValueCaret);
