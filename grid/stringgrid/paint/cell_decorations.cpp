// The decoration a cell's graphic record asks for, placed beside or around the text. Check
// boxes, the comment mark and the appearance-driven progress bar are drawn here so far; the other
// kinds keep their place (and hide the text where they replace it) but draw nothing yet.
#include "grid/foundation/color_routines.h"
#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/visual_styles.h"
#include "grid/stringgrid/paint/cell_painter.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

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
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctTriStateCheckBox:
        drawCheckKind(*Graphic, {Rect.Left + g.XYOffset.X - 1, Rect.Top + g.XYOffset.Y - 1,
                                 Rect.Right - g.XYOffset.X + 1, Rect.Bottom - g.XYOffset.Y + 1});
        break;
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

// A check box placed by the text's alignment beside the text, vertically by the record's
// placement (or the cell's alignment where it differs from the grid's).
void TCellPainter::drawCheckKind(const TCellGraphic& G, TRect R) {
    const int size = d.ControlLook->CheckSize;
    const bool noText = G.CellType == ctDataCheckBox || G.CellType == ctVirtCheckBox || G.CellType == ctRowCheckBox;
    const int tw = TextWidth > 0 ? TextWidth + 2 : 0;
    int left = R.Left + 1;
    if (HA == taRightJustify) left = (noText ? R.Right : R.Right - tw) - size - 1;
    else if (HA == taCenter)
        left = noText || tw < 1 ? R.Left + std::max(0, R.Width() - size) / 2
                                : R.Left + std::max(0, R.Width() - tw) / 2 - size;
    if (left < R.Left) left = R.Left + 1;
    TCellVAlign valign = G.CellVAlign;
    if (VA != d.VAlignment) valign = VA == vtaCenter ? vaCenter : VA == vtaBottom ? vaBottom : vaTop;
    int top = R.Top + 1;
    if (valign == vaBottom) top = R.Bottom - 1 - size;
    else if (valign == vaCenter) top = size < R.Height() ? R.Top + (R.Height() - size) / 2 : R.Top + 1;
    else if (valign == vaUnderText) top = R.Bottom - size;
    else if (valign == vaFull) top = R.Top;

    bool enabled = true;
    g.CanEditCell(RealCol, ARow, enabled);
    bool checked = G.CellBoolean, grayed = G.CellAngle > 0;
    if (G.CellType == ctDataCheckBox || G.CellType == ctVirtCheckBox) {
        QString checkTrue;
        g.GetCheckTrue(RealCol, ARow, checkTrue);
        checked = g.GetGridCell(RealCol, ARow) == checkTrue;
        grayed = false;
    } else if (G.CellType == ctTriStateCheckBox) {
        checked = G.CellCheckBoxState == cbChecked;
        grayed = G.CellCheckBoxState == cbGrayed || G.CellAngle > 0;
    }
    drawCheckBox({left, top, left + size, top + size}, checked, enabled, grayed);
}

// Styles without a picture of their own on this platform (the bitmap styles) and the themed
// style without visual styles are drawn as the classic frame control.
void TCellPainter::drawCheckBox(TRect R, bool Checked, bool Enabled, bool Grayed) {
    const TControlLook& look = *d.ControlLook;
    if (look.NoDisabledCheckRadioLook || look.CheckAlwaysActive) Enabled = true;
    const TControlStyle style = look.ControlStyle;
    if (style == csGlyph) {
        TBitmap glyph;
        glyph.Assign(Checked ? look.CheckedGlyph() : look.UnCheckedGlyph());
        if (!glyph.Empty()) DrawTransparentBitmap(canvas, glyph, canvas.Brush.Color, R);
        return;
    }
    if (style == csTheme && ExXPVS().IsThemeActive()) {
        if (HTHEME theme = ExXPVS().OpenThemeData(g.Handle(), QStringLiteral("button"))) {
            const int state = (Grayed ? 9 : Checked ? 5 : 1) + (Enabled ? 0 : 3);
            ExXPVS().DrawThemeBackground(theme, canvas, 3, state, R, nullptr);
            ExXPVS().CloseThemeData(theme);
            return;
        }
    }
    unsigned state = DFCS_BUTTONCHECK;
    if (Checked || Grayed) state |= DFCS_CHECKED;
    if (style == csFlat) state |= DFCS_FLAT;
    if (!Enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(canvas, R, DFC_BUTTON, state);
}
