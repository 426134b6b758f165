#include "grid/stringgrid/inplace/grid_combo.h"

#include "grid/stringgrid/inplace/typing_filter.h"
#include "grid/stringgrid/inplace/editor_tab.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr int kButtonWidth = 16;

// Runs F with the option off, giving it back its value after.
template <class F>
void withOptionOff(bool& Option, F&& f) {
    const bool kept = Option;
    Option = false;
    f();
    Option = kept;
}

}  // namespace

TGridCombo::TGridCombo(TComponent* AOwner) : TAsgComboBox(AOwner) {
    FGrid = dynamic_cast<TExStringGrid*>(AOwner);
    SetButtonWidth(kButtonWidth);
    // The grid's own completion (DoChange) takes the place of the combo box's.
    AutoComplete = false;
}

void TGridCombo::AddItemObject(const QString& S, TObject* AObject) {
    FObjects.resize(Items().size(), nullptr);
    AddItem(S);
    FObjects.push_back(AObject);
}

TObject* TGridCombo::Objects(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(FObjects.size())) return nullptr;
    return FObjects[static_cast<size_t>(Index)];
}

void TGridCombo::DeleteItem(int Index) {
    if (Index < 0 || Index >= Count()) return;
    QStringList items = Items();
    items.removeAt(Index);
    SetItems(items);
    if (Index < static_cast<int>(FObjects.size())) FObjects.erase(FObjects.begin() + Index);
}

void TGridCombo::ClearItems() {
    Clear();
    FObjects.clear();
}

void TGridCombo::comboChanged(const QString& Selection) {
    const int col = FGrid->RealColIndex(FGrid->Col());
    const int index = ItemIndex();
    FGrid->OnComboChange(FGrid, col, FGrid->Row(), index, Selection);
    FGrid->OnComboObjectChange(FGrid, col, FGrid->Row(), index, Selection, Objects(index));
}

bool TGridCombo::validate(bool SelectAllOnRefusal) {
    TExStringGrid& grid = *FGrid;
    TExStringGridPrivate& p = grid.Private();
    grid.SetCurrentCell(Text());
    if (grid.ValidateCell(Text())) {
        if (Style() == csDropDownList) {
            const int index = static_cast<int>(Items().indexOf(grid.GetCurrentCell()));
            if (index >= 0 || !SelectAllOnRefusal) SetItemIndex(index);
        } else {
            SetText(grid.GetCurrentCell());
        }
        return true;
    }
    SetText(p.FNewCellText);
    if (!SelectAllOnRefusal) SetSelStart(static_cast<int>(Text().size()));
    else if (Style() != csDropDownList) SelectAll();
    Invalidate();
    return false;
}

void TGridCombo::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) {
        TAsgComboBox::KeyDown(Key, Shift);
        return;
    }
    TExStringGrid& grid = *FGrid;
    TExStringGridPrivate& p = grid.Private();
    TNavigation& nav = grid.Navigation();
    Forced = false;
    const bool listMode = Style() == csDropDownList || DroppedDown();
    bool leaving = false;
    switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: leaving = true; break;
    case VK_LEFT: case VK_RIGHT: leaving = listMode; break;
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_UP: case VK_DOWN: leaving = !listMode; break;
    default: break;
    }
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    if ((Key == VK_UP || Key == VK_DOWN) && !nav.ComboGetUpDown && !DroppedDown()) {
        grid.HideInplaceEdit();
        withOptionOff(nav.AlwaysEdit, [&] { grid.SetFocus(); });
        grid.KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (Key == VK_DOWN && (Shift & ssAlt)) leaving = false;
    if (!leaving) {
        TAsgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(grid.GetCurrentCell());
        const int index = static_cast<int>(Items().indexOf(Text()));
        if (index >= 0) SetItemIndex(index);
        grid.HideInplaceEdit();
        grid.SetFocus();
        return;
    }
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!validate(true)) {
            Key = 0;
            p.FNoAutoAdvance = true;
            return;
        }
    }
    if (Key == VK_TAB && grid.WantsTabFromEditor()) {
        if (!validate(false)) {
            Key = 0;
            return;
        }
        if (HandTabToGrid(grid, Shift)) return;
    }
    if (listMode) {
        withOptionOff(grid.MouseActions().DirectComboClose, [&] { grid.HideInplaceEdit(); });
        if (Key == VK_LEFT || Key == VK_RIGHT) grid.KeyDown(Key, Shift);
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN)
            Key = 0;
    } else if (Key == VK_END) {
        TAsgComboBox::KeyDown(Key, Shift);
        return;
    }
    grid.DoneInplaceEdit(Key, Shift);
    if (nav.AdvanceOnEnter && nav.AdvanceAutoEdit) grid.ShowInplaceEdit();
    Key = 0;
    TAsgComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(QChar& Key) {
    if (!FGrid) {
        TAsgComboBox::KeyPress(Key);
        return;
    }
    FGrid->OnKeyPress(this, Key);
    if (Key == QChar(27)) Key = QChar();
    if (Key == QChar('\r')) OnReturnKey(this);
    if (Key == QChar('\r') || Key == QChar('\t')) Key = QChar();
    const int before = ItemIndex();
    const int picksBefore = FPicks;
    TAsgComboBox::KeyPress(Key);
    // A pick by type-search was reported already.
    if (ItemIndex() != before && FPicks == picksBefore) comboChanged(Text());
}

void TGridCombo::closedUp() {
    TExStringGrid& grid = *FGrid;
    TExStringGridPrivate& p = grid.Private();
    const int row = grid.Row(), col = grid.RealColIndex(grid.Col());
    // A direct close commits the picked item at once, as an editable combo would.
    if (grid.MouseActions().DirectComboClose && p.EditMode && p.EditCtrl == this) {
        if (ItemIndex() >= 0) SetText(Items().at(ItemIndex()));
        comboChanged(Text());
        p.EditControl = edComboEdit;
        withOptionOff(grid.MouseActions().DirectEdit, [&] { grid.HideInplaceEdit(); });
        grid.SetFocus();
    }
    grid.DoComboCloseUp(row, col);
}

bool TGridCombo::walk(uint16_t& Key) {
    const bool left = Key == VK_LEFT && SelLength() == 0 && SelStart() == 0;
    const bool right = Key == VK_RIGHT && SelLength() == 0 && SelStart() == Text().size();
    if (!left && !right) return false;
    Key = 0;
    WalkFromEditor(*FGrid, right, Text());
    return true;
}

void TGridCombo::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) {
        TAsgComboBox::KeyUp(Key, Shift);
        return;
    }
    const bool plain = !(Shift & (ssShift | ssCtrl | ssAlt));
    if (Style() == csDropDown && FGrid->Navigation().CursorWalkEditor && plain) walk(Key);
    FGrid->Private().FNoAutoAdvance = false;
    if (Key != VK_RETURN) TAsgComboBox::KeyUp(Key, Shift);
    DoChange();
}

void TGridCombo::DoChange() {
    if (!FGrid || !WorkMode || !FGrid->Lookup) return;
    // An empty prefix begins every item: nothing to complete yet.
    const QString prefix = Text().left(SelStart());
    if (prefix.isEmpty()) return;
    const bool caseSensitive = FGrid->LookupCaseSensitive;
    QString completed;
    const int inItems = FindCompletion(Items(), prefix, caseSensitive, completed);
    const int index =
        inItems >= 0 ? inItems : FindCompletion(FGrid->LookupItems().ToStringList(), prefix, caseSensitive, completed);
    if (index < 0) return;
    if (inItems >= 0) SetItemIndex(inItems);
    SetText(completed);
    SetSelStart(static_cast<int>(prefix.size()));
    SetSelLength(static_cast<int>(completed.size() - prefix.size()));
    ItemIdx = index;
    ItemChange = true;
}

void TGridCombo::wheel(int Delta) {
    int index = ItemIndex();
    if (Delta < 0) index = std::min(index + 1, Count() - 1);
    else if (Delta > 0) index = std::max(index - 1, 0);
    SetItemIndex(index);
    const QString item = Items().value(index);
    FGrid->OnEditChange(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), item);
    comboChanged(item);
}

void TGridCombo::WndProc(TMessage& m) {
    if (FGrid && m.Msg == WM_MOUSEWHEEL) {
        wheel(static_cast<int16_t>(m.WParam >> 16));
        m.Result = 0;
        return;
    }
    if (FGrid && m.Msg == CN_COMMAND && (m.WParam >> 16) == CBN_SELCHANGE) {
        // An item picked in the dropped list or with the keys: the windows fill the rest of
        // the row from it.
        TAsgComboBox::WndProc(m);
        ++FPicks;
        comboChanged(Text());
        return;
    }
    if (FGrid && m.Msg == CN_COMMAND && (m.WParam >> 16) == CBN_EDITCHANGE) {
        TAsgComboBox::WndProc(m);
        const int index = ItemIndex();
        if (FGrid->Private().EditMode) comboChanged(index >= 0 ? Items().at(index) : Text());
        // Every edit change is also told by the display column, with no item.
        FGrid->OnComboChange(FGrid, FGrid->Col(), FGrid->Row(), -1, Text());
        return;
    }
    if (FGrid && m.Msg == CN_COMMAND && (m.WParam >> 16) == CBN_DROPDOWN) {
        TAsgComboBox::WndProc(m);
        FGrid->DoComboDropDown(FGrid->Row(), FGrid->RealColIndex(FGrid->Col()));
        return;
    }
    if (FGrid && m.Msg == CN_COMMAND && (m.WParam >> 16) == CBN_CLOSEUP) {
        TAsgComboBox::WndProc(m);
        closedUp();
        return;
    }
    if (FGrid && m.Msg == WM_GETDLGCODE) {
        if (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE) m.Result = 1;
        else if (m.WParam == VK_TAB) m.Result = FGrid->WantsTabFromEditor() ? 1 : 0;
        else m.Result = 0;
        return;
    }
    TAsgComboBox::WndProc(m);
}

void TGridCombo::Change() {
    TAsgComboBox::Change();
    if (FGrid) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridCombo::DoEnter() {
    TAsgComboBox::DoEnter();
    if (!FGrid) return;
    TExStringGridPrivate& p = FGrid->Private();
    if (!FGrid->Navigation().EditSelectAll && Style() == csDropDown) SetSelStart(static_cast<int>(Text().size()));
    // A click that started the edit puts the caret where it pointed.
    if (p.LButFlg && Style() == csDropDown) SetSelStart(CharFromPos(p.Clickposx - Left()));
    p.LButFlg = false;
}

void TGridCombo::DoExit() {
    if (FGrid) {
        if (FGrid->LookupHistory && !Text().isEmpty() && !Items().contains(Text())) AddItem(Text());
        FGrid->HideInplaceEdit();
    }
    TAsgComboBox::DoExit();
}

void TGridCombo::SizeDropDownWidth() {
    if (!FGrid) return;
    TCanvas& canvas = FGrid->Canvas();
    const bool scrollBar = Count() > DropDownCount;
    int width = Width();
    for (const QString& item : Items()) {
        const int textWidth = canvas.TextWidth(item);
        if (scrollBar) {
            if (textWidth > width - 25) width = textWidth + 25;
        } else if (textWidth > width - 5) {
            width = textWidth + 8;
        }
    }
    Perform(CB_SETDROPPEDWIDTH, static_cast<uintptr_t>(width));
}
