#include "grid/foundation/cell_checker.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"

namespace {

using Highlighting = StringGridFixture;

TEST_F(Highlighting, MatchesAreWrappedAndTheMarkupStaysValid) {
    struct Case {
        const char* name;
        QString text, find, highlighted;
    } cases[] = {
        {"plain text", "xaby", "ab", "x<hi>ab</hi>y"},
        {"any case, each match", "AB ab", "ab", "<hi>AB</hi> <hi>ab</hi>"},
        {"markup keeps its tags", "<b>ab</b>c", "ab", "<hi><b>ab</hi></b>c"},
        {"markup keeps its entities", "<i>R&amp;D</i> ab", "ab", "<i>R&amp;D</i> <hi>ab</hi>"},
        {"an entity found as the character", "<i>R&amp;D</i>", "&", "<i>R<hi>&amp;</hi>D</i>"},
        {"a stray < in plain text is escaped", "a<b", "b", "a&lt;<hi>b</hi>"},
        {"an ampersand in plain text is escaped", "b&c", "c", "b&amp;<hi>c</hi>"},
        {"no match leaves the text", "<b>xy</b>", "ab", "<b>xy</b>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->SetCells(2, 2, c.text);
        grid->HilightInCell(false, 2, 2, c.find);
        EXPECT_EQ(grid->Cells(2, 2), c.highlighted);
        grid->UnHilightInCell(2, 2);
        EXPECT_EQ(grid->Cells(2, 2), c.text) << "the highlight taken off gives the text back";
    }
    // Entities of a plain text are decoded even where there was nothing to take off.
    grid->SetCells(2, 2, "R&amp;D");
    grid->UnHilightInCell(2, 2);
    EXPECT_EQ(grid->Cells(2, 2), "R&D");
    EXPECT_EQ(grid->HilightText(true, "Ab ab", "ab"), "Ab <hi>ab</hi>");
    EXPECT_EQ(grid->UnHilightText("<hi>a</hi>&lt;"), "a<");
    EXPECT_EQ(grid->MarkText(false, "xab", "AB"), "x<e>ab</e>");
    EXPECT_EQ(grid->UnMarkText("x<e>ab</e>"), "xab");
}

TEST_F(Highlighting, RangesVisitTheirCellsOnly) {
    grid->SetFixedFooters(1);
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 10; ++c) grid->SetCells(c, r, "a");
    grid->HilightInCol(false, false, 3, "a");
    EXPECT_EQ(grid->Cells(3, 0), "a");
    EXPECT_EQ(grid->Cells(3, 1), "<hi>a</hi>");
    EXPECT_EQ(grid->Cells(3, 10), "<hi>a</hi>");
    EXPECT_EQ(grid->Cells(3, 11), "a") << "the footer row is fixed";
    EXPECT_EQ(grid->Cells(4, 1), "a");
    grid->HilightInRow(true, false, 5, "a");
    EXPECT_EQ(grid->Cells(0, 5), "<hi>a</hi>");
    grid->UnHilightInGrid(true);
    EXPECT_EQ(grid->Cells(3, 1), "a");
    EXPECT_EQ(grid->Cells(0, 5), "a");

    // A merged range is highlighted once, at its base cell.
    grid->MergeCells(2, 2, 2, 2);
    grid->HilightInGrid(false, false, "a");
    EXPECT_EQ(grid->Cells(2, 2), "<hi>a</hi>");
    EXPECT_EQ(grid->Cells(3, 3), "a");

    // Hidden columns: the normal-cell highlight reaches them, the mark does not.
    grid->UnHilightInGrid(false);
    grid->HideColumn(8);
    grid->HilightInGrid(false, false, "a");
    grid->MarkInGrid(false, false, "a");
    EXPECT_EQ(grid->Cells(9, 1), "<hi>a</hi>") << "the last stored column, highlighted but not marked";
    EXPECT_TRUE(grid->Cells(8, 1).contains("<hi>"));
    EXPECT_TRUE(grid->Cells(8, 1).contains("<e>"));
}

TEST_F(Highlighting, ErrorMarksTravelWithTheirCells) {
    for (int r = 1; r < 12; ++r) grid->SetCells(2, r, QStringLiteral("v%1").arg(12 - r, 2, 10, QChar('0')));
    grid->SetCells(3, 4, "wrong");
    grid->MarkInCol(false, false, 3, "wrong");
    ASSERT_EQ(grid->Cells(3, 4), "<e>wrong</e>");
    grid->SortSettings().Column = 2;
    grid->QSort();
    EXPECT_EQ(grid->Cells(2, 8), "v08");
    EXPECT_EQ(grid->Cells(3, 8), "<e>wrong</e>") << "the mark moved with its row";
    grid->MoveColumn(3, 1);
    EXPECT_EQ(grid->Cells(1, 8), "<e>wrong</e>");
    grid->UnMarkInGrid(false);
    EXPECT_EQ(grid->Cells(1, 8), "wrong");
}

// Refuses texts holding "bad": they come back marked, or corrected to "good".
class BadWordChecker : public TExStringGridCheck {
public:
    using TExStringGridCheck::TExStringGridCheck;
    QString MarkError(int, int, const QString& s) override { return s.contains("bad") ? "<e>" + s + "</e>" : s; }
    QString Correct(int, int, const QString& s) override {
        ++corrections;
        return QString(s).replace("bad", "good");
    }
    void StartCheck() override { ++starts; }
    void StopCheck() override { ++stops; }
    int corrections = 0, starts = 0, stops = 0;
};

TEST_F(Highlighting, CheckingAColumnMarksTheRefusedCells) {
    EXPECT_TRUE(grid->CheckGrid(false)) << "no checker: every cell passes";
    auto* checker = new BadWordChecker(form);
    checker->UseMarkError = true;
    grid->SetCellChecker(checker);
    grid->SetCells(4, 2, "bad one");
    grid->SetCells(4, 7, "so bad");
    grid->SetCells(5, 3, "bad too");
    EXPECT_FALSE(grid->CheckCol(false, 4));
    for (int r = 0; r < 12; ++r) {
        const bool refused = r == 2 || r == 7;
        EXPECT_EQ(grid->Cells(4, r).startsWith("<e>"), refused) << r;
    }
    EXPECT_EQ(grid->Cells(5, 3), "bad too");
    EXPECT_FALSE(grid->CheckCol(false, 4)) << "a second check finds the same, marked once";
    EXPECT_EQ(grid->Cells(4, 2), "<e>bad one</e>");

    // Correcting: every normal cell once, false as soon as one changed, the rest still checked.
    checker->UseMarkError = false;
    checker->UseCorrect = true;
    grid->SetFixedFooters(1);
    EXPECT_FALSE(grid->CheckGrid(false));
    EXPECT_EQ(checker->corrections, 9 * 10);
    EXPECT_EQ(grid->Cells(4, 2), "good one");
    EXPECT_EQ(grid->Cells(5, 3), "good too");
    EXPECT_EQ(checker->starts, 3);
    EXPECT_EQ(checker->stops, 3);
    EXPECT_TRUE(grid->CheckRow(false, 2));

    // GotoCell visits each cell and comes back.
    checker->GotoCell = true;
    grid->SetCol(1);
    grid->SetRow(1);
    grid->CheckCells(3, 5, 4, 6);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
}

}  // namespace
