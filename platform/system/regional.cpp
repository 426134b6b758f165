#include "platform/system/regional.h"

#include "platform/core/exception.h"

#include <QHash>
#include <QLocale>
#include <iconv.h>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace {

std::map<std::pair<QString, QString>, QString>& profileOverrides() {
    static std::map<std::pair<QString, QString>, QString> overrides;
    return overrides;
}

std::pair<QString, QString> profileKey(const QString& section, const QString& key) {
    return {section.toLower(), key.toLower()};
}

QChar firstOr(const QString& text, QChar fallback) {
    return text.isEmpty() ? fallback : text.at(0);
}

// The first character of a Qt date or time format that is neither a field letter nor quoted.
QChar formatSeparator(const QString& format, QChar fallback) {
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && !c.isLetter() && !c.isSpace()) {
            return c;
        }
    }
    return fallback;
}

// Qt's "dd.MM.yyyy" becomes "dd/mm/yyyy"; quoted literals are left out.
QString classicDateFormat(const QString& format, QChar separator) {
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == separator) {
            out += u'/';
        } else {
            out += c.toLower();
        }
    }
    return out;
}

// Qt's "HH.mm.ss AP" becomes "hh:nn:ss ampm"; quoted literals and time zones are left out.
QString classicTimeFormat(const QString& format, QChar separator) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
        } else if (quoted || c == u't') {
            continue;
        } else if (c == separator) {
            out += u':';
        } else if (c == u'm') {
            out += u'n';
        } else if (c == u'H') {
            out += u'h';
        } else if (c.toUpper() == u'A') {
            out += QStringLiteral("ampm");
            if (i + 1 < format.size() && format.at(i + 1).toUpper() == u'P') ++i;
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int hexValue(QChar c) {
    if (isDigit(c)) return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

}  // namespace

QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue) {
    const auto& overrides = profileOverrides();
    if (auto it = overrides.find(profileKey(section, key)); it != overrides.end()) return it->second;
    if (section.compare(u"Intl", Qt::CaseInsensitive) == 0 && key.compare(u"sDecimal", Qt::CaseInsensitive) == 0)
        return QLocale::system().decimalPoint();
    return defaultValue;
}

void SetProfileStringForTests(const QString& section, const QString& key, std::optional<QString> value) {
    auto& overrides = profileOverrides();
    if (value)
        overrides[profileKey(section, key)] = *value;
    else
        overrides.erase(profileKey(section, key));
}

namespace {

TFormatSettings localeSettings(const QLocale& locale) {
    TFormatSettings fs;
    // Same source as the "sDecimal" answer, so the two never disagree.
    fs.DecimalSeparator = firstOr(locale.decimalPoint(), u'.');
    fs.ThousandSeparator = firstOr(locale.groupSeparator(), u',');
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    fs.DateSeparator = formatSeparator(dateFormat, u'/');
    fs.TimeSeparator = formatSeparator(locale.timeFormat(QLocale::ShortFormat), u':');
    fs.ShortDateFormat = classicDateFormat(dateFormat, fs.DateSeparator);
    fs.ShortTimeFormat = classicTimeFormat(locale.timeFormat(QLocale::ShortFormat), fs.TimeSeparator);
    fs.LongTimeFormat = classicTimeFormat(locale.timeFormat(QLocale::LongFormat), fs.TimeSeparator);
    for (int m = 1; m <= 12; ++m) {
        fs.ShortMonthNames[size_t(m - 1)] = locale.monthName(m, QLocale::ShortFormat);
        fs.LongMonthNames[size_t(m - 1)] = locale.monthName(m, QLocale::LongFormat);
    }
    for (int d = 0; d < 7; ++d) {
        const int weekday = d == 0 ? 7 : d;  // the locale counts from Monday, 7 is Sunday
        fs.ShortDayNames[size_t(d)] = locale.dayName(weekday, QLocale::ShortFormat);
        fs.LongDayNames[size_t(d)] = locale.dayName(weekday, QLocale::LongFormat);
    }
    fs.TimeAMString = locale.amText();
    fs.TimePMString = locale.pmText();
    return fs;
}

}  // namespace

TFormatSettings GetLocaleFormatSettings() { return localeSettings(QLocale::system()); }

TFormatSettings GetLocaleFormatSettings(const QString& LocaleName) { return localeSettings(QLocale(LocaleName)); }

TFormatSettings FormatSettings = GetLocaleFormatSettings();

bool TryStrToFloat(const QString& text, double& value, const TFormatSettings& fs) {
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text.at(i) == u' ') ++i;
    while (end > i && text.at(end - 1) == u' ') --end;

    bool negative = false;
    if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }

    // The number is rebuilt in ASCII for a locale-independent conversion.
    std::string intDigits, fracDigits;
    while (i < end && isDigit(text.at(i))) intDigits += char(text.at(i++).unicode());
    if (i < end && text.at(i) == fs.DecimalSeparator) {
        ++i;
        while (i < end && isDigit(text.at(i))) fracDigits += char(text.at(i++).unicode());
    }
    if (intDigits.empty() && fracDigits.empty()) return false;

    std::string expDigits;
    bool expNegative = false;
    if (i < end && (text.at(i) == u'e' || text.at(i) == u'E')) {
        ++i;
        if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) {
            expNegative = text.at(i) == u'-';
            ++i;
        }
        while (i < end && isDigit(text.at(i))) expDigits += char(text.at(i++).unicode());
        if (expDigits.empty()) return false;
    }
    if (i != end) return false;

    std::string ascii = intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty()) ascii += "." + fracDigits;
    if (!expDigits.empty()) ascii += (expNegative ? "e-" : "e") + expDigits;

    double result = 0.0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), result);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: too small is zero, too large is an error.
        int64_t order = 0;
        const auto firstNonZero = intDigits.find_first_not_of('0');
        if (firstNonZero != std::string::npos) {
            order = int64_t(intDigits.size() - firstNonZero) - 1;
        } else {
            const auto fracNonZero = fracDigits.find_first_not_of('0');
            if (fracNonZero == std::string::npos) return false;  // zero cannot overflow
            order = -int64_t(fracNonZero) - 1;
        }
        int64_t exponent = 0;
        for (char d : expDigits) {
            exponent = exponent * 10 + (d - '0');
            if (exponent > 100000) break;  // far beyond any double either way
        }
        order += expNegative ? -exponent : exponent;
        if (order >= 0) return false;
        result = 0.0;
    } else if (ec != std::errc() || ptr != ascii.data() + ascii.size() || !std::isfinite(result)) {
        return false;
    }
    value = negative ? -result : result;
    return true;
}

namespace {

// The integer rule of TryStrToInt for Bits of 32 or 64.
bool parseInteger(const QString& text, int Bits, int64_t& value) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i) == u' ') ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text.at(i) == u'$' || text.at(i) == u'x' || text.at(i) == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == n) return false;

    const uint64_t base = hex ? 16 : 10;
    const uint64_t signBit = uint64_t(1) << (Bits - 1);
    // Hex reads the bit pattern of the width; decimal allows one more for the negative end.
    const uint64_t limit = hex ? signBit - 1 + signBit : signBit - 1 + (negative ? 1 : 0);
    uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = hexValue(text.at(i));
        if (digit < 0 || uint64_t(digit) >= base) return false;
        if (magnitude > (limit - uint64_t(digit)) / base) return false;
        magnitude = magnitude * base + uint64_t(digit);
    }
    const uint64_t pattern = negative ? uint64_t(0) - magnitude : magnitude;
    value = Bits == 32 ? int64_t(int32_t(uint32_t(pattern))) : int64_t(pattern);
    return true;
}

}  // namespace

bool TryStrToInt(const QString& text, int& value) {
    int64_t result = 0;
    if (!parseInteger(text, 32, result)) return false;
    value = int(result);
    return true;
}

bool TryStrToInt64(const QString& text, int64_t& value) { return parseInteger(text, 64, value); }

int StrToInt(const QString& text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

namespace {

// The OEM code page as a table of its 256 characters and the way back.
struct TOemTables {
    QByteArray name;
    char16_t toChar[256] = {};
    QHash<char16_t, uchar> toOem;
};

std::mutex oemMutex;
QByteArray oemName = "CP437";

char16_t decodeOemByte(iconv_t cd, uchar byte) {
    char in = char(byte);
    char out[4] = {};
    char* inPtr = &in;
    char* outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || outLeft != 2) return u'?';
    return char16_t(uchar(out[0]) | uchar(out[1]) << 8);
}

// Built again whenever the code page changes; the caller holds oemMutex.
const TOemTables& oemTables() {
    static TOemTables tables;
    if (!tables.name.isNull() && tables.name == oemName) return tables;
    tables.name = oemName;
    tables.toOem.clear();
    const iconv_t cd = iconv_open("UTF-16LE", oemName.constData());
    for (int byte = 0; byte < 256; ++byte) {
        if (cd != iconv_t(-1))
            tables.toChar[byte] = decodeOemByte(cd, uchar(byte));
        else
            tables.toChar[byte] = byte < 128 ? char16_t(byte) : u'?';
    }
    if (cd != iconv_t(-1)) iconv_close(cd);
    for (int byte = 255; byte >= 0; --byte) tables.toOem.insert(tables.toChar[byte], uchar(byte));
    return tables;
}

}  // namespace

void SetOemCodePage(const QByteArray& name) {
    const std::lock_guard lock(oemMutex);
    oemName = name;
}

QString CharToOem(const QString& text) {
    const std::lock_guard lock(oemMutex);
    const TOemTables& tables = oemTables();
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = QChar(tables.toOem.value(text.at(i).unicode(), uchar('?')));
    return out;
}

QString OemToChar(const QString& text) {
    const std::lock_guard lock(oemMutex);
    const TOemTables& tables = oemTables();
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) out[i] = QChar(tables.toChar[text.at(i).unicode() & 0xFF]);
    return out;
}
