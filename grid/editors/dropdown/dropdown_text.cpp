#include "grid/editors/dropdown/dropdown_text.h"

#include "grid/foundation/html_renderer.h"
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

void DrawHTMLItemText(TCanvas& Canvas, const QString& Text, TRect R, const TImageList* Images, bool Draw,
                      HWND Handle, TPoint& Size) {
    Size = {};
    if (Text.isEmpty()) return;
    THTMLDrawOptions options;
    options.Images = const_cast<TImageList*>(Images);
    options.ThemeWindow = Handle;
    options.URLColor = TColor(0xFF0000);
    options.MeasureOnly = !Draw;
    THTMLDrawResults results;
    DrawHTMLText(Canvas, Text, R, options, results);
    Size = {results.MaxLineWidth, results.TotalHeight};
}

QString UpperCaseUnless(const QString& Text, bool CaseSensitive) { return CaseSensitive ? Text : Text.toUpper(); }
