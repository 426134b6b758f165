#include "grid/editors/edit_button_layout.h"

#include "platform/controls/mask_edit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <algorithm>

int EditMinHeight(const TCustomMaskEdit& Edit, int Extra) {
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    const int hs = canvas.TextHeight("Wg");  // the system font
    canvas.Font.Assign(Edit.Font());
    const int hf = canvas.TextHeight("Wg");
    return hf + std::min(hs, hf) / 4 + Extra;
}

void PlaceRightButton(const TCustomMaskEdit& Edit, TControl& Button) {
    // The original client area lies inside the border: the button is placed there.
    const int b = Edit.BorderWidth();
    const int d = Edit.BorderStyle() == bsNone ? 1 : 5;
    const int bw = Button.Width();
    if (Edit.Ctl3D()) Button.SetBounds(b + Edit.Width() - bw - d, b, bw, Edit.Height() - d);
    else Button.SetBounds(b + Edit.Width() - bw, b + 1, bw, Edit.Height() - 3);
}
