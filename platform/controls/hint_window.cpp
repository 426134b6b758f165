#include "platform/controls/hint_window.h"

#include "platform/controls/screen.h"
#include "platform/graphics/canvas.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetVisible(false);
    SetColor(clInfoBk);
}

void THintWindow::CreateParams(TCreateParams& Params) {
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const QString& AHint, TObject*) {
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    TRect r = Rect(0, 0, MaxWidth, 0);
    canvas.DrawText(AHint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    return Rect(0, 0, r.Width() + 2 * MarginX, r.Height() + 2 * MarginY);
}

void THintWindow::ActivateHint(TRect ARect, const QString& AHint) {
    caption_ = AHint;
    TRect monitor, workArea;
    if (!ScreenGeometry().MonitorAt({ARect.Left, ARect.Top}, monitor, workArea)) monitor = ScreenGeometry().SystemWorkArea();
    const int width = ARect.Width(), height = ARect.Height();
    if (ARect.Right > monitor.Right) {
        ARect.Left = monitor.Right - width - 2;
        ARect.Right = ARect.Left + width;
    }
    if (ARect.Bottom > monitor.Bottom) {
        ARect.Bottom = monitor.Bottom - 2;
        ARect.Top = ARect.Bottom - height;
    }
    SetBounds(ARect.Left, ARect.Top, width, height);
    HandleNeeded();
    Invalidate();
    Show();
}

void THintWindow::ActivateHintData(TRect ARect, const QString& AHint, TObject*) { ActivateHint(ARect, AHint); }

THintWindow* NewPlainHintWindow(TComponent* AOwner) { return new THintWindow(AOwner); }

namespace {
THintWindowClass hintWindowClass = &NewPlainHintWindow;
}

THintWindowClass HintWindowClass() { return hintWindowClass; }
void SetHintWindowClass(THintWindowClass AClass) { hintWindowClass = AClass ? AClass : &NewPlainHintWindow; }

void THintWindow::HideHint() {
    if (Visible()) Hide();
}

void THintWindow::PaintBackground(TCanvas& canvas) {
    const TRect client = ClientRect();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(client);
    // A raised one-pixel frame: light at the left and top, dark at the right and bottom.
    canvas.Pen.Color = cl3DLight;
    canvas.MoveTo(client.Left, client.Bottom - 2);
    canvas.LineTo(client.Left, client.Top);
    canvas.LineTo(client.Right - 1, client.Top);
    canvas.Pen.Color = cl3DDkShadow;
    canvas.MoveTo(client.Left, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, client.Top - 1);
}

void THintWindow::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    PaintBackground(canvas);
    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsClear;
    TRect text = Rect(client.Left + MarginX, client.Top + MarginY, client.Right - MarginX, client.Bottom - MarginY);
    if (OnPaintText) OnPaintText(canvas, text, caption_);
    else canvas.DrawText(caption_, text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
