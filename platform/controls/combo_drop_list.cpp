#include "platform/controls/combo_drop_list.h"

#include "platform/controls/custom_combo_box.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

TComboDropList::TComboDropList(TCustomComboBox& Combo) : TCustomControl(nullptr), combo_(Combo) {
    SetVisible(false);
    SetColor(clWindow);
}

int TComboDropList::visibleCount() { return std::max(1, std::min(combo_.Count(), combo_.DropDownCount)); }

void TComboDropList::Prepare(int MinWidth) {
    hotIndex_ = combo_.ItemIndex();
    topIndex_ = 0;
    int height = 2;
    for (int i = 0; i < visibleCount(); ++i) height += combo_.Count() ? combo_.ItemHeightOf(i) : combo_.ItemHeight();
    const TPoint origin = combo_.ClientToScreen({0, combo_.Height()});
    Font().Assign(combo_.Font());
    SetBounds(origin.X, origin.Y, std::max(MinWidth, combo_.Width()), height);
    scrollTo(hotIndex_);
}

void TComboDropList::SetHotIndex(int Index) {
    if (Index < -1 || Index >= combo_.Count() || Index == hotIndex_) return;
    hotIndex_ = Index;
    scrollTo(Index);
    Invalidate();
}

void TComboDropList::scrollTo(int Index) {
    if (Index < 0) return;
    if (Index < topIndex_) topIndex_ = Index;
    else if (Index >= topIndex_ + visibleCount()) topIndex_ = Index - visibleCount() + 1;
}

TRect TComboDropList::ItemRect(int Index) {
    int top = 1;
    for (int i = topIndex_; i < Index && i < combo_.Count(); ++i) top += combo_.ItemHeightOf(i);
    return {1, top, Width() - 1, top + combo_.ItemHeightOf(Index)};
}

int TComboDropList::ItemAtPos(TPoint p) {
    if (p.X < 0 || p.X >= Width()) return -1;
    for (int i = topIndex_; i < combo_.Count() && i < topIndex_ + visibleCount(); ++i)
        if (ItemRect(i).Contains({1, p.Y})) return i;
    return -1;
}

void TComboDropList::WndProc(TMessage& m) {
    if (m.Msg == WM_CLOSE) {
        combo_.CloseUp(false);
        return;
    }
    // A native pop-up takes the keyboard while it shows; the keys are the combo box's.
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP || m.Msg == WM_CHAR) {
        combo_.WndProc(m);
        return;
    }
    TCustomControl::WndProc(m);
}

void TComboDropList::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int index = ItemAtPos({X, Y});
    if (index >= 0 && index != hotIndex_) {
        hotIndex_ = index;
        Invalidate();
    }
}

void TComboDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const int index = ItemAtPos({X, Y});
    if (index < 0) return;
    combo_.PickItem(index);
    combo_.CloseUp(true);
}

bool TComboDropList::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    const int last = std::max(0, combo_.Count() - visibleCount());
    topIndex_ = std::clamp(topIndex_ + (WheelDelta > 0 ? -1 : 1), 0, last);
    Invalidate();
    return true;
}

void TComboDropList::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Color = clWindow;
    canvas.FillRect(ClientRect());
    canvas.Brush.Color = clWindowFrame;
    canvas.FrameRect(ClientRect());
    for (int i = topIndex_; i < combo_.Count() && i < topIndex_ + visibleCount(); ++i) {
        const TRect r = ItemRect(i);
        canvas.SaveDC();
        canvas.IntersectClipRect(r);
        combo_.DrawItem(canvas, i, r, i == hotIndex_ ? TOwnerDrawState(odSelected | odFocused) : TOwnerDrawState(0));
        canvas.RestoreDC();
    }
}
