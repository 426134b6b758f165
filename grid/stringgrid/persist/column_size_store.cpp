// Column widths and the recorded column order in an INI file or in the registry store.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/system/ini_files.h"

#include <memory>

namespace {

std::unique_ptr<TCustomIniFile> openStore(const TColumnSize& size) {
    if (size.Location == clIniFile) return std::make_unique<TMemIniFile>(size.Key);
    return std::make_unique<TRegistryIniFile>(size.Key);
}

bool hasStore(const TColumnSize& size) { return !size.Key.isEmpty() && !size.Section.isEmpty(); }

}  // namespace

void TExStringGrid::SaveColSizes() {
    const TColumnSize& size = *p->ColumnSize;
    if (!hasStore(size)) return;
    auto store = openStore(size);
    for (int c = 0; c < ColCount(); ++c) store->WriteInteger(size.Section, "Col" + QString::number(c), ColWidths(c));
    store->UpdateFile();
}

void TExStringGrid::LoadColSizes() {
    const TColumnSize& size = *p->ColumnSize;
    if (!hasStore(size)) return;
    auto store = openStore(size);
    for (int c = 0; c < ColCount(); ++c) {
        const int width = store->ReadInteger(size.Section, "Col" + QString::number(c), ColWidths(c));
        // A damaged entry never makes a column vanish.
        if (width > 0 && width != ColWidths(c)) SetColWidths(c, width);
    }
}

void TExStringGrid::SaveColPositions() {
    const TColumnSize& size = *p->ColumnSize;
    if (!hasStore(size)) return;
    auto store = openStore(size);
    const TIntList& order = *p->FColumnOrder;
    for (int i = 0; i < order.Count(); ++i)
        store->WriteInteger(size.Section, "Pos" + QString::number(i), order.GetInteger(i));
    store->UpdateFile();
}

void TExStringGrid::LoadColPositions() {
    const TColumnSize& size = *p->ColumnSize;
    if (!hasStore(size)) return;
    auto store = openStore(size);
    if (!store->ValueExists(size.Section, "Pos0")) return;
    std::vector<int> positions;
    for (int i = 0; i < AllColCount(); ++i) {
        const QString name = "Pos" + QString::number(i);
        if (store->ValueExists(size.Section, name)) positions.push_back(store->ReadInteger(size.Section, name, -1));
    }
    // Positions from another grid or a damaged store leave the order as it is.
    std::vector<bool> seen(positions.size(), false);
    for (int v : positions) {
        if (v < 0 || v >= static_cast<int>(positions.size()) || seen[v]) return;
        seen[v] = true;
    }
    if (static_cast<int>(positions.size()) != AllColCount()) return;
    std::vector<int> hidden;
    for (int c = 0; c < AllColCount(); ++c)
        if (IsHiddenColumn(c)) hidden.push_back(c);
    UnHideColumnsAll();
    applyColumnOrder(positions);
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) HideColumn(*it);
}
