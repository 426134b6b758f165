#include "platform/system/date_time_text.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

namespace {

// The weekday of a value, Sunday 0: 30 December 1899 was a Saturday.
int weekday(TDateTime Value) { return int((static_cast<long long>(std::floor(Value)) % 7 + 7 + 6) % 7); }

bool startsWithNoCase(const QString& Text, qsizetype At, QLatin1StringView Word) {
    return Text.mid(At, Word.size()).compare(Word, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString FormatDateTime(const QString& Format, TDateTime Value) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDate(Value, y, mo, d);
    DecodeTime(Value, h, mi, s, ms);
    const TFormatSettings& fs = FormatSettings;
    // With a half of the day in the format, hours count 1 to 12.
    const bool twelveHours = Format.contains(QLatin1String("ampm"), Qt::CaseInsensitive) ||
                             Format.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);
    const int hour = twelveHours ? (h % 12 == 0 ? 12 : h % 12) : h;
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < Format.size();) {
        if (startsWithNoCase(Format, i, QLatin1String("ampm")) || startsWithNoCase(Format, i, QLatin1String("am/pm"))) {
            out += h < 12 ? fs.TimeAMString : fs.TimePMString;
            i += Format.at(i + 2) == u'/' ? 5 : 4;
            continue;
        }
        const QChar c = Format[i].toLower();
        qsizetype n = 1;
        while (i + n < Format.size() && Format[i + n].toLower() == c) ++n;
        switch (c.unicode()) {
        case u'd':
            if (n >= 4) out += fs.LongDayNames[size_t(weekday(Value))];
            else if (n == 3) out += fs.ShortDayNames[size_t(weekday(Value))];
            else out += n == 2 ? twoDigits(d) : QString::number(d);
            afterHour = false;
            break;
        case u'm':
            if (afterHour) out += n >= 2 ? twoDigits(mi) : QString::number(mi);
            else if (n >= 4) out += fs.LongMonthNames[size_t(mo - 1)];
            else if (n == 3) out += fs.ShortMonthNames[size_t(mo - 1)];
            else out += n == 2 ? twoDigits(mo) : QString::number(mo);
            afterHour = false;
            break;
        case u'y': out += n >= 3 ? QString::number(y).rightJustified(4, u'0') : twoDigits(y % 100); afterHour = false; break;
        case u'h': out += n >= 2 ? twoDigits(hour) : QString::number(hour); afterHour = true; break;
        case u'n': out += n >= 2 ? twoDigits(mi) : QString::number(mi); afterHour = false; break;
        case u's': out += n >= 2 ? twoDigits(s) : QString::number(s); afterHour = false; break;
        case u'/': out += QString(n, fs.DateSeparator); break;
        case u':': out += QString(n, fs.TimeSeparator); break;
        default: out += Format.mid(i, n); break;
        }
        i += n;
    }
    return out;
}

QString DateToStr(TDateTime Value) { return FormatDateTime(FormatSettings.ShortDateFormat, Value); }

QString TimeToStr(TDateTime Value) { return FormatDateTime("hh:nn:ss", Value); }

namespace {

// A text cut into its words (runs of letters) and numbers (runs of digits); whatever stands
// between them must be a separator the format allows.
struct TDateWord {
    QString text;
    bool number;
};

bool splitWords(const QString& Text, const QString& Separators, std::vector<TDateWord>& Words) {
    for (qsizetype i = 0; i < Text.size();) {
        const QChar c = Text.at(i);
        const bool digit = c >= u'0' && c <= u'9';
        if (digit || c.isLetter()) {
            qsizetype n = 1;
            while (i + n < Text.size() && (digit ? (Text.at(i + n) >= u'0' && Text.at(i + n) <= u'9')
                                                 : Text.at(i + n).isLetter() || Text.at(i + n).isMark()))
                ++n;
            Words.push_back({Text.mid(i, n), digit});
            i += n;
        } else if (c.isSpace() || Separators.contains(c)) {
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

// A name may carry a point of its own ("Feb." in some locales): the word is its letters.
QString lettersOf(const QString& Name) {
    QString out;
    for (QChar c : Name)
        if (c.isLetter() || c.isMark()) out += c;
    return out;
}

template <size_t N>
int wordIndex(const std::array<QString, N>& Short, const std::array<QString, N>& Long, const QString& Word) {
    for (const auto* names : {&Short, &Long})
        for (size_t i = 0; i < N; ++i)
            if (!(*names)[i].isEmpty() && lettersOf((*names)[i]).compare(Word, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

}  // namespace

bool TryStrToDate(const QString& Text, TDateTime& Value) {
    const TFormatSettings& fs = FormatSettings;
    // The fields of the short date format in their order, and the characters it writes
    // between them.
    QString order, separators(fs.DateSeparator);
    // Names may carry points of their own ("févr."), which stand between the words then.
    for (const auto* names : {&fs.ShortMonthNames, &fs.LongMonthNames})
        for (const QString& name : *names)
            for (QChar c : name)
                if (!c.isLetter() && !c.isMark()) separators += c;
    for (const auto* names : {&fs.ShortDayNames, &fs.LongDayNames})
        for (const QString& name : *names)
            for (QChar c : name)
                if (!c.isLetter() && !c.isMark()) separators += c;
    bool dayNames = false;
    const QString format = fs.ShortDateFormat.toLower();
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype n = 1;
        while (i + n < format.size() && format.at(i + n) == c) ++n;
        if (c == u'd' && n >= 3) dayNames = true;
        else if (c == u'd' || c == u'm' || c == u'y') order += c;
        else if (c != u'/' && !c.isLetter()) separators += format.mid(i, n);
        i += n;
    }
    std::vector<TDateWord> words;
    if (order.size() != 3 || !splitWords(Trim(Text), separators, words)) return false;
    // A day's name, where the format writes one, tells nothing the date does not.
    if (dayNames)
        words.erase(std::remove_if(words.begin(), words.end(),
                                   [&](const TDateWord& w) {
                                       return !w.number && wordIndex(fs.ShortDayNames, fs.LongDayNames, w.text) >= 0;
                                   }),
                    words.end());
    if (words.size() < 2 || words.size() > 3) return false;
    // Without a year the date falls in this year.
    if (words.size() == 2) order.remove(u'y');
    int d = 0, m = 0, y = QDate::currentDate().year();
    bool twoDigitYear = false;
    for (qsizetype f = 0; f < order.size(); ++f) {
        const TDateWord& word = words[size_t(f)];
        if (!word.number) {
            if (order.at(f) != u'm') return false;
            m = wordIndex(fs.ShortMonthNames, fs.LongMonthNames, word.text) + 1;
            if (m == 0) return false;
            continue;
        }
        if (word.text.size() > 9) return false;
        const int v = word.text.toInt();
        if (order.at(f) == u'd') d = v;
        else if (order.at(f) == u'm') m = v;
        else {
            y = v;
            twoDigitYear = word.text.size() <= 2;
        }
    }
    if (twoDigitYear) y += y < 50 ? 2000 : 1900;
    return TryEncodeDate(y, m, d, Value);
}

bool TryStrToTime(const QString& Text, TDateTime& Value) {
    const TFormatSettings& fs = FormatSettings;
    QString text = Trim(Text);
    // A half of the day, ahead of the time or behind it, in the locale's words or in English.
    int half = -1;
    for (const auto& [word, pm] : {std::pair{fs.TimeAMString, 0}, std::pair{fs.TimePMString, 1},
                                   std::pair{QStringLiteral("AM"), 0}, std::pair{QStringLiteral("PM"), 1}}) {
        if (word.isEmpty() || half >= 0) continue;
        if (text.endsWith(word, Qt::CaseInsensitive)) text.chop(word.size());
        else if (text.startsWith(word, Qt::CaseInsensitive)) text.remove(0, word.size());
        else continue;
        half = pm;
        text = Trim(text);
    }
    const QStringList parts = text.split(fs.TimeSeparator);
    if (parts.isEmpty() || parts.size() > 3) return false;
    int v[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const QString part = Trim(parts[i]);
        v[i] = part.toInt(&ok);
        if (!ok || part.isEmpty() || part.startsWith(u'-') || part.startsWith(u'+')) return false;
    }
    if (half >= 0) {
        if (v[0] < 1 || v[0] > 12) return false;
        v[0] = v[0] % 12 + 12 * half;
    }
    return TryEncodeTime(v[0], v[1], v[2], 0, Value);
}

bool TryStrToDateTime(const QString& Text, TDateTime& Value) {
    const QString text = Trim(Text);
    TDateTime date = 0, time = 0;
    if (TryStrToDate(text, date)) {
        Value = date;
        return true;
    }
    // The date and the time are parted by a blank; a date may hold blanks of its own ("2 Feb
    // 2024"), so each blank is tried from the first on.
    for (qsizetype blank = text.indexOf(u' '); blank > 0; blank = text.indexOf(u' ', blank + 1)) {
        if (TryStrToDate(text.left(blank), date) && TryStrToTime(text.mid(blank + 1), time)) {
            Value = ComposeDateTime(date, time);
            return true;
        }
    }
    return false;
}
