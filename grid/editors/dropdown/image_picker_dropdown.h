#pragma once

#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/item_selector.h"
#include "grid/editors/dropdown/selector_list_keys.h"
#include "platform/graphics/graphic.h"

#include <memory>
#include <vector>

// An item of the image picker: its own picture, or else a glyph of the drop-down's Images.
struct TImageItem {
    QString Caption;
    int ImageIndex = -1;
    bool Enabled = true;
    std::shared_ptr<TBitmap> Image = std::make_shared<TBitmap>();
    QString Hint;
};

// A drop-down whose edit area shows the picture of the chosen item, chosen from a list of
// pictures with captions in Columns columns. It takes no typing; keys, the wheel and typed
// captions move through the items.
class TExImagePickerDropDown : public TExCustomDropDown {
public:
    explicit TExImagePickerDropDown(TComponent* AOwner);
    ~TExImagePickerDropDown() override;

    std::vector<TImageItem>& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // A new index below the item count; the edit's OnChange and OnSelect fire.
    void SetItemIndex(int Value);
    // The chosen item's glyph index, -1 without one; writing chooses its first item.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    // Adds an item per entry of the folder matching the mask (AFolder ends in the mask), its
    // picture loaded from the file; an entry that is no picture gives an empty item.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);
    // An item per image of Images, after those already there.
    void AddImagesFromImageList();

    int Columns = 1;
    TItemLayout Layout = ilCaptionRight;
    TItemAppearance& ItemAppearance() { return appearance_; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    TExCustomItemSelector* List() const { return list_; }

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;
    TDrawItemEvent OnDrawItem;

    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
    void SetComponentStyle(TExStyle AStyle) override;
    void WndProc(TMessage& Message) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void SetDropDownSize() override;
    void DoHideDropDown(bool Cancel) override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void PaintEditArea(TCanvas& Canvas) override;

private:
    void fillList();
    void wheel(bool Down);

    std::vector<TImageItem> items_;
    int itemIndex_ = -1;
    TItemAppearance appearance_;
    TExCustomItemSelector* list_ = nullptr;
    TSelectorListKeys keys_;
    int oldItemIndex_ = -1;
};
