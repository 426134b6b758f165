#include "platform/graphics/frame_control.h"

#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {

// One pixel ring: top and left in one colour, then bottom and right over the far corners.
void edge(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    canvas.Brush.Color = topLeft;
    canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
    canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    canvas.Brush.Color = bottomRight;
    canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
    canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

TRect inset(const TRect& r) { return {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}; }

// The face and its edges; returns the area left for a glyph.
TRect face(TCanvas& canvas, const TRect& r, unsigned state) {
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(r);
    if (state & DFCS_FLAT) {
        if (state & DFCS_HOT) {
            edge(canvas, r, clBtnHighlight, clBtnShadow);
        } else {
            canvas.Brush.Color = clBtnShadow;
            canvas.FrameRect(r);
        }
        return inset(r);
    }
    const bool pushed = state & DFCS_PUSHED;
    edge(canvas, r, pushed ? clBtnShadow : clBtnHighlight, pushed ? clBtnHighlight : cl3DDkShadow);
    edge(canvas, inset(r), pushed ? cl3DDkShadow : cl3DLight, pushed ? cl3DLight : clBtnShadow);
    return inset(inset(r));
}

// A filled arrow centred in r, its rows one pixel narrower on each side towards the point.
void arrow(TCanvas& canvas, const TRect& r, bool up, TColor color) {
    if (r.IsEmpty()) return;
    const int k = std::max(1, (std::min(r.Width(), r.Height()) - 1) / 4);
    const int cx = r.Left + (r.Width() - 1) / 2;
    const int top = r.Top + (r.Height() - (k + 1)) / 2;
    canvas.Brush.Color = color;
    for (int i = 0; i <= k; ++i) {
        const int half = up ? i : k - i;
        canvas.FillRect({cx - half, top + i, cx + half + 1, top + i + 1});
    }
}

// A check box: the sunken frame, its well and, when checked, the tick.
void checkBox(TCanvas& canvas, const TRect& r, unsigned state) {
    edge(canvas, r, clBtnShadow, clBtnHighlight);
    edge(canvas, inset(r), cl3DDkShadow, cl3DLight);
    const TRect well = inset(inset(r));
    canvas.Brush.Color = (state & DFCS_INACTIVE) ? clBtnFace : clWindow;
    canvas.FillRect(well);
    if (!(state & DFCS_CHECKED) || well.Width() < 7 || well.Height() < 7) return;
    // Down from the left for three columns, then up for four, each column three pixels high.
    canvas.Brush.Color = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
    const int x0 = well.Left + (well.Width() - 7) / 2, y0 = well.Top + (well.Height() - 7) / 2;
    const int drops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) canvas.FillRect({x0 + i, y0 + drops[i], x0 + i + 1, y0 + drops[i] + 3});
}

}  // namespace

bool DrawFrameControl(TCanvas& canvas, const TRect& r, unsigned kind, unsigned state) {
    const unsigned part = state & 0xFF;
    const bool scrollPart =
        kind == DFC_SCROLL && (part == DFCS_SCROLLUP || part == DFCS_SCROLLDOWN || part == DFCS_SCROLLCOMBOBOX);
    const bool pushButton = kind == DFC_BUTTON && part == DFCS_BUTTONPUSH;
    const bool checkButton = kind == DFC_BUTTON && part == DFCS_BUTTONCHECK;
    if (!(scrollPart || pushButton || checkButton) || r.IsEmpty()) return false;
    if (checkButton) {
        checkBox(canvas, r, state);
        return true;
    }
    TRect glyph = face(canvas, r, state);
    // Too small a face for an arrow and its inactive shadow to stay inside.
    if (!scrollPart || glyph.Width() < 4 || glyph.Height() < 4) return true;
    if (state & DFCS_PUSHED) glyph = {glyph.Left + 1, glyph.Top + 1, glyph.Right + 1, glyph.Bottom + 1};
    const bool up = part == DFCS_SCROLLUP;
    if (state & DFCS_INACTIVE) {
        arrow(canvas, {glyph.Left + 1, glyph.Top + 1, glyph.Right + 1, glyph.Bottom + 1}, up, clBtnHighlight);
        arrow(canvas, glyph, up, clGrayText);
    } else {
        arrow(canvas, glyph, up, clBtnText);
    }
    return true;
}
