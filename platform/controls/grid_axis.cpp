#include "platform/controls/grid_axis.h"

#include "platform/controls/grid_cell_store.h"

#include <algorithm>
#include <climits>

TGridAxis::TGridAxis(int ACount, int AFixed, int ADefaultSize)
    : Count(ACount), Fixed(AFixed), DefaultSize(ADefaultSize), First(AFixed),
      Sizes(static_cast<size_t>(ACount), ADefaultSize) {}

void TGridAxis::SetHidden(int i, bool Value) {
    if (i < 0 || i >= Count || IsHidden(i) == Value) return;
    if (Hidden.empty()) Hidden.resize(static_cast<size_t>(Count), false);
    Hidden[static_cast<size_t>(i)] = Value;
    if (std::none_of(Hidden.begin(), Hidden.end(), [](bool h) { return h; })) Hidden.clear();
}

void TGridAxis::SetCount(int Value) {
    Count = Value;
    Sizes.resize(static_cast<size_t>(Value), DefaultSize);
    if (!Hidden.empty()) Hidden.resize(static_cast<size_t>(Value), false);
    Fixed = std::min(Fixed, Value - 1);
}

void TGridAxis::SetDefaultSize(int Value) {
    DefaultSize = Value;
    std::fill(Sizes.begin(), Sizes.end(), Value);
}

void TGridAxis::Move(int from, int to) {
    MoveElement(Sizes, static_cast<size_t>(from), static_cast<size_t>(to));
    if (!Hidden.empty()) MoveElement(Hidden, static_cast<size_t>(from), static_cast<size_t>(to));
}

void TGridAxis::Erase(int i) {
    Sizes.erase(Sizes.begin() + i);
    if (!Hidden.empty()) Hidden.erase(Hidden.begin() + i);
    --Count;
    Fixed = std::min(Fixed, Count - 1);
}

namespace {
// The old elements in order with a filler at each of the new places; those before the first
// place stay where they are.
template <class V, class T>
void insertAtPlaces(V& v, const std::vector<int>& places, T filler) {
    if (places.size() == 1) {
        v.insert(v.begin() + places.front(), filler);
        return;
    }
    const size_t first = static_cast<size_t>(places.front());
    V tail(v.begin() + static_cast<std::ptrdiff_t>(first), v.end());
    v.resize(first);
    size_t from = 0, next = 0;
    while (from < tail.size() || next < places.size()) {
        if (next < places.size() && (places[next] == static_cast<int>(v.size()) || from >= tail.size())) {
            v.push_back(filler);
            ++next;
        } else {
            v.push_back(tail[from++]);
        }
    }
}
}  // namespace

void TGridAxis::InsertList(const std::vector<int>& Indexes) {
    if (Indexes.empty()) return;
    insertAtPlaces(Sizes, Indexes, DefaultSize);
    if (!Hidden.empty()) insertAtPlaces(Hidden, Indexes, false);
    Count = static_cast<int>(Sizes.size());
}

void TGridAxis::EraseList(const std::vector<int>& Indexes) {
    if (Indexes.empty() || static_cast<size_t>(Indexes.front()) >= Sizes.size()) return;
    // A block of indexes in one move (the list holds indexes below the count only).
    if (Indexes.back() - Indexes.front() + 1 == static_cast<int>(Indexes.size())) {
        Sizes.erase(Sizes.begin() + Indexes.front(), Sizes.begin() + Indexes.back() + 1);
        if (!Hidden.empty()) Hidden.erase(Hidden.begin() + Indexes.front(), Hidden.begin() + Indexes.back() + 1);
        Count = static_cast<int>(Sizes.size());
        Fixed = std::min(Fixed, Count - 1);
        return;
    }
    // Index i of those kept moves to its place among them; a flag follows its size. Those
    // before the first index listed stay.
    size_t to = static_cast<size_t>(Indexes.front()), next = 0;
    for (size_t i = to; i < Sizes.size(); ++i) {
        while (next < Indexes.size() && Indexes[next] < static_cast<int>(i)) ++next;
        if (next < Indexes.size() && Indexes[next] == static_cast<int>(i)) continue;
        Sizes[to] = Sizes[i];
        if (!Hidden.empty()) Hidden[to] = Hidden[i];
        ++to;
    }
    Sizes.resize(to);
    if (!Hidden.empty()) Hidden.resize(to);
    Count = static_cast<int>(to);
    Fixed = std::min(Fixed, Count - 1);
}

int TGridAxis::Shown(int i, int step, int lo, int hi) const {
    for (; i >= lo && i <= hi; i += step)
        if (!IsHidden(i)) return i;
    return -1;
}

int TAxisLayout::FixedExtent() const {
    int p = 0;
    for (int i = 0; i < Axis.Fixed; ++i) p = AddPixels(p, Step(i));
    return p;
}

int TAxisLayout::Position(int i) const {
    if (i < 0 || i >= Axis.Count || (i >= Axis.Fixed && i < Axis.First)) return -1;
    int found = -1;
    ForEachInView([&](int j, int p) {
        if (j == i) found = p;
        return j != i;
    });
    return found;
}

int TAxisLayout::At(int pixel) const {
    int found = -1;
    ForEachInView([&](int i, int p) {
        if (pixel >= p && pixel < AddPixels(p, Step(i))) found = i;
        return found < 0 && p <= pixel;
    });
    return found;
}

int TAxisLayout::VisibleCount() const {
    int p = FixedExtent(), n = 0;
    bool any = false;
    for (int i = Axis.First; i < Axis.Count; ++i) {
        if (Axis.IsHidden(i)) continue;
        any = true;
        if (AddPixels(p, Axis.Size(i)) > Client) break;
        ++n;
        p = AddPixels(p, Step(i));
    }
    return std::max(n, any ? 1 : 0);
}

int TAxisLayout::MaxFirst() const {
    int total = AddPixels(FixedExtent(), -Line), result = -1;
    for (int i = Axis.Count - 1; i >= Axis.Fixed; --i) {
        if (Axis.IsHidden(i)) continue;
        total = AddPixels(total, Step(i));
        if (result >= 0 && total > Client) break;
        result = i;
    }
    return std::max(result, Axis.Fixed);
}

int TAxisLayout::FirstShowing(int i) const {
    if (i < Axis.Fixed) return Axis.First;
    if (i <= Axis.First) return i;
    int total = AddPixels(FixedExtent(), Axis.Size(i)), result = i;
    for (int j = i - 1; j >= Axis.First; --j) {
        if (Axis.IsHidden(j)) continue;
        if (AddPixels(total, Step(j)) > Client) break;
        total = AddPixels(total, Step(j));
        result = j;
    }
    return result;
}

bool TAxisLayout::Span(int lo, int hi, int& from, int& to) const {
    from = INT_MAX;
    to = INT_MIN;
    ForEachInView([&](int i, int p) {
        if (i >= lo && i <= hi) {
            from = std::min(from, p);
            to = std::max(to, AddPixels(p, Step(i)));
        }
        return true;
    });
    return from < to;
}
