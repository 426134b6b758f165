#pragma once

#include "grid/editors/dropdown/dropdown_types.h"
#include "platform/graphics/graphics_objects.h"

// Where a drop-down's pop-up opens, in screen coordinates, asked of the platform's screens.

// Below the edit whose top-left corner lies at EditOrigin (overlapping its last pixel row), or
// above it; dpAuto opens below when the pop-up's bottom stays above the bottom of the screen
// that holds the edit, else above.
TPoint DropDownOrigin(TDropPosition Position, TPoint EditOrigin, int EditHeight, TSize FormSize);
// A pop-up at FormOrigin that reaches beyond the right edge of the work area holding
// EditOrigin, while starting left of that edge, is moved left to end on it; nothing else moves.
TPoint KeepDropDownOnWorkArea(TPoint FormOrigin, int FormWidth, TPoint EditOrigin);
