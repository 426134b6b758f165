#include "grid/editors/dropdown/column_list_dropdown.h"

#include "grid/editors/dropdown/column_list_sizing.h"
#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/ex_strips.h"
#include "grid/editors/dropdown/selector_list_keys.h"
#include "grid/editors/dropdown/typed_completion.h"
#include "platform/controls/string_grid.h"
#include "platform/controls/window_backend.h"

TColumnListDropDown::TColumnListDropDown(TComponent* AOwner, int HeightMargin, bool Office2010)
    : TExCustomDropDown(AOwner), heightMargin_(HeightMargin), office2010_(Office2010) {
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    AutoSelect = true;
    // The base chose its selection colours before this class existed: the line colours follow.
    LineColor = clSilver;
    SetSelectionColorStyle(scOffice2007);
}

TColumnListDropDown::~TColumnListDropDown() = default;

void TColumnListDropDown::Loaded() {
    TExCustomDropDown::Loaded();
    BuildLookupItems();
}

void TColumnListDropDown::BuildLookupItems() {
    if (LookupColumn < 0 || items_.empty()) return;
    lookupItems_.clear();
    lookupUpper_.clear();
    lookupItems_.reserve(items_.Count());
    lookupUpper_.reserve(items_.Count());
    for (const TDropDownItem& item : items_) {
        lookupItems_ << item.Line(LookupColumn);
        lookupUpper_ << lookupItems_.back().toUpper();
    }
}

// ---- the chosen item

void TColumnListDropDown::SetItemIndex(int Value) {
    if (Value >= items_.Count()) return;
    itemIndex_ = Value;
    const bool has = Value >= 0 && items_[static_cast<size_t>(Value)].HasLine(LookupColumn);
    SetText(has ? items_[static_cast<size_t>(Value)].Text[LookupColumn] : QString());
}

void TColumnListDropDown::RememberOpening() {
    oldItemIndex_ = itemIndex_;
    openText_ = Text();
}

void TColumnListDropDown::RestoreOpening() {
    if (oldItemIndex_ >= 0) {
        SetItemIndex(oldItemIndex_);
    } else {
        itemIndex_ = oldItemIndex_;
        SetText(openText_);
    }
}

void TColumnListDropDown::step(int Value) {
    if (Value >= 0) SetItemIndex(Value);
}

void TColumnListDropDown::SelectFirst() { step(SteppedIndex(lsFirst, itemIndex_, DataCount())); }
void TColumnListDropDown::SelectLast() { step(SteppedIndex(lsLast, itemIndex_, DataCount())); }
void TColumnListDropDown::SelectNext() { step(SteppedIndex(lsNext, itemIndex_, DataCount())); }
void TColumnListDropDown::SelectPrevious() { step(SteppedIndex(lsPrevious, itemIndex_, DataCount())); }

void TColumnListDropDown::SelectNextPage() {
    const int count = DataCount();
    if (count == 0) return;
    SetItemIndex(itemIndex_ < 0 ? 0 : std::min(itemIndex_ + 10, count - 1));
}

void TColumnListDropDown::SelectPreviousPage() {
    if (DataCount() == 0) return;
    SetItemIndex(itemIndex_ >= 0 && itemIndex_ - 10 >= 0 ? itemIndex_ - 10 : 0);
}

// ---- the pop-up's size

void TColumnListDropDown::AdjustDropDownHeight(int& Height) {
    int extra = HeaderHeight + 2;
    if (DropDownHeader().Visible()) extra += DropDownHeader().Height;
    if (DropDownFooter().Visible()) extra += DropDownFooter().Height;
    Height = FitHeightToRows(Height, extra, DropDownRowHeight, heightMargin_);
}

int TColumnListDropDown::ListAutoWidth() const {
    const TStringGrid* grid = ListGrid();
    int width = 0;
    for (int i = 0; i < grid->ColCount(); ++i) width += grid->ColWidths(i);
    if (grid->VisibleRowCount() + grid->FixedRows() != grid->RowCount()) width += GetSystemMetrics(SM_CXVSCROLL);
    return width;
}

void TColumnListDropDown::SetDropDownSize() {
    TExCustomDropDown::SetDropDownSize();
    TStringGrid* grid = ListGrid();
    if (!DropDownAutoWidth || !DropDownForm() || !grid) return;
    grid->Align = alNone;
    grid->SetBounds(grid->Left(), grid->Top(), ListAutoWidth(), grid->Height());
    TDropDownForm& form = *DropDownForm();
    form.SetBounds(form.Left(), form.Top(), grid->Width() + 2 * DropDownBorderWidth, form.Height());
    grid->Align = alClient;
    form.ArrangeChildren();
}

void TColumnListDropDown::ResizeColumnsToForm() {
    TStringGrid* grid = ListGrid();
    if (!ColumnSizeWithDropDown || !grid || !DropDownForm()) return;
    grid->SetScrollBars(ssVertical);
    if (columns_.empty()) return;
    // The list's own width: the pop-up's less its border, so that the columns fill it exactly.
    int avail = grid->Width();
    if (grid->VisibleRowCount() < grid->RowCount() - grid->FixedRows()) avail -= GetSystemMetrics(SM_CXVSCROLL);
    std::vector<int> widths;
    for (const TDropDownColumn& column : columns_) widths.push_back(column.Width);
    const std::vector<int> fitted = ProportionalWidths(widths, avail);
    for (int i = 0; i < grid->ColCount() && i < static_cast<int>(fitted.size()); ++i)
        grid->SetColWidths(i, fitted[static_cast<size_t>(i)]);
}

void TColumnListDropDown::DropDownFormSizing() {
    TExCustomDropDown::DropDownFormSizing();
    ResizeColumnsToForm();
}

void TColumnListDropDown::HandleWheelDown() {
    TExCustomDropDown::HandleWheelDown();
    SelectNext();
}

void TColumnListDropDown::HandleWheelUp() {
    TExCustomDropDown::HandleWheelUp();
    SelectPrevious();
}

// ---- keys in the edit and the completion

void TColumnListDropDown::WndProc(TMessage& Message) {
    if (Message.Msg != WM_KEYDOWN) {
        TExCustomDropDown::WndProc(Message);
        return;
    }
    const auto key = static_cast<uint16_t>(Message.WParam);
    const auto shift = static_cast<TShiftState>(Message.LParam);
    if (key == VK_RETURN) ConfirmListSelection();
    const auto alive = alive_.Watch();
    TExCustomDropDown::WndProc(Message);
    if (!*alive || !Enabled() || (shift & ssAlt)) return;
    switch (key) {
    case VK_PRIOR: ClearLookupEntry(); SelectPreviousPage(); break;
    case VK_NEXT: ClearLookupEntry(); SelectNextPage(); break;
    case VK_END: ClearLookupEntry(); if (HomeEndSelect(shift)) SelectLast(); break;
    case VK_HOME: ClearLookupEntry(); if (HomeEndSelect(shift)) SelectFirst(); break;
    case VK_UP: ClearLookupEntry(); SelectPrevious(); break;
    case VK_DOWN: ClearLookupEntry(); SelectNext(); break;
    default: break;
    }
}

void TColumnListDropDown::SelectRest(int Length) {
    SetSelStart(Length);
    SetSelLength(static_cast<int>(EditText().size()) - Length);
}

void TColumnListDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (ListEditEnter(Key, Shift)) return;
    if (LookupColumn < 0 || items_.empty()) {
        TExCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
        workMode_ = false;
    } else if (Key == VK_RETURN) {
        if (const int i = lookupUpper_.indexOf(EditText().toUpper()); i >= 0) {
            SetText(lookupItems_[i]);
            SetItemIndex(i);
            Change();
        }
    } else {
        workMode_ = true;
    }
    if (Key == VK_ESCAPE || (Key >= VK_PRIOR && Key <= VK_DOWN)) ClearLookupEntry();
    const auto alive = alive_.Watch();
    TExCustomDropDown::KeyDown(Key, Shift);
    if (*alive && Key == VK_ESCAPE) SetItemIndex(lookupUpper_.indexOf(EditText().toUpper()));
}

void TColumnListDropDown::KeyPress(QChar& Key) {
    if (Key == QChar('\r') && ReturnIsTab) Key = QChar();
    else TExCustomDropDown::KeyPress(Key);
}

void TColumnListDropDown::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (!(Key == VK_RETURN && ReturnIsTab)) TExCustomDropDown::KeyUp(Key, Shift);
    ListEditKeyUp(Key, Shift);
    if (!itemChange_) return;
    SetItemIndex(itemIdx_);
    SelectRest(itemSel_);
    itemChange_ = false;
}

void TColumnListDropDown::Change() {
    itemChange_ = false;
    TExCustomDropDown::Change();
    if (!workMode_) return;
    SetIsModified(!EditText().isEmpty());
    if (lookupItems_.isEmpty()) return;
    int typed = 0;
    const int i = CompleteTypedStart(
        *this, static_cast<int>(lookupItems_.size()), [this](int i) { return lookupItems_[i]; },
        [this](int i) { return lookupUpper_[i]; }, MatchCase, typed);
    if (i < 0) return;
    itemIndex_ = i;
    itemIdx_ = i;
    itemSel_ = typed;
    itemChange_ = true;
}
