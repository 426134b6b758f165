#include "grid/stringgrid/scrolling/scroll_hint_window.h"

#include "platform/graphics/canvas.h"

#include <algorithm>

void TScrollHintWindow::ShowAt(const QString& AText, TColor AColor, TPoint At, int MaxWidth) {
    text_ = AText;
    SetColor(AColor);
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    const int width = std::min(MaxWidth, canvas.TextWidth(text_) + 8);
    SetBounds(At.X, At.Y, width, canvas.TextHeight(text_) + 4);
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
    canvas.TextRect(ClientRect(), 4, 2, text_);
}
