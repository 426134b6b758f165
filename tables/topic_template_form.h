#pragma once

#include "common/state/text_block_form.h"

// The editor of an MQTT topic template.
class TFTopicTemplate : public TTextBlockForm {
public:
    explicit TFTopicTemplate(TComponent* AOwner) : TTextBlockForm(AOwner, 1600, 1608, "Tahoma") {}
};

extern TFTopicTemplate* FTopicTemplate;
