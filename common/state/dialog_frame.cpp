#include "common/state/dialog_frame.h"

#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/mouse.h"
#include "platform/controls/panel.h"
#include "platform/controls/scroll_codes.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"

#include <climits>

void Set_Window_Look(TForm& form, int clientWidth, int clientHeight, const char* fontName) {
    form.BorderStyle = bsSingle;
    form.BorderIcons = biSystemMenu;
    form.Position = poScreenCenter;
    form.SetColor(Dialog_Background);
    form.Font().SetName(QString::fromLatin1(fontName));
    form.Font().SetHeight(-11);
    form.SetBounds(0, 0, clientWidth, clientHeight);
}

TDialogFrame Build_Dialog_Frame(TForm& form, int clientWidth, int clientHeight, const char* fontName) {
    Set_Window_Look(form, clientWidth, clientHeight, fontName);

    TDialogFrame f;
    f.P_Title = new TPanel(&form);
    f.P_Title->Name = "P_Title";
    f.P_Title->SetParent(&form);
    f.P_Title->SetBounds(0, 0, clientWidth, 69);
    f.P_Title->BevelOuter = bvNone;
    f.P_Title->SetColor(Dialog_Background);
    f.P_Title->Anchors = akLeft | akTop | akRight;

    f.L_SW_Code = new TLabel(&form);
    f.L_SW_Code->Name = "L_SW_Code";
    f.L_SW_Code->SetParent(f.P_Title);
    f.L_SW_Code->SetBounds(16, 8, 0, 0);
    f.L_SW_Code->Font().SetHeight(-27);
    f.L_SW_Code->Font().SetColor(clGray);

    f.L_SW_Desc = new TLabel(&form);
    f.L_SW_Desc->Name = "L_SW_Desc";
    f.L_SW_Desc->SetParent(f.P_Title);
    f.L_SW_Desc->SetBounds(16, 44, 0, 0);
    f.L_SW_Desc->Font().SetColor(clGray);
    f.L_SW_Desc->Font().SetStyle(fsBold);

    f.P_Button = new TPanel(&form);
    f.P_Button->Name = "P_Button";
    f.P_Button->SetParent(&form);
    f.P_Button->SetBounds(0, clientHeight - 40, clientWidth, 40);
    f.P_Button->BevelOuter = bvNone;
    f.P_Button->SetColor(Dialog_Background);
    f.P_Button->Anchors = akLeft | akRight | akBottom;

    f.Btn_OK = new TLbButton(&form);
    f.Btn_OK->Name = "Btn_OK";
    f.Btn_OK->SetParent(f.P_Button);
    f.Btn_OK->SetBounds(clientWidth - 200, 7, 90, 26);
    f.Btn_OK->Anchors = akTop | akRight;
    Set_Window_Button_Look(*f.Btn_OK);
    Set_Button_Glyph(*f.Btn_OK, "BTN_OK");

    f.Btn_Cancel = new TLbButton(&form);
    f.Btn_Cancel->Name = "Btn_Cancel";
    f.Btn_Cancel->SetParent(f.P_Button);
    f.Btn_Cancel->SetBounds(clientWidth - 100, 7, 90, 26);
    f.Btn_Cancel->Anchors = akTop | akRight;
    Set_Window_Button_Look(*f.Btn_Cancel);
    Set_Button_Glyph(*f.Btn_Cancel, "BTN_CANCEL");
    f.Btn_Cancel->ModalResult = mrCancel;
    f.Btn_Cancel->Cancel = true;
    return f;
}

void TDialogFrame::Buttons_Last_In_Tab_Order() const { P_Button->SetTabOrder(INT_MAX); }

void Set_Tab_Order(std::initializer_list<TWinControl*> Controls) {
    int order = 0;
    for (TWinControl* control : Controls) control->SetTabOrder(order++);
}

bool Wheel_Scrolls(TWinControl& Box, int WheelDelta, TPoint MousePos) {
    if (!Box.ClientRect().Contains(Box.ScreenToClient(MousePos))) return false;
    const uint16_t code = WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int line = 0; line < Mouse.WheelScrollLines(); ++line) {
        SendMessage(Box.Handle(), WM_VSCROLL, code, 0);
        SendMessage(Box.Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
    }
    return true;
}
