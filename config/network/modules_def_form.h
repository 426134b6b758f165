#pragma once

#include "shell/common/text_block_form.h"

// The module definition of one PROFINET device.
class TFPROFINET_Modules_Def : public TTextBlockForm {
public:
    explicit TFPROFINET_Modules_Def(TComponent* AOwner) : TTextBlockForm(AOwner, 1200, 1205) {}
};

extern TFPROFINET_Modules_Def* FPROFINET_Modules_Def;
