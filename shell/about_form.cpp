#include "shell/about_form.h"

#include "platform/controls/label.h"
#include "shell/buttons/lb_button.h"
#include "shell/buttons/lb_button_look.h"
#include "shell/dialog_frame.h"
#include "shell/program_state.h"

TFAbout* FAbout = nullptr;

namespace {
TLabel* addLabel(TForm& form, const QString& text, int left, int top, bool bold = false) {
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(text);
    if (bold) label->Font().SetStyle(fsBold);
    return label;
}
}  // namespace

void TFAbout::Loaded() {
    BorderStyle = bsSingle;
    BorderIcons = biSystemMenu;
    Position = poScreenCenter;
    SetColor(Dialog_Background);
    Font().SetName("Verdana");
    SetBounds(0, 0, 425, 148);
    SetCaption("About");
    Label1 = addLabel(*this, "Software Loomwright ", 110, 12, true);
    Label2 = addLabel(*this, Build_SW_Desc, 110, 32);
    Label6 = addLabel(*this, "Software Code : ", 110, 56);
    Label9 = addLabel(*this, Build_SW_Code, 240, 56);
    Label3 = addLabel(*this, "Version :", 110, 76);
    Label10 = addLabel(*this, "1.001", 240, 76);
    LbButton1 = new TLbButton(this);
    LbButton1->SetParent(this);
    LbButton1->SetBounds(330, 110, 80, 26);
    LbButton1->SetCaption("OK");
    LbButton1->ModalResult = mrOk;
    LbButton1->Default = true;
    Set_Window_Button_Look(*LbButton1);
    Set_Button_Glyph(*LbButton1, "BTN_OK");
}
