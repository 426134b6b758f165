#include "shell/about_form.h"

#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/shell_execute.h"
#include "platform/system/resources.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/dialog_frame.h"
#include "common/state/program_state.h"
#include "shell/version_check.h"

TFAbout* FAbout = nullptr;

namespace {
constexpr int Client_Width = 425;
constexpr int Client_Height = 148;

TLabel* addLabel(TForm& form, const char* name, const QString& text, int left, int top, bool bold = false) {
    auto* label = Place_Control<TLabel>(form, &form, name, left, top, 0, 0);
    label->SetCaption(text);
    if (bold) label->Font().SetStyle(fsBold);
    return label;
}
}  // namespace

void TFAbout::Loaded() {
    Set_Window_Look(*this, Client_Width, Client_Height);
    SetCaption("About");

    Image2 = Place_Control<TImage>(*this, this, "Image2", 12, 12, 81, 81);
    Image2->Stretch = true;
    Image2->Transparent = true;
    Image2->SetCursor(crHandPoint);
    Image2->Picture().LoadFromData(LoadResourceData("BTN_INFO"));
    Label1 = addLabel(*this, "Label1", "Software Loomwright ", 110, 12, true);
    Label2 = addLabel(*this, "Label2", {}, 110, 30);
    Label6 = addLabel(*this, "Label6", "Software Code : ", 110, 52);
    Label9 = addLabel(*this, "Label9", {}, 240, 52);
    Label3 = addLabel(*this, "Label3", "Version :", 110, 70);
    Label10 = addLabel(*this, "Label10", {}, 240, 70);
    Label8 = addLabel(*this, "Label8", "Document Code :", 110, 88);
    Label12 = addLabel(*this, "Label12", {}, 240, 88);
    Label4 = addLabel(*this, "Label4", QString(Maker_Web_Site).remove(QStringLiteral("http://")), 12, 116);
    Label4->SetCursor(crHandPoint);
    Label4->Font().SetColor(clNavy);
    Label4->Font().SetStyle(fsUnderline);
    for (TControl* c : {static_cast<TControl*>(Image2), static_cast<TControl*>(Label4)})
        c->OnClick = [this](TObject* s) { Label4Click(s); };

    LbButton1 = Place_Control<TLbButton>(*this, this, "LbButton1", 330, 110, 80, 26);
    LbButton1->SetCaption("OK");
    LbButton1->ModalResult = mrOk;
    LbButton1->Default = true;
    // The box's one button is also the way out by Esc: it has nothing to cancel.
    LbButton1->Cancel = true;
    Set_Window_Button_Look(*LbButton1);
    Set_Button_Glyph(*LbButton1, "BTN_OK");
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFAbout::FormShow(TObject*) {
    Label2->SetCaption(Build_SW_Desc);
    Label9->SetCaption(QStringLiteral("SWQX372"));
    Label10->SetCaption(Software_Version);
    Label12->SetCaption(QStringLiteral("MNQX372"));
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
}

void TFAbout::Label4Click(TObject*) { ShellOpenUrl(Home_Page_Url()); }
