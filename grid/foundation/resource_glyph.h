#pragma once

#include "platform/graphics/graphic.h"
#include "platform/system/resources.h"

// Loads the bitmap compiled into the program under Name and hands it to Set (a glyph setter,
// which copies it).
template <class Setter>
void SetResourceGlyph(Setter Set, const char* Name) {
    TBitmap bitmap;
    bitmap.LoadFromData(LoadResourceData(QLatin1String(Name)));
    Set(bitmap);
}
