#pragma once

#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/item_selector.h"
#include "grid/editors/dropdown/selector_list_keys.h"
#include "platform/graphics/graphic.h"

#include <memory>
#include <vector>

class TObject;

// An item of the detail drop-down: a picture (or a glyph of the drop-down's Images), a
// caption and notes in the grid's markup below it.
struct TDetailItem {
    QString Caption;
    int ImageIndex = -1;
    bool Enabled = true;
    std::shared_ptr<TBitmap> Image = std::make_shared<TBitmap>();
    QString Notes;
    TObject* ItemObject = nullptr;
    int Tag = 0;
};

class TDetailItems : public std::vector<TDetailItem> {
public:
    // The first item whose caption is exactly AValue, -1 for none.
    int IndexOf(const QString& AValue) const;
};

// A drop-down edit whose list shows detail items, a row each with a picture, a caption and
// notes below it. The edit shows the chosen caption; typing completes it from the items, the
// keys move through the list, and letters typed while it is closed look an item up.
class TExDetailDropDown : public TExCustomDropDown {
public:
    explicit TExDetailDropDown(TComponent* AOwner);
    ~TExDetailDropDown() override;

    TDetailItems& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // An item's index writes its caption, selected, and fires OnSelect; -1 clears the text.
    void SetItemIndex(int Value);
    int ItemHeight = 22;
    TItemLayout Layout = ilCaptionRight;
    TItemAppearance& ItemAppearance() { return appearance_; }
    TFont& CaptionFont() { return captionFont_; }
    TFont& NotesFont() { return notesFont_; }
    // The completion compares letters in their case.
    bool MatchCase = false;
    bool MatchStart = false;

    void SelectFirst() { step(lsFirst); }
    void SelectLast() { step(lsLast); }
    void SelectNext() { step(lsNext); }
    void SelectPrevious() { step(lsPrevious); }
    TExCustomItemSelector* List() const { return list_; }

    TNotifyEvent OnSelect;
    // Replaces the drawing of every row of the list.
    TOnDrawSelectedItem OnDrawSelectedImage;

    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
    void SetComponentStyle(TExStyle AStyle) override;
    void WndProc(TMessage& Message) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void SetDropDownSize() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownFormSizing() override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void Change() override;

private:
    void step(TListStep Step);
    void fillList();
    void drawDetailItem(TCanvas& Canvas, TRect R, int Index);
    void wheel(bool Down);

    TDetailItems items_;
    int itemIndex_ = -1;
    TItemAppearance appearance_;
    TFont captionFont_;
    TFont notesFont_;
    TExCustomItemSelector* list_ = nullptr;
    TSelectorListKeys keys_;
    int oldItemIndex_ = -1;
    bool workMode_ = true;
    bool itemChange_ = false;
    int itemIdx_ = -1;
    int itemSel_ = 0;
};
