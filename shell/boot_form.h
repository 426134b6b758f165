#pragma once

#include "shell/text_block_form.h"

// The device update dialog; it applies its texts each time it is shown.
class TFBoot : public TTextBlockForm {
public:
    explicit TFBoot(TComponent* AOwner) : TTextBlockForm(AOwner, 1000, 1037) {}

protected:
    void Loaded() override;
    void FormCreate(TObject* Sender) override;
};

extern TFBoot* FBoot;
