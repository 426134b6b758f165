#pragma once

#include "shell/common/text_block_form.h"

// The PROFINET slaves access table (PROFINET_Master.xml).
class TFPROFINET_Master_Access : public TTextBlockForm {
public:
    explicit TFPROFINET_Master_Access(TComponent* AOwner) : TTextBlockForm(AOwner, 800, 836) {}
};

extern TFPROFINET_Master_Access* FPROFINET_Master_Access;
