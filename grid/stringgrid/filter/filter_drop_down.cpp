// The filter drop-down of the header: a value picked from the list, or values checked in the
// check list, become the column's conditions.
#include "grid/stringgrid/filter/drop_lists.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {
// An entry is a name alone or a name, "=" and its condition.
void splitEntry(const QString& entry, QString& name, QString& condition) {
    const qsizetype eq = entry.indexOf(QLatin1Char('='));
    name = eq < 0 ? entry : entry.left(eq);
    condition = eq < 0 ? entry : entry.mid(eq + 1);
}
}  // namespace

int TExStringGrid::FilterColumn() const { return p->FFilterCol; }
void TExStringGrid::SetFilterColumn(int Value) { p->FFilterCol = Value; }

void TExStringGrid::SetFilterDropDownAuto(bool Value) {
    FilterDropDownAuto = Value;
    TBaseGrid::Invalidate();
}

void TExStringGrid::SetFilterDropDownRow(int Value) {
    if (Value < 0 || Value >= FixedRows()) return;
    FilterDropDownRow = Value;
    TBaseGrid::Invalidate();
}

namespace {
// A drop-down list as a hidden child of the grid, of size 0 until it is shown.
template <class List>
List* hiddenList(TExStringGrid* grid, const TDropListSelectEvent& onSelect) {
    auto* list = new List(grid);
    list->SetVisible(false);
    list->SetBounds(0, 0, 0, 0);
    list->SetParent(grid);
    list->OnSelect = onSelect;
    return list;
}
}  // namespace

TDropList& TExStringGrid::FilterDropList() {
    if (!p->FDropList)
        p->FDropList = hiddenList<TDropList>(this, [this](TObject* Sender, int ItemIndex) { FilterDropDownSelect(Sender, ItemIndex); });
    return *p->FDropList;
}

TDropCheckList& TExStringGrid::FilterCheckList() {
    if (!p->FDropCheckList)
        p->FDropCheckList =
            hiddenList<TDropCheckList>(this, [this](TObject* Sender, int ItemIndex) { FilterCheckListSelect(Sender, ItemIndex); });
    return *p->FDropCheckList;
}

void TExStringGrid::FilterDropDownSelect(TObject*, int ItemIndex) {
    if (CanFocus()) SetFocus();
    const int col = p->FFilterCol;
    if (col >= 0 && col < TotalColCount()) {
        GetFilterValues(col);
        if (ItemIndex >= 0 && ItemIndex < p->FilterList->Count()) {
            QString name, condition;
            splitEntry(p->FilterList->Strings(ItemIndex), name, condition);
            if (AutoFilterUpdate) SetFilterActive(false);
            if (condition == FilterDropDownClear) condition.clear();
            OnFilterSelect(this, col, ItemIndex, name, condition);
            if (condition.isEmpty()) p->Filter->RemoveColumnFilter(col);
            else p->Filter->GetColFilter(col)->Condition = condition;
            if (AutoFilterUpdate) {
                FixedRowAlways = true;
                SetFilterActive(true);
                if (RowCount() > FixedRows() && RowCount() > 1) SetRow(FixedRows());
                DoFilterDone();
            }
        }
    }
    p->FFilterCol = -1;
}

void TExStringGrid::FilterCheckListSelect(TObject*, int) {
    const int col = p->FFilterCol;
    if (col < 0 || col >= TotalColCount()) return;
    GetFilterValues(col);
    if (AutoFilterUpdate) SetFilterActive(false);
    // The checked values of this column replace every condition, OR-ed together.
    p->Filter->Clear();
    TDropCheckList& list = FilterCheckList();
    const TStringList& values = *p->FilterList;
    for (int i = 0; i < values.Count(); ++i) {
        if (!list.Checked(i)) continue;
        QString name, condition;
        splitEntry(values.Strings(i), name, condition);
        if (condition == FilterDropDownClear) condition.clear();
        OnFilterCheck(this, col, i, name, condition, &list);
        TFilterData& item = *p->Filter->Insert(p->Filter->Count());
        item.Condition = condition;
        item.Column = static_cast<int16_t>(col);
        item.Operation = p->Filter->Count() == 1 ? foNONE : foOR;
    }
    SetFilterActive(true);
    list.Invalidate();
}
