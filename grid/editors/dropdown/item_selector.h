#pragma once

#include "grid/editors/dropdown/item_appearance.h"
#include "grid/editors/dropdown/selector_items.h"
#include "platform/controls/scrolling_win_control.h"

#include <memory>

class TImageList;
class TExCustomItemSelector;

enum TSelectorType { stImage, stColor };
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

using TDrawItemEvent = TEvent<void(TObject* Sender, TCanvas& Canvas, TRect R, int Index)>;
using TItemSizeEvent = TEvent<void(TObject* Sender, TSize& ASize)>;

// The panel of an item selector: lays the items out as a grid of equal cells, sizes itself to
// hold them all, paints them, and keeps the hot and the selected item. Every setting comes
// from its outer control.
class TCustomItemSelector : public TCustomControl {
public:
    // Raises "Invalid parent" for an owner that is not an item selector.
    explicit TCustomItemSelector(TComponent* AOwner);

    TExCustomItemSelector* ExItemSelector() const { return exItemSelector_; }
    // The outer control's item colours, as the panel paints with them.
    TSelectionColorStyle ItemColorStyle() const;
    TColor ItemColorHot() const;
    TColor ItemColorHotTo() const;
    TColor ItemColorSelected() const;
    TColor ItemColorSelectedTo() const;
    int ItemIndex() const { return itemIndex_; }
    // A disabled item is refused; any other value is stored (also one outside the items) and
    // OnItemSelect fires, also for the item already selected.
    void SetItemIndex(int Value);
    int ItemHot() const { return itemHot_; }
    void SetItemHot(int Index);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain, trimmed, upper-cased caption begins with s.
    bool LookupItem(const QString& s);
    // The item whose cell holds the point (left and top edges inside), -1 for none.
    int ItemAtPos(int X, int Y) const;
    // (-1, -1, -1, -1) for an index outside the items.
    void GetItemRect(int Index, TRect& R) const;
    void DrawAllItems(TCanvas& Canvas);

    virtual void DrawItem(int Index, TCanvas& Canvas);
    virtual void GetItemsRect(TRect& R);
    virtual void GetItemSize(TSize& ASize);
    virtual void InvalidateItem(int Index);
    virtual void UpdateItems();

    int OffSetX = 2, OffSetY = 2;
    int ItemOffSetX = 4, ItemOffSetY = 4;
    int CaptionGap = 4;
    TNotifyEvent OnItemSelect;

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void Resize() override;

private:
    void stepTo(int Index, bool Hot);
    bool inRange(int Index) const;
    bool itemEnabled(int Index) const;
    const TGraphic* pictureOf(int Index) const;
    // Draws the caption vertically centred in RC (when Centred) or at its top; its width.
    int drawCaption(TCanvas& Canvas, const QString& Caption, TRect RC, bool Centred);
    // Draws the graphic of the item at (X, Y): its colour box, picture or glyph.
    void drawGraphic(TCanvas& Canvas, int Index, int X, int Y, TSize Size);

    TExCustomItemSelector* exItemSelector_ = nullptr;
    int itemIndex_ = -1;
    int itemHot_ = -1;
};

// An item selector: a scrolling list of items shown as a grid of cells, each with a caption in
// the grid's markup and a graphic, that tracks the item under the mouse and selects by click,
// by the owner's keys and by typed prefix. The item-list drop-downs put one in their pop-up.
class TExCustomItemSelector : public TScrollingWinControl {
public:
    explicit TExCustomItemSelector(TComponent* AOwner);
    ~TExCustomItemSelector() override;

    TSelectorItems& Items() { return items_; }
    const TSelectorItems& Items() const { return items_; }
    void SetItems(const TSelectorItems& Value) { items_.Assign(Value); }
    TSelectorType SelectorType() const { return selectorType_; }
    void SetSelectorType(TSelectorType Value);
    // Taken at the next layout.
    TItemLayout ItemLayout() const { return itemLayout_; }
    void SetItemLayout(TItemLayout Value) { itemLayout_ = Value; }
    int Columns() const { return columns_; }
    // 0 and less are ignored.
    void SetColumns(int Value);
    int ColorBoxWidth() const { return colorBoxWidth_; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return colorBoxHeight_; }
    void SetColorBoxHeight(int Value);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);
    TItemAppearance& ItemAppearance() { return appearance_; }
    void SetItemAppearance(const TItemAppearance& Value) { appearance_.Assign(Value); }
    TCustomItemSelector* ItemSelectorPanel() const { return panel_; }

    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHot() const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString& s);
    // Scrolls so that the item (with the vertical bar's margin) is in view.
    void ScrollItemInView(int Index);
    // How many items fit in the height, whole rows times the columns.
    int GetVisibleItemCount() const;
    // The panel's size; 100 x 50 without one.
    void GetSelectorSize(TSize& ASize) const;
    void UpdateSelectorPanel();

    TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;

protected:
    void CreateSelectorPanel();

private:
    // A step of the panel, then the selected (or hot) item scrolled into view.
    void step(void (TCustomItemSelector::*Step)(), bool Hot);

    TSelectorItems items_{this};
    TSelectorType selectorType_ = stImage;
    TItemLayout itemLayout_ = ilCaptionRight;
    int columns_ = 1;
    int colorBoxWidth_ = 14;
    int colorBoxHeight_ = 14;
    TImageList* images_ = nullptr;
    TCustomItemSelector* panel_ = nullptr;
    TItemAppearance appearance_;
};
