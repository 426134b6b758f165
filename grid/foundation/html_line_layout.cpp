#include "grid/foundation/html_layout.h"

#include "grid/foundation/html_markup.h"
#include "platform/graphics/text_line.h"

#include <algorithm>

namespace {

// The red zigzag of an error mark under a run, two pixels a step, its phase fixed by the
// x position so that neighbouring runs join up.
void drawErrorZigzag(TCanvas& canvas, int left, int right, int bottom) {
    const TColor penColor = canvas.Pen.Color;
    const int penWidth = canvas.Pen.Width;
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 1;
    int x = left / 2 * 2;
    int phase = x % 4 == 0 ? 2 : 0;
    canvas.MoveTo(x, bottom - 1 + phase);
    while (x < right) {
        phase = 2 - phase;
        canvas.LineTo(x + 2, bottom - 1 + phase);
        x += 2;
    }
    canvas.Pen.Color = penColor;
    canvas.Pen.Width = penWidth;
}

// Draws a run of the given width in the run rectangle and moves that on.
void drawRun(THTMLCall& call, const THTMLLine& line, THTMLPass& p, const QString& run, int width) {
    TCanvas& canvas = call.Canvas;
    TRect r = p.Run;
    if (call.S.Subscript) r.Bottom += line.SubRoom;
    if (call.S.Superscript) r.Bottom -= line.SuperRoom;
    r.Bottom -= line.TextRaise;
    if (call.S.Shadow) {
        const TColor color = canvas.Font.Color();
        canvas.Font.SetColor(call.O.ShadowColor);
        const int d = call.O.ShadowOffset;
        TRect shadow{r.Left + d, r.Top + d, r.Right + d, r.Bottom + d};
        DrawTextLine(canvas, run, shadow, call.RunFlags);
        canvas.Font.SetColor(color);
    }
    TRect drawn = r;
    DrawTextLine(canvas, run, drawn, call.RunFlags);
    if (call.S.InAnchor && call.O.FocusAnchor >= 0 && call.S.AnchorCounter - 1 == call.O.FocusAnchor)
        call.R.FocusHref = call.S.Href;
    // Past the line's right edge the zigzag would not be seen.
    if (call.ErrorMark) drawErrorZigzag(canvas, r.Left, std::min(AddPixels(r.Left, width), p.LineRect.Right), p.TextBottom);
    if (call.RightToLeft()) {
        p.Run.Right -= width;
    } else {
        p.Run.Left = AddPixels(r.Left, width);
        p.Run.Right = p.LineRect.Right;
    }
}

// The text up to the next tag, or with word wrapping up to and including the next space. The
// scan stops there, so a long text is read once however many runs it holds.
qsizetype runEnd(const THTMLCall& call, const THTMLPass& p) {
    const QString& text = *p.Text;
    const bool wrap = call.O.WordWrap;
    for (qsizetype i = p.Pos; i < p.End; ++i) {
        if (text[i] == '<') return i;
        if (wrap && text[i] == ' ') return i + 1;
    }
    return p.End;
}

// One run: measured or drawn, and joined to the line when it fits.
void placeRun(THTMLCall& call, THTMLLine& line, THTMLPass& p, qsizetype end) {
    const QString run = DecodeRunEntities(QStringView(*p.Text).mid(p.Pos, end - p.Pos));
    const TSize extent = call.TextExtent(run);
    const int height = extent.cy, width = extent.cx;
    if (call.S.Subscript) line.SubRoom = std::max(line.SubRoom, height / 4);
    if (call.S.Superscript) line.SuperRoom = std::max(line.SuperRoom, height / 4);
    line.Height = std::max(line.Height, height);
    if (p.Decides) call.R.PlainText += run;
    if (call.S.Hidden) {
        p.Pos = end;
        return;
    }
    p.X = AddPixels(p.X, width);
    if (p.Draws) drawRun(call, line, p, run, width);
    else HitTestHTMLRun(call, p, width);
    const int lineWidth = p.LineWidth();
    const bool fits = p.X < lineWidth || width >= lineWidth;
    // A word that a tag splits stays together.
    const bool joined = !p.Visible.isEmpty() && !p.Visible.endsWith(' ');
    // The second pass meets only what the first put on the line.
    if (p.Decides && !fits && !joined && call.O.WordWrap) {
        p.LineBreak = true;
        p.X -= width;
        return;
    }
    // Unwrapped, the first run past the right edge is the last one: the ellipsis cuts it.
    if (p.Decides && !fits && !call.O.WordWrap && !p.Visible.isEmpty()) p.EndsText = true;
    p.Pos = end;
    p.Visible += run;
    p.TrailingSpace = run.endsWith(' ') ? call.TextExtent(QStringLiteral(" ")).cx : 0;
}

}  // namespace

bool PlaceInline(THTMLLine& line, THTMLPass& p, int width, int height) {
    if (width == 0 && height == 0) return true;
    if (p.Decides && p.X + width > p.LineWidth() && width < p.LineWidth()) {
        p.LineFull = true;
        return false;
    }
    p.X = AddPixels(p.X, width);
    p.Run.Left = AddPixels(p.Run.Left, width);
    line.Height = std::max(line.Height, height);
    return true;
}

void DrawHTMLLine(THTMLCall& call, THTMLLine& line, THTMLPass& p) {
    TCanvas& canvas = call.Canvas;
    p.TextBottom = p.LineRect.Bottom - line.SubRoom;
    p.Run = {p.LineRect.Left, p.LineRect.Top, p.LineRect.Right, p.TextBottom};
    p.AnchorStart = {p.LineRect.Left, p.LineRect.Top};
    if (call.ParagraphBackground && p.Draws && call.Brush != clNone) {
        const TColor penColor = canvas.Pen.Color;
        canvas.Pen.Color = call.Brush;
        canvas.Rectangle(call.Rect.Left, p.LineRect.Top, call.Rect.Right, p.LineRect.Top + line.Height);
        canvas.Pen.Color = penColor;
    }
    const QString& text = *p.Text;
    while (p.Pos < p.End && !p.LineBreak && !p.LineFull && !p.EndsText) {
        const qsizetype end = runEnd(call, p);
        if (end > p.Pos) placeRun(call, line, p, end);
        if (p.LineBreak || p.EndsText || p.Pos >= p.End || text[p.Pos] != '<') continue;
        if (p.End - p.Pos <= 2) {
            p.EndsText = true;
            break;
        }
        const qsizetype close = text.indexOf('>', p.Pos);
        if (close < 0 || close >= p.End) {
            // A tag without ">" ends the text.
            p.EndsText = true;
            break;
        }
        ProcessHTMLTag(call, line, p, QStringView(text).mid(p.Pos, close - p.Pos + 1));
        if (!p.LineFull) p.Pos = close + 1;
    }
    p.Width = p.X - p.TrailingSpace;
    call.R.MaxLineWidth = std::max(call.R.MaxLineWidth, p.Width);
    if (p.Draws) CloseHTMLFocusForLine(call, p);
}
