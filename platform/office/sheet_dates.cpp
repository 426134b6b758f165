#include "platform/office/sheet_dates.h"

#include <QDate>

#include <cmath>

namespace {

bool builtinDate(int FormatId) { return (FormatId >= 14 && FormatId <= 22) || (FormatId >= 45 && FormatId <= 47); }

TDateKind builtinKind(int FormatId) {
    if (FormatId == 22) return TDateKind::DateTime;
    if ((FormatId >= 18 && FormatId <= 21) || FormatId >= 45) return TDateKind::Time;
    return TDateKind::Date;
}

}  // namespace

TDateKind DateKindOfFormat(int FormatId, const QString& Code) {
    if (builtinDate(FormatId)) return builtinKind(FormatId);
    bool date = false, time = false;
    QChar last;  // the last date or time token
    for (qsizetype i = 0; i < Code.size(); ++i) {
        const QChar c = Code[i].toLower();
        if (c == u';') break;  // the first section is the one for positive numbers
        if (c == u'"') {
            const qsizetype end = Code.indexOf(u'"', i + 1);
            if (end < 0) break;
            i = end;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;  // an escaped, padding or fill character
        } else if (c == u'[') {
            const qsizetype end = Code.indexOf(u']', i + 1);
            if (end < 0) break;
            // [h], [mm] and [ss] are elapsed times; colours, conditions and locales are not.
            const QString inside = Code.mid(i + 1, end - i - 1).toLower();
            if (!inside.isEmpty() && inside.count(inside[0]) == inside.size() && QStringLiteral("hms").contains(inside[0])) {
                time = true;
                last = inside[0];
            }
            i = end;
        } else if (c == u'd' || c == u'y') {
            date = true;
            last = c;
        } else if (c == u'h' || c == u's') {
            time = true;
            last = c;
        } else if (c == u'm') {
            // Minutes after an hour or before seconds, a month otherwise.
            qsizetype next = i;
            while (next < Code.size() && Code[next].toLower() == u'm') ++next;
            const bool seconds = next + 1 < Code.size() && Code[next] == u':' && Code[next + 1].toLower() == u's';
            if (last == u'h' || seconds) time = true;
            else date = true;
            last = c;
            i = next - 1;
        }
    }
    if (date && time) return TDateKind::DateTime;
    if (date) return TDateKind::Date;
    if (time) return TDateKind::Time;
    return TDateKind::None;
}

QString SerialDateText(double Serial, TDateKind Kind, bool Date1904) {
    // Whole seconds, so that 0.99999999 of a day rounds into the next day rather than to 24:00:00.
    const int64_t seconds = std::llround(Serial * 86400.0);
    int64_t days = seconds / 86400;
    int64_t second = seconds % 86400;
    if (second < 0) {
        second += 86400;
        --days;
    }
    // The 1900 system counts a 29 February 1900 that never was: day 60; days before it are one off.
    QDate base = Date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, days < 61 ? 31 : 30);
    const QString date = base.addDays(days).toString(QStringLiteral("yyyy-MM-dd"));
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(second / 3600, 2, 10, QChar(u'0'))
                             .arg(second / 60 % 60, 2, 10, QChar(u'0'))
                             .arg(second % 60, 2, 10, QChar(u'0'));
    switch (Kind) {
    case TDateKind::Date: return date;
    case TDateKind::Time: return time;
    case TDateKind::DateTime: return date + u' ' + time;
    case TDateKind::None: break;
    }
    return QString::number(Serial, 'g', 15);
}
