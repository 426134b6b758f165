// Check boxes and radio groups as the grid draws them in cells and the printer on its pages: the
// frame-control styles, the styles that bring their own pictures (the two bitmap styles, user
// glyphs) and the one that draws its own lines (the raised diamond).
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include "grid/foundation/color_routines.h"
#include "grid/foundation/visual_styles.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/core/string_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

#include <cmath>

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

void drawBitmapCheck(TCanvas& canvas, TControlStyle Style, TRect R, bool Checked, bool Enabled) {
    const QString name = bitmapName("ASGCHK", Style, Checked, Enabled);
    DrawTransparentResBitmap(canvas, canvas.Brush.Color, {R.Left, R.Top, R.Left + 20, R.Top + 20}, name);
}

void drawBorlandCheck(TCanvas& canvas, const TControlLook& look, TRect R, bool Checked, bool Enabled) {
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
        canvas.Pen.Color = Enabled ? look.Color : clGray;
        const int L = R.Left, T = R.Top - 1, B = R.Bottom - 1, Rt = R.Right, S = look.CheckSize;
        line(canvas, L + 2, T + 1 + S / 2, L + 2, B - 1);
        line(canvas, L + 3, T + S / 2, L + 3, B - 2);
        line(canvas, L + 2, B - 1, Rt - 2, T + 3);
        line(canvas, L + 3, B - 1, Rt - 1, T + 3);
    }
    canvas.Brush.Color = savedBrush;
    canvas.Pen = savedPen;
}

// A 16-pixel radio glyph at (L, T).
void drawStyledRadio(TCanvas& canvas, TExStringGrid& g, TControlStyle Style, int L, int T, bool Checked,
                     bool Enabled) {
    const TControlLook& look = g.ControlLook();
    const TRect R{L, T, L + 16, T + 16};
    switch (Style) {
    case csWinXP:
    case csDUD:
        DrawTransparentResBitmap(canvas, canvas.Brush.Color, R, bitmapName("ASGRAD", Style, Checked, Enabled));
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
}  // namespace

void TExStringGrid::DrawCheckBox(TRect R, bool Checked, bool Enabled, bool Grayed, TControlStyle Style,
                                 bool ThreeState, TCheckBoxState State) {
    DrawCheckBox(Canvas(), R, Checked, Enabled, Grayed, Style, ThreeState, State);
}

// The themed style without visual styles is drawn as the classic frame control.
void TExStringGrid::DrawCheckBox(TCanvas& canvas, TRect R, bool Checked, bool Enabled, bool Grayed,
                                 TControlStyle Style, bool ThreeState, TCheckBoxState State) {
    const TControlLook& look = ControlLook();
    if (look.NoDisabledCheckRadioLook || look.CheckAlwaysActive) Enabled = true;
    if (ThreeState) {
        Checked = State == cbChecked;
        Grayed = State == cbGrayed;
    }
    if (Style == csWinXP || Style == csDUD) {
        drawBitmapCheck(canvas, Style, R, Checked, Enabled);
        return;
    }
    if (Style == csBorland) {
        drawBorlandCheck(canvas, look, R, Checked, Enabled);
        return;
    }
    if (Style == csGlyph) {
        TBitmap glyph;
        glyph.Assign(Checked ? look.CheckedGlyph() : look.UnCheckedGlyph());
        if (!glyph.Empty()) DrawTransparentBitmap(canvas, glyph, canvas.Brush.Color, R);
        return;
    }
    if (Style == csTheme && ExXPVS().IsThemeActive()) {
        if (HTHEME theme = ExXPVS().OpenThemeData(Handle(), QStringLiteral("button"))) {
            const int state = (Grayed ? 9 : Checked ? 5 : 1) + (Enabled ? 0 : 3);
            ExXPVS().DrawThemeBackground(theme, canvas, 3, state, R, nullptr);
            ExXPVS().CloseThemeData(theme);
            return;
        }
    }
    unsigned state = DFCS_BUTTONCHECK;
    if (Checked) state |= DFCS_CHECKED;
    if (Grayed) state |= unsigned(DFCS_CHECKED) | unsigned(DFCS_BUTTON3STATE);
    if (Style == csFlat) state |= DFCS_FLAT;
    if (!Enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(canvas, R, DFC_BUTTON, state);
}

// The classic and flat styles size the glyph by RadioSize (scaled), the others take a 16-pixel
// glyph.
void TExStringGrid::DrawRadioGroup(TCanvas& canvas, TRect R, int Count, int CheckedIndex, bool Horizontal,
                                   bool Disabled, const TStringList* Options, bool Selected, int ACol, int ARow,
                                   TControlStyle Style, double Scale, bool Upward) {
    const TControlLook& look = ControlLook();
    if (look.NoDisabledCheckRadioLook || look.RadioAlwaysActive) Disabled = false;
    const TColor savedFont = canvas.Font.Color();
    if (Selected && ShowSelection()) canvas.Font.SetColor(SelectionTextColor());
    canvas.Brush.Style = bsClear;
    const QString cellText = GetCellEx(ACol, ARow);
    const bool sized = Style == csClassic || Style == csFlat || (Style == csTheme && !ExXPVS().IsThemeActive());
    const bool bitmapStyle = Style == csWinXP || Style == csDUD || Style == csGlyph;
    const int S = sized ? look.RadioSize : 16, LH = canvas.TextHeight(QStringLiteral("gh"));
    const int scaled = sized ? static_cast<int>(std::lround(Scale * S)) : 16;
    const int lineHeight = sized ? LH : std::max(16, LH);
    const int direction = Upward ? -1 : 1;
    const bool flat = Style == csFlat;
    int W = 0;
    for (int i = 1; i <= Count; ++i) {
        const QString text = Options ? Options->Strings(i - 1) : QString();
        // Without options there is no text to match: a lone unchecked button stays unchecked
        // in an empty cell.
        const bool checked = CheckedIndex == -1 ? Options && text == cellText : i == CheckedIndex + 1;
        int L, T;
        TPoint textAt;
        if (Horizontal) {
            L = sized ? R.Left + 2 + (i - 1) * S + W : R.Left + 16 * i - 14 + W;
            T = R.Top + (R.Height() - S) / 2;
            textAt = {L + scaled, bitmapStyle ? T + 1 : T - 2};
            W += canvas.TextWidth(text);
        } else {
            T = R.Top + lineHeight * (i - 1) * direction + 2;
            L = Options ? R.Left + 2 : R.Left + (R.Width() - scaled) / 2;
            textAt = sized         ? TPoint{L + static_cast<int>(std::lround(Scale * (S + 4))), T - 2}
                     : bitmapStyle ? TPoint{R.Left + 18, T + 1}
                                   : TPoint{R.Left + 20, T - 2};
        }
        if (sized) {
            unsigned state = DFCS_BUTTONRADIO;
            if (checked) state |= DFCS_CHECKED;
            if (flat) state |= DFCS_FLAT;
            if (Disabled) state |= DFCS_INACTIVE;
            const int side = flat ? scaled + 2 : scaled;
            DrawFrameControl(canvas, TRect{L, T, L + side, T + side}, DFC_BUTTON, state);
        } else {
            drawStyledRadio(canvas, *this, Style, L, T, checked, !Disabled);
        }
        if (!text.isEmpty()) {
            canvas.Brush.Style = bsClear;
            canvas.TextOut(textAt.X, textAt.Y, text);
        }
    }
    canvas.Brush.Style = bsSolid;
    canvas.Font.SetColor(savedFont);
}
