// The small square at the bottom-right corner of the selection: a drag from it resizes the
// selection, the release pastes the cells it started from over the new one and reports the old
// and the new selection.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {
constexpr int HandleSize = 6;
} // namespace

bool TExStringGrid::onSelectionHandle(int X, int Y) {
    if (!SelectionResizer() || !SelectionRectangle()) return false;
    const TGridRect s = Selection();
    const TRect corner = CellRect(s.Right, s.Bottom);
    // A corner cell out of view has no handle.
    if (corner.Right <= corner.Left) return false;
    return X >= corner.Right - HandleSize && X < corner.Right && Y >= corner.Bottom - HandleSize && Y < corner.Bottom;
}

bool TExStringGrid::startSelectionResize(TMessage& m, int X, int Y, bool FromHover) {
    if (!FromHover && !onSelectionHandle(X, Y)) return false;
    SetGridState(gsSelecting);
    const TGridRect s = Selection();
    p->FDropSelection = s;
    // The release pastes these cells over the enlarged selection.
    CopySelectionToClipboard();
    p->FMouseResize = true;
    // The platform's press focuses the grid; editing would open an editor instead.
    const bool editing = Options() & goEditing;
    if (FromHover ? !editing : !(editing || p->MouseActions->RangeSelectAndEdit)) TBaseGrid::WndProc(m);
    anchorSelection(s);
    MouseMove(0, X, Y);
    if (!FromHover) m.Result = 1;
    return true;
}

void TExStringGrid::anchorSelection(TGridRect Value) {
    SetSelection({Value.Left, Value.Top, Value.Left, Value.Top});
    if (Value.Right != Value.Left || Value.Bottom != Value.Top) MoveColRow(Value.Right, Value.Bottom, false, false);
}

void TExStringGrid::endSelectionResize() {
    OnSelectionResize(this, p->FDropSelection, Selection());
    const bool editDisable = p->FEditDisable;
    p->FEditDisable = true;
    try {
        PasteSelectionFromClipboard();
    } catch (...) {
        p->FEditDisable = editDisable;
        p->FMouseResize = false;
        throw;
    }
    p->FEditDisable = editDisable;
    p->FMouseResize = false;
    OnSelectionResized(this, p->FDropSelection, Selection());
}
