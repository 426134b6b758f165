#pragma once

#include "platform/controls/control.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A rectangle, rounded rectangle or ellipse in the pen and brush; with a height of 1 it is a line.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    TShapeType Shape = stRectangle;
    TPen Pen;
    TBrush Brush;

protected:
    void Paint(TCanvas& canvas) override;
};
