#include "tables/mqtt_set_topic_form.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;
