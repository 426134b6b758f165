#include "config/server/iec61850_variables_form.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;
