#include "tables/receive_can_form.h"

TFReceiveCAN* FReceiveCAN = nullptr;
