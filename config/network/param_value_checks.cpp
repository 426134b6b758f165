#include "config/network/param_value_checks.h"

#include "platform/system/regional.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

struct TRange {
    long double Low;
    long double High;
};

// The range of the whole-number data types; none for other types.
std::optional<TRange> Integer_Range(const TParam& Param) {
    const QString& t = Param.FDataType;
    const auto is = [&](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (t == QLatin1String(n)) return true;
        return false;
    };
    if (is({"Bit", "Boolean"})) return TRange{0, 1};
    if (t == QLatin1String("BitArea")) {
        const int bits = std::clamp(Param.FBitLength, 1, 63);
        return TRange{0, static_cast<long double>((int64_t(1) << bits) - 1)};
    }
    if (is({"Unsigned8", "Unsigned8_S"})) return TRange{0, 255};
    if (is({"Unsigned16", "Unsigned16_S"})) return TRange{0, 65535};
    if (is({"Unsigned32"})) return TRange{0, 4294967295.0L};
    if (is({"Unsigned64"})) return TRange{0, 18446744073709551615.0L};
    if (is({"Integer8"})) return TRange{-128, 127};
    if (is({"Integer16", "Integer16_S"})) return TRange{-32768, 32767};
    if (is({"Integer32"})) return TRange{-2147483648.0L, 2147483647};
    if (is({"Integer64"})) return TRange{-9223372036854775808.0L, 9223372036854775807.0L};
    return std::nullopt;
}

// A whole number as the bank builder reads it; an Unsigned64 beyond the signed range too.
std::optional<long double> Whole_Number(const QString& Text) {
    int64_t value = 0;
    if (TryStrToInt64(Text.trimmed(), value)) return static_cast<long double>(value);
    bool ok = false;
    const qulonglong big = Text.trimmed().toULongLong(&ok, 10);
    if (ok) return static_cast<long double>(big);
    return std::nullopt;
}

// Whether Value is one of the allowed values ("1 3 5..7"); true when the list gives none.
bool Allowed(const QString& AllowedValues, long double Value) {
    bool any = false;
    for (const QString& token : AllowedValues.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int dots = token.indexOf(QLatin1String(".."));
        const auto low = Whole_Number(dots < 0 ? token : token.left(dots));
        const auto high = Whole_Number(dots < 0 ? token : token.mid(dots + 2));
        if (!low || !high) continue;
        any = true;
        if (Value >= *low && Value <= *high) return true;
    }
    return !any;
}

QString Text_Of(long double Value) { return QString::number(static_cast<double>(Value), 'f', 0); }

}  // namespace

QString Param_Value_Fault(const TParam& Param, const QString& Text) {
    if (Text.trimmed().isEmpty()) return QString();
    const QString name = QStringLiteral("Value of \"%1\"").arg(Param.FName);
    const QString& type = Param.FDataType;
    if (const auto range = Integer_Range(Param)) {
        const auto value = Whole_Number(Text);
        if (!value || *value < range->Low || *value > range->High)
            return QStringLiteral("%1 must be a whole number between %2 and %3")
                .arg(name, Text_Of(range->Low), Text_Of(range->High));
        if (!Allowed(Param.FAllowedValues, *value))
            return QStringLiteral("%1 must be one of the allowed values %2").arg(name, Param.FAllowedValues);
        return QString();
    }
    if (type == QLatin1String("Float32") || type == QLatin1String("Float64")) {
        double value = 0;
        if (!TryStrToFloat(Text, value)) return QStringLiteral("%1 must be a number").arg(name);
        return QString();
    }
    static const QStringList strings{"VisibleString", "UnicodeString8", "61131_STRING", "61131_WSTRING"};
    if (strings.contains(type)) {
        if (Param.FLength > 0 && Text.size() > Param.FLength)
            return QStringLiteral("%1 must have %2 characters or less").arg(name).arg(Param.FLength);
        return QString();
    }
    if (type == QLatin1String("OctetString") || type == QLatin1String("OctetString_S")) {
        const QStringList parts = Text.split(QLatin1Char(','));
        bool bytes = Param.FLength <= 0 || parts.size() <= Param.FLength;
        for (const QString& part : parts) {
            int64_t value = 0;
            bytes = bytes && TryStrToInt64(part.trimmed(), value) && value >= 0 && value <= 255;
        }
        if (!bytes)
            return QStringLiteral("%1 must be at most %2 bytes (0 to 255) separated by commas")
                .arg(name)
                .arg(Param.FLength);
        return QString();
    }
    return QString();
}
