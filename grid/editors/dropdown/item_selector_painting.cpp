#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/item_selector.h"
#include "grid/foundation/color_routines.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

// Painting of the item selector's cells.

int TCustomItemSelector::drawCaption(TCanvas& Canvas, const QString& Caption, TRect RC, bool Centred) {
    const TImageList* images = exItemSelector_->Images();
    TPoint size{};
    if (Centred) {
        DrawHTMLItemText(Canvas, Caption, RC, images, false, nullptr, size);
        if (size.Y < RC.Height()) RC.Top += (RC.Height() - size.Y) / 2;
    }
    Canvas.Brush.Style = bsClear;
    DrawHTMLItemText(Canvas, Caption, RC, images, true, nullptr, size);
    return size.X;
}

void TCustomItemSelector::drawGraphic(TCanvas& Canvas, int Index, int X, int Y, TSize Size) {
    const TExCustomItemSelector& outer = *exItemSelector_;
    const TSelectorItem& item = *outer.Items().Items(Index);
    if (outer.SelectorType() == stColor) {
        Canvas.Pen.Color = clBlack;
        Canvas.Pen.Width = 1;
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = item.Color();
        Canvas.Rectangle({X, Y, X + Size.cx, Y + Size.cy});
        return;
    }
    if (const TGraphic* picture = pictureOf(Index)) {
        Canvas.Draw(X, Y, *picture);
    } else if (outer.Images() && item.ImageIndex() >= 0) {
        if (item.Enabled) {
            outer.Images()->Draw(Canvas, X, Y, item.ImageIndex());
            return;
        }
        // A disabled item's glyph is a grey silhouette.
        const TColor back = Color();
        TBitmap glyph(outer.Images()->Width, outer.Images()->Height);
        TCanvas& work = glyph.Canvas();
        work.Brush.Style = bsSolid;
        work.Brush.Color = back;
        work.FillRect({0, 0, glyph.Width(), glyph.Height()});
        outer.Images()->Draw(work, 0, 0, item.ImageIndex());
        for (int y = 0; y < glyph.Height(); ++y)
            for (int x = 0; x < glyph.Width(); ++x)
                if (work.Pixel(x, y) != ColorToRGB(back)) work.SetPixel(x, y, clGray);
        Canvas.Draw(X, Y, glyph);
    }
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& Canvas) {
    if (!inRange(Index)) return;
    TExCustomItemSelector& outer = *exItemSelector_;
    const TItemAppearance& look = outer.ItemAppearance();
    const TSelectorItem& item = *outer.Items().Items(Index);
    const TRect R = item.Rect;
    TColor frame = look.BorderColor, top = look.BorderColorTop, bottom = look.BorderColorBottom, edge = look.EdgeColor;
    TColor color = clNone, colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    const bool hot = Index == itemHot_, selected = Index == itemIndex_;
    const auto single = [&](TColor border) {
        if (border == clNone) return;
        frame = border;
        top = bottom = edge = clNone;
    };
    if (hot) {
        color = look.ColorHot;
        colorTo = look.ColorHotTo;
        mirror = look.ColorMirrorHot;
        mirrorTo = look.ColorMirrorHotTo;
        single(look.BorderColorHot);
    }
    if (selected) {
        color = look.ColorSelected;
        colorTo = look.ColorSelectedTo;
        mirror = look.ColorMirrorSelected;
        mirrorTo = look.ColorMirrorSelectedTo;
        single(look.BorderColorSelected);
    }
    if (!hot && !selected) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Color();
        Canvas.FillRect(R);
    } else if (top == clNone) {
        DrawGradientFrame(Canvas, R, color, colorTo, frame, 1, gdVertical);
    } else {
        DrawSelectionGradient(Canvas, color, colorTo, mirror, mirrorTo, top, bottom, frame, edge, Color(), R, 0);
    }
    if (outer.OnDrawItem) {
        outer.OnDrawItem(this, Canvas, R, Index);
        return;
    }

    TSize g{};
    const TGraphic* picture = pictureOf(Index);
    const bool glyph = !picture && outer.Images() && item.ImageIndex() >= 0;
    if (outer.SelectorType() == stColor) g = {outer.ColorBoxWidth(), outer.ColorBoxHeight()};
    else if (picture) g = {picture->Width(), picture->Height()};
    else if (glyph) g = {outer.Images()->Width, outer.Images()->Height};
    const bool hasGraphic = outer.SelectorType() == stColor || picture || glyph;

    const TRect RI{R.Left + ItemOffSetX, R.Top + ItemOffSetY, R.Right - ItemOffSetX, R.Bottom - ItemOffSetY};
    TPoint G{RI.Left, RI.Top};
    Canvas.Font.Assign(look.Font);
    if (hot) Canvas.Font.SetColor(look.ColorHotText);
    if (selected) Canvas.Font.SetColor(look.ColorSelectedText);
    const QString caption = item.Caption();
    // A picture or glyph stands vertically centred; a colour box at the top of the content.
    const int centredTop = RI.Top + (RI.Height() - g.cy) / 2;
    const auto drawAt = [&](int x, int y) {
        if (hasGraphic) drawGraphic(Canvas, Index, x, outer.SelectorType() == stColor ? y : centredTop, g);
    };

    switch (outer.ItemLayout()) {
    case ilCaptionLeft: {
        if (!caption.isEmpty()) {
            TRect RC = RI;
            RC.Right -= g.cx;
            G.X = RC.Left + drawCaption(Canvas, caption, RC, true) + CaptionGap;
        }
        drawAt(G.X, G.Y);
        break;
    }
    case ilCaptionRight: {
        drawAt(G.X, G.Y);
        TRect RC = RI;
        if (hasGraphic) RC.Left = G.X + g.cx + CaptionGap;
        if (!caption.isEmpty()) drawCaption(Canvas, caption, RC, true);
        break;
    }
    case ilCaptionTop: {
        if (!caption.isEmpty()) {
            TRect RC = RI;
            RC.Bottom -= g.cy;
            TPoint size{};
            DrawHTMLItemText(Canvas, caption, RC, outer.Images(), false, nullptr, size);
            drawCaption(Canvas, caption, RC, false);
            G.Y = RC.Top + size.Y + CaptionGap;
        } else {
            G.Y = centredTop;
        }
        G.X = RI.Left + (RI.Width() - g.cx) / 2;
        if (hasGraphic) drawGraphic(Canvas, Index, G.X, G.Y, g);
        break;
    }
    case ilCaptionBottom: {
        if (caption.isEmpty()) G.Y = centredTop;
        G.X = RI.Left + (RI.Width() - g.cx) / 2;
        if (hasGraphic) drawGraphic(Canvas, Index, G.X, G.Y, g);
        TRect RC = RI;
        RC.Top = hasGraphic ? G.Y + g.cy + CaptionGap : RI.Top;
        if (!caption.isEmpty()) drawCaption(Canvas, caption, RC, false);
        break;
    }
    }
}
