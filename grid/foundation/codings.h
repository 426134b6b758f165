#pragma once

#include <QChar>
#include <QString>

// One-line codings of multi-line cell texts, the quoting helpers of the CSV reader and writer,
// and the escape that carries wide text two characters per code unit.

// 0 plain, 1 HTML (only tested when CheckHTML), 2 RTF, 3 formula, 5 escaped wide text.
int TextType(const QString& S, bool CheckHTML);

// "|\" followed by the high and the low byte of every UTF-16 code unit, each as a character.
QString EncodeWideText(const QString& W);
// The way back for a text that begins with "|\" (a trailing odd character is dropped); any
// other text is returned as it is.
QString DecodeWideText(const QString& S);

// For the grid's own text file: with a CR in S, CR becomes TAB, LF BS and NUL SOH.
QString EncodeLineBreaks(const QString& S);
// With a BS in S the coding is undone (a text with tabs but no coded line end stays as it is);
// without MultiLine only the first line is returned.
QString DecodeLineBreaks(const QString& S, bool MultiLine);
// The text before the first CR, taken from S with the CR and an LF after it; S is then cleared
// unless KeepRest. Without a CR, all of S.
QString GetNextLine(QString& S, bool KeepRest);
int LineCount(const QString& S, bool MultiLine);

// The CSV writer's line ends: CR becomes "~", LF goes.
void CRToTilde(QString& S);
// The CSV reader's: "~" becomes CR LF, and a lone "^" stands for the empty text.
void TildeToCRLF(QString& S);
// CR as the two characters "\n" (LF dropped) and back, for INI values and header texts.
QString EscapeNewlines(const QString& S);
QString UnescapeNewlines(const QString& S);
QString RemoveCR(const QString& S);
// CR LF becomes two LFs.
QString CRToLF(const QString& S);
// Drops the CR of every CR LF; lone CRs stay.
void CRLFToLF(QString& S);

QString DoubleQuoteChars(const QString& S);
// CR LF becomes VT and S is put in double quotes; inner quotes are left to DoubleQuoteChars.
void LinesToCSVField(QString& S);
void CSVFieldToLines(QString& S);
// Each pair of adjacent Ch becomes one, scanning from the left (three give two).
QString RemoveDoubleChars(QChar Ch, const QString& S);
// The closing Ch of a quoted field: the last Ch of the first run of odd length that is
// followed by another character, or a Ch at the end of S. 0 when none; P gets the result.
int SingleCharPos(QChar Ch, const QString& S, int& P);
// How often SingleCharPos finds Ch while S is consumed up to each position found.
int SingleCharCount(QChar Ch, const QString& S);
