#pragma once

#include "common/state/text_block_form.h"

// The CAN receive frames table (CAN_Rec_Frames.xml).
class TFReceiveCAN : public TTextBlockForm {
public:
    explicit TFReceiveCAN(TComponent* AOwner) : TTextBlockForm(AOwner, 2200, 2258) {}
};

extern TFReceiveCAN* FReceiveCAN;
