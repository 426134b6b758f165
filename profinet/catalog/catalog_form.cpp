#include "profinet/catalog/catalog_form.h"

TFPROFINETCatalog* FPROFINETCatalog = nullptr;
