#pragma once

#include "shell/text_block_form.h"

// The software options: language, connection and table settings.
class TFSoftOptions : public TTextBlockForm {
public:
    explicit TFSoftOptions(TComponent* AOwner) : TTextBlockForm(AOwner, 300, 321) {}
};

extern TFSoftOptions* FSoftOptions;
