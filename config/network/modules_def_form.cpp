#include "config/network/modules_def_form.h"

TFPROFINET_Modules_Def* FPROFINET_Modules_Def = nullptr;
