// A picture of a range of cells on a pop-up, as dragging a selection shows it.
#include "grid/stringgrid/filter/no_active_form.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/image.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <memory>
#include <utility>

TForm* TExStringGrid::SelectionToForm(TGridRect ARect) {
    TBitmap whole(Width(), Height());
    Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&whole.Canvas()));
    // The rectangles hold also for cells out of view.
    TRect first = CalcCellRect(ARect.Left, ARect.Top);
    TRect last = CalcCellRect(ARect.Right, ARect.Bottom);
    if (last.Left < first.Left) std::swap(first, last);
    if (last.Bottom < first.Top) {
        std::swap(first.Top, last.Top);
        std::swap(first.Bottom, last.Bottom);
    }
    auto part = std::make_unique<TBitmap>(last.Right - first.Left + 1, last.Bottom - first.Top + 1);
    TCanvas& canvas = part->Canvas();
    canvas.Draw(-(first.Left + 1), -(first.Top + 1), whole);
    // The fixed line the range starts from is not part of its cells.
    canvas.Pen.Color = GridFixedLineColor();
    if (ARect.Left == 0 && FixedCols() > 0 && (Options() & goFixedHorzLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(0, part->Height());
    }
    if (ARect.Top == 0 && FixedRows() > 0 && (Options() & goFixedVertLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(part->Width(), 0);
    }
    auto* form = new TNoActiveForm(this);
    form->StayOnTop = true;
    form->AlphaBlend = true;
    form->AlphaBlendValue = 192;
    // The picture follows the pointer: a pointer that lands on it must reach the window beneath,
    // or a drag dropped there would end on the picture.
    form->SetExStyle(WS_EX_TRANSPARENT);
    form->SetBounds(0, 0, part->Width(), part->Height());
    auto* image = new TImage(form);
    image->SetParent(form);
    image->Align = alClient;
    image->SetBounds(0, 0, part->Width(), part->Height());
    image->Picture().SetGraphic(std::move(part));
    return form;
}
