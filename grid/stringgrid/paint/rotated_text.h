#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/controls/control.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;

// Where the top-left of Text turned by Angle degrees (counter-clockwise) starts so that the
// turned text sits in R by the alignments; R is taken 2 pixels in on every side.
TPoint RotatedTextOrigin(TCanvas& Canvas, TRect R, int Angle, TVAlignment VA, TAlignment HA, const QString& Text);

// The room a text of Extent (width x height) takes turned by Angle degrees, with a margin of 12.
TSize TurnedTextExtent(TSize Extent, int Angle);
