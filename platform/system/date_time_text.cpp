#include "platform/system/date_time_text.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

constexpr double msecsPerDay = 86400000.0;

QString twoDigits(int v) { return QString::number(v).rightJustified(2, u'0'); }

}  // namespace

int DaysInAMonth(int Year, int Month) { return QDate(Year, Month, 1).daysInMonth(); }

TDateTime ComposeDateTime(TDateTime Date, TDateTime Time) { return Date < 0 ? Date - Time : Date + Time; }
TDateTime DateOf(TDateTime Value) { return std::trunc(Value); }
TDateTime TimeOf(TDateTime Value) { return std::fabs(Value - std::trunc(Value)); }

void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec) {
    long long ms = std::llround(std::fabs(Value - std::trunc(Value)) * msecsPerDay);
    if (ms >= 86400000) ms = 86399999;
    Hour = int(ms / 3600000);
    Min = int(ms / 60000 % 60);
    Sec = int(ms / 1000 % 60);
    MSec = int(ms % 1000);
}

TDateTime IncMonth(TDateTime Value, int Months) {
    int y = 0, m = 0, d = 0;
    DecodeDate(Value, y, m, d);
    if (y == 0) return Value;
    int total = y * 12 + (m - 1) + Months;
    y = total / 12;
    m = total % 12 + 1;
    d = std::min(d, DaysInAMonth(y, m));
    TDateTime date = 0;
    if (!TryEncodeDate(y, m, d, date)) return Value;
    return ComposeDateTime(date, TimeOf(Value));
}

QString FormatDateTime(const QString& Format, TDateTime Value) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDate(Value, y, mo, d);
    DecodeTime(Value, h, mi, s, ms);
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < Format.size();) {
        const QChar c = Format[i].toLower();
        qsizetype n = 1;
        while (i + n < Format.size() && Format[i + n].toLower() == c) ++n;
        switch (c.unicode()) {
        case u'd': out += n >= 2 ? twoDigits(d) : QString::number(d); afterHour = false; break;
        case u'm':
            if (afterHour) out += n >= 2 ? twoDigits(mi) : QString::number(mi);
            else out += n >= 2 ? twoDigits(mo) : QString::number(mo);
            afterHour = false;
            break;
        case u'y': out += n >= 3 ? QString::number(y).rightJustified(4, u'0') : twoDigits(y % 100); afterHour = false; break;
        case u'h': out += n >= 2 ? twoDigits(h) : QString::number(h); afterHour = true; break;
        case u'n': out += n >= 2 ? twoDigits(mi) : QString::number(mi); afterHour = false; break;
        case u's': out += n >= 2 ? twoDigits(s) : QString::number(s); afterHour = false; break;
        case u'/': out += QString(n, FormatSettings.DateSeparator); break;
        case u':': out += QString(n, FormatSettings.TimeSeparator); break;
        default: out += Format.mid(i, n); break;
        }
        i += n;
    }
    return out;
}

QString DateToStr(TDateTime Value) { return FormatDateTime(FormatSettings.ShortDateFormat, Value); }

QString TimeToStr(TDateTime Value) { return FormatDateTime("hh:nn:ss", Value); }

bool TryStrToDate(const QString& Text, TDateTime& Value) {
    const QStringList parts = Trim(Text).split(FormatSettings.DateSeparator);
    if (parts.size() < 2 || parts.size() > 3) return false;
    const QString order = FormatSettings.ShortDateFormat.toUpper();
    struct Field {
        qsizetype at;
        char kind;
    } fields[3] = {{order.indexOf(u'D'), 'd'}, {order.indexOf(u'M'), 'm'}, {order.indexOf(u'Y'), 'y'}};
    std::sort(std::begin(fields), std::end(fields), [](const Field& a, const Field& b) { return a.at < b.at; });
    int d = 0, m = 0, y = QDate::currentDate().year();
    bool twoDigitYear = false;
    int used = 0;
    for (const Field& f : fields) {
        if (f.kind == 'y' && parts.size() == 2) continue;
        if (used >= parts.size()) return false;
        bool ok = false;
        const QString part = Trim(parts[used++]);
        const int v = part.toInt(&ok);
        if (!ok || part.isEmpty() || part.startsWith(u'-') || part.startsWith(u'+')) return false;
        if (f.kind == 'd') d = v;
        else if (f.kind == 'm') m = v;
        else {
            y = v;
            twoDigitYear = part.size() <= 2;
        }
    }
    if (twoDigitYear) y += y < 50 ? 2000 : 1900;
    return TryEncodeDate(y, m, d, Value);
}

bool TryStrToTime(const QString& Text, TDateTime& Value) {
    const QStringList parts = Trim(Text).split(FormatSettings.TimeSeparator);
    if (parts.isEmpty() || parts.size() > 3) return false;
    int v[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const QString part = Trim(parts[i]);
        v[i] = part.toInt(&ok);
        if (!ok || part.isEmpty() || part.startsWith(u'-') || part.startsWith(u'+')) return false;
    }
    return TryEncodeTime(v[0], v[1], v[2], 0, Value);
}
