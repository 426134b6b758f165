#include "grid/stringgrid/model/hidden_rows.h"

#include <algorithm>

void TGridItem::SetIdx(int Value) {
    FIdx = Value;
    if (FCollection) FCollection->changed();
}

void TGridItem::SetItems(std::unique_ptr<TStringList> Value) {
    if (Value) FItems = std::move(Value);
}

TGridItem* THiddenRows::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    auto item = std::make_unique<TGridItem>(this);
    TGridItem* p = item.get();
    items_.insert(items_.begin() + Index, std::move(item));
    changed();
    return p;
}

void THiddenRows::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    items_.erase(items_.begin() + Index);
    changed();
}

void THiddenRows::Clear() {
    items_.clear();
    changed();
}

void THiddenRows::refresh() const {
    if (!dirty_) return;
    sorted_.clear();
    sorted_.reserve(items_.size());
    for (const auto& item : items_) sorted_.push_back(item->Idx());
    std::sort(sorted_.begin(), sorted_.end());
    distinct_ = sorted_;
    distinct_.erase(std::unique(distinct_.begin(), distinct_.end()), distinct_.end());
    dirty_ = false;
}

int THiddenRows::Find(int RealRow) const {
    if (!IsHidden(RealRow)) return -1;
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)]->Idx() == RealRow) return i;
    return -1;
}

bool THiddenRows::IsHidden(int RealRow) const {
    refresh();
    return std::binary_search(distinct_.begin(), distinct_.end(), RealRow);
}

int THiddenRows::CountBelow(int Row) const {
    refresh();
    return static_cast<int>(std::lower_bound(sorted_.begin(), sorted_.end(), Row) - sorted_.begin());
}

int THiddenRows::DisplToReal(int DisplRow) const {
    if (items_.empty()) return DisplRow;
    refresh();
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
