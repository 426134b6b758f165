// The pictures of the grid's own cursors: black arrows with a white rim, pointing right over a
// row header, down over a column header, down and right over the corner.
#include "grid/stringgrid/input/grid_cursors.h"

#include "platform/controls/cursors.h"
#include "platform/graphics/canvas.h"

#include <vector>

namespace {
constexpr int PictureSize = 32;
constexpr TColor SeeThrough = clFuchsia;

void registerArrow(TCursor Id, const std::vector<std::vector<TPoint>>& Shapes, TPoint HotSpot) {
    TBitmap picture(PictureSize, PictureSize);
    picture.TransparentColor = SeeThrough;
    TCanvas& canvas = picture.Canvas();
    canvas.Brush.Color = SeeThrough;
    canvas.FillRect(Rect(0, 0, PictureSize, PictureSize));
    canvas.Brush.Color = clBlack;
    canvas.Pen.Color = clWhite;
    for (const auto& shape : Shapes) canvas.Polygon(shape);
    RegisterCursor(Id, picture, HotSpot);
}
}  // namespace

void RegisterGridCursorPictures() {
    static const bool registered = [] {
        registerArrow(crSelectRow, {{{1, 5}, {8, 5}, {8, 1}, {15, 8}, {8, 15}, {8, 11}, {1, 11}}}, {15, 8});
        registerArrow(crSelectColumn, {{{5, 1}, {5, 8}, {1, 8}, {8, 15}, {15, 8}, {11, 8}, {11, 1}}}, {8, 15});
        registerArrow(crSelectAll, {{{1, 4}, {4, 1}, {11, 8}, {8, 11}}, {{15, 15}, {15, 6}, {6, 15}}}, {15, 15});
        return true;
    }();
    (void)registered;
}
