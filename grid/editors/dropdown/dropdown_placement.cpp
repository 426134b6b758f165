#include "grid/editors/dropdown/dropdown_placement.h"

#include "platform/controls/screen.h"

TPoint DropDownOrigin(TDropPosition Position, TPoint EditOrigin, int EditHeight, TSize FormSize) {
    const TPoint below{EditOrigin.X, EditOrigin.Y + EditHeight - 1};
    const TPoint above{EditOrigin.X, EditOrigin.Y - FormSize.cy};
    if (Position == dpDown) return below;
    if (Position == dpUp) return above;
    // The screen that holds the edit decides; the primary screen's height alone would flip
    // every pop-up of a monitor below it.
    TRect bounds, workArea;
    const int bottom = ScreenGeometry().MonitorAt(EditOrigin, bounds, workArea) ? bounds.Bottom
                                                                                 : ScreenGeometry().ScreenSize().cy;
    return FormSize.cy + EditOrigin.Y < bottom ? below : above;
}

TPoint KeepDropDownOnWorkArea(TPoint FormOrigin, int FormWidth, TPoint EditOrigin) {
    TRect bounds, area;
    if (!ScreenGeometry().MonitorAt(EditOrigin, bounds, area)) area = ScreenGeometry().SystemWorkArea();
    // Any monitor keeps its pop-ups, also one left of the primary (negative coordinates).
    if (FormOrigin.X + FormWidth > area.Right && FormOrigin.X < area.Right) FormOrigin.X = area.Right - FormWidth;
    return FormOrigin;
}
