#include "platform/controls/rich_edit.h"

#include "platform/graphics/canvas.h"

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomEdit(AOwner) { SetBounds(0, 0, 185, 89); }

void TRichEdit::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(ClientRect());
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    TRect r{3, 2, Width() - 3, Height() - 2};
    canvas.DrawText(Text(), r, DT_NOPREFIX);
}
