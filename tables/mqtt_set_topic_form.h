#pragma once

#include "common/state/text_block_form.h"

// The MQTT topics table (MQTT_Set_Topic.xml).
class TFMQTT_Set_Topic : public TTextBlockForm {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner) : TTextBlockForm(AOwner, 1500, 1598) {}
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
