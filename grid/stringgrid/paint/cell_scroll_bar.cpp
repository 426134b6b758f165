// A cell with a scroll bar of its own shows the bar at its right edge while the text is longer
// than a page; the text beside it is moved up by the bar's position.
#include "grid/stringgrid/paint/cell_painter.h"
#include "platform/controls/paint_to.h"
#include "platform/controls/scroll_bar.h"
#include "platform/graphics/canvas.h"

namespace {
constexpr int CellScrollBarWidth = 17;
}

void TCellPainter::drawCellScrollBar() {
    if (!Graphic || Graphic->CellType != ctScrollbar) return;
    const int page = Graphic->CellAngle, range = Graphic->CellErrFrom;
    if (page >= range) return;
    if (!d.FPaintScrollBar) d.FPaintScrollBar = new TScrollBar(&g);
    TScrollBar& bar = *d.FPaintScrollBar;
    bar.SetBounds(0, 0, CellScrollBarWidth, Rect.Height());
    bar.SetInfo({0, range, page, Graphic->CellIndex, Graphic->CellIndex});
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    const TFont font = canvas.Font;
    PaintControlTo(bar, canvas, Rect.Right - CellScrollBarWidth, Rect.Top);
    canvas.Pen = pen;
    canvas.Brush = brush;
    canvas.Font.Assign(font);
    Rect.Right -= CellScrollBarWidth;
    ScrollBarShown = true;
    ScrollPos = Graphic->CellIndex;
}
