#include "shell/boot_form.h"

#include "platform/controls/label.h"
#include "shell/program_state.h"

TFBoot* FBoot = nullptr;

void TFBoot::Loaded() {
    TTextBlockForm::Loaded();
    OnShow = [this](TObject*) { Set_Lang(); };
}

void TFBoot::FormCreate(TObject*) { L_SW_Code->SetCaption(SW_Code); }
