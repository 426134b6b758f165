#pragma once

#include "platform/graphics/color.h"

#include <QString>
#include <cstdint>

// Colours of the markup.

// "clred", "clnavy", "clbtnface" ... compared exactly (callers lower-case the name); black for any
// other name.
TColor ColorNameToColor(const QString& AName);
// Two upper-case hexadecimal digits as a byte; 0 for a text shorter than two characters.
uint8_t HexPairToByte(const QString& Pair);
// "#RRGGBB"; missing pairs read as 0.
TColor HexToColor(const QString& Hex);
