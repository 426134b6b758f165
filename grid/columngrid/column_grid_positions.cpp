// The column grid's order in an INI file: the designed place of the column at each place.
#include "grid/columngrid/ex_column_grid.h"
#include "grid/columngrid/grid_column_collection.h"
#include "grid/columngrid/grid_column_item.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "platform/system/ini_files.h"

#include <vector>

void TExColumnGrid::SaveColPositions() {
    if (ColumnSize().Location == clIniFile) SaveColumnPositions(ColumnSize().Key, ColumnSize().Section);
    else TExStringGrid::SaveColPositions();
}

void TExColumnGrid::LoadColPositions() {
    if (ColumnSize().Location == clIniFile) LoadColumnPositions(ColumnSize().Key, ColumnSize().Section);
    else TExStringGrid::LoadColPositions();
}

void TExColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section) {
    TIniFile ini(Key);
    for (int i = 0; i < Columns().Count(); ++i)
        ini.WriteInteger(Section, "CP" + QString::number(i), Columns().Items(i)->DefIdx);
}

void TExColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section) {
    TIniFile ini(Key);
    const int n = Columns().Count();
    std::vector<int> stored(n, -1);
    std::vector<bool> seen(n, false);
    for (int i = 0; i < n; ++i) {
        const int v = ini.ReadInteger(Section, "CP" + QString::number(i), -1);
        if (v < 0 || v >= n || seen[v]) return;
        seen[v] = true;
        stored[i] = v;
    }
    ResetColumnOrder();
    for (int j = 0; j < n; ++j) Columns().Items(stored[j])->DefIdx = j;
    Columns().ResetOrganization();
    for (int i = 0; i < n; ++i) Columns().Items(i)->DefIdx = stored[i];
}
