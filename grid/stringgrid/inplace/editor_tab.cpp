#include "grid/stringgrid/inplace/editor_tab.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/system/clipboard.h"

bool HandTabToGrid(TExStringGrid& Grid, TShiftState Shift) {
    if (Grid.Options() & goTabs) {
        Grid.HideInplaceEdit();
        Grid.SetFocus();
        Grid.TabNavigate(Shift & ssShift);
        return true;
    }
    PostMessage(&Grid, WM_KEYDOWN, VK_TAB, Shift);
    return false;
}

void ClaimEditorKeys(TMessage& m, bool WantsTab) {
    const auto key = static_cast<uint16_t>(m.WParam);
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && WantsTab)) m.Result = 1;
}

void WalkFromEditor(TExStringGrid& Grid, bool Right, const QString& Text) {
    TNavigation& nav = Grid.Navigation();
    const int col = Grid.Col(), row = Grid.Row();
    const int target = Right ? col + Grid.CellSpan(Grid.RealColIndex(col), row).X + 1 : col - 1;
    const bool direct = Right ? col < Grid.ColCount() - Grid.FixedRightCols() - 1 : col > Grid.FixedCols();
    if (direct && Grid.IsControlCell(Grid.RealColIndex(target), row)) {
        if (Grid.ValidateCell(Text)) {
            Grid.HideInplaceEdit();
            Grid.SetCol(target);
        }
        return;
    }
    Grid.SetFocus();
    const TAdvanceDirection direction = nav.AdvanceDirection();
    nav.SetAdvanceDirection(adLeftRight);
    Grid.AdvanceCell(col, row, true, false, Right, true, true);
    nav.SetAdvanceDirection(direction);
    if (nav.CursorWalkAlwaysEdit) Grid.ShowEditor();
}

bool TextToPaste(TExStringGrid& Grid, TObject* Sender, QString& Pasted) {
    Pasted = Clipboard().AsText();
    bool allow = !Pasted.isEmpty();
    Grid.OnClipboardPaste(Sender, allow);
    if (!allow) return false;
    Grid.OnClipboardBeforePasteCell(Sender, Grid.Col(), Grid.Row(), Pasted, allow);
    return allow;
}
