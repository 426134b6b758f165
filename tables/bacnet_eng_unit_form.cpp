#include "tables/bacnet_eng_unit_form.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;
