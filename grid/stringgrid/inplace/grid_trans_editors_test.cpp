#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/inplace/grid_trans_editors.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {

// Fixed cells edited in place: row 0 and column 0 are fixed; validation, changes and the
// fixed-edit event join the log.
class FixedCellEditors : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        grid->OnCellValidate = [this](TObject*, int ACol, int ARow, QString& Value, bool& Valid) {
            log << QStringLiteral("Validate %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
            if (Value == "bad") Valid = false;
            if (Value == "short") Value = "long";
        };
        grid->OnEditChange = [this](TObject*, int ACol, int ARow, QString Value) {
            log << QStringLiteral("EditChange %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
        };
        grid->OnEditingDone = [this](TObject*) { log << "EditingDone"; };
        grid->MouseActions().SetFixedComboValues({"alpha", "beta"});
        // A click gives the grid the focus only in a shown window.
        form->SetVisible(true);
    }
    TPoint middle(int ACol, int ARow) const {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TGridTransEdit* transEdit() const { return state().EditTrans; }
    TGridTransCombo* transCombo() const { return state().ComboTrans; }
    TExStringGridPrivate& state() const { return grid->Private(); }
    // The shown editor and its text.
    TWinControl* shown() const {
        if (transEdit() && transEdit()->Visible()) return transEdit();
        if (transCombo() && transCombo()->Visible()) return transCombo();
        return nullptr;
    }
    QString shownText() const {
        if (shown() == transEdit()) return transEdit()->Text();
        return transCombo()->Text();
    }
};

TEST_F(FixedCellEditors, EachWayOpensItsEditorWhichCommitsWhenLeft) {
    enum Press { leftClick, rightClick, doubleClick };
    struct Case {
        Press press;
        bool column;  // a fixed column's cell, else a fixed row's
        TGridFixedCellEditor editor;
        QString typed;  // typed into an edit, or the item picked from a list
        QString stored;
    };
    const Case cases[] = {
        {leftClick, false, fceEdit, "X", "2:0X"},
        {rightClick, false, fceComboEdit, "Y", "2:0Y"},
        {doubleClick, true, fceComboList, "beta", "beta"},
        {leftClick, true, fceEdit, "Z", "0:3Z"},
    };
    for (const Case& c : cases) {
        TMouseActions& mouse = grid->MouseActions();
        const TGridFixedCellEdit how = c.press == leftClick ? fceLeftClick : c.press == rightClick ? fceRightClick : fceDblClick;
        (c.column ? mouse.FixedColsEdit : mouse.FixedRowsEdit) = how;
        (c.column ? mouse.FixedColsEditor : mouse.FixedRowsEditor) = c.editor;
        const int col = c.column ? 0 : 2, row = c.column ? 3 : 0;
        // A list shows the item the cell holds.
        if (c.editor == fceComboList) grid->SetCells(col, row, "alpha");
        const TPoint at = middle(col, row);
        switch (c.press) {
        case leftClick: click(*grid, at.X, at.Y); break;
        case rightClick:
            mouseMessage(*grid, WM_RBUTTONDOWN, at.X, at.Y, MK_RBUTTON);
            mouseMessage(*grid, WM_RBUTTONUP, at.X, at.Y);
            break;
        case doubleClick:
            click(*grid, at.X, at.Y);
            mouseMessage(*grid, WM_LBUTTONDBLCLK, at.X, at.Y, MK_LBUTTON);
            mouseMessage(*grid, WM_LBUTTONUP, at.X, at.Y);
            break;
        }
        processPosted();
        TWinControl* editor = shown();
        ASSERT_NE(editor, nullptr) << c.press;
        EXPECT_EQ(editor == transEdit(), c.editor == fceEdit);
        EXPECT_TRUE(editor->Focused());
        const TRect r = grid->CellRect(col, row);
        EXPECT_TRUE(editor->BoundsRect().Left >= r.Left - 1 && editor->BoundsRect().Top >= r.Top - 1);
        EXPECT_EQ(shownText(), grid->Cells(col, row));
        log.clear();
        if (c.editor == fceComboList) {
            transCombo()->PickItem(int(transCombo()->Items().indexOf(c.typed)));
        } else {
            if (editor == transEdit()) transEdit()->SetSelStart(int(transEdit()->Text().size()));
            else transCombo()->SetSelStart(int(transCombo()->Text().size()));
            typeChar(*editor, c.typed[0]);
        }
        EXPECT_EQ(log.filter("EditChange"), QStringList{QStringLiteral("EditChange %1,%2 %3").arg(col).arg(row).arg(c.stored)});
        // Enter is dropped: the edit goes on.
        const QString before = grid->Cells(col, row);
        typeChar(*editor, '\r');
        EXPECT_TRUE(editor->Visible());
        EXPECT_EQ(shownText(), c.stored);
        EXPECT_EQ(grid->Cells(col, row), before);
        log.clear();
        clickCell(4, 5);
        EXPECT_FALSE(editor->Visible());
        EXPECT_EQ(grid->Cells(col, row), c.stored);
        EXPECT_EQ(log.filter("Validate"), QStringList{QStringLiteral("Validate %1,%2 %3").arg(col).arg(row).arg(c.stored)});
        EXPECT_EQ(log.filter("EditingDone"), QStringList{"EditingDone"});
        TearDown();
        SetUp();
    }
}

TEST_F(FixedCellEditors, ARefusedTextKeepsTheEditorOpenAndAChangedOneIsStored) {
    grid->MouseActions().FixedRowsEdit = fceLeftClick;
    grid->EditFixedCell(2, 0);
    ASSERT_EQ(shown(), transEdit());
    transEdit()->SetText("bad");
    EXPECT_FALSE(transEdit()->StopEdit());
    EXPECT_TRUE(transEdit()->Visible());
    EXPECT_TRUE(transEdit()->Focused());
    EXPECT_EQ(grid->Cells(2, 0), "2:0");
    EXPECT_EQ(grid->Col(), 2) << "the grid's current column follows the refused cell";
    // Another fixed cell waits for the refused one.
    grid->EditFixedCell(3, 0);
    EXPECT_EQ(transEdit()->Col, 2);
    EXPECT_EQ(log.filter("EditingDone"), QStringList());

    transEdit()->SetText("short");
    grid->EditFixedCell(3, 0);
    EXPECT_EQ(grid->Cells(2, 0), "long");
    EXPECT_EQ(transEdit()->Col, 3);
    EXPECT_EQ(transEdit()->Text(), "3:0");
}

TEST_F(FixedCellEditors, TheFixedEditEventChoosesTheEditorAndTheGridMayRefuse) {
    grid->OnFixedEdit = [](TObject*, int, int, TGridFixedCellEditor& AEditor, TStringList* Values) {
        AEditor = fceComboList;
        Values->Add("gamma");
    };
    grid->EditFixedCell(1, 0);
    ASSERT_EQ(shown(), transCombo());
    EXPECT_EQ(transCombo()->Items(), (QStringList{"alpha", "beta", "gamma"}));
    EXPECT_EQ(transCombo()->Style(), csDropDownList);
    grid->SetFocus();
    EXPECT_EQ(shown(), nullptr);

    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    grid->EditFixedCell(2, 0);
    EXPECT_EQ(shown(), nullptr);
}

TEST_F(FixedCellEditors, APressNearTheBorderOfASizableHeaderSizesRatherThanEdits) {
    grid->MouseActions().FixedRowsEdit = fceLeftClick;
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect r = grid->CellRect(2, 0);
    click(*grid, r.Left + 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(shown(), nullptr);
    click(*grid, r.Left + 10, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(shown(), transEdit());
}

TEST_F(FixedCellEditors, TheValueIsWrittenBeforeTheGridSortsScrollsOrGoes) {
    enum Event { sorted, scrolled, destroyed };
    for (Event e : {sorted, scrolled, destroyed}) {
        grid->SetColCount(30);
        grid->EditFixedCell(2, 0);
        ASSERT_EQ(shown(), transEdit()) << e;
        transEdit()->SetText("head");
        QString written;
        grid->OnEditingDone = [&](TObject*) { written = "done"; };
        switch (e) {
        case sorted: grid->Sort(2, sdAscending); break;
        case scrolled: grid->SetLeftCol(10); break;
        case destroyed:
            delete grid;
            grid = nullptr;
            break;
        }
        EXPECT_EQ(written, "done") << e;
        if (grid) {
            EXPECT_EQ(grid->Cells(2, 0), "head") << e;
            EXPECT_EQ(shown(), nullptr) << e;
        }
        TearDown();
        SetUp();
    }
}

}  // namespace
