#include "grid/editors/dropdown/multi_column_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"

using MultiColumnList::TExColGrid;

TExMultiColumnDropDown::TExMultiColumnDropDown(TComponent* AOwner) : TColumnListDropDown(AOwner, 0, true) {
    // The base made its pop-up before this class existed: the list joins it now.
    CreateDropDownForm();
}

TExMultiColumnDropDown::~TExMultiColumnDropDown() = default;

void TExMultiColumnDropDown::Assign(const TExMultiColumnDropDown& Source) {
    TExCustomDropDown::Assign(Source);
    CaseSensitive = Source.CaseSensitive;
    DropDownAutoWidth = Source.DropDownAutoWidth;
    DropDownRowHeight = Source.DropDownRowHeight;
    LineColor = Source.LineColor;
    FixedLineColor = Source.FixedLineColor;
    ColumnSizing = Source.ColumnSizing;
    ColumnSizeWithDropDown = Source.ColumnSizeWithDropDown;
    columns_ = Source.columns_;
    HeaderColor = Source.HeaderColor;
    HeaderColorTo = Source.HeaderColorTo;
    HeaderHeight = Source.HeaderHeight;
    headerFont_.Assign(Source.headerFont_);
    LookupColumn = Source.LookupColumn;
    SelectionTextColor = Source.SelectionTextColor;
    items_ = Source.items_;
    itemIndex_ = Source.itemIndex_;
}

// ---- the pop-up

void TExMultiColumnDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!grid_) {
        grid_ = new TExColGrid(this);
        grid_->SetParent(DropDownForm());
    }
    grid_->SetDropDown(this);
    grid_->SetBounds(0, 0, grid_->Width(), 180);
    grid_->SetColor(DropDownColor());
}

void TExMultiColumnDropDown::PlaceDropDownControl() {
    SetControl(grid_);
    TExCustomDropDown::PlaceDropDownControl();
}

void TExMultiColumnDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (!DropDownForm()) return;
    // A click elsewhere closes the list keeping its choice.
    DropDownForm()->CancelOnDeActivate = false;
    showing_ = true;
    if (grid_) {
        grid_->SyncFromDropDown(*this);
        grid_->SetOptions(grid_->Options() | goThumbTracking);
        grid_->SetColor(DropDownColor());
        grid_->OnSelectCell = [this](TObject*, int, int ARow, bool&) {
            if (!grid_->MouseWheelSelection() && !showing_) SetItemIndex(ARow - 1);
        };
        grid_->OnSelect = [this](TObject*) { gridSelect(); };
        if (grid_->RowCount() > 1) grid_->SetRow(std::max(itemIndex_ + 1, grid_->FixedRows()));
    }
    RememberOpening();
}

void TExMultiColumnDropDown::DoShowDropDown() {
    TExCustomDropDown::DoShowDropDown();
    if (grid_ && DroppedDown()) {
        ResizeColumnsToForm();
        if (grid_->RowCount() > 1) {
            grid_->SetRow(itemIndex_ < 0 ? 1 : itemIndex_ + 1);
            const TRect r = grid_->GetCellRect(0, grid_->Row());
            if (r.Left <= 0 && r.Top <= 0) grid_->SetTopRow(grid_->Row() - grid_->VisibleRowCount() + 1);
        }
        if (grid_->CanFocus()) grid_->SetFocus();
    }
    showing_ = false;
}

void TExMultiColumnDropDown::gridSelect() {
    if (grid_->ConfirmSelection) SetItemIndex(grid_->Row() - 1);
    DoHideDropDown(false);
    OnSelect(this);
}

void TExMultiColumnDropDown::DoHideDropDown(bool Cancel) {
    if (!DropDownForm() || !DropDownForm()->Visible()) {
        TExCustomDropDown::DoHideDropDown(Cancel);
        return;
    }
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (Cancel) {
        RestoreOpening();
    } else {
        if (grid_ && grid_->ConfirmSelection) SetItemIndex(grid_->Row() - 1);
        oldItemIndex_ = itemIndex_;
    }
}

// ---- keys in the open list

void TExMultiColumnDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
    const bool gridKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!gridKey || (Shift & ssAlt)) Perform(WM_KEYDOWN, Key, Shift);
}

void TExMultiColumnDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
    const bool gridKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!gridKey || (Shift & ssAlt)) Perform(WM_KEYUP, Key, Shift);
}

void TExMultiColumnDropDown::ControlKeyPress(QChar& Key) {
    if (Key == QChar('\r') || Key == QChar(27)) {
        ClearLookupEntry();
        return;
    }
    const int r = lookupChar(Key);
    Key = QChar();
    if (r < 0 || !grid_) {
        ClearLookupEntry();
        return;
    }
    const int row = r + grid_->FixedRows();
    if (row < grid_->TopRow() || row >= grid_->TopRow() + grid_->VisibleRowCount()) grid_->SetTopRow(row);
    grid_->SetRow(row);
    grid_->SetCol(0);
    // Taking the row wrote the item's text again: the letters after the typed ones stay selected.
    SelectRest(static_cast<int>(lookupEntry_.size()));
}

bool TExMultiColumnDropDown::lookup(const QString& Entry) {
    const int found = grid_ ? items_.IndexStartingWith(LookupColumn, Entry, CaseSensitive) : -1;
    if (found < 0) return false;
    itemIndex_ = found;
    SetText(items_[static_cast<size_t>(found)].Text[LookupColumn]);
    return true;
}

int TExMultiColumnDropDown::lookupChar(QChar C) {
    if (C == QChar('\b')) {
        // Also with letters selected: the last typed one goes.
        lookupEntry_.chop(1);
        SetText(lookupEntry_);
        SetSelStart(static_cast<int>(EditText().size()));
        return -1;
    }
    if (C != QChar('\t')) lookupEntry_ += C;
    if (!lookup(lookupEntry_)) {
        // The letters so far lead nowhere: the search starts again from this one.
        if (!lookup(QString(C))) {
            lookupEntry_.clear();
            return -1;
        }
        lookupEntry_ = C;
    }
    SelectRest(static_cast<int>(lookupEntry_.size()));
    return itemIndex_;
}
