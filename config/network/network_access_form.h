#pragma once

#include "shell/common/text_block_form.h"

// The PROFINET network editor (PROFINET_Master_Network.xml).
class TFPROFINET_Network_Access : public TTextBlockForm {
public:
    explicit TFPROFINET_Network_Access(TComponent* AOwner) : TTextBlockForm(AOwner, 1100, 1137) {}
};

extern TFPROFINET_Network_Access* FPROFINET_Network_Access;
