// The lines that follow the mouse while a column or a row is being sized.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {

// Black in not-xor mode inverts the pixels, so the second stroke over the same place erases.
void invertingLine(TCanvas& ACanvas, int x1, int y1, int x2, int y2) {
    const TPen saved = ACanvas.Pen;
    ACanvas.Pen.Color = clBlack;
    ACanvas.Pen.Width = 1;
    ACanvas.Pen.Style = psDot;
    ACanvas.Pen.Mode = pmNotXor;
    ACanvas.MoveTo(x1, y1);
    ACanvas.LineTo(x2, y2);
    ACanvas.Pen = saved;
}

} // namespace

void TExStringGrid::DrawColSizingLine(TCanvas& ACanvas, int X) {
    // A last row out of view gives an empty rectangle, and the control's height wins.
    const TRect last = CellRect(LeftCol(), RowCount() - 1);
    invertingLine(ACanvas, X, 0, X, std::max(Height(), last.Bottom));
}

void TExStringGrid::DrawRowSizingLine(TCanvas& ACanvas, int Y) {
    const TRect last = CellRect(ColCount() - 1, TopRow());
    invertingLine(ACanvas, 0, Y, std::max(Width(), last.Right), Y);
}
