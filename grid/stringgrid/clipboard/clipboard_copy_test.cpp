#include "grid/foundation/grid_undo.h"
#include "grid/stringgrid/clipboard/clipboard_fixture.h"
#include "grid/stringgrid/clipboard/clipboard_formats.h"
#include "grid/stringgrid/model/string_grid_unit.h"

namespace {

class ClipboardCopy : public ClipboardFixture {};

TEST_F(ClipboardCopy, RangesGiveTheTextOtherProgramsRead) {
    fill(1, 1, {{"a", "b"}, {"c", "d"}});
    grid->SetCells(3, 1, "two\r\nlines");
    grid->SetCells(3, 2, "\"quoted\" start");
    grid->SetCells(4, 1, "<b>bold</b>");
    EXPECT_EQ(grid->GetRectAsText(TRect{1, 1, 2, 2}, false), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(grid->GetRectAsText(TRect{1, 1, 2, 1}, false), "a\tb");  // one row: no line end
    // Fields a paste reads back whole: quoted, one LF per line break, inner quotes doubled.
    EXPECT_EQ(grid->GetRectAsText(TRect{3, 1, 3, 2}, false), "\"two\nlines\"\r\n\"\"\"quoted\"\" start\"\r\n");
    EXPECT_EQ(grid->GetRectAsText(TRect{4, 1, 4, 1}, false), "<b>bold</b>");
    grid->Navigation().CopyHTMLTagsToClipboard = false;
    EXPECT_EQ(grid->GetRectAsText(TRect{4, 1, 4, 1}, false), "bold");
    grid->ExcelClipboardFormat = true;
    grid->Multilinecells = true;
    EXPECT_EQ(grid->GetRectAsText(TRect{3, 1, 3, 1}, false), "\"two\x0Blines\"");
}

TEST_F(ClipboardCopy, DisjunctRowsCopyOnlyTheSelectedRows) {
    fill(1, 1, {{"a", "b"}, {"c", "d"}, {"e", "f"}});
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetRowSelect(1, true);
    grid->SetRowSelect(3, true);
    grid->CopySelectionToClipboard();
    EXPECT_EQ(clipboard.text, "a\tb\t\t\r\ne\tf\t\t\r\n");
}

TEST_F(ClipboardCopy, TextRichTextAndTheCellBlockGoTogether) {
    const QString rtf = "{\\rtf1 \\b x\\b0}";
    grid->SetCells(1, 1, rtf);
    grid->SetCells(2, 1, "y");
    grid->Navigation().AllowFmtClipboard = true;
    grid->Navigation().AllowRTFClipboard = true;
    select(1, 1, 2, 1);
    grid->CopySelectionToClipboard();
    EXPECT_EQ(clipboard.text, "x\ty");
    EXPECT_EQ(RichTextFromClipboardData(clipboard.FormatData(RichTextClipboardFormat)), rtf);
    EXPECT_TRUE(clipboard.FormatData(RichTextClipboardFormat).endsWith(QByteArray(2, '\0')));
    EXPECT_FALSE(clipboard.FormatData(GridClipboardFormat()).isEmpty());
    grid->SetCells(1, 1, "plain");
    grid->CopySelectionToClipboard();
    EXPECT_TRUE(clipboard.FormatData(RichTextClipboardFormat).isEmpty());
}

TEST_F(ClipboardCopy, CutsEmptyEditableCellsInOneUndoStep) {
    TExGridUndoRedo undo(form);
    grid->SetUndoRedo(&undo);
    fill(1, 1, {{"a", "b"}, {"c", "d"}});
    grid->ShowModified().Enabled = true;
    select(1, 1, 2, 2);
    grid->CutSelectionToClipboard();
    EXPECT_EQ(clipboard.text, "a\tb\r\nc\td\r\n");
    EXPECT_EQ(block(1, 1, 2, 2), ",|,");
    EXPECT_TRUE(grid->RowModified(1));
    EXPECT_TRUE(grid->RowModified(2));
    undo.Undo();
    EXPECT_EQ(block(1, 1, 2, 2), "a,b|c,d");

    // Without editing only AllowClipboardAlways lets a cut empty cells.
    grid->SetOptions(grid->Options() & ~goEditing);
    grid->CutSelectionToClipboard();
    EXPECT_EQ(block(1, 1, 2, 2), "a,b|c,d");
    grid->Navigation().AllowClipboardAlways = true;
    grid->CutToClipboard();
    EXPECT_EQ(block(0, 0, 4, 5), ",,,,|,,,,|,,,,|,,,,|,,,,|,,,,");
}

TEST_F(ClipboardCopy, TheSelectionGrowsOverMergedCornerRanges) {
    grid->MergeCells(1, 1, 2, 2);
    grid->MergeCells(3, 3, 2, 2);
    select(2, 2, 3, 3);
    grid->ExtendSelectionToMergedCells();
    const TGridRect s = grid->Selection();
    EXPECT_EQ((std::vector<int>{s.Left, s.Top, s.Right, s.Bottom}), (std::vector<int>{1, 1, 4, 4}));
}

TEST(DesktopClipboard, ACopyOffersTextAndHtmlToOtherPrograms) {
    TForm form(nullptr);
    auto* grid = new TTestStringGrid(&form);
    grid->SetParent(&form);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetCells(1, 1, "x & y");
    grid->SetCells(2, 2, "z");
    grid->SetSelection({1, 1, 2, 2});
    grid->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard().AsText(), "x & y\t\r\n\tz\r\n");
    // The grid's own block travels through the desktop's clipboard too.
    grid->Navigation().AllowFmtClipboard = true;
    grid->SetColors(2, 2, TColor(0x123456));
    grid->CopySelectionToClipboard();
    auto* other = new TTestStringGrid(&form);
    other->SetParent(&form);
    other->Navigation().AllowFmtClipboard = true;
    other->SetOptions(other->Options() | goEditing);
    other->SetSelection({1, 1, 1, 1});
    other->PasteSelectionFromClipboard();
    EXPECT_EQ(other->Cells(1, 1), "x & y");
    EXPECT_EQ(other->Colors(2, 2), TColor(0x123456));

    grid->CopyToClipBoardAsHTML();
    const QString html = DesktopClipboardHTML();
    EXPECT_TRUE(html.contains("<TABLE")) << html.toStdString();
    EXPECT_TRUE(html.contains(">z</td>")) << html.toStdString();
    EXPECT_TRUE(Clipboard().AsText().startsWith("Version:1.0"));
}

}  // namespace
