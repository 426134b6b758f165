#pragma once

// What the colour and image picker editors chose, read in a unit of their own: the drop-down
// headers and the grid's header name some event types alike.

#include "platform/graphics/color.h"

#include <QString>

class TObject;

// False when Sender is no colour picker (image picker).
bool PickedColor(TObject* Sender, TColor& Color, QString& ColorText);
bool PickedImage(TObject* Sender, int& ItemIndex);
