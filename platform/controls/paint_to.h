#pragma once

class TCanvas;
class TWinControl;

// Paints a control, as it would paint itself, onto canvas with its top-left corner at (X, Y) and
// clipped to its size: for drawing a control's picture into another window's painting.
void PaintControlTo(TWinControl& Control, TCanvas& Canvas, int X, int Y);
