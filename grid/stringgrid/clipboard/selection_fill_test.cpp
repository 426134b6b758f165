#include "grid/stringgrid/clipboard/clipboard_fixture.h"
#include "platform/controls/keyboard.h"
#include "platform/system/regional.h"
#include "platform/testkit/testkit.h"

namespace {

class SelectionFill : public ClipboardFixture {
protected:
    void SetUp() override {
        ClipboardFixture::SetUp();
        saved = FormatSettings;
        FormatSettings.DecimalSeparator = u'.';
        FormatSettings.DateSeparator = u'/';
        FormatSettings.TimeSeparator = u':';
        FormatSettings.ShortDateFormat = "dd/mm/yyyy";
        grid->Navigation().AllowSmartClipboard = true;
        grid->SetRowCount(10);
    }
    void TearDown() override {
        FormatSettings = saved;
        ClipboardFixture::TearDown();
    }
    // The column after C1 and C2 are copied from column 1 and pasted over rows 1..Rows of column 2.
    QString columnFill(const QString& C1, const QString& C2, int Rows) {
        fill(1, 1, {{C1}, {C2}});
        select(1, 1, 1, 2);
        grid->CopySelectionToClipboard();
        select(2, 1, 2, Rows);
        grid->PasteSelectionFromClipboard();
        return block(2, 1, 2, Rows);
    }
    TFormatSettings saved;
};

TEST_F(SelectionFill, SeriesFollowTheirFirstTwoCells) {
    const struct {
        const char* c1;
        const char* c2;
        const char* cells;
    } cases[] = {
        {"1", "3", "1|3|5|7|9"},
        {"10", "7", "10|7|4|1|-2"},
        {"1.5", "2", "1.50|2.00|2.50|3.00|3.50"},
        {"15/11/2026", "15/12/2026", "15/11/2026|15/12/2026|15/01/2027|15/02/2027|15/03/2027"},
        {"30/12/2026", "31/12/2026", "30/12/2026|31/12/2026|01/01/2027|02/01/2027|03/01/2027"},
        {"10:00:00", "10:30:00", "10:00:00|10:30:00|11:00:00|11:30:00|12:00:00"},
        {"a", "b", "a|b|a|b|a"},
        {"item 1", "item 2", "item 1|item 2|item 1|item 2|item 1"},
    };
    for (const auto& c : cases) EXPECT_EQ(columnFill(c.c1, c.c2, 5), c.cells) << c.c1;
}

TEST_F(SelectionFill, ARowSeriesAndASingleValue) {
    fill(1, 1, {{"1", "3"}});
    select(1, 1, 2, 1);
    grid->CopySelectionToClipboard();
    grid->SetColCount(6);
    select(1, 2, 5, 2);
    grid->PasteSelectionFromClipboard();
    EXPECT_EQ(block(1, 2, 5, 2), "1,3,5,7,9");

    clipboard.SetContent("5", {});
    select(1, 3, 4, 3);
    grid->PasteSelectionFromClipboard();
    EXPECT_EQ(block(1, 3, 4, 3), "5,5,5,5");

    // Without the option only the clipboard's own cells are written.
    grid->Navigation().AllowSmartClipboard = false;
    clipboard.SetContent("6", {});
    select(1, 4, 4, 4);
    grid->PasteSelectionFromClipboard();
    EXPECT_EQ(block(1, 4, 4, 4), "6,,,");
}

TEST_F(SelectionFill, AOneRowTextRepeatsDownABlock) {
    clipboard.SetContent("x\ty", {});
    select(1, 1, 2, 3);
    grid->PasteSelectionFromClipboard();
    EXPECT_EQ(block(1, 1, 2, 3), "x,y|x,y|x,y");
}

TEST_F(SelectionFill, TheClipboardKeysActWhenTheirEventsAllow) {
    grid->Navigation().AllowClipboardShortCuts = true;
    grid->SetCells(1, 1, "k");
    grid->FocusCell(1, 1);
    bool allowCopy = false;
    grid->OnClipboardCopy = [&](TObject*, bool& Allow) { Allow = allowCopy; };
    ResetKeyboard();
    grid->SetBounds(0, 0, 500, 300);
    grid->SetFocus();
    keyPress(*grid, 'C', ssCtrl);
    EXPECT_EQ(clipboard.text, "");
    allowCopy = true;
    keyPress(*grid, 'C', ssCtrl);
    EXPECT_EQ(clipboard.text, "k");
    grid->FocusCell(2, 2);
    keyPress(*grid, 'V', ssCtrl);
    EXPECT_EQ(grid->Cells(2, 2), "k");
    keyPress(*grid, 'X', ssCtrl);
    EXPECT_EQ(grid->Cells(2, 2), "");
}

}  // namespace
