// The drag-and-drop settings' effects on the grid: its window registered as drop target, the
// rich-text switch, and a column dragged from a column list.
#include "grid/stringgrid/dragdrop/grid_drop_target.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

TDragDropSettings::TDragDropSettings(TComponent* AOwner) : FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

void TDragDropSettings::SetOleDropTarget(bool Value) {
    FOleDropTarget = Value;
    if (!FGrid) return;
    TExStringGridPrivate& d = FGrid->Private();
    if (Value) {
        // Each switch on registers a new target.
        if (d.FOleDropTargetAssigned) RevokeDragDrop(*FGrid);
        d.FGridDropTarget = std::make_shared<TGridDropTarget>(*FGrid);
        Loaded();
        d.FOleDropTargetAssigned = RegisterDragDrop(*FGrid, d.FGridDropTarget) == S_OK;
    } else if (d.FOleDropTargetAssigned) {
        RevokeDragDrop(*FGrid);
        d.FOleDropTargetAssigned = false;
    }
}

void TDragDropSettings::SetOleDropRTF(bool Value) {
    EnableRTFDrop(Value);
    FOleDropRTF = Value;
}

void TDragDropSettings::Loaded() {
    if (!FGrid || !FGrid->Private().FGridDropTarget) return;
    TGridDropTarget& target = *FGrid->Private().FGridDropTarget;
    target.AcceptText = OleAcceptText;
    target.AcceptFiles = OleAcceptFiles;
    target.AcceptURLs = OleAcceptURLs;
}

void TExStringGrid::OleColumnDragStart(int ACol, int AIndex, TListBox* AList) {
    p->FOleDragCol = ACol;
    p->FOleDragIndex = AIndex;
    p->FOleDragList = AList;
}
