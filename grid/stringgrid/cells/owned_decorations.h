#pragma once

#include "grid/stringgrid/model/ex_string_grid.h"

// The cell's own record when it is of the given kind, else nullptr.
inline TCellGraphic* RecordOfKind(TExStringGrid& Grid, int ACol, int ARow, TCellType Kind) {
    TCellGraphic* graphic = Grid.GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == Kind ? graphic : nullptr;
}

// A new record for the cell holding a new T that the record owns; Set makes the record its kind.
template <class T, class Set>
T* CreateOwnedDecoration(TExStringGrid& Grid, int ACol, int ARow, Set set) {
    TCellGraphic* graphic = Grid.CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* object = new T;
    set(*graphic, object);
    graphic->CellCreated = true;
    return object;
}
