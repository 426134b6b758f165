// Where links and form controls of a cell's HTML text lie: the renderer's hit test on the
// cell laid out as the painter lays it out.
#include "grid/foundation/codings.h"
#include "grid/foundation/html_renderer.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr int TextTypeHTML = 1;

} // namespace

bool TExStringGrid::cellHTMLHitTest(int ACol, int ARow, int X, int Y, THTMLDrawResults& Results,
                                    const QString& ControlID) {
    const int realCol = RealColIndex(ACol);
    const QString text = GetFormattedCell(realCol, ARow);
    if (TextType(text, EnableHTML) != TextTypeHTML) return false;
    TCanvas& canvas = Canvas();
    GetFontProperties(ACol, realCol, ARow, 0, canvas.Font, canvas.Brush, true);
    if (ZoomFactor != 0) canvas.Font.SetSize(canvas.Font.Size() + ZoomFactor);

    TRect r = CellRect(ACol, ARow);
    if (ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow)) {
        r.Left += GridLineWidth();
        r.Top += GridLineWidth();
    }
    if (HasCheckBox(realCol, ARow)) r.Left += p->ControlLook->CheckSize;
    if (!XYOffsetTopLeftOnly) r.Right -= XYOffset.X;
    r.Left += XYOffset.X - 1;
    r.Top += XYOffset.Y;
    if (realCol == 0 && HasNodes() && !IsNode(ARow)) r.Left += GetRowIndent(ARow);

    THTMLDrawOptions options = HTMLDrawOptions();
    options.HitTestOnly = true;
    options.HitX = X;
    options.HitY = Y;
    options.ControlID = ControlID;
    options.WordWrap = !EnhTextSize;
    const bool hit = DrawHTMLText(canvas, text, r, options, Results);
    if (!ControlID.isEmpty()) return Results.ControlID == ControlID && !Results.ControlType.isEmpty();
    return hit;
}
