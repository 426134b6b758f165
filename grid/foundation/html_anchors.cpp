#include "grid/foundation/html_layout.h"

#include "grid/foundation/html_markup.h"

namespace {

// Whether the hover look applies to the current anchor.
bool hoverApplies(const THTMLCall& call) {
    return !call.O.HoverOnly || call.O.HoverAnchor == call.S.AnchorCounter;
}

bool insideFocusedAnchor(const THTMLCall& call) {
    return call.O.FocusAnchor >= 0 && call.S.AnchorCounter - 1 == call.O.FocusAnchor;
}

void setUnderline(TCanvas& canvas, bool on) {
    const TFontStyles style = canvas.Font.Style();
    canvas.Font.SetStyle(on ? style | fsUnderline : style & ~fsUnderline);
}

}  // namespace

void OpenHTMLAnchor(THTMLCall& call, THTMLPass& p, QStringView tag) {
    TCanvas& canvas = call.Canvas;
    const THTMLDrawOptions& o = call.O;
    if (p.Draws && o.FocusAnchor == call.S.AnchorCounter) call.FocusStart = {p.Run.Left, p.LineRect.Top};
    ++call.S.AnchorCounter;
    if (hoverApplies(call) && p.Draws) {
        setUnderline(canvas, true);
        if (o.HoverColor != clNone) {
            call.HoverSavedBrush = call.Brush;
            call.SetBrush(o.HoverColor);
        }
        if (o.HoverFontColor != clNone) {
            call.HoverSavedFontColor = canvas.Font.Color();
            canvas.Font.SetColor(o.HoverFontColor);
        }
    }
    const bool hoveredInItsOwnColour = o.HoverOnly && o.HoverAnchor == call.S.AnchorCounter && o.HoverFontColor != clNone;
    if (!o.KeepColours && !hoveredInItsOwnColour) canvas.Font.SetColor(o.URLColor);
    if (HasHTMLAttribute(tag, QLatin1StringView("HREF"))) {
        call.S.Href = HTMLAttribute(tag, QLatin1StringView("HREF"));
        call.S.InAnchor = true;
    }
    // An anchor without a TITLE has none: it does not take the previous anchor's.
    call.S.Title = HasHTMLAttribute(tag, QLatin1StringView("TITLE")) ? HTMLAttribute(tag, QLatin1StringView("TITLE"))
                                                                      : QString();
    p.AnchorStart = {AddPixels(p.LineRect.Left, p.X), p.LineRect.Top};
}

void CloseHTMLAnchor(THTMLCall& call, THTMLLine& line, THTMLPass& p) {
    TCanvas& canvas = call.Canvas;
    const THTMLDrawOptions& o = call.O;
    if (hoverApplies(call) && p.Draws) {
        setUnderline(canvas, false);
        if (o.HoverColor != clNone) call.SetBrush(call.HoverSavedBrush);
        if (o.HoverFontColor != clNone) canvas.Font.SetColor(call.HoverSavedFontColor);
    }
    if (!o.KeepColours) canvas.Font.SetColor(call.BaseFont.Color());
    call.S.InAnchor = false;
    if (p.AnchorHitPending) {
        call.R.HitAnchorRect = {p.AnchorStart.X, p.AnchorStart.Y, AddPixels(p.LineRect.Left, p.X), p.TextBottom};
        call.R.HitAnchor = call.S.AnchorCounter;
        p.AnchorHitPending = false;
    }
    if (insideFocusedAnchor(call)) {
        const int bottom = p.TextBottom - line.TextRaise;
        const TRect focus{call.FocusStart.X - 1, bottom - call.GhHeight(), p.Run.Left + 1, bottom};
        if (p.Draws) canvas.DrawFocusRect(focus);
    }
}

void HitTestHTMLRun(THTMLCall& call, THTMLPass& p, int runWidth) {
    if (!call.S.InAnchor) return;
    const int at = HitOffset(call, p);
    if (at < p.X - runWidth || at >= p.X) return;
    p.AnchorRunHit = true;
    if (call.O.HitY <= p.LineRect.Top) return;
    call.R.HitHref = call.S.Href;
    call.R.HitTitle = call.S.Title;
    p.AnchorHitPending = true;
}

void CloseHTMLFocusForLine(THTMLCall& call, THTMLPass& p) {
    if (!call.S.InAnchor || !insideFocusedAnchor(call)) return;
    call.Canvas.DrawFocusRect({call.FocusStart.X - 1, call.FocusStart.Y, p.Run.Left + 1, p.TextBottom});
    call.FocusStart = {p.LineRect.Left + 1, p.TextBottom};
}
