#pragma once

// Reading delimiter-separated text: the choice of the delimiter and the records of a whole text.
// A quoted field runs on across line ends, as spreadsheet programs write line breaks in cells.

#include <QChar>
#include <QString>
#include <vector>

// The delimiter the first two records suggest among , ; # tab | @ * - + &; 0 when none occurs.
QChar DetectCSVDelimiter(const QString& Text);

// One field of a record; Stored is false for an empty rest after the last delimiter.
struct TCSVField {
    QString Text;
    bool Stored = true;
};

// Walks the records of a text. Fields come raw: quotes removed and doubled quotes collapsed, a
// line break inside quotes as CR LF, the grid's own codings (character 11, "~", "^") left to
// the caller.
class TCSVReader {
public:
    TCSVReader(const QString& Text, QChar Delimiter) : text_(Text), delimiter_(Delimiter) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    // Appends the next record's fields; false at the end.
    bool Next(std::vector<TCSVField>& Fields);
    // Skips a record.
    bool Skip();
    // Skips a record, adding the number of its fields to Fields; nothing is allocated.
    bool Count(qsizetype& Fields);

private:
    // Walks the next record, calling field(from, length, quoted) for each field: a quoted
    // one still holds its doubled quotes and raw line breaks.
    template <class Field>
    bool record(Field&& field);
    qsizetype lineEnd(qsizetype From) const;
    // The first delimiter in From .. End - 1, else End.
    qsizetype delimiterBefore(qsizetype From, qsizetype End) const;
    qsizetype afterLineEnd(qsizetype At) const;
    // The closing quote of a field whose text starts at From, or -1.
    qsizetype closingQuote(qsizetype From) const;

    const QString& text_;
    QChar delimiter_;
    qsizetype pos_ = 0;
    mutable qsizetype nextLF_ = -1;
};
