#include "grid/foundation/grid_undo.h"
#include "grid/stringgrid/clipboard/clipboard_fixture.h"
#include "grid/stringgrid/clipboard/clipboard_formats.h"
#include "grid/stringgrid/model/string_grid_unit.h"

namespace {

class ClipboardPaste : public ClipboardFixture {
protected:
    // The grid after Text is pasted at (1, 1) of a fresh grid, and the count the paste gave.
    QString pasted(const QString& Text, int* Count = nullptr) {
        TTestStringGrid* g = makeEditableGrid();
        int cols = 0, rows = 0;
        const int n = g->PasteText(1, 1, cols, rows, Text);
        if (Count) *Count = n;
        return block(1, 1, g->ColCount() - 1, g->RowCount() - 1, g);
    }
};

TEST_F(ClipboardPaste, TextsGiveTheCellsTheyMust) {
    const struct {
        const char* what;
        QString text;
        QString cells;
        int count;
    } cases[] = {
        {"rows and columns", "a\tb\r\nc\td", "a,b,,|c,d,,|,,,|,,,|,,,", 4},
        {"a final line break counts one", "a\tb\r\nc\td\r\n", "a,b,,|c,d,,|,,,|,,,|,,,", 5},
        {"rows ended by LF, as spreadsheets here write them", "a\tb\nc\td\n", "a,b,,|c,d,,|,,,|,,,|,,,", 5},
        {"a quoted field holds line breaks and tabs", "\"x\ny\tz\"\t2\r\n", "x\r\ny\tz,2,,|,,,|,,,|,,,|,,,", 3},
        {"doubled quotes inside a quoted field", "\"say \"\"hi\"\"\nnow\"", "say \"hi\"\r\nnow,,,|,,,|,,,|,,,|,,,", 1},
        {"the grid's character 11 line break", "\"one\x0Btwo\"", "one\r\ntwo,,,|,,,|,,,|,,,|,,,", 1},
        {"an unmatched quote is text", "\"open\tb\r\nc", "\"open,b,,|c,,,|,,,|,,,|,,,", 3},
        {"a quote inside a field is text", "5\" pipe\tx", "5\" pipe,x,,|,,,|,,,|,,,|,,,", 2},
        {"empty lines keep their rows", "a\r\n\r\nb", "a,,,|,,,|b,,,|,,,|,,,", 3},
    };
    for (const auto& c : cases) {
        int count = 0;
        EXPECT_EQ(pasted(c.text, &count), c.cells) << c.what;
        EXPECT_EQ(count, c.count) << c.what;
    }
}

TEST_F(ClipboardPaste, CountsTheCellsOfAText) {
    EXPECT_EQ(grid->CountTextCells("a\tb\tc\r\nd"), (TPoint{3, 1}));
    EXPECT_EQ(grid->CountTextCells("a\r\nb\r\n"), (TPoint{1, 1}));
    EXPECT_EQ(grid->CountTextCells("a\r\n\r\nb"), (TPoint{1, 1}));
    EXPECT_EQ(grid->CountTextCells("x"), (TPoint{1, 0}));
}

TEST_F(ClipboardPaste, CopiedCellsPasteBackAsTheyWere) {
    fill(1, 1, {{"two\r\nlines", "\"q\" start"}, {"tab\there", "5\" pipe"}});
    select(1, 1, 2, 2);
    grid->CopySelectionToClipboard();
    TTestStringGrid* other = makeEditableGrid();
    other->SetSelection({1, 1, 1, 1});
    other->PasteSelectionFromClipboard();
    EXPECT_EQ(block(1, 1, 2, 2, other), block(1, 1, 2, 2));
}

TEST_F(ClipboardPaste, TheGridsOwnBlockBringsPropertiesAndGrowsTheGrid) {
    grid->Navigation().AllowFmtClipboard = true;
    fill(1, 1, {{"a", "b"}, {"c", "d"}, {"e", "f"}});
    grid->SetColors(2, 3, TColor(0x123456));
    select(1, 1, 2, 3);
    grid->CopySelectionToClipboard();
    int cols = 0, rows = 0;
    EXPECT_EQ(grid->PasteFromClipboardAt(4, 4, cols, rows), 6);
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(block(4, 4, 5, 6), "a,b|c,d|e,f");
    EXPECT_EQ(grid->Colors(5, 6), TColor(0x123456));

    // A block cut short is refused and changes nothing.
    const QString before = block(0, 0, 5, 6);
    clipboard.formats = {{GridClipboardFormat(), clipboard.FormatData(GridClipboardFormat()).chopped(9)}};
    EXPECT_EQ(messageOf([&] { grid->PasteFromClipboardAt(1, 1, cols, rows); }), "Stream read error");
    EXPECT_EQ(block(0, 0, 5, 6), before);
    EXPECT_EQ(grid->ColCount(), 6);
}

TEST_F(ClipboardPaste, RichTextGoesToOneCell) {
    grid->Navigation().AllowRTFClipboard = true;
    clipboard.SetContent("x", {{RichTextClipboardFormat, RichTextClipboardData("{\\rtf1 x}")}});
    int cols = 0, rows = 0;
    EXPECT_EQ(grid->PasteFromClipboardAt(2, 2, cols, rows), 0);
    EXPECT_EQ(grid->Cells(2, 2), "{\\rtf1 x}");
}

TEST_F(ClipboardPaste, GrowthInsertionAndRefusals) {
    int cols = 0, rows = 0;
    // Two values at the last column: the grid grows by one column only when allowed.
    grid->PasteText(4, 1, cols, rows, "x\ty");
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->Cells(5, 1), "y");
    grid->Navigation().AllowClipboardColGrow = false;
    grid->Navigation().AllowClipboardRowGrow = false;
    grid->PasteText(5, 4, cols, rows, "p\tq\r\nr\r\ns");
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(block(5, 4, 5, 5), "p|r");

    grid->Navigation().ClipboardPasteAction = paInsert;
    grid->SetCells(1, 2, "below");
    grid->PasteText(1, 2, cols, rows, "1\r\n2\r\n3");
    EXPECT_EQ(block(1, 2, 1, 5), "1|2|3|below");

    // Refused cells keep their texts; a grid that cannot be edited takes nothing.
    grid->Navigation().ClipboardPasteAction = paReplace;
    grid->OnClipboardBeforePasteCell = [](TObject*, int ACol, int, QString& Value, bool& Allow) {
        Allow = ACol != 2;
        Value = Value.toUpper();
    };
    grid->PasteText(1, 1, cols, rows, "m\tn");
    EXPECT_EQ(block(1, 1, 2, 1), "M,");
    grid->SetOptions(grid->Options() & ~goEditing);
    EXPECT_EQ(grid->PasteText(1, 1, cols, rows, "z"), 0);
    EXPECT_EQ(grid->Cells(1, 1), "M");
}

TEST_F(ClipboardPaste, ATextPasteIsOneUndoStep) {
    TExGridUndoRedo undo(form);
    grid->SetUndoRedo(&undo);
    fill(1, 1, {{"a", "b"}});
    int cols = 0, rows = 0;
    grid->PasteText(1, 1, cols, rows, "x\ty\r\nz");
    EXPECT_EQ(block(1, 1, 2, 2), "x,y|z,");
    undo.Undo();
    EXPECT_EQ(block(1, 1, 2, 2), "a,b|,");
}

TEST_F(ClipboardPaste, SelectionAsTextWritesRawCells) {
    grid->SetOptions(grid->Options() & ~goEditing);
    select(3, 4, 3, 4);
    grid->SetSelectionAsText("a\tb\tc\r\n\"d\ne\"");
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(block(3, 4, 5, 5), "a,b,c|d\r\ne,,");
    select(1, 1, 2, 2);
    grid->SetCells(1, 1, "s");
    EXPECT_EQ(grid->GetSelectionAsText(), "s\t\r\n\t\r\n");
}

}  // namespace
