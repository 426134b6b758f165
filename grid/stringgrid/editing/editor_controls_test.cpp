#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/edit_link.h"
#include "grid/stringgrid/inplace/grid_check_box_editor.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"

namespace {

// Column 2 is a combo list of "red", "green", "blue" that the grid asks for as the windows do:
// OnGetEditorType sets the kind and fills the public combo.
class EditorControls : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        grid->OnGetEditorType = [this](TObject*, int ACol, int ARow, TEditorType& AEditor) {
            note("GetEditorType", ACol, ARow);
            const auto kind = editorOf.find({ACol, ARow});
            if (kind != editorOf.end()) AEditor = kind->second;
            if (AEditor == edComboList || AEditor == edComboEdit) {
                grid->ClearComboString();
                for (const char* item : {"red", "green", "blue"}) grid->AddComboString(item);
            }
        };
        grid->OnGetEditorProp = [this](TObject*, int ACol, int ARow, TEditLink*) { note("GetEditorProp", ACol, ARow); };
        grid->OnComboChange = [this](TObject*, int ACol, int ARow, int AItemIndex, QString ASelection) {
            log << QStringLiteral("ComboChange %1,%2 %3 %4").arg(ACol).arg(ARow).arg(AItemIndex).arg(ASelection);
        };
    }
    // Opens the editor of cell (ACol, ARow) of the given kind with F2.
    void openWith(TEditorType kind, int ACol = 1, int ARow = 1) {
        editorOf[{ACol, ARow}] = kind;
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        log.clear();
        keyPress(*grid, VK_F2);
        processPosted();
    }
    TRect insideCell(int ACol, int ARow) const {
        const TRect r = grid->CellRect(ACol, ARow);
        return {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    }
};

TEST_F(EditorControls, AnUnmatchedComboListShowsItsFirstItemAndCommitsOnEnter) {
    openWith(edComboList, 2, 3);
    TGridCombo& combo = *grid->Combobox();
    ASSERT_TRUE(combo.Visible());
    EXPECT_TRUE(combo.Focused());
    EXPECT_EQ(combo.Text(), "red");
    EXPECT_EQ(grid->Cells(2, 3), "2:3");  // nothing written before the edit ends
    keyPress(combo, VK_DOWN, ssAlt);
    keyPress(combo, VK_RETURN);
    processPosted();
    EXPECT_FALSE(combo.Visible());
    EXPECT_EQ(grid->Cells(2, 3), "red");
    // The key that opens the edit asks OnCanEditCell first; the commit validates the current
    // cell again through the cell selection, which asks it too.
    EXPECT_EQ(log, QStringList({"CanEdit 2,3", "GetEditorType 2,3", "GetEditorProp 2,3", "ComboChange 2,3 0 red",
                                "EditingDone red", "CanEdit 2,3", "EditCellDone 2,3"}));
}

TEST_F(EditorControls, ComboListSelection) {
    struct Case {
        const char* name;
        QString cell;
        int preset;  // SetComboSelection before the edit, -1 none
        QString shown;
        bool reports;
    };
    const Case cases[] = {
        {"cell text among the items", "blue", -1, "blue", false},
        {"preset item", "nothing", 1, "green", false},
        {"neither", "nothing", -1, "red", true},
    };
    for (const Case& c : cases) {
        grid->SetCells(2, 3, c.cell);
        if (c.preset >= 0) {
            grid->ClearComboString();
            for (const char* item : {"red", "green", "blue"}) grid->AddComboString(item);
            ASSERT_TRUE(grid->SetComboSelection(c.preset));
        }
        openWith(edComboList, 2, 3);
        EXPECT_EQ(grid->Combobox()->Text(), c.shown) << c.name;
        EXPECT_EQ(log.filter("ComboChange").size(), c.reports ? 1 : 0) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(EditorControls, ComboReportsTheRealColumnWhenColumnsAreHidden) {
    grid->HideColumn(1);
    // Display column 1 shows real column 2.
    editorOf[{2, 3}] = edComboList;
    grid->SetRow(3);
    grid->SetCol(1);
    log.clear();
    keyPress(*grid, VK_F2);
    EXPECT_TRUE(log.contains("ComboChange 2,3 0 red"));
    keyPress(*grid->Combobox(), VK_RETURN);
    processPosted();
    EXPECT_EQ(grid->AllCells(2, 3), "red");
    EXPECT_EQ(log.last(), "EditCellDone 2,3");
}

TEST_F(EditorControls, EscapeKeepsTheCellText) {
    struct Case {
        TEditorType kind;
        QString cell;
        QChar typed;
    };
    const Case cases[] = {
        {edComboEdit, "2:3", 'x'},
        {edComboList, "not an item", 'b'},
        {edSpinEdit, "7", '9'},
        {edCheckBox, "2:3", ' '},
    };
    for (const Case& c : cases) {
        grid->SetCells(2, 3, c.cell);
        openWith(c.kind, 2, 3);
        TWinControl& control = focused();
        typeChar(control, c.typed);
        keyPress(control, VK_ESCAPE);
        processPosted();
        EXPECT_FALSE(control.Visible()) << c.kind;
        EXPECT_FALSE(grid->EditMode()) << c.kind;
        EXPECT_EQ(grid->Cells(2, 3), c.cell) << c.kind;
        EXPECT_TRUE(grid->Focused()) << c.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(EditorControls, WaysToStartAControlEdit) {
    struct Case {
        const char* name;
        std::function<void()> start;
    };
    const Case cases[] = {
        {"F2", [this]() { keyPress(*grid, VK_F2); }},
        {"Enter", [this]() { keyPress(*grid, VK_RETURN); }},
        {"typing", [this]() { typeChar(*grid, 'g'); }},
        {"a press on the current cell", [this]() { clickCell(2, 3); }},
        {"EditorMode", [this]() { grid->SetEditorMode(true); }},
    };
    for (const Case& c : cases) {
        editorOf[{2, 3}] = edComboEdit;
        grid->SetCol(2);
        grid->SetRow(3);
        c.start();
        processPosted();
        TGridCombo& combo = *grid->Combobox();
        EXPECT_TRUE(combo.Visible()) << c.name;
        EXPECT_TRUE(combo.Focused()) << c.name;
        EXPECT_TRUE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->EditCtrl(), &combo) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(EditorControls, TheStartingKeyIsTheFirstCharacterOfTheControl) {
    editorOf[{1, 1}] = edComboEdit;
    typeChar(*grid, 'k');
    processPosted();
    EXPECT_TRUE(grid->Combobox()->Text().endsWith('k'));
    // The check box takes no starting key.
    TearDown();
    SetUp();
    editorOf[{1, 1}] = edCheckBox;
    typeChar(*grid, 'k');
    processPosted();
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
}

TEST_F(EditorControls, SpinKindsLoadAndCommitTheirValue) {
    grid->SetCells(1, 1, "5");
    openWith(edSpinEdit);
    TGridSpin& spin = *grid->SpinEdit();
    ASSERT_TRUE(spin.Visible());
    EXPECT_EQ(spin.SpinType(), sptNormal);
    EXPECT_EQ(spin.Value(), 5);
    keyPress(spin, VK_PRIOR);
    keyPress(spin, VK_RETURN);
    processPosted();
    EXPECT_FALSE(spin.Visible());
    EXPECT_EQ(grid->Cells(1, 1), "6");
    EXPECT_EQ(log.filter("EditingDone"), QStringList{"EditingDone 6"});

    grid->SetCells(1, 2, "abc 2.5");
    openWith(edFloatSpinEdit, 1, 2);
    EXPECT_EQ(spin.SpinType(), sptFloat);
    EXPECT_DOUBLE_EQ(spin.FloatValue(), 2.5);
}

TEST_F(EditorControls, TheCheckBoxEditorShowsTheCellTextAndWritesNothing) {
    openWith(edCheckBox);
    TGridCheckBox& check = *grid->Private().EditCheck;
    ASSERT_TRUE(check.Visible());
    EXPECT_EQ(check.Caption(), "1:1");
    EXPECT_FALSE(check.Checked());
    keyPress(check, VK_SPACE);
    EXPECT_TRUE(check.Checked());
    keyPress(check, VK_RETURN);
    processPosted();
    EXPECT_FALSE(check.Visible());
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
    EXPECT_TRUE(log.contains("EditCellDone 1,1"));
}

TEST_F(EditorControls, ControlsAreMadeOnFirstUseAndReused) {
    EXPECT_FALSE(grid->Private().FEditSpin);
    EXPECT_FALSE(grid->Private().EditCheck);
    openWith(edSpinEdit);
    TGridSpin* spin = grid->SpinEdit();
    keyPress(*spin, VK_RETURN);
    openWith(edSpinEdit, 1, 2);
    EXPECT_EQ(grid->SpinEdit(), spin);
    EXPECT_TRUE(spin->Visible());
}

TEST_F(EditorControls, ControlsCoverTheirCellAndFollowItAsTheGridScrollsAndSizes) {
    for (TEditorType kind : {edComboEdit, edSpinEdit, edCheckBox, edMemoDropDown}) {
        openWith(kind, 2, 2);
        TWinControl& control = *FocusedControl();
        EXPECT_EQ(control.BoundsRect(), insideCell(2, 2)) << kind;
        grid->SetColWidths(1, 100);
        EXPECT_EQ(control.BoundsRect(), insideCell(2, 2)) << kind;
        grid->SetRowHeights(1, 40);
        EXPECT_EQ(control.BoundsRect(), insideCell(2, 2)) << kind;
        grid->SetRowCount(60);
        grid->SetTopRow(2);
        EXPECT_EQ(control.BoundsRect(), insideCell(2, 2)) << kind;
        TearDown();
        SetUp();
    }
}

TEST_F(EditorControls, ScrollingTheCellOutOfViewCommitsTheEdit) {
    // Controls, and edValidChars, whose text reaches the cell only when the edit ends.
    struct Case {
        TEditorType kind;
        QString written;  // the drop-down and button editors open with their text selected
    };
    grid->ValidChars = "!";
    for (const Case& c : {Case{edComboEdit, "2:2!"}, Case{edMemoDropDown, "!"}, Case{edEditBtn, "!"},
                          Case{edUnitEditBtn, "!"}, Case{edValidChars, "2:2!"}}) {
        grid->SetRowCount(60);
        openWith(c.kind, 2, 2);
        typeChar(focused(), '!');
        grid->SetTopRow(30);
        EXPECT_FALSE(focused().Visible() && &focused() != grid) << c.kind;
        EXPECT_FALSE(grid->EditMode()) << c.kind;
        EXPECT_EQ(grid->Cells(2, 2), c.written) << c.kind;
        EXPECT_TRUE(log.contains("EditingDone " + c.written)) << c.kind;
        TearDown();
        SetUp();
        grid->ValidChars = "!";
    }
}

TEST_F(EditorControls, TheFocusLeavingForAnotherControlCommitsTheEdit) {
    // As when a button of the window is pressed: the value is in the cell before its click runs.
    struct Case {
        TEditorType kind;
        QChar typed;
        QString written;  // the spin and drop-down editors open with their text selected
    };
    const Case cases[] = {
        {edComboEdit, '7', "57"}, {edSpinEdit, '7', "7"}, {edMemoDropDown, '7', "7"}, {edValidChars, '!', "5!"}};
    for (const Case& c : cases) {
        grid->ValidChars = "!";
        auto* other = new TEdit(form);
        other->SetParent(form);
        grid->SetCells(2, 2, "5");
        openWith(c.kind, 2, 2);
        typeChar(focused(), c.typed);
        other->SetFocus();
        EXPECT_FALSE(grid->EditMode()) << c.kind;
        EXPECT_EQ(grid->Cells(2, 2), c.written) << c.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(EditorControls, AGridDestroyedDuringAControlEditKeepsTheValue) {
    struct Case {
        TEditorType kind;
        QString written;  // the drop-down opens with its text selected
    };
    for (const Case& c : {Case{edComboEdit, "2:2?"}, Case{edImagePickerDropDown, "?"}}) {
        openWith(c.kind, 2, 2);
        typeChar(focused(), '?');
        QString written;
        grid->OnEditingDone = [&](TObject*) { written = grid->Cells(2, 2); };
        delete grid;
        grid = nullptr;
        EXPECT_EQ(written, c.written) << c.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(EditorControls, KindsWithoutTheirControlInThisBuild) {
    struct Case {
        TEditorType kind;
        bool textEditor;
    };
    const Case cases[] = {
        {edDataCheckBox, false}, {edCustom, false},
    };
    for (const Case& c : cases) {
        openWith(c.kind);
        EXPECT_EQ(textEditorOpen(), c.textEditor) << c.kind;
        EXPECT_TRUE(grid->EditMode()) << c.kind;
        TearDown();
        SetUp();
    }
}

// A link whose editor is a plain edit.
class TTestLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    ~TTestLink() override { delete edit; }
    TWinControl* GetEditControl() override { return edit; }
    void CreateEditor(TWinControl* AParent) override {
        if (!edit) edit = new TEdit(nullptr);
        edit->AutoSelect = false;
        edit->SetParent(AParent);
        edit->OnKeyDown = [this](TObject* Sender, uint16_t& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
    }
    QString GetEditorValue() override { return edit->Text(); }
    void SetEditorValue(const QString& s) override {
        edit->SetText(s);
        edit->SetSelStart(static_cast<int>(s.size()));
    }
    TEdit* edit = nullptr;
};

TEST_F(EditorControls, ACustomEditLinkIsPlacedMovedAndCommitted) {
    TTestLink link(nullptr);
    grid->EditLink = &link;
    openWith(edCustom, 2, 2);
    ASSERT_TRUE(link.edit);
    EXPECT_TRUE(link.edit->Visible());
    EXPECT_EQ(link.edit->Text(), "2:2");
    const TRect cell = grid->CellRect(2, 2);
    EXPECT_EQ(link.edit->Left(), cell.Left);
    grid->SetColWidths(1, 90);
    EXPECT_EQ(link.edit->Left(), grid->CellRect(2, 2).Left);
    typeChar(*link.edit, '+');
    keyPress(*link.edit, VK_RETURN);
    processPosted();
    EXPECT_FALSE(link.edit->Visible());
    EXPECT_EQ(grid->Cells(2, 2), "2:2+");
    EXPECT_TRUE(log.contains("EditCellDone 2,2"));
    // Escape takes the editor back to the text the cell had when the edit began.
    keyPress(*grid, VK_F2);
    typeChar(*link.edit, '-');
    keyPress(*link.edit, VK_ESCAPE);
    EXPECT_FALSE(link.edit->Visible());
    EXPECT_EQ(grid->Cells(2, 2), "2:2+");
    grid->EditLink = nullptr;
}

TEST_F(EditorControls, SortingCommitsTheOpenEditIntoItsOwnRow) {
    // Column 2 holds v7 .. v1 downwards; the edit on row 2 (v6) must not land on the row that
    // the sort brings there.
    grid->ValidChars = "!";
    for (TEditorType kind : {edNormal, edValidChars, edComboEdit}) {
        for (int r = 1; r < 8; ++r) grid->SetCells(2, r, QString("v%1").arg(8 - r));
        openWith(kind, 2, 2);
        typeChar(focused(), '!');
        grid->Sort(2, sdAscending);
        processPosted();
        EXPECT_FALSE(grid->EditMode()) << kind;
        QStringList column;
        for (int r = 1; r < 8; ++r) column << grid->Cells(2, r);
        EXPECT_EQ(column, QStringList({"v1", "v2", "v3", "v4", "v5", "v6!", "v7"})) << kind;
        TearDown();
        SetUp();
        grid->ValidChars = "!";
    }
}

TEST_F(EditorControls, RowsShiftingUnderAnOpenEditTakeItsValueAlong) {
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> change;
        int row;  // where the edited cell's value ends (once unfiltered); -1: its row is cut off
    };
    const auto filterOn = [](TExStringGrid& g, const QString& condition) {
        TFilterData& item = *g.Filter().Add();
        item.Column = 3;
        item.Condition = condition;
        g.SetFilterActive(true);
    };
    const Case cases[] = {
        {"a row removed above", [](TExStringGrid& g) { g.RemoveRows(1, 1); }, 5},
        {"a row inserted above", [](TExStringGrid& g) { g.InsertRows(1, 1, true); }, 7},
        {"the edited row cut off", [](TExStringGrid& g) { g.SetRowCount(4); }, -1},
        {"a row moved from above to below", [](TExStringGrid& g) { g.MoveRow(1, 8); }, 5},
        {"the edited row moved", [](TExStringGrid& g) { g.MoveRow(6, 2); }, 2},
        {"a filter keeping only the row below", [&](TExStringGrid& g) { filterOn(g, "3:7"); }, 6},
        {"a filter keeping only the edited row", [&](TExStringGrid& g) { filterOn(g, "3:6"); }, 6},
    };
    grid->ValidChars = "!";
    for (const Case& c : cases)
        for (TEditorType kind : {edNormal, edValidChars, edComboEdit}) {
            SCOPED_TRACE(testing::Message() << c.name << " " << kind);
            grid->SetRowCount(10);
            openWith(kind, 2, 6);
            typeChar(focused(), '!');
            c.change(*grid);
            EXPECT_FALSE(grid->EditMode());
            // Enter afterwards writes nothing into the row now at the editor's place.
            keyPress(focused().Visible() ? focused() : *grid, VK_RETURN);
            processPosted();
            grid->SetFilterActive(false);
            QStringList column;
            for (int r = 1; r < grid->RowCount(); ++r) column << grid->Cells(2, r);
            EXPECT_EQ(column.count("2:6!"), c.row < 0 ? 0 : 1);
            if (c.row >= 0) {
                EXPECT_EQ(grid->Cells(2, c.row), "2:6!");
            }
            EXPECT_EQ(column.count("2:7"), c.row < 0 ? 0 : 1);
            TearDown();
            SetUp();
            grid->ValidChars = "!";
        }
}

TEST_F(EditorControls, RowsShownAgainAboveAnOpenEditLeaveItsValueInItsRow) {
    // Row 6 stands at display row 4 with rows 2 and 3 hidden, at display row 1 when filtered.
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> hide, show;
        int openAt;
    };
    const Case cases[] = {
        {"hidden rows", [](TExStringGrid& g) { g.HideRows(2, 3); }, [](TExStringGrid& g) { g.UnHideRows(2, 3); }, 4},
        {"a filter level",
         [](TExStringGrid& g) {
             TFilterData& item = *g.Filter().Add();
             item.Column = 3;
             item.Condition = "3:6";
             g.SetFilterActive(true);
         },
         [](TExStringGrid& g) { g.SetFilterActive(false); }, 1},
    };
    grid->ValidChars = "!";
    for (const Case& c : cases)
        for (TEditorType kind : {edNormal, edValidChars, edComboEdit}) {
            SCOPED_TRACE(testing::Message() << c.name << " " << kind);
            c.hide(*grid);
            openWith(kind, 2, c.openAt);
            typeChar(focused(), '!');
            c.show(*grid);
            EXPECT_FALSE(grid->EditMode());
            keyPress(focused().Visible() ? focused() : *grid, VK_RETURN);
            processPosted();
            EXPECT_EQ(grid->Cells(2, 6), "2:6!");
            EXPECT_EQ(grid->Cells(2, c.openAt), QString("2:%1").arg(c.openAt));
            TearDown();
            SetUp();
            grid->ValidChars = "!";
        }
}

TEST_F(EditorControls, ColumnsShiftingUnderAnOpenEditTakeItsValueAlong) {
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> change;
        int col;         // where the edited cell's value ends
        QString atCol3;  // what then stands where the editor was
    };
    const Case cases[] = {
        {"a column removed left", [](TExStringGrid& g) { g.RemoveCols(1, 1); }, 2, "4:2"},
        {"a column inserted left", [](TExStringGrid& g) { g.InsertCols(1, 1); }, 4, "2:2"},
        {"the edited column moved", [](TExStringGrid& g) { g.MoveColumn(3, 5); }, 5, "4:2"},
    };
    grid->ValidChars = "!";
    for (const Case& c : cases)
        for (TEditorType kind : {edNormal, edValidChars, edComboEdit}) {
            SCOPED_TRACE(testing::Message() << c.name << " " << kind);
            openWith(kind, 3, 2);
            typeChar(focused(), '!');
            c.change(*grid);
            EXPECT_FALSE(grid->EditMode());
            keyPress(focused().Visible() ? focused() : *grid, VK_RETURN);
            processPosted();
            EXPECT_EQ(grid->Cells(c.col, 2), "3:2!");
            EXPECT_EQ(grid->Cells(3, 2), c.atCol3);
            TearDown();
            SetUp();
            grid->ValidChars = "!";
        }
}

TEST_F(EditorControls, TextTypedIntoAnEditableComboIsReportedAsAComboChange) {
    grid->HideColumn(1);
    // Display column 1 shows real column 2: the item report names the real column, the extra
    // edit-change report the display one.
    editorOf[{2, 3}] = edComboEdit;
    grid->SetRow(3);
    grid->SetCol(1);
    keyPress(*grid, VK_F2);
    TGridCombo& combo = *grid->Combobox();
    ASSERT_TRUE(combo.Focused());
    log.clear();
    typeChar(combo, 'x');
    const QString typed = combo.Text();
    EXPECT_EQ(log.filter("ComboChange"),
              (QStringList{"ComboChange 2,3 -1 " + typed, "ComboChange 1,3 -1 " + typed}));
}

TEST_F(EditorControls, AClickThatStartsAnEditableComboPutsItsCaretUnderThePointer) {
    grid->MouseActions().CaretPositioning = true;
    editorOf[{1, 1}] = edComboEdit;
    grid->SetCells(1, 1, "123456");
    const TRect r = grid->CellRect(1, 1);
    click(*grid, r.Left + 12, (r.Top + r.Bottom) / 2);
    processPosted();
    TGridCombo& combo = *grid->Combobox();
    ASSERT_TRUE(combo.Focused());
    EXPECT_EQ(combo.Text(), "123456");
    EXPECT_EQ(combo.SelLength(), 0);
    EXPECT_TRUE(combo.SelStart() > 0 && combo.SelStart() < 6) << combo.SelStart();
    typeChar(combo, 'x');
    EXPECT_NE(combo.Text(), "x") << "typing goes in at the caret, it does not replace the text";
}

TEST_F(EditorControls, DirectEditWithDirectComboDropReportsTheSelectionWhenTheComboOpens) {
    int reports = 0;
    grid->OnSelectionChanged = [&](TObject*, int, int, int, int) { ++reports; };
    grid->MouseActions().DirectEdit = true;
    grid->MouseActions().DirectComboDrop = true;
    editorOf[{2, 2}] = edComboList;
    grid->SetCol(2);
    grid->SetRow(2);
    reports = 0;
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(grid->Combobox()->Focused());
    EXPECT_EQ(reports, 1);
}

} // namespace
