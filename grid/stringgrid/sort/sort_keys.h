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
#include <memory>
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

    // The keys of rows First .. First + Count - 1, by offset from First.
    void Read(int First, int Count);
    const TSortCellKey& Key(int Offset) const { return keys_[static_cast<size_t>(Offset)]; }
    TSortCellKey MakeKey(int ARow) const;

    // The grid's cell comparison of two keys; ARow1 and ARow2 are where the cells stand, for
    // the raw comparison event.
    int Compare(const TSortCellKey& A, const TSortCellKey& B, int ARow1, int ARow2, TSortDirection Direction) const;

private:
    TSortStyle styleOf(const TSortCellKey& A, const TSortCellKey& B) const;
    int compareByStyle(TSortStyle Style, const TSortCellKey& A, const TSortCellKey& B, int ARow1, int ARow2) const;
    void readNumber(TSortCellKey& Key, int ARow) const;

    TExStringGrid& grid_;
    int col_;
    TSortStyle style_ = ssAutomatic;
    QString prefix_, suffix_;
    // What the style needs read of every cell.
    bool needFolded_ = false, needNumber_ = false, needKind_ = false;
    std::optional<QCollator> collator_;
    std::vector<TSortCellKey> keys_;
};

// A number as the numeric sort styles read it: leading blanks, an optional sign, digits with an
// optional fraction after ".", an optional exponent; nothing may follow.
bool ParseSortNumber(const QString& S, double& Value);
