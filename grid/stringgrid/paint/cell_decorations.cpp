// The decoration a cell's graphic record asks for, placed beside or around the text. Only the
// comment mark and the appearance-driven progress bar are drawn here so far; the other kinds
// keep their place (and hide the text where they replace it) but draw nothing yet.
#include "grid/foundation/decoration_painters.h"
#include "grid/stringgrid/paint/cell_painter.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {
bool drawsNoText(TCellType type) {
    switch (type) {
    case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctRotated: case ctRadio: case ctProgress:
    case ctRangeIndicator: case ctXPProgress: case ctRating: return true;
    default: return false;
    }
}

int limitPercent(int x) { return std::clamp(x, 0, 100); }
}  // namespace

void TCellPainter::takeGraphicExtent() {
    Graphic = g.GetCellGraphic(RealCol, ARow);
    if (!Graphic || Graphic->CellType == ctNone) {
        Graphic = nullptr;
        return;
    }
    TextToo = !drawsNoText(Graphic->CellType) && !(Graphic->CellType == ctDataImage && g.GetGridImages());
}

void TCellPainter::drawCellGraphic() {
    const TRect outer = Rect;
    const TControlLook& look = *d.ControlLook;
    switch (Graphic->CellType) {
    case ctComment: {
        if (look.CommentColor == clNone) break;
        const TColor colour = Graphic->CellAngle != clNone ? TColor(Graphic->CellIndex) : look.CommentColor;
        canvas.Brush.Color = colour;
        canvas.Pen.Color = colour;
        canvas.Polygon({{outer.Right - 7, outer.Top}, {outer.Right - 2, outer.Top}, {outer.Right - 2, outer.Top + 5}});
        canvas.Brush.Color = g.Color();
        break;
    }
    case ctXPProgress: drawProgress(*Graphic, Rect); break;
    default: break;
    }
}

void TCellPainter::drawProgress(const TCellGraphic& G, TRect R) {
    const TControlLook& look = *d.ControlLook;
    double value = 0;
    try {
        value = g.Floats(RealCol, ARow);
    } catch (const std::exception&) {
    }
    const TGridProgressAppearance& a = g.ProgressAppearance();
    TProgressDrawInfo info;
    info.Level0Color = a.Level0Color;
    info.Level0ColorTo = a.Level0ColorTo;
    info.Level1Color = a.Level1Color;
    info.Level1ColorTo = a.Level1ColorTo;
    info.Level2Color = a.Level2Color;
    info.Level2ColorTo = a.Level2ColorTo;
    info.Level3Color = a.Level3Color;
    info.Level3ColorTo = a.Level3ColorTo;
    info.Level1Perc = a.Level1Perc;
    info.Level2Perc = a.Level2Perc;
    info.BorderColor = a.BorderColor;
    info.ShowBorder = a.ShowBorder;
    info.Stacked = a.Stacked;
    info.ShowPercentage = a.ShowPercentage;
    info.Font = &g.Font();
    info.CompleteFontColor = a.CompleteFontColor;
    info.CompletionSmooth = a.CompletionSmooth;
    info.ShowGradient = a.ShowGradient;
    info.Steps = a.Steps;
    info.BackgroundColor = a.UnCompleteColor == clNone ? SavedBrush : a.UnCompleteColor;
    R = {R.Left + look.ProgressMarginX, R.Top + look.ProgressMarginY, R.Right - look.ProgressMarginX - 1,
         R.Bottom - look.ProgressMarginY - 1};
    // An empty range has no share: the bar then shows nothing done.
    const int range = G.CellErrLen - G.CellErrFrom;
    const int percent = range != 0 ? int(std::lround(std::abs(value - G.CellErrFrom) / range * 100)) : 0;
    DrawExProgressBar(canvas, R, limitPercent(percent), info);
}
