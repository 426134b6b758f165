#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/testkit/testkit.h"

namespace {

// Four columns (one fixed) and six rows (one fixed); display row 4 is hidden, so the grid shows
// five rows. Column 1 holds markup in row 2, and cells (1, 3) .. (2, 3) are merged.
//
//        col 1          col 2     col 3
//  1     xABCx          abc       plain
//  2     <b>ab</b>c     Banana    (empty)
//  3     merged         (merged)  abc
//  4     hidden abc     x         y        <- hidden (real row 4)
//  5     last           ABC       zz       <- display row 4
class FindEngine : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(6);
        const char* rows[6][4] = {{"", "H1", "H2", "H3"},
                                  {"", "xABCx", "abc", "plain"},
                                  {"", "<b>ab</b>c", "Banana", ""},
                                  {"", "merged", "gone", "abc"},
                                  {"", "hidden abc", "x", "y"},
                                  {"", "last", "ABC", "zz"}};
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 4; ++c) grid->SetCells(c, r, QString::fromUtf8(rows[r][c]));
        grid->MergeCells(1, 3, 2, 1);
        grid->HideRow(4);
    }
};

TEST_F(FindEngine, FindsTheCellEachSearchMustFind) {
    struct Case {
        const char* name;
        QString text;
        TFindParams params;
        TPoint start;
        TPoint expected;
    } cases[] = {
        {"any case, column by column", "abc", 0, {-1, -1}, {1, 1}},
        {"at the start only", "abc", fnMatchStart, {-1, -1}, {2, 1}},
        {"whole text only", "abc", fnMatchFull, {-1, -1}, {2, 1}},
        {"with case", "ABC", fnMatchCase, {-1, -1}, {1, 1}},
        {"with case, lower", "abc", fnMatchCase | fnMatchFull, {-1, -1}, {2, 1}},
        {"tags ignored", "abc", fnIgnoreHTMLTags | fnMatchFull, {-1, -1}, {1, 2}},
        {"tags count without the option", "<b>", 0, {-1, -1}, {1, 2}},
        {"after a start cell, down the column", "abc", 0, {2, 1}, {2, 4}},
        {"after a start cell, along the row", "abc", fnDirectionLeftRight, {2, 1}, {3, 3}},
        {"backwards from the end", "abc", fnBackward, {-1, -1}, {3, 3}},
        {"backwards from a start cell", "abc", fnBackward, {3, 3}, {2, 4}},
        {"backwards along the rows", "abc", fnBackward | fnDirectionLeftRight, {-1, -1}, {2, 4}},
        {"two quotes find an empty cell", "\"\"", 0, {-1, -1}, {3, 2}},
        {"a merged range is tested once, at its base", "merged", 0, {1, 3}, {-1, -1}},
        {"the covered cell of a range is not tested", "gone", 0, {-1, -1}, {-1, -1}},
        {"hidden rows are skipped", "hidden", 0, {-1, -1}, {-1, -1}},
        {"hidden rows on request, real row", "hidden", fnIncludeHiddenRows, {-1, -1}, {1, 4}},
        {"rows below hidden ones count all rows", "zz", fnIncludeHiddenRows, {-1, -1}, {3, 5}},
        {"fixed cells left out", "H2", 0, {-1, -1}, {-1, -1}},
        {"fixed cells on request", "H2", fnIncludeFixed, {-1, -1}, {2, 0}},
        {"filter condition", "B*", fnMatchRegular, {-1, -1}, {2, 2}},
        {"filter condition with case", "b*", fnMatchRegular | fnMatchCase, {-1, -1}, {-1, -1}},
        {"no match", "nothing", 0, {-1, -1}, {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPoint found = grid->Find(c.start, c.text, c.params);
        EXPECT_EQ(found.X, c.expected.X);
        EXPECT_EQ(found.Y, c.expected.Y);
        EXPECT_EQ(grid->FindBusy(), c.expected.X >= 0);
    }
}

TEST_F(FindEngine, RestrictionsToARowColumnOrSelection) {
    grid->SetRow(4);
    EXPECT_EQ(grid->Find({-1, -1}, "abc", fnFindInCurrentRow), (TPoint{2, 4}));
    grid->SetCol(3);
    EXPECT_EQ(grid->Find({-1, -1}, "abc", fnFindInCurrentCol), (TPoint{3, 3}));
    grid->FindCol = 2;
    grid->FindRow = 1;
    EXPECT_EQ(grid->Find({-1, -1}, "abc", fnFindInPresetCol | fnFindInCurrentCol), (TPoint{2, 1}))
        << "the preset column wins over the current one";
    EXPECT_EQ(grid->Find({-1, -1}, "plain", fnFindInPresetRow), (TPoint{3, 1}));
    grid->SetSelection({2, 2, 3, 4});
    EXPECT_EQ(grid->Find({-1, -1}, "abc", fnSelectedCells), (TPoint{2, 4}));

    // A match in an ignored column is skipped in both scan orders.
    grid->IgnoreColumns().Add(2);
    EXPECT_EQ(grid->Find({-1, -1}, "abc", fnMatchFull), (TPoint{3, 3}));
    EXPECT_EQ(grid->Find({-1, -1}, "abc", fnMatchFull | fnDirectionLeftRight), (TPoint{3, 3}));
}

TEST_F(FindEngine, HiddenColumnsAreSearchedByRealIndex) {
    grid->HideColumn(2);
    EXPECT_EQ(grid->Find({-1, -1}, "banana", 0), (TPoint{-1, -1}));
    EXPECT_EQ(grid->Find({-1, -1}, "zz", 0), (TPoint{2, 4})) << "display column of real column 3";
    EXPECT_EQ(grid->Find({-1, -1}, "banana", fnIncludeHiddenColumns), (TPoint{2, 2}));
    EXPECT_EQ(grid->Find({-1, -1}, "zz", fnIncludeHiddenColumns), (TPoint{3, 4}));
}

TEST_F(FindEngine, FindNextStepsThroughTheMatchesAndStopsAtTheEnd) {
    EXPECT_EQ(grid->FindFirst("ABC", 0), (TPoint{1, 1}));
    EXPECT_EQ(grid->FindNext(), (TPoint{2, 1}));
    EXPECT_EQ(grid->FindNext(), (TPoint{2, 4}));
    EXPECT_EQ(grid->FindNext(), (TPoint{3, 3}));
    EXPECT_EQ(grid->FindNext(), (TPoint{-1, -1})) << "no wrap to the start";
    EXPECT_EQ(grid->SearchCell(), (TPoint{-1, -1}));
    EXPECT_FALSE(grid->FindBusy());
}

TEST_F(FindEngine, AutoGotoMakesTheFoundCellCurrent) {
    grid->Find({-1, -1}, "banana", fnAutoGoto);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    grid->Find({-1, -1}, "nothing", fnAutoGoto);
    EXPECT_EQ(grid->Row(), 2) << "nothing found moves nothing";
}

TEST_F(FindEngine, AutoGotoExpandsTheNodeThatHidesTheFoundRow) {
    grid->UnHideRowsAll();
    grid->AddNode(1, 4);
    grid->ContractNode(1);
    ASSERT_TRUE(grid->IsHiddenRow(4));
    const TPoint found = grid->Find({-1, -1}, "hidden", fnAutoGoto | fnIncludeHiddenRows);
    EXPECT_EQ(found, (TPoint{1, 4}));
    EXPECT_FALSE(grid->IsHiddenRow(4));
    EXPECT_EQ(grid->Row(), grid->DisplRowIndex(4));
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(FindEngine, ReplaceChangesEveryFoundCellOnce) {
    EXPECT_EQ(grid->Replace("a", "b", fnMatchFull), 0);
    grid->SetCells(2, 2, "Banana");
    EXPECT_EQ(grid->Replace("ana", "x", fnFindInPresetCol), 0) << "FindCol 0 is a fixed column";
    grid->FindCol = 2;
    EXPECT_EQ(grid->Replace("a", "b", fnFindInPresetCol), 3) << "the covered cell of the range is no cell of its own";
    EXPECT_EQ(grid->Cells(2, 2), "Bbnbnb");
    EXPECT_EQ(grid->Cells(2, 1), "bbc");
    EXPECT_EQ(grid->Cells(2, 4), "bBC");

    // Every occurrence, any case; hidden rows only on request; the count is of cells.
    EXPECT_EQ(grid->Replace("bc", "--", 0), 4);
    EXPECT_EQ(grid->Cells(1, 1), "xA--x");
    EXPECT_EQ(grid->AllCells(1, 4), "hidden abc");
    EXPECT_EQ(grid->Replace("abc", "!", fnIncludeHiddenRows), 1);
    EXPECT_EQ(grid->AllCells(1, 4), "hidden !");
    EXPECT_EQ(grid->Replace("", "x", 0), 0) << "an empty text replaces nothing";
    EXPECT_EQ(grid->Replace("never", "x", 0), 0);
}

TEST_F(FindEngine, ReplaceMarksTheRowsModified) {
    grid->ShowModified().Enabled = true;
    EXPECT_EQ(grid->Replace("plain", "fancy", 0), 1);
    EXPECT_TRUE(grid->RowModified(1));
    EXPECT_FALSE(grid->RowModified(2));
}

TEST_F(FindEngine, TypeAheadSearchLooksAtTheSortColumn) {
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->Search("HI"), 4) << "unsorted: the first normal column";
    grid->SortSettings().Show = true;
    grid->SortSettings().Column = 2;
    EXPECT_EQ(grid->Search("BA"), 2);
    EXPECT_EQ(grid->Search("AB"), 1);
    EXPECT_EQ(grid->Search("ZZ"), -1);
    grid->SortSettings().Column = -1;
    EXPECT_EQ(grid->Search("AB"), -1);
    EXPECT_EQ(grid->Search("<B"), -1) << "tags are left out";
    grid->SortSettings().Column = 1;
    EXPECT_EQ(grid->Search("ABC"), 2);
}

TEST_F(FindEngine, TypingOnASortedGridJumpsToTheRow) {
    grid->UnHideRowsAll();
    grid->SetOptions(grid->Options() & ~goEditing);
    grid->Navigation().AutoGotoWhenSorted = true;
    grid->Navigation().AutoGotoIncremental = true;
    grid->SortSettings().Show = true;
    grid->SortSettings().Column = 2;
    typeChar(*grid, 'b');
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->IncrSearchText, "b");
    typeChar(*grid, 'q');
    EXPECT_EQ(grid->IncrSearchText, "") << "no row: the text starts again";
    EXPECT_EQ(grid->Row(), 2);
    typeChar(*grid, 'a');
    typeChar(*grid, 'b');
    EXPECT_EQ(grid->Row(), 1);
}

}  // namespace
