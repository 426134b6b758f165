// Check boxes and radio buttons of the control styles that bring their own pictures (the two
// bitmap styles, user glyphs) or draw their own lines (the raised-diamond style).
#include "grid/stringgrid/paint/cell_painter.h"

#include "grid/foundation/color_routines.h"
#include "grid/foundation/visual_styles.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/graphics/canvas.h"

namespace {
// Resources 01 .. 04 belong to the button-like style, 05 .. 08 to the XP style, in the order
// checked, unchecked, checked disabled, unchecked disabled.
QString bitmapName(const char* Kind, TControlStyle Style, bool Checked, bool Enabled) {
    const int index = (Style == csWinXP ? 5 : 1) + (Checked ? 0 : 1) + (Enabled ? 0 : 2);
    return QStringLiteral("%1%2").arg(QLatin1String(Kind)).arg(index, 2, 10, QLatin1Char('0'));
}

void line(TCanvas& Canvas, int X1, int Y1, int X2, int Y2) {
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}
}  // namespace

void TCellPainter::drawBitmapCheck(TRect R, bool Checked, bool Enabled) {
    const QString name = bitmapName("ASGCHK", d.ControlLook->ControlStyle, Checked, Enabled);
    DrawTransparentResBitmap(canvas, canvas.Brush.Color, {R.Left, R.Top, R.Left + 20, R.Top + 20}, name);
}

void TCellPainter::drawBorlandCheck(TRect R, bool Checked, bool Enabled) {
    const TPen savedPen = canvas.Pen;
    const TColor savedBrush = canvas.Brush.Color;
    canvas.Brush.Color = Enabled ? clBtnFace : clBtnShadow;
    canvas.Pen.Color = clBtnFace;
    canvas.Pen.Width = 1;
    canvas.Rectangle(R);
    canvas.Pen.Color = clBtnHighlight;
    line(canvas, R.Left, R.Bottom - 1, R.Left, R.Top);
    canvas.LineTo(R.Right - 1, R.Top);
    canvas.Pen.Color = clBtnShadow;
    canvas.LineTo(R.Right - 1, R.Bottom - 1);
    canvas.LineTo(R.Left, R.Bottom - 1);
    if (Checked) {
        canvas.Pen.Color = Enabled ? d.ControlLook->Color : clGray;
        const int L = R.Left, T = R.Top - 1, B = R.Bottom - 1, Rt = R.Right, S = d.ControlLook->CheckSize;
        line(canvas, L + 2, T + 1 + S / 2, L + 2, B - 1);
        line(canvas, L + 3, T + S / 2, L + 3, B - 2);
        line(canvas, L + 2, B - 1, Rt - 2, T + 3);
        line(canvas, L + 3, B - 1, Rt - 1, T + 3);
    }
    canvas.Brush.Color = savedBrush;
    canvas.Pen = savedPen;
}

// A 16-pixel radio glyph at (L, T).
void TCellPainter::drawStyledRadio(int L, int T, bool Checked, bool Enabled) {
    const TControlLook& look = *d.ControlLook;
    const TRect R{L, T, L + 16, T + 16};
    switch (look.ControlStyle) {
    case csWinXP:
    case csDUD:
        DrawTransparentResBitmap(canvas, canvas.Brush.Color, R,
                                 bitmapName("ASGRAD", look.ControlStyle, Checked, Enabled));
        return;
    case csGlyph: {
        TBitmap glyph;
        glyph.Assign(Checked ? look.RadioOnGlyph() : look.RadioOffGlyph());
        if (!glyph.Empty()) DrawTransparentBitmap(canvas, glyph, canvas.Brush.Color, R);
        return;
    }
    case csTheme:
        if (HTHEME theme = ExXPVS().OpenThemeData(g.Handle(), QStringLiteral("button"))) {
            ExXPVS().DrawThemeBackground(theme, canvas, 2, (Checked ? 5 : 1) + (Enabled ? 0 : 3), R, nullptr);
            ExXPVS().CloseThemeData(theme);
        }
        return;
    default: break;
    }
    // The raised diamond, lit from the upper left; a checked one is sunken with a dot.
    const TPen savedPen = canvas.Pen;
    const TColor savedBrush = canvas.Brush.Color;
    canvas.Pen.Width = 1;
    canvas.Brush.Color = clBtnFace;
    canvas.Pen.Color = clBtnFace;
    const std::vector<TPoint> diamond{{L + 2, T + 8}, {L + 8, T + 2}, {L + 14, T + 8}, {L + 8, T + 14}};
    canvas.Polygon(diamond);
    const TColor lit = Checked ? clGray : clWhite, shade = Checked ? clWhite : clGray;
    canvas.Pen.Color = lit;
    line(canvas, L + 2, T + 8, L + 8, T + 2);
    line(canvas, L + 2, T + 8, L + 8, T + 14);
    canvas.Pen.Color = shade;
    line(canvas, L + 8, T + 2, L + 14, T + 8);
    line(canvas, L + 14, T + 8, L + 8, T + 14);
    if (Checked) {
        canvas.Brush.Color = look.Color;
        canvas.Pen.Color = look.Color;
        canvas.Polygon({{L + 6, T + 8}, {L + 8, T + 6}, {L + 10, T + 8}, {L + 8, T + 10}});
    }
    canvas.Brush.Color = savedBrush;
    canvas.Pen = savedPen;
}
