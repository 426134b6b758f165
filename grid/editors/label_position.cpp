#include "grid/editors/label_position.h"

#include "platform/controls/label.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

int LabelTextWidth(TLabel& Label) {
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    canvas.Font.Assign(Label.Font());
    TRect r{0, 0, 1000, 255};
    canvas.DrawText(Label.Caption(), r, DT_CALCRECT);
    return r.Right;
}

void PlaceLabel(TLabel& Label, const TControl& Control, TLabelPosition Position, int Margin, int TextWidth) {
    const int L = Control.Left(), T = Control.Top(), W = Control.Width(), H = Control.Height();
    const int LW = Label.Width(), LH = Label.Height();
    const int middle = LH <= H ? T + (H - LH) / 2 : T - (LH - H) / 2;
    const int centre = LW < W ? L + (W - LW) / 2 : L - (LW - W) / 2;
    int top = T, left = L;
    switch (Position) {
    case lpLeftTop: top = T; left = L - TextWidth - Margin; break;
    case lpLeftCenter: top = middle; left = L - TextWidth - Margin; break;
    case lpLeftBottom: top = T + H - LH; left = L - TextWidth - Margin; break;
    case lpTopLeft: top = T - LH - Margin; left = L; break;
    case lpBottomLeft: top = T + H + Margin; left = L; break;
    case lpLeftTopLeft: top = T; left = L - Margin; break;
    case lpLeftCenterLeft: top = middle; left = L - Margin; break;
    case lpLeftBottomLeft: top = T + H - LH; left = L - Margin; break;
    case lpTopCenter: top = T - LH - Margin; left = centre; break;
    case lpBottomCenter: top = T + H + Margin; left = centre; break;
    case lpRightTop: top = T; left = L + W + Margin; break;
    case lpRightCenter: top = middle; left = L + W + Margin; break;
    case lpRighBottom: top = T + H - LH; left = L + W + Margin; break;
    case lpTopRight: top = T - LH - Margin; left = L + W - LW; break;
    case lpBottomRight: top = T + H + Margin; left = L + W - LW; break;
    }
    Label.SetTop(top);
    Label.SetLeft(left);
}
