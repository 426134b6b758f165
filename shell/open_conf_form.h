#pragma once

#include "shell/text_block_form.h"

// Lists the existing configurations and opens the chosen one.
class TFOpenConf : public TTextBlockForm {
public:
    explicit TFOpenConf(TComponent* AOwner) : TTextBlockForm(AOwner, 200, 205) {}
};

extern TFOpenConf* FOpenConf;
