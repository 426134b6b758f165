#include "grid/editors/dropdown/color_palette.h"

#include "platform/graphics/canvas.h"

#include <algorithm>

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
    SetParentColor(true);
}

TColorBoxItem& TCustomColorSelector::Add() {
    items_.emplace_back();
    return items_.back();
}

void TCustomColorSelector::AddPaletteColors() {
    static const TColor rows[6][10] = {
        {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
        {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
        {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
        {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
        {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
        {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
    };
    static const TItemPos places[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
    items_.clear();
    for (int row = 0; row < 6; ++row)
        for (TColor color : rows[row]) {
            TColorBoxItem& item = Add();
            item.Color = color;
            item.ColorBoxPos = places[row];
        }
}

void TCustomColorSelector::SetColumns(int Value) {
    if (Value == columns_) return;
    columns_ = Value;
    UpdateItems();
}

void TCustomColorSelector::SetColumnGap(int Value) {
    if (Value == columnGap_) return;
    columnGap_ = Value;
    UpdateItems();
}

void TCustomColorSelector::SetColorBoxWidth(int Value) {
    if (Value == boxWidth_) return;
    boxWidth_ = Value;
    UpdateItems();
}

void TCustomColorSelector::SetColorBoxHeight(int Value) {
    if (Value == boxHeight_) return;
    boxHeight_ = Value;
    UpdateItems();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
    if (Value == itemColorStyle_) return;
    itemColorStyle_ = Value;
    if (Value != scCustom) ColorBoxAppearance = TColorBoxAppearance();
}

void TCustomColorSelector::GetItemsRect(TRect& R) {
    R = ClientRect();
    R.Left += OffSetX;
    R.Right -= OffSetX;
    R.Top += OffSetY;
    R.Bottom -= OffSetY;
}

void TCustomColorSelector::GetItemSize(TSize& Size) { Size = {boxWidth_, boxHeight_}; }

void TCustomColorSelector::UpdateItems() {
    if (items_.empty()) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    itemHot_ = -1;
    TSize size{};
    GetItemSize(size);
    TRect area;
    GetItemsRect(area);
    int x = area.Left, y = area.Top, widest = 0, column = 0;
    bool gap = false;
    for (int i = 0; i < Count(); ++i) {
        TColorBoxItem& item = items_[static_cast<size_t>(i)];
        item.Rect = {x, y, x + size.cx, y + size.cy};
        ++column;
        if (i == Count() - 1) break;
        // A row with a stand-alone box keeps a gap below it; joined strips touch.
        if (item.ColorBoxPos == ipStandAlone) gap = true;
        if (column < columns_) {
            x += size.cx + columnGap_;
        } else {
            widest = std::max(widest, x);
            x = area.Left;
            y += size.cy + (gap ? columnGap_ : 0);
            column = 0;
            gap = false;
        }
    }
    const int height = y + size.cy + area.Top;
    const int width = std::max(widest, x) + size.cx + area.Left + 1;
    SetBounds(Left(), Top(), width, height);
    Invalidate();
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const {
    for (int i = 0; i < Count(); ++i) {
        const TRect& r = items_[static_cast<size_t>(i)].Rect;
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
    }
    return -1;
}

void TCustomColorSelector::GetItemRect(int Index, TRect& R) const {
    R = inRange(Index) ? items_[static_cast<size_t>(Index)].Rect : TRect{-1, -1, -1, -1};
}

void TCustomColorSelector::InvalidateItem(int Index) {
    // The frame of a hot or selected box reaches its last pixel row and column.
    if (inRange(Index)) {
        const TRect r = items_[static_cast<size_t>(Index)].Rect;
        InvalidateRect({r.Left, r.Top, r.Right + 1, r.Bottom + 1});
    }
}

void TCustomColorSelector::SetItemIndex(int Index) {
    if (inRange(Index) && !enabled(Index)) return;
    if (itemIndex_ >= 0 && Index != itemIndex_) {
        const int old = itemIndex_;
        itemIndex_ = -1;
        InvalidateItem(old);
    }
    itemIndex_ = Index;
    if (Index < 0) return;
    if (inRange(Index)) selectedColor_ = items_[static_cast<size_t>(Index)].Color;
    InvalidateItem(Index);
    OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int Index) {
    if (Index == itemHot_ || (inRange(Index) && !enabled(Index))) return;
    if (itemHot_ >= 0) {
        const int old = itemHot_;
        itemHot_ = -1;
        InvalidateItem(old);
    }
    itemHot_ = Index;
    if (Index >= 0) InvalidateItem(Index);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
    if (Value == selectedColor_) return;
    selectedColor_ = Value;
    for (int i = 0; i < Count(); ++i)
        if (Value != clNone && items_[static_cast<size_t>(i)].Color == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TCustomColorSelector::SelectFirst() {
    if (Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast() {
    if (Count() > 0) SetItemIndex(Count() - 1);
}

void TCustomColorSelector::SelectNext() {
    if (itemIndex_ + 1 < Count()) SetItemIndex(itemIndex_ + 1);
}

void TCustomColorSelector::SelectPrevious() {
    if (itemIndex_ - 1 >= 0) SetItemIndex(itemIndex_ - 1);
}

void TCustomColorSelector::HotNext() {
    if (itemHot_ + 1 < Count()) SetItemHot(itemHot_ + 1);
}

void TCustomColorSelector::HotPrevious() {
    if (itemHot_ - 1 >= 0) SetItemHot(itemHot_ - 1);
}

void TCustomColorSelector::KeySelect(uint16_t Key, bool EditorEnabled, bool DroppedDown) {
    if (!Enabled()) return;
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
    case VK_RIGHT:
        if (EditorEnabled && !DroppedDown) break;
        if (Key == VK_LEFT) SelectPrevious();
        else SelectNext();
        break;
    case VK_UP:
    case VK_DOWN: {
        if (!DroppedDown) {
            if (Key == VK_UP) SelectPrevious();
            else SelectNext();
            break;
        }
        const int v = itemIndex_ < 0 ? 0 : itemIndex_ + (Key == VK_UP ? -columns_ : columns_);
        if (inRange(v)) SetItemIndex(v);
        break;
    }
    default: break;
    }
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (enabled(index)) SetItemIndex(index);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index < 0) {
        if (itemHot_ >= 0) SetItemHot(-1);
    } else if (index != itemHot_) {
        SetItemHot(enabled(index) ? index : -1);
    }
}

void TCustomColorSelector::WndProc(TMessage& Message) {
    TExCustomColorSelectorPanel::WndProc(Message);
    if (Message.Msg == CM_MOUSELEAVE && itemHot_ >= 0) SetItemHot(-1);
}

void TCustomColorSelector::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    for (int i = 0; i < Count(); ++i) DrawItem(i, canvas);
}

void TCustomColorSelector::DrawItem(int Index, TCanvas& Canvas) {
    if (!inRange(Index)) return;
    const TColorBoxItem& item = items_[static_cast<size_t>(Index)];
    TRect R = item.Rect;
    if (R.Left < 0 && R.Right < 0) return;
    const TColorBoxAppearance& look = ColorBoxAppearance;
    TColor outer = look.BorderColor, inner = clNone;
    bool framed = false;
    if (Index == itemHot_) {
        outer = look.OuterBorderColorHot;
        inner = look.InnerBorderColorHot;
        framed = true;
    }
    if (Index == itemIndex_) {
        outer = look.OuterBorderColorSelected;
        inner = look.InnerBorderColorSelected;
        framed = true;
    }
    Canvas.Pen.Width = 1;
    if (item.Color != clNone) {
        Canvas.Pen.Color = item.Color;
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = item.Color;
        Canvas.Rectangle(R);
    }
    if (framed) {
        Canvas.Brush.Style = bsClear;
        if (outer != clNone) {
            Canvas.Pen.Color = outer;
            Canvas.Rectangle(R);
            R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
        }
        if (inner != clNone) {
            Canvas.Pen.Color = inner;
            Canvas.Rectangle(R);
        }
        Canvas.Brush.Style = bsSolid;
        return;
    }
    Canvas.Pen.Color = look.BorderColor;
    const auto line = [&Canvas](std::initializer_list<TPoint> points) {
        const TPoint* p = points.begin();
        Canvas.MoveTo(p->X, p->Y);
        for (++p; p != points.end(); ++p) Canvas.LineTo(p->X, p->Y);
    };
    switch (item.ColorBoxPos) {
    case ipStandAlone:
        line({{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left, R.Bottom}});
        break;
    case ipTop: line({{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}, {R.Right, R.Bottom}}); break;
    case ipMiddle:
        line({{R.Left, R.Top}, {R.Left, R.Bottom}});
        line({{R.Right, R.Top}, {R.Right, R.Bottom}});
        break;
    case ipBottom:
        line({{R.Left, R.Top}, {R.Left, R.Bottom}, {R.Right, R.Bottom}});
        line({{R.Right, R.Top}, {R.Right, R.Bottom + 1}});
        break;
    }
}
