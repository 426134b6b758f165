#pragma once

// The state of the platform's string grid, apart from its public header; tests and the grid's
// own files include it.

#include "platform/controls/grid_axis.h"
#include "platform/controls/grid_cell_store.h"
#include "platform/controls/string_grid.h"

class TStringGridPrivate {
public:
    TGridCellStore Store;
    TGridAxis Cols{5, 1, 64};
    TGridAxis Rows{5, 1, 24};
    int GridLineWidth = 1;
    bool DefaultDrawing = true;
    TGridOptions Options = DefaultGridOptions;
    TColor FixedColor = clBtnFace;
    TGridCoord Current{1, 1};
    TGridCoord Anchor{1, 1};
    TGridState State = gsNormal;
    TInplaceEdit* Editor = nullptr;
    bool EditorMode = false;
    // The column or row being sized or moved, and where a sized one starts.
    int DragIndex = -1;
    int DragStart = 0;
    TScrollStyle ScrollBars = ssBoth;
    // The window's own bars, made on first use; owned by the grid.
    TScrollBar* Bars[2] = {nullptr, nullptr};
    bool BarShown[2] = {false, false};

    // The axis of columns or rows with the coordinate that runs along it.
    struct AxisRef {
        TGridAxis& Axis;
        int TGridCoord::*Coord;
    };
    AxisRef ColRef() { return {Cols, &TGridCoord::X}; }
    AxisRef RowRef() { return {Rows, &TGridCoord::Y}; }
};
