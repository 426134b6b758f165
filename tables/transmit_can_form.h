#pragma once

#include "common/state/text_block_form.h"

// The CAN transmit frames table (CAN_Send_Frames.xml).
class TFTransmitCAN : public TTextBlockForm {
public:
    explicit TFTransmitCAN(TComponent* AOwner) : TTextBlockForm(AOwner, 2300, 2363) {}
};

extern TFTransmitCAN* FTransmitCAN;
