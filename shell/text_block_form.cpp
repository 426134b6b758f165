#include "shell/text_block_form.h"

#include "platform/controls/label.h"
#include "shell/buttons/lb_button.h"
#include "shell/program_state.h"

TTextBlockForm::TTextBlockForm(TComponent* AOwner, int firstTextId, int lastTextId, const char* fontName)
    : TForm(AOwner), firstId_(firstTextId), lastId_(lastTextId), fontName_(fontName) {}

void TTextBlockForm::Loaded() {
    const TDialogFrame frame = Build_Dialog_Frame(*this, 460, 300, fontName_);
    P_Title = frame.P_Title;
    L_SW_Code = frame.L_SW_Code;
    L_SW_Desc = frame.L_SW_Desc;
    P_Button = frame.P_Button;
    Btn_OK = frame.Btn_OK;
    Btn_Cancel = frame.Btn_Cancel;
    Btn_OK->ModalResult = mrOk;
    Btn_OK->SetCaption("OK");
    Btn_Cancel->SetCaption("Cancel");
    OnCreate = [this](TObject* s) { FormCreate(s); };
}

void TTextBlockForm::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TTextBlockForm::Set_Lang() {
    blockTexts_.clear();
    for (int id = firstId_; id <= lastId_; ++id) blockTexts_.append(Lang(id));
    SetCaption(Lang(firstId_));
    L_SW_Desc->SetCaption(Lang(firstId_ + 1));
}
