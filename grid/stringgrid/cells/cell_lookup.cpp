#include "grid/stringgrid/cells/cell_lookup.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"

TCellGraphic* GraphicByRealRow(TExStringGrid& Grid, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return nullptr;
    if (Grid.GetHiddenRowItems(ARow)) {
        const auto* props = dynamic_cast<const TCellProperties*>(Grid.GetGridObjectsEx(ACol, ARow));
        return props ? dynamic_cast<TCellGraphic*>(Grid.GraphicObjectOf(props)) : nullptr;
    }
    const int d = Grid.DisplRowIndex(ARow);
    return d < Grid.RowCount() ? Grid.GetCellGraphic(ACol, d) : nullptr;
}

int NodeLevelOf(const TExStringGrid& Grid, int ARow) {
    const auto* props = dynamic_cast<const TCellProperties*>(Grid.GetGridObject(0, ARow));
    return props ? props->NodeLevel() : 0;
}
