#include "grid/foundation/html_controls.h"
#include "grid/foundation/html_layout.h"
#include "grid/foundation/visual_styles.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/theme_service.h"
#include "platform/system/regional.h"

#include <algorithm>

namespace {

// Where one control goes and what is known of the test point there.
struct ControlBox {
    int left;        // the run's left
    int bottom;      // the text bottom
    int width;       // WIDTH
    int lineHeight;  // the height the control sets for its line
    int boxHeight;   // HEIGHT, 25 by default
    int height;      // the control's height: the text height + 10
};

void drawThemed(const THTMLCall& call, const QString& themeClass, int part, int state, const TRect& r) {
    const TVisualStylesBinding& styles = ExXPVS();
    HTHEME theme = styles.OpenThemeData(call.O.ThemeWindow, themeClass);
    if (!theme) return;
    styles.DrawThemeBackground(theme, call.Canvas, part, state, r, nullptr);
    styles.CloseThemeData(theme);
}

bool between(int value, int low, int high) { return value > low && value < high; }

// The white box of the edit kinds, with its value on one line.
void drawEditBox(THTMLCall& call, const ControlBox& b, const QString& shown, int textLeft, int textRight) {
    TCanvas& canvas = call.Canvas;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(b.left, b.bottom - b.lineHeight + 4, b.left + b.width, b.bottom + 2);
    canvas.Brush.Style = bsClear;
    TRect text{textLeft, b.bottom - b.lineHeight + 4, textRight, b.bottom};
    canvas.DrawText(shown, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// A flat radio button: a round well, with a dot when it is selected.
void drawFlatRadio(TCanvas& canvas, const TRect& r, bool selected) {
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWindow;
    canvas.Ellipse(r);
    if (!selected) return;
    canvas.Pen.Color = clWindowText;
    canvas.Brush.Color = clWindowText;
    canvas.Ellipse({r.Left + 4, r.Top + 4, r.Right - 3, r.Bottom - 3});
}

void drawControl(THTMLCall& call, const THTMLControlTag& t, const ControlBox& b) {
    TCanvas& canvas = call.Canvas;
    const THTMLDrawOptions& o = call.O;
    const TColor penColor = canvas.Pen.Color;
    canvas.Pen.Color = call.Themed ? TColor(0xB99D7F) : TColor(0x808080);
    canvas.Pen.Width = 1;
    // The platform's faces fill with the brush, whatever the runs' background is.
    canvas.Brush.Style = bsSolid;
    const bool ticked = t.Value.toUpper() == QLatin1StringView("TRUE");
    if (t.Type == "EDIT" || t.Type == "MASK") {
        drawEditBox(call, b, t.Value, b.left + 2, b.left + b.width);
    } else if (t.Type == "PASSWORD") {
        drawEditBox(call, b, QString(t.Value.size(), '*'), b.left + 2, b.left + b.width);
    } else if (t.Type == "COMBO") {
        drawEditBox(call, b, t.Value, b.left + 4, b.left + b.width - 18);
        const TRect button{b.left + b.width - 18, b.bottom - b.lineHeight + 5, b.left + b.width - 1, b.bottom + 1};
        const bool hot = between(o.HitX, b.left - 2, b.left + b.width - 2) && between(o.HitY, b.bottom - b.height - 2, b.bottom - 2);
        if (call.Themed) drawThemed(call, "combobox", CP_DROPDOWNBUTTON, hot ? CBXS_HOT : CBXS_NORMAL, button);
        else DrawFrameControl(canvas, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    } else if (t.Type == "CHECK") {
        const TRect box{b.left + 2, b.bottom - 15, b.left + 15, b.bottom};
        if (call.Themed) drawThemed(call, "button", BP_CHECKBOX, ticked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, box);
        else DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (ticked ? unsigned(DFCS_CHECKED) : 0u));
    } else if (t.Type == "RADIO") {
        const TRect box{b.left + 2, b.bottom - 14, b.left + 14, b.bottom};
        if (call.Themed) drawThemed(call, "button", BP_RADIOBUTTON, ticked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, box);
        else drawFlatRadio(canvas, box, ticked);
    } else if (t.Type == "BUTTON") {
        TRect box{b.left + 2, b.bottom - b.boxHeight, b.left + b.width - 2, b.bottom};
        const bool hot = between(o.HitX, b.left - 2, b.left + b.width - 2) && between(o.HitY, b.bottom - 26, b.bottom - 2);
        // Only the button under the mouse is pressed, themed or not.
        const bool pressed = hot && o.MouseDown;
        if (call.Themed) drawThemed(call, "button", BP_PUSHBUTTON, pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL, box);
        else DrawFrameControl(canvas, box, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? unsigned(DFCS_PUSHED) : 0u));
        box = {box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2};
        canvas.Brush.Style = bsClear;
        canvas.DrawText(t.Value, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    canvas.Pen.Color = penColor;
    call.SetBrush(call.Brush);
}

}  // namespace

void PlaceHTMLControl(THTMLCall& call, THTMLLine& line, THTMLPass& p, QStringView tag) {
    const THTMLControlTag t = ParseHTMLControlTag(tag.mid(8).toString());
    int boxHeight = 25;
    if (!TryStrToInt(t.Height, boxHeight)) boxHeight = 25;
    boxHeight = std::clamp(boxHeight, 0, MaxMarkupPixels);
    int width = 0;
    // A control without a width, or with one that is no number, takes no room and is not drawn.
    if (!TryStrToInt(t.Width, width) || width < 0) return;
    width = std::min(width, MaxMarkupPixels);
    int controlWidth = width, controlHeight = call.GhHeight() + 10;
    const bool small = t.Type == "CHECK" || t.Type == "RADIO";
    line.Height = boxHeight > 25 ? boxHeight - 2 : small ? 16 : 23;
    if (p.Draws) drawControl(call, t, {p.Run.Left, p.TextBottom, width, line.Height, boxHeight, controlHeight});
    if (t.Type == "BUTTON" || t.Type == "COMBO") controlHeight = 25;
    if (small) controlWidth = controlHeight = 16;

    const int at = HitOffset(call, p), top = p.LineRect.Top;
    const bool under = at > p.X && at < p.X + controlWidth && call.O.HitY > top && call.O.HitY < top + controlHeight;
    const bool asked = call.O.HitTestOnly && !call.O.ControlID.isEmpty() && call.O.ControlID == t.ID;
    if (under || asked) {
        p.ControlHit = true;
        THTMLDrawResults& r = call.R;
        r.HitHref = QStringLiteral("ctrl");
        const int left = AddPixels(p.LineRect.Left, p.X);
        r.ControlRect = {left, top, AddPixels(left, controlWidth), top + controlHeight};
        r.ControlValue = t.Value;
        r.ControlID = t.ID;
        r.ControlType = t.Type;
    }
    PlaceInline(line, p, controlWidth, controlHeight);
}
