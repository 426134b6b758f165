#include "grid/stringgrid/inplace/editor_tab.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"

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
