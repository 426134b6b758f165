#include "grid/editors/asg_spin_button.h"

#include "grid/foundation/visual_styles.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/theme_service.h"
#include "platform/system/resources.h"

#include <algorithm>

// ---- TExTimerSpeedButton

TExTimerSpeedButton::TExTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TExTimerSpeedButton::~TExTimerSpeedButton() { delete repeatTimer_; }

void TExTimerSpeedButton::WndProc(TMessage& m) {
    TSpeedButton::WndProc(m);
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        hasMouse_ = m.Msg == CM_MOUSEENTER;
        Invalidate();
    }
}

void TExTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (!(TimeBtnState & tbAllowTimer)) return;
    if (!repeatTimer_) repeatTimer_ = new TTimer(nullptr);
    repeatTimer_->OnTimer = [this](TObject*) { timerExpired(); };
    repeatTimer_->SetInterval(400);
    repeatTimer_->SetEnabled(true);
    if (Parent()) Parent()->Invalidate();
}

void TExTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (repeatTimer_) repeatTimer_->SetEnabled(false);
    if (Parent()) Parent()->Invalidate();
}

void TExTimerSpeedButton::timerExpired() {
    repeatTimer_->SetInterval(100);
    if (state_ == bsDown && MouseCapture()) {
        try {
            Click();
        } catch (...) {
            repeatTimer_->SetEnabled(false);
            throw;
        }
    }
}

void TExTimerSpeedButton::Paint(TCanvas& Canvas) {
    const auto* owner = dynamic_cast<const TAsgSpinButton*>(Owner());
    const TRect r = ClientRect();
    const bool down = state_ == bsDown || state_ == bsExclusive;
    if (owner && owner->ButtonColor != clNone) {
        const TColor color = down ? owner->ButtonColorDown : hasMouse_ ? owner->ButtonColorHot : owner->ButtonColor;
        Canvas.Brush.Color = color;
        Canvas.Pen.Color = color;
        Canvas.Rectangle(r);
        const int L = r.Left, T = r.Top;
        std::vector<TPoint> arrow;
        switch (ButtonDirection) {
        case bdLeft: arrow = {{L + 5, T + 5}, {L + 3, T + 7}, {L + 5, T + 9}}; break;
        case bdRight: arrow = {{L + 3, T + 5}, {L + 5, T + 7}, {L + 3, T + 9}}; break;
        case bdUp: arrow = {{L + 4, T + 4}, {L + 8, T + 4}, {L + 6, T + 2}}; break;
        case bdDown: arrow = {{L + 4, T + 2}, {L + 8, T + 2}, {L + 6, T + 4}}; break;
        }
        Canvas.Brush.Color = clBlack;
        Canvas.Pen.Color = clBlack;
        Canvas.Polygon(arrow);
        return;
    }
    if (IsWinXP) {
        const TVisualStylesBinding& styles = ExXPVS();
        if (HTHEME theme = styles.OpenThemeData(Parent(), "spin")) {
            const int parts[] = {4, 3, SPNP_UP, SPNP_DOWN};
            styles.DrawThemeBackground(theme, Canvas, parts[ButtonDirection], down ? 3 : hasMouse_ ? 2 : 1, r, nullptr);
            styles.CloseThemeData(theme);
            return;
        }
    }
    if (ButtonDirection == bdLeft || ButtonDirection == bdRight) {
        unsigned state = ButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        if (down) state |= DFCS_PUSHED;
        if (Flat()) state |= DFCS_FLAT;
        DrawFrameControl(Canvas, r, DFC_SCROLL, state);
        return;
    }
    TSpeedButton::Paint(Canvas);
}

// ---- TAsgSpinButton

TAsgSpinButton::TAsgSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
    ControlStyle = (ControlStyle & ~unsigned(csAcceptsControls)) | csOpaque;
    upButton_ = new TExTimerSpeedButton(this);
    downButton_ = new TExTimerSpeedButton(this);
    for (TExTimerSpeedButton* b : {upButton_, downButton_}) {
        b->SetParent(this);
        b->TimeBtnState = tbAllowTimer;
        b->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState, int, int) {
            buttonMouseDown(sender, button);
        };
    }
    upButton_->ButtonDirection = bdUp;
    downButton_->ButtonDirection = bdDown;
    upButton_->OnClick = [this](TObject*) { OnUpClick(this); };
    downButton_->OnClick = [this](TObject*) { OnDownClick(this); };
    focusedButton_ = upButton_;
    SetUpGlyph(nullptr);
    SetDownGlyph(nullptr);
    SetBounds(0, 0, 15, 25);
}

void TAsgSpinButton::SetFocusControl(TWinControl* Value) {
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = Value;
    if (Value) Value->FreeNotification(this);
}

void TAsgSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TAsgSpinButton::SetIsWinXP(bool Value) {
    isWinXP_ = Value;
    upButton_->IsWinXP = Value;
    downButton_->IsWinXP = Value;
    focusedButton_->IsWinXP = Value;
    Invalidate();
}

namespace {
void loadGlyph(TExTimerSpeedButton& button, const TGraphic* value, const char* resource) {
    if (value) {
        button.SetGlyph(value);
        return;
    }
    TBitmap arrow;
    arrow.LoadFromData(LoadResourceData(resource));
    button.SetGlyph(&arrow);
    button.SetNumGlyphs(1);
    button.Invalidate();
}
}  // namespace

void TAsgSpinButton::SetUpGlyph(const TGraphic* Value) { loadGlyph(*upButton_, Value, "AsgSpinUp"); }
void TAsgSpinButton::SetDownGlyph(const TGraphic* Value) { loadGlyph(*downButton_, Value, "AsgSpinDown"); }

void TAsgSpinButton::SetDirection(TSpinDirection Value) {
    if (direction_ == Value) return;
    direction_ = Value;
    if (Value == spHorizontal) {
        upButton_->ButtonDirection = bdRight;
        downButton_->ButtonDirection = bdLeft;
        SetWidth(20);
    } else {
        upButton_->ButtonDirection = bdUp;
        downButton_->ButtonDirection = bdDown;
        SetWidth(15);
    }
    Invalidate();
}

void TAsgSpinButton::adjustSize(int& W, int& H) {
    if (direction_ == spVertical) {
        W = std::max(W, 15);
        upButton_->SetBounds(0, 0, W, H / 2);
        const int uh = upButton_->Height();
        downButton_->SetBounds(0, uh - 1, W, H - uh + 1);
    } else {
        W = std::max(W, 20);
        downButton_->SetBounds(0, 0, W / 2, H);
        upButton_->SetBounds(W / 2 + 1, 0, W / 2, H);
    }
}

void TAsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    adjustSize(AWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TAsgSpinButton::Loaded() {
    int w = Width(), h = Height();
    adjustSize(w, h);
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TAsgSpinButton::setFocusBtn(TExTimerSpeedButton* Button) {
    if (!TabStop || !CanFocus() || Button == focusedButton_) return;
    focusedButton_->TimeBtnState &= ~tbFocusRect;
    focusedButton_->Invalidate();
    focusedButton_ = Button;
    if (Focused()) {
        focusedButton_->TimeBtnState |= tbFocusRect;
        focusedButton_->Invalidate();
    }
}

void TAsgSpinButton::buttonMouseDown(TObject* Sender, TMouseButton Button) {
    if (Button != mbLeft) return;
    setFocusBtn(Sender == upButton_ ? upButton_ : downButton_);
    if (focusControl_ && focusControl_->TabStop && focusControl_->CanFocus() && !focusControl_->Focused())
        focusControl_->SetFocus();
    else if (TabStop && !Focused() && CanFocus())
        SetFocus();
}

void TAsgSpinButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m.Msg == WM_SETFOCUS) focusedButton_->TimeBtnState |= tbFocusRect;
        else focusedButton_->TimeBtnState &= ~tbFocusRect;
        focusedButton_->Invalidate();
        return;
    case WM_GETDLGCODE:
        m.Result = 1;
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

void TAsgSpinButton::KeyDown(uint16_t& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_SPACE: focusedButton_->Click(); break;
    case VK_UP:
        setFocusBtn(upButton_);
        upButton_->Click();
        break;
    case VK_DOWN:
        setFocusBtn(downButton_);
        downButton_->Click();
        break;
    default: break;
    }
}
