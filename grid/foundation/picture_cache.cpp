#include "grid/foundation/picture_cache.h"

#include "grid/foundation/grid_lists.h"

THTMLPicture* THTMLPictureCache::AddPicture() {
    items_.push_back(std::make_unique<THTMLPicture>());
    return items_.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const {
    for (const auto& picture : items_)
        if (picture->ID() == ID) return picture.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::GetPicture(int Index) const {
    if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
    return items_[static_cast<size_t>(Index)].get();
}

void THTMLPictureCache::SetPicture(int Index, std::unique_ptr<THTMLPicture> Value) {
    if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
    items_[static_cast<size_t>(Index)] = std::move(Value);
}

bool THTMLPictureCache::Animate() {
    bool changed = false;
    for (const auto& picture : items_)
        if (picture && picture->Step()) changed = true;
    return changed;
}
