#include "grid/editors/dropdown/dropdown_text.h"

#include "grid/foundation/html_text.h"
#include "platform/graphics/canvas.h"

TSize GetTextSize(TCanvas& Canvas, const QString& Text) {
    if (Text.isEmpty()) return {};
    TRect r{0, 0, 1000, 500};
    Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Right, r.Bottom};
}

QString TruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddEllipsis) {
    if (GetTextSize(Canvas, Text).cx <= MaxWidth) return Text;
    for (qsizetype keep = Text.size() - 1; keep >= 0; --keep) {
        const QString candidate = Text.left(keep) + (AddEllipsis ? "..." : "");
        if (GetTextSize(Canvas, candidate).cx < MaxWidth) return candidate;
    }
    return Text;
}

// The markup renderer of the grid suite is not part of this build yet: the caption's plain
// text (tags dropped, <BR> as line breaks) is measured and drawn in its place.
void DrawHTMLItemText(TCanvas& Canvas, const QString& Text, TRect R, const TImageList* /*Images*/, bool Draw,
                      HWND /*Handle*/, TPoint& Size) {
    Size = {};
    if (Text.isEmpty()) return;
    const QString plain = HTMLToPlainText(Text);
    TRect measured{R.Left, R.Top, R.Right, R.Top + 65535};
    Canvas.DrawText(plain, measured, DT_CALCRECT | DT_NOPREFIX);
    Size = {measured.Width(), measured.Height()};
    if (!Draw) return;
    const TBrushStyle brush = Canvas.Brush.Style;
    Canvas.Brush.Style = bsClear;
    Canvas.DrawText(plain, R, DT_NOPREFIX);
    Canvas.Brush.Style = brush;
}

QString UpperCaseUnless(const QString& Text, bool CaseSensitive) { return CaseSensitive ? Text : Text.toUpper(); }
