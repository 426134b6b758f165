#include "grid/editors/editor_frame.h"

#include "grid/foundation/visual_styles.h"
#include "platform/controls/control.h"
#include "platform/controls/key_state.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/theme_service.h"

TEditorLook WithControl(TEditorLook Look, const TWinControl& Control) {
    Look.Width = Control.Width();
    Look.Height = Control.Height();
    Look.ClientWidth = Control.ClientWidth();
    Look.ClientHeight = Control.ClientHeight();
    Look.Enabled = Control.Enabled();
    Look.ParentColor = Control.Parent() ? Control.Parent()->Color() : clBtnFace;
    Look.Color = Control.Color();
    return Look;
}

bool AMouseButtonIsDown() { return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0; }

namespace {

void frame(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Brush.Color = color;
    canvas.FrameRect(r);
}

void customButton(TCanvas& canvas, TDropButtonShape shape, const TDropButtonColors& c, const TEditorLook& look,
                  const TRect& r) {
    const bool down = AMouseButtonIsDown();
    TColor fill = c.ButtonColor;
    if (look.MouseOverButton) fill = down ? c.ButtonColorDown : c.ButtonColorHot;
    canvas.Brush.Color = fill;
    canvas.Pen.Color = fill;
    const TRect f = shape == dbsCombo ? TRect{r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1}
                                      : TRect{r.Left + 2, r.Top, r.Right, r.Bottom};
    canvas.FillRect(f);
    const TRect line = shape == dbsCombo ? f : r;
    canvas.Pen.Color = c.ButtonBorderColor;
    canvas.MoveTo(line.Left, line.Top);
    canvas.LineTo(line.Left, line.Bottom);
    const TColor arrow = down ? c.ButtonTextColorDown : c.ButtonTextColor;
    canvas.Brush.Color = arrow;
    canvas.Pen.Color = arrow;
    const int dx = shape == dbsCombo ? 4 : 5;
    canvas.Polygon({{line.Left + dx, line.Top + 7}, {line.Left + dx + 6, line.Top + 7}, {line.Left + dx + 3, line.Top + 10}});
}

}  // namespace

void PaintDropButton(TCanvas& Canvas, HWND Handle, TDropButtonShape Shape, const TDropButtonColors& Colors,
                     const TEditorLook& Look) {
    TRect r{Look.ClientWidth - Look.ButtonWidth + 2, 0, Look.Width, Look.Height};
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    if (Colors.ButtonColor != clNone) {
        customButton(Canvas, Shape, Colors, Look, r);
    } else if (Look.StylesActive) {
        const TVisualStylesBinding& styles = ExXPVS();
        if (HTHEME theme = styles.OpenThemeData(Handle, "combobox")) {
            const bool down = AMouseButtonIsDown();
            int state = CBXS_NORMAL;
            if (!Look.Enabled) state = CBXS_DISABLED;
            else if (down && Look.Dropped) state = CBXS_PRESSED;
            else if (!down && Look.MouseOverButton && !Look.Dropped) state = CBXS_HOT;
            styles.DrawThemeBackground(theme, Canvas, CP_DROPDOWNBUTTON, state, r, nullptr);
            styles.CloseThemeData(theme);
        }
    } else {
        if (Shape == dbsCombo) r = {r.Left - 4, r.Top + 1, r.Right, r.Bottom - 1};
        DrawFrameControl(Canvas, r, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (Look.Enabled ? unsigned(DFCS_FLAT) : unsigned(DFCS_INACTIVE)));
    }
    Canvas.ExcludeClipRect({Look.ClientWidth - Look.ButtonWidth - 4, 0, Look.ClientWidth + 2, Look.ClientHeight});
}

void PaintEditorOutline(TCanvas& Canvas, const TEditorLook& Look) {
    const TRect whole{0, 0, Look.Width, Look.Height};
    if (!Look.Enabled && Look.IsThemed && !Look.DisabledBorder) {
        frame(Canvas, whole, 0xB99D7F);
    } else if (Look.BorderColor != clNone && !(Look.HasFocus && Look.FocusBorderColor != clNone)) {
        frame(Canvas, whole, Look.BorderColor);
    } else if (Look.FocusBorderColor != clNone) {
        if (Look.HasFocus) frame(Canvas, whole, Look.FocusBorderColor);
    } else {
        const TColor outer = Look.FocusBorderShown ? clBtnFace : Look.ParentColor;
        if (Look.FocusBorderShown) {
            TRect r = whole;
            DrawEdge(Canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            frame(Canvas, r, outer);
            frame(Canvas, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, Look.Color);
        } else {
            frame(Canvas, whole, outer);
            const TRect second{1, 1, Look.Width - 1 - Look.ButtonWidth, Look.Height - 1};
            frame(Canvas, second, outer);
            frame(Canvas, {second.Left + 1, second.Top + 1, second.Right - 1, second.Bottom - 1}, Look.Color);
        }
    }
}

void PaintButtonSurround(TCanvas& Canvas, const TEditorLook& Look, bool RaisedWhenHot) {
    Canvas.ExcludeClipRect({Look.ClientWidth - Look.ButtonWidth + 4, 4, Look.ClientWidth - 4, Look.ClientHeight - 4});
    TRect b{Look.ClientWidth - Look.ButtonWidth - 2 + 2, 2, Look.Width - 2, Look.Height - 2};
    if (Look.Hot) {
        if (RaisedWhenHot) DrawEdge(Canvas, b, EDGE_RAISED, BF_RECT | (Look.Dropped ? unsigned(BF_FLAT) : 0u));
    } else {
        b = {b.Left, b.Top + 1, b.Right - 1, b.Bottom - 1};
        Canvas.Brush.Color = clBtnFace;
        Canvas.FillRect(b);
    }
    Canvas.ExcludeClipRect(b);
}
