// The area that no cell covers: right of the last column and below the last row.
#include "grid/foundation/color_routines.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/canvas.h"

#include <vector>

namespace {
constexpr int SearchFooterHeight = 32;
}

void TExStringGrid::Paint() {
    TBaseGrid::Paint();
    const TBackGround& back = BackGround();
    if (!back.Bitmap.Empty() || back.ColorTo != clNone) PaintBackgroundArea(Canvas());
    if (OnPainted) OnPainted(this);
}

void TExStringGrid::PaintBackgroundArea(TCanvas& ACanvas) {
    const TBackGround& back = BackGround();
    const bool gradient = back.Display == bdGradientHorz || back.Display == bdGradientVert;
    // Only the gradient is drawn here; a background picture is left to the cells.
    if (!gradient || back.ColorTo == clNone || !back.Bitmap.Empty()) return;
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const bool lastColShown = LeftCol() + VisibleColCount() > lastCol;
    const bool lastRowShown = TopRow() + VisibleRowCount() > lastRow;
    if (!lastColShown && !lastRowShown) return;

    TRect client = ClientRect();
    if (SearchFooter().Visible()) client.Bottom -= SearchFooterHeight;
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
    for (const TRect& band : bands) {
        ACanvas.SaveDC();
        ACanvas.IntersectClipRect(band);
        GradientFillRect(ACanvas, back.Color, back.ColorTo, 128, client, back.Display == bdGradientHorz);
        ACanvas.RestoreDC();
    }
}
