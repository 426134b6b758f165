#pragma once

#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/keyboard.h"
#include "platform/testkit/testkit.h"

// The grid of the string grid fixture with an edit open on a cell: EditMode set, the cell's
// text cached as it was when the edit began, and the editor kind given.
class InplaceFixture : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
        grid->SetOptions(grid->Options() | goEditing);
        ResetKeyboard();
    }

    void beginEdit(TEditorType Kind, int ACol, int ARow) {
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        // Validation compares with the cell as it was when its edit began.
        grid->SaveCellState(ACol, ARow);
        TExStringGridPrivate& p = grid->Private();
        p.EditControl = Kind;
        p.FCellCache = grid->GetCurrentCell();
        p.EditMode = true;
        p.FEditing = true;
    }

    TExStringGridPrivate& state() { return grid->Private(); }
};
