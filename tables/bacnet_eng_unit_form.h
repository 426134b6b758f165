#pragma once

#include "common/state/text_block_form.h"

// The picker of a BACnet engineering unit.
class TFBACnet_Eng_Unit : public TTextBlockForm {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner) : TTextBlockForm(AOwner, 2100, 2108) {}
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
