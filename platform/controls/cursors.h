#pragma once

#include "platform/controls/control.h"
#include "platform/graphics/graphic.h"

// The program's own cursors beside the system's: a picture whose TransparentColor pixels are
// see-through, and the pixel of it that points. A window whose Cursor is a registered id shows
// the picture; an id nobody registered shows the arrow.
struct TRegisteredCursor {
    TBitmap Picture;
    TPoint HotSpot;
};

void RegisterCursor(TCursor Id, const TBitmap& Picture, TPoint HotSpot);
// nullptr for an id never registered.
const TRegisteredCursor* FindRegisteredCursor(TCursor Id);
