#pragma once

#include "grid/stringgrid/inplace/inplace_test_fixture.h"

// Shows an editor control over a cell the way the grid does: placed, loaded, enabled, shown and
// focused, with the edit open on the cell.
class ControlEditorFixture : public InplaceFixture {
protected:
    template <class Control>
    Control& showOver(Control& control, TEditorType Kind, int ACol, int ARow) {
        beginEdit(Kind, ACol, ARow);
        const TRect r = grid->CellRect(ACol, ARow);
        control.SetBounds(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
        control.SetEnabled(true);
        control.SetVisible(true);
        control.SetFocus();
        state().FEditActive = true;
        state().EditCtrl = &control;
        return control;
    }
};
