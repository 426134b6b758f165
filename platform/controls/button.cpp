#include "platform/controls/button.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
    TabStop = true;
}

void TButton::setPushed(bool Value) {
    if (pushed_ == Value) return;
    pushed_ = Value;
    Invalidate();
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        setPushed(true);
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) setPushed(false);
    TWinControl::MouseUp(Button, Shift, X, Y);
}

void TButton::KeyDown(uint16_t& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE) setPushed(true);
}

void TButton::KeyUp(uint16_t& Key, TShiftState Shift) {
    const bool click = Key == VK_SPACE && pushed_;
    if (Key == VK_SPACE) setPushed(false);
    if (click) Click();
    TWinControl::KeyUp(Key, Shift);
}

void TButton::DoExit() {
    setPushed(false);
    TWinControl::DoExit();
}

void TButton::PaintWindow(TCanvas& Canvas) {
    TRect r = ClientRect();
    DrawFrameControl(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed_ ? unsigned(DFCS_PUSHED) : 0u));
    Canvas.Font.Assign(Font());
    if (!Enabled()) Canvas.Font.SetColor(clGrayText);
    Canvas.Brush.Style = bsClear;
    TRect text = r;
    if (pushed_) text = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    Canvas.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Canvas.Brush.Style = bsSolid;
    if (Focused()) {
        TRect focus{r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4};
        Canvas.DrawFocusRect(focus);
    }
}
