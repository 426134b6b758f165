#include "grid/stringgrid/paint/cell_painter.h"

#include "grid/foundation/codings.h"
#include "grid/foundation/color_routines.h"
#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/grid_options.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/link_routines.h"
#include "grid/foundation/visual_styles.h"
#include "grid/foundation/number_routines.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/clip_scope.h"
#include "platform/graphics/text_line.h"

#include <algorithm>
#include <optional>

namespace {
constexpr int TextTypeHTML = 1, TextTypeRTF = 2, TextTypeFormula = 3;

unsigned horizontalFlag(TAlignment HA) {
    switch (HA) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
    }
}

unsigned verticalFlag(TVAlignment VA) {
    switch (VA) {
    case vtaCenter: return DT_VCENTER;
    case vtaBottom: return DT_BOTTOM;
    default: return 0;
    }
}
}  // namespace

void TExStringGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TCellPainter(*this, ACanvas, ACol, ARow, ARect, AState).Paint();
}

TCellPainter::TCellPainter(TExStringGrid& Grid, TCanvas& Canvas, int Col, int Row, TRect R, TGridDrawState State)
    : g(Grid), d(Grid.Private()), canvas(Canvas), ACol(Col), ARow(Row), ARect(R), AState(State), Rect(R),
      RealCol(Grid.DisplToRealCol(Col)), WW(Grid.WordWrap) {
    FixedLook = g.IsFixed(ACol, ARow) || ACol < g.FixedCols() || ARow < g.FixedRows();
    if (ARow == g.FHoverRowIdx && g.HoverRowCells.Contains(hcFixed)) FixedLook = false;
}

void TCellPainter::Paint() {
    takeGraphicExtent();
    drawCellScrollBar();
    g.GetVisualProperties(ACol, ARow, AState, false, false, true, canvas.Brush, ColorTo, MirrorColor, MirrorColorTo,
                          canvas.Font, HA, VA, WW, GD);
    if ((AState & gdSelected) && !(AState & gdFocused) && d.SelectionColor == clNone) canvas.Brush.Color = clHighlight;
    if (g.ZoomFactor != 0) canvas.Font.SetSize(canvas.Font.Size() + g.ZoomFactor);
    FilterGlyph = filterGlyphWanted();
    SavedBrush = canvas.Brush.Color;
    SavedFontColor = canvas.Font.Color();

    if (FixedLook) drawFixedBackground();
    const int indicatorWidth = drawRowIndicator();
    if (FixedLook && g.Look == glListView && !d.Flat) drawListViewHeader();
    drawModifiedMark();
    g.OnCustomCellBkgDraw(&g, canvas, RealCol, ARow, AState, ARect, false);

    const int rightBeforeButtons = Rect.Right;
    drawAlwaysVisibleButtons();
    // An interfaced cell may ask to lie under the text.
    IGridCellInterface* const interfaced = interfacedCell();
    const bool drawnFirst = interfaced && interfaced->DrawFirst();
    if (drawnFirst) {
        const TRect kept = Rect;
        Rect = {Rect.Left - 1, Rect.Top - 1, Rect.Right + 1, Rect.Bottom + 1};
        drawCellGraphic();
        Rect = kept;
    }
    const bool hidesText = g.NoDefaultDraw && (static_cast<bool>(g.OnCustomCellDraw) || static_cast<bool>(g.OnDrawCell));
    if (!hidesText && !(Graphic && g.NoImageAndText)) drawCellText(Rect);
    Rect.Right = rightBeforeButtons;
    Rect.Left -= indicatorWidth;

    canvas.Brush.Color = SavedBrush;
    canvas.Font.SetColor(SavedFontColor);
    Rect = {Rect.Left - 1, Rect.Top - 1, Rect.Right + 1, Rect.Bottom + 1};
    drawCellBorders();
    if (FixedLook && !d.Flat) drawLookEdges();
    drawRightFixedLines();
    drawRowTreeLines();
    if (Graphic && !drawnFirst) {
        if (FixedLook) ++Rect.Top;
        drawCellGraphic();
    }

    fireDrawCell();
    g.OnCustomCellDraw(&g, canvas, RealCol, ARow, AState, Rect, false);
    drawFocusRect();
}

// The looks from glDUD on paint fixed cells as a vertical gradient over the base background.
void TCellPainter::drawFixedBackground() {
    const TGridLook look = g.Look;
    if (look != glDUD && look != glXP && look != glVista && look != glWin7 && look != glOffice2007) return;
    if (drawHoveredHeader()) return;
    if (d.ActiveCellShow) {
        const int d0 = ACol;
        if ((ARow == g.Row() && d0 == g.FixedCols() - 1 && g.FixedCols() > 0) ||
            (d0 == g.Col() && ARow == g.FixedRows() - 1 && g.FixedRows() > 0)) {
            DrawMirroredGradient(canvas, Rect, d.ActiveCellColor, d.ActiveCellColorTo, clNone, clNone, true, clNone,
                                 false, true);
            return;
        }
    }
    if (drawSortedHeaderBackground() || d.Flat) return;
    DrawMirroredGradient(canvas, Rect, canvas.Brush.Color, ColorTo, MirrorColor, MirrorColorTo, true,
                         look == glVista ? clWhite : clNone, true, true);
}

// The fixed cell under the mouse in the hover colours, pressed in the down colours; a column
// with a drop-down button splits the two at its button.
bool TCellPainter::drawHoveredHeader() {
    if (!g.IsHoverFixedCell(ACol, ARow) || ACol != d.FHoverFixedX || ARow != d.FHoverFixedY) return false;
    if (g.GridState() == gsColMoving) return false;
    const TRect r{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1};
    auto hover = [&](TRect R) {
        DrawMirroredGradient(canvas, R, g.DUDGradientHoverFrom, g.DUDGradientHoverTo, g.DUDGradientHoverMirrorFrom,
                             g.DUDGradientHoverMirrorTo, true, g.DUDGradientHoverBorder, false, true);
    };
    auto down = [&](TRect R) {
        DrawMirroredGradient(canvas, R, g.DUDGradientDownFrom, g.DUDGradientDownTo, g.DUDGradientDownMirrorFrom,
                             g.DUDGradientDownMirrorTo, true, g.DUDGradientDownBorder, false, true);
    };
    const bool dropButton = d.ControlLook->FixedDropDownButton && g.CanShowFixedDropDown(RealCol);
    const TRect button{r.Right - 16, r.Top, r.Right, r.Bottom}, rest{r.Left, r.Top, r.Right - 16, r.Bottom};
    if (!d.FMouseDown) hover(r);
    else if (dropButton) {
        down(rest);
        hover(button);
    } else {
        down(r);
    }
    if (dropButton) {
        const TPen saved = canvas.Pen;
        canvas.Pen.Color = d.FMouseDown ? g.DUDGradientDownBorder : g.DUDGradientHoverBorder;
        canvas.MoveTo(r.Right - 16, r.Top);
        canvas.LineTo(r.Right - 16, r.Bottom);
        canvas.Pen = saved;
        DrawDownTriangle(canvas, r.Right - 8, r.Top + 8, clBlack);
        Rect.Right -= 16;
    }
    return true;
}

void TCellPainter::fireDrawCell() {
    if (!g.OnDrawCell) return;
    const int lw = g.GridLineWidth();
    g.OnDrawCell(&g, RealCol, ARow, {Rect.Left + 1, Rect.Top + 1, Rect.Right - lw, Rect.Bottom - lw}, AState);
}

// A list-view header is the platform's header item, or without visual styles a plain face
// with a light edge.
void TCellPainter::drawListViewHeader() {
    if (ExXPVS().IsThemeActive()) {
        if (HTHEME theme = ExXPVS().OpenThemeData(g.Handle(), QStringLiteral("header"))) {
            // The item under the pointer is hot, pressed while the left button is held on it.
            const TPoint mouse = d.FTimerMousePos;
            const TGridCoord under = mouse.X >= 0 ? g.MouseCoord(mouse.X, mouse.Y) : TGridCoord{-1, -1};
            const bool over = under.X == ACol && under.Y == ARow;
            const bool pressed = over && GetCaptureControl() == &g;
            const int part = over ? 1 : 3, state = !over ? 1 : pressed ? 3 : 2;
            ExXPVS().DrawThemeBackground(theme, canvas, part, state, {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1},
                                         nullptr);
            ExXPVS().CloseThemeData(theme);
            const TPen savedPen = canvas.Pen;
            canvas.Pen.Color = clWhite;
            canvas.MoveTo(Rect.Left, Rect.Top);
            canvas.LineTo(Rect.Right, Rect.Top);
            canvas.Pen = savedPen;
            return;
        }
    }
    const TPen savedPen = canvas.Pen;
    canvas.Brush.Color = clBtnFace;
    canvas.Pen.Color = clWhite;
    canvas.Pen.Width = 1;
    canvas.Rectangle({Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1});
    canvas.Pen = savedPen;
}

// With disjunct row or column selection the base grid's selection is not what the user chose:
// cells of rows (columns) outside the chosen set are painted as unselected.
void TCellPainter::unselectOutsideDisjunctSelection() {
    const TMouseActions& mouse = g.MouseActions();
    const int selRow = mouse.DisjunctRowSelect() && mouse.RowSelectPersistent ? g.DisplToRealRow(ARow) : ARow;
    const bool outside = (mouse.DisjunctRowSelect() && !g.RowSelect(selRow)) ||
                         (mouse.DisjunctColSelect() && !g.ColSelect(ACol));
    if (!outside) return;
    urlColor = g.URLColor();
    canvas.Brush.Color = g.Color();
    canvas.Font.SetColor(g.Font().Color());
    g.GetCellColor(RealCol, ARow, AState, canvas.Brush, canvas.Font);
    if (g.ZoomFactor != 0) canvas.Font.SetSize(canvas.Font.Size() + g.ZoomFactor);
}

void TCellPainter::drawCellText(TRect TR) {
    const bool fixedCell = g.IsFixed(RealCol, ARow) || (AState & gdFixed);
    urlColor = g.URLColor();
    const bool rowSelected = (g.Options() & goRowSelect) && ARow == g.Row() && ACol >= g.FixedCols() &&
                             ACol < g.ColCount() - g.FixedRightCols();
    if (((AState & gdSelected) || rowSelected) && !fixedCell) {
        if (g.ShowSelection()) {
            if (d.SelectionColor != clNone) canvas.Brush.Color = d.SelectionColor;
            if (d.SelectionTextColor != clNone && g.Enabled()) canvas.Font.SetColor(d.SelectionTextColor);
            urlColor = d.SelectionTextColor;
        } else if (!g.Focused()) {
            canvas.Brush.Color = SavedBrush;
            canvas.Font.SetColor(SavedFontColor);
        }
    }

    QString text = g.GetFormattedCell(RealCol, ARow);
    int type = TextType(text, g.EnableHTML);
    if (type == TextTypeFormula) {
        text = g.GetCalculatedCell(RealCol, ARow);
        type = TextType(text, g.EnableHTML);
    }
    bool password = false;
    g.IsPasswordCell(RealCol, ARow, password);
    if (password) text = QString(text.size(), g.PasswordChar);

    if (!fixedCell && ARow >= g.FixedRows() && !d.FMouseDown) unselectOutsideDisjunctSelection();
    drawBackgroundPicture(TR);
    drawSelectionRectangle(TR);
    // Decorations that replace the text (data check boxes and the like) still get the above.
    if (FilterGlyph) drawFilterGlyph();
    if (!TextToo) return;
    if (fixedCell) {
        TR.Left += g.GridLineWidth();
        TR.Top += g.GridLineWidth();
    }
    // Rich text keeps its own margin of XYOffset on every side.
    if (type == TextTypeRTF && !password) {
        g.DrawRichTextCell(ACol, ARow, TR, canvas);
        return;
    }
    if (!g.XYOffsetTopLeftOnly) TR.Right -= g.XYOffset.X;
    TR.Left += g.XYOffset.X;
    TR.Top += g.XYOffset.Y;
    if (RealCol == 0 && g.HasNodes() && !g.IsNode(ARow)) TR.Left += g.GetRowIndent(ARow);

    std::optional<TClipScope> scrolled;
    if (ScrollBarShown) {
        scrolled.emplace(canvas, Rect);
        TR.Top -= ScrollPos;
    }
    if (type == TextTypeHTML) drawMarkupText(text, TR);
    else drawPlainText(text, TR);
}

void TCellPainter::drawMarkupText(const QString& Text, TRect TR) {
    const bool sortHeader = isSortHeaderCell();
    if (FilterGlyph) TR.Right -= 18;
    TR.Left -= 1;
    if (sortHeader) TR.Right -= 10;
    THTMLDrawOptions options = g.HTMLDrawOptions();
    options.ShadowColor = clGray;
    options.URLColor = urlColor;
    options.WordWrap = !g.EnhTextSize;
    options.HoverOnly = g.URLUnderlineOnHover;
    options.HitX = TR.Left;
    options.HitY = TR.Top;
    // The anchor under the pointer and a BUTTON control held down in this cell.
    if (d.FHoverCell == TPoint{ACol, ARow}) options.HoverAnchor = d.FHoverlink;
    options.MouseDown = d.FCtrlDown && d.FCtrlXY == TPoint{RealCol, ARow};
    THTMLDrawResults results;
    canvas.Brush.Style = bsClear;
    DrawHTMLText(canvas, Text, TR, options, results);
    canvas.Brush.Style = bsSolid;
    if (sortHeader && sortIndicatorShown()) g.DrawSortIndicator(canvas, RealCol, TR.Right + 2, sortIndicatorY());
}

void TCellPainter::drawPlainText(QString Text, TRect TR) {
    const bool url = g.URLShow() && IsURL(Text);
    const TFontStyles style = canvas.Font.Style();
    if (url) {
        if (!g.URLFull()) StripURLProtocol(Text);
        canvas.Font.SetStyle(style | fsUnderline);
        canvas.Font.SetColor(urlColor);
    }
    unsigned flags = unsigned(DT_EXPANDTABS) | unsigned(DT_NOPREFIX) | horizontalFlag(HA) | verticalFlag(VA);
    d.FVAlign = verticalFlag(VA);
    if (LineCount(Text, g.Multilinecells) == 1 && !WW) {
        QString rest = Text;
        Text = GetNextLine(rest, false);
        flags |= DT_SINGLELINE;
        if (g.EnhTextSize) flags |= DT_END_ELLIPSIS;
    } else if (WW && !g.Multilinecells && g.EnhTextSize) {
        flags |= DT_END_ELLIPSIS;
    }
    if (WW || g.Multilinecells) flags |= DT_WORDBREAK;
    else flags |= DT_SINGLELINE;
    const bool sortHeader = isSortHeaderCell();
    if (sortHeader && HA == taCenter) TR.Left += 10;
    if (FilterGlyph) TR.Right -= 16;
    canvas.Brush.Style = bsClear;
    if (Graphic) {
        // Decorations beside the text are placed by its width.
        TRect measured = TR;
        canvas.DrawText(Text, measured, flags | unsigned(DT_CALCRECT));
        TextWidth = measured.Width() + 2;
    }
    canvas.DrawText(Text, TR, flags);
    canvas.Brush.Style = bsSolid;
    if (Graphic && (Graphic->CellType == ctEmpty || Graphic->CellType == ctValue) && Graphic->CellErrLen > 0)
        drawErrorMarker(Text, TR, flags);
    if (sortHeader && sortIndicatorShown()) drawPlainSortIndicator(Text, flags);
    if (url) canvas.Font.SetStyle(style);
}

// The marked characters get a red zigzag under the line where the text was put.
void TCellPainter::drawErrorMarker(const QString& Text, TRect TR, unsigned Flags) {
    TRect measured = TR;
    canvas.DrawText(Text, measured, Flags | unsigned(DT_CALCRECT));
    const int w = measured.Width(), h = measured.Height();
    if (HA == taRightJustify) TR.Left = TR.Right - w;
    else if (HA == taCenter) TR.Left += (TR.Width() - w) / 2;
    if (VA == vtaBottom) TR.Top = TR.Bottom - h;
    else if (VA == vtaCenter) TR.Top += (TR.Height() - h) / 2;
    const TPen saved = canvas.Pen;
    DrawErrorUnderline(&g, canvas, Text, TR, h, Graphic->CellErrFrom, Graphic->CellErrLen);
    canvas.Pen = saved;
}

// Beside the text: after it when left-aligned, before it when right-aligned, at the left when
// centred.
void TCellPainter::drawPlainSortIndicator(const QString& Text, unsigned Flags) {
    TRect cell = Rect;
    if (FilterGlyph) cell.Right -= 16;
    TRect measured = cell;
    canvas.DrawText(Text, measured, Flags | unsigned(DT_CALCRECT));
    const int q = std::max(0, std::min(cell.Width() - 16, measured.Width()));
    const bool graphicFirst =
        Graphic && (Graphic->CellHAlign == haLeft || (Graphic->CellHAlign == haBeforeText && HA == taLeftJustify));
    const int G = graphicFirst ? GW : 0;
    int x = cell.Left + q + G + 10;
    if (HA == taRightJustify) x = cell.Right - q - 10;
    else if (HA == taCenter) x = cell.Left + 8;
    g.DrawSortIndicator(canvas, RealCol, x, sortIndicatorY());
}

void TCellPainter::drawCellBorders() {
    TPen saved = canvas.Pen;
    TCellBorders borders;
    g.GetCellBorder(RealCol, ARow, canvas.Pen, borders);
    if (borders.Empty()) {
        canvas.Pen = saved;
        return;
    }
    TPen left = canvas.Pen, top = canvas.Pen, right = canvas.Pen, bottom = canvas.Pen;
    g.OnGetCellBorderProp(&g, ARow, RealCol, left, top, right, bottom);
    const int e = (canvas.Pen.Width + 1) / 2;
    const int h = (g.Options() & goVertLine) ? e : 0, v = (g.Options() & goHorzLine) ? e : 0;
    const int topBefore = Rect.Top;
    TRect r{Rect.Left + h, Rect.Top + v, Rect.Right - h, Rect.Bottom - v};
    const int lw = g.GridLineWidth();
    if (borders.Contains(cbLeft)) {
        canvas.Pen = left;
        canvas.MoveTo(std::max(0, r.Left), topBefore - v);
        canvas.LineTo(std::max(0, r.Left), r.Bottom);
    }
    if (borders.Contains(cbRight)) {
        canvas.Pen = right;
        canvas.MoveTo(r.Right - 1, topBefore - v);
        canvas.LineTo(r.Right - 1, r.Bottom);
    }
    if (borders.Contains(cbTop)) {
        canvas.Pen = top;
        const int y = lw == 0 ? r.Top + 1 : std::max(0, r.Top - lw);
        canvas.MoveTo(r.Left, y);
        canvas.LineTo(r.Right, y);
    }
    if (borders.Contains(cbBottom)) {
        canvas.Pen = bottom;
        canvas.MoveTo(r.Left - lw - 1, r.Bottom - 1);
        canvas.LineTo(r.Right, r.Bottom - 1);
    }
    canvas.Pen = saved;
}

void TCellPainter::drawFocusRect() {
    if (g.HideFocusRect || !g.Focused() || (g.Options() & goRowSelect)) return;
    int bc = ACol, br = ARow;
    g.ResolveBaseCell(ACol, ARow, bc, br);
    if (bc != g.Col() || br != g.Row() || g.IsFixed(g.Col(), g.Row())) return;
    const int grow = g.GridLineWidth() - 1;
    TRect r{Rect.Left - grow, Rect.Top - grow, Rect.Right + grow - 1, Rect.Bottom + grow - 1};
    canvas.DrawFocusRect(r);
}
