#include "grid/editors/dropdown/grid_dropdown_list.h"

#include "grid/editors/dropdown/column_list_sizing.h"
#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/grid_dropdown.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

namespace GridDropDown {

namespace {
uintptr_t itemObject(int Index) { return static_cast<uintptr_t>(static_cast<intptr_t>(Index)); }
}  // namespace

TExColGrid::TExColGrid(TComponent* AOwner) : TExStringGrid(AOwner) {
    FixedRowAlways = true;
    SetFixedRows(1);
    SetFixedCols(0);
    SetCol(0);
    SetOptions((Options() | goHorzLine | goRowSelect) & ~goRangeSelect);
    oldRow_ = Row();
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SyncFromDropDown(TCustomExGridDropDown& D) {
    dropDown_ = &D;
    TakeLooks(D);
    if (ColCount() < Columns.Count()) SetColCount(Columns.Count());
    if (D.UseItems) SetRowCount(D.Items().Count() + 1);
    for (int i = 0; i < Columns.Count(); ++i) SetColWidths(i, Columns[static_cast<size_t>(i)].Width);
    HoverRow = D.HoverRow;
    HoverRowColor = D.HoverRowColor;
    HoverRowColorTo = D.HoverRowColorTo;
    SetDefaultRowHeight(D.DropDownRowHeight);
    SetRowHeights(0, D.HeaderHeight);
    TGridOptions options = Options() & ~(goColSizing | goColMoving | goRowSizing | goRowMoving);
    if (D.ColumnSizing) options |= goColSizing;
    if (D.ColumnMoving) options |= goColMoving;
    if (D.RowSizing) options |= goRowSizing;
    if (D.RowMoving) options |= goRowMoving;
    SetOptions(options);
    if (D.AutoSizeColumns) {
        if (D.UseItems) SizeListColumnsToItems(*this, *this, D);
        else TExStringGrid::AutoSizeColumns(true, 4);
    }
    SizeListRowsToWordWrap(*this, *this, D);
}

void TExColGrid::FillFromItems() {
    if (!dropDown_) return;
    const TDropDownItems& items = dropDown_->Items();
    if (ColCount() != Columns.Count()) SetColCount(Columns.Count());
    for (int i = 0; i < Columns.Count(); ++i) {
        SetCells(i, 0, Columns[static_cast<size_t>(i)].Header);
        SetObjectEx(i, 0, itemObject(-1));
    }
    if (items.empty()) return;
    SetRowCount(FixedRows() + items.Count());
    for (int k = 0; k < items.Count(); ++k) {
        const TDropDownItem& item = items[static_cast<size_t>(k)];
        for (int i = 0; i < Columns.Count(); ++i) SetCells(i, k + 1, item.Line(i));
        SetObjectEx(0, k + 1, itemObject(k));
    }
}

int TExColGrid::ItemOfRow(int ARow) const {
    if (ARow < 0 || ARow >= RowCount()) return ARow;
    return static_cast<int>(static_cast<intptr_t>(GetObjectEx(0, ARow)));
}

int TExColGrid::RowOfItem(int Index) const {
    const int current = dropDown_ ? dropDown_->ItemIndex() : -1;
    if (Index < 0) return current;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (ItemOfRow(r) == Index) return r;
    return current;
}

// ---- input

void TExColGrid::WndProc(TMessage& Message) {
    if (ListMessage(Message)) return;
    // Enter in a list that edits no cells chooses the row; the string grid would hand it on
    // to the form's buttons instead.
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN && !(Options() & goEditing)) {
        uint16_t key = VK_RETURN;
        KeyDown(key, static_cast<TShiftState>(Message.LParam));
        Message.Result = 1;
        return;
    }
    if (Message.Msg == WM_CHAR && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    if (Message.Msg == WM_MOUSEWHEEL) {
        // The wheel moves the row without choosing it.
        wheelSelection_ = true;
        ConfirmSelection = false;
        TExStringGrid::WndProc(Message);
        wheelSelection_ = false;
        return;
    }
    TExStringGrid::WndProc(Message);
}

void TExColGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (ListKeyDown(dropDown_, Key, Shift)) return;
    if (Key != VK_RETURN) {
        TExStringGrid::KeyDown(Key, Shift);
        return;
    }
    Key = 0;
    TExStringGrid::KeyDown(Key, Shift);
    DoSelect();
}

void TExColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    ConfirmSelection = true;
    oldRow_ = Row();
    TExStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.Y >= FixedRows() && cell.Y < RowCount() && !HasCheckBox(cell.X, cell.Y)) DoSelect();
}

void TExColGrid::TopLeftChanged() {
    TExStringGrid::TopLeftChanged();
    if (dropDown_) dropDown_->DoTopLeftChanged(dropDown_);
}

// A drag or a move with the mouse may open a window of its own: the list stays open meanwhile.
void TExColGrid::blockActivate(bool Value) {
    if (dropDown_ && dropDown_->DropDownForm()) dropDown_->DropDownForm()->BlockActivate = Value;
}

void TExColGrid::DoStartBlockFocus() {
    TExStringGrid::DoStartBlockFocus();
    blockActivate(true);
}

void TExColGrid::DoEndBlockFocus() {
    TExStringGrid::DoEndBlockFocus();
    blockActivate(false);
}

}  // namespace GridDropDown
