#include "tables/snmp_trap_form.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;
