// The marks a header cell carries for sorting and filtering: the sorted column's header colours,
// the sort indicator (direction or position in the sort index list) and the filter button glyph.
#include "grid/stringgrid/paint/cell_painter.h"

#include "grid/foundation/color_routines.h"
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/graphics/canvas.h"

#include <vector>

namespace {
void line(TCanvas& Canvas, int X1, int Y1, int X2, int Y2) {
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}
}  // namespace

bool TCellPainter::isSortHeaderCell() const {
    const TSortSettings& sort = g.SortSettings();
    if (!sort.Show || g.FixedRows() <= 0 || g.RowCount() <= g.FixedRows() + 1) return false;
    const int row = g.IsYMergedCell(RealCol, ARow) ? g.FullCell(RealCol, ARow).Bottom : ARow;
    if (row != sort.Row) return false;
    if (RealCol != sort.Column && g.SortIndexes().FindIndex(RealCol) < 0) return false;
    return ACol >= g.FixedCols() || sort.FixedCols;
}

// Only the first column of an index sort gets the plain indicator unless positions are shown.
bool TCellPainter::sortIndicatorShown() const {
    return g.SortIndexes().FindIndex(RealCol) < 1 || g.SortSettings().IndexShow;
}

int TCellPainter::sortIndicatorY() const {
    switch (VA) {
    case vtaCenter: return Rect.Top + (Rect.Bottom - Rect.Top) / 2;
    case vtaBottom: return Rect.Bottom - 8;
    default: return Rect.Top + 8;
    }
}

bool TCellPainter::drawSortedHeaderBackground() {
    const TSortSettings& sort = g.SortSettings();
    if (sort.Column < 0 || sort.HeaderColor() == clNone || RealCol != sort.Column || ARow != g.FixedRows() - 1)
        return false;
    if (ACol < g.FixedCols() && !sort.FixedCols) return false;
    DrawMirroredGradient(canvas, Rect, sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                         sort.HeaderMirrorColorTo(), true, clNone, false, true);
    return true;
}

bool TCellPainter::filterGlyphWanted() {
    return ARow == g.FilterDropDownRow && g.HasFilterValues(RealCol);
}

void TCellPainter::drawFilterGlyph() {
    const TFilterDropDown& drop = g.FilterDropDown();
    const TBitmap& glyph = g.Filter().HasFilter(RealCol) ? drop.GlyphActive() : drop.Glyph();
    const TRect at{Rect.Right - 16, Rect.Top, Rect.Right, Rect.Top + 16};
    if (!glyph.Empty()) canvas.DrawTransparent(at.Left, at.Top, glyph);
    else DrawTransparentResBitmap(canvas, g.FixedColor(), at, QStringLiteral("ASGFILT"));
}

void TExStringGrid::DrawSortIndicator(TCanvas& ACanvas, int ACol, int X, int Y) {
    const TSortSettings& sort = SortSettings();
    const TSortIndexList& indexes = SortIndexes();
    // Only a column in the index list gets a mark while positions are shown.
    const int position = indexes.FindIndex(ACol);
    if (sort.IndexShow && position < 0) return;
    const TPen savedPen = ACanvas.Pen;
    const TBrush savedBrush = ACanvas.Brush;
    ACanvas.Pen.Width = 1;
    if (sort.IndexShow) {
        const bool glyphs = !sort.IndexUpGlyph().Empty() && !sort.IndexDownGlyph().Empty();
        const bool ascending = indexes.SortDirections(position);
        ACanvas.Brush.Color = sort.IndexColor;
        ACanvas.Pen.Color = clBlack;
        if (glyphs) {
            ACanvas.DrawTransparent(X - 7, Y - 7, ascending ? sort.IndexDownGlyph() : sort.IndexUpGlyph());
        } else if (ascending) {
            ACanvas.Polygon(std::vector<TPoint>{{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
        } else {
            ACanvas.Polygon(std::vector<TPoint>{{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        }
        const TFont savedFont = ACanvas.Font;
        ACanvas.Font.SetColor(clBlack);
        ACanvas.Font.SetSize(6);
        ACanvas.Brush.Style = bsClear;
        ACanvas.TextOut(X - 2, ascending ? Y - 2 : Y - 4, QString::number(position + 1));
        ACanvas.Font = savedFont;
    } else if (sort.UpGlyph().Empty() || sort.DownGlyph().Empty()) {
        if (sort.Direction == sdDescending) {
            ACanvas.Pen.Color = clWhite;
            line(ACanvas, X + 4, Y - 4, X, Y + 4);
            ACanvas.Pen.Color = clGray;
            ACanvas.LineTo(X - 4, Y - 4);
            ACanvas.LineTo(X + 4, Y - 4);
        } else {
            ACanvas.Pen.Color = clWhite;
            line(ACanvas, X - 4, Y + 4, X + 4, Y + 4);
            ACanvas.LineTo(X, Y - 4);
            ACanvas.Pen.Color = clGray;
            ACanvas.LineTo(X - 4, Y + 4);
        }
    } else {
        ACanvas.DrawTransparent(X - 4, Y - 4, sort.Direction == sdDescending ? sort.DownGlyph() : sort.UpGlyph());
    }
    ACanvas.Pen = savedPen;
    ACanvas.Brush = savedBrush;
}
