#include "platform/controls/paint_to.h"

#include "platform/controls/control.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/message_ids.h"

#include <QPainter>

void PaintControlTo(TWinControl& Control, TCanvas& Canvas, int X, int Y) {
    QPainter* painter = Canvas.Painter();
    painter->save();
    painter->translate(X, Y);
    painter->setClipRect(0, 0, Control.Width(), Control.Height(), Qt::IntersectClip);
    Control.Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&Canvas));
    painter->restore();
}
