#include "grid/stringgrid/input/header_drag_button.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

#include <algorithm>

THeaderDragButton::THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetVisible(false);
}

void THeaderDragButton::CreateParams(TCreateParams& Params) {
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void THeaderDragButton::Paint() {
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(r);
    DrawEdge(canvas, r, EDGE_RAISED, BF_RECT);
    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsClear;
    const int x = (r.Width() - canvas.TextWidth(Caption())) / 2;
    const int y = (r.Height() - canvas.TextHeight(Caption())) / 2;
    canvas.TextRect(r, r.Left + std::max(2, x), r.Top + std::max(0, y), Caption());
}
