#include "platform/system/platform_version.h"

TOSVersion GetOSVersion() { return {6, 1}; }

uint32_t GetCommonControlsVersionMS() { return (6u << 16) | 16u; }

bool KernelExportsGetLocaleInfoEx() { return true; }
