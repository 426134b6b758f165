#include "grid/stringgrid/data/csv_reader.h"

#include "grid/foundation/codings.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<char16_t, 10> Candidates{u',', u';', u'#', u'\t', u'|', u'@', u'*', u'-', u'+', u'&'};

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// Occurrences not part of a doubled pair: a run of odd length counts once, an even one not at all.
int singleCount(QChar Ch, const QString& S) {
    int count = 0;
    for (qsizetype i = 0; i < S.size();) {
        if (S[i] != Ch) {
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i < S.size() && S[i] == Ch) ++i, ++run;
        if (run % 2) ++count;
    }
    return count;
}

int plainCount(QChar Ch, const QString& S) { return static_cast<int>(S.count(Ch)); }

// The raw text of the first Count records: a line end inside an open quote does not end one.
std::vector<QString> firstRecords(const QString& Text, int Count) {
    std::vector<QString> records;
    qsizetype start = 0, i = 0;
    bool quoted = false;
    while (i < Text.size() && static_cast<int>(records.size()) < Count) {
        const QChar c = Text[i];
        if (c == u'"') quoted = !quoted;
        if (isLineEnd(c) && !quoted) {
            records.push_back(Text.mid(start, i - start));
            if (c == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (static_cast<int>(records.size()) < Count && start < Text.size()) {
        // An unmatched quote ends the record at its line end after all.
        qsizetype end = start;
        while (quoted && end < Text.size() && !isLineEnd(Text[end])) ++end;
        records.push_back(quoted ? Text.mid(start, end - start) : Text.mid(start));
    }
    return records;
}

}  // namespace

QChar DetectCSVDelimiter(const QString& Text) {
    const std::vector<QString> records = firstRecords(Text, 2);
    const QString l1 = records.empty() ? QString() : records[0];
    const QString l2 = records.size() > 1 ? records[1] : QString();
    for (auto count : {singleCount, plainCount}) {
        QChar chosen;
        int best = 0;
        for (char16_t c : Candidates) {
            const int a = count(c, l1);
            if (a == count(c, l2) && a > best) chosen = c, best = a;
        }
        if (!chosen.isNull()) return chosen;
    }
    QChar chosen;
    int best = 0;
    for (char16_t c : Candidates) {
        const int most = std::max(plainCount(c, l1), plainCount(c, l2));
        if (most > best) chosen = c, best = most;
    }
    return chosen;
}

qsizetype TCSVReader::lineEnd(qsizetype From) const {
    // The next LF is remembered, so a text whose lines end in CR alone is not searched to its
    // end for every line; the searches are the library's vectorised ones.
    const QStringView text(text_);
    if (nextLF_ < From) {
        nextLF_ = text.indexOf(u'\n', From);
        if (nextLF_ < 0) nextLF_ = text.size();
    }
    const qsizetype cr = text.sliced(From, nextLF_ - From).indexOf(u'\r');
    return cr < 0 ? nextLF_ : From + cr;
}

qsizetype TCSVReader::delimiterBefore(qsizetype From, qsizetype End) const {
    if (delimiter_.isNull()) return End;
    const qsizetype d = QStringView(text_).sliced(From, End - From).indexOf(delimiter_);
    return d < 0 ? End : From + d;
}

qsizetype TCSVReader::afterLineEnd(qsizetype At) const {
    if (At >= text_.size()) return At;
    if (text_[At] == u'\r' && At + 1 < text_.size() && text_[At + 1] == u'\n') return At + 2;
    return At + 1;
}

qsizetype TCSVReader::closingQuote(qsizetype From) const {
    const QChar* data = text_.constData();
    const qsizetype size = text_.size();
    for (qsizetype i = From; i < size; ++i) {
        if (data[i] != u'"') continue;
        qsizetype run = 0;
        while (i < size && data[i] == u'"') ++i, ++run;
        if (run % 2) return i - 1;
        --i;
    }
    return -1;
}

bool TCSVReader::Skip() {
    qsizetype ignored = 0;
    return Count(ignored);
}

bool TCSVReader::Count(qsizetype& Fields) {
    return record([&](qsizetype, qsizetype, bool) { ++Fields; });
}

bool TCSVReader::Next(std::vector<TCSVField>& Fields) {
    return record([&](qsizetype From, qsizetype Length, bool Quoted) {
        if (!Quoted) {
            Fields.push_back({QString(text_.constData() + From, Length), true});
            return;
        }
        QString field = RemoveDoubleChars(u'"', text_.mid(From, Length));
        if (field.contains(u'\r') || field.contains(u'\n')) {
            field.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
            field.replace(u'\n', QLatin1String("\r\n"));
        }
        Fields.push_back({field, true});
    });
}

template <class Field>
bool TCSVReader::record(Field&& field) {
    if (AtEnd()) return false;
    const QChar* data = text_.constData();
    // The end of the line is found once per line, not once per field: a line of many fields
    // stays linear.
    qsizetype end = lineEnd(pos_);
    for (;;) {
        qsizetype q = pos_;
        while (q < end && data[q] == u' ') ++q;
        if (q < end && data[q] == u'"') {
            const qsizetype close = closingQuote(q + 1);
            if (close < 0) {
                // Never closed: an empty field, and the rest of its line goes.
                field(q, 0, false);
                pos_ = afterLineEnd(end);
                return true;
            }
            field(q + 1, close - q - 1, true);
            // Text between the closing quote and the next delimiter is dropped; a quoted field
            // may have run on across line ends.
            if (close >= end) end = lineEnd(close + 1);
            const qsizetype next = delimiterBefore(close + 1, end);
            if (next < end) {
                pos_ = next + 1;
                continue;
            }
            pos_ = afterLineEnd(end);
            return true;
        }
        const qsizetype d = delimiterBefore(pos_, end);
        if (d < end) {
            // A field of a single blank stays one.
            const qsizetype from = (q - pos_ == 1 && q == d) ? pos_ : q;
            field(from, d - from, false);
            pos_ = d + 1;
            continue;
        }
        // The rest of the line is the last field when it is not empty.
        if (end > pos_) field(q, end - q, false);
        pos_ = afterLineEnd(end);
        return true;
    }
}
