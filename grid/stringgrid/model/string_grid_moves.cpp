// Moving columns, rows and blocks of rows with their cells, records and cell controls.
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {
// The index of a cell control after the move of From to To: the one moved takes To, those
// between shift one place towards From.
int shifted(int index, int From, int To) {
    if (index == From) return To;
    if (To < From && index >= To && index < From) return index + 1;
    if (To > From && index > From && index <= To) return index - 1;
    return index;
}
}  // namespace

void TExStringGrid::shiftCellControls(bool Columns, int FromIndex, int ToIndex) {
    TControlList& controls = *p->FControlList;
    if (controls.Count() == 0) return;
    for (int i = 0; i < controls.Count(); ++i) {
        TControlItem* item = controls.GetControl(i);
        if (Columns) item->SetX(shifted(item->X(), FromIndex, ToIndex));
        else item->SetY(shifted(item->Y(), FromIndex, ToIndex));
    }
    CellControlsUpdate(false);
}

void TExStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    // An open edit goes into its own cell before that cell moves away from under the editor.
    if (shifted(Col(), FromIndex, ToIndex) != Col()) HideInplaceEdit();
    if (p->FColumnOrder->Count() == 0) SetColumnOrder();
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    shiftCellControls(true, FromIndex, ToIndex);
}

void TExStringGrid::MoveRow(int FromIndex, int ToIndex) {
    // The last row is the floating footer's own: no row moves onto it.
    const TFloatingFooter& footer = *p->FloatingFooter;
    if (footer.Visible && footer.FooterStyle == fsFixedLastRow && ToIndex == RowCount() - 1) return;
    if (shifted(Row(), FromIndex, ToIndex) != Row()) HideInplaceEdit();
    TBaseGrid::MoveRow(FromIndex, ToIndex);
    shiftCellControls(false, FromIndex, ToIndex);
}

void TExStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
    if (FromIndex == ToIndex || Count == 0) return;
    // A block that is not wholly in the grid, or a place outside it, moves nothing.
    if (FromIndex < 0 || Count < 0 || FromIndex + Count > RowCount() || ToIndex < 0 || ToIndex > RowCount()) return;
    // Every stored cell of the rows, the hidden columns' too, goes with them.
    std::vector<std::vector<TGridCellStore::Cell>> block;
    for (int i = 0; i < Count; ++i) block.push_back(TakeRowCells(FromIndex + i));
    // ToIndex names the row the block goes before, counted before the move.
    if (ToIndex >= FromIndex + Count) ToIndex -= Count;
    RemoveRowsEx(FromIndex, Count);
    InsertRows(ToIndex, Count, true);
    for (int i = 0; i < Count; ++i) PutRowCells(ToIndex + i, std::move(block[static_cast<size_t>(i)]));
}
