#pragma once

#include "shell/text_block_form.h"

// The catalog of PROFINET devices, from which the network editor picks one.
class TFPROFINETCatalog : public TTextBlockForm {
public:
    explicit TFPROFINETCatalog(TComponent* AOwner) : TTextBlockForm(AOwner, 1300, 1304) {}
};

extern TFPROFINETCatalog* FPROFINETCatalog;
