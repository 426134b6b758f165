#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/grid_button_editors.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/inplace/held_clipboard.h"

namespace {

// Editing cells of the edit-with-button and value-and-unit kinds; OnEditChange and
// OnEllipsClick join the log.
class ButtonEditors : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        grid->OnEditChange = [this](TObject*, int ACol, int ARow, QString Value) {
            log << QStringLiteral("EditChange %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
        };
        grid->OnEllipsClick = [this](TObject*, int ACol, int ARow, QString& S) {
            note("EllipsClick", ACol, ARow);
            S = "<" + S + ">";
        };
        grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) { grid->BtnUnitEdit()->SetUnits({"mm", "cm"}); };
    }
    TCustomMaskEdit& openWith(TEditorType kind, int ACol = 1, int ARow = 1) {
        editorOf[{ACol, ARow}] = kind;
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        log.clear();
        keyPress(*grid, VK_F2);
        processPosted();
        return dynamic_cast<TCustomMaskEdit&>(*grid->EditCtrl());
    }
    void typeText(TWinControl& control, const QString& text) {
        for (QChar ch : text) typeChar(control, ch);
    }
};

TEST_F(ButtonEditors, EachKindOpensFiltersCommitsAndCancels) {
    struct Case {
        TEditorType kind;
        QString cell;
        QString typed;
        QString shown;      // the editor's text once typed
        QString committed;  // the cell after Enter
    };
    const Case cases[] = {
        {edEditBtn, "ab", "c!", "abc!", "abc!"},
        {edMaskEditBtn, "ab", "c", "abc", "abc"},
        {edNumericEditBtn, "12", "3x", "123", "123"},
        {edFloatEditBtn, "1", ".5x", "1.5", "1.5"},
        {edUnitEditBtn, "5mm", "0", "50", "50mm"},
        {edNumericUnitEditBtn, "5cm", "x1", "51", "51cm"},
        {edFloatUnitEditBtn, "5cm", ".2x", "5.2", "5.2cm"},
    };
    for (const Case& c : cases) {
        grid->SetCells(1, 1, c.cell);
        TCustomMaskEdit& edit = openWith(c.kind);
        EXPECT_TRUE(edit.Visible()) << c.kind;
        EXPECT_TRUE(edit.Focused()) << c.kind;
        edit.SetSelStart(static_cast<int>(edit.Text().size()));
        typeText(edit, c.typed);
        EXPECT_EQ(edit.Text(), c.shown) << c.kind;
        EXPECT_EQ(grid->Cells(1, 1), c.cell) << c.kind;
        keyPress(edit, VK_RETURN);
        processPosted();
        EXPECT_FALSE(edit.Visible()) << c.kind;
        EXPECT_TRUE(grid->Focused()) << c.kind;
        EXPECT_EQ(grid->Cells(1, 1), c.committed) << c.kind;
        EXPECT_EQ(log.filter("EditingDone"), QStringList{"EditingDone " + c.committed}) << c.kind;
        EXPECT_EQ(log.last(), "EditCellDone 1,1") << c.kind;

        // Escape gives the cell its text back.
        grid->SetCells(1, 1, c.cell);
        TCustomMaskEdit& again = openWith(c.kind);
        typeText(again, c.typed);
        keyPress(again, VK_ESCAPE);
        processPosted();
        EXPECT_FALSE(again.Visible()) << c.kind;
        EXPECT_EQ(grid->Cells(1, 1), c.cell) << c.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(ButtonEditors, TheEditButtonReportsItsChangesAndOpensByMouse) {
    editorOf[{1, 1}] = edEditBtn;
    clickCell(1, 1);
    processPosted();
    auto& edit = dynamic_cast<TGridEditBtn&>(*grid->EditCtrl());
    EXPECT_EQ(&edit, grid->BtnEdit());
    EXPECT_TRUE(edit.Focused());
    edit.SetSelStart(3);
    log.clear();
    typeChar(edit, 'z');
    EXPECT_EQ(log, QStringList{"EditChange 1,1 1:1z"});
}

TEST_F(ButtonEditors, TheButtonPassesTheTextThroughOnEllipsClick) {
    struct Case {
        bool stopAfterClick;
        bool open;  // after the click
    };
    for (const Case c : {Case{false, true}, Case{true, false}}) {
        grid->BtnEdit()->StopEditAfterClick = c.stopAfterClick;
        auto& edit = dynamic_cast<TGridEditBtn&>(openWith(edEditBtn));
        keyPress(edit, VK_F4);
        processPosted();
        EXPECT_TRUE(log.contains("EllipsClick 1,1")) << c.stopAfterClick;
        EXPECT_EQ(grid->EditMode(), c.open) << c.stopAfterClick;
        if (c.open) {
            EXPECT_EQ(edit.Text(), "<1:1>");
            EXPECT_EQ(edit.SelLength(), 5);
        } else {
            EXPECT_EQ(grid->Cells(1, 1), "<1:1>");
        }
        // Ctrl+F4 is no click.
        log.clear();
        if (c.open) keyPress(edit, VK_F4, ssCtrl);
        EXPECT_FALSE(log.contains("EllipsClick 1,1"));
        TearDown();
        SetUp();
    }
}

TEST_F(ButtonEditors, ARefusedValueKeepsTheEditorOpen) {
    grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) {
        Valid = Value != "bad";
        if (!Valid) Value = "fix me";
    };
    TCustomMaskEdit& edit = openWith(edEditBtn);
    edit.SelectAll();
    typeText(edit, "bad");
    keyPress(edit, VK_DOWN);
    processPosted();
    EXPECT_TRUE(edit.Visible());
    EXPECT_EQ(edit.Text(), "fix me");
    EXPECT_EQ(edit.SelLength(), 6);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->EditControl(), edEditBtn);
}

TEST_F(ButtonEditors, TheUnitEditorSplitsTheCellAndReportsUnitChanges) {
    QStringList units;
    grid->OnUnitChanged = [&](TObject*, int ACol, int ARow, QString NewUnit) {
        units << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(NewUnit);
    };
    grid->SetCells(1, 1, "7cm");
    openWith(edUnitEditBtn);
    TGridUnitEditBtn& edit = *grid->BtnUnitEdit();
    EXPECT_EQ(edit.Text(), "7");
    EXPECT_EQ(edit.UnitID(), "cm");
    edit.OnUnitChanged(&edit, "mm");
    EXPECT_EQ(units, QStringList{"1,1 mm"});
}

TEST_F(ButtonEditors, PasteReplacesTheSelectionOrGoesInAtTheCaretWithoutAKindCheck) {
    HeldClipboard clipboard;
    SetClipboard(&clipboard);
    bool after = false;
    grid->OnClipboardAfterPasteCell = [&](TObject*, int, int, QString) { after = true; };
    grid->SetCells(1, 1, "12");
    TCustomMaskEdit& edit = openWith(edNumericEditBtn);
    clipboard.text = "3-4\r\n";
    edit.SetSelStart(1);
    edit.SetSelLength(0);
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "13-42");
    EXPECT_EQ(edit.SelStart(), 4);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_EQ(grid->Cells(1, 1), "13-42");
    EXPECT_FALSE(after);

    clipboard.text = "9";
    edit.SetSelStart(0);
    edit.SetSelLength(2);
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "9-42");
    EXPECT_EQ(edit.SelStart(), 0);
    EXPECT_EQ(edit.SelLength(), 1);

    grid->OnClipboardBeforePasteCell = [](TObject*, int, int, QString& Value, bool& Allow) {
        Allow = Value != "no";
        Value = "<" + Value + ">";
    };
    clipboard.text = "no";
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "9-42");
    clipboard.text = "yes";
    edit.SelectAll();
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "<yes>");
    grid->OnClipboardPaste = [](TObject*, bool& Allow) { Allow = false; };
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "<yes>");
    SetClipboard(nullptr);
}

TEST_F(ButtonEditors, LeftAtTheStartAndRightAtTheEndWalkToTheNeighbourCell) {
    struct Case {
        bool cursorWalk;
        uint16_t key;
        int caret;  // where the caret stands before the key
        int col;    // the current column afterwards
    };
    const Case cases[] = {
        {true, VK_RIGHT, 3, 3}, {true, VK_LEFT, 0, 1}, {true, VK_RIGHT, 1, 2}, {false, VK_RIGHT, 3, 2},
    };
    for (const Case& c : cases) {
        grid->Navigation().CursorWalkEditor = c.cursorWalk;
        TCustomMaskEdit& edit = openWith(edEditBtn, 2, 1);
        edit.SetSelStart(c.caret);
        edit.SetSelLength(0);
        keyPress(edit, c.key);
        processPosted();
        EXPECT_EQ(grid->Col(), c.col) << c.cursorWalk << c.key << c.caret;
        EXPECT_EQ(grid->BtnEdit()->Visible(), c.col == 2) << c.cursorWalk << c.key << c.caret;
        TearDown();
        SetUp();
    }
}

}  // namespace
