#include "grid/editors/dropdown/ex_button.h"

#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/ex_button_appearance.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/watched_reference.h"
#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/controls/keyboard.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {
// Modal results that close the drop-down, and those of them that cancel its changes.
bool closes(int result) {
    switch (result) {
    case mrOk: case mrCancel: case mrAbort: case mrIgnore: case mrYes: case mrNo: case mrAll: case mrNoToAll:
    case mrYesToAll:
        return true;
    default:
        return false;
    }
}
bool cancels(int result) {
    return result == mrCancel || result == mrAbort || result == mrIgnore || result == mrNo || result == mrNoToAll;
}
}  // namespace

TExButton::TExButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 23, 22);
    ControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;
    Font().SetName("Tahoma");
    ShowHint = false;
}

void TExButton::SetAppearance(TExButtonAppearance* Value) {
    appearance_ = Value;
    Invalidate();
}

void TExButton::SetImages(TImageList* Value) {
    SetWatched(*this, images_, Value);
    Invalidate();
}

void TExButton::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_) images_ = nullptr;
}

void TExButton::SetStyle(TExButtonStyle Value) {
    style_ = Value;
    Invalidate();
}

void TExButton::SetDown(bool Value) {
    if (style_ == tasCheck) {
        down_ = Value;
        state_ = Value ? absDown : absUp;
        Invalidate();
        return;
    }
    if (GroupIndex == 0) Value = false;
    if (Value == down_ || (down_ && !AllowAllUp)) return;
    down_ = Value;
    if (!Value) {
        state_ = absUp;
        Invalidate();
        return;
    }
    if (state_ == absUp) Invalidate();
    state_ = absExclusive;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (TControl* other = parent->Controls(i); other != this)
                other->Perform(CM_BUTTONPRESSED, static_cast<uintptr_t>(GroupIndex), reinterpret_cast<intptr_t>(this));
}

void TExButton::buttonPressed(int Group, TExButton* Sender) {
    if (Group != GroupIndex || Sender == this || !Sender) return;
    if (down_) {
        down_ = false;
        state_ = absUp;
        Invalidate();
    }
    AllowAllUp = Sender->AllowAllUp;
}

void TExButton::SizeToContent() {
    if (!appearance_) return;
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(appearance_->Font());
    TSize size = GetTextSize(canvas, Caption());
    if (images_ && ImageIndex >= 0) {
        size.cx = std::max(size.cx, images_->Width);
        size.cy = std::max(size.cy, images_->Height);
    }
    SetBounds(Left(), Top(), size.cx + 8, size.cy + 4);
}

void TExButton::updateState() {
    if (!Enabled()) {
        state_ = absDisabled;
        dragging_ = false;
    } else if (state_ == absDisabled) {
        state_ = down_ && GroupIndex != 0 ? absExclusive : absUp;
    }
    if (style_ == tasCheck && down_) state_ = absDown;
}

void TExButton::Paint() {
    updateState();
    PaintParentBackground(*this, Canvas());
    DrawButton(Canvas());
}

void TExButton::DrawButton(TCanvas& ACanvas) {
    if (!appearance_) return;
    const TExButtonAppearance& a = *appearance_;
    TColor color = a.Color(), colorTo = a.ColorTo(), border = a.BorderColor();
    if (!Enabled()) {
        color = a.ColorDisabled();
        colorTo = a.ColorDisabledTo();
        border = a.BorderColorDisabled();
    } else if (mouseDownInControl_ && mouseInControl_) {
        color = a.ColorDown();
        colorTo = clNone;
        border = a.BorderColorDown();
    } else if (down_) {
        color = a.ColorChecked();
        colorTo = clNone;
        border = a.BorderColorChecked();
    } else if (mouseInControl_ || Focused()) {
        color = a.ColorHot();
        colorTo = clNone;
        border = a.BorderColorHot();
    }
    DrawGradientFrame(ACanvas, ClientRect(), color, colorTo, border, 1, a.Gradient());
    ACanvas.Brush.Style = bsClear;
    ACanvas.Font.Assign(appearance_->Font());
    DrawImageText(ACanvas, ClientRect(), Caption(), images_, ImageIndex);
}

void TExButton::setHover(bool Value) {
    if (mouseInControl_ == Value) return;
    mouseInControl_ = Value;
    if (!Value) hot_ = false;
    if (Enabled()) Invalidate();
}

void TExButton::reevaluateHover(int X, int Y) {
    Perform(ClientRect().Contains({X, Y}) ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TExButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    mouseDownInControl_ = true;
    if (!down_) {
        state_ = absDown;
        Invalidate();
    }
    if (style_ == tasCheck) state_ = absDown;
    dragging_ = true;
}

void TExButton::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (dragging_) {
        const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
        TExButtonState next = inside ? (down_ ? absExclusive : absDown) : (down_ ? absExclusive : absUp);
        if (style_ == tasCheck && down_) next = absDown;
        if (next != state_) {
            state_ = next;
            Invalidate();
        }
    } else if (!mouseInControl_) {
        reevaluateHover(X, Y);
    }
}

void TExButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    mouseDownInControl_ = false;
    Invalidate();
    if (dragging_) {
        dragging_ = false;
        const bool inside = ClientRect().Contains({X, Y});
        if (GroupIndex != 0) {
            if (inside) SetDown(!down_);
            else if (down_) state_ = absExclusive;
            Invalidate();
        } else {
            state_ = absUp;
            mouseInControl_ = false;
            hot_ = false;
            if (style_ == tasCheck) {
                SetDown(!down_);
                state_ = absUp;
            }
            if (inside && !down_) Invalidate();
        }
    }
    reevaluateHover(X, Y);
}

void TExButton::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_RETURN || Key == VK_SPACE) {
        if (!down_) state_ = absDown;
        Invalidate();
        internalClick_ = true;
        const auto alive = alive_.Watch();
        Click();
        if (!*alive) return;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TExButton::Click() {
    // The release of the mouse clicks once its own handling is done: the click may close the
    // pop-up, and with it this button.
    if (releasing_) clickPending_ = true;
    else doClick();
}

void TExButton::doClick() {
    const bool fromKeyboard = internalClick_;
    internalClick_ = false;
    if (TForm* form = ParentForm()) form->SetModalResult(ModalResult);
    const auto alive = alive_.Watch();
    if (dropDown_ && closes(ModalResult)) dropDown_->HideDropDown(cancels(ModalResult));
    if (!*alive || fromKeyboard) return;
    FireEvent(OnClick, this);
}

void TExButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_BUTTONPRESSED:
        buttonPressed(static_cast<int>(m.WParam), reinterpret_cast<TExButton*>(m.LParam));
        return;
    case CM_MOUSEENTER:
        TCustomControl::WndProc(m);
        setHover(true);
        return;
    case CM_MOUSELEAVE:
        TCustomControl::WndProc(m);
        setHover(false);
        return;
    case CM_DIALOGCHAR:
        if (Enabled() && IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption())) {
            m.Result = 1;
            doClick();
            return;
        }
        break;
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_LBUTTONUP: {
        releasing_ = true;
        TCustomControl::WndProc(m);
        releasing_ = false;
        if (!clickPending_) return;
        clickPending_ = false;
        doClick();
        return;
    }
    case CM_ENABLEDCHANGED:
    case CM_ENTER:
    case CM_EXIT:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}
