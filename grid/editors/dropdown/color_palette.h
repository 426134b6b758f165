#pragma once

#include "grid/editors/dropdown/dropdown_types.h"
#include "platform/controls/control.h"

#include <memory>
#include <vector>

// The frame colours of the palette's boxes.
struct TColorBoxAppearance {
    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
    void Assign(const TColorBoxAppearance& Source) { *this = Source; }
};

// A box's place in a column of joined boxes.
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

struct TColorBoxItem {
    TColor Color = clNone;
    // A disabled box can be neither hot nor selected.
    bool Enabled = true;
    TRect Rect;
    TItemPos ColorBoxPos = ipStandAlone;
};

// The base of the colour picker's panels; the cube and the spectrum fire OnShouldHide when the
// mouse is released over them.
class TExCustomColorSelectorPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TNotifyEvent OnShouldHide;
};

// The palette: colour boxes in rows of Columns, each selectable by mouse and keys, the one
// under the pointer hot. Boxes of a column may be joined into one outlined strip.
class TCustomColorSelector : public TExCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner);

    int Count() const { return static_cast<int>(items_.size()); }
    TColorBoxItem& Items(int Index) { return items_.at(static_cast<size_t>(Index)); }
    TColorBoxItem& Add();
    void Clear() { items_.clear(); }
    // The 60 colours of the colour picker: a row of stand-alone boxes, then ten strips of five tints.
    void AddPaletteColors();

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Index);
    int ItemHot() const { return itemHot_; }
    void SetItemHot(int Index);
    TColor SelectedColor() const { return selectedColor_; }
    // Selects the first box of that colour, or none.
    void SetSelectedColor(TColor Value);
    TSelectionColorStyle ItemColorStyle() const { return itemColorStyle_; }
    // A named style puts the initial frame colours back.
    void SetItemColorStyle(TSelectionColorStyle Value);

    int Columns() const { return columns_; }
    void SetColumns(int Value);
    int ColumnGap() const { return columnGap_; }
    void SetColumnGap(int Value);
    int ColorBoxWidth() const { return boxWidth_; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return boxHeight_; }
    void SetColorBoxHeight(int Value);
    TColorBoxAppearance ColorBoxAppearance;
    int OffSetX = 4, OffSetY = 4;

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // The navigation keys of the colour picker's edit, by whether it is typed into and open.
    void KeySelect(uint16_t Key, bool EditorEnabled, bool DroppedDown);
    int ItemAtPos(int X, int Y) const;
    void GetItemRect(int Index, TRect& R) const;

    virtual void DrawItem(int Index, TCanvas& Canvas);
    virtual void GetItemsRect(TRect& R);
    virtual void GetItemSize(TSize& Size);
    virtual void UpdateItems();
    virtual void InvalidateItem(int Index);

    TNotifyEvent OnItemSelect;

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    bool inRange(int Index) const { return Index >= 0 && Index < Count(); }
    bool enabled(int Index) const { return inRange(Index) && items_[static_cast<size_t>(Index)].Enabled; }

    std::vector<TColorBoxItem> items_;
    int itemIndex_ = -1;
    int itemHot_ = -1;
    int columns_ = 10;
    int columnGap_ = 4;
    int boxWidth_ = 12;
    int boxHeight_ = 12;
    TSelectionColorStyle itemColorStyle_ = scOffice2007;
    TColor selectedColor_ = clNone;
};
