#include "platform/controls/shape.h"

#include "platform/graphics/canvas.h"

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 65, 65); }

void TShape::Paint(TCanvas& canvas) {
    canvas.Pen = Pen;
    canvas.Brush = Brush;
    TRect r = ClientRect();
    if (Shape == stSquare || Shape == stRoundSquare || Shape == stCircle) {
        const int side = std::min(r.Width(), r.Height());
        r = Bounds((r.Width() - side) / 2, (r.Height() - side) / 2, side, side);
    }
    switch (Shape) {
    case stRoundRect:
    case stRoundSquare:
        canvas.RoundRect(r, std::min(r.Width(), r.Height()) / 4, std::min(r.Width(), r.Height()) / 4);
        break;
    case stEllipse:
    case stCircle:
        canvas.Ellipse(r);
        break;
    default:
        canvas.Rectangle(r);
        break;
    }
}
