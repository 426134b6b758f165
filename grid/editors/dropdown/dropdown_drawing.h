#pragma once

#include "grid/editors/dropdown/dropdown_types.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;
class TImageList;

// The painting routines the drop-down controls share: bands, boxes and image-and-caption
// faces. They leave the canvas's pen and brush as they last set them.

// Steps bands (0 counts as 1) from FromColor to ToColor over R, left to right or top to
// bottom; each band overlaps the next by one pixel.
void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);
// An 80-band gradient when ColorTo is set, else a solid Color (nothing for clNone), then a
// frame of BorderWidth in BorderColor when both are given; the brush is left clear.
void DrawGradientFrame(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor BorderColor, int BorderWidth,
                       TGradientDirection Direction);
// The image (when Images and ImageIndex give one) four pixels in from R's left, vertically
// centred, then the caption on one line with an ellipsis: centred without an image, after it
// with one.
void DrawImageText(TCanvas& Canvas, TRect R, const QString& Caption, const TImageList* Images, int ImageIndex);
