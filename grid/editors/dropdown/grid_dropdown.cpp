#include "grid/editors/dropdown/grid_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/owned_settings.h"

using GridDropDown::TExColGrid;

namespace {

// The typed letters without blanks and control characters around them.
QString trimmedEntry(const QString& Entry) {
    qsizetype from = 0, to = Entry.size();
    while (from < to && Entry[from] <= QChar(' ')) ++from;
    while (to > from && Entry[to - 1] <= QChar(' ')) --to;
    return Entry.mid(from, to - from);
}

bool rowKey(uint16_t Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

}  // namespace

TCustomExGridDropDown::TCustomExGridDropDown(TComponent* AOwner)
    : TColumnListDropDown(AOwner, 4, false),
      bands_(std::make_unique<TBands>()),
      mouseActions_(std::make_unique<TMouseActions>(this)),
      navigation_(std::make_unique<TNavigation>()),
      searchFooter_(std::make_unique<TSearchFooter>(this, false)) {
    navigation_->HomeEndKey = heFirstLastRow;
    // The base made its pop-up before this class existed: the list joins it now.
    CreateDropDownForm();
}

TCustomExGridDropDown::~TCustomExGridDropDown() = default;

void TCustomExGridDropDown::SetBands(const TBands& Value) { bands_->Assign(Value); }
void TCustomExGridDropDown::SetMouseActions(const TMouseActions& Value) { mouseActions_->Assign(Value); }
void TCustomExGridDropDown::SetNavigation(const TNavigation& Value) { navigation_->Assign(Value); }
void TCustomExGridDropDown::SetSearchFooter(const TSearchFooter& Value) { searchFooter_->Assign(Value); }

void TCustomExGridDropDown::SetStyle(TDropDownStyle Value) {
    style_ = Value;
    SetEditorEnabled(Value == dsDropDown);
}

void TCustomExGridDropDown::Loaded() {
    TColumnListDropDown::Loaded();
    if (grid_) grid_->FillFromItems();
}

void TCustomExGridDropDown::Notification(TComponent* AComponent, TOperation Operation) {
    TColumnListDropDown::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent && AComponent == reinterpret_cast<TComponent*>(GridImages)) {
        GridImages = nullptr;
        if (grid_) grid_->SetGridImages(nullptr);
    }
}

int TCustomExGridDropDown::DataCount() const {
    if (UseItems) return items_.Count();
    return grid_ ? grid_->RowCount() - grid_->FixedRows() : 0;
}

// ---- the chosen item

void TCustomExGridDropDown::SetItemIndex(int Value) {
    if (UseItems) {
        TColumnListDropDown::SetItemIndex(Value);
        return;
    }
    if (!grid_) {
        itemIndex_ = Value;
        return;
    }
    if (Value == itemIndex_ || Value >= grid_->RowCount()) return;
    itemIndex_ = Value;
    SetText(Value < 0 || LookupColumn < 0 ? QString() : grid_->Cells(LookupColumn, Value + 1));
}

bool TCustomExGridDropDown::LookupText(const QString& Value, QString& FullText, int& Row) const {
    FullText.clear();
    Row = -1;
    if (Value.isEmpty() || LookupColumn < 0) return false;
    if (UseItems) {
        Row = items_.IndexStartingWith(LookupColumn, Value, CaseSensitive);
        if (Row >= 0) FullText = items_[static_cast<size_t>(Row)].Text[LookupColumn];
        return Row >= 0;
    }
    if (!grid_) return false;
    const QString key = CaseSensitive ? Value : Value.toUpper();
    for (int r = grid_->FixedRows(); r < grid_->RowCount(); ++r) {
        const QString cell = grid_->Cells(LookupColumn, r);
        if (CaseSensitive ? cell.startsWith(key) : StartsWithUpper(cell, key)) {
            FullText = cell;
            Row = r;
            return true;
        }
    }
    return false;
}

// ---- the pop-up

void TCustomExGridDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!grid_) {
        grid_ = new TExColGrid(this);
        grid_->SetParent(DropDownForm());
    }
    grid_->SetDropDown(this);
    grid_->SetBounds(0, 0, grid_->Width(), 180);
    grid_->SetColor(DropDownColor());
    grid_->Navigation().HomeEndKey = heFirstLastRow;
}

void TCustomExGridDropDown::PlaceDropDownControl() {
    SetControl(grid_);
    TExCustomDropDown::PlaceDropDownControl();
}

void TCustomExGridDropDown::BeforeDropDown() {
    // Losing the activation closes the list keeping its choice.
    if (DropDownForm()) DropDownForm()->CancelOnDeActivate = false;
    if (!grid_) {
        TExCustomDropDown::BeforeDropDown();
        RememberOpening();
        return;
    }
    grid_->SyncFromDropDown(*this);
    grid_->SetColor(DropDownColor());
    TSortSettings& sort = grid_->SortSettings();
    sort.Show = Sorting != gsNone;
    sort.IndexShow = Sorting == gsMultiColumn;
    balloonInit_ = false;
    bindGridEvents();
    grid_->SearchFooter().Assign(*searchFooter_);
    grid_->MouseActions().Assign(*mouseActions_);
    grid_->Navigation().Assign(*navigation_);
    grid_->Bands().Assign(*bands_);
    TGridOptions options = (grid_->Options() | goThumbTracking) & ~(goRowSelect | goEditing);
    if (RowSelect) options |= goRowSelect;
    if (GridEditable) options |= goEditing;
    grid_->SetOptions(options);
    grid_->SetGridImages(GridImages);
    grid_->SetComponentStyle(GetComponentStyle());
    if (UseItems) {
        // OnBeforeDropDown may fill the items.
        const auto alive = alive_.Watch();
        TExCustomDropDown::BeforeDropDown();
        if (!*alive) return;
        grid_->SetRowCount(items_.Count() + 1);
        if (grid_->RowCount() > 1) grid_->SetFixedRows(1);
        grid_->FillFromItems();
        const int row = grid_->RowOfItem(itemIndex_);
        if (row >= grid_->FixedRows() && row < grid_->RowCount()) grid_->SetRow(row);
    } else {
        QString full;
        int row = -1;
        if (LookupText(Text(), full, row)) grid_->SetRow(row);
        else if (grid_->RowCount() > grid_->FixedRows()) grid_->SetRow(grid_->FixedRows());
    }
    if (sort.Column >= 0 && sort.Show) grid_->QSort();
    RememberOpening();
    if (!UseItems) TExCustomDropDown::BeforeDropDown();
}

void TCustomExGridDropDown::DoShowDropDown() {
    TExCustomDropDown::DoShowDropDown();
    if (!grid_ || !DroppedDown()) return;
    if (!UseItems)
        while (columns_.Count() < grid_->ColCount()) columns_.Add();
    ResizeColumnsToForm();
    if (grid_->VisibleRowCount() + grid_->FixedRows() < grid_->RowCount()) {
        if (grid_->VisibleRowCount() + grid_->TopRow() < grid_->Row()) grid_->SetTopRow(grid_->Row());
        if (grid_->Row() < grid_->TopRow()) grid_->SetTopRow(grid_->Row());
    }
    // The row shown as chosen is the one a confirmed close takes over, until another is selected.
    selRow_ = grid_->Row();
    grid_->TabStop = true;
    if (grid_->CanFocus()) grid_->SetFocus();
}

void TCustomExGridDropDown::DoHideDropDown(bool Cancel) {
    if (DropDownForm() && DropDownForm()->Visible()) {
        if (Cancel) {
            RestoreOpening();
        } else if (grid_ && grid_->ConfirmSelection) {
            SetItemIndex(UseItems ? grid_->ItemOfRow(selRow_) : selRow_ - grid_->FixedRows());
            oldItemIndex_ = itemIndex_;
            grid_->ConfirmSelection = false;
        }
    }
    TExCustomDropDown::DoHideDropDown(Cancel);
}

// ---- choosing in the list

void TCustomExGridDropDown::gridSelectCell(int ARow) {
    selRow_ = ARow;
    if (grid_->MouseWheelSelection()) return;
    if (UseItems) {
        SetItemIndex(grid_->ItemOfRow(ARow));
    } else {
        SetText(LookupColumn < 0 ? QString() : grid_->Cells(LookupColumn, ARow));
        itemIndex_ = ARow - grid_->FixedRows();
    }
}

void TCustomExGridDropDown::gridSelect() {
    if (grid_->ConfirmSelection) SetItemIndex(UseItems ? grid_->ItemOfRow(grid_->Row()) : grid_->Row() - 1);
    const auto alive = alive_.Watch();
    if (!GridEditable) DoHideDropDown(false);
    if (*alive) OnSelect(this);
}

// ---- keys

void TCustomExGridDropDown::ConfirmListSelection() {
    if (grid_) grid_->ConfirmSelection = true;
}

bool TCustomExGridDropDown::ListEditEnter(uint16_t& Key, TShiftState Shift) {
    if (!grid_ || !(grid_->Options() & goEditing) || !grid_->EditMode() || Key != VK_RETURN || (Shift & ssShift))
        return false;
    grid_->HideInplaceEdit();
    SetText(LookupColumn < 0 ? QString() : grid_->Cells(LookupColumn, grid_->Row()));
    itemIndex_ = grid_->Row() - grid_->FixedRows();
    Key = 0;
    return true;
}

void TCustomExGridDropDown::ListEditKeyUp(uint16_t Key, TShiftState Shift) {
    if (!grid_ || !(grid_->Options() & goEditing) || !grid_->EditMode() || Key != VK_RETURN || (Shift & ssShift))
        return;
    if (grid_->Col() == LookupColumn) HideDropDown(false);
    else grid_->HideInplaceEdit();
}

void TCustomExGridDropDown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_CHAR) {
        const auto alive = alive_.Watch();
        TColumnListDropDown::WndProc(Message);
        if (!*alive) return;
        const QChar ch(static_cast<char16_t>(Message.WParam));
        if (ch >= QChar(' ') || ch == QChar('\b') || ch == QChar('\t')) lookupChar(ch);
        if (*alive && AutoShowDropDown) ShowDropDown();
        return;
    }
    TColumnListDropDown::WndProc(Message);
    if (Message.Msg == CM_ENTER) {
        if (grid_) grid_->RemoveAllFilters();
        ClearLookupEntry();
    }
}

void TCustomExGridDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key && (!rowKey(Key) || (Shift & ssAlt))) Perform(WM_KEYDOWN, Key, Shift);
    DoKeyDown(this, Key, Shift);
}

void TCustomExGridDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
    if (rowKey(Key) && !(Shift & ssAlt)) ClearLookupEntry();
    else if (Key) Perform(WM_KEYUP, Key, Shift);
    DoKeyUp(this, Key, Shift);
}

void TCustomExGridDropDown::ControlKeyPress(QChar& Key) {
    if ((grid_ && (grid_->Options() & goEditing)) || Key == QChar('\r') || Key == QChar(27)) {
        ClearLookupEntry();
    } else if (grid_) {
        int r = lookupChar(Key);
        if (r >= 0 && LookupMethod == lmLookup && UseItems) r = grid_->RowOfItem(r);
        if (r < grid_->FixedRows() || r >= grid_->RowCount()) {
            ClearLookupEntry();
        } else {
            if (grid_->VisibleRowCount() + grid_->FixedRows() < grid_->RowCount()) grid_->SetTopRow(r);
            const QString text = EditText();
            const int selStart = SelStart(), selLength = SelLength();
            grid_->SetRow(r);
            grid_->SetCol(0);
            // Taking the row wrote the same text again: the selection made by the lookup stays.
            if (EditText() == text) {
                SetSelStart(selStart);
                SetSelLength(selLength);
            }
            grid_->Invalidate();
        }
        Key = QChar();
    }
    DoKeyPress(this, Key);
}

// ---- looking up typed letters

void TCustomExGridDropDown::showLookup(const QString& FullText) {
    SetText(FullText);
    if (style_ == dsDropDown) SelectRest(static_cast<int>(lookupEntry_.size()));
}

int TCustomExGridDropDown::lookupChar(QChar C) {
    if (LookupMethod == lmNone) return -1;
    if (C == QChar('\b')) {
        // Also with letters selected: the last typed one goes.
        lookupEntry_.chop(1);
        SetText(lookupEntry_);
        SetSelStart(static_cast<int>(EditText().size()));
        return -1;
    }
    if (C != QChar('\t')) lookupEntry_ += C;
    const QString key = trimmedEntry(lookupEntry_);
    if (LookupMethod == lmNarrowDown) {
        if (!grid_) return -1;
        if (key.isEmpty()) {
            grid_->RemoveAllFilters();
        } else {
            grid_->FixedRowAlways = true;
            grid_->NarrowDown(key, LookupColumn);
            if (style_ == dsDropDown && grid_->RowCount() > grid_->FixedRows())
                showLookup(grid_->Cells(LookupColumn, grid_->FixedRows()));
        }
        return grid_->FixedRows();
    }
    QString full;
    int row = -1;
    const auto found = [&](const QString& Value) {
        if (!LookupText(Value, full, row)) return false;
        itemIndex_ = UseItems ? row : row - (grid_ ? grid_->FixedRows() : 0);
        showLookup(full);
        return true;
    };
    if (found(key)) return row;
    if (style_ == dsDropDown) return -1;
    // The letters so far lead nowhere: the search starts again from this one.
    lookupEntry_ = C;
    if (found(QString(C))) return row;
    lookupEntry_.clear();
    return -1;
}
