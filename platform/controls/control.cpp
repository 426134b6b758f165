#include "platform/controls/control.h"

#include "platform/controls/control_drag.h"

#include "platform/controls/activation.h"
#include "platform/controls/application.h"
#include "platform/controls/control_hint.h"
#include "platform/controls/form.h"
#include "platform/controls/window_backend.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <QPainter>
#include <algorithm>

namespace {
TWindowBackend headless;
TWindowBackend* backend = &headless;
TWinControl* focusedControl = nullptr;
TControl* captureControl = nullptr;
// Controls whose focus went to another window: their window still counts them as its active
// control, so they neither leave nor enter when the focus comes back to them.
std::vector<TWinControl*> awayFromTheirWindow;

bool sameWindow(const TWinControl* a, const TWinControl* b) {
    return a && b && a->ParentForm() == b->ParentForm();
}

bool isMouseMessage(uint32_t msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL; }
TPoint messagePoint(const TMessage& m) { return {LoWordSigned(m.LParam), HiWordSigned(m.LParam)}; }
}  // namespace

TWindowBackend& WindowBackend() { return *backend; }
void SetWindowBackend(TWindowBackend* b) { backend = b ? b : &headless; }

int TWindowBackend::SystemMetric(int Index) {
    switch (Index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 17;
    case SM_CYBORDER: return 1;
    default: return 0;
    }
}

int GetSystemMetrics(int Index) { return WindowBackend().SystemMetric(Index); }

TShiftState MouseShiftState(uintptr_t w) {
    TShiftState s = 0;
    if (w & MK_SHIFT) s |= ssShift;
    if (w & MK_CONTROL) s |= ssCtrl;
    if (w & MK_LBUTTON) s |= ssLeft;
    if (w & MK_RBUTTON) s |= ssRight;
    if (w & MK_MBUTTON) s |= ssMiddle;
    return s;
}

intptr_t DeliverMessage(TControl& control, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    ControlHintInput(control, msg, lParam);
    try {
        return control.Perform(msg, wParam, lParam);
    } catch (const std::exception& e) {
        Application->HandleException(e);
    }
    return 0;
}

// ---- TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    font_.OnChange = [this](TObject*) {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    ForgetDrag(*this);
    if (captureControl == this) captureControl = nullptr;
    ForgetControlHint(this);
    if (parent_) parent_->removeControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
    if (parent_ == AParent) return;
    if (parent_) parent_->removeControl(this);
    if (AParent) AParent->insertControl(this);
    parentFontOrColorChanged();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
    const bool resized = AWidth != width_ || AHeight != height_;
    const int dw = AWidth - width_, dh = AHeight - height_;
    if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
    if (resized) {
        if (auto* self = dynamic_cast<TWinControl*>(this)) self->anchorControls(dw, dh);
        Resize();
    }
}

void TControl::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    if (parent_) parent_->InvalidateRect(BoundsRect());
    VisibleChanged();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::SetCaption(const QString& v) {
    if (caption_ == v) return;
    caption_ = v;
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetHint(const QString& v) {
    hint_ = v;
    auto* w = dynamic_cast<TWinControl*>(this);
    if (w && w->HandleAllocated()) WindowBackend().HintChanged(*w);
}

void TControl::SetColor(TColor v) {
    parentColor_ = false;
    if (color_ == v) return;
    color_ = v;
    Perform(CM_COLORCHANGED);
    Invalidate();
    colorChangedForChildren();
}

void TControl::colorChangedForChildren() {
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i)
            if (TControl* c = self->Controls(i); c->parentColor_) c->parentFontOrColorChanged();
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    parentFontOrColorChanged();
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    parentFontOrColorChanged();
}

void TControl::SetCursor(TCursor v) {
    if (cursor_ == v) return;
    cursor_ = v;
    if (auto* w = dynamic_cast<TWinControl*>(this)) WindowBackend().CursorChanged(*w);
    Perform(CM_CURSORCHANGED);
}

void TControl::parentFontOrColorChanged() {
    if (!parent_) return;
    if (parentFont_) {
        font_.Assign(parent_->Font());
        parentFont_ = true;
    }
    if (parentColor_ && color_ != parent_->Color()) {
        color_ = parent_->Color();
        Invalidate();
        colorChangedForChildren();
    }
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED);
    Invalidate();
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i) self->Controls(i)->parentFontOrColorChanged();
}

void TControl::VisibleChanged() { Perform(CM_VISIBLECHANGED, visible_ ? 1 : 0); }

intptr_t TControl::Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TMessage m{msg, wParam, lParam, 0};
    if (WindowProc) WindowProc(m);
    else WndProc(m);
    return m.Result;
}

void TControl::Invalidate() {
    if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
}

TForm* TControl::ParentForm() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (auto* f = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(f);
    return nullptr;
}

TPoint TControl::ClientToParent(TPoint p, const TWinControl* ancestor) const {
    for (const TControl* c = this; c && c != ancestor; c = c->parent_) {
        p.X += c->left_;
        p.Y += c->top_;
    }
    return p;
}

TPoint TControl::ClientOrigin() const {
    TPoint inTop;
    const TControl* top = this;
    for (; top->parent_; top = top->parent_) {
        inTop.X += top->left_;
        inTop.Y += top->top_;
    }
    // A top-level window stands where the native side put it; headless, at its bounds.
    TPoint origin{top->left_, top->top_};
    if (auto* window = dynamic_cast<const TWinControl*>(top); window && window->HandleAllocated())
        WindowBackend().ScreenOrigin(*window, origin);
    return {origin.X + inTop.X, origin.Y + inTop.Y};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::WndProc(TMessage& m) {
    if (DragMessage(*this, m)) return;
    switch (m.Msg) {
    case WM_MOUSEWHEEL: {
        const int delta = HiWordSigned(static_cast<intptr_t>(m.WParam));
        if (DoMouseWheel(MouseShiftState(m.WParam & 0xFFFF), delta, messagePoint(m))) m.Result = 1;
        else if (parent_) m.Result = parent_->Perform(WM_MOUSEWHEEL, m.WParam, m.LParam);
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const TPoint p = messagePoint(m);
        if (ControlStyle & csCaptureMouse) captureControl = this;
        if (ControlStyle & csClickEvents) clicked_ = true;
        TShiftState s = MouseShiftState(m.WParam);
        if (m.Msg == WM_LBUTTONDBLCLK) {
            s |= ssDouble;
            if (ControlStyle & csDoubleClicks) DblClick();
        }
        MouseDown(mbLeft, s, p.X, p.Y);
        break;
    }
    case WM_LBUTTONUP: {
        const TPoint p = messagePoint(m);
        if (captureControl == this) captureControl = nullptr;
        const bool wasClicked = clicked_;
        clicked_ = false;
        if (wasClicked && ClientRect().Contains(p)) Click();
        MouseUp(mbLeft, MouseShiftState(m.WParam), p.X, p.Y);
        break;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const TPoint p = messagePoint(m);
        MouseDown(m.Msg == WM_RBUTTONDOWN ? mbRight : mbMiddle, MouseShiftState(m.WParam), p.X, p.Y);
        break;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const TPoint p = messagePoint(m);
        MouseUp(m.Msg == WM_RBUTTONUP ? mbRight : mbMiddle, MouseShiftState(m.WParam), p.X, p.Y);
        break;
    }
    case WM_MOUSEMOVE: {
        const TPoint p = messagePoint(m);
        MouseMove(MouseShiftState(m.WParam), p.X, p.Y);
        break;
    }
    case CM_MOUSEENTER:
        mouseInControl_ = true;
        OnMouseEnter(this);
        break;
    case CM_MOUSELEAVE:
        mouseInControl_ = false;
        OnMouseLeave(this);
        break;
    default:
        break;
    }
}

bool TControl::MouseCapture() const { return captureControl == this; }

void TControl::SetMouseCapture(bool Value) {
    if (Value) captureControl = this;
    else if (captureControl == this) captureControl = nullptr;
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) { OnMouseDown(this, b, s, x, y); }
void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) { OnMouseUp(this, b, s, x, y); }
void TControl::MouseMove(TShiftState s, int x, int y) { OnMouseMove(this, s, x, y); }
void TControl::Resize() { OnResize(this); }

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

// ---- TGraphicControl

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        Paint(*reinterpret_cast<TCanvas*>(m.LParam));
        return;
    }
    TControl::WndProc(m);
}

// ---- TWinControl

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    if (focusedControl == this) focusedControl = nullptr;
    std::erase(awayFromTheirWindow, this);
    ForgetActiveWindow(this);
    // Children go with their parent window, last first.
    while (!controls_.empty()) {
        TControl* c = controls_.back();
        controls_.pop_back();
        c->parent_ = nullptr;
        delete c;
    }
    DestroyHandle();
}

// Children keep their distance to the anchored sides: anchored on both sides of an axis they
// grow with the parent, anchored on the far side only they move with it.
void TWinControl::anchorControls(int dw, int dh) {
    for (TControl* c : controls_) {
        const TAnchors a = c->Anchors;
        if (a == (akLeft | akTop)) continue;
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        if (a & akRight) (a & akLeft) ? width += dw : left += dw;
        if (a & akBottom) (a & akTop) ? height += dh : top += dh;
        c->SetBounds(left, top, std::max(0, width), std::max(0, height));
    }
}

void TWinControl::insertControl(TControl* c) {
    controls_.push_back(c);
    c->parent_ = this;
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w) tabList_.push_back(w);
    if (w && handleAllocated_) w->HandleNeeded();
    if (c->Visible()) InvalidateRect(c->BoundsRect());
}

void TWinControl::removeControl(TControl* c) {
    if (mouseControl_ == c) mouseControl_ = nullptr;
    if (c->Visible()) InvalidateRect(c->BoundsRect());
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), c), tabList_.end());
    c->parent_ = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->IsWindowed() && c->Visible() && c->Enabled() && c->BoundsRect().Contains(p)) return c;
    }
    return nullptr;
}

void TWinControl::SetExStyle(uint32_t Value) {
    addedExStyle_ = Value;
    if (handleAllocated_) WindowBackend().StyleChanged(*this);
}

void TWinControl::HandleNeeded() {
    if (handleAllocated_) return;
    if (Parent()) Parent()->HandleNeeded();
    // Making the parent's window made the children's too.
    if (handleAllocated_) return;
    CreateWnd();
}

void TWinControl::CreateWnd() {
    handleAllocated_ = true;
    WindowBackend().CreateHandle(*this);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
}

void TWinControl::DestroyWnd() { WindowBackend().DestroyHandle(*this); }

void TWinControl::DestroyHandle() {
    if (!handleAllocated_) return;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    DestroyWnd();
    handleAllocated_ = false;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const TRect before = BoundsRect();
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (handleAllocated_) WindowBackend().BoundsChanged(*this);
    // Sent so that call-window hooks learn of every move and resize of a window.
    if (BoundsRect() != before) SendMessage(this, WM_WINDOWPOSCHANGED);
}

void TWinControl::Invalidate() { InvalidateRect(ClientRect()); }

void TWinControl::SetWindowRegion(const std::vector<TPoint>& Polygon) {
    region_ = Polygon;
    if (handleAllocated_) WindowBackend().RegionChanged(*this);
}

void TWinControl::InvalidateRect(const TRect& r) {
    if (handleAllocated_ && redraw_) WindowBackend().Invalidate(*this, r);
}

TWinControl* FocusedControl() { return focusedControl; }

TControl* GetCaptureControl() { return captureControl; }

void PaintParentBackground(TWinControl& control, TCanvas& canvas) {
    TWinControl* parent = control.Parent();
    if (!parent) return;
    QPainter* painter = canvas.Painter();
    painter->save();
    painter->translate(-control.Left(), -control.Top());
    painter->setClipRect(0, 0, parent->Width(), parent->Height(), Qt::IntersectClip);
    parent->PaintHandler(canvas);
    painter->restore();
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const int at = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + at, this);
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
    std::vector<TWinControl*> list;
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        const std::vector<TWinControl*> inner = child->TabOrderList();
        list.insert(list.end(), inner.begin(), inner.end());
    }
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop) const {
    const std::vector<TWinControl*> list = TabOrderList();
    const int count = static_cast<int>(list.size());
    if (count == 0) return nullptr;
    const int at = static_cast<int>(std::find(list.begin(), list.end(), Current) - list.begin());
    // Without a current control in the list, forward starts at the first, backward at the last.
    int i = at < count ? at : (GoForward ? count - 1 : 0);
    for (int step = 0; step < count; ++step) {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[static_cast<size_t>(i)];
        if (candidate == Current) break;
        if ((!CheckTabStop || candidate->TabStop) && candidate->CanFocus()) return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
    if (TWinControl* next = FindNextControl(Current, GoForward, CheckTabStop)) next->SetFocus();
}

bool TWinControl::Focused() const { return focusedControl == this; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (focusedControl == this) return;
    TWinControl* old = focusedControl;
    focusedControl = this;
    // Each side is told the other window, as the native messages tell it.
    if (old) old->Perform(WM_KILLFOCUS, reinterpret_cast<uintptr_t>(this));
    Perform(WM_SETFOCUS, reinterpret_cast<uintptr_t>(old));
    if (handleAllocated_) WindowBackend().SetFocus(*this);
}

void TWinControl::PaintHandler(TCanvas& canvas) {
    PaintWindow(canvas);
    QPainter* painter = canvas.Painter();
    for (TControl* c : controls_) {
        if (c->IsWindowed() || !c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
        painter->save();
        painter->translate(c->Left(), c->Top());
        painter->setClipRect(0, 0, c->Width(), c->Height(), Qt::IntersectClip);
        c->Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&canvas));
        painter->restore();
    }
    Perform(WM_NCPAINT, 0, reinterpret_cast<intptr_t>(&canvas));
}

void TWinControl::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(ClientRect());
}

void TWinControl::dispatchMouse(TMessage& m) {
    const TPoint p = messagePoint(m);
    TControl* target = nullptr;
    if (captureControl && captureControl != this && captureControl->Parent() == this) target = captureControl;
    else target = ControlAtPos(p);
    if (m.Msg == WM_MOUSEMOVE && target != mouseControl_) {
        if (mouseControl_) mouseControl_->Perform(CM_MOUSELEAVE);
        mouseControl_ = target;
        if (target) target->Perform(CM_MOUSEENTER);
    }
    if (target) {
        const intptr_t l = MakeLParam(p.X - target->Left(), p.Y - target->Top());
        m.Result = target->Perform(m.Msg, m.WParam, l);
        return;
    }
    TControl::WndProc(m);
}

void TWinControl::WndProc(TMessage& m) {
    if (isMouseMessage(m.Msg) && m.Msg != WM_MOUSEWHEEL) {
        dispatchMouse(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
        PaintHandler(*reinterpret_cast<TCanvas*>(m.LParam));
        return;
    case WM_SETREDRAW:
        // While off, the window asks for no repaints.
        redraw_ = m.WParam != 0;
        return;
    case CM_MOUSELEAVE:
        if (mouseControl_) {
            mouseControl_->Perform(CM_MOUSELEAVE);
            mouseControl_ = nullptr;
        }
        break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        // Every child in turn, hidden and disabled ones too, each container's own children
        // before the next sibling; the first that takes the key ends the round.
        for (size_t i = 0; i < controls_.size() && !m.Result; ++i) controls_[i]->WndProc(m);
        return;
    case WM_SYSCHAR: {
        // A character typed with Alt goes to the window's accelerators.
        TForm* form = ParentForm();
        m.Result = form ? form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) : 0;
        return;
    }
    // The native window mirrors what changed on the control.
    case CM_TEXTCHANGED:
        if (handleAllocated_) WindowBackend().TextChanged(*this);
        break;
    case CM_ENABLEDCHANGED:
        if (handleAllocated_) WindowBackend().EnabledChanged(*this);
        break;
    case CM_VISIBLECHANGED:
        if (handleAllocated_) WindowBackend().VisibleChanged(*this);
        break;
    // Entering and leaving are moves between the controls of one window: a focus that goes to
    // another window (a message box, say) and comes back changes nothing for the control.
    case WM_SETFOCUS: {
        const auto* previous = reinterpret_cast<TWinControl*>(m.WParam);
        if (sameWindow(previous, this)) {
            Perform(CM_ENTER);
            return;
        }
        const auto away = std::find_if(awayFromTheirWindow.begin(), awayFromTheirWindow.end(),
                                       [this](TWinControl* c) { return sameWindow(c, this); });
        if (away != awayFromTheirWindow.end()) {
            TWinControl* left = *away;
            awayFromTheirWindow.erase(away);
            if (left == this) return;
            left->Perform(CM_EXIT);
        }
        Perform(CM_ENTER);
        return;
    }
    case WM_KILLFOCUS: {
        auto* next = reinterpret_cast<TWinControl*>(m.WParam);
        if (!next || sameWindow(next, this)) Perform(CM_EXIT);
        else awayFromTheirWindow.push_back(this);
        return;
    }
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        uint16_t key = static_cast<uint16_t>(m.WParam);
        const TShiftState shift = static_cast<TShiftState>(m.LParam);
        TForm* form = ParentForm();
        if (form && form != this && form->KeyPreview) form->Perform(m.Msg, key, m.LParam);
        KeyDown(key, shift);
        if (key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB) {
            // A control that does not want the key leaves it to the form's buttons.
            const intptr_t code = Perform(WM_GETDLGCODE, key);
            if (!code && form && form->Perform(CM_DIALOGKEY, key, shift)) key = 0;
        }
        m.Result = key == 0;
        return;
    }
    case WM_KEYUP: {
        uint16_t key = static_cast<uint16_t>(m.WParam);
        KeyUp(key, static_cast<TShiftState>(m.LParam));
        return;
    }
    case WM_CHAR: {
        QChar ch(static_cast<char16_t>(m.WParam));
        KeyPress(ch);
        return;
    }
    default:
        break;
    }
    TControl::WndProc(m);
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) { OnKeyDown(this, Key, Shift); }
void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) { OnKeyUp(this, Key, Shift); }
void TWinControl::KeyPress(QChar& Key) { OnKeyPress(this, Key); }
void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

// ---- TCustomControl

struct TCustomControl::Measure {
    TBitmap bitmap{1, 1};
};

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() { delete measure_; }

TCanvas& TCustomControl::Canvas() {
    if (painting_) return *painting_;
    if (!measure_) measure_ = new Measure;
    TCanvas& c = measure_->bitmap.Canvas();
    c.Font.Assign(Font());
    return c;
}

void TCustomControl::PaintWindow(TCanvas& canvas) {
    canvas.Font.Assign(Font());
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    painting_ = &canvas;
    try {
        Paint(canvas);
    } catch (...) {
        painting_ = nullptr;
        throw;
    }
    painting_ = nullptr;
}

void TCustomControl::Paint(TCanvas&) { Paint(); }
