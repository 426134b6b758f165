#include "grid/stringgrid/filter/no_active_form.h"

#include "platform/controls/layered_windows.h"

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) { BorderStyle = bsNone; }

void TNoActiveForm::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    Params.Style |= WS_POPUP | WS_DISABLED;
    if (StayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
}

void TNoActiveForm::CreateWnd() {
    TForm::CreateWnd();
    if (AlphaBlend)
        if (TLayeredWindows* layered = LayeredWindows())
            layered->SetLayeredWindowAttributes(this, clNone, AlphaBlendValue, LWA_ALPHA);
}

void TNoActiveForm::WndProc(TMessage& Message) {
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TForm::WndProc(Message);
    if (Message.Msg == WM_ACTIVATE) Message.Result = 1;
}
