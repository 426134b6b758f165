// The pictures of the grid's own cursors: black arrows with a white rim, pointing right over a
// row header, down over a column header, down and right over the corner.
#include "grid/stringgrid/input/grid_cursors.h"

#include "platform/controls/cursors.h"
#include "platform/graphics/canvas.h"

#include <vector>

namespace {
constexpr int PictureSize = 32;
constexpr TColor SeeThrough = clFuchsia;

// A see-through picture whose canvas paints black shapes with a white rim.
TCanvas& clearPicture(TBitmap& Picture) {
    Picture.TransparentColor = SeeThrough;
    TCanvas& canvas = Picture.Canvas();
    canvas.Brush.Color = SeeThrough;
    canvas.FillRect(Rect(0, 0, PictureSize, PictureSize));
    canvas.Brush.Color = clBlack;
    canvas.Pen.Color = clWhite;
    return canvas;
}

void registerArrow(TCursor Id, const std::vector<std::vector<TPoint>>& Shapes, TPoint HotSpot) {
    TBitmap picture(PictureSize, PictureSize);
    TCanvas& canvas = clearPicture(picture);
    for (const auto& shape : Shapes) canvas.Polygon(shape);
    RegisterCursor(Id, picture, HotSpot);
}
// A pan cursor: a dot where the pan started with an arrow head for each direction the view
// moves in; the dot points.
void registerPan(TCursor Id, const std::vector<TPoint>& Directions) {
    TBitmap picture(PictureSize, PictureSize);
    TCanvas& canvas = clearPicture(picture);
    const TPoint c{PictureSize / 2, PictureSize / 2};
    for (const TPoint d : Directions) {
        const bool diagonal = d.X != 0 && d.Y != 0;
        const int reach = diagonal ? 10 : 13, base = diagonal ? 5 : 7, wing = diagonal ? 3 : 4;
        const TPoint tip{c.X + d.X * reach, c.Y + d.Y * reach};
        const TPoint foot{c.X + d.X * base, c.Y + d.Y * base};
        canvas.Polygon({tip, {foot.X - d.Y * wing, foot.Y + d.X * wing}, {foot.X + d.Y * wing, foot.Y - d.X * wing}});
    }
    canvas.Ellipse(Rect(c.X - 3, c.Y - 3, c.X + 4, c.Y + 4));
    RegisterCursor(Id, picture, c);
}
}  // namespace

void RegisterGridCursorPictures() {
    static const bool registered = [] {
        registerArrow(crSelectRow, {{{1, 5}, {8, 5}, {8, 1}, {15, 8}, {8, 15}, {8, 11}, {1, 11}}}, {15, 8});
        registerArrow(crSelectColumn, {{{5, 1}, {5, 8}, {1, 8}, {8, 15}, {15, 8}, {11, 8}, {11, 1}}}, {8, 15});
        registerArrow(crSelectAll, {{{1, 4}, {4, 1}, {11, 8}, {8, 11}}, {{15, 15}, {15, 6}, {6, 15}}}, {15, 15});
        registerPan(crPanOrigin, {{0, -1}, {0, 1}, {-1, 0}, {1, 0}});
        registerPan(crPanDown, {{0, 1}});
        registerPan(crPanLeft, {{-1, 0}});
        registerPan(crPanRight, {{1, 0}});
        registerPan(crPanUp, {{0, -1}});
        registerPan(crPanUpRight, {{1, -1}});
        registerPan(crPanUpLeft, {{-1, -1}});
        registerPan(crPanDownRight, {{1, 1}});
        registerPan(crPanDownLeft, {{-1, 1}});
        return true;
    }();
    (void)registered;
}
