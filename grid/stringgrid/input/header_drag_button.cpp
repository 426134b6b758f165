#include "grid/stringgrid/input/header_drag_button.h"

#include "grid/foundation/html_renderer.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

THeaderDragButton::THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetVisible(false);
}

void THeaderDragButton::CreateParams(TCreateParams& Params) {
    Params.Style = WS_POPUP | WS_DISABLED;
    // It follows the pointer: the pointer passes through to the window beneath.
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
}

void THeaderDragButton::Paint() {
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    if (Grid) {
        Grid->PaintCellExt(canvas, 0, 0, r, gdFixed);
    } else {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = Color();
        canvas.FillRect(r);
        DrawEdge(canvas, r, EDGE_RAISED, BF_RECT);
    }
    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsClear;
    if (!Caption().contains(QLatin1String("</"))) {
        canvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        return;
    }
    THTMLDrawOptions options;
    options.Images = Grid ? Grid->GridImages() : nullptr;
    options.ShadowColor = clGray;
    options.URLColor = clBlue;
    THTMLDrawResults results;
    DrawHTMLText(canvas, Caption(), r, options, results);
}
