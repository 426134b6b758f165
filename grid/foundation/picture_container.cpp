#include "grid/foundation/picture_container.h"

#include "grid/foundation/grid_lists.h"

void TPictureItem::Assign(const TPictureItem& Source) {
    if (&Source == this) return;
    Name = Source.Name;
    Tag = Source.Tag;
    FPicture.Assign(&Source.FPicture);
}

TPictureItem* TPictureCollection::Add() { return Insert(Count()); }

TPictureItem* TPictureCollection::Insert(int Index) {
    if (Index < 0 || Index > Count()) RaiseListIndexError(Index);
    return items_.insert(items_.begin() + Index, std::make_unique<TPictureItem>())->get();
}

TPictureItem* TPictureCollection::GetItem(int Index) const {
    if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
    return items_[static_cast<size_t>(Index)].get();
}

void TPictureCollection::SetItem(int Index, const TPictureItem& Value) { GetItem(Index)->Assign(Value); }

void TPictureCollection::Assign(const TPictureCollection& Source) {
    if (&Source == this) return;
    Clear();
    for (const auto& item : Source.items_) Add()->Assign(*item);
}

bool TPictureCollection::Animate() {
    bool changed = false;
    for (const auto& item : items_)
        if (item->Picture().Step()) changed = true;
    return changed;
}

THTMLPicture* TPictureContainer::FindPicture(const QString& s) {
    const QString name = s.toUpper();
    for (int i = 0; i < FItems.Count(); ++i) {
        TPictureItem* item = FItems.GetItem(i);
        if (item->Name.toUpper() == name) return &item->Picture();
    }
    return nullptr;
}
