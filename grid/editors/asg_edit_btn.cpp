#include "grid/editors/asg_edit_btn.h"

#include "grid/editors/edit_button_layout.h"
#include "grid/foundation/visual_styles.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/theme_service.h"

// ---- TExSpeedButton

void TExSpeedButton::WndProc(TMessage& m) {
    TSpeedButton::WndProc(m);
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        hot_ = m.Msg == CM_MOUSEENTER;
        Invalidate();
    }
}

void TExSpeedButton::Paint(TCanvas& Canvas) {
    const auto* owner = dynamic_cast<const TAsgEditButton*>(Owner());
    TRect r = ClientRect();
    const bool down = state_ == bsDown || state_ == bsExclusive;
    Canvas.Font.Assign(Font());
    bool painted = false;
    if (owner && owner->ButtonColor != clNone) {
        ExFlat = true;
        Canvas.Brush.Color = down ? owner->ButtonColorDown : hot_ ? owner->ButtonColorHot : owner->ButtonColor;
        Canvas.FillRect(r);
        Canvas.Brush.Color = down ? owner->ButtonTextColorDown : hot_ ? owner->ButtonTextColorHot : owner->ButtonTextColor;
        painted = true;
    } else if (IsWinXP && ExXPVS().IsThemeActive()) {
        const TVisualStylesBinding& styles = ExXPVS();
        if (HTHEME theme = styles.OpenThemeData(Parent(), "button")) {
            styles.DrawThemeBackground(theme, Canvas, BP_PUSHBUTTON, down ? PBS_PRESSED : hot_ ? PBS_HOT : PBS_NORMAL, r,
                                       nullptr);
            styles.CloseThemeData(theme);
        }
        painted = true;
    }
    if (!painted) {
        if (!ExFlat) DrawFrameControl(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? unsigned(DFCS_PUSHED) : 0u));
        else DrawEdge(Canvas, r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    if (!Glyph().Empty()) DrawGlyph(Canvas, ClientRect());
    Canvas.Font.SetColor(clBlack);
    Canvas.Brush.Style = bsClear;
    if (down) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    Canvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Canvas.Brush.Style = bsSolid;
}

// ---- TAsgEditButton

TAsgEditButton::TAsgEditButton(TComponent* AOwner) : TWinControl(AOwner) {
    ControlStyle = (ControlStyle & ~unsigned(csAcceptsControls)) | csOpaque;
    button_ = new TExSpeedButton(this);
    button_->SetParent(this);
    button_->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int, int) {
        if (button != mbLeft) return;
        OnClick(this);
        if (focusControl_ && focusControl_->TabStop && focusControl_->CanFocus() && !focusControl_->Focused())
            focusControl_->SetFocus();
        else if (TabStop && !Focused() && CanFocus())
            SetFocus();
    };
    SetBounds(0, 0, 20, 25);
}

void TAsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    button_->SetBounds(0, 0, Width(), Height());
}

void TAsgEditButton::SetFocusControl(TWinControl* Value) {
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = Value;
    if (Value) Value->FreeNotification(this);
}

void TAsgEditButton::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TAsgEditButton::SetFlat(bool Value) {
    flat_ = Value;
    button_->ExFlat = Value;
    button_->Invalidate();
}

// ---- TAsgEditBtn

TAsgEditBtn::TAsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    SetText("0");
    button_ = new TAsgEditButton(this);
    button_->SetBounds(0, 0, 18, 18);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->OnClick = [this](TObject* sender) { ClickButton(sender); };
    Resize();
}

TAsgEditBtn::~TAsgEditBtn() = default;

void TAsgEditBtn::ClickButton(TObject* Sender) { OnClickBtn(Sender); }

void TAsgEditBtn::SetRightAlign(bool Value) {
    rightAlign_ = Value;
    SetAlignment(Value ? taRightJustify : taLeftJustify);
}

void TAsgEditBtn::SetButtonWidth(int Value) {
    buttonWidth_ = Value;
    button_->SetWidth(Value);
    Resize();
}

void TAsgEditBtn::SetIsWinXP(bool Value) {
    isWinXP_ = Value;
    button_->Button()->IsWinXP = Value;
}

void TAsgEditBtn::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_ENTER:
        if (AutoSelect && !MouseCapture()) SelectAll();
        break;
    case WM_PASTE:
    case WM_CUT:
        if (!EditorEnabled || ReadOnly) return;
        break;
    case WM_CHAR:
        if (!EditorEnabled) return;
        break;
    default:
        break;
    }
    TCustomMaskEdit::WndProc(m);
}

void TAsgEditBtn::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !(Shift & (ssCtrl | ssAlt))) ClickButton(this);
}

void TAsgEditBtn::Resize() {
    TCustomMaskEdit::Resize();
    if (!button_) return;
    const int min = EditMinHeight(*this, 0);
    if (Height() < min) {
        SetHeight(min);
        return;
    }
    PlaceRightButton(*this, *button_);
    SetEditRect();
}

void TAsgEditBtn::SetEditRect() {
    const int inset = BorderStyle() == bsNone ? 3 : 1;
    TRect r;
    Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
    r.Right = InnerWidth() - button_->Width() - 5 - unitSize_ - (unitSize_ > 0 ? 3 : 0);
    r.Bottom = InnerHeight() + 1;
    r.Left = inset;
    r.Top = inset;
    Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&r));
}
