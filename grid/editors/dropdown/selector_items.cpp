#include "grid/editors/dropdown/selector_items.h"

#include <algorithm>

void TSelectorItem::SetCaption(const QString& Value) {
    if (Value == caption_) return;
    caption_ = Value;
    itemChanged();
}

void TSelectorItem::SetImageIndex(int Value) {
    if (Value == imageIndex_) return;
    imageIndex_ = Value;
    itemChanged();
}

void TSelectorItem::SetColor(TColor Value) {
    if (Value == color_) return;
    color_ = Value;
    itemChanged();
}

void TSelectorItem::itemChanged() {
    if (collection_) collection_->OnChange(collection_);
}

int TSelectorItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TSelectorItem::Assign(const TSelectorItem& Source) {
    SetCaption(Source.caption_);
    SetColor(Source.color_);
    SetImageIndex(Source.imageIndex_);
    Image.Assign(Source.Image);
    Enabled = Source.Enabled;
    Hint = Source.Hint;
}

TSelectorItem* TSelectorItems::Add() {
    items_.push_back(std::make_unique<TSelectorItem>(this));
    return items_.back().get();
}

TSelectorItem* TSelectorItems::Insert(int Index) {
    const int at = std::clamp(Index, 0, Count());
    return items_.insert(items_.begin() + at, std::make_unique<TSelectorItem>(this))->get();
}

void TSelectorItems::Delete(int Index) { items_.erase(items_.begin() + Index); }

int TSelectorItems::IndexOf(const TSelectorItem* Item) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].get() == Item) return i;
    return -1;
}

void TSelectorItems::Assign(const TSelectorItems& Source) {
    items_.clear();
    for (const auto& item : Source.items_) Add()->Assign(*item);
    OnChange(this);
}
