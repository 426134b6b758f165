// The cursor the grid shows for what a press would do where the pointer rests: select a row,
// a column or everything from the headers, size a line, size a fixed column or row. It covers
// the grid's Cursor only while the pointer stays there: each move first puts back the cursor
// beneath (so the link hover and OnGetCellCursor start from the grid's own), then decides anew.
#include "grid/stringgrid/input/grid_cursors.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <optional>

namespace {
std::optional<TCursor> splitCursor(TGridState State) {
    if (State == gsColSizing) return crHSplit;
    if (State == gsRowSizing) return crVSplit;
    return std::nullopt;
}
}  // namespace

void TExStringGrid::lowerGridCursor() {
    TExStringGridPrivate& d = *p;
    // A cursor someone else set stays; ours may come back under it and is put back then.
    if (!d.FGridCursorSet || Cursor() != d.FGridCursor) return;
    d.FGridCursorSet = false;
    SetGridCursor(d.FCursorBeneath);
}

// The grid's own cursor for the place, in the order of precedence; false when the place wants
// none of them.
bool TExStringGrid::wantedGridCursor(int X, int Y, TCursor& ACursor) {
    const TExStringGridPrivate& d = *p;
    const TGridState state = GridState();
    std::optional<TCursor> wanted;
    if (d.FSizeFixed || d.FSizingFixed) wanted = crHSplit;
    else if (d.FSizeFixedR || d.FSizingFixedR) wanted = crVSplit;
    else if (auto split = splitCursor(state)) wanted = split;
    else if (d.FMouseSelectMode == TExStringGridPrivate::msRow) wanted = crSelectRow;
    else if (d.FMouseSelectMode == TExStringGridPrivate::msColumn) wanted = crSelectColumn;
    else if (d.FMouseSelectMode == TExStringGridPrivate::msAll || d.FMouseSelectMode == TExStringGridPrivate::msResize)
        wanted = crSelectAll;
    else if (state == gsNormal) wanted = splitCursor(SizingStateAt(X, Y));
    if (wanted) ACursor = *wanted;
    return wanted.has_value();
}

void TExStringGrid::raiseGridCursor(int ACol, int ARow, int X, int Y) {
    TExStringGridPrivate& d = *p;
    const TGridState state = GridState();
    // A column or row move and wheel panning show cursors of their own.
    if (state == gsColMoving || state == gsRowMoving || d.wheelpan) return;
    RegisterGridCursorPictures();
    const TCursor beneath = Cursor();
    TCursor wanted = beneath;
    if (!wantedGridCursor(X, Y, wanted) && ACol >= 0 && ARow >= 0) {
        // OnGetCellCursor's cursor holds for this place only, like ours.
        GetCellCursor(ACol, ARow, X, Y);
        wanted = Cursor();
    }
    if (wanted == beneath) return;
    d.FGridCursorSet = true;
    d.FGridCursor = wanted;
    d.FCursorBeneath = beneath;
    if (Cursor() != wanted) SetGridCursor(wanted);
}

void TExStringGrid::SetGridCursor(TCursor Value) {
    if (Cursor() == Value) return;
    RegisterGridCursorPictures();
    p->Invokedchange = true;
    SetCursor(Value);
}

// A cursor someone else set (the program, a drag) ends a mouse selection mode the grid was in.
void TExStringGrid::CMCursorChanged(TMessage& Message) {
    TBaseGrid::WndProc(Message);
    if (!p->Invokedchange) p->FMouseSelectMode = TExStringGridPrivate::msNormal;
    p->Invokedchange = false;
}
