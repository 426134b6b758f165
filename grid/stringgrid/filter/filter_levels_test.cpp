#include "grid/stringgrid/filter/filter_test_fixture.h"

namespace {

using Filtering = FruitGridFixture;

TEST_F(Filtering, UnfilteringRestoresTheExactRowsTextsAndHeights) {
    const QStringList before = snapshot();
    condition(1, "*R*").CaseSensitive = false;
    grid->SetFilterActive(true);
    EXPECT_EQ(shown(), "3 5 7");
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->RowHeights(2), 25);  // Apricot keeps its own height
    EXPECT_EQ(grid->GetGridCell(4, 2), "n5");  // and its hidden column's text

    grid->SetFilterActive(false);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    EXPECT_EQ(grid->FilterLevel(), 0);
    EXPECT_EQ(grid->Filter().Count(), 1);  // the conditions stay for the next time
}

TEST_F(Filtering, LevelsComeBackInOrderWithWhatWasChangedWhileHidden) {
    QStringList before = snapshot();
    condition(1, "*a*").CaseSensitive = false;
    grid->SetFilterActive(true);
    EXPECT_EQ(shown(), "1 2 4 5 7");
    grid->Filter().Clear();
    condition(3, "*fruit");
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "1 7");
    // Hidden rows of both levels read and written, then the shown ones hidden by range over them.
    EXPECT_EQ(grid->AllGridCells(1, 3), "cherry");
    EXPECT_EQ(grid->AllGridCells(1, 5), "Apricot");
    grid->SetAllGridCells(3, 6, "changed");
    grid->HideRows(1, 8);
    EXPECT_EQ(grid->RowCount(), 1);

    grid->RemoveLastFilter();
    EXPECT_EQ(shown(), "2 4 5");
    grid->RemoveLastFilter();
    EXPECT_EQ(shown(), "2 3 4 5 6 8");
    grid->UnHideRowsAll();
    before[6].replace("purple", "changed");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(grid->NumHiddenRows(), 0);
}

TEST_F(Filtering, ConditionsCombineAndFollowCaseRules) {
    struct Case {
        const char* name;
        std::function<void()> setUp;
        const char* shown;
    } cases[] = {
        {"case sensitive", [&] { condition(1, "a*"); }, "1"},
        {"case insensitive", [&] { condition(1, "a*").CaseSensitive = false; }, "1 5"},
        {"two columns, both", [&] { condition(1, "*a*"); condition(3, "*fruit"); }, "1 7"},
        {"two columns, either",
         [&] {
             condition(1, "fig");
             condition(3, "red").Operation = foOR;
         },
         "3 6"},
        {"a short-cut miss ends the test",
         [&] {
             condition(1, "fig").Operation = foSHORT;
             condition(3, "red").Operation = foOR;
         },
         "6"},
        {"prefix stripped before a number compares",
         [&] { condition(2, ">100").Prefix = "$"; },
         "1 3 5 7"},
        {"literal",
         [&] {
             TFilterData& item = condition(3, "green");
             item.Method = fmLiteral;
         },
         "8"},
        {"no conditions", [] {}, "1 2 3 4 5 6 7 8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->Filter().Clear();
        c.setUp();
        grid->ApplyFilter();
        EXPECT_EQ(shown(), c.shown);
        grid->RemoveLastFilter();
        EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    }
}

TEST_F(Filtering, SuffixIsStrippedFromTheEnd) {
    for (int r = 1; r <= 8; ++r) grid->SetCells(2, r, grid->Cells(2, r).mid(1) + " EUR");
    condition(2, ">100").Suffix = " EUR";
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "1 3 5 7");
}

TEST_F(Filtering, LevelsStackAndComeOffNewestFirst) {
    condition(3, "*e*");  // not "brown" (4) and not "purple"... "purple" has an e
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "1 2 3 5 6 7 8");
    grid->Filter().Clear();
    condition(1, "*a*");
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "1 2 7");
    EXPECT_EQ(grid->FilterLevel(), 2);

    // Switching the filter off takes off only the newest level.
    grid->FilterActive = true;
    grid->SetFilterActive(false);
    EXPECT_EQ(shown(), "1 2 3 5 6 7 8");
    EXPECT_EQ(grid->FilterLevel(), 1);

    EXPECT_FALSE(grid->RemoveLastFilter());  // the last level went
    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    EXPECT_FALSE(grid->RemoveLastFilter());
    EXPECT_EQ(grid->Filter().Count(), 1);
}

TEST_F(Filtering, RemoveAllFiltersTakesEveryLevelThenClearsConditions) {
    condition(1, "!fig");
    grid->ApplyFilter();
    grid->ApplyFilter();
    grid->Filter().Items(0)->Condition = "!grape";
    EXPECT_TRUE(grid->RemoveLastFilter() || true);
    grid->ApplyFilter();
    grid->ApplyFilter();
    EXPECT_EQ(grid->FilterLevel(), 3);
    EXPECT_EQ(shown(), "1 2 3 4 5 8");

    grid->RemoveAllFilters();
    EXPECT_EQ(grid->FilterLevel(), 0);
    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    EXPECT_EQ(grid->Filter().Count(), 1);  // conditions survive a removal of levels
    grid->RemoveAllFilters();
    EXPECT_EQ(grid->Filter().Count(), 0);
}

TEST_F(Filtering, SwitchingOnTwiceChangesNothingButTheFooter) {
    condition(1, "fig");
    grid->SetFilterActive(true);
    grid->Filter().Items(0)->Condition = "Kiwi";
    grid->SetFilterActive(true);
    EXPECT_EQ(shown(), "6");
    EXPECT_EQ(grid->FilterLevel(), 1);
    grid->SetFilterActive(false);
    grid->SetFilterActive(true);
    EXPECT_EQ(shown(), "8");
}

TEST_F(Filtering, NodeAndSummaryRowsStayWithNormalCellsOnly) {
    grid->AddNode(1, 4);
    grid->SetSummaryRow(8);
    condition(1, "fig");
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "1 6 8");
    grid->RemoveLastFilter();
    grid->FilterNormalCellsOnly = false;
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "6");
}

TEST_F(Filtering, RowsHiddenByRangeStayHiddenAcrossFilterLevels) {
    condition(3, "!*fruit");
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "2 3 4 5 6 8");
    grid->HideRow(grid->RealRowIndex(3));  // date
    EXPECT_EQ(shown(), "2 3 5 6 8");
    grid->RemoveLastFilter();
    EXPECT_EQ(shown(), "1 2 3 5 6 7 8");
    grid->UnHideRowsAll();
    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    EXPECT_EQ(grid->Cells(1, 4), "date");
}

TEST_F(Filtering, RowsInsertedAndRemovedWhileFilteredKeepTheOrder) {
    condition(3, "!*fruit");
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "2 3 4 5 6 8");
    grid->InsertRows(2, 1, true);  // before cherry
    grid->SetCells(0, 2, "new");
    grid->RemoveRows(5, 1);  // Apricot
    grid->RemoveLastFilter();
    EXPECT_EQ(shown(), "1 2 new 3 4 6 7 8");
}

TEST_F(Filtering, ProgressCustomFilterAndFilterRow) {
    std::vector<int> progress;
    grid->OnFilterProgress = [&](TObject*, int16_t percent) { progress.push_back(percent); };
    grid->OnCustomFilter = [](TObject*, int ARow, bool& Accept) { Accept = ARow % 4 != 0; };
    grid->AddNode(5, 0);  // skipped, not counted
    grid->ApplyFilter();
    EXPECT_EQ(shown(), "1 2 3 5 6 7");
    EXPECT_EQ(progress, (std::vector<int>{13, 25, 38, 50, 63, 75, 88, 88}));

    grid->OnFilterProgress = nullptr;
    grid->OnCustomFilter = [](TObject*, int, bool& Accept) { Accept = false; };
    grid->FilterRow(2);
    EXPECT_EQ(shown(), "1 3 5 6 7");
    EXPECT_TRUE(grid->IsHiddenRow(2));
}

TEST_F(Filtering, NarrowDownAddsALevelPerCharacter) {
    struct Step {
        const char* typed;
        int levels;
        const char* shown;
    } steps[] = {
        {"r", 1, "1 3 4 5 6 7 8"},  // anywhere in the shown cells of the row, any case
        {"re", 2, "1 3 7 8"},
        {"ree", 3, "7 8"},
        {"re", 2, "1 3 7 8"},
        {"x", 1, ""},  // a jump starts over; the header row stays
        {"fruit", 1, "1 7"},
        {"", 0, "1 2 3 4 5 6 7 8"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.typed);
        grid->NarrowDown(s.typed, -1);
        EXPECT_EQ(grid->FilterLevel(), s.levels);
        EXPECT_EQ(shown(), s.shown);
    }
    EXPECT_EQ(grid->FixedRows(), 1);
}

TEST_F(Filtering, NarrowDownInAColumnMatchesATextWithABlankWhole) {
    // Typed or pasted, "n f" finds the same rows: a blank is part of the text.
    grid->NarrowDown("n f", 3);
    EXPECT_EQ(shown(), "7");
    grid->NarrowDown("", 3);
    for (const char* typed : {"n", "n ", "n f"}) grid->NarrowDown(typed, 3);
    EXPECT_EQ(shown(), "7");
    EXPECT_EQ(grid->Filter().Items(0)->Condition, "\"*n f*\"");
    EXPECT_FALSE(grid->Filter().Items(0)->CaseSensitive);
}

TEST(FilterCollection, AddInsertAndColumnLookups) {
    TFilter filter(nullptr);
    EXPECT_EQ(filter.Add()->Operation, foNONE);
    EXPECT_EQ(filter.Add()->Operation, foAND);
    EXPECT_EQ(filter.Insert(0)->Operation, foSHORT);
    EXPECT_EQ(filter.Count(), 3);

    filter.Items(1)->Column = 2;
    filter.Items(2)->Column = 2;
    EXPECT_TRUE(filter.HasFilter(2));
    EXPECT_EQ(filter.GetColFilter(2), filter.Items(1));
    EXPECT_FALSE(filter.HasFilter(5));
    TFilterData* added = filter.GetColFilter(5);
    EXPECT_EQ(added->Column, 5);
    EXPECT_EQ(added->Operation, foAND);
    filter.RemoveColumnFilter(2);
    EXPECT_EQ(filter.Count(), 2);
    EXPECT_FALSE(filter.HasFilter(2));
}

TEST_F(Filtering, DropDownRowMustBeAFixedRow) {
    grid->SetFixedRows(2);
    grid->SetFilterDropDownRow(1);
    EXPECT_EQ(grid->FilterDropDownRow, 1);
    grid->SetFilterDropDownRow(2);
    EXPECT_EQ(grid->FilterDropDownRow, 1);
}

}  // namespace

namespace {

// The grid's own class reads most cells straight from its store and tells most rows apart from
// nodes without asking for their cell type; a descendant is always asked. Both filter alike.
class OwnClassFiltering : public FruitGridFixture {
protected:
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> setUp;
        const char* shown;
    };

    void expectBothShow(const Case& c) {
        SCOPED_TRACE(c.name);
        auto* own = new TExStringGrid(form);
        auto* descendant = new TTestStringGrid(form);
        for (TExStringGrid* g : {static_cast<TExStringGrid*>(descendant), own}) {
            g->SetParent(form);
            fill(*g);
            c.setUp(*g);
            g->ApplyFilter();
            EXPECT_EQ(shown(*g), c.shown) << (g == own ? "own class" : "descendant");
        }
    }
};

TEST_F(OwnClassFiltering, ShownTextsAndRowKindsAreThoseOfTheVirtualOperations) {
    const Case cases[] = {
        {"stored texts", [](TExStringGrid& g) { condition(g, 1, "fig"); }, "6"},
        {"display hook",
         [](TExStringGrid& g) {
             g.OnGetDisplText = [](TObject*, int, int, QString& Value) { Value += QStringLiteral("!"); };
             condition(g, 1, "fig!");
         },
         "6"},
        {"wide display hook",
         [](TExStringGrid& g) {
             g.OnGetDisplWideText = [](TObject*, int, int, QString& Value) { Value = Value.toUpper(); };
             condition(g, 1, "FIG");
         },
         "6"},
        {"merged cells show their base cell's text",
         [](TExStringGrid& g) {
             g.MergeCells(1, 5, 1, 2);
             condition(g, 1, "Apricot");
         },
         "5 6"},
        {"linked addresses",
         [](TExStringGrid& g) {
             g.SetCells(1, 3, "www.cherry.test");
             g.SetURLShowInText(true);
             condition(g, 1, "*href*");
         },
         "3"},
        {"group headers show their size",
         [](TExStringGrid& g) {
             g.AddNode(1, 4);
             g.Grouping().ShowGroupCount = true;
             g.FilterNormalCellsOnly = false;
             condition(g, 1, "!apple");  // the header shows "apple (3)"
         },
         "1 2 3 4 5 6 7 8"},
        {"node and summary rows stay",
         [](TExStringGrid& g) {
             g.AddNode(3, 2);
             g.SetSummaryRow(8);
             condition(g, 1, "fig");
         },
         "3 6 8"},
    };
    for (const Case& c : cases) expectBothShow(c);
}

// Marks row 2 as a node and adds a star to every shown text, without records in any cell.
class TMarkingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    TCellType GetCellType(int ACol, int ARow) override {
        return ACol == 0 && ARow == 2 ? ctNode : TExStringGrid::GetCellType(ACol, ARow);
    }
    void GetDisplText(int ACol, int ARow, QString& Value) override {
        TExStringGrid::GetDisplText(ACol, ARow, Value);
        Value += QLatin1Char('*');
    }
};

TEST_F(OwnClassFiltering, DescendantsAnswerForTheirOwnRowsAndTexts) {
    auto* g = new TMarkingGrid(form);
    g->SetParent(form);
    fill(*g);
    condition(*g, 1, "fig\\*");
    condition(*g, 1, "fig*").Operation = foOR;
    g->ApplyFilter();
    EXPECT_EQ(shown(*g), "2 6");
}

}  // namespace
