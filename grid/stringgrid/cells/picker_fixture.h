#pragma once

// Colour and image pickers for the grid's tests, made in a unit of their own: the drop-down
// headers and the grid's header name some event types alike.

#include "platform/graphics/color.h"

class TComponent;
class TObject;

TObject* MakeColorPicker(TComponent* Owner, TColor Color);
TObject* MakeImagePicker(TComponent* Owner, int Items, int ItemIndex);
