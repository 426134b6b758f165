#include "profinet/catalog/catalog.h"

TPROFINET_Catalog* PROFINET_Catalog_Obj = nullptr;
