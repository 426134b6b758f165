#include "platform/controls/cursors.h"

#include <map>
#include <memory>

namespace {
std::map<TCursor, std::unique_ptr<TRegisteredCursor>>& registry() {
    static std::map<TCursor, std::unique_ptr<TRegisteredCursor>> cursors;
    return cursors;
}
}  // namespace

void RegisterCursor(TCursor Id, const TBitmap& Picture, TPoint HotSpot) {
    auto cursor = std::make_unique<TRegisteredCursor>();
    cursor->Picture.Assign(Picture);
    cursor->HotSpot = HotSpot;
    registry()[Id] = std::move(cursor);
}

const TRegisteredCursor* FindRegisteredCursor(TCursor Id) {
    const auto found = registry().find(Id);
    return found == registry().end() ? nullptr : found->second.get();
}
