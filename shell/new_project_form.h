#pragma once

#include "shell/text_block_form.h"

// Asks the name of a new configuration and creates it.
class TFNew_Project : public TTextBlockForm {
public:
    explicit TFNew_Project(TComponent* AOwner) : TTextBlockForm(AOwner, 100, 110) {}
};

extern TFNew_Project* FNew_Project;
