// Cells whose text is drawn turned by an angle.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::AddRotated(int ACol, int ARow, int AAngle, const QString& s) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetAngle(int16_t(AAngle));
    SetCellEx(ACol, ARow, s);
}

void TExStringGrid::SetRotated(int ACol, int ARow, int AAngle) {
    TCellGraphic* graphic = ownCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRotated) {
        AddRotated(ACol, ARow, AAngle, GetCellEx(ACol, ARow));
        return;
    }
    graphic->SetAngle(int16_t(AAngle));
    RepaintCell(ACol, ARow);
}

void TExStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

bool TExStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
    const TCellGraphic* graphic = ownCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRotated) return false;
    aAngle = graphic->CellAngle;
    return true;
}
