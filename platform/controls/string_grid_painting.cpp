// Painting of the platform's string grid: only the cells that meet the area to repaint.
#include "platform/controls/string_grid.h"

#include "platform/controls/string_grid_p.h"
#include "platform/graphics/canvas.h"

TGridDrawState TStringGrid::drawState(int ACol, int ARow) const {
    if (ACol < d->Cols.Fixed || ARow < d->Rows.Fixed) return gdFixed;
    TGridDrawState state = 0;
    const bool focusedCell = d->Current == TGridCoord{ACol, ARow} && Focused();
    if (focusedCell) state |= gdFocused;
    // The focused current cell shows as focused, not selected, unless the options say otherwise.
    if (Selection().Contains(ACol, ARow) && (!focusedCell || (d->Options & (goDrawFocusSelected | goRowSelect))))
        state |= gdSelected;
    return state;
}

void TStringGrid::drawLines(TCanvas& canvas, const TRect& r, bool fixed) {
    const int lw = d->GridLineWidth;
    if (lw <= 0) return;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = fixed ? clBtnShadow : clSilver;
    if (d->Options & (fixed ? goFixedVertLine : goVertLine)) canvas.FillRect({r.Right, r.Top, r.Right + lw, r.Bottom + lw});
    if (d->Options & (fixed ? goFixedHorzLine : goHorzLine)) canvas.FillRect({r.Left, r.Bottom, r.Right + lw, r.Bottom + lw});
}

void TStringGrid::Paint() {
    TCanvas& canvas = Canvas();
    const TRect dirty = canvas.ClipRect();
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(dirty);
    const TAxisLayout cols = colLayout(), rows = rowLayout();
    const bool defaultDrawing = d->DefaultDrawing;
    // Each walk runs over the indexes in view and skips those wholly outside the dirty area.
    rows.ForEachInView([&](int r, int y) {
        if (y + rows.Step(r) <= dirty.Top || y >= dirty.Bottom) return true;
        cols.ForEachInView([&](int c, int x) {
            if (x + cols.Step(c) <= dirty.Left || x >= dirty.Right) return true;
            const TRect rect{x, y, x + d->Cols.Size(c), y + d->Rows.Size(r)};
            const TGridDrawState state = drawState(c, r);
            if (defaultDrawing) {
                canvas.Brush.Style = bsSolid;
                canvas.Brush.Color = (state & gdFixed) ? d->FixedColor : (state & gdSelected) ? clHighlight : Color();
                canvas.FillRect(rect);
            }
            DrawCell(c, r, rect, state);
            drawLines(canvas, rect, state & gdFixed);
            return true;
        });
        return true;
    });
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (!d->DefaultDrawing) return;
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    if ((AState & gdSelected) && !(AState & gdFixed)) canvas.Font.SetColor(clHighlightText);
    canvas.Brush.Style = bsClear;
    canvas.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
}
