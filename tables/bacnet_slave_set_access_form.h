#pragma once

#include "common/state/text_block_form.h"

// The BACnet objects table (BACnet_Slave.xml).
class TFBACnetSlaveSetAccess : public TTextBlockForm {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner) : TTextBlockForm(AOwner, 2000, 2060, "Tahoma") {}
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
