#include "grid/foundation/themed_buttons.h"

#include "grid/foundation/visual_styles.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

namespace {

enum : uint8_t { StyleThemed, StyleClassic, StyleFlat, StyleTones };
enum : uint8_t { StateNormal, StateHot, StatePressed, StateDisabled };

const TColorTone& toneOf(const TColorTones& tones, uint8_t state) {
    switch (state) {
    case StateHot: return tones.Hover;
    case StatePressed: return tones.Selected;
    case StateDisabled: return tones.Disabled;
    default: return tones.Background;
    }
}

// One themed drawing: open the class's theme data, draw each part, close it again.
struct ThemedPart {
    int part;
    int state;
    TRect r;
};
void drawThemed(TCanvas& canvas, HWND handle, const QString& themeClass, std::initializer_list<ThemedPart> parts) {
    const TVisualStylesBinding& styles = ExXPVS();
    HTHEME theme = styles.OpenThemeData(handle, themeClass);
    if (!theme) return;
    for (const ThemedPart& p : parts) styles.DrawThemeBackground(theme, canvas, p.part, p.state, p.r, nullptr);
    styles.CloseThemeData(theme);
}

void fillWithPen(TCanvas& canvas, TColor color, const TRect& r) {
    canvas.Brush.Color = color;
    canvas.Pen.Color = color;
    canvas.Rectangle(r);
}

void arrowPolygon(TCanvas& canvas, TColor color, std::vector<TPoint> points) {
    canvas.Brush.Color = color;
    canvas.Pen.Color = color;
    canvas.Polygon(points);
}

unsigned frameState(uint8_t style, unsigned state) { return style == StyleFlat ? state | DFCS_FLAT : state; }

}  // namespace

void DrawComboButton(TCanvas& Canvas, HWND Handle, TRect R, uint8_t Style, uint8_t State, const TColorTones& Tones) {
    const TRect b{R.Right - 17 - 2, R.Top + 1, R.Right - 2, R.Bottom - 1};
    switch (Style) {
    case StyleThemed:
        drawThemed(Canvas, Handle, "combobox",
                   {{CP_DROPDOWNBUTTON, State == StateDisabled ? CBXS_DISABLED : CBXS_NORMAL, b}});
        break;
    case StyleClassic:
    case StyleFlat:
        DrawFrameControl(Canvas, b, DFC_SCROLL,
                         frameState(Style, DFCS_SCROLLCOMBOBOX | (State == StateDisabled ? unsigned(DFCS_INACTIVE) : 0u)));
        break;
    case StyleTones: {
        const TRect t{b.Left + 3, b.Top, b.Right, b.Bottom};
        fillWithPen(Canvas, toneOf(Tones, State).BrushColor, t);
        Canvas.Pen.Color = Tones.Background.BorderColor;
        Canvas.MoveTo(t.Left + 1, t.Top);
        Canvas.LineTo(t.Left + 1, t.Bottom);
        arrowPolygon(Canvas, Tones.Background.TextColor,
                     {{t.Left + 5, t.Top + 8}, {t.Left + 11, t.Top + 8}, {t.Left + 8, t.Top + 11}});
        break;
    }
    default: break;
    }
}

void DrawPushButton(TCanvas& Canvas, HWND Handle, TRect R, uint8_t Style, uint8_t State, const TColorTones& Tones) {
    switch (Style) {
    case StyleThemed: {
        const int state = State == StateHot       ? PBS_HOT
                          : State == StatePressed  ? PBS_PRESSED
                          : State == StateDisabled ? PBS_DISABLED
                                                   : PBS_NORMAL;
        drawThemed(Canvas, Handle, "button", {{BP_PUSHBUTTON, state, R}});
        break;
    }
    case StyleClassic:
    case StyleFlat: {
        const unsigned state = State == StateHot       ? DFCS_HOT
                               : State == StatePressed  ? DFCS_PUSHED
                               : State == StateDisabled ? DFCS_INACTIVE
                                                        : 0u;
        DrawFrameControl(Canvas, R, DFC_BUTTON, frameState(Style, DFCS_BUTTONPUSH | state));
        break;
    }
    case StyleTones:
        Canvas.Brush.Color = toneOf(Tones, State).BrushColor;
        Canvas.Pen.Color = toneOf(Tones, State).BorderColor;
        Canvas.Rectangle(R);
        break;
    default: break;
    }
}

void DrawSpinButtons(TCanvas& Canvas, HWND Handle, TRect R, uint8_t Style, uint8_t State, const TColorTones& Tones) {
    const TRect s{R.Right - 15 - 1, R.Top - 1, R.Right - 1, R.Bottom - 1};
    const int m = s.Top + s.Height() / 2;
    const TRect upper{s.Left, s.Top, s.Right, m};
    // Classic and tones buttons leave the middle row between the two.
    const TRect lower{s.Left, m + 1, s.Right, s.Bottom};
    switch (Style) {
    case StyleThemed: {
        const int state = State == StateDisabled ? UPS_DISABLED : UPS_NORMAL;
        drawThemed(Canvas, Handle, "spin", {{SPNP_UP, state, upper}, {SPNP_DOWN, state, {s.Left, m, s.Right, s.Bottom}}});
        break;
    }
    case StyleClassic:
    case StyleFlat: {
        const unsigned inactive = State == StateDisabled ? unsigned(DFCS_INACTIVE) : 0u;
        DrawFrameControl(Canvas, upper, DFC_SCROLL, frameState(Style, DFCS_SCROLLUP | inactive));
        DrawFrameControl(Canvas, lower, DFC_SCROLL, frameState(Style, DFCS_SCROLLDOWN | inactive));
        break;
    }
    case StyleTones: {
        fillWithPen(Canvas, toneOf(Tones, State).BrushColor, upper);
        fillWithPen(Canvas, toneOf(Tones, State).BrushColor, lower);
        const int l = s.Left, t = s.Top, t2 = lower.Top;
        arrowPolygon(Canvas, clBlack, {{l + 5, t + 5}, {l + 9, t + 5}, {l + 7, t + 3}});
        arrowPolygon(Canvas, clBlack, {{l + 5, t2 + 1}, {l + 9, t2 + 1}, {l + 7, t2 + 3}});
        break;
    }
    default: break;
    }
}
