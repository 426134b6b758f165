#include "grid/stringgrid/navigation/invalid_entry_balloon.h"

#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/navigation/refusal_balloon.h"
#include "platform/controls/custom_combo_box.h"
#include "platform/controls/inplace_edit.h"

void ShowInvalidEntryBalloon(TExStringGrid& Grid) {
    if (Grid.InvalidEntryTitle.isEmpty() && Grid.InvalidEntryText.isEmpty()) return;
    TWinControl* target = Grid.EditCtrl();
    if (!target) target = Grid.InplaceEditor();
    if (!target) return;
    // A drop-down list has no edit field to point at.
    if (auto* combo = dynamic_cast<TCustomComboBox*>(target); combo && combo->ListStyle()) return;
    TEditBalloonTip tip;
    tip.Title = Grid.InvalidEntryTitle;
    tip.Text = Grid.InvalidEntryText;
    tip.Icon = static_cast<int>(Grid.InvalidEntryIcon);
    target->Perform(EM_SHOWBALLOONTIP, 0, reinterpret_cast<intptr_t>(&tip));
    RefusalBalloonOf(Grid).ShowUnder(*target, tip.Title, tip.Text, tip.Icon);
}
