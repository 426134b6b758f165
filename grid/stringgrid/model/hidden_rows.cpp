#include "grid/stringgrid/model/hidden_rows.h"

#include <algorithm>
#include <iterator>
#include <utility>

void TGridItem::SetIdx(int Value) {
    if (FCollection) {
        FCollection->removed(FIdx);
        FCollection->added(Value);
    }
    FIdx = Value;
}

TStringList& TGridItem::Items() const {
    if (!FItems) {
        FItems = std::make_unique<TStringList>();
        FItems->BeginUpdate();
        for (const TGridCellStore::Cell& cell : FCells) FItems->AddObject(cell.Text, cell.Object);
        FItems->EndUpdate();
        FCells = {};
    }
    return *FItems;
}

void TGridItem::SetItems(std::unique_ptr<TStringList> Value) {
    if (!Value) return;
    FItems = std::move(Value);
    FCells = {};
}

void TGridItem::HoldCells(TGridCellStore::Row Cells) {
    FItems.reset();
    FCells = std::move(Cells);
}

TGridCellStore::Row TGridItem::TakeCells() {
    if (!FItems) return std::exchange(FCells, {});
    TGridCellStore::Row cells(static_cast<size_t>(FItems->Count()));
    for (int c = 0; c < FItems->Count(); ++c) cells[static_cast<size_t>(c)] = {FItems->Strings(c), FItems->Objects(c)};
    return cells;
}

TGridItem* THiddenRows::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    auto item = std::make_unique<TGridItem>(this);
    TGridItem* p = item.get();
    items_.insert(items_.begin() + Index, std::move(item));
    added(p->Idx());
    return p;
}

void THiddenRows::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    removed(items_[static_cast<size_t>(Index)]->Idx());
    items_.erase(items_.begin() + Index);
}

void THiddenRows::AddRange(const std::vector<int>& Idxs) {
    const size_t oldCount = sorted_.size();
    items_.reserve(items_.size() + Idxs.size());
    sorted_.reserve(sorted_.size() + Idxs.size());
    for (int idx : Idxs) {
        items_.push_back(std::make_unique<TGridItem>(nullptr));
        items_.back()->SetIdx(idx);
        items_.back()->FCollection = this;
        sorted_.push_back(idx);
    }
    std::inplace_merge(sorted_.begin(), sorted_.begin() + static_cast<std::ptrdiff_t>(oldCount), sorted_.end());
    distinct_ = sorted_;
    distinct_.erase(std::unique(distinct_.begin(), distinct_.end()), distinct_.end());
}

void THiddenRows::DeleteRange(const std::vector<int>& Indexes) {
    std::vector<int> gone;
    gone.reserve(Indexes.size());
    size_t next = 0, kept = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (next < Indexes.size() && static_cast<size_t>(Indexes[next]) == i) {
            gone.push_back(items_[i]->Idx());
            ++next;
            continue;
        }
        items_[kept++] = std::move(items_[i]);
    }
    items_.resize(kept);
    // What is left of the sorted indexes: the multiset difference.
    std::sort(gone.begin(), gone.end());
    std::vector<int> left;
    left.reserve(sorted_.size() - std::min(sorted_.size(), gone.size()));
    std::set_difference(sorted_.begin(), sorted_.end(), gone.begin(), gone.end(), std::back_inserter(left));
    sorted_ = std::move(left);
    distinct_ = sorted_;
    distinct_.erase(std::unique(distinct_.begin(), distinct_.end()), distinct_.end());
}

void THiddenRows::Clear() {
    items_.clear();
    sorted_.clear();
    distinct_.clear();
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
        if (items_[static_cast<size_t>(i)]->Idx() == RealRow) return i;
    return -1;
}

bool THiddenRows::IsHidden(int RealRow) const {
    return std::binary_search(distinct_.begin(), distinct_.end(), RealRow);
}

int THiddenRows::CountBelow(int Row) const {
    return static_cast<int>(std::lower_bound(sorted_.begin(), sorted_.end(), Row) - sorted_.begin());
}

int THiddenRows::DisplToReal(int DisplRow) const {
    if (items_.empty()) return DisplRow;
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
