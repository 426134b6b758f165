// The base grid's cell painter: backgrounds with hover, active-row and selection styles, its
// own grid lines, merged ranges painted whole from their base cell.
#include "grid/foundation/base_grid.h"

#include "grid/foundation/color_routines.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {
// The colours of a rounded selection bar.
struct TSelectionPalette {
    TColor Color, ColorTo, MirrorColor, MirrorColorTo, InnerTop, InnerBottom, Border, Corner;
};

constexpr TSelectionPalette VistaFocused{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
constexpr TSelectionPalette Win7Focused{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
constexpr TSelectionPalette Office2007Focused{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                              0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
constexpr TSelectionPalette Unfocused{0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};

const TSelectionPalette& focusedPalette(TGridSelectionStyle style) {
    switch (style) {
    case ssWin7: return Win7Focused;
    case ssOffice2007: return Office2007Focused;
    default: return VistaFocused;
    }
}

// The segment of a selected cell by its place in the selected columns.
int selectionSegment(int left, int right, int col) {
    if (left == col && col < right) return 1;
    if (left < col && col == right) return 2;
    if (left < col && col < right) return 3;
    return 0;
}

// A grid line of a pen of the given width, centred on the line as a wide pen draws it.
void gridLine(TCanvas& canvas, int width, TPoint from, TPoint to) {
    // Side by side one-pixel lines: a wide pen's round ends would reach into the next cells.
    const int penWidth = canvas.Pen.Width;
    canvas.Pen.Width = 1;
    const bool horizontal = from.Y == to.Y;
    for (int d = -(width / 2); d <= (width - 1) / 2; ++d) {
        const int dx = horizontal ? 0 : d, dy = horizontal ? d : 0;
        canvas.MoveTo(from.X + dx, from.Y + dy);
        canvas.LineTo(to.X + dx, to.Y + dy);
    }
    canvas.Pen.Width = penWidth;
}
}  // namespace

void TBaseGrid::Paint() {
    TObjStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    DrawCellEx(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    DrawCellEx(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    DrawCellEx(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DrawCellEx(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Draw) {
    if (ARow == RowCount() - 1 && FHideLastRow) {
        ACanvas.Brush.Color = Color();
        ACanvas.Pen.Color = Color();
        ACanvas.Rectangle(ARect);
        return;
    }
    int bc = ACol, br = ARow;
    if (!ResolveBaseCell(ACol, ARow, bc, br)) {
        // A range is painted whole from its base cell once per pass, whichever of its cells
        // comes first.
        TCellProperties* base = GetCellProperties(bc, br);
        if (base->FPaintID == FPaintID) return;
        base->FPaintID = FPaintID;
        PaintCell(ACanvas, bc, br, ARect, AState);
        return;
    }

    const bool fixedCell = Draw && IsFixed(ACol, ARow);
    if (fixedCell) AState = (AState | gdFixed) & ~gdSelected;
    if (Draw) ARect = CellRect(ACol, ARow);

    // A scrolled range must not paint over the fixed cells.
    const int W = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int H = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const bool clip = (ACol >= FixedCols() && FixedCols() > 0 && ARect.Left < W) ||
                      (ARow >= FixedRows() && FixedRows() > 0 && ARect.Top < H);
    if (clip) ACanvas.SetClipRect({W, H, ClientRect().Right, ClientRect().Bottom});

    ACanvas.Pen.Width = 1;
    ACanvas.Font.Assign(Font());
    // The base leaves the visuals alone, so they start from the grid's own colour.
    ACanvas.Brush.Color = Color();
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = WordWrap;
    TCellGradientDirection GD = GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas.Brush, ColorTo, MirrorColor, MirrorColorTo,
                        ACanvas.Font, HA, VA, WW, GD);
    ACanvas.Pen.Color = ACanvas.Brush.Color;

    if (ARow == FHoverRowIdx && HoverRow && !((AState & gdSelected) && !HoverRowCells.Contains(hcSelected)) &&
        !((AState & gdFixed) && !HoverRowCells.Contains(hcFixed))) {
        ACanvas.Brush.Color = HoverRowColor;
        ColorTo = HoverRowColorTo;
        MirrorColor = MirrorColorTo = clNone;
        GD = GradientVertical;
    }
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
        (!Draw && (AState & gdSelected))) {
        ACanvas.Brush.Color = FActiveRowColor;
        ColorTo = FActiveRowColorTo;
        MirrorColor = FActiveRowMirrorColor;
        MirrorColorTo = FActiveRowMirrorColorTo;
    }
    ACanvas.Pen.Color = ACanvas.Brush.Color;
    const TColor background = ACanvas.Brush.Color;

    paintBackground(ACanvas, ACol, ARect, AState, ColorTo, MirrorColor, MirrorColorTo, GD);
    paintLines(ACanvas, ACol, ARect, AState, background);

    TRect content = ARect;
    if (AState & gdFixed) {
        content.Right -= 1;
        content.Bottom -= 2;
    } else {
        content = {ARect.Left + FGridLineWidth, ARect.Top + FGridLineWidth, ARect.Right - FGridLineWidth,
                   ARect.Bottom - FGridLineWidth};
    }
    if (Draw) DrawCellContent(ACanvas, ACol, ARow, content, AState);

    if (clip) ACanvas.ResetClip();
    ACanvas.Brush.Style = bsSolid;
    ACanvas.Pen.Style = psSolid;
}

void TBaseGrid::paintBackground(TCanvas& ACanvas, int ACol, TRect ARect, TGridDrawState AState, TColor ColorTo,
                                TColor MirrorColor, TColor MirrorColorTo, TCellGradientDirection GD) {
    const TColor color = ACanvas.Brush.Color;
    if ((AState & gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
        const TGridRect sel = Selection();
        const int segment = selectionSegment(std::min(sel.Left, sel.Right), std::max(sel.Left, sel.Right), ACol);
        if (!(Options() & goHorzLine)) ++ARect.Bottom;
        if (!(Options() & goVertLine)) ++ARect.Right;
        const TSelectionPalette& p =
            (Focused() || (Options() & goDrawFocusSelected)) ? focusedPalette(FSelectionStyle) : Unfocused;
        DrawSelectionGradient(ACanvas, p.Color, p.ColorTo, p.MirrorColor, p.MirrorColorTo, p.InnerTop, p.InnerBottom,
                              p.Border, p.Corner, Color(), ARect, segment);
        return;
    }
    if (UsesVCLStyles() && (AState & (gdFixed | gdSelected))) return;
    if (MirrorColorTo == clNone)
        GradientFillRect(ACanvas, color, ColorTo, 64, ARect, GD == GradientHorizontal);
    else
        DrawMirroredGradient(ACanvas, ARect, color, ColorTo, MirrorColor, MirrorColorTo, true, clNone, false, true);
}

void TBaseGrid::paintLines(TCanvas& ACanvas, int ACol, const TRect& ARect, TGridDrawState AState,
                           TColor Background) {
    const bool fixedCell = AState & gdFixed;
    int width = 1, lw = 1;
    if (fixedCell) {
        ACanvas.Pen.Color = FGridFixedLineColor;
    } else {
        // Without a line width the lines keep the cell's background.
        ACanvas.Pen.Color = FGridLineWidth > 0 ? FGridLineColor : Background;
        width = std::max(1, FGridLineWidth);
        lw = (FGridLineWidth + 1) / 2;
    }
    ACanvas.Pen.Width = width;
    const TGridOptions options = Options();
    const bool horz = fixedCell ? (options & goFixedHorzLine) : (options & goHorzLine);
    const bool vert = fixedCell ? (options & goFixedVertLine) : (options & goVertLine);
    // Node rows show their tree lines in column 0 instead.
    if (horz && !(ACol == 0 && HasNodes()))
        gridLine(ACanvas, width, {ARect.Left - lw + 1, ARect.Bottom - lw}, {ARect.Right - lw + 1, ARect.Bottom - lw});
    if (vert)
        gridLine(ACanvas, width, {ARect.Right - lw, ARect.Bottom - lw}, {ARect.Right - lw, ARect.Top - lw});
    ACanvas.Pen.Width = 1;
}

int TBaseGrid::FixedColsWidth() const {
    int w = 0;
    for (int i = 0; i < FixedCols(); ++i) w += ColWidths(i);
    return w;
}

int TBaseGrid::FixedRowsHeight() const {
    int h = 0;
    for (int i = 0; i < FixedRows(); ++i) h += RowHeights(i);
    return h;
}

void TBaseGrid::repaintMerges(int c1, int r1, int c2, int r2) {
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintFixedColMerges() {
    if (FixedCols() > 0) repaintMerges(0, TopRow(), FixedCols() - 1, TopRow() + VisibleRowCount());
}

void TBaseGrid::RepaintFixedRowMerges() {
    if (FixedRows() > 0) repaintMerges(LeftCol(), 0, LeftCol() + VisibleColCount(), FixedRows() - 1);
}

void TBaseGrid::TopLeftChanged() {
    TObjStringGrid::TopLeftChanged();
    RepaintFixedColMerges();
    RepaintFixedRowMerges();
}
