#include "grid/stringgrid/model/hidden_rows.h"

#include <algorithm>
#include <iterator>
#include <utility>

// ---- the item of an entry

void TGridItem::SetIdx(int Value) { FCollection->changeIdx(*FEntry, Value); }

TStringList& TGridItem::Items() const {
    if (!FItems) {
        FItems = std::make_unique<TStringList>();
        FItems->BeginUpdate();
        for (const TGridCellStore::Cell& cell : FEntry->Held.Cells) FItems->AddObject(cell.Text, cell.Object);
        FItems->EndUpdate();
        FEntry->Held.Cells = {};
    }
    return *FItems;
}

void TGridItem::SetItems(std::unique_ptr<TStringList> Value) {
    if (!Value) return;
    FItems = std::move(Value);
    FEntry->Held.Cells = {};
}

void TGridItem::HoldCells(TGridCellStore::Row Cells) {
    FItems.reset();
    FEntry->Held.Cells = std::move(Cells);
}

TGridCellStore::Row TGridItem::TakeCells() {
    if (!FItems) return std::exchange(FEntry->Held.Cells, {});
    TGridCellStore::Row cells(static_cast<size_t>(FItems->Count()));
    for (int c = 0; c < FItems->Count(); ++c) cells[static_cast<size_t>(c)] = {FItems->Strings(c), FItems->Objects(c)};
    return cells;
}

// ---- entries

TGridItem* THiddenRows::Items(int Index) {
    THiddenRowEntry& e = entry(Index);
    if (!e.Item) e.Item.reset(new TGridItem(*this, e));
    return e.Item.get();
}

void THiddenRows::rebind(size_t From) {
    for (size_t i = From; i < entries_.size(); ++i)
        if (TGridItem* item = entries_[i].Item.get()) item->FEntry = &entries_[i];
}

TGridItem* THiddenRows::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    const THiddenRowEntry* before = entries_.data();
    entries_.emplace(entries_.begin() + Index);
    rebind(entries_.data() == before ? static_cast<size_t>(Index) : 0);
    added(entries_[static_cast<size_t>(Index)].Idx);
    return Items(Index);
}

void THiddenRows::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    removed(entries_[static_cast<size_t>(Index)].Idx);
    entries_.erase(entries_.begin() + Index);
    rebind(static_cast<size_t>(Index));
}

void THiddenRows::reserveMore(size_t Count) {
    const THiddenRowEntry* before = entries_.data();
    entries_.reserve(entries_.size() + Count);
    if (entries_.data() != before) rebind(0);
}

void THiddenRows::mergeAppended(size_t OldCount) {
    const size_t oldSorted = sorted_.size();
    sorted_.reserve(entries_.size());
    for (size_t i = OldCount; i < entries_.size(); ++i) sorted_.push_back(entries_[i].Idx);
    std::inplace_merge(sorted_.begin(), sorted_.begin() + static_cast<std::ptrdiff_t>(oldSorted), sorted_.end());
    distinct_ = sorted_;
    distinct_.erase(std::unique(distinct_.begin(), distinct_.end()), distinct_.end());
}

void THiddenRows::DeleteRange(const std::vector<int>& Indexes) {
    std::vector<int> gone;
    gone.reserve(Indexes.size());
    size_t next = 0, kept = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (next < Indexes.size() && static_cast<size_t>(Indexes[next]) == i) {
            gone.push_back(entries_[i].Idx);
            ++next;
            continue;
        }
        if (kept != i) entries_[kept] = std::move(entries_[i]);
        if (TGridItem* item = entries_[kept].Item.get()) item->FEntry = &entries_[kept];
        ++kept;
    }
    entries_.resize(kept);
    // What is left of the sorted indexes: the multiset difference.
    // A level's rows go in the order of their rows, already sorted.
    if (!std::is_sorted(gone.begin(), gone.end())) std::sort(gone.begin(), gone.end());
    std::vector<int> left;
    left.reserve(sorted_.size() - std::min(sorted_.size(), gone.size()));
    std::set_difference(sorted_.begin(), sorted_.end(), gone.begin(), gone.end(), std::back_inserter(left));
    sorted_ = std::move(left);
    distinct_ = sorted_;
    distinct_.erase(std::unique(distinct_.begin(), distinct_.end()), distinct_.end());
}

void THiddenRows::Clear() {
    entries_.clear();
    sorted_.clear();
    distinct_.clear();
}

void THiddenRows::SetIdx(int Index, int Value) { changeIdx(entry(Index), Value); }

void THiddenRows::Hold(int Index, THeldRow Held) {
    THiddenRowEntry& e = entry(Index);
    if (e.Item) e.Item->FItems.reset();
    e.Held = std::move(Held);
}

TGridCellStore::Row THiddenRows::TakeCells(int Index) {
    THiddenRowEntry& e = entry(Index);
    return e.Item ? e.Item->TakeCells() : std::exchange(e.Held.Cells, {});
}

// ---- mappings

void THiddenRows::changeIdx(THiddenRowEntry& Entry, int Value) {
    removed(Entry.Idx);
    added(Value);
    Entry.Idx = Value;
}

void THiddenRows::added(int Idx) {
    sorted_.insert(std::upper_bound(sorted_.begin(), sorted_.end(), Idx), Idx);
    const auto d = std::lower_bound(distinct_.begin(), distinct_.end(), Idx);
    if (d == distinct_.end() || *d != Idx) distinct_.insert(d, Idx);
}

void THiddenRows::removed(int Idx) {
    const auto s = std::lower_bound(sorted_.begin(), sorted_.end(), Idx);
    if (s == sorted_.end() || *s != Idx) return;
    sorted_.erase(s);
    if (!std::binary_search(sorted_.begin(), sorted_.end(), Idx))
        distinct_.erase(std::lower_bound(distinct_.begin(), distinct_.end(), Idx));
}

int THiddenRows::Find(int RealRow) const {
    if (!IsHidden(RealRow)) return -1;
    for (int i = 0; i < Count(); ++i)
        if (entries_[static_cast<size_t>(i)].Idx == RealRow) return i;
    return -1;
}

bool THiddenRows::IsHidden(int RealRow) const {
    return std::binary_search(distinct_.begin(), distinct_.end(), RealRow);
}

int THiddenRows::CountBelow(int Row) const {
    return static_cast<int>(std::lower_bound(sorted_.begin(), sorted_.end(), Row) - sorted_.begin());
}

std::vector<int> THiddenRows::PlacesOf(const std::vector<int>& Indexes) const {
    std::vector<int> places;
    places.reserve(Indexes.size());
    // The rows mostly ascend, so the count of entries below follows them along the sorted
    // indexes; a row below the one before is looked up afresh.
    size_t below = 0;
    int last = 0;
    for (size_t j = 0; j < Indexes.size(); ++j) {
        const int idx = Idx(Indexes[j]);
        if (j > 0 && idx < last) below = static_cast<size_t>(CountBelow(idx));
        while (below < sorted_.size() && sorted_[below] < idx) ++below;
        places.push_back(idx - (static_cast<int>(below) - static_cast<int>(j)));
        last = idx;
    }
    return places;
}

int THiddenRows::DisplToReal(int DisplRow) const {
    if (entries_.empty()) return DisplRow;
    // With the distinct hidden rows h0 < h1 < ..., the answer is DisplRow plus the number of
    // them below it; hk lies below it exactly when hk - k <= DisplRow, which grows with k.
    int lo = 0, hi = static_cast<int>(distinct_.size());
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (distinct_[static_cast<size_t>(mid)] - mid <= DisplRow) lo = mid + 1;
        else hi = mid;
    }
    return DisplRow + lo;
}
