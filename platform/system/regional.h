#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The user's profile strings. Only "Intl" / "sDecimal" has an answer on this platform: the
// decimal point of the system locale. Any other look-up answers defaultValue. Section and key
// match regardless of case.
QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue);

// Lets a test answer any section and key with its own value; nullopt drops the override.
void SetProfileStringForTests(const QString& section, const QString& key, std::optional<QString> value);

// Regional number and date settings.
struct TFormatSettings {
    QChar DecimalSeparator;
    QChar ThousandSeparator;
    QChar DateSeparator;
    QChar TimeSeparator;
    // Classic notation: d, m and y for day, month and year; "/" stands for DateSeparator.
    QString ShortDateFormat;
    // Classic notation: h, n and s for hour, minute and second, "ampm" for the half of the day;
    // ":" stands for TimeSeparator.
    QString ShortTimeFormat;
    QString LongTimeFormat;
    // The names that "mmm", "mmmm", "ddd" and "dddd" stand for, January and Sunday first, and
    // the texts of the two halves of the day that "ampm" stands for.
    std::array<QString, 12> ShortMonthNames, LongMonthNames;
    std::array<QString, 7> ShortDayNames, LongDayNames;
    QString TimeAMString, TimePMString;
};

// The settings of the system locale, as read now.
TFormatSettings GetLocaleFormatSettings();
// The settings of a locale named as the system names them ("de_DE", "C").
TFormatSettings GetLocaleFormatSettings(const QString& LocaleName);

// Filled from the system locale at start, so DecimalSeparator agrees with "sDecimal".
// Tests may assign it.
extern TFormatSettings FormatSettings;

// The runtime's float conversion: blanks (spaces) around the number, an optional sign, digits
// with at most one fs.DecimalSeparator ("1." and ".5" are numbers), an optional exponent (E or
// e, optional sign, digits). No thousand separators. A result beyond the range of double fails. On failure value is kept.
bool TryStrToFloat(const QString& text, double& value, const TFormatSettings& fs = FormatSettings);

// The runtime's integer conversion, used by every reader and checker of the program: leading
// blanks (spaces only) are skipped, then an optional sign, then decimal digits within the 32-bit
// range, or after "$", "x", "X", "0x" or "0X" a hex number of at most eight significant digits,
// taken as a bit pattern ("$FFFFFFFF" is -1) and negated after a "-". The whole rest must be
// read: trailing blanks fail, and so do empty texts and a sign alone. On failure value is kept.
bool TryStrToInt(const QString& text, int& value);

// The same rule for 64-bit integers: decimal within the 64-bit range, hex of at most sixteen
// significant digits taken as a bit pattern ("$FFFFFFFFFFFFFFFF" is -1).
bool TryStrToInt64(const QString& text, int64_t& value);

// As TryStrToInt; a text that is not an integer raises Exception
// "'<text>' is not a valid integer value".
int StrToInt(const QString& text);

// The OEM code page stands in for the platform's console code page; "CP437" until set. A name
// the system cannot convert leaves the characters 0..127 only.
void SetOemCodePage(const QByteArray& name);

// Each character becomes its byte in the OEM code page, held as a character 0..255; a
// character that the code page lacks becomes "?". The length stays the same.
QString CharToOem(const QString& text);

// Each character's low byte is read in the OEM code page. The length stays the same.
QString OemToChar(const QString& text);
