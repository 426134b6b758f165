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

bool TColumnListLooks::ListKeyDown(TColumnListDropDown* DropDown, uint16_t Key, TShiftState Shift) {
    ConfirmSelection = true;
    if ((Key != VK_UP && Key != VK_DOWN) || !(Shift & ssAlt)) return false;
    if (DropDown) DropDown->Perform(WM_KEYDOWN, Key, Shift);
    return true;
}

bool TColumnListLooks::ListMessage(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_TAB) return true;
    if (Message.Msg != WM_GETDLGCODE) return false;
    Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
    return true;
}

namespace {
bool inPopUp(const TStringGrid& Grid, const TColumnListDropDown& D) {
    return D.DropDownForm() && Grid.Parent() == D.DropDownForm();
}
}  // namespace

void SizeListColumnsToItems(TStringGrid& Grid, TColumnListLooks& List, TColumnListDropDown& D) {
    if (!inPopUp(Grid, D)) return;
    TBitmap measure(1, 1);
    for (int i = 0; i < List.Columns.Count(); ++i) {
        if (!List.Columns[static_cast<size_t>(i)].AutoSize) continue;
        const int w = ColumnWidthForItems(measure.Canvas(), List.Columns, i, D.Items(), Grid.RowCount() - 1, List.Images);
        List.Columns[static_cast<size_t>(i)].Width = w;
        if (i < D.Columns().Count()) D.Columns()[static_cast<size_t>(i)].Width = w;
        Grid.SetColWidths(i, w);
    }
}

void SizeListRowsToWordWrap(TStringGrid& Grid, const TColumnListLooks& List, const TColumnListDropDown& D) {
    if (!AnyWordwrap(List.Columns) || !inPopUp(Grid, D)) return;
    TBitmap measure(1, 1);
    const TDropDownItems& items = D.Items();
    for (int r = Grid.FixedRows(); r < Grid.RowCount() && r - 1 < items.Count(); ++r)
        Grid.SetRowHeights(r, RowHeightForWordWrap(measure.Canvas(), List.Columns, items[static_cast<size_t>(r - 1)],
                                                   [&Grid](int c) { return Grid.ColWidths(c); }, List.Images));
}
