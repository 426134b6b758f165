#include "platform/graphics/clip_scope.h"

#include "platform/graphics/canvas.h"

#include <QPainter>

TClipScope::TClipScope(TCanvas& canvas, const TRect& r) : canvas_(canvas) {
    canvas_.Painter()->save();
    canvas_.Painter()->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
}

TClipScope::~TClipScope() { canvas_.Painter()->restore(); }
