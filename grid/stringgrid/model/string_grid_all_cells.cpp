// Cells by real column and real row, hidden rows included.
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {
// The held list of a hidden row, padded with empty texts up to column i.
void padTo(TStringList& items, int i) {
    while (items.Count() <= i) items.Add(QString());
}

// Writes the held text when row j is hidden; false when it is shown.
bool setHeldText(const TExStringGrid& grid, int i, int j, const QString& Value) {
    TStringList* items = grid.GetHiddenRowItems(j);
    if (!items) return false;
    padTo(*items, i);
    items->SetStrings(i, Value);
    return true;
}
}  // namespace

TStringList* TExStringGrid::GetHiddenRowItems(int j) const {
    const int i = p->FGridItems.Find(j);
    return i < 0 ? nullptr : &p->FGridItems.Items(i)->Items();
}

QString TExStringGrid::AllCells(int i, int j) {
    if (i < 0 || j < 0) return {};
    if (TStringList* items = GetHiddenRowItems(j)) {
        QString value = items->Strings(i);
        GetDisplText(i, j, value);
        return value;
    }
    return GetCellEx(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllCells(int i, int j, const QString& Value) {
    if (i < 0 || j < 0 || setHeldText(*this, i, j, Value)) return;
    const int d = DisplRowIndex(j);
    SetCellEx(i, d, Value);
    // The cell shows at its display column.
    if (DisplColIndex(i) != i) RepaintCell(DisplColIndex(i), d);
}

QString TExStringGrid::AllGridCells(int i, int j) const {
    if (i < 0 || j < 0) return {};
    if (TStringList* items = GetHiddenRowItems(j)) return items->Strings(i);
    return GetGridCell(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllGridCells(int i, int j, const QString& Value) {
    if (i < 0 || j < 0 || setHeldText(*this, i, j, Value)) return;
    SetGridCell(i, DisplRowIndex(j), Value);
}

uintptr_t TExStringGrid::AllObjects(int i, int j) const {
    if (TStringList* items = GetHiddenRowItems(j)) {
        const auto* props = static_cast<const TCellProperties*>(items->Objects(i));
        return props ? props->CellObject() : 0;
    }
    return GetObjectEx(i, DisplRowIndex(j));
}

void TExStringGrid::SetAllObjects(int i, int j, uintptr_t AObject) {
    if (TStringList* items = GetHiddenRowItems(j)) {
        padTo(*items, i);
        auto* props = static_cast<TCellProperties*>(items->Objects(i));
        // A hidden cell without a record gets one, as a shown cell would.
        if (!props) {
            props = new TCellProperties(this, i, j);
            items->SetObjects(i, props);
        }
        props->SetCellObject(AObject);
        return;
    }
    SetObjectEx(i, DisplRowIndex(j), AObject);
}

TObject* TExStringGrid::GetGridObjectsEx(int i, int j) const {
    if (TStringList* items = GetHiddenRowItems(j)) return items->Objects(i);
    return GetGridObject(i, DisplRowIndex(j));
}
