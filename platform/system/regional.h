#pragma once

#include <QChar>
#include <QString>
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
};

// The settings of the system locale, as read now.
TFormatSettings GetLocaleFormatSettings();

// Filled from the system locale at start, so DecimalSeparator agrees with "sDecimal".
// Tests may assign it.
extern TFormatSettings FormatSettings;

// Blanks around the number, an optional sign, digits with at most one fs.DecimalSeparator
// ("1." and ".5" are numbers), an optional exponent (E or e, optional sign, digits). No
// thousand separators. A result beyond the range of double fails. On failure value is kept.
bool TryStrToFloat(const QString& text, double& value, const TFormatSettings& fs = FormatSettings);

// An optional sign and decimal digits within the 32-bit range, or a hex number after "$" or
// "0x" whose value fits 32 bits, taken as a bit pattern ("$FFFFFFFF" is -1). No blanks.
// On failure value is kept.
bool TryStrToInt(const QString& text, int& value);
