#include "grid/stringgrid/model/hidden_columns.h"

#include "platform/controls/grid_cell_store.h"

THiddenColumns::THiddenColumns() { FVisible.fill(true); }

void THiddenColumns::SetHidden(int Col, bool Value) {
    if (Col < 0 || Col >= MaxColumns || IsHidden(Col) == Value) return;
    FVisible[static_cast<size_t>(Col)] = !Value;
    FNumHidden += Value ? 1 : -1;
}

int THiddenColumns::Width(int Col) const {
    return Col >= 0 && Col <= MaxColumns ? FAllColWidths[static_cast<size_t>(Col)] : 0;
}

void THiddenColumns::SetWidth(int Col, int Value) {
    if (Col >= 0 && Col <= MaxColumns) FAllColWidths[static_cast<size_t>(Col)] = Value;
}

int THiddenColumns::DisplToReal(int Col) const {
    if (Col >= MaxColumns || Col < 0 || FNumHidden == 0) return Col;
    int shown = 0;
    for (int j = 0; j < MaxColumns; ++j) {
        if (!FVisible[static_cast<size_t>(j)]) continue;
        if (shown == Col) return j;
        ++shown;
    }
    return 0;
}

int THiddenColumns::RealToDispl(int Col) const {
    if (Col >= MaxColumns || Col <= 0 || FNumHidden == 0) return Col;
    int hidden = 0;
    for (int j = 0; j < Col; ++j) hidden += !FVisible[static_cast<size_t>(j)];
    return Col - hidden;
}

void THiddenColumns::Move(int From, int To) {
    if (From < 0 || To < 0 || From >= MaxColumns || To >= MaxColumns || From == To) return;
    MoveElement(FVisible, static_cast<size_t>(From), static_cast<size_t>(To));
    MoveElement(FAllColWidths, static_cast<size_t>(From), static_cast<size_t>(To));
}
