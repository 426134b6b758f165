#include "grid/editors/dropdown/dropdown_numbers.h"

#include "platform/system/regional.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

int ClassifyNumber(const QString& S) {
    if (S.isEmpty()) return 2;
    const QChar decimal = FormatSettings.DecimalSeparator, thousand = FormatSettings.ThousandSeparator;
    bool integer = true, decimalNumber = true, hex = true;
    int minus = 0, decimals = 0, lastThousand = 0;
    for (int i = 1; i <= S.size(); ++i) {
        const QChar ch = S[i - 1];
        const bool digit = ch >= u'0' && ch <= u'9';
        if (!digit && ch != u'-') integer = false;
        if (!digit && ch != u',' && ch != u'-' && ch != u'.') decimalNumber = false;
        if (!digit && ch != u'-' && !(ch >= u'A' && ch <= u'F') && !(ch >= u'a' && ch <= u'f')) hex = false;
        if (ch == thousand) {
            if (i == 1 || (lastThousand > 0 && i - lastThousand < 3)) decimalNumber = false;
            lastThousand = i;
        }
        if (ch == u'-') ++minus;
        if (ch == decimal) ++decimals;
    }
    int result = hex && !integer ? 5 : 2;
    if (integer) result = 0;
    else if (decimalNumber) result = 1;
    if (minus > 1 || decimals > 1) result = 2;
    return result;
}

QString StripThousandSeparators(const QString& S) {
    QString result = S;
    result.remove(FormatSettings.ThousandSeparator);
    return result;
}

int HexDigitValue(QChar Ch) {
    if (Ch >= u'0' && Ch <= u'9') return Ch.unicode() - u'0';
    if (Ch >= u'A' && Ch <= u'F') return Ch.unicode() - u'A' + 10;
    if (Ch >= u'a' && Ch <= u'f') return Ch.unicode() - u'a' + 10;
    return 0;
}

int32_t HexToInt(const QString& S) {
    uint32_t value = 0;
    for (QChar ch : S) value = value * 16 + static_cast<uint32_t>(HexDigitValue(ch));
    return static_cast<int32_t>(value);
}

bool IsRangeSeparator(QChar Ch) { return Ch == u',' || Ch == u'-' || Ch == u';'; }

double DropDownTextToFloat(const QString& S) {
    double value = 0;
    return TryStrToFloat(StripThousandSeparators(S), value) ? value : 0;
}

double ValNumber(const QString& S) {
    static const QRegularExpression leading(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    const QRegularExpressionMatch match = leading.match(S);
    return match.hasMatch() ? QLocale::c().toDouble(match.captured(0).trimmed()) : 0;
}

int IntegerLength(const QString& S, bool SignCounts) {
    const QString plain = StripThousandSeparators(S);
    const qsizetype at = plain.indexOf(FormatSettings.DecimalSeparator);
    int length = at < 0 ? static_cast<int>(plain.size()) + 1 : static_cast<int>(at) + 1;
    if (SignCounts && S.contains(u'-')) --length;
    return length;
}

bool DecimalsFull(const QString& S, int ValueCaret, int Precision) {
    const qsizetype at = S.indexOf(FormatSettings.DecimalSeparator);
    if (Precision <= 0 || at < 0) return false;
    const int p = static_cast<int>(at) + 1, length = static_cast<int>(S.size());
    return length - ValueCaret <= Precision && ValueCaret >= p && length - p >= Precision;
}

bool ThousandSeparatorMisplaced(const QString& S, int ValueCaret) {
    const QChar thousand = FormatSettings.ThousandSeparator;
    QString rest = S;
    if (!rest.contains(thousand)) return false;
    int nearest = static_cast<int>(rest.size()), b = ValueCaret;
    for (qsizetype at = rest.indexOf(thousand); at >= 0; at = rest.indexOf(thousand)) {
        const int p = static_cast<int>(at) + 1, distance = std::abs(p - b);
        nearest = std::min(nearest, distance);
        if (distance < 3) return true;
        if (p < b) b -= p;
        rest.remove(0, p);
    }
    return nearest > 3;
}
