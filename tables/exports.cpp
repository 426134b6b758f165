#include "tables/exports.h"

#include "platform/core/exception.h"

namespace {
// The exports belong to the further protocol tables, which this build does not carry yet.
[[noreturn]] void notAvailable() { throw Exception(QStringLiteral("This export is not available in this build.")); }
}  // namespace

void Create_GSD_File() { notAvailable(); }
void Create_MIB_File() { notAvailable(); }
void Create_EDE_File(const QString&) { notAvailable(); }
