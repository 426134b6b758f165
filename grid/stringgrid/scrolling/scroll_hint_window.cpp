#include "grid/stringgrid/scrolling/scroll_hint_window.h"

#include "grid/foundation/html_renderer.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

void TScrollHintWindow::ShowAt(const QString& AText, TColor AColor, TPoint At, int MaxWidth, bool Markup) {
    text_ = AText;
    markup_ = Markup;
    SetColor(AColor);
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    int textWidth = canvas.TextWidth(text_), textHeight = canvas.TextHeight(text_);
    if (markup_) {
        THTMLDrawOptions options;
        options.MeasureOnly = true;
        THTMLDrawResults measured;
        DrawHTMLText(canvas, text_, {0, 0, MaxWidth - 8, 1000}, options, measured);
        textWidth = measured.MaxLineWidth;
        textHeight = measured.TotalHeight;
    }
    const int width = std::min(MaxWidth, textWidth + 8);
    SetBounds(At.X, At.Y, width, textHeight + 4);
    Invalidate();
    Show();
}

void TScrollHintWindow::Close() { Hide(); }

void TScrollHintWindow::CreateParams(TCreateParams& Params) {
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void TScrollHintWindow::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    canvas.Brush.Color = clWindowText;
    canvas.FrameRect(ClientRect());
    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsClear;
    if (markup_) {
        THTMLDrawResults drawn;
        const TRect r = ClientRect();
        DrawHTMLText(canvas, text_, {r.Left + 4, r.Top + 2, r.Right, r.Bottom}, THTMLDrawOptions(), drawn);
    } else {
        canvas.TextRect(ClientRect(), 4, 2, text_);
    }
}
