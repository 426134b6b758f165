#pragma once

#include "shell/text_block_form.h"

// The general communication parameters of the gateway (ParGen.xml).
class TFParGen : public TTextBlockForm {
public:
    explicit TFParGen(TComponent* AOwner) : TTextBlockForm(AOwner, 400, 405) {}
};

extern TFParGen* FParGen;
