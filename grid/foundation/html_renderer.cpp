#include "grid/foundation/html_renderer.h"

#include "grid/foundation/html_layout.h"
#include "grid/foundation/html_markup.h"
#include "grid/foundation/visual_styles.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/text_line.h"
#include "platform/system/platform_version.h"

#include <algorithm>

namespace {

TColor hilightBack = clHighlight;
TColor hilightText = clHighlightText;

// Visual styles came with version 5.1 of the desktop platform.
bool isXPOrLater() {
    static const bool later = [] {
        const TOSVersion v = GetOSVersion();
        return v.Major > 5 || (v.Major == 5 && v.Minor >= 1);
    }();
    return later;
}

// Runs are single lines set on the bottom of their rectangles.
constexpr unsigned HTMLRunFlags = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING;

// The canvas as the caller had it, given back at the end of the call.
class CanvasKeeper {
public:
    explicit CanvasKeeper(TCanvas& canvas) : canvas_(canvas), penColor_(canvas.Pen.Color), penWidth_(canvas.Pen.Width), brush_(canvas.Brush) {
        font_.Assign(canvas.Font);
    }
    ~CanvasKeeper() {
        canvas_.Pen.Color = penColor_;
        canvas_.Pen.Width = penWidth_;
        canvas_.Brush = brush_;
        canvas_.Font.Assign(font_);
    }

private:
    TCanvas& canvas_;
    TColor penColor_;
    int penWidth_;
    TBrush brush_;
    TFont font_;
};

// Where the line goes across the layout rectangle.
TRect alignedLine(const THTMLCall& call, const TRect& layout, int top, const THTMLLine& line, int lineWidth) {
    TRect r{layout.Left, top, layout.Right, AddPixels(top, line.Height + line.SubRoom + line.SuperRoom)};
    if (call.Align == THTMLAlign::Right && r.Right - lineWidth > r.Left) r.Left = r.Right - lineWidth;
    else if (call.Align == THTMLAlign::Center && r.Right - r.Left - lineWidth > 0) r.Left += (r.Right - r.Left - lineWidth) / 2;
    r.Left = AddPixels(r.Left, call.Indent);
    return r;
}

}  // namespace

void SetHTMLHilightColors(TColor BackColor, TColor TextColor) {
    hilightBack = BackColor;
    hilightText = TextColor;
}

TColor HilightBackColor() { return hilightBack; }
TColor HilightTextColor() { return hilightText; }

unsigned BiDiDrawTextFlags(unsigned Flags, TBiDiMode BiDiMode) {
    if (!SysLocaleMiddleEast()) return Flags;
    if (BiDiMode == bdRightToLeft) {
        if (Flags & DT_RIGHT) Flags &= ~unsigned(DT_RIGHT);
        else if (!(Flags & DT_CENTER)) Flags |= DT_RIGHT;
    }
    if (BiDiMode != bdLeftToRight) Flags |= DT_RTLREADING;
    return Flags;
}

void THTMLCall::SetBrush(TColor color) {
    Brush = color;
    Canvas.Brush.Style = color == clNone ? bsClear : bsSolid;
    if (color != clNone) Canvas.Brush.Color = color;
}

TSize THTMLCall::TextExtent(const QString& text) {
    // The font's own height, as the canvas reports a text height, leading left out.
    TRect r{0, 0, 0, 0};
    DrawTextLine(Canvas, text, r, (RunFlags & ~unsigned(DT_EXTERNALLEADING)) | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

bool THTMLCall::RightToLeft() const { return RunFlags & DT_RTLREADING; }

int ClampedPixels(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -MaxMarkupPixels * 10000LL, MaxMarkupPixels * 10000LL));
}

int AddPixels(int a, int b) { return ClampedPixels(static_cast<long long>(a) + b); }

int HitOffset(const THTMLCall& call, const THTMLPass& pass) {
    return call.RightToLeft() ? pass.LineRect.Right - call.O.HitX : call.O.HitX - pass.LineRect.Left;
}

bool DrawHTMLText(TCanvas& Canvas, const QString& Text, const TRect& Rect, const THTMLDrawOptions& Options,
                  THTMLDrawResults& Results) {
    THTMLDrawResults& R = Results;
    R.PlainText.clear();
    R.FocusHref.clear();
    R.HitTitle.clear();
    R.ControlValue.clear();
    R.ControlType.clear();
    R.ControlID = Options.HitTestOnly ? Options.ControlID : QString();
    R.MaxLineWidth = 0;
    R.TotalHeight = 0;
    R.AnchorCount = 0;
    R.HitAnchor = -1;
    R.ControlRect = TRect{};

    const CanvasKeeper keeper(Canvas);
    THTMLCall call(Canvas, Rect, Options, Results);
    call.BaseFont.Assign(Canvas.Font);
    call.StartBrushColor = Canvas.Brush.Color;
    call.SetBrush(clNone);
    call.HiSavedFontColor = call.HoverSavedFontColor = call.BaseFont.Color();
    call.Themed = isXPOrLater() && ExXPVS().IsThemeActive();
    call.RunFlags = BiDiDrawTextFlags(HTMLRunFlags, Options.BiDiMode) | (Options.WordWrap ? 0u : unsigned(DT_END_ELLIPSIS));

    TFont measureFont, drawFont;
    measureFont.Assign(call.BaseFont);
    drawFont.Assign(call.BaseFont);
    const QString text = PrepareHTMLMarkup(Text);
    const TRect layout{Rect.Left + 1, Rect.Top, Rect.Right, Rect.Bottom};
    int top = layout.Top;
    bool hit = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        Canvas.Font.Assign(measureFont);
        call.S.Subscript = call.S.Superscript = false;
        const THTMLCarried noted = call.S;
        THTMLLine line;
        line.Height = line.MinHeight = call.GhHeight();

        THTMLPass measure;
        measure.Decides = true;
        measure.Text = &text;
        measure.Pos = pos;
        measure.End = text.size();
        measure.LineRect = {layout.Left, top, layout.Right, layout.Bottom};
        DrawHTMLLine(call, line, measure);
        measureFont.Assign(Canvas.Font);
        // A call that only measures has no second pass to meet the line again.
        if (!Options.MeasureOnly) call.S = noted;

        const TRect lineRect = alignedLine(call, layout, top, line, measure.Width);
        if (!Options.MeasureOnly) {
            Canvas.Font.Assign(drawFont);
            THTMLPass second;
            second.Draws = !Options.HitTestOnly;
            second.Text = &text;
            second.Pos = pos;
            second.End = measure.Pos;
            second.LineRect = lineRect;
            DrawHTMLLine(call, line, second);
            drawFont.Assign(Canvas.Font);
            const int textBottom = lineRect.Bottom - line.TextRaise;
            const bool onAnchorText =
                second.AnchorRunHit && Options.HitY > textBottom - line.MinHeight && Options.HitY < textBottom;
            hit = hit || onAnchorText || second.ImageHit || second.ControlHit;
        }
        top = lineRect.Bottom;
        R.TotalHeight = AddPixels(R.TotalHeight, lineRect.Bottom - lineRect.Top);
        // A line always takes some markup; the guard only keeps a fault from looping.
        if (measure.EndsText || measure.Pos <= pos) break;
        pos = measure.Pos;
        if (!Options.MeasureOnly && top + line.MinHeight > layout.Bottom) break;
    }
    R.AnchorCount = call.S.AnchorCounter;
    if (R.TotalHeight == 0) {
        Canvas.Font.Assign(call.BaseFont);
        R.TotalHeight = call.GhHeight();
    }
    return hit;
}
