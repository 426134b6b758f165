// The grid's condition collection: lookups and removal by column.
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/ex_string_grid.h"

TFilterData* TFilter::Insert(int) {
    items_.push_back(std::make_unique<TFilterData>());
    return items_.back().get();
}

TFilterData* TFilter::GetColFilter(int Col) {
    for (const auto& item : items_)
        if (item->Column == Col) return item.get();
    TFilterData* item = Add();
    item->Column = static_cast<int16_t>(Col);
    return item;
}

bool TFilter::HasFilter(int Col) const {
    for (const auto& item : items_)
        if (item->Column == Col) return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col) {
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i)->Column == Col) Delete(i);
    if (FOwner) FOwner->InvalidateCell(Col, 0);
}
