#include "config/network/network_access_form.h"

TFPROFINET_Network_Access* FPROFINET_Network_Access = nullptr;
