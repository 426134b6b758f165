#include "platform/controls/category_panel_group.h"

#include "platform/controls/scroll_codes.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {

// Two strokes of a chevron around (cx, cy), pointing up or down.
void drawChevron(TCanvas& canvas, int cx, int cy, bool up) {
    const int dir = up ? -1 : 1;
    for (int row = 0; row < 2; ++row) {
        const int y = cy + row * 4 - 2;
        canvas.MoveTo(cx - 4, y - 2 * dir);
        canvas.LineTo(cx, y + 2 * dir);
        canvas.LineTo(cx + 5, y - 3 * dir);
    }
}

// A small filled arrow of the scroll bar's buttons.
void drawArrow(TCanvas& canvas, const TRect& r, bool up) {
    const int cx = (r.Left + r.Right) / 2;
    const int cy = (r.Top + r.Bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        const int y = up ? cy - 2 + i : cy + 1 - i;
        canvas.MoveTo(cx - i, y);
        canvas.LineTo(cx + i + 1, y);
    }
}

}  // namespace

// ---- TCategoryPanelSurface

TCategoryPanelSurface::TCategoryPanelSurface(TComponent* AOwner) : TCustomControl(AOwner) {
    SetParentColor(true);
    ControlStyle |= csAcceptsControls;
}

void TCategoryPanelSurface::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
}

// ---- TCategoryPanel

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetParentColor(true);
    surface_ = new TCategoryPanelSurface(this);
    surface_->SetParent(this);
    SetBounds(0, 0, 185, 200);
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const { return dynamic_cast<TCategoryPanelGroup*>(Parent()); }

int TCategoryPanel::headerHeight() const {
    const TCategoryPanelGroup* group = PanelGroup();
    return group ? group->HeaderHeight() : 24;
}

void TCategoryPanel::SetParent(TWinControl* AParent) {
    TCustomControl::SetParent(AParent);
    // A panel put into a group goes after the panels of equal Top.
    if (TCategoryPanelGroup* group = PanelGroup()) group->Realign();
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const int header = headerHeight();
    if (!collapsed_) expandedHeight_ = AHeight;
    else if (AHeight != header) expandedHeight_ = AHeight;
    if (collapsed_) AHeight = header;
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    surface_->SetBounds(0, header, AWidth, std::max(0, AHeight - header));
    if (TCategoryPanelGroup* group = PanelGroup()) group->Realign(this);
}

void TCategoryPanel::SetCollapsed(bool v) {
    if (collapsed_ == v) return;
    collapsed_ = v;
    surface_->SetVisible(!v);
    SetBounds(Left(), Top(), Width(), v ? headerHeight() : expandedHeight_);
}

void TCategoryPanel::VisibleChanged() {
    TCustomControl::VisibleChanged();
    if (TCategoryPanelGroup* group = PanelGroup()) group->Realign(this);
}

void TCategoryPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Y >= 0 && Y < headerHeight()) SetCollapsed(!collapsed_);
}

void TCategoryPanel::Paint() {
    TCanvas& canvas = Canvas();
    const int header = headerHeight();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    // The header: a light upper half over a darker lower half, framed in the shadow colour.
    canvas.Brush.Color = clBtnHighlight;
    canvas.FillRect(TRect{0, 0, Width(), header / 2});
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(TRect{0, header / 2, Width(), header});
    canvas.Brush.Color = clBtnShadow;
    canvas.FrameRect(TRect{0, 0, Width(), header});
    canvas.Pen.Color = clWindowText;
    drawChevron(canvas, Width() - 14, header / 2, !collapsed_);
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    canvas.Font.SetStyle(canvas.Font.Style() | fsBold);
    TRect text{8, 0, Width() - 26, header};
    canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// ---- TCategoryPanelGroup

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle |= csAcceptsControls;
    SetBounds(0, 0, 200, 400);
}

void TCategoryPanelGroup::SetHeaderHeight(int v) {
    if (headerHeight_ == v) return;
    headerHeight_ = v;
    // Collapsed panels take the new header height, expanded ones move their surfaces.
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* panel = dynamic_cast<TCategoryPanel*>(Controls(i)))
            panel->SetBounds(panel->Left(), panel->Top(), panel->Width(), panel->Height());
    Realign();
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::VisiblePanels() const {
    std::vector<TCategoryPanel*> panels;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* panel = dynamic_cast<TCategoryPanel*>(Controls(i)); panel && panel->Visible())
            panels.push_back(panel);
    std::stable_sort(panels.begin(), panels.end(),
                     [](const TCategoryPanel* a, const TCategoryPanel* b) { return a->Top() < b->Top(); });
    return panels;
}

int TCategoryPanelGroup::panelsHeight() const {
    int height = 0;
    for (const TCategoryPanel* panel : VisiblePanels()) height += panel->Height();
    return height;
}

int TCategoryPanelGroup::maxScrollPos() const { return std::max(0, panelsHeight() - ClientHeight()); }

bool TCategoryPanelGroup::ScrollBarVisible() const { return panelsHeight() > ClientHeight(); }

void TCategoryPanelGroup::Realign(TCategoryPanel* Moved) {
    if (realigning_) return;
    realigning_ = true;
    std::vector<TCategoryPanel*> panels = VisiblePanels();
    if (Moved && Moved->Visible()) {
        // Among equal Tops the panel just moved comes first.
        auto it = std::find(panels.begin(), panels.end(), Moved);
        auto first = std::find_if(panels.begin(), panels.end(),
                                  [&](const TCategoryPanel* p) { return p->Top() == Moved->Top(); });
        if (it != panels.end() && first < it) std::rotate(first, it, it + 1);
    }
    int height = 0;
    for (const TCategoryPanel* panel : panels) height += panel->Height();
    scrollPos_ = std::clamp(scrollPos_, 0, std::max(0, height - ClientHeight()));
    const int width = ClientWidth() - (height > ClientHeight() ? Scroll_Bar_Width : 0);
    int y = -scrollPos_;
    for (TCategoryPanel* panel : panels) {
        panel->SetBounds(0, y, width, panel->Height());
        y += panel->Height();
    }
    realigning_ = false;
    Invalidate();
}

void TCategoryPanelGroup::setScrollPos(int v) {
    v = std::clamp(v, 0, maxScrollPos());
    if (v == scrollPos_) return;
    scrollPos_ = v;
    Realign();
}

void TCategoryPanelGroup::scroll(uint16_t code, int position) {
    switch (code) {
    case SB_LINEUP: setScrollPos(scrollPos_ - Line_Size); break;
    case SB_LINEDOWN: setScrollPos(scrollPos_ + Line_Size); break;
    case SB_PAGEUP: setScrollPos(scrollPos_ - ClientHeight()); break;
    case SB_PAGEDOWN: setScrollPos(scrollPos_ + ClientHeight()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: setScrollPos(position); break;
    case SB_TOP: setScrollPos(0); break;
    case SB_BOTTOM: setScrollPos(maxScrollPos()); break;
    default: break;
    }
}

void TCategoryPanelGroup::WndProc(TMessage& m) {
    if (m.Msg == WM_VSCROLL) {
        scroll(static_cast<uint16_t>(m.WParam & 0xFFFF), static_cast<int>((m.WParam >> 16) & 0xFFFF));
        return;
    }
    TCustomControl::WndProc(m);
}

void TCategoryPanelGroup::Resize() {
    TCustomControl::Resize();
    Realign();
}

TRect TCategoryPanelGroup::trackRect() const {
    return TRect{ClientWidth() - Scroll_Bar_Width, Scroll_Bar_Width, ClientWidth(),
                 std::max(Scroll_Bar_Width, ClientHeight() - Scroll_Bar_Width)};
}

TRect TCategoryPanelGroup::ThumbRect() const {
    if (!ScrollBarVisible()) return {};
    const TRect track = trackRect();
    const int length = track.Height();
    const int thumb = std::clamp(length * ClientHeight() / std::max(1, panelsHeight()), std::min(8, length), length);
    const int max = maxScrollPos();
    const int top = track.Top + (max > 0 ? (length - thumb) * scrollPos_ / max : 0);
    return TRect{track.Left, top, track.Right, top + thumb};
}

void TCategoryPanelGroup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !ScrollBarVisible() || X < ClientWidth() - Scroll_Bar_Width) return;
    const TRect track = trackRect();
    const TRect thumb = ThumbRect();
    uint16_t code = SB_ENDSCROLL;
    if (Y < track.Top) code = SB_LINEUP;
    else if (Y >= track.Bottom) code = SB_LINEDOWN;
    else if (Y < thumb.Top) code = SB_PAGEUP;
    else if (Y >= thumb.Bottom) code = SB_PAGEDOWN;
    if (code == SB_ENDSCROLL) {
        state_ = scThumbDragging;
        dragOffset_ = Y - thumb.Top;
        return;
    }
    SendMessage(this, WM_VSCROLL, code);
    SendMessage(this, WM_VSCROLL, SB_ENDSCROLL);
}

void TCategoryPanelGroup::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (state_ != scThumbDragging) return;
    const TRect track = trackRect();
    const TRect thumb = ThumbRect();
    const int travel = track.Height() - thumb.Height();
    const int top = std::clamp(Y - dragOffset_, track.Top, track.Top + travel);
    const int position = travel > 0 ? (top - track.Top) * maxScrollPos() / travel : 0;
    SendMessage(this, WM_VSCROLL, (static_cast<uintptr_t>(position) << 16) | SB_THUMBTRACK);
}

void TCategoryPanelGroup::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || state_ != scThumbDragging) return;
    state_ = scIdle;
    SendMessage(this, WM_VSCROLL, (static_cast<uintptr_t>(scrollPos_) << 16) | SB_THUMBPOSITION);
    SendMessage(this, WM_VSCROLL, SB_ENDSCROLL);
}

void TCategoryPanelGroup::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    if (!ScrollBarVisible()) return;
    const TRect bar{ClientWidth() - Scroll_Bar_Width, 0, ClientWidth(), ClientHeight()};
    const TRect track = trackRect();
    canvas.Brush.Color = clScrollBar;
    canvas.FillRect(bar);
    const TRect up{bar.Left, 0, bar.Right, track.Top};
    const TRect down{bar.Left, track.Bottom, bar.Right, bar.Bottom};
    for (const TRect& r : {up, down, ThumbRect()}) {
        canvas.Brush.Color = clBtnFace;
        canvas.FillRect(r);
        canvas.Brush.Color = clBtnShadow;
        canvas.FrameRect(r);
    }
    canvas.Pen.Color = clWindowText;
    drawArrow(canvas, up, true);
    drawArrow(canvas, down, false);
}
