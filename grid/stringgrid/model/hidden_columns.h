#pragma once

// Which real columns a string grid hides and the widths they had. Hidden columns stay in the
// cell store at their real index; only real columns 0 .. 511 can be hidden, and the mappings
// leave indexes of 512 and above as they are.

#include <array>
#include <cstddef>

class THiddenColumns {
public:
    static constexpr int MaxColumns = 512;

    THiddenColumns();

    int Count() const { return FNumHidden; }
    // False for columns outside 0 .. 511.
    bool IsHidden(int Col) const { return Col >= 0 && Col < MaxColumns && !FVisible[static_cast<std::size_t>(Col)]; }
    // Marks the column hidden (or shown) and counts it; columns outside 0 .. 511 are left alone.
    void SetHidden(int Col, bool Value);

    // The width a hidden column had.
    int Width(int Col) const;
    void SetWidth(int Col, int Value);

    // Real column from goes to to with its flag and width; those between shift towards from.
    void Move(int From, int To);

    // The real column of a display column: the Col-th shown one; 0 when there is none.
    int DisplToReal(int Col) const;
    // The display column of a real column: the column less the hidden ones before it.
    int RealToDispl(int Col) const;

private:
    std::array<bool, MaxColumns + 1> FVisible;
    std::array<int, MaxColumns + 1> FAllColWidths{};
    int FNumHidden = 0;
};
