// Tri-state check boxes and the state of every kind of check box as a tri-state value.
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/exception.h"

TCheckBoxState TExStringGrid::BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }

void TExStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
        throw Exception(QStringLiteral("Invalid cell"));
    static constexpr TCellVAlign placement[] = {vaTop, vaCenter, vaBottom};
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetCheckBox(State, true, haBeforeText, placement[p->VAlignment]);
}

void TExStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
    const int first = p->MouseActions->CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
    // With hidden rows the row is a real one; its record may be held by the hidden row.
    TCellGraphic* graphic = nullptr;
    bool realRow = false;
    if (NumHiddenRows() > 0) {
        if (const auto* props = dynamic_cast<const TCellProperties*>(GetGridObjectsEx(ACol, ARow))) {
            graphic = dynamic_cast<TCellGraphic*>(GraphicObjectOf(props));
            realRow = true;
        }
    }
    if (!realRow) graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType) {
    case ctCheckBox: State = BoolToCheckBoxState(graphic->CellBoolean); return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checked;
        GetCheckTrue(ACol, ARow, checked);
        const QString text = realRow ? AllCells(ACol, ARow) : GetCellEx(ACol, ARow);
        State = BoolToCheckBoxState(text == checked);
        return true;
    }
    case ctTriStateCheckBox: State = graphic->CellCheckBoxState; return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = BoolToCheckBoxState(rowSelected(ARow));
        return true;
    default: return false;
    }
}
