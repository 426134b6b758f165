#include "config/network/master_access_form.h"

TFPROFINET_Master_Access* FPROFINET_Master_Access = nullptr;
