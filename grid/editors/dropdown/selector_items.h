#pragma once

#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <memory>
#include <vector>

class TSelectorItems;

// One cell of an item selector: a caption in the grid's markup and a graphic (its own
// picture, a glyph of the selector's image list, or a colour box). Changing Caption, Color or
// ImageIndex tells the collection; the picture and the hint change silently.
class TSelectorItem {
public:
    explicit TSelectorItem(TSelectorItems* Collection) : collection_(Collection) {}

    QString Caption() const { return caption_; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    // A disabled item can be neither hot nor selected.
    bool Enabled = true;
    TBitmap Image;
    void SetImage(const TBitmap& Value) { Image.Assign(Value); }
    // The item's cell in the selector panel, written by its layout.
    TRect Rect;
    QString Hint;

    int Index() const;
    void Assign(const TSelectorItem& Source);

private:
    void itemChanged();

    TSelectorItems* collection_;
    QString caption_;
    int imageIndex_ = -1;
    TColor color_ = clNone;
};

// The items of an item selector. Adding and deleting do not fire OnChange: who fills the list
// lays the selector out afterwards.
class TSelectorItems : public TObject {
public:
    explicit TSelectorItems(void* Owner = nullptr) : owner_(Owner) {}

    int Count() const { return static_cast<int>(items_.size()); }
    TSelectorItem* Add();
    TSelectorItem* Insert(int Index);
    void Delete(int Index);
    void Clear() { items_.clear(); }
    TSelectorItem* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
    void SetItems(int Index, const TSelectorItem& Value) { Items(Index)->Assign(Value); }
    int IndexOf(const TSelectorItem* Item) const;
    void Assign(const TSelectorItems& Source);
    void* GetOwner() const { return owner_; }

    TNotifyEvent OnChange;

private:
    friend class TSelectorItem;
    void* owner_;
    std::vector<std::unique_ptr<TSelectorItem>> items_;
};
