#include "common/buttons/lb_button_painter.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/system/resources.h"

#include <algorithm>

namespace {

unsigned alignmentFormat(TAlignment alignment) {
    switch (alignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    default: return DT_CENTER;
    }
}

// The drop-down arrow, loaded once.
const TBitmap& dropDownArrow() {
    static TBitmap arrow;
    static const bool loaded = arrow.LoadFromData(LoadResourceData("LBARROW"));
    (void)loaded;
    return arrow;
}

void line(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points) {
    canvas.Pen.Color = color;
    canvas.Pen.Style = psSolid;
    auto p = points.begin();
    canvas.MoveTo(p->X, p->Y);
    for (++p; p != points.end(); ++p) canvas.LineTo(p->X, p->Y);
}

void fill(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color;
    canvas.FillRect(r);
}

void drawBackground(TCanvas& canvas, const TLbButtonFace& face, const TLbButtonFaceLayout& layout) {
    const int w = face.Width, h = face.Height;
    switch (face.Style) {
    case bsShape:
        fill(canvas, Rect(0, 0, w, h), LbTransparentColor);
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        fill(canvas, Rect(0, 0, w, h), layout.FaceColor);
        break;
    case bsModern:
        FillGradient(canvas, face.LightColor, layout.FaceColor, 2, 2, w - 2, h / 4 + layout.Offset);
        FillGradient(canvas, layout.FaceColor, face.LightColor, 2, h / 4 + layout.Offset, w - 2, h - 1);
        break;
    case bsQuicken:
        // The caller has filled the image with the transparent colour.
        break;
    }
}

void drawEdges(TCanvas& canvas, const TLbButtonFace& face, const TLbButtonFaceLayout& layout) {
    const int w = face.Width, h = face.Height;
    const bool down = layout.Down;
    const bool edges = !face.Flat || (face.Enabled && (face.Hot || down));
    canvas.Brush.Style = bsClear;
    switch (face.Style) {
    case bsNormal:
    case bsEncarta:
        if (!edges) return;
        line(canvas, down ? face.ShadowColor : face.LightColor, {{0, h - 1}, {0, 0}, {w - 1, 0}});
        line(canvas, down ? face.LightColor : face.ShadowColor, {{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
        return;
    case bsOld:
        if (!edges) return;
        if (down) line(canvas, face.ShadowColor, {{1, h - 3}, {1, 1}, {w - 2, 1}});
        else line(canvas, face.ShadowColor, {{w - 2, 0}, {w - 2, h - 2}, {0, h - 2}});
        line(canvas, down ? cl3DDkShadow : face.LightColor, {{0, h - 1}, {0, 0}, {w - 1, 0}});
        line(canvas, down ? face.LightColor : cl3DDkShadow, {{w - 1, 0}, {w - 1, h - 1}, {-1, h - 1}});
        return;
    case bsModern:
        canvas.Pen.Style = psSolid;
        canvas.Pen.Color = down ? face.ShadowColor : layout.FaceColor;
        canvas.Rectangle(1, 1, w - 1, h - 1);
        canvas.Pen.Color = face.ShadowColor;
        canvas.RoundRect(Rect(0, 0, w, h), 6, 6);
        return;
    case bsQuicken:
        canvas.Pen.Style = psClear;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = layout.FaceColor;
        canvas.RoundRect(Rect(0, 1, w, h), 4, 4);
        canvas.Brush.Style = bsClear;
        line(canvas, face.ShadowColor, {{4, 0}, {w - 5, 0}});
        line(canvas, face.ShadowColor, {{4, h - 1}, {w - 5, h - 1}});
        return;
    case bsShape:
        return;
    }
}

void drawCaption(TCanvas& canvas, const TLbButtonFaceLayout& layout) {
    if (layout.Caption.isEmpty()) return;
    TRect r = layout.CaptionRect;
    canvas.Brush.Style = bsClear;
    canvas.DrawText(layout.Caption, r, layout.CaptionFormat);
}

void drawGlyph(TCanvas& canvas, const TLbButtonFace& face, const TLbButtonFaceLayout& layout) {
    if (!face.Glyph || layout.CellWidth <= 0) return;
    DrawGlyphCell(canvas, *face.Glyph, layout.GlyphPos.X, layout.GlyphPos.Y, layout.GlyphCell * layout.CellWidth, 0,
                  layout.CellWidth, layout.GlyphHeight);
}

int glyphLeft(const TLbButtonFace& face, int cw, int tw, int off) {
    const int w = face.Width;
    const bool leftish = face.WordWrap || face.Alignment == taLeftJustify;
    switch (face.Layout) {
    case blGlyphLeft:
        if (leftish) return off + 4;
        if (face.Alignment == taRightJustify) return w - 4 - cw - tw + off;
        return (w - cw) / 2 + off - tw / 2;
    case blGlyphRight:
        if (leftish) return off + 4 + tw;
        if (face.Alignment == taRightJustify) return w - 4 - cw + off;
        return (w - cw) / 2 + off + tw / 2;
    default:
        if (face.Alignment == taLeftJustify) return off + 4;
        if (face.Alignment == taRightJustify) return w - cw - 4 + off;
        return (w - cw) / 2 + off;
    }
}

}  // namespace

TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int HotTrackStep) {
    const TColor c = ColorToRGB(Color), h = ColorToRGB(HotTrackColor);
    const double t = HotTrackStep / 8.0;
    auto mix = [t](int from, int to) { return static_cast<int>(from * (1 - t) + to * t); };
    return RGB(mix(GetRValue(c), GetRValue(h)), mix(GetGValue(c), GetGValue(h)), mix(GetBValue(c), GetBValue(h)));
}

void FillGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Left, int Top, int Right, int Bottom) {
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    const int span = Bottom - Top;
    const int bandHeight = span / 31 + 1;
    double r = GetRValue(from), g = GetGValue(from), b = GetBValue(from);
    const double dr = (GetRValue(to) - r) / 31, dg = (GetGValue(to) - g) / 31, db = (GetBValue(to) - b) / 31;
    const TPenStyle pen = Canvas.Pen.Style;
    Canvas.Pen.Style = psClear;
    for (int i = 0; i <= 31; ++i) {
        const int top = Top + i * span / 31;
        fill(Canvas, Rect(Left, top, Right, std::min(top + bandHeight, Bottom)),
             RGB(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)));
        r += dr;
        g += dg;
        b += db;
    }
    Canvas.Pen.Style = pen;
}

void DrawTransparent(TCanvas& Canvas, int X, int Y, TBitmap& Image, TColor Transparent) {
    const TColor key = ColorToRGB(Transparent);
    TCanvas& source = Image.Canvas();
    const TBrush brush = Canvas.Brush;
    // One fill per run of equal colour: a face is mostly runs.
    for (int y = 0; y < Image.Height(); ++y) {
        int x = 0;
        while (x < Image.Width()) {
            const TColor c = source.Pixel(x, y);
            int end = x + 1;
            while (end < Image.Width() && source.Pixel(end, y) == c) ++end;
            if (c != key) fill(Canvas, Rect(X + x, Y + y, X + end, Y + y + 1), c);
            x = end;
        }
    }
    Canvas.Brush = brush;
}

void DrawGlyphCell(TCanvas& Canvas, const TBitmap& Glyph, int X, int Y, int SourceX, int SourceY, int CellWidth,
                   int CellHeight) {
    if (Glyph.Empty() || CellWidth <= 0 || CellHeight <= 0) return;
    TBitmap cell(CellWidth, CellHeight);
    TCanvas& c = cell.Canvas();
    c.Draw(0, 0, Glyph);
    c.Draw(-SourceX, -SourceY, Glyph);
    DrawTransparent(Canvas, X, Y, cell, c.Pixel(0, CellHeight - 1));
}

TLbButtonFaceLayout LayoutLbButtonFace(TCanvas& Canvas, const TLbButtonFace& Face) {
    TLbButtonFaceLayout L;
    const int w = Face.Width, h = Face.Height;
    L.Down = Face.Down && Face.Enabled;
    L.Offset = L.Down && Face.Style != bsEncarta ? 1 : 0;
    const int off = L.Offset;
    L.FaceColor = Face.Color;
    if (Face.Enabled && Face.HotTrackColor != clNone)
        L.FaceColor = BlendHotTrackColor(Face.Color, Face.HotTrackColor, Face.HotTrackStep);
    if (L.Down && Face.ColorWhenDown != clNone) L.FaceColor = Face.ColorWhenDown;

    // A strip without cells draws nothing and takes no room.
    const int n = Face.NumGlyphs;
    L.CellWidth = Face.Glyph && n > 0 ? Face.Glyph->Width() / n : 0;
    L.GlyphHeight = L.CellWidth > 0 ? Face.Glyph->Height() : 0;
    const int cw = L.CellWidth, gh = L.GlyphHeight;
    if (!Face.Enabled) {
        L.GlyphCell = 1;
    } else {
        L.GlyphCell = 0;
        if (Face.Hot && n > 3) L.GlyphCell = 3;
        if (L.Down && n > 2) L.GlyphCell = 2;
    }

    const bool sideGlyph = Face.Style != bsShape && (Face.Layout == blGlyphLeft || Face.Layout == blGlyphRight);
    const int maxW = std::max(0, w - 8 - (sideGlyph && cw > 0 ? cw + 4 : 0));
    Canvas.Font.Assign(Face.Font);
    if (Face.Style == bsEncarta && L.Down) Canvas.Font.SetStyle(Canvas.Font.Style() | fsBold);
    L.CaptionFormat = DT_WORDBREAK | alignmentFormat(Face.Alignment);

    L.Caption = Face.Caption;
    if (!Face.WordWrap)
        while (!L.Caption.isEmpty() && Canvas.TextWidth(L.Caption) > maxW) L.Caption.chop(1);
    if (!L.Caption.isEmpty()) {
        TRect r = Rect(0, 0, maxW, 0);
        Canvas.DrawText(L.Caption, r, L.CaptionFormat | DT_CALCRECT);
        L.TextHeight = r.Height();
        L.TextWidth = r.Width() + 4;
    }
    const int th = L.TextHeight, tw = L.TextWidth;

    if (Face.Style == bsShape) {
        L.CaptionFormat = DT_WORDBREAK | DT_CENTER;
        L.CaptionRect = Rect(off, (h - th) / 2 + off, w, h);
        L.GlyphPos = {(w - cw) / 2, (h - gh) / 2};
        return L;
    }
    const int total = th + (gh > 0 ? gh + 4 : 0);
    int captionTop = 0, glyphTop = 0;
    switch (Face.Layout) {
    case blGlyphLeft:
    case blGlyphRight:
        captionTop = (h - th) / 2 + off;
        glyphTop = (h - gh) / 2 + off;
        break;
    case blGlyphTop:
        glyphTop = (h - total) / 2 + off;
        captionTop = glyphTop + gh;
        break;
    case blGlyphBottom:
        captionTop = (h - total) / 2 + off;
        glyphTop = captionTop + th;
        break;
    }
    const int captionLeft = off + 4 + (Face.Layout == blGlyphLeft && cw > 0 ? cw + 4 : 0);
    L.CaptionRect = Rect(captionLeft, captionTop, captionLeft + maxW, captionTop + th);
    L.GlyphPos = {glyphLeft(Face, cw, tw, off), glyphTop};
    return L;
}

void DrawLbButtonFace(TCanvas& Canvas, const TLbButtonFace& Face) {
    const TLbButtonFaceLayout layout = LayoutLbButtonFace(Canvas, Face);
    drawBackground(Canvas, Face, layout);
    drawEdges(Canvas, Face, layout);
    if (Face.Style == bsShape) {
        drawGlyph(Canvas, Face, layout);
        drawCaption(Canvas, layout);
    } else {
        if (!Face.Enabled) Canvas.Font.SetColor(clGray);
        drawCaption(Canvas, layout);
        drawGlyph(Canvas, Face, layout);
    }
    if (Face.HasPopupMenu) {
        const TBitmap& arrow = dropDownArrow();
        DrawGlyphCell(Canvas, arrow, Face.Width - 11, Face.Height / 2 - 1, 0, 0, arrow.Width(), arrow.Height());
    }
}
