// The column definitions of a column grid and how their changes reach the grid.
#include "grid/columngrid/grid_column_collection.h"

#include "grid/columngrid/ex_column_grid.h"

#include <algorithm>

TGridColumnCollection::TGridColumnCollection(TExColumnGrid* AOwner) : FOwner(AOwner) {}

TGridColumnCollection::~TGridColumnCollection() {
    // Items freed with the collection tell nobody.
    NoRecursion = true;
    items_.clear();
}

TGridColumnItem* TGridColumnCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return items_[static_cast<size_t>(Index)].get();
}

void TGridColumnCollection::SetItem(int Index, const TGridColumnItem& Value) { Items(Index)->Assign(Value); }

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].get() == Item) return i;
    return -1;
}

TGridColumnItem* TGridColumnCollection::Add() {
    items_.push_back(std::make_unique<TGridColumnItem>(this));
    TGridColumnItem* item = items_.back().get();
    if (Count() > 1) item->AssignVisuals(*Items(Count() - 2));
    changed(item);
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    auto it = items_.insert(items_.begin() + Index, std::make_unique<TGridColumnItem>(this));
    TGridColumnItem* item = it->get();
    changed(item);
    return item;
}

void TGridColumnCollection::Delete(int Index) {
    Items(Index);
    items_.erase(items_.begin() + Index);
    changed(nullptr);
}

void TGridColumnCollection::Move(int FromIndex, int ToIndex) {
    Items(FromIndex);
    Items(ToIndex);
    if (FromIndex == ToIndex) return;
    auto item = std::move(items_[static_cast<size_t>(FromIndex)]);
    items_.erase(items_.begin() + FromIndex);
    items_.insert(items_.begin() + ToIndex, std::move(item));
    changed(nullptr);
}

void TGridColumnCollection::Clear() {
    if (items_.empty()) return;
    items_.clear();
    changed(nullptr);
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source) {
    if (&Source == this) return;
    BeginUpdate();
    items_.clear();
    for (int i = 0; i < Source.Count(); ++i) {
        items_.push_back(std::make_unique<TGridColumnItem>(this));
        items_.back()->Assign(*Source.Items(i));
    }
    EndUpdate();
}

void TGridColumnCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) changed(nullptr);
}

void TGridColumnCollection::changed(TGridColumnItem* Item) {
    if (FUpdateCount == 0) Update(Item);
}

void TGridColumnCollection::Update(TGridColumnItem*) {
    if (FUpdateCount > 0 || NoRecursion || !FOwner || FOwner->IsLoading()) return;
    const int shown = Count() - FOwner->NumHiddenColumns();
    if (shown != FOwner->ColCount() && shown > FOwner->FixedCols()) FOwner->SetColCount(shown);
    FOwner->UpdateColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization() {
    NoRecursion = true;
    if (FOwner) FOwner->SyncColumns();
    NoRecursion = false;
    for (int i = 0; i < Count(); ++i) Items(i)->DefIdx = i;
}

void TGridColumnCollection::ResetOrganization() {
    if (!FOwner) return;
    // Anything but each place once would make the passes below run for ever.
    std::vector<bool> seen(items_.size(), false);
    for (const auto& item : items_) {
        const int d = item->DefIdx;
        if (d < 0 || d >= Count() || seen[static_cast<size_t>(d)]) return;
        seen[static_cast<size_t>(d)] = true;
    }
    // Each pass settles at least one column for good; a move the grid refuses (a hidden column)
    // must not keep the passes going.
    bool moved = true;
    for (int pass = 0; moved && pass <= Count(); ++pass) {
        moved = false;
        for (int i = 0; i < std::min(Count(), FOwner->ColCount()); ++i) {
            const int d = Items(i)->DefIdx;
            if (d < i) {
                FOwner->MoveColumn(i, d);
                moved = true;
            }
        }
    }
}
