#include "grid/foundation/date_routines.h"

#include "platform/system/date_time_text.h"
#include "platform/system/regional.h"

#include <algorithm>
#include <array>

namespace {

enum TDateField { dfDay, dfMonth, dfYear };

// The date fields in the order the short date format names them.
std::array<TDateField, 3> dateFieldOrder(const QString& shortDateFormat) {
    const QString format = shortDateFormat.toUpper();
    std::array<std::pair<qsizetype, TDateField>, 3> positions = {
        {{format.indexOf(u'D'), dfDay}, {format.indexOf(u'M'), dfMonth}, {format.indexOf(u'Y'), dfYear}}};
    std::stable_sort(positions.begin(), positions.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return {positions[0].second, positions[1].second, positions[2].second};
}

// Cuts S at its first two separators into three fields; false without two of them.
bool splitDate(const QString& S, QChar separator, QString fields[3]) {
    const qsizetype first = S.indexOf(separator);
    if (first < 0) return false;
    const qsizetype second = S.indexOf(separator, first + 1);
    if (second < 0) return false;
    fields[0] = S.left(first);
    fields[1] = S.mid(first + 1, second - first - 1);
    fields[2] = S.mid(second + 1);
    return true;
}

// Hours, minutes and optional seconds; false without a separator or with a bad field.
bool readTime(const QString& timePart, QChar separator, int& hours, int& minutes, int& seconds) {
    const qsizetype first = timePart.indexOf(separator);
    if (first < 0) return false;
    const qsizetype second = timePart.indexOf(separator, first + 1);
    const QString minuteText = second < 0 ? timePart.mid(first + 1) : timePart.mid(first + 1, second - first - 1);
    seconds = 0;
    return TryStrToInt(timePart.left(first), hours) && TryStrToInt(minuteText, minutes) &&
           (second < 0 || TryStrToInt(timePart.mid(second + 1), seconds));
}

// Two-digit years order among four-digit ones only within their century pair.
int twoDigitYear(int value) { return value <= 25 ? 2000 + value : 1900 + value; }

TDateTime separatedDate(const QString& S, bool monthFirst) {
    QChar separator = u'-';
    if (S.contains(u'/'))
        separator = u'/';
    else if (S.contains(u'.'))
        separator = u'.';
    else if (!S.contains(u'-'))
        return 0;

    QString fields[3];
    int first = 0, second = 0, year = 0;
    if (!splitDate(S, separator, fields) || !TryStrToInt(fields[0], first) || !TryStrToInt(fields[1], second) ||
        !TryStrToInt(fields[2], year))
        return 0;
    return monthFirst ? EncodeDate(twoDigitYear(year), first, second) : EncodeDate(twoDigitYear(year), second, first);
}

}  // namespace

bool TextToDateTime(const QString& S, TDateTime& DT) {
    const TFormatSettings fs = FormatSettings;
    // A short date format that names the month or parts its fields otherwise than by the date
    // separator ("d mmm yyyy") is read as the regional date and time editors write it.
    if (fs.ShortDateFormat.contains(QLatin1String("mmm"), Qt::CaseInsensitive) ||
        (!fs.ShortDateFormat.contains(u'/') && !fs.ShortDateFormat.contains(fs.DateSeparator)))
        return TryStrToDateTime(S, DT);
    QString fields[3];
    if (!splitDate(S, fs.DateSeparator, fields)) return false;

    QString timePart;
    fields[2] = Trim(fields[2]);
    if (const qsizetype blank = fields[2].indexOf(u' '); blank >= 0) {
        timePart = fields[2].mid(blank);
        fields[2].truncate(blank);
    }

    int values[3] = {};
    for (int i = 0; i < 3; ++i)
        if (!TryStrToInt(fields[i], values[i])) return false;
    int date[3] = {};
    const auto order = dateFieldOrder(fs.ShortDateFormat);
    for (int i = 0; i < 3; ++i) date[order[i]] = values[i];
    if (date[dfDay] > 31 || date[dfMonth] > 12) return false;

    int hours = 0, minutes = 0, seconds = 0;
    const bool hasTime = !timePart.isEmpty();
    const bool timeSeparated = hasTime && timePart.contains(fs.TimeSeparator);
    if (timeSeparated &&
        (!readTime(timePart, fs.TimeSeparator, hours, minutes, seconds) || hours > 23 || minutes > 59 || seconds > 60))
        return false;

    TDateTime datePart = 0;
    TDateTime timeOfDay = 0;
    if (!TryEncodeDate(date[dfYear], date[dfMonth], date[dfDay], datePart) ||
        !TryEncodeTime(hours, minutes, seconds, 0, timeOfDay))
        return false;
    DT = datePart + timeOfDay;
    // A time part without a separator leaves the bare date behind but fails.
    return !hasTime || timeSeparated;
}

TDateTime USDateToDate(const QString& S) { return separatedDate(S, true); }

TDateTime EUDateToDate(const QString& S) { return separatedDate(S, false); }

bool IsDateText(const QString& S) {
    const QChar separator = FormatSettings.DateSeparator;
    const qsizetype first = S.indexOf(separator);
    if (first < 1) return false;
    // The second separator is the next one, with at least one character before it.
    const qsizetype second = S.indexOf(separator, first + 1);
    return second > first + 1;
}

TDateTime IncrementDate(int Years, int Months, int Days, TDateTime Date, TDateTime Delta) {
    if (Days != 0 && Years == 0 && Months == 0) return Date + Days;
    if ((Years != 0) == (Months != 0) || Days != 0) return Date + Delta;

    int year = 0, month = 0, day = 0;
    DecodeDate(Date, year, month, day);
    if (Years != 0) return EncodeDate(year + Years, month, day);
    month += Months;
    if (month == 0) {
        month = 12;
        --year;
    } else if (month > 12) {
        month -= 12;
        ++year;
    }
    return EncodeDate(year, month, day);
}
