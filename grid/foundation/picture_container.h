#pragma once

#include "grid/foundation/html_picture.h"
#include "platform/core/component.h"

#include <QString>
#include <memory>
#include <vector>

// A named picture of a picture container.
class TPictureItem {
public:
    TPictureItem() = default;
    TPictureItem(const TPictureItem&) = delete;
    TPictureItem& operator=(const TPictureItem&) = delete;

    THTMLPicture& Picture() { return FPicture; }
    const THTMLPicture& Picture() const { return FPicture; }
    // Copies Value into the item's own picture.
    void SetPicture(const THTMLPicture& Value) { FPicture.Assign(&Value); }
    // Copies the name, the tag and the picture.
    void Assign(const TPictureItem& Source);

    QString Name;
    int Tag = 0;

private:
    THTMLPicture FPicture;
};

// The items of a picture container, owned by it.
class TPictureCollection {
public:
    explicit TPictureCollection(TComponent* AOwner) : FOwner(AOwner) {}
    TPictureCollection(const TPictureCollection&) = delete;
    TPictureCollection& operator=(const TPictureCollection&) = delete;

    TComponent* GetOwner() const { return FOwner; }
    int Count() const { return static_cast<int>(items_.size()); }
    TPictureItem* Add();
    // A new item at Index (0 .. Count).
    TPictureItem* Insert(int Index);
    TPictureItem* GetItem(int Index) const;
    // Copies Value into the item at Index.
    void SetItem(int Index, const TPictureItem& Value);
    void Clear() { items_.clear(); }
    // Replaces the items with copies of Source's.
    void Assign(const TPictureCollection& Source);
    // Steps every item's animation; true when any shows another frame.
    bool Animate();

private:
    TComponent* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> items_;
};

// Named pictures set up by the program for the markup's "IMG" sources without ":".
class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner) : TComponent(AOwner), FItems(this) {}

    TPictureCollection& Items() { return FItems; }
    // Copies the items of Value.
    void SetItems(const TPictureCollection& Value) { FItems.Assign(Value); }
    // The picture of the first item whose name equals s in any letter case; nullptr when none.
    virtual THTMLPicture* FindPicture(const QString& s);

private:
    TPictureCollection FItems;
};
