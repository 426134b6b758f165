#pragma once

#include <climits>
#include <cstddef>
#include <vector>

// a + b for pixel extents, held at INT_MAX instead of overflowing: sizes come from files and
// callers, and a sum of huge ones must still compare as huge.
inline int AddPixels(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : static_cast<int>(sum);
}

// One dimension of a grid: its columns or its rows. Every operation on columns or rows is
// written once against this record.
struct TGridAxis {
    explicit TGridAxis(int ACount, int AFixed, int ADefaultSize);

    int Count;
    int Fixed;
    int DefaultSize;
    // The first scrollable index in view (LeftCol, TopRow).
    int First;
    // One size per index 0 .. Count - 1.
    std::vector<int> Sizes;
    // Empty while nothing is hidden; otherwise one flag per index.
    std::vector<bool> Hidden;

    // The size of index i; DefaultSize outside 0 .. Count - 1.
    int Size(int i) const { return i >= 0 && i < Count ? Sizes[static_cast<std::size_t>(i)] : DefaultSize; }
    bool IsHidden(int i) const { return i >= 0 && static_cast<std::size_t>(i) < Hidden.size() && Hidden[static_cast<std::size_t>(i)]; }
    void SetHidden(int i, bool Value);

    // New indexes take the default size; the fixed count stays below the count.
    void SetCount(int Value);
    // Every index takes the new default.
    void SetDefaultSize(int Value);
    // The index at from goes to to with its size and flag; those between shift towards from.
    void Move(int from, int to);
    void Erase(int i);
    // Indexes of the default size at the places they take once all are in (ascending, distinct).
    void InsertList(const std::vector<int>& Indexes);
    // The indexes (ascending, distinct) go; the fixed count stays below the count.
    void EraseList(const std::vector<int>& Indexes);
    // The index nearest to i in direction step (+1 or -1) from i itself that is not hidden,
    // within lo .. hi; -1 when there is none.
    int Shown(int i, int step, int lo, int hi) const;
};

// An axis laid out in a window: each shown index takes its size followed by a line; hidden
// indexes take nothing. Fixed indexes come first, then the scrollable ones from First. Every
// walk stops at the client edge, so it costs the indexes in view.
struct TAxisLayout {
    const TGridAxis& Axis;
    int Line;
    int Client;

    // Pixels index i takes with its line; 0 for a hidden one.
    int Step(int i) const { return Axis.IsHidden(i) ? 0 : AddPixels(Axis.Size(i), Line); }
    int FixedExtent() const;

    // Calls f(index, start) for the shown indexes in view, fixed ones first, while f returns true.
    template <class F>
    void ForEachInView(F&& f) const {
        int p = 0;
        for (int i = 0; i < Axis.Fixed; ++i) {
            if (Axis.IsHidden(i)) continue;
            if (!f(i, p)) return;
            p = AddPixels(p, Step(i));
        }
        // The first scrollable one counts as in view even in a window too small to show it.
        bool first = true;
        for (int i = Axis.First; i < Axis.Count; ++i) {
            if (Axis.IsHidden(i)) continue;
            if (!first && p >= Client) return;
            first = false;
            if (!f(i, p)) return;
            p = AddPixels(p, Step(i));
        }
    }

    // Start of index i when in view, else -1.
    int Position(int i) const;
    // The index whose pixels (its line included) hold pixel; -1 when none does.
    int At(int pixel) const;
    // The shown scrollable indexes from First that fit whole, at least 1 when there is one.
    int VisibleCount() const;
    // The smallest first index from which the last index still fits whole.
    int MaxFirst() const;
    // The first index that shows i whole, moving as little as possible from the current one.
    int FirstShowing(int i) const;
    // The pixel span [from, to) of the indexes lo .. hi in view; false when none is.
    bool Span(int lo, int hi, int& from, int& to) const;
};
