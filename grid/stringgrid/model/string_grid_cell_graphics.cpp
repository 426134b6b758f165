// The graphic records of cells: made, removed and asked for their kind.
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

TCellGraphic* TExStringGrid::ownCellGraphic(int ACol, int ARow) const {
    return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

bool TExStringGrid::answersRowCheckBox(int ACol, int ARow) const {
    if (ACol != 0 || !p->MouseActions->HotmailRowSelect()) return false;
    // A graphic object of another kind keeps the cell its own.
    const TObject* object = GetGraphicObjectEx(ACol, ARow);
    return !object || dynamic_cast<const TCellGraphic*>(object);
}

TCellGraphic* TExStringGrid::GetCellGraphic(int ACol, int ARow) {
    if (answersRowCheckBox(ACol, ARow)) return rowCheckBoxGraphic(ARow);
    return ownCellGraphic(ACol, ARow);
}

// One record answers every row; it is brought up to date with the row asked for.
TCellGraphic* TExStringGrid::rowCheckBoxGraphic(int ARow) {
    TCellGraphic& g = *p->FCellGraphic;
    g.CellType = ctRowCheckBox;
    if (ARow == 0) {
        // The header box: checked with every row selected, half checked with some.
        const int rows = RowCount() - FixedRows();
        const int selected = RowSelectCount();
        g.CellBoolean = selected >= rows;
        g.CellAngle = selected > 0 && selected < rows ? 1 : 0;
    } else {
        g.CellAngle = 0;
        g.CellBoolean = RowSelect(RealRowIndex(ARow));
    }
    g.CellTransparent = p->ControlLook->ControlStyle == csFlat;
    return &g;
}

TCellType TExStringGrid::GetCellType(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return ctEmpty;
    if (answersRowCheckBox(ACol, ARow)) return ctRowCheckBox;
    const TCellGraphic* graphic = ownCellGraphic(ACol, ARow);
    return graphic ? graphic->CellType : ctEmpty;
}

bool TExStringGrid::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }
bool TExStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TExStringGrid::isNodeOrSummaryRow(int ARow) {
    // This class finds a node or summary only in a cell with a record; a descendant may find
    // its own anywhere, so it is always asked.
    if (ARow >= 0 && isOwnClass() && !CellStore().Object(0, ARow)) return false;
    const TCellType type = GetCellType(0, ARow);
    return type == ctNode || type == ctSummary;
}

TCellGraphic* TExStringGrid::CreateCellGraphic(int ACol, int ARow) {
    if (FDestroying) return nullptr;
    if (OwnsGraphicObject(ACol, ARow)) {
        TObject* old = GetGraphicObjectEx(ACol, ARow);
        SetGraphicObjectEx(ACol, ARow, nullptr);
        delete old;
    }
    auto* graphic = new TCellGraphic;
    SetGraphicObjectEx(ACol, ARow, graphic, true);
    if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(ACol), ARow);
    return graphic;
}

bool TExStringGrid::RemoveCellGraphic(int ACol, int ARow) {
    TCellGraphic* graphic = ownCellGraphic(ACol, ARow);
    if (!graphic) return false;
    // Shared records (the virtual and row check boxes) are never the cell's own.
    const bool owned = OwnsGraphicObject(ACol, ARow);
    SetGraphicObjectEx(ACol, ARow, nullptr);
    if (owned) delete graphic;
    if (!FDestroying) RepaintCell(ACol, ARow);
    return true;
}

bool TExStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType) {
    return GetCellType(ACol, ARow) == CellType && RemoveCellGraphic(ACol, ARow);
}
