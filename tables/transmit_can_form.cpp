#include "tables/transmit_can_form.h"

TFTransmitCAN* FTransmitCAN = nullptr;
