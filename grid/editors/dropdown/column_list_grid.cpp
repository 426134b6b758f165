#include "grid/editors/dropdown/column_list_grid.h"

#include "grid/editors/dropdown/column_list_dropdown.h"
#include "grid/editors/dropdown/column_list_sizing.h"
#include "grid/editors/dropdown/dropdown_form.h"
#include "platform/controls/string_grid.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

void TColumnListLooks::TakeLooks(const TColumnListDropDown& D) {
    Columns = D.Columns();
    LineColor = D.LineColor;
    FixedLineColor = D.FixedLineColor;
    HeaderColor = D.HeaderColor;
    HeaderColorTo = D.HeaderColorTo;
    HeaderHeight = D.HeaderHeight;
    HeaderFont.Assign(D.HeaderFont());
    Images = D.Images();
}

namespace {
bool inPopUp(const TStringGrid& Grid, const TColumnListDropDown& D) {
    return D.DropDownForm() && Grid.Parent() == D.DropDownForm();
}
}  // namespace

void SizeListColumnToItems(TStringGrid& Grid, TColumnListLooks& List, TColumnListDropDown& D, int Index) {
    if (Index < 0 || Index >= List.Columns.Count() || !List.Columns[static_cast<size_t>(Index)].AutoSize ||
        !inPopUp(Grid, D))
        return;
    TBitmap measure(1, 1);
    const int w = ColumnWidthForItems(measure.Canvas(), List.Columns, Index, D.Items(), Grid.RowCount() - 1, List.Images);
    List.Columns[static_cast<size_t>(Index)].Width = w;
    if (Index < D.Columns().Count()) D.Columns()[static_cast<size_t>(Index)].Width = w;
    Grid.SetColWidths(Index, w);
}

void SizeListRowsToWordWrap(TStringGrid& Grid, const TColumnListLooks& List, const TColumnListDropDown& D) {
    if (!AnyWordwrap(List.Columns) || !inPopUp(Grid, D)) return;
    TBitmap measure(1, 1);
    const TDropDownItems& items = D.Items();
    for (int r = Grid.FixedRows(); r < Grid.RowCount() && r - 1 < items.Count(); ++r)
        Grid.SetRowHeights(r, RowHeightForWordWrap(measure.Canvas(), List.Columns, items[static_cast<size_t>(r - 1)],
                                                   [&Grid](int c) { return Grid.ColWidths(c); }, List.Images));
}
