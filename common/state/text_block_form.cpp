#include "common/state/text_block_form.h"

#include "platform/controls/label.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

TTextBlockForm::TTextBlockForm(TComponent* AOwner, int firstTextId, int lastTextId, const char* fontName)
    : TForm(AOwner), firstId_(firstTextId), lastId_(lastTextId), fontName_(fontName) {}

void TTextBlockForm::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, 460, 300, fontName_);
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
