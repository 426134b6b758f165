#include "grid/stringgrid/inplace/grid_dropdown_editors.h"

#include "grid/stringgrid/inplace/editor_tab.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

template <class Base>
TGridDropDownEditor<Base>::TGridDropDownEditor(TComponent* AOwner)
    : Base(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

template <class Base>
bool TGridDropDownEditor<Base>::Leaves(uint16_t Key) const {
    switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_END: case VK_UP: case VK_DOWN:
        return true;
    default: return false;
    }
}

bool TGridColorDropDown::Leaves(uint16_t Key) const {
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) return true;
    if (DroppedDown()) return false;
    return Key == VK_HOME || TGridDropDownEditor::Leaves(Key);
}

template <class Base>
bool TGridDropDownEditor<Base>::validate(bool SelectAllOnRefusal) {
    TExStringGrid& grid = *FGrid;
    grid.SetCurrentCell(this->Text());
    if (grid.ValidateCell(this->Text())) {
        SetEditorText(grid.GetCurrentCell());
        return true;
    }
    SetEditorText(grid.Private().FNewCellText);
    if (SelectAllOnRefusal) this->SelectAll();
    else this->SetSelStart(static_cast<int>(this->EditText().size()));
    this->Invalidate();
    return false;
}

template <class Base>
void TGridDropDownEditor<Base>::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) {
        Base::KeyDown(Key, Shift);
        return;
    }
    TExStringGrid& grid = *FGrid;
    TNavigation& nav = grid.Navigation();
    Forced = false;
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    const bool altDown = Key == VK_DOWN && (Shift & ssAlt);
    if (altDown || !Leaves(Key)) {
        Base::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        // An editor that wrote into the cell as it changed gives the cell its old text back.
        if (WritesWhileEditing()) grid.SetCurrentCell(grid.Private().FCellCache);
        SetEditorText(grid.GetCurrentCell());
        grid.HideInplaceEdit();
        grid.SetFocus();
        return;
    }
    if (Commits(Key)) {
        BeforeCommit(Key);
        if (!validate(true)) {
            Key = 0;
            grid.Private().FNoAutoAdvance = true;
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
    if (this->DroppedDown()) {
        grid.HideInplaceEdit();
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
    } else if (Key == VK_END) {
        Base::KeyDown(Key, Shift);
        return;
    }
    grid.DoneInplaceEdit(Key, Shift);
    if (nav.AdvanceOnEnter && nav.AdvanceAutoEdit) grid.ShowInplaceEdit();
    Key = 0;
    Base::KeyDown(Key, Shift);
}

template <class Base>
void TGridDropDownEditor<Base>::KeyPress(QChar& Key) {
    if (FGrid) {
        FGrid->OnKeyPress(this, Key);
        if (Key == QChar(27) || Key == QChar('\r') || Key == QChar('\t')) Key = QChar();
    }
    Base::KeyPress(Key);
}

template <class Base>
void TGridDropDownEditor<Base>::Change() {
    const int before = this->ChangeCount();
    Base::Change();
    // Only changes made while the editor is open on its cell are the cell's.
    if (FGrid && FGrid->EditCtrl() == this && this->ChangeCount() != before)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), this->Text());
}

template <class Base>
void TGridDropDownEditor<Base>::DoEnter() {
    Base::DoEnter();
    if (!FGrid) return;
    TExStringGridPrivate& p = FGrid->Private();
    // The flag serves the click that opened this edit only.
    const bool clicked = p.LButFlg;
    p.LButFlg = false;
    // Placed once the focus handling has selected the text.
    FCaretAtClick = clicked && CaretAtClick();
}

template <class Base>
void TGridDropDownEditor<Base>::DoExit() {
    // Focus that goes into the editor's own pop-up stays in the edit.
    if (FGrid && !this->DroppedDown()) FGrid->HideInplaceEdit();
    Base::DoExit();
}

template <class Base>
void TGridDropDownEditor<Base>::WndProc(TMessage& m) {
    Base::WndProc(m);
    if (FGrid && m.Msg == WM_SETFOCUS && FCaretAtClick) {
        FCaretAtClick = false;
        this->SetSelStart(this->CharFromPos(FGrid->Private().Clickposx - this->Left()));
        this->SetSelLength(0);
    }
    if (!FGrid || m.Msg != WM_GETDLGCODE) return;
    const auto key = static_cast<uint16_t>(m.WParam);
    if (key == VK_TAB && FGrid->WantsTabFromEditor()) m.Result = 1;
    if ((key == VK_RETURN || key == VK_ESCAPE) && ClaimsEnterEscape()) m.Result = 1;
}

template class TGridDropDownEditor<TExTrackBarDropDown>;
template class TGridDropDownEditor<TExMemoDropDown>;
template class TGridDropDownEditor<TExCalculatorDropdown>;
template class TGridDropDownEditor<TExTimePickerDropDown>;
template class TGridDropDownEditor<TExDetailDropDown>;
template class TGridDropDownEditor<TExMultiColumnDropDown>;
template class TGridDropDownEditor<TExColorPickerDropDown>;
template class TGridDropDownEditor<TExImagePickerDropDown>;
template class TGridDropDownEditor<TCustomExGridDropDown>;
