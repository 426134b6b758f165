#pragma once

#include "platform/graphics/graphics_objects.h"

#include <QChar>
#include <QString>
#include <QStringList>

// Position, counting and token routines of the grid suite. Positions are 1-based; 0 is absent.

int CharPos(QChar Ch, const QString& S);
// As CharPos; P is set only when Ch is found.
int VarCharPos(QChar Ch, const QString& S, int& P);
// P always receives the position.
int VarPos(const QString& SubStr, const QString& S, int& P);
// Only the letters a..z of S are upper-cased; SubStr is taken as it is.
int UpperCasePos(const QString& SubStr, const QString& S);
int WidePos(const QString& SubStr, const QString& S);
int CharCount(QChar Ch, const QString& S);

// The text before the first Sep, which is cut from S with one character after it (callers
// pass one-character separators). Without Sep: empty text, S unchanged.
QString ExtractToken(QString& S, const QString& Sep);

QString ConcatStrings(const QStringList& Strings);

// Masks a password: every character becomes Ch.
void FillChars(QString& S, QChar Ch);

// To and from the platform's OEM code page, one character per byte.
void StringToOem(QString& S);
void OemToString(QString& S);

// "R<row>C<col>" in any letter case into P (X column, Y row); P is untouched when malformed.
bool ParseRowColRef(const QString& S, TPoint& P);

// R is a cell rectangle with Left, Top, Right and Bottom (the grid's TGridRect); bounds belong
// to it.
template <typename TGridRect>
bool CellInGridRect(const TGridRect& R, int Col, int Row) {
    return Col >= R.Left && Col <= R.Right && Row >= R.Top && Row <= R.Bottom;
}

// Person-name capitals: O'Neil-Smith, McDonald, Henry III.
QString NameCase(const QString& S);
