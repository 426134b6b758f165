// The area that no cell covers: right of the last column and below the last row.
#include "grid/foundation/color_routines.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/canvas.h"

#include <vector>

namespace {
constexpr int SearchFooterHeight = 32;
}

void TExStringGrid::Paint() {
    TBaseGrid::Paint();
    paintPushedFixedCell(Canvas());
    if (EditorMode()) paintEditFrame(Canvas());
    const TBackGround& back = BackGround();
    if (!back.Bitmap.Empty() || back.ColorTo != clNone) PaintBackgroundArea(Canvas());
    paintFixedSizingLine(Canvas());
    if (OnPainted) OnPainted(this);
}

// The cell under an open editor keeps its grid lines, drawn over whatever the editor left.
void TExStringGrid::paintEditFrame(TCanvas& ACanvas) {
    const bool lines = GridLineWidth() >= 1 && (Options() & (goHorzLine | goVertLine));
    const TPen savedPen = ACanvas.Pen;
    const TBrush savedBrush = ACanvas.Brush;
    ACanvas.Pen.Style = psSolid;
    ACanvas.Pen.Width = 1;
    ACanvas.Pen.Color = lines ? GridLineColor() : Color();
    ACanvas.Brush.Style = bsClear;
    ACanvas.Rectangle(CellRect(Col(), Row()));
    ACanvas.Pen = savedPen;
    ACanvas.Brush = savedBrush;
    ACanvas.Pen.Color = clBlack;
}

void TExStringGrid::PaintBackgroundArea(TCanvas& ACanvas) {
    const TBackGround& back = BackGround();
    const bool gradient = back.Display == bdGradientHorz || back.Display == bdGradientVert;
    if (gradient && back.ColorTo == clNone) return;
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const bool lastColShown = LeftCol() + VisibleColCount() > lastCol;
    const bool lastRowShown = TopRow() + VisibleRowCount() > lastRow;
    if (!lastColShown && !lastRowShown) return;

    TRect client = ClientRect();
    if (SearchFooter().Visible()) client.Bottom -= SearchFooterHeight;
    if (FloatingFooter().Visible) client.Bottom -= FloatingFooter().Height;
    std::vector<TRect> bands;
    if (lastColShown) {
        const TRect last = CellRect(lastCol, TopRow());
        const int right = last.Right + GridLineWidth();
        if (last.Right > last.Left && right < client.Right) bands.push_back({right, client.Top, client.Right, client.Bottom});
    }
    if (lastRowShown) {
        const TRect last = CellRect(LeftCol(), lastRow);
        const int bottom = last.Bottom + GridLineWidth();
        if (last.Bottom > last.Top && bottom < client.Bottom) bands.push_back({client.Left, bottom, client.Right, client.Bottom});
    }
    // Tiles start where the cells' tiling starts, so that the picture runs on past the last cell.
    TPoint tileOrigin{client.Left, client.Top};
    if (back.Cells == bcNormal) {
        const TRect first = CellRect(FixedCols(), FixedRows());
        tileOrigin = {first.Left + XYOffset.X, first.Top + XYOffset.Y};
    }
    for (const TRect& band : bands) {
        ACanvas.SaveDC();
        ACanvas.IntersectClipRect(band);
        if (back.Bitmap.Empty()) {
            if (gradient) GradientFillRect(ACanvas, back.Color, back.ColorTo, 128, client, back.Display == bdGradientHorz);
        } else if (back.Display != bdTile) {
            DrawBackgroundBitmapAt(ACanvas, band);
        } else if (back.Cells != bcFixed) {
            TileBackgroundBitmap(ACanvas, {tileOrigin.X + 1, tileOrigin.Y + 1, band.Right, band.Bottom});
        }
        ACanvas.RestoreDC();
    }
}

void TExStringGrid::DrawBackgroundBitmapAt(TCanvas& ACanvas, TRect R) {
    const TBackGround& back = BackGround();
    const TRect picture{back.Left, back.Top, back.Left + back.Bitmap.Width(), back.Top + back.Bitmap.Height()};
    if (picture.Right <= R.Left || picture.Left >= R.Right || picture.Bottom <= R.Top || picture.Top >= R.Bottom) return;
    ACanvas.SaveDC();
    ACanvas.IntersectClipRect(R);
    ACanvas.Draw(picture.Left, picture.Top, back.Bitmap);
    ACanvas.RestoreDC();
}

void TExStringGrid::TileBackgroundBitmap(TCanvas& ACanvas, TRect R) {
    const TBitmap& bitmap = BackGround().Bitmap;
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w <= 0 || h <= 0) return;
    ACanvas.SaveDC();
    ACanvas.IntersectClipRect(R);
    for (int y = R.Top - 1; y < R.Bottom; y += h)
        for (int x = R.Left - 1; x < R.Right; x += w) ACanvas.Draw(x, y, bitmap);
    ACanvas.RestoreDC();
}
