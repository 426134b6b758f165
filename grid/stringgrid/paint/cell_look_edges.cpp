// The 3D edges that the classic, button-like and soft looks give fixed cells.
#include "grid/stringgrid/paint/cell_painter.h"

#include "grid/foundation/color_routines.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

namespace {
void line(TCanvas& Canvas, int X1, int Y1, int X2, int Y2) {
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}
}  // namespace

void TCellPainter::drawLookEdges() {
    const TPen saved = canvas.Pen;
    canvas.Pen.Width = 1;
    const bool horzLines = g.Options() & goFixedHorzLine, vertLines = g.Options() & goFixedVertLine;
    const TColor shade = HalveColor(g.FixedColor());
    switch (g.Look) {
    case glClassic: {
        TRect r{Rect.Left + 1, Rect.Top + 1, Rect.Right, Rect.Bottom + 1};
        TRect edge = r;
        DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_LEFT);
        edge = r;
        DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_TOP);
        edge = r;
        DrawEdge(canvas, edge, BDR_RAISEDINNER | BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
        canvas.Pen.Color = clBlack;
        canvas.MoveTo(r.Right - 1, r.Top);
        canvas.LineTo(r.Right - 1, r.Bottom - 1);
        canvas.LineTo(r.Left - 1, r.Bottom - 1);
        break;
    }
    case glDUD:
    case glXP: {
        const TRect r{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1};
        if (horzLines) {
            canvas.Pen.Color = shade;
            line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
        }
        canvas.Pen.Color = clWhite;
        canvas.MoveTo(r.Right - 2, r.Top + 1);
        canvas.LineTo(r.Left + 1, r.Top + 1);
        canvas.LineTo(r.Left + 1, r.Bottom - 1);
        break;
    }
    case glSoft: {
        const TRect r{Rect.Left, Rect.Top, Rect.Right + 1, Rect.Bottom + 1};
        if (horzLines) {
            canvas.Pen.Color = shade;
            line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
            canvas.Pen.Color = clWhite;
            canvas.MoveTo(r.Right, r.Top + 1);
            canvas.LineTo(r.Left + 1, r.Top + 1);
            canvas.LineTo(r.Left + 1, r.Bottom - 1);
        }
        if (vertLines) {
            canvas.Pen.Color = shade;
            line(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
            canvas.Pen.Color = clWhite;
            line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        }
        break;
    }
    default: break;
    }
    canvas.Pen = saved;
}
