#pragma once

// What a sort compares of a cell, read once per sort instead of once per comparison: the texts,
// numbers, dates and states each sort style needs, and how automatic detection classifies the
// cell when it is the first of a comparison. Comparing two keys follows the cell comparison of
// the grid step by step, so a sort on keys orders rows as comparing the cells themselves would.

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/model/string_grid_types.h"

#include <QCollator>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class TExStringGrid;

// Automatic detection of a first cell: a check box, a number, a text that is a date (with a
// time), or a time, when the second cell holds the separator too, else a text.
enum class TSortKind : uint8_t { CheckBox, Number, DateCandidate, DateTimeCandidate, TimeCandidate, Text };

struct TSortCellKey {
    // The compared text: the display or the stored text, free of tags under ssHTML.
    QString Text;
    // Text with a..z upper-cased, for the styles without case.
    QString Folded;
    double Number = 0;
    double Date = 0;
    double Time = 0;
    // Image key or check-box state.
    intptr_t State = 0;
    TSortKind Kind = TSortKind::Text;
    // Parsed as a number, or blank on screen (which counts as 0).
    bool NumberValid = false;
    // Nothing left once prefix and suffix are gone.
    bool NumberBlank = true;
    bool HasDateSeparator = false;
    bool HasTimeSeparator = false;
    // Classifies as a number (ssAlphaNumeric).
    bool IsNumber = false;
};

// One column's sort style, prefix and suffix (asked of the grid once) and its cell keys.
class TSortColumn {
public:
    TSortColumn(TExStringGrid& Grid, int ACol);

    // The keys of rows First .. First + Count - 1, by offset from First: Read reads them all
    // (for the sort column), Prepare one by one as comparisons first need them (for columns
    // that only break ties).
    // Fetch, when set, is asked to bring the cell of a row and the text of a nearer one into
    // the cache a little before they are read.
    using TFetch = std::function<void(int ACol, int ACellRow, int ATextRow)>;
    void Read(int First, int Count, const TFetch& Fetch = {});
    void Prepare(int First, int Count);
    TSortCellKey MakeKey(int ARow) const;
    // After Prepare: makes the keys of the rows at these offsets (ascending) now.
    void ReadAhead(const std::vector<int>& Offsets, const TFetch& Fetch = {});
    // Whether two reads of one cell always compare equal (no event decides).
    bool ComparesItselfEqual() const { return style_ != ssCustom && style_ != ssRaw; }
    // The grid's cell comparison of two keys; ARow1 and ARow2 are where the cells stand, for
    // the raw comparison event.
    int Compare(const TSortCellKey& A, const TSortCellKey& B, int ARow1, int ARow2, TSortDirection Direction) const;
    // Compare of the keys of rows First + A and First + B.
    int CompareRead(int A, int B, TSortDirection Direction) {
        switch (uniform_) {
        case Uniform::Values: return sign(values_[static_cast<size_t>(A)], values_[static_cast<size_t>(B)]);
        case Uniform::Texts: return CompareTexts(A, B);
        case Uniform::None: break;
        }
        return Compare(key(A), key(B), first_ + A, first_ + B, Direction);
    }

    // A column whose every pair compares in one style needs only a value or a text per cell,
    // kept side by side so that the sort reads little memory. Texts also have their first four
    // code units packed (the first one highest, blanks past the end as 0): where two packs
    // differ they order the texts as the texts themselves do.
    enum class Uniform : uint8_t { None, Values, Texts };
    Uniform Kind() const { return uniform_; }
    double Value(int Offset) const { return values_[static_cast<size_t>(Offset)]; }
    uint64_t Prefix(int Offset) const { return prefixes_[static_cast<size_t>(Offset)]; }
    int CompareTexts(int A, int B) const {
        return sign(QString::compare(texts_[static_cast<size_t>(A)], texts_[static_cast<size_t>(B)]));
    }

private:
    static int sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }
    template <class T>
    static int sign(T a, T b) {
        return a < b ? -1 : (b < a ? 1 : 0);
    }
    void makeUniform();
    const TSortCellKey& key(int Offset);

    TSortStyle styleOf(const TSortCellKey& A, const TSortCellKey& B) const;
    int compareByStyle(TSortStyle Style, const TSortCellKey& A, const TSortCellKey& B, int ARow1, int ARow2) const;
    void readNumber(TSortCellKey& Key, int ARow) const;
    // What every style reads; then what automatic detection needs of a second cell.
    TSortCellKey lightKey(int ARow) const;
    void completeKey(TSortCellKey& Key, int ARow) const;
    intptr_t checkState(int ARow) const;

    TExStringGrid& grid_;
    int col_;
    TSortStyle style_ = ssAutomatic;
    QString prefix_, suffix_;
    // What the style needs read of every cell.
    bool needFolded_ = false, needNumber_ = false, needKind_ = false;
    std::optional<QCollator> collator_;
    std::vector<TSortCellKey> keys_;
    int first_ = 0;
    // With Prepare: the keys made so far (a deque, so a key stays where it is while the next one
    // is made) and where each row's key is, -1 until it is made.
    std::deque<TSortCellKey> made_;
    std::vector<int> slots_;
    Uniform uniform_ = Uniform::None;
    std::vector<double> values_;
    std::vector<QString> texts_;
    std::vector<uint64_t> prefixes_;
};

// A number as the numeric sort styles read it: leading blanks, an optional sign, digits with an
// optional fraction after ".", an optional exponent; nothing may follow.
bool ParseSortNumber(const QString& S, double& Value);
