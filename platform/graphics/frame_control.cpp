#include "platform/graphics/frame_control.h"

#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {

// One pixel ring on the given sides: top and left in one colour, then bottom and right over
// the far corners.
void edge(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight, unsigned sides = BF_RECT) {
    canvas.Brush.Color = topLeft;
    if (sides & BF_TOP) canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
    if (sides & BF_LEFT) canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    canvas.Brush.Color = bottomRight;
    if (sides & BF_BOTTOM) canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
    if (sides & BF_RIGHT) canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

// r less one pixel on the given sides.
TRect shrink(const TRect& r, unsigned sides) {
    return {r.Left + ((sides & BF_LEFT) ? 1 : 0), r.Top + ((sides & BF_TOP) ? 1 : 0),
            r.Right - ((sides & BF_RIGHT) ? 1 : 0), r.Bottom - ((sides & BF_BOTTOM) ? 1 : 0)};
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

enum ArrowDirection { ArrowUp, ArrowDown, ArrowLeft, ArrowRight };

// A filled arrow centred in r, its rows (or columns) one pixel narrower on each side towards
// the point.
void arrow(TCanvas& canvas, const TRect& r, ArrowDirection direction, TColor color) {
    if (r.IsEmpty()) return;
    const int k = std::max(1, (std::min(r.Width(), r.Height()) - 1) / 4);
    const int cx = r.Left + (r.Width() - 1) / 2;
    const int cy = r.Top + (r.Height() - 1) / 2;
    const int top = r.Top + (r.Height() - (k + 1)) / 2;
    const int left = r.Left + (r.Width() - (k + 1)) / 2;
    canvas.Brush.Color = color;
    for (int i = 0; i <= k; ++i) {
        switch (direction) {
        case ArrowUp: canvas.FillRect({cx - i, top + i, cx + i + 1, top + i + 1}); break;
        case ArrowDown: canvas.FillRect({cx - (k - i), top + i, cx + (k - i) + 1, top + i + 1}); break;
        case ArrowLeft: canvas.FillRect({left + i, cy - i, left + i + 1, cy + i + 1}); break;
        case ArrowRight: canvas.FillRect({left + i, cy - (k - i), left + i + 1, cy + (k - i) + 1}); break;
        }
    }
}

ArrowDirection arrowOf(unsigned part) {
    switch (part) {
    case DFCS_SCROLLUP: return ArrowUp;
    case DFCS_SCROLLLEFT: return ArrowLeft;
    case DFCS_SCROLLRIGHT: return ArrowRight;
    default: return ArrowDown;
    }
}

// A check box: the sunken frame, its well and, when checked, the tick. The three-state part
// checked is the mixed state: a grey tick in a grey well.
void checkBox(TCanvas& canvas, const TRect& r, unsigned state) {
    const bool mixed = (state & 0xFF) == DFCS_BUTTON3STATE && (state & DFCS_CHECKED);
    edge(canvas, r, clBtnShadow, clBtnHighlight);
    edge(canvas, inset(r), cl3DDkShadow, cl3DLight);
    const TRect well = inset(inset(r));
    canvas.Brush.Color = (state & DFCS_INACTIVE) || mixed ? clBtnFace : clWindow;
    canvas.FillRect(well);
    if (!(state & DFCS_CHECKED) || well.Width() < 7 || well.Height() < 7) return;
    // Down from the left for three columns, then up for four, each column three pixels high.
    canvas.Brush.Color = (state & DFCS_INACTIVE) ? clGrayText : mixed ? clBtnShadow : clWindowText;
    const int x0 = well.Left + (well.Width() - 7) / 2, y0 = well.Top + (well.Height() - 7) / 2;
    const int drops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) canvas.FillRect({x0 + i, y0 + drops[i], x0 + i + 1, y0 + drops[i] + 3});
}

void radioButton(TCanvas& canvas, const TRect& r, unsigned state) {
    const bool inactive = state & DFCS_INACTIVE;
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Color = inactive ? clBtnFace : clWindow;
    canvas.Ellipse(r);
    if (!(state & DFCS_CHECKED)) return;
    const int dx = r.Width() / 3, dy = r.Height() / 3;
    const TColor dot = inactive ? clGrayText : clWindowText;
    canvas.Pen.Color = dot;
    canvas.Brush.Color = dot;
    canvas.Ellipse({r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy});
}

}  // namespace

bool DrawFrameControl(TCanvas& canvas, TRect& r, unsigned kind, unsigned state) {
    const unsigned part = state & 0xFF;
    const bool scrollPart = kind == DFC_SCROLL && (part <= DFCS_SCROLLRIGHT || part == DFCS_SCROLLCOMBOBOX);
    const bool pushButton = kind == DFC_BUTTON && part == DFCS_BUTTONPUSH;
    const bool checkButton = kind == DFC_BUTTON && (part == DFCS_BUTTONCHECK || part == DFCS_BUTTON3STATE);
    const bool radioButton = kind == DFC_BUTTON && part == DFCS_BUTTONRADIO;
    if (!(scrollPart || pushButton || checkButton || radioButton) || r.IsEmpty()) return false;
    if (radioButton) {
        ::radioButton(canvas, r, state);
        return true;
    }
    if (checkButton) {
        checkBox(canvas, r, state);
        return true;
    }
    TRect glyph = face(canvas, r, state);
    if (state & DFCS_ADJUSTRECT) r = (state & DFCS_FLAT) ? inset(r) : inset(inset(r));
    // Too small a face for an arrow and its inactive shadow to stay inside.
    if (!scrollPart || glyph.Width() < 4 || glyph.Height() < 4) return true;
    if (state & DFCS_PUSHED) glyph = {glyph.Left + 1, glyph.Top + 1, glyph.Right + 1, glyph.Bottom + 1};
    const ArrowDirection direction = arrowOf(part);
    if (state & DFCS_INACTIVE) {
        arrow(canvas, {glyph.Left + 1, glyph.Top + 1, glyph.Right + 1, glyph.Bottom + 1}, direction, clBtnHighlight);
        arrow(canvas, glyph, direction, clGrayText);
    } else {
        arrow(canvas, glyph, direction, clBtnText);
    }
    return true;
}

void DrawEdge(TCanvas& canvas, TRect& r, unsigned edgeKind, unsigned flags) {
    const unsigned sides = flags & BF_RECT;
    const bool flat = flags & BF_FLAT;
    TRect inner = r;
    const auto ring = [&](bool present, bool raised, TColor raisedTL, TColor raisedBR, TColor sunkenTL, TColor sunkenBR) {
        if (!present) return;
        if (flat) edge(canvas, inner, clBtnShadow, clBtnShadow, sides);
        else if (raised) edge(canvas, inner, raisedTL, raisedBR, sides);
        else edge(canvas, inner, sunkenTL, sunkenBR, sides);
        inner = shrink(inner, sides);
    };
    ring(edgeKind & (BDR_RAISEDOUTER | BDR_SUNKENOUTER), edgeKind & BDR_RAISEDOUTER, clBtnHighlight, cl3DDkShadow,
         clBtnShadow, clBtnHighlight);
    ring(edgeKind & (BDR_RAISEDINNER | BDR_SUNKENINNER), edgeKind & BDR_RAISEDINNER, cl3DLight, clBtnShadow,
         cl3DDkShadow, cl3DLight);
    if ((flags & BF_MIDDLE) && !inner.IsEmpty()) {
        canvas.Brush.Color = clBtnFace;
        canvas.FillRect(inner);
    }
    if (flags & BF_ADJUST) r = inner;
}
