#include "platform/controls/scrolling_win_control.h"

#include "platform/controls/window_backend.h"

#include <algorithm>

void TControlScrollBar::SetPosition(int Value) {
    const int most = std::max(0, range_ - control_.clientSize(*this));
    const int next = std::clamp(Value, 0, most);
    if (next == position_) return;
    const int delta = position_ - next;
    position_ = next;
    if (kind_ == sbHorizontal) control_.ScrollBy(delta, 0);
    else control_.ScrollBy(0, delta);
    control_.setBarInfo(*this);
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TScrollingWinControl::SetAutoScroll(bool Value) {
    if (Value == autoScroll_) return;
    autoScroll_ = Value;
    UpdateScrollBars();
}

TRect TScrollingWinControl::ClientRect() const {
    const int w = Width() - (vert_.shown_ ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    const int h = Height() - (horz_.shown_ ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    return Rect(0, 0, std::max(0, w), std::max(0, h));
}

int TScrollingWinControl::clientSize(const TControlScrollBar& Bar) const {
    return Bar.kind_ == sbHorizontal ? ClientWidth() : ClientHeight();
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
    if (DeltaX == 0 && DeltaY == 0) return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!isBar(c)) c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
    }
    Invalidate();
}

void TScrollingWinControl::UpdateScrollBars() {
    if (updating_) return;
    updating_ = true;
    // The reach of the children where the position is 0.
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (isBar(c) || !c->Visible()) continue;
        right = std::max(right, c->Left() + c->Width() + horz_.position_);
        bottom = std::max(bottom, c->Top() + c->Height() + vert_.position_);
    }
    horz_.range_ = autoScroll_ ? right + horz_.Margin : 0;
    vert_.range_ = autoScroll_ ? bottom + vert_.Margin : 0;
    const int sw = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
    bool h = false, v = false;
    // Each bar takes room from the other direction; a few rounds settle it.
    for (int round = 0; round < 3; ++round) {
        v = autoScroll_ && vert_.range_ > Height() - (h ? sh : 0);
        h = autoScroll_ && horz_.range_ > Width() - (v ? sw : 0);
    }
    horz_.shown_ = h;
    vert_.shown_ = v;
    showBars();
    // Positions beyond the new ranges come back, moving the children with them.
    horz_.SetPosition(horz_.position_);
    vert_.SetPosition(vert_.position_);
    setBarInfo(horz_);
    setBarInfo(vert_);
    updating_ = false;
}

void TScrollingWinControl::showBars() {
    const int sw = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
    for (TControlScrollBar* bar : {&horz_, &vert_}) {
        if (bar->shown_ && !bar->bar_) {
            bar->bar_ = new TScrollBar(this);
            bar->bar_->SetKind(bar->kind_);
            bar->bar_->Notify = this;
            bar->bar_->OwnBar = true;
            bar->bar_->SetParent(this);
        }
        if (bar->bar_) bar->bar_->SetVisible(bar->shown_);
    }
    if (vert_.shown_) vert_.bar_->SetBounds(Width() - sw, 0, sw, std::max(0, Height() - (horz_.shown_ ? sh : 0)));
    if (horz_.shown_) horz_.bar_->SetBounds(0, Height() - sh, std::max(0, Width() - (vert_.shown_ ? sw : 0)), sh);
}

void TScrollingWinControl::setBarInfo(TControlScrollBar& Bar) {
    if (!Bar.bar_) return;
    const int page = clientSize(Bar);
    Bar.bar_->SetInfo({0, std::max(0, Bar.range_ - 1), page, Bar.position_, Bar.position_});
}

void TScrollingWinControl::scrollMessage(TControlScrollBar& Bar, uint16_t Code, int Pos) {
    const int page = clientSize(Bar);
    switch (Code) {
    case SB_LINEUP: Bar.SetPosition(Bar.position_ - Bar.Increment); break;
    case SB_LINEDOWN: Bar.SetPosition(Bar.position_ + Bar.Increment); break;
    case SB_PAGEUP: Bar.SetPosition(Bar.position_ - page); break;
    case SB_PAGEDOWN: Bar.SetPosition(Bar.position_ + page); break;
    case SB_THUMBPOSITION: Bar.SetPosition(Pos); break;
    case SB_TOP: Bar.SetPosition(0); break;
    case SB_BOTTOM: Bar.SetPosition(Bar.range_); break;
    default: break;
    }
}

void TScrollingWinControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL) {
        const auto code = static_cast<uint16_t>(Message.WParam & 0xFFFF);
        const auto pos = static_cast<int16_t>((Message.WParam >> 16) & 0xFFFF);
        scrollMessage(Message.Msg == WM_VSCROLL ? vert_ : horz_, code, pos);
        Message.Result = 0;
        return;
    }
    TWinControl::WndProc(Message);
}

void TScrollingWinControl::Resize() {
    TWinControl::Resize();
    UpdateScrollBars();
}
