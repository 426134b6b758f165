#pragma once

#include <cstdint>

// What this layer answers where code asks which generation of the desktop platform it runs on,
// before it uses a service that came with a later one. The layer offers all of those it stands
// in for (visual styles, layered windows, locale names), so it reports the generation that
// brought them: version 6.1, common controls 6.16, and the kernel's GetLocaleInfoEx.
struct TOSVersion {
    int Major = 0;
    int Minor = 0;
};

TOSVersion GetOSVersion();
// The common controls' file version, major part in the high word.
uint32_t GetCommonControlsVersionMS();
bool KernelExportsGetLocaleInfoEx();
