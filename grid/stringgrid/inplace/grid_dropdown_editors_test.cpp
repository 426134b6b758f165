#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/grid_dropdown_editors.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/image_list.h"
#include "platform/controls/memo.h"
#include "platform/controls/message_beep.h"
#include "platform/system/regional.h"
#include "platform/graphics/graphic.h"

#include <functional>

namespace {

// Editing cells of the drop-down kinds; OnEditChange joins the log.
class DropDownEditors : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        grid->OnEditChange = [this](TObject*, int ACol, int ARow, QString Value) {
            log << QStringLiteral("EditChange %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
        };
    }
    void select(TEditorType kind, int ACol, int ARow) {
        editorOf[{ACol, ARow}] = kind;
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        log.clear();
    }
    // Opens the editor of the cell with F2.
    TExCustomDropDown& openWith(TEditorType kind, int ACol = 1, int ARow = 1) {
        select(kind, ACol, ARow);
        keyPress(*grid, VK_F2);
        processPosted();
        return editor();
    }
    TExCustomDropDown& editor() { return dynamic_cast<TExCustomDropDown&>(*grid->EditCtrl()); }
    void typeText(TWinControl& control, const QString& text) {
        for (QChar ch : text) typeChar(control, ch);
    }
};

struct Kind {
    TEditorType kind;
    std::function<TExCustomDropDown*(TExStringGrid&)> accessor;
    QString committed;  // the cell after "3" is typed over "12" and Enter pressed
    bool writesWhileTyping = false;
};

// The time picker keeps a mask of its own: its test is further down.
const Kind kinds[] = {
    {edTrackbarDropDown, [](TExStringGrid& g) -> TExCustomDropDown* { return g.TrackbarDropDown(); }, "3"},
    // The memo's lines follow into the cell as they change.
    {edMemoDropDown, [](TExStringGrid& g) -> TExCustomDropDown* { return g.MemoDropDown(); }, "3", true},
    // The calculator shows its result with its precision.
    {edCalculatorDropDown, [](TExStringGrid& g) -> TExCustomDropDown* { return g.CalculatorDropDown(); }, "3.00"},
    {edDetailDropDown, [](TExStringGrid& g) -> TExCustomDropDown* { return g.DetailPickerDropDown(); }, "3"},
    {edGridDropDown, [](TExStringGrid& g) -> TExCustomDropDown* { return g.GridDropDown(); }, "3"},
    {edImagePickerDropDown, [](TExStringGrid& g) -> TExCustomDropDown* { return g.ImagePickerDropDown(); }, "3"},
    {edExGridDropDown, [](TExStringGrid& g) -> TExCustomDropDown* { return g.ExGridDropDown(); }, "3"},
};

TEST_F(DropDownEditors, EachKindOpensChangesAndCommits) {
    for (const Kind& k : kinds) {
        grid->SetCells(1, 1, "12");
        TExCustomDropDown& dd = openWith(k.kind);
        ASSERT_EQ(&dd, k.accessor(*grid)) << k.kind;
        EXPECT_TRUE(dd.Visible()) << k.kind;
        EXPECT_TRUE(dd.Focused()) << k.kind;
        EXPECT_EQ(dd.Text(), "12") << k.kind;
        typeChar(dd, '3');
        EXPECT_EQ(grid->Cells(1, 1), k.writesWhileTyping ? "3" : "12") << k.kind;
        keyPress(dd, VK_RETURN);
        processPosted();
        EXPECT_FALSE(dd.Visible()) << k.kind;
        EXPECT_TRUE(grid->Focused()) << k.kind;
        EXPECT_EQ(grid->Cells(1, 1), k.committed) << k.kind;
        EXPECT_EQ(log, QStringList({"CanEdit 1,1", "GetEditorType 1,1", "EditChange 1,1 3", "EditingDone " + k.committed,
                                    "CanEdit 1,1", "EditCellDone 1,1"}))
            << k.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(DropDownEditors, EscapeGivesTheCellItsTextBack) {
    for (const Kind& k : kinds) {
        grid->SetCells(1, 1, "12");
        TExCustomDropDown& dd = openWith(k.kind);
        typeChar(dd, '3');
        keyPress(dd, VK_ESCAPE);
        processPosted();
        EXPECT_FALSE(dd.Visible()) << k.kind;
        EXPECT_FALSE(grid->EditMode()) << k.kind;
        EXPECT_TRUE(grid->Focused()) << k.kind;
        EXPECT_EQ(grid->Cells(1, 1), "12") << k.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(DropDownEditors, AMouseClickOpensTheEditorWithTheCaretUnderThePointer) {
    struct Case {
        TEditorType kind;
        bool caretAtClick;
    };
    for (const Case c : {Case{edTrackbarDropDown, true}, Case{edMemoDropDown, true}, Case{edCalculatorDropDown, true},
                         Case{edDetailDropDown, false}, Case{edGridDropDown, false}}) {
        grid->MouseActions().CaretPositioning = true;
        grid->SetCells(1, 1, "123456");
        select(c.kind, 1, 1);
        const TRect r = grid->CellRect(1, 1);
        click(*grid, r.Left + 10, (r.Top + r.Bottom) / 2);
        processPosted();
        TExCustomDropDown& dd = editor();
        EXPECT_TRUE(dd.Visible()) << c.kind;
        EXPECT_TRUE(dd.Focused()) << c.kind;
        EXPECT_EQ(dd.Text(), "123456") << c.kind;
        // The caret lands inside the text rather than the whole text being selected.
        EXPECT_EQ(dd.SelLength() == 0 && dd.SelStart() > 0 && dd.SelStart() < 6, c.caretAtClick) << c.kind;
        EXPECT_FALSE(grid->Private().LButFlg) << c.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(DropDownEditors, DownCommitsAndMovesWhileAltDownOpensTheDropDown) {
    grid->SetCells(1, 1, "12");
    TExCustomDropDown& dd = openWith(edTrackbarDropDown);
    typeChar(dd, '7');
    keyPress(dd, VK_DOWN, ssAlt);
    EXPECT_TRUE(dd.DroppedDown());
    EXPECT_TRUE(grid->EditMode());
    dd.HideDropDown(false);
    keyPress(dd, VK_DOWN);
    processPosted();
    EXPECT_FALSE(dd.Visible());
    EXPECT_EQ(grid->Cells(1, 1), "7");
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(DropDownEditors, TheColourPickerLeavesOnlyByItsOwnKeys) {
    grid->SetCells(1, 1, "12");
    grid->SetColors(1, 1, clRed);
    grid->OnColorSelected = [this](TObject*, int ACol, int ARow, TColor& Color, QString& Value) {
        note("ColorSelected", ACol, ARow);
        Value = "chosen " + Value;
        if (Color == clLime) Color = clGreen;
    };
    auto& dd = dynamic_cast<TGridColorDropDown&>(openWith(edColorPickerDropDown));
    // It opens on the cell's colour, not its text.
    EXPECT_EQ(dd.SelectedColor(), clRed);
    dd.ShowDropDown();
    dd.SetSelectedColor(clLime);
    keyPress(dd, VK_DOWN);
    processPosted();
    EXPECT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "12");
    EXPECT_EQ(grid->Colors(1, 1), clRed);
    keyPress(dd, VK_RETURN);
    processPosted();
    EXPECT_FALSE(grid->EditMode());
    // The event may change the colour and the text the cell takes.
    EXPECT_EQ(grid->Cells(1, 1), "chosen " + dd.SelectedColorText());
    EXPECT_EQ(grid->Colors(1, 1), clGreen);
    EXPECT_EQ(log.filter("ColorSelected"), QStringList{"ColorSelected 1,1"});

    // Home leaves the closed colour picker; it stays in every other drop-down.
    for (TEditorType kind : {edColorPickerDropDown, edTrackbarDropDown}) {
        grid->SetCol(1);
        TExCustomDropDown& other = openWith(kind, 2, 2);
        keyPress(other, VK_HOME);
        processPosted();
        EXPECT_EQ(grid->EditMode(), kind != edColorPickerDropDown) << kind;
        if (grid->EditMode()) keyPress(other, VK_ESCAPE);
    }
}

TEST_F(DropDownEditors, EnterWritesTheCalculatorsPendingResult) {
    TExCustomDropDown& dd = openWith(edCalculatorDropDown);
    dd.SetTextDirect(QString());
    typeText(dd, "12+3");
    keyPress(dd, VK_RETURN);
    processPosted();
    EXPECT_EQ(grid->Cells(1, 1), "15.00");
}

TEST_F(DropDownEditors, ARefusedValueKeepsTheEditorOpenWithTheValidatorsText) {
    for (uint16_t key : {uint16_t(VK_RETURN), uint16_t(VK_DOWN), uint16_t(VK_TAB)}) {
        grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) {
            Valid = Value != "bad";
            if (!Valid) Value = "fix me";
        };
        grid->SetCells(1, 1, "12");
        TExCustomDropDown& dd = openWith(edMemoDropDown);
        dd.SetTextDirect(QString());
        typeText(dd, "bad");
        keyPress(dd, key);
        processPosted();
        EXPECT_TRUE(dd.Visible()) << key;
        EXPECT_TRUE(grid->EditMode()) << key;
        EXPECT_EQ(dd.Text(), "fix me") << key;
        EXPECT_EQ(grid->Row(), 1) << key;
        EXPECT_EQ(grid->Col(), 1) << key;
        TearDown();
        SetUp();
    }
}

TEST_F(DropDownEditors, TabWithoutTabOptionIsValidatedThenHandedToTheGrid) {
    QStringList validated, gridKeys;
    grid->OnKeyDown = [&](TObject* Sender, uint16_t& Key, TShiftState) {
        if (Sender == grid) gridKeys << QString::number(Key);
    };
    grid->OnCellValidate = [&](TObject*, int ACol, int ARow, QString& Value, bool&) {
        validated << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(Value);
    };
    ASSERT_FALSE(grid->Options() & goTabs);
    TExCustomDropDown& dd = openWith(edDetailDropDown);
    EXPECT_EQ(dd.Perform(WM_GETDLGCODE, VK_TAB), 1);
    typeChar(dd, '9');
    keyPress(dd, VK_TAB);
    processPosted();
    EXPECT_EQ(validated.value(0), "1,1 9");
    EXPECT_FALSE(dd.Visible());
    EXPECT_EQ(grid->Cells(1, 1), "9");
    EXPECT_TRUE(gridKeys.contains(QString::number(VK_TAB)));
}

TEST_F(DropDownEditors, TheListsOpenOnTheItemOfTheCellText) {
    grid->SetCells(1, 1, "Banana");
    auto& detail = *grid->DetailPickerDropDown();
    for (const char* caption : {"Apple", "Banana", "Cherry"}) {
        TDetailItem item;
        item.Caption = caption;
        detail.Items().push_back(item);
    }
    openWith(edDetailDropDown);
    EXPECT_EQ(detail.ItemIndex(), 1);
    keyPress(detail, VK_ESCAPE);

    auto& list = *grid->GridDropDown();
    for (const char* name : {"Apple", "Banana", "Cherry"}) list.Items().Add({name, "fruit"});
    openWith(edGridDropDown);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.Text(), "Banana");
    keyPress(list, VK_ESCAPE);

    // The grid with items looks the text up by its start; an empty cell opens on the first item.
    auto& exGrid = *grid->ExGridDropDown();
    for (const char* name : {"Apple", "Banana", "Cherry"}) exGrid.Items().Add({name, "fruit"});
    grid->SetCells(1, 1, "Ch");
    openWith(edExGridDropDown);
    EXPECT_EQ(exGrid.ItemIndex(), 2);
    EXPECT_TRUE(exGrid.Grid()->FixedRowAlways);
    keyPress(exGrid, VK_ESCAPE);
    grid->SetCells(1, 1, "");
    openWith(edExGridDropDown);
    EXPECT_EQ(exGrid.ItemIndex(), 0);
    keyPress(exGrid, VK_ESCAPE);
}

TEST_F(DropDownEditors, TheMemoOpensWithItsCaretAtTheStart) {
    grid->SetCells(1, 1, "first line");
    auto& memo = *grid->MemoDropDown();
    memo.AutoSelect = false;
    openWith(edMemoDropDown);
    EXPECT_EQ(memo.SelStart(), 0);
    EXPECT_EQ(memo.SelLength(), 0);
}

TEST_F(DropDownEditors, TheImagePickerOpensOnTheCellsImageAndWritesTheChosenOne) {
    TImageList images(nullptr);
    for (int i = 0; i < 3; ++i) images.Add(TBitmap(16, 16));
    grid->SetGridImages(&images);
    grid->AddImageIdx(1, 1, 1, haLeft, vaTop);
    grid->SetCells(2, 1, "2");
    grid->AddDataImage(2, 1, 0, haLeft, vaTop);
    grid->OnImageSelected = [this](TObject*, int ACol, int ARow, int& Index) {
        note("ImageSelected", ACol, ARow);
        if (Index == 0) Index = 2;
    };
    auto& picker = *grid->ImagePickerDropDown();
    openWith(edImagePickerDropDown);
    EXPECT_EQ(picker.Images(), &images);
    EXPECT_EQ(picker.Items().size(), 3u);
    EXPECT_EQ(picker.ImageIndex(), 1);
    picker.SetImageIndex(0);
    keyPress(picker, VK_RETURN);
    processPosted();
    int index = -1;
    grid->GetImageIdx(1, 1, index);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(log.filter("ImageSelected"), QStringList{"ImageSelected 1,1"});

    // A data image cell holds the index as its text.
    openWith(edImagePickerDropDown, 2, 1);
    EXPECT_EQ(picker.ImageIndex(), 2);
    picker.SetImageIndex(1);
    keyPress(picker, VK_RETURN);
    processPosted();
    EXPECT_EQ(grid->Cells(2, 1), "1");
    grid->SetGridImages(nullptr);
}

TEST_F(DropDownEditors, TheTimePickerTypesOverItsDigitsThroughItsMask) {
    const QString sep = FormatSettings.TimeSeparator;
    const QString time = "12" + sep + "34" + sep + "56";
    grid->SetCells(1, 1, time);
    TExCustomDropDown& dd = openWith(edTimePickerDropDown);
    ASSERT_EQ(&dd, grid->TimePickerDropDown());
    dd.SetSelStart(0);
    const int beeps = BeepCount();
    typeText(dd, "09x15");
    EXPECT_EQ(BeepCount() - beeps, 1) << "a letter in a digit place";
    EXPECT_EQ(dd.Text(), "09" + sep + "15" + sep + "56") << "the caret skipped the separator";
    keyPress(dd, VK_ESCAPE);
    processPosted();
    EXPECT_EQ(grid->Cells(1, 1), time);
    openWith(edTimePickerDropDown);
    dd.SetSelStart(3);
    typeText(dd, "0");
    keyPress(dd, VK_RETURN);
    processPosted();
    EXPECT_EQ(grid->Cells(1, 1), "12" + sep + "04" + sep + "56");
}

TEST_F(DropDownEditors, TheMemoWritesItsLinesIntoTheCellAlsoFromItsOpenPopUpAndEscapeTakesThemBack) {
    grid->SetCells(1, 2, "1:2");
    TExCustomDropDown& dd = openWith(edMemoDropDown, 1, 2);
    TGridMemoDropDown& memo = *grid->MemoDropDown();
    ASSERT_EQ(&dd, &memo);
    memo.SetSelStart(static_cast<int>(memo.Text().size()));
    typeChar(memo, 'x');
    EXPECT_EQ(grid->Cells(1, 2), "1:2x");
    keyPress(memo, VK_DOWN, ssAlt);
    ASSERT_TRUE(memo.DroppedDown());
    TMemo& lines = *memo.Memo();
    lines.SetSelStart(static_cast<int>(lines.Text().size()));
    typeChar(lines, 'y');
    EXPECT_EQ(grid->Cells(1, 2), "1:2xy") << "typed in the open memo";
    memo.HideDropDown(true);
    keyPress(memo, VK_ESCAPE);
    processPosted();
    EXPECT_EQ(grid->Cells(1, 2), "1:2") << "Escape gives the cell the text it had";
}

}  // namespace
