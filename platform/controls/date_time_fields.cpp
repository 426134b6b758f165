#include "platform/controls/date_time_fields.h"

#include "platform/system/date_time_text.h"

#include <algorithm>
#include <cmath>

namespace {

struct Parts {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
};

Parts split(TDateTime value) {
    Parts p;
    DecodeDate(value, p.y, p.mo, p.d);
    DecodeTime(value, p.h, p.mi, p.s, p.ms);
    if (p.y == 0) p = {1899, 12, 30, p.h, p.mi, p.s, p.ms};
    return p;
}

bool join(const Parts& p, TDateTime& value) {
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(p.y, p.mo, p.d, date) || !TryEncodeTime(p.h, p.mi, p.s, p.ms, time)) return false;
    value = ComposeDateTime(date, time);
    return true;
}

int wrap(int v, int low, int high) {
    const int span = high - low + 1;
    return low + ((v - low) % span + span) % span;
}

QString digits(int v, int width) { return width >= 2 ? QString::number(v).rightJustified(2, u'0') : QString::number(v); }

}  // namespace

std::vector<TDateTimeField> ParseDateTimeFormat(const QString& Format) {
    std::vector<TDateTimeField> fields;
    const auto literal = [&](const QString& text) {
        if (!fields.empty() && fields.back().Kind == dfLiteral) fields.back().Literal += text;
        else fields.push_back({dfLiteral, 1, text});
    };
    for (qsizetype i = 0; i < Format.size();) {
        const QChar c = Format[i];
        if (c == u'\'') {
            const qsizetype end = Format.indexOf(u'\'', i + 1);
            literal(Format.mid(i + 1, (end < 0 ? Format.size() : end) - i - 1));
            i = end < 0 ? Format.size() : end + 1;
            continue;
        }
        int n = 1;
        while (i + n < Format.size() && Format[i + n] == c) ++n;
        TDateTimeFieldKind kind = dfLiteral;
        switch (c.unicode()) {
        case u'd': kind = n >= 3 ? dfDayName : dfDay; break;
        case u'M': kind = n >= 3 ? dfMonthName : dfMonth; break;
        case u'y': kind = dfYear; break;
        case u'h': kind = dfHour12; break;
        case u'H': kind = dfHour; break;
        case u'm': kind = dfMinute; break;
        case u's': kind = dfSecond; break;
        case u't': kind = dfAmPm; break;
        default: break;
        }
        if (kind == dfLiteral) literal(Format.mid(i, n));
        else fields.push_back({kind, n, QString()});
        i += n;
    }
    return fields;
}

QString DefaultDateFormat() {
    // The classic notation (d, m, y, "/") in the picker's letters.
    QString out;
    for (QChar c : FormatSettings.ShortDateFormat) {
        switch (c.toLower().unicode()) {
        case u'd': out += u'd'; break;
        case u'm': out += u'M'; break;
        case u'y': out += u'y'; break;
        case u'/': out += QString("'%1'").arg(FormatSettings.DateSeparator); break;
        default: out += c; break;
        }
    }
    return out;
}

QString DefaultTimeFormat() {
    const QString sep = QString("'%1'").arg(FormatSettings.TimeSeparator);
    return "HH" + sep + "mm" + sep + "ss";
}

QString FieldText(const TDateTimeField& Field, TDateTime Value) {
    const Parts p = split(Value);
    // Names as the regional settings give them, so that the picker shows what DateToStr writes.
    const TFormatSettings& fs = FormatSettings;
    switch (Field.Kind) {
    case dfDay: return digits(p.d, Field.Width);
    case dfDayName: {
        const auto sunday0 = size_t((static_cast<long long>(std::floor(Value)) % 7 + 7 + 6) % 7);  // 30 Dec 1899 was a Saturday
        return Field.Width >= 4 ? fs.LongDayNames[sunday0] : fs.ShortDayNames[sunday0];
    }
    case dfMonth: return digits(p.mo, Field.Width);
    case dfMonthName: return Field.Width >= 4 ? fs.LongMonthNames[size_t(p.mo - 1)] : fs.ShortMonthNames[size_t(p.mo - 1)];
    case dfYear: return Field.Width <= 2 ? digits(p.y % 100, 2) : QString::number(p.y).rightJustified(4, u'0');
    case dfHour12: return digits(p.h % 12 == 0 ? 12 : p.h % 12, Field.Width);
    case dfHour: return digits(p.h, Field.Width);
    case dfMinute: return digits(p.mi, Field.Width);
    case dfSecond: return digits(p.s, Field.Width);
    case dfAmPm: return (p.h < 12 ? fs.TimeAMString : fs.TimePMString).left(Field.Width == 1 ? 1 : -1);
    default: return Field.Literal;
    }
}

TDateTime StepField(const TDateTimeField& Field, TDateTime Value, int Delta) {
    Parts p = split(Value);
    switch (Field.Kind) {
    case dfDay: p.d = wrap(p.d + Delta, 1, DaysInAMonth(p.y, p.mo)); break;
    case dfMonth:
    case dfMonthName:
        p.mo = wrap(p.mo + Delta, 1, 12);
        p.d = std::min(p.d, DaysInAMonth(p.y, p.mo));
        break;
    case dfYear:
        p.y = std::clamp(p.y + Delta, 1, 9999);
        p.d = std::min(p.d, DaysInAMonth(p.y, p.mo));
        break;
    case dfHour12:
    case dfHour: p.h = wrap(p.h + Delta, 0, 23); break;
    case dfMinute: p.mi = wrap(p.mi + Delta, 0, 59); break;
    case dfSecond: p.s = wrap(p.s + Delta, 0, 59); break;
    case dfAmPm: p.h = (p.h + 12) % 24; break;
    default: return Value;
    }
    join(p, Value);
    return Value;
}

bool SetFieldValue(const TDateTimeField& Field, TDateTime& Value, int Number) {
    Parts p = split(Value);
    switch (Field.Kind) {
    case dfDay: p.d = Number; break;
    case dfMonth:
    case dfMonthName: p.mo = Number; break;
    case dfYear: p.y = Field.Width <= 2 ? (Number < 50 ? 2000 + Number : 1900 + Number) : Number; break;
    case dfHour12:
        if (Number < 1 || Number > 12) return false;
        p.h = Number % 12 + (p.h >= 12 ? 12 : 0);
        break;
    case dfHour: p.h = Number; break;
    case dfMinute: p.mi = Number; break;
    case dfSecond: p.s = Number; break;
    default: return false;
    }
    return join(p, Value);
}

int FieldDigits(const TDateTimeField& Field) {
    if (Field.Kind == dfYear) return Field.Width <= 2 ? 2 : 4;
    return Field.Editable() && Field.Kind != dfAmPm ? 2 : 0;
}
