#include "grid/editors/dropdown/dropdown_drawing.h"

#include "grid/foundation/color_routines.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal) {
    if (Steps == 0) Steps = 1;
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    if (Horizontal) --R.Right;
    else --R.Bottom;
    const double d = (Horizontal ? R.Right - R.Left : R.Bottom - R.Top) / static_cast<double>(Steps);
    const auto channel = [Steps](int f, int t, int n) { return f + NearestInt(n * (t - f) / static_cast<double>(Steps)); };
    for (int n = 0; n < Steps; ++n) {
        const TColor band = RGB(channel(GetRValue(from), GetRValue(to), n), channel(GetGValue(from), GetGValue(to), n),
                                channel(GetBValue(from), GetBValue(to), n));
        Canvas.Pen.Color = band;
        Canvas.Brush.Color = band;
        Canvas.Brush.Style = bsSolid;
        if (Horizontal) {
            const int left = R.Left + NearestInt(n * d);
            Canvas.Rectangle(left, R.Top, left + NearestInt(d) + 1, R.Bottom);
        } else {
            const int top = R.Top + NearestInt(n * d);
            Canvas.Rectangle(R.Left, top, R.Right, top + NearestInt(d) + 1);
        }
    }
}

void DrawGradientFrame(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor BorderColor, int BorderWidth,
                       TGradientDirection Direction) {
    if (ColorTo != clNone) {
        DrawGradient(Canvas, Color, ColorTo, 80, R, Direction == gdHorizontal);
    } else if (Color != clNone) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Color;
        Canvas.FillRect(R);
    }
    if (BorderColor == clNone || BorderWidth <= 0) return;
    Canvas.Brush.Style = bsClear;
    Canvas.Pen.Width = BorderWidth;
    Canvas.Pen.Color = BorderColor;
    Canvas.Rectangle(R);
    Canvas.Pen.Width = 1;
}

void DrawImageText(TCanvas& Canvas, TRect R, const QString& Caption, const TImageList* Images, int ImageIndex) {
    const bool image = ImageIndex >= 0 && Images;
    if (image) {
        Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height) / 2, ImageIndex);
        R.Left += Images->Width + 8;
    }
    if (Caption.isEmpty()) return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (!image) flags |= DT_CENTER;
    Canvas.DrawText(Caption, R, flags);
}
