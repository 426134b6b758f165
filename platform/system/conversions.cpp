#include "platform/system/conversions.h"

#include "platform/core/exception.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int64_t msecsPerDay = 86400000;
// Days from 1 January of year 1 (day 1) to 30 December 1899.
constexpr int64_t dateDelta = 693594;

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

}  // namespace

QString Trim(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= u' ') ++start;
    while (end > start && text.at(end - 1).unicode() <= u' ') --end;
    return text.mid(start, end - start);
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& date) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > daysInMonth(Year, Month)) return false;
    int64_t days = Day;
    for (int m = 1; m < Month; ++m) days += daysInMonth(Year, m);
    const int64_t y = Year - 1;
    days += y * 365 + y / 4 - y / 100 + y / 400;
    date = TDateTime(days - dateDelta);
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
    TDateTime date = 0;
    if (!TryEncodeDate(Year, Month, Day, date)) throw Exception(QStringLiteral("Invalid argument to date encode"));
    return date;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& time) {
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999) return false;
    time = TDateTime(((int64_t(Hour) * 60 + Min) * 60 + Sec) * 1000 + MSec) / TDateTime(msecsPerDay);
    return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
    TDateTime time = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, time)) throw Exception(QStringLiteral("Invalid argument to time encode"));
    return time;
}

void DecodeDate(TDateTime date, int& Year, int& Month, int& Day) {
    // Whole days toward zero after rounding to the millisecond, as the runtime counts them.
    const double ms = std::round(date * double(msecsPerDay));
    if (!std::isfinite(ms) || std::fabs(ms) > 1e16) {
        Year = Month = Day = 0;
        return;
    }
    int64_t days = int64_t(ms) / msecsPerDay + dateDelta;
    if (days <= 0) {
        Year = Month = Day = 0;
        return;
    }
    --days;  // days since 1 January of year 1
    constexpr int64_t d400 = 146097, d100 = 36524, d4 = 1461, d1 = 365;
    int64_t year = 1 + days / d400 * 400;
    days %= d400;
    int64_t part = std::min<int64_t>(days / d100, 3);
    year += part * 100;
    days -= part * d100;
    year += days / d4 * 4;
    days %= d4;
    part = std::min<int64_t>(days / d1, 3);
    year += part;
    days -= part * d1;
    int month = 1;
    while (days >= daysInMonth(int(year), month)) days -= daysInMonth(int(year), month++);
    Year = int(year);
    Month = month;
    Day = int(days) + 1;
}
