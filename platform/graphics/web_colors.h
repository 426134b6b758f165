#pragma once

#include "platform/graphics/graphics_objects.h"

#include <QString>

// The name of a colour among the 138 named web colours ("clWebSnow"), or "#RRGGBB" for any
// other; system colours are resolved first.
QString ColorToWebColorName(TColor Color);
