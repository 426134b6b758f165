// Cells of rich text, rendered through the grid's hidden rich edit.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/inplace/ex_rich_edit.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_unit.h"
#include "platform/controls/rich_edit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_caps.h"

#include <cmath>

TRichEdit* TExStringGrid::RichEdit() {
    if (!p->FRichEdit) {
        p->FRichEdit = new TExRichEdit(this);
        p->FRichEdit->SetVisible(false);
        p->FRichEdit->SetBounds(0, 0, 0, 0);
        // It only renders and measures: no click may land on it.
        SetWindowTransparent(p->FRichEdit);
    }
    return p->FRichEdit;
}

void TExStringGrid::DrawRichTextCell(int ACol, int ARow, TRect R, TCanvas& ACanvas) {
    TRichEdit& edit = *RichEdit();
    edit.LoadRTF(GetCellEx(RealColIndex(ACol), ARow));

    const TMouseActions& mouse = MouseActions();
    const int selRow = mouse.RowSelectPersistent ? DisplToRealRow(ARow) : ARow;
    const bool focusedCurrent =
        ACol == Col() && ARow == Row() && Focused() && !(Options() & goDrawFocusSelected);
    const bool selected = (Selection().Contains(ACol, ARow) && !focusedCurrent && !mouse.DisjunctRowSelect()) ||
                          (mouse.DisjunctRowSelect() && RowSelect(selRow)) ||
                          (mouse.DisjunctColSelect() && ColSelect(ACol));
    if (selected && !SelectionRTFKeep() && SelectionTextColor() != clNone) edit.SetAllTextColor(SelectionTextColor());

    // The margin is XYOffset.X at 96 pixels per inch, on all four sides; the target in twips.
    const int dpiX = DevicePixelsPerInchX(ACanvas), dpiY = DevicePixelsPerInchY(ACanvas);
    const int m = XYOffset.X * dpiX / 96;
    auto twips = [](int pixels, int dpi) { return int(std::lround(pixels / double(dpi) * 1440.0)); };
    TRect target;
    target.Left = twips(R.Left + m, dpiX);
    target.Top = twips(R.Top + m, dpiY);
    target.Right = target.Left + twips(R.Width() - 2 * m, dpiX);
    target.Bottom = target.Top + twips(R.Height() - 2 * m, dpiY);
    edit.FormatRange(ACanvas, target, dpiX, dpiY);
}
