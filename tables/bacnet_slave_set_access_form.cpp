#include "tables/bacnet_slave_set_access_form.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;
