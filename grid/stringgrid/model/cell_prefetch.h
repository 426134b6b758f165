#pragma once

// Reading one column of many rows waits on memory more than it works: the cell some rows ahead
// and the text of a cell a little less far ahead are asked of the memory while the rows before
// them are worked on.

#include "platform/controls/grid_cell_store.h"

// A hint to the processor to load the memory at P; nothing where the compiler has no such hint.
inline void PrefetchMemory(const void* P) {
#if defined(__GNUC__)
    __builtin_prefetch(P);
#else
    (void)P;
#endif
}

// The cell of one row and the text of another, nearer one, whose cell came earlier.
inline void PrefetchCells(const TGridCellStore& Store, int ACol, int ACellRow, int ATextRow) {
    PrefetchMemory(&Store.Text(ACol, ACellRow));
    PrefetchMemory(Store.Text(ACol, ATextRow).constData());
}

// Called for each row as it is read, in ascending order.
inline void PrefetchColumnAhead(const TGridCellStore& Store, int ACol, int ARow) {
    PrefetchCells(Store, ACol, ARow + 32, ARow + 16);
}
