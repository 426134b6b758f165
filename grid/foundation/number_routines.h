#pragma once

#include <QChar>
#include <QString>

int Max(int A, int B);
int Min(int A, int B);

// A bound of 0 or less is no bound; equal bounds leave Value as it is, and the maximum wins
// over the minimum when they cross.
int LimitValue(int Value, int MinValue, int MaxValue);

// A digit, letter number or other number of Unicode (superscripts and fractions included).
bool IsNumChar(QChar Ch);

// 0 integer, 1 float, 2 not a number, 5 float with exponent; the regional decimal and
// thousand separators are read at each call.
int NumericType(const QString& S);

// The number in a display text, with "." as decimal point and no thousand separators;
// enclosing parentheses or a "-" ahead of the number make it negative.
QString ExtractNumber(const QString& S);
