// What a cell shows under its text: the grid's background picture (placed once or tiled over
// the cells) or gradient, and the frame of the selection rectangle.
#include "grid/stringgrid/paint/cell_painter.h"

#include "grid/foundation/color_routines.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/canvas.h"

namespace {
bool matchesCells(TBackGroundCells Cells, bool Fixed) {
    return Cells == bcAll || (Cells == bcFixed) == Fixed;
}
}  // namespace

void TCellPainter::drawBackgroundPicture(TRect TR) {
    const TBackGround& back = g.BackGround();
    const bool fixed = FixedLook;
    if (!matchesCells(back.Cells, fixed)) return;
    const bool selected = (AState & gdSelected) != 0, focused = (AState & gdFocused) != 0;
    const int lw = g.GridLineWidth();
    if (!back.Bitmap.Empty() && g.Colors(RealCol, ARow) == clNone && (!selected || !g.ShowSelection())) {
        const TRect r{TR.Left - lw + 1, TR.Top - lw + 1, TR.Right, TR.Bottom};
        if (back.Display == bdTile) drawBackgroundTiled(r);
        else g.DrawBackgroundBitmapAt(canvas, r);
    }
    const bool gradient = back.Display == bdGradientHorz || back.Display == bdGradientVert;
    if (!gradient) return;
    const bool controlCell = Graphic && (Graphic->CellType == ctCheckBox || Graphic->CellType == ctDataCheckBox ||
                                         Graphic->CellType == ctRadio || Graphic->CellType == ctButton ||
                                         Graphic->CellType == ctBitButton);
    const bool selectionHidden = (!selected || focused) && (!focused || !(g.Options() & goDrawFocusSelected));
    if ((g.Colors(RealCol, ARow) == clNone || controlCell) && (selectionHidden || !g.ShowSelection()))
        drawBackgroundGradient({TR.Left - 1, TR.Top - lw, TR.Right, TR.Bottom + lw - 1});
}

// The tiles run on from column to column as if one picture covered the whole grid.
void TCellPainter::drawBackgroundTiled(TRect R) {
    const TBitmap& bitmap = g.BackGround().Bitmap;
    const int w = bitmap.Width(), h = bitmap.Height();
    const bool normalOnly = g.BackGround().Cells == bcNormal;
    int phaseX = 0, phaseY = 0;
    for (int c = normalOnly ? g.FixedCols() : 0; c < ACol; ++c) phaseX += g.ColWidths(c);
    for (int r = normalOnly ? g.FixedRows() : 0; r < ARow; ++r) phaseY += g.RowHeights(r);
    phaseX %= w;
    phaseY %= h;
    // The tiling of the whole grid, shifted so that this cell continues it.
    canvas.SaveDC();
    canvas.IntersectClipRect(R);
    g.TileBackgroundBitmap(canvas, {R.Left - phaseX, R.Top - phaseY, R.Right, R.Bottom});
    canvas.RestoreDC();
}

void TCellPainter::drawBackgroundGradient(TRect R) {
    const TBackGround& back = g.BackGround();
    const bool vertical = back.Display == bdGradientVert;
    const int extent = vertical ? g.Height() : g.Width();
    const TColor from = InterpolateColor(back.Color, back.ColorTo, 0, extent, vertical ? R.Top : R.Left);
    const TColor to = InterpolateColor(back.Color, back.ColorTo, 0, extent, vertical ? R.Bottom : R.Right);
    GradientFillRect(canvas, from, to, 128, R, !vertical);
    canvas.Brush.Color = to;
    canvas.Pen.Color = to;
}

void TCellPainter::drawSelectionRectangle(TRect TR) {
    if (!g.SelectionRectangle() || FixedLook) return;
    int bc = ACol, br = ARow;
    g.ResolveBaseCell(ACol, ARow, bc, br);
    const TGridRect sel = g.Selection();
    if (bc < sel.Left || bc > sel.Right || br < sel.Top || br > sel.Bottom) return;
    const int lw = g.GridLineWidth();
    const TPen saved = canvas.Pen;
    canvas.Pen.Color = g.SelectionRectangleColor;
    canvas.Pen.Width = 2;
    const bool left = bc == sel.Left, right = ACol >= sel.Right, top = br == sel.Top, bottom = ARow >= sel.Bottom;
    if (left) {
        canvas.MoveTo(TR.Left - lw + 1, TR.Bottom);
        canvas.LineTo(TR.Left - lw + 1, TR.Top - lw);
    }
    if (right) {
        canvas.MoveTo(TR.Right - 1, TR.Bottom);
        canvas.LineTo(TR.Right - 1, TR.Top - lw);
    }
    if (top) {
        canvas.MoveTo(TR.Left - lw, TR.Top - lw + 1);
        canvas.LineTo(right ? TR.Right - 1 : TR.Right, TR.Top - lw + 1);
    }
    if (bottom) {
        canvas.MoveTo(TR.Left - lw, TR.Bottom);
        canvas.LineTo(right ? TR.Right - 1 : TR.Right, TR.Bottom);
    }
    if (g.SelectionResizer() && right && bottom) {
        canvas.Brush.Color = g.SelectionRectangleColor;
        canvas.FillRect({TR.Right - 4, TR.Bottom - 4, ARect.Right, ARect.Bottom});
    }
    canvas.Pen = saved;
}
