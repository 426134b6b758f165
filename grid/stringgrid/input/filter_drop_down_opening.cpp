// A release on the filter button of a header cell opens the column's list of filter values; a
// release anywhere else closes it.
#include "grid/stringgrid/filter/drop_lists.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {

// An entry is a name alone or a name, "=" and its condition.
QString entryName(const QString& entry) {
    const int eq = entry.indexOf('=');
    return eq < 0 ? entry : entry.left(eq);
}

} // namespace

bool TExStringGrid::filterButtonRelease(int X, int Y) {
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0 || row != FilterDropDownRow) return false;
    const TRect r = CellRect(col, row);
    const int realCol = RealColIndex(col);
    if (realCol == p->FFilterCol || X <= r.Right - 16 || X >= r.Right - 3 || Y >= r.Top + 19) return false;
    if (!GetFilterValues(realCol)) return false;
    openFilterDropDown(col, realCol);
    return true;
}

void TExStringGrid::openFilterDropDown(int ACol, int RealCol) {
    p->FFilterCol = RealCol;
    const bool check = FilterDropDownCheck;
    TListBox& list = check ? static_cast<TListBox&>(FilterCheckList()) : static_cast<TListBox&>(FilterDropList());
    const TFilterDropDown& look = FilterDropDown();
    list.SetColor(look.Color);
    list.Font().Assign(look.Font);
    list.Clear();
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(look.Font);
    int widest = 0;
    const TStringList& values = *p->FilterList;
    for (int i = 0; i < values.Count(); ++i) {
        const QString name = entryName(values.Strings(i));
        list.AddItem(name);
        widest = std::max(widest, canvas.TextWidth(name) + 8);
        if (!check) continue;
        const QString shown = name.contains(' ') ? QStringLiteral("\"%1\"").arg(name) : name;
        bool marked = false;
        for (int f = 0; f < p->Filter->Count(); ++f) {
            const TFilterData& item = *p->Filter->Items(f);
            if (item.Column == RealCol && item.Condition == shown) marked = true;
        }
        FilterCheckList().SetChecked(i, marked);
    }
    if (!check && values.Count() > 0) list.SetItemIndex(0);

    const int edge = 2;
    int width = look.Width, height = look.Height;
    if (look.AutoSize) {
        height = values.Count() * list.ItemHeight() + 2 * edge;
        width = widest + 2 * edge;
    }
    const TRect r = CellRect(ACol, FilterDropDownRow);
    int left = r.Right - 16;
    if (look.ColumnWidth) {
        left = r.Left;
        width = r.Right - r.Left;
    }
    // A list reaching past the grid ends at the column's right edge instead.
    if (left + width > Width()) left = std::max(0, CellRect(ACol, 0).Right - width);
    list.SetBounds(left, r.Top + 16, width, height);
    list.SetVisible(true);
    if (list.CanFocus()) list.SetFocus();
}

void TExStringGrid::closeFilterDropDown() {
    if (p->FDropList && p->FDropList->Visible()) p->FDropList->SetVisible(false);
    p->FFilterCol = -1;
}
