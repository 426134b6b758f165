#include "platform/controls/rich_edit.h"

#include "platform/graphics/canvas.h"

#include <cmath>

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomEdit(AOwner) { SetBounds(0, 0, 185, 89); }

void TRichEdit::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(ClientRect());
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    if (textColor_ != clNone) canvas.Font.SetColor(textColor_);
    TRect r{3, 2, Width() - 3, Height() - 2};
    canvas.DrawText(Text(), r, DT_NOPREFIX);
}

void TRichEdit::LoadRTF(const QString& Rtf) {
    SetText(RTFToPlainText(Rtf));
    textColor_ = clNone;
}

void TRichEdit::FormatRange(TCanvas& Canvas, TRect Rect, int DpiX, int DpiY) {
    if (DpiX <= 0 || DpiY <= 0) return;
    auto px = [](int twips, int dpi) { return int(std::lround(twips * double(dpi) / 1440.0)); };
    TRect r{px(Rect.Left, DpiX), px(Rect.Top, DpiY), px(Rect.Right, DpiX), px(Rect.Bottom, DpiY)};
    if (r.IsEmpty()) return;
    TFont savedFont;
    savedFont.Assign(Canvas.Font);
    const TBrush savedBrush = Canvas.Brush;
    Canvas.Font.Assign(Font());
    if (textColor_ != clNone) Canvas.Font.SetColor(textColor_);
    Canvas.Brush.Style = bsClear;
    Canvas.SaveDC();
    Canvas.IntersectClipRect(r);
    Canvas.DrawText(Text(), r, DT_WORDBREAK | DT_NOPREFIX);
    Canvas.RestoreDC();
    Canvas.Font.Assign(savedFont);
    Canvas.Brush = savedBrush;
}
