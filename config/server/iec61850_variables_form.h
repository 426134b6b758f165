#pragma once

#include "shell/common/text_block_form.h"

// The IEC 61850 server variables table (IEC61850_Variables.xml).
class TFIEC61850_Variables : public TTextBlockForm {
public:
    explicit TFIEC61850_Variables(TComponent* AOwner) : TTextBlockForm(AOwner, 2400, 2445) {}
};

extern TFIEC61850_Variables* FIEC61850_Variables;
