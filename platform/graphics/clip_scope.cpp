#include "platform/graphics/clip_scope.h"

#include "platform/graphics/canvas.h"

#include <QPainter>
#include <QPainterPath>

TClipScope::TClipScope(TCanvas& canvas, const TRect& r) : canvas_(canvas) {
    canvas_.Painter()->save();
    canvas_.Painter()->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
}

TClipScope::~TClipScope() { canvas_.Painter()->restore(); }

TShapeClipScope::TShapeClipScope(TCanvas& canvas, const TRect& r, int CornerWidth, int CornerHeight) : canvas_(canvas) {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), CornerWidth / 2.0, CornerHeight / 2.0);
    canvas_.Painter()->save();
    canvas_.Painter()->setClipPath(shape, Qt::IntersectClip);
}

TShapeClipScope::~TShapeClipScope() { canvas_.Painter()->restore(); }
