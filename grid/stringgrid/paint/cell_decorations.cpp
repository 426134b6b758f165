// The decoration a cell's graphic record asks for, placed beside or around the text. Interfaced
// cells keep their place (and hide the text where they replace it) but draw nothing yet.
#include "grid/foundation/color_routines.h"
#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/file_picture.h"
#include "grid/foundation/themed_buttons.h"
#include "grid/foundation/visual_styles.h"
#include "grid/stringgrid/paint/cell_painter.h"
#include "grid/stringgrid/paint/rotated_text.h"
#include "platform/graphics/canvas.h"
#include "platform/controls/image.h"
#include "platform/controls/image_list.h"
#include "platform/core/string_list.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/graphic.h"

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

// The cell's number, 0 for a text that is none.
template <class Read>
auto numberOrZero(Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const std::exception&) {
        return 0;
    }
}

int limitPercent(int x) { return std::clamp(x, 0, 100); }

int widthOf(const TGraphic* graphic) { return graphic ? graphic->Width() : 0; }
int heightOf(const TGraphic* graphic) { return graphic ? graphic->Height() : 0; }
}  // namespace

// Width and height the decoration takes in its cell; 0 x 0 for the kinds that fill the cell.
static TPoint graphicExtent(TExStringGrid& g, const TControlLook& look, int ACol, int ARow, const TCellGraphic& G) {
    const TImageList* images = g.GetGridImages();
    const int iw = images ? images->Width : 0, ih = images ? images->Height : 0;
    switch (G.CellType) {
    case ctBitmap: return {widthOf(G.Held<TBitmap>()), heightOf(G.Held<TBitmap>())};
    case ctIcon: return {widthOf(G.CellIcon), heightOf(G.CellIcon)};
    case ctImageList: case ctDataImage: return {iw, ih};
    case ctCheckBox: case ctTriStateCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox:
        return {look.CheckSize, look.CheckSize};
    case ctImages: {
        const TIntList* list = G.Held<TIntList>();
        const int n = list ? list->Count() : 0;
        return G.CellBoolean ? TPoint{n * iw, ih} : TPoint{iw, n * ih};
    }
    case ctPicture: case ctFilePicture: {
        const TPoint cell = g.CellSize(ACol, ARow);
        return G.GetPictureSize(cell.X - g.XYOffset.X - 1, cell.Y - g.XYOffset.Y - 1,
                                !g.GetCellEx(ACol, ARow).isEmpty());
    }
    case ctButton: case ctBitButton:
        return {G.CellIndex & 0xFFFF, int(static_cast<uint32_t>(G.CellIndex) >> 16)};
    case ctProgressPie: return {20, 20};
    case ctRadioButton: return {look.RadioSize + 4, look.RadioSize + 4};
    case ctShape: {
        const int side = g.RowHeights(ARow) - 2 * g.XYOffset.Y;
        return {side, side};
    }
    case ctRating: return {G.CellAngle * 18, 16};
    default: return {};
    }
}

void TCellPainter::takeGraphicExtent() {
    Graphic = g.GetCellGraphic(RealCol, ARow);
    if (!Graphic || Graphic->CellType == ctNone) {
        Graphic = nullptr;
        return;
    }
    TextToo = !drawsNoText(Graphic->CellType) && !(Graphic->CellType == ctDataImage && g.GetGridImages());
    const TPoint extent = graphicExtent(g, *d.ControlLook, RealCol, ARow, *Graphic);
    GW = extent.X;
    GH = extent.Y;
}

// Where the decoration goes in R by the record's placement; beside the text it is placed by the
// text's alignment and width.
TRect TCellPainter::placeGraphic(TRect R) const {
    const int tw = TextWidth > 0 ? TextWidth + 2 : 0;
    TRect P = R;
    auto fromLeft = [&](int left) {
        P.Right = left + GW;
        P.Left = left < R.Left ? R.Left + 1 : left;
    };
    switch (Graphic->CellHAlign) {
    case haLeft: fromLeft(R.Left + 1); break;
    case haRight:
        P.Right = R.Right - 1;
        P.Left = P.Right - GW;
        break;
    case haCenter: fromLeft(GW < R.Width() ? R.Left + (R.Width() - GW) / 2 : R.Left + 1); break;
    case haBeforeText:
        fromLeft(HA == taRightJustify ? R.Right - tw - GW
                 : HA == taCenter     ? R.Left + (R.Width() - tw - GW) / 2
                                      : R.Left + 1);
        break;
    case haAfterText:
        if (HA == taRightJustify) {
            P.Right = R.Right - 1;
            P.Left = P.Right - GW;
        } else {
            fromLeft(HA == taCenter ? R.Left + tw + (R.Width() - tw - GW) / 2 : R.Left + tw);
        }
        break;
    case haFull: break;
    }
    switch (Graphic->CellVAlign) {
    case vaTop: case vaAboveText: P.Top = R.Top + 1; P.Bottom = P.Top + GH; break;
    case vaBottom: P.Bottom = R.Bottom - 1; P.Top = P.Bottom - GH; break;
    case vaCenter:
        P.Top = GH < R.Height() ? R.Top + (R.Height() - GH) / 2 : R.Top + 1;
        P.Bottom = P.Top + GH;
        break;
    case vaUnderText: P.Top = R.Bottom - GH; P.Bottom = R.Bottom; break;
    case vaFull: break;
    }
    return P;
}

void TCellPainter::drawCellGraphic() {
    const TCellType type = Graphic->CellType;
    const bool fillsCell = type == ctNode || type == ctProgress || type == ctRangeIndicator || type == ctXPProgress;
    const TRect R = fillsCell ? Rect
                              : TRect{Rect.Left + g.XYOffset.X - 1, Rect.Top + g.XYOffset.Y - 1,
                                      Rect.Right - g.XYOffset.X + 1, Rect.Bottom - g.XYOffset.Y + 1};
    drawGraphicKind(Rect, R, placeGraphic(R));
}

// A printed decoration: drawn alone into a bitmap whose room is its own extent with a pixel
// around it, in the record's own vertical placement.
void TCellPainter::PaintDecoration(TRect Room) {
    takeGraphicExtent();
    if (!Graphic) return;
    VA = d.VAlignment;
    Rect = Room;
    drawGraphicKind(Room, Room, {Room.Left + 1, Room.Top + 1, Room.Right - 1, Room.Bottom - 1});
}

void TCellPainter::drawGraphicKind(TRect outer, TRect R, TRect P) {
    const TControlLook& look = *d.ControlLook;
    const TCellType type = Graphic->CellType;
    switch (type) {
    case ctComment: {
        if (look.CommentColor == clNone) break;
        const TColor colour = Graphic->CellAngle != clNone ? TColor(Graphic->CellIndex) : look.CommentColor;
        canvas.Brush.Color = colour;
        canvas.Pen.Color = colour;
        canvas.Polygon({{outer.Right - 7, outer.Top}, {outer.Right - 2, outer.Top}, {outer.Right - 2, outer.Top + 5}});
        canvas.Brush.Color = g.Color();
        break;
    }
    case ctXPProgress: drawProgress(*Graphic, R); break;
    case ctProgress: drawClassicProgress(*Graphic, R); break;
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctTriStateCheckBox:
        drawCheckKind(*Graphic, R);
        break;
    case ctBitmap: case ctIcon: case ctImageList: case ctDataImage: case ctImages: case ctPicture:
    case ctFilePicture:
        drawImage(*Graphic, P);
        break;
    case ctProgressPie:
        DrawProgressPie(canvas, {P.Left, P.Top, P.Left + 20, P.Top + 20}, Graphic->CellColor,
                        limitPercent(Graphic->CellAngle), false);
        break;
    case ctRangeIndicator: {
        const int value = numberOrZero([&] { return g.Ints(RealCol, ARow); });
        DrawRangeIndicator(canvas,
                           {R.Left + look.ProgressMarginX, R.Top + look.ProgressMarginY,
                            R.Right - look.ProgressMarginX, R.Bottom - look.ProgressMarginY},
                           value, Graphic->CellIndex, Graphic->CellBoolean, Graphic->CellColor, Graphic->CellIconColor);
        break;
    }
    case ctShape:
        DrawShape(canvas, P.Left, P.Top, P.Width() - 1, P.Height() - 1, Graphic->CellAngle, TColor(Graphic->CellIndex),
                  Graphic->CellColor);
        break;
    case ctRating: drawRating(*Graphic, P); break;
    case ctRotated: drawRotatedText(*Graphic, R); break;
    case ctNode: drawNodeGlyph(*Graphic, R); break;
    case ctRadioButton: {
        const int size = look.RadioSize;
        TRect box = placeCheckKind(*Graphic, R, size + 4);
        box.Left += g.XYOffset.X;
        box = {box.Left, box.Top, box.Left + size, box.Top + size};
        bool enabled = true;
        g.CanEditCell(RealCol, ARow, enabled);
        drawRadioGroup(box, 1, Graphic->CellBoolean ? 0 : -1, false, !enabled, nullptr, false);
        break;
    }
    case ctRadio: {
        const TStringList* options = Graphic->Held<TStringList>();
        bool enabled = true;
        g.CanEditCell(RealCol, ARow, enabled);
        drawRadioGroup(R, options ? options->Count() : 0, Graphic->CellIndex, Graphic->CellBoolean, !enabled, options,
                       AState & gdSelected);
        break;
    }
    case ctButton: case ctBitButton: case ctExpand:
        drawButton(*Graphic, type == ctExpand ? TRect{R.Right - 13, R.Top, R.Right, R.Top + 13} : P);
        break;
    case ctInterface:
        if (IGridCellInterface* cell = interfacedCell())
            cell->Draw(canvas, {R.Left - 1, R.Top - 1, R.Right, R.Bottom}, g, AState & gdSelected, ARow, RealCol);
        break;
    default: break;
    }
}

IGridCellInterface* TCellPainter::interfacedCell() const {
    if (!Graphic || Graphic->CellType != ctInterface) return nullptr;
    return dynamic_cast<IGridCellInterface*>(Graphic->Held<TInterfacedPersistent>());
}

// Bitmaps, icons, image-list images and pictures at the placement's top-left; a missing
// picture or an image index beyond the list draws nothing.
void TCellPainter::drawImage(const TCellGraphic& G, TRect P) {
    const TImageList* images = g.GetGridImages();
    auto drawImageAt = [&](int x, int y, int index) {
        if (images && index >= 0 && index < images->Count()) images->Draw(canvas, x, y, index);
    };
    switch (G.CellType) {
    case ctBitmap: {
        TBitmap* bitmap = G.Held<TBitmap>();
        if (!bitmap || bitmap->Empty()) break;
        if (G.CellTransparent)
            DrawTransparentBitmap(canvas, *bitmap, canvas.Brush.Color,
                                  {P.Left, P.Top, P.Left + bitmap->Width(), P.Top + bitmap->Height()});
        else
            canvas.Draw(P.Left, P.Top, *bitmap);
        break;
    }
    case ctIcon:
        if (G.CellIcon && !G.CellIcon->Empty()) canvas.Draw(P.Left, P.Top, *G.CellIcon);
        break;
    case ctImageList: drawImageAt(P.Left, P.Top, G.CellIndex); break;
    case ctDataImage: {
        int base = 0;
        try {
            base = g.Ints(RealCol, ARow);
        } catch (const std::exception&) {
            break;
        }
        drawImageAt(P.Left, P.Top, base + G.CellIndex);
        break;
    }
    case ctImages: {
        const TIntList* list = G.Held<TIntList>();
        if (!list || !images) break;
        for (int i = 0; i < list->Count(); ++i) {
            drawImageAt(P.Left, P.Top, list->GetInteger(i));
            if (G.CellBoolean) P.Left += images->Width;
            else P.Top += images->Height;
        }
        break;
    }
    case ctFilePicture: {
        const TFilePicture* picture = G.Held<TFilePicture>();
        if (!picture) break;
        // The file is read at every paint; one gone since it was added draws nothing.
        try {
            picture->DrawPicture(canvas, P);
        } catch (const std::exception&) {
        }
        break;
    }
    case ctPicture: {
        const TPicture* picture = G.Held<TPicture>();
        const TGraphic* graphic = picture ? picture->Graphic() : nullptr;
        if (!graphic || graphic->Empty()) break;
        if (TStretchMode(G.CellAngle) != noStretch) canvas.StretchDraw(P, *graphic);
        else canvas.Draw(P.Left, P.Top, *graphic);
        break;
    }
    default: break;
    }
}

// Stars filled up to the cell's number rounded to halves; a half star over an empty one.
void TCellPainter::drawRating(const TCellGraphic& G, TRect P) {
    const double value = numberOrZero([&] { return g.Floats(RealCol, ARow); });
    const double v = std::nearbyint(2 * value) / 2;
    const TColor fill = TColor(G.CellIndex);
    for (int i = 0; i < G.CellAngle; ++i) {
        const int x = P.Left + 18 * i;
        if (i + 1 <= v) {
            DrawShape(canvas, x, P.Top, 16, 16, csStar, fill, fill);
        } else {
            DrawShape(canvas, x, P.Top, 16, 16, csStar, G.CellColor, G.CellColor);
            if (i < v) DrawShape(canvas, x, P.Top, 16, 16, csHalfStar, fill, fill);
        }
    }
}

// The cell text turned by the record's angle about its aligned origin, clipped to the cell.
void TCellPainter::drawRotatedText(const TCellGraphic& G, TRect R) {
    const QString text = g.GetCellEx(RealCol, ARow);
    const TPoint origin = RotatedTextOrigin(canvas, R, G.CellAngle, VA, HA, text);
    const TFont saved = canvas.Font;
    canvas.Font.SetOrientation(10 * G.CellAngle);
    R = {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
    canvas.Brush.Style = bsClear;
    canvas.TextRect(R, origin.X, origin.Y, text);
    canvas.Brush.Style = bsSolid;
    canvas.Font = saved;
    // A turned header of the sorted column keeps its mark in the top-right corner.
    if (isSortHeaderCell() && sortIndicatorShown()) g.DrawSortIndicator(canvas, RealCol, R.Right - 10, R.Top + 8);
}

// A push-button face with its caption (or, for an expand button, a chevron); the record keeps
// the button's offset in the cell for the mouse to hit it.
void TCellPainter::drawButton(TCellGraphic& G, TRect P) {
    const TControlLook& look = *d.ControlLook;
    G.CellValue = (P.Top - Rect.Top) * 65536 + ((P.Left - Rect.Left) & 0xFFFF);
    bool enabled = true;
    g.CanEditCell(RealCol, ARow, enabled);
    if (look.NoDisabledButtonLook) enabled = true;
    const uint8_t style = buttonStyle();
    uint8_t state = G.CellBoolean ? 2 : d.FHoverButton == TPoint{ACol, ARow} ? 1 : 0;
    if (!enabled && G.CellType != ctExpand) state = 3;
    DrawPushButton(canvas, g.Handle(), P, style, state, d.FTones);
    if (G.CellBoolean) P = {P.Left + 1, P.Top + 1, P.Right + 1, P.Bottom + 1};

    TBitmap* glyph = G.CellType == ctBitButton ? G.Held<TBitmap>() : nullptr;
    if (glyph && !glyph->Empty()) {
        const int top = glyph->Height() < P.Height() ? (P.Height() - glyph->Height()) / 2 : 3;
        int left = P.Left + (P.Width() - glyph->Width()) / 2;
        if (!G.CellText.isEmpty() || P.Width() <= glyph->Width()) {
            left = P.Left + 3;
            P.Left += glyph->Width() + 4;
        }
        DrawTransparentBitmap(canvas, *glyph, canvas.Brush.Color,
                              {left, P.Top + top, left + glyph->Width(), P.Top + top + glyph->Height()});
    }
    ++P.Left;
    const TColor savedFont = canvas.Font.Color();
    if (style == 3) {
        const TColorTone& tone = state == 1   ? d.FTones.Hover
                                 : state == 2 ? d.FTones.Selected
                                 : state == 3 ? d.FTones.Disabled
                                              : d.FTones.Background;
        canvas.Font.SetColor(tone.TextColor);
    }
    if (G.CellType == ctExpand) {
        canvas.Pen.Color = clBlack;
        canvas.Pen.Width = 1;
        const bool open = G.CellVar.toBool();
        canvas.MoveTo(P.Right - 10, P.Top + (open ? 8 : 5));
        canvas.LineTo(P.Right - 7, P.Top + (open ? 5 : 8));
        canvas.LineTo(P.Right - 3, P.Top + (open ? 9 : 4));
    } else {
        canvas.Brush.Style = bsClear;
        unsigned flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
        flags |= G.CellText.contains(QLatin1Char('\r')) ? unsigned(DT_WORDBREAK) : unsigned(DT_SINGLELINE);
        canvas.DrawText(G.CellText, P, flags);
        canvas.Brush.Style = bsSolid;
    }
    canvas.Font.SetColor(savedFont);
}

// The two-colour bar with its value text; text colours of the record's own, or each the
// complement of the bar colour under it.
void TCellPainter::drawClassicProgress(const TCellGraphic& G, TRect R) {
    const TControlLook& look = *d.ControlLook;
    const double value = numberOrZero([&] { return g.Floats(RealCol, ARow); });
    const bool themedStyle = look.ControlStyle == csWinXP || look.ControlStyle == csTheme;
    if (themedStyle && look.ProgressXP && ExXPVS().IsThemeActive() && drawThemedProgress(value, R)) return;
    R = {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
    const TColor complete = G.CellColor, incomplete = G.CellIconColor;
    const TColor completeText = G.CellBoolean ? TColor(G.CellIndex) : TColor(ColorToRGB(complete) ^ 0xFFFFFF);
    const TColor incompleteText = G.CellBoolean ? TColor(G.CellAngle) : TColor(ColorToRGB(incomplete) ^ 0xFFFFFF);
    DrawProgressBar(canvas, R, complete, completeText, incomplete, incompleteText, value, look.ProgressMarginX,
                    look.ProgressMarginY, G.CellErrFrom, G.CellErrLen, G.CellText, look.ProgressBorderColor, false);
}

// The platform's progress bar: its frame over the cell less the margins, its chunk over the done
// share of the inside.
bool TCellPainter::drawThemedProgress(double Value, TRect R) {
    HTHEME theme = ExXPVS().OpenThemeData(g.Handle(), QStringLiteral("Progress"));
    if (!theme) return false;
    const TControlLook& look = *d.ControlLook;
    R = {R.Left + look.ProgressMarginX, R.Top + look.ProgressMarginY, R.Right - look.ProgressMarginX,
         R.Bottom - look.ProgressMarginY};
    ExXPVS().DrawThemeBackground(theme, canvas, 1, 0, R, nullptr);
    R = {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
    R.Right = R.Left + int(std::lround(std::clamp(Value, 0.0, 100.0) * R.Width() / 100));
    ExXPVS().DrawThemeBackground(theme, canvas, 3, 1, R, nullptr);
    ExXPVS().CloseThemeData(theme);
    return true;
}

void TCellPainter::drawProgress(const TCellGraphic& G, TRect R) {
    const TControlLook& look = *d.ControlLook;
    const double value = numberOrZero([&] { return g.Floats(RealCol, ARow); });
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

// Check boxes and radio buttons go beside the text by the text's alignment, vertically by the
// record's placement (or the cell's alignment where it differs from the grid's).
TRect TCellPainter::placeCheckKind(const TCellGraphic& G, TRect R, int size) const {
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
    return {left, top, left + size, top + size};
}

void TCellPainter::drawCheckKind(const TCellGraphic& G, TRect R) {
    const TRect box = placeCheckKind(G, R, d.ControlLook->CheckSize);
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
    g.DrawCheckBox(canvas, box, checked, enabled, grayed, d.ControlLook->ControlStyle, false, cbUnchecked);
}

void TCellPainter::drawRadioGroup(TRect R, int Count, int CheckedIndex, bool Horizontal, bool Disabled,
                                  const TStringList* Options, bool Selected) {
    g.DrawRadioGroup(canvas, R, Count, CheckedIndex, Horizontal, Disabled, Options, Selected, RealCol, ARow,
                     d.ControlLook->ControlStyle, 1.0, false);
}
