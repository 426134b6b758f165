#include "platform/system/number_format.h"

#include <algorithm>

QString FormatFixed(double Value, int Decimals, const TFormatSettings& fs) {
    QString text = QString::number(Value, 'f', std::max(0, Decimals));
    // "-0.00" reads as zero.
    if (text.startsWith(u'-') && text.count(u'0') + text.count(u'.') == text.size() - 1) text.remove(0, 1);
    text.replace(u'.', fs.DecimalSeparator);
    return text;
}

QString FormatNumber(double Value, int Decimals, const TFormatSettings& fs) {
    QString text = FormatFixed(Value, Decimals, fs);
    const bool negative = text.startsWith(u'-');
    const qsizetype start = negative ? 1 : 0;
    qsizetype end = text.indexOf(fs.DecimalSeparator, start);
    if (Decimals <= 0 || end < 0) end = text.size();
    for (qsizetype at = end - 3; at > start; at -= 3) text.insert(at, fs.ThousandSeparator);
    return text;
}

QString FormatGeneral(double Value, const TFormatSettings& fs) {
    QString text = QString::number(Value, 'g', 15);
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) {
        // "1.5e+20" becomes "1.5E20", "2e-07" becomes "2E-7".
        QString exponent = text.mid(e + 1);
        const bool negative = exponent.startsWith(u'-');
        exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(u'0')) exponent.remove(0, 1);
        text = text.left(e) + (negative ? "E-" : "E") + exponent;
    }
    text.replace(u'.', fs.DecimalSeparator);
    return text;
}
