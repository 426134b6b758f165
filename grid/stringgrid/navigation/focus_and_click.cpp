// Clicks and focus changes keep the snapshot of the current cell and the edit consistent.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/inplace_edit.h"

void TExStringGrid::Click() {
    TBaseGrid::Click();
    p->FEntered = false;
    SaveCellState(Col(), Row());
}

void TExStringGrid::DoEnter() {
    // An editor control is handing the focus back.
    if (p->FBlockFocus) return;
    struct Snapshot {
        TExStringGrid& grid;
        ~Snapshot() { grid.SaveCellState(grid.Col(), grid.Row()); }
    } snapshot{*this};
    TBaseGrid::DoEnter();
    // An edit still open is validated once its value is committed, not before.
    if (p->EditMode) return;
    if ((Options() & goEditing) || p->MouseActions->RangeSelectAndEdit) SelectCell(Col(), Row());
}

void TExStringGrid::DoExit() {
    if (p->FBlockKill) return;
    if (p->FSelChange && p->MouseActions->DisjunctRowSelect()) UpdateRowSelect(false);
    p->FSelChange = false;
    TBaseGrid::DoExit();
}

// Whether the current cell lies in the scrolled part in view.
static bool currentInView(TExStringGrid& Grid) {
    return Grid.Col() >= Grid.LeftCol() && Grid.Col() < Grid.LeftCol() + Grid.VisibleColCount() &&
           Grid.Row() >= Grid.TopRow() && Grid.Row() < Grid.TopRow() + Grid.VisibleRowCount();
}

bool TExStringGrid::FocusMessage(TMessage& Message) {
    if (Message.Msg == WM_KILLFOCUS) {
        // An editor control is being hidden: the grid does not lose its edit.
        if (p->FBlockKill) {
            Message.Result = 1;
            return true;
        }
        TBaseGrid::WndProc(Message);
        if (IsMergedCell(RealCol(), Row())) RepaintCell(Col(), Row());
        // A form button held down in a cell is let go: the release will never come here.
        htmlButtonRelease();
        return true;
    }
    if (Message.Msg != WM_SETFOCUS) return false;
    if (p->InvokedFocusChange) {
        p->InvokedFocusChange = false;
        return true;
    }
    TBaseGrid::WndProc(Message);
    if (HasCheckBox(RealCol(), Row())) return true;
    TNavigation& nav = *p->Navigation;
    const bool moving = GridState() == gsRowMoving || GridState() == gsColMoving;
    auto mayEdit = [this]() {
        bool canEdit = true;
        CanEditCell(RealCol(), Row(), canEdit);
        return canEdit && currentInView(*this);
    };
    if (TInplaceEdit* textEditor = InplaceEditor()) {
        auto* from = reinterpret_cast<TWinControl*>(Message.WParam);
        if (from != textEditor && !moving && nav.AlwaysEdit && p->EditControl == edNormal && mayEdit()) {
            ShowInplaceEdit();
            Message.Result = 0;
            return true;
        }
    } else if (nav.AlwaysEdit && mayEdit() && !p->MouseActions->DirectEdit && !p->ControlLook->DropDownAlwaysVisible &&
               HasComboBox(RealCol(), Row())) {
        ShowInplaceEdit();
    }
    if (IsMergedCell(RealCol(), Row())) RepaintCell(Col(), Row());
    return true;
}
