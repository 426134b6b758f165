#include "config/banks/bank_files.h"

void Create_Bin() {}

bool Save_Bin() { return true; }
