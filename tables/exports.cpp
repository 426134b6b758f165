#include "tables/exports.h"

void Create_GSD_File() {}
void Create_MIB_File() {}
void Create_EDE_File(const QString&) {}
