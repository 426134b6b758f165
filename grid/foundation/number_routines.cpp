#include "grid/foundation/number_routines.h"

#include "platform/system/conversions.h"
#include "platform/system/regional.h"

namespace {

bool isE(QChar c) { return c == u'e' || c == u'E'; }

bool isNumericOrSeparator(QChar c, const TFormatSettings& fs) {
    return IsNumChar(c) || c == fs.ThousandSeparator || c == fs.DecimalSeparator || isE(c);
}

bool isNumberTextChar(QChar c) {
    return IsNumChar(c) || c == u'-' || c == u'.' || isE(c) || c == u'+';
}

}  // namespace

int Max(int A, int B) { return A > B ? A : B; }

int Min(int A, int B) { return A < B ? A : B; }

int LimitValue(int Value, int MinValue, int MaxValue) {
    if (MinValue == MaxValue) return Value;
    int result = Value;
    if (MinValue > 0 && Value < MinValue) result = MinValue;
    if (MaxValue > 0 && Value > MaxValue) result = MaxValue;
    return result;
}

bool IsNumChar(QChar Ch) { return Ch.isNumber(); }

int NumericType(const QString& S) {
    if (S.isEmpty()) return 2;
    const TFormatSettings fs = FormatSettings;
    const qsizetype n = S.size();
    bool isInt = true;
    bool isFloat = true;
    bool isExp = true;
    bool hasE = false;
    qsizetype lastThousand = -1;
    int decimals = 0;
    int minuses = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = S.at(i);
        const bool number = IsNumChar(c);
        const bool minus = c == u'-';
        const bool sign = minus || c == u'+';
        if (!number && !minus) isInt = false;
        if (isE(c)) {
            if (hasE) isExp = false;
            hasE = true;
        }
        if (minus && i > 0) isInt = isFloat = false;
        if (isE(c) && i == 0) isExp = false;
        if ((isE(c) || sign) && i == n - 1) isExp = false;
        if (!number && !minus && c != fs.ThousandSeparator && c != fs.DecimalSeparator) isFloat = false;
        if ((!isNumericOrSeparator(c, fs) && !sign) || c == fs.ThousandSeparator) isExp = false;
        if (c == fs.ThousandSeparator) {
            // Thousand separators stand at least three digits apart.
            if (lastThousand >= 0 && i - lastThousand < 4) isFloat = false;
            lastThousand = i;
        }
        if (c == fs.DecimalSeparator) ++decimals;
        if (minus) ++minuses;
    }

    int result = 2;
    if (isInt) {
        result = 0;
    } else if (isFloat && !hasE) {
        result = 1;
    } else if (isExp && hasE) {
        result = 5;
        // A sign in the mantissa and one in the exponent are allowed together.
        if (minuses == 2) minuses = 1;
    }
    if (minuses > 1 || decimals > 1) return 2;
    return result;
}

QString ExtractNumber(const QString& S) {
    if (S.isEmpty()) return QString();
    const TFormatSettings fs = FormatSettings;
    QString text = Trim(S);
    bool negative = text.startsWith(u'(') && text.endsWith(u')');
    qsizetype start = 0;
    while (text.size() - start >= 2 && !isNumericOrSeparator(text.at(start), fs)) {
        if (text.at(start) == u'-') negative = true;
        ++start;
    }

    QString number;
    for (qsizetype i = start; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == fs.ThousandSeparator) continue;
        if (c == fs.DecimalSeparator)
            number += u'.';
        else if (isNumberTextChar(c))
            number += c;
        else
            break;
    }
    return negative ? u'-' + number : number;
}
