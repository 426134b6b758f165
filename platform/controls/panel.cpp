#include "platform/controls/panel.h"

#include "platform/graphics/canvas.h"

namespace {
void bevel(TCanvas& canvas, TRect& r, TBevelCut cut) {
    if (cut == bvNone) return;
    const TColor topLeft = cut == bvRaised ? clBtnHighlight : clBtnShadow;
    const TColor bottomRight = cut == bvRaised ? clBtnShadow : clBtnHighlight;
    canvas.Pen.Color = topLeft;
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen.Color = bottomRight;
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
}
}  // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 185, 41); }

void TPanel::Paint() {
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(r);
    bevel(canvas, r, BevelOuter);
    bevel(canvas, r, BevelInner);
    if (!ShowCaption || Caption().isEmpty()) return;
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    unsigned flags = DT_SINGLELINE | DT_VCENTER;
    if (Alignment == taCenter) flags |= DT_CENTER;
    if (Alignment == taRightJustify) flags |= DT_RIGHT;
    canvas.DrawText(Caption(), r, flags);
}
