#include "grid/editors/dropdown/item_selector.h"

#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/selector_list_keys.h"
#include "grid/foundation/html_text.h"
#include "platform/controls/image_list.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/system/conversions.h"

#include <algorithm>

// ---- the panel

namespace {
TExCustomItemSelector* outerOf(TComponent* AOwner) {
    auto* outer = dynamic_cast<TExCustomItemSelector*>(AOwner);
    if (!outer) throw Exception("Invalid parent");
    return outer;
}
}  // namespace

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControl(AOwner), exItemSelector_(outerOf(AOwner)) {
    SetParentColor(true);
}

bool TCustomItemSelector::inRange(int Index) const {
    return exItemSelector_ && Index >= 0 && Index < exItemSelector_->Items().Count();
}

bool TCustomItemSelector::itemEnabled(int Index) const {
    return inRange(Index) && exItemSelector_->Items().Items(Index)->Enabled;
}

void TCustomItemSelector::GetItemsRect(TRect& R) {
    R = ClientRect();
    R.Left += OffSetX;
    R.Right -= OffSetX;
    R.Top += OffSetY;
    R.Bottom -= OffSetY;
}

void TCustomItemSelector::UpdateItems() {
    TSelectorItems& items = exItemSelector_->Items();
    if (items.Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    itemHot_ = -1;
    TSize cell{};
    GetItemSize(cell);
    TRect area;
    GetItemsRect(area);
    int x = area.Left, y = area.Top, widest = 0, column = 0;
    const int columns = exItemSelector_->Columns();
    for (int i = 0; i < items.Count(); ++i) {
        items.Items(i)->Rect = {x, y, x + cell.cx, y + cell.cy};
        ++column;
        if (i == items.Count() - 1) break;
        if (column < columns) {
            x += cell.cx;
        } else {
            widest = std::max(widest, x);
            y += cell.cy;
            x = area.Left;
            column = 0;
        }
    }
    // The same margin on all four sides of the grid of cells.
    const int height = y + cell.cy + area.Top;
    const int width = std::max(widest, x) + cell.cx + area.Left;
    SetBounds(Left(), Top(), width, height);
    Invalidate();
}

void TCustomItemSelector::Resize() {
    TCustomControl::Resize();
    exItemSelector_->UpdateScrollBars();
}

const TGraphic* TCustomItemSelector::pictureOf(int Index) const {
    const TBitmap& image = exItemSelector_->Items().Items(Index)->Image;
    return image.Empty() ? nullptr : &image;
}

void TCustomItemSelector::GetItemSize(TSize& ASize) {
    TExCustomItemSelector& outer = *exItemSelector_;
    if (outer.OnItemSize) {
        outer.OnItemSize(this, ASize);
        return;
    }
    int gw = 0, gh = 0;
    if (outer.SelectorType() == stColor) {
        gw = outer.ColorBoxWidth();
        gh = outer.ColorBoxHeight();
    }
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(outer.ItemAppearance().Font);
    int tw = 0, th = 0;
    for (int i = 0; i < outer.Items().Count(); ++i) {
        const TSelectorItem& item = *outer.Items().Items(i);
        if (outer.SelectorType() == stImage) {
            if (const TGraphic* picture = pictureOf(i)) {
                gw = std::max(gw, picture->Width());
                gh = std::max(gh, picture->Height());
            } else if (outer.Images() && item.ImageIndex() >= 0) {
                gw = std::max(gw, outer.Images()->Width);
                gh = std::max(gh, outer.Images()->Height);
            }
        }
        TPoint size{};
        DrawHTMLItemText(canvas, item.Caption(), {0, 0, 1000, 500}, outer.Images(), false, nullptr, size);
        tw = std::max(tw, size.X);
        th = std::max(th, size.Y);
    }
    if (tw > 0) tw += 4;
    if (outer.ItemLayout() == ilCaptionLeft || outer.ItemLayout() == ilCaptionRight) {
        ASize.cx = 2 * ItemOffSetX + (gw > 0 ? gw : 0) + (gw > 0 && tw > 0 ? CaptionGap : 0) + tw;
        ASize.cy = std::max(th, gh) + 2 * ItemOffSetY;
    } else {
        ASize.cx = std::max(tw, gw) + 2 * ItemOffSetX;
        ASize.cy = 2 * ItemOffSetY + (gh > 0 ? gh : 0) + (gh > 0 && th >= 1 ? CaptionGap : 0) + th;
    }
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
    const TSelectorItems& items = exItemSelector_->Items();
    for (int i = 0; i < items.Count(); ++i) {
        const TRect& r = items.Items(i)->Rect;
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
    }
    return -1;
}

void TCustomItemSelector::GetItemRect(int Index, TRect& R) const {
    R = inRange(Index) ? exItemSelector_->Items().Items(Index)->Rect : TRect{-1, -1, -1, -1};
}

void TCustomItemSelector::InvalidateItem(int Index) {
    if (inRange(Index)) InvalidateRect(exItemSelector_->Items().Items(Index)->Rect);
}

void TCustomItemSelector::SetItemIndex(int Value) {
    if (inRange(Value) && !itemEnabled(Value)) return;
    if (itemIndex_ >= 0 && Value != itemIndex_) {
        const int old = itemIndex_;
        itemIndex_ = -1;
        InvalidateItem(old);
    }
    itemIndex_ = Value;
    if (Value < 0) return;
    // Only the two items concerned are painted again.
    InvalidateItem(Value);
    OnItemSelect(this);
}

TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const {
    return exItemSelector_->ItemAppearance().ColorStyle();
}
TColor TCustomItemSelector::ItemColorHot() const { return exItemSelector_->ItemAppearance().ColorHot; }
TColor TCustomItemSelector::ItemColorHotTo() const { return exItemSelector_->ItemAppearance().ColorHotTo; }
TColor TCustomItemSelector::ItemColorSelected() const { return exItemSelector_->ItemAppearance().ColorSelected; }
TColor TCustomItemSelector::ItemColorSelectedTo() const { return exItemSelector_->ItemAppearance().ColorSelectedTo; }

void TCustomItemSelector::SetItemHot(int Index) {
    if (Index == itemHot_ || (inRange(Index) && !itemEnabled(Index))) return;
    if (itemHot_ >= 0) {
        const int old = itemHot_;
        itemHot_ = -1;
        InvalidateItem(old);
    }
    itemHot_ = Index;
    if (Index >= 0) InvalidateItem(Index);
}

void TCustomItemSelector::SelectFirst() { stepTo(SteppedIndex(lsFirst, itemIndex_, exItemSelector_->Items().Count()), false); }
void TCustomItemSelector::SelectLast() { stepTo(SteppedIndex(lsLast, itemIndex_, exItemSelector_->Items().Count()), false); }
void TCustomItemSelector::SelectNext() { stepTo(SteppedIndex(lsNext, itemIndex_, exItemSelector_->Items().Count()), false); }
void TCustomItemSelector::SelectPrevious() {
    stepTo(SteppedIndex(lsPrevious, itemIndex_, exItemSelector_->Items().Count()), false);
}
void TCustomItemSelector::HotNext() { stepTo(SteppedIndex(lsNext, itemHot_, exItemSelector_->Items().Count()), true); }
void TCustomItemSelector::HotPrevious() { stepTo(SteppedIndex(lsPrevious, itemHot_, exItemSelector_->Items().Count()), true); }

void TCustomItemSelector::stepTo(int Index, bool Hot) {
    if (Index < 0) return;
    if (Hot) SetItemHot(Index);
    else SetItemIndex(Index);
}

bool TCustomItemSelector::LookupItem(const QString& s) {
    if (s.isEmpty()) return false;
    const TSelectorItems& items = exItemSelector_->Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (Trim(HTMLToPlainText(items.Items(i)->Caption())).toUpper().startsWith(s)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (itemEnabled(index)) SetItemIndex(index);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0) {
        if (index == itemHot_) return;
        SetItemHot(itemEnabled(index) ? index : -1);
        SetHint(exItemSelector_->Items().Items(index)->Hint);
    } else if (itemHot_ >= 0) {
        SetItemHot(-1);
    }
}

void TCustomItemSelector::WndProc(TMessage& Message) {
    TCustomControl::WndProc(Message);
    if (Message.Msg == CM_MOUSELEAVE && itemHot_ >= 0) SetItemHot(-1);
}

void TCustomItemSelector::Paint() { DrawAllItems(Canvas()); }

void TCustomItemSelector::DrawAllItems(TCanvas& Canvas) {
    for (int i = 0; i < exItemSelector_->Items().Count(); ++i) DrawItem(i, Canvas);
}

// ---- the outer control

TExCustomItemSelector::TExCustomItemSelector(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    SetColor(clWindow);
    items_.OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    appearance_.SetColorStyle(scOffice2007);
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TExCustomItemSelector::~TExCustomItemSelector() = default;

void TExCustomItemSelector::CreateSelectorPanel() {
    if (panel_) return;
    panel_ = new TCustomItemSelector(this);
    panel_->SetParent(this);
    panel_->OnItemSelect = [this](TObject*) { OnItemSelect(this); };
}

void TExCustomItemSelector::UpdateSelectorPanel() {
    if (panel_) panel_->UpdateItems();
}

void TExCustomItemSelector::SetSelectorType(TSelectorType Value) {
    if (Value == selectorType_) return;
    selectorType_ = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColumns(int Value) {
    if (Value == columns_ || Value <= 0) return;
    columns_ = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxWidth(int Value) {
    if (Value == colorBoxWidth_) return;
    colorBoxWidth_ = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxHeight(int Value) {
    if (Value == colorBoxHeight_) return;
    colorBoxHeight_ = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetImages(TImageList* Value) {
    if (Value == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_) images_->FreeNotification(this);
    UpdateSelectorPanel();
}

void TExCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation) {
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_ && !IsDestroying()) images_ = nullptr;
    if (Operation == opRemove && AComponent == panel_) panel_ = nullptr;
}

int TExCustomItemSelector::ItemIndex() const { return panel_ ? panel_->ItemIndex() : -1; }

void TExCustomItemSelector::SetItemIndex(int Value) {
    if (!panel_) return;
    panel_->SetItemIndex(Value);
    ScrollItemInView(Value);
}

int TExCustomItemSelector::ItemHot() const { return panel_ ? panel_->ItemHot() : -1; }

void TExCustomItemSelector::step(void (TCustomItemSelector::*Step)(), bool Hot) {
    if (!panel_) return;
    (panel_->*Step)();
    ScrollItemInView(Hot ? panel_->ItemHot() : panel_->ItemIndex());
}

void TExCustomItemSelector::SelectFirst() { step(&TCustomItemSelector::SelectFirst, false); }
void TExCustomItemSelector::SelectLast() { step(&TCustomItemSelector::SelectLast, false); }
void TExCustomItemSelector::SelectNext() { step(&TCustomItemSelector::SelectNext, false); }
void TExCustomItemSelector::SelectPrevious() { step(&TCustomItemSelector::SelectPrevious, false); }
void TExCustomItemSelector::HotNext() { step(&TCustomItemSelector::HotNext, true); }
void TExCustomItemSelector::HotPrevious() { step(&TCustomItemSelector::HotPrevious, true); }

bool TExCustomItemSelector::LookupItem(const QString& s) { return panel_ && panel_->LookupItem(s); }

void TExCustomItemSelector::ScrollItemInView(int Index) {
    if (!panel_ || Index < 0 || Index >= items_.Count() || !VertScrollBar().Visible()) return;
    const TRect cell = items_.Items(Index)->Rect;
    const int margin = VertScrollBar().Margin;
    const int top = cell.Top - margin + panel_->Top();
    const int bottom = cell.Bottom + margin + panel_->Top();
    TControlScrollBar& bar = VertScrollBar();
    if (top < 0) {
        bar.SetPosition(bar.Position() + top);
    } else if (bottom > ClientHeight()) {
        // An item taller than the view shows its top.
        if (bottom - top > ClientHeight()) bar.SetPosition(bar.Position() + top);
        else bar.SetPosition(bar.Position() + bottom - ClientHeight());
    }
}

int TExCustomItemSelector::GetVisibleItemCount() const {
    if (!panel_ || items_.Count() == 0) return 0;
    const int rowHeight = items_.Items(0)->Rect.Height();
    if (rowHeight <= 0) return 0;
    return (Height() - (HorzScrollBar().Visible() ? 20 : 0)) / rowHeight * columns_;
}

void TExCustomItemSelector::GetSelectorSize(TSize& ASize) const {
    ASize = panel_ ? TSize{panel_->Width(), panel_->Height()} : TSize{100, 50};
}

void TExCustomItemSelector::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        // The arrows and every other key are the control's.
        Message.Result = 5;
        return;
    }
    TScrollingWinControl::WndProc(Message);
    if (Message.Msg == WM_VSCROLL && (Message.WParam & 0xFFFF) == SB_THUMBTRACK) {
        // The list follows the thumb while it is dragged.
        VertScrollBar().SetPosition(static_cast<int16_t>((Message.WParam >> 16) & 0xFFFF));
    }
}
