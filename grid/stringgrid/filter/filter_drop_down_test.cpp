#include "grid/stringgrid/filter/drop_lists.h"
#include "grid/stringgrid/filter/filter_test_fixture.h"
#include "platform/testkit/testkit.h"

namespace {

// The tag column's drop-down values: (All) brown green "green fruit" orange purple red
// "red fruit" yellow.
class FilterDropDown : public FruitGridFixture {
protected:
    void SetUp() override {
        FruitGridFixture::SetUp();
        grid->SetFilterDropDownAuto(true);
        grid->OnFilterDone = [this](TObject*) { ++done; };
    }
    void open(int column) {
        grid->SetFilterColumn(column);
        grid->GetFilterValues(column);
    }
    void pick(int column, int itemIndex) {
        open(column);
        grid->FilterDropDownSelect(&grid->FilterDropList(), itemIndex);
    }
    int done = 0;
};

TEST_F(FilterDropDown, TheColumnsValuesAreOfferedWithClearFirst) {
    open(3);
    EXPECT_EQ(grid->FilterList().Count(), 9);
    EXPECT_EQ(grid->FilterList().Strings(0), "(All)");
    EXPECT_EQ(grid->FilterList().Strings(3), "green fruit=\"green fruit\"");
}

TEST_F(FilterDropDown, APickedValueBecomesTheColumnsConditionAndFilters) {
    QStringList selected;
    grid->OnFilterSelect = [&](TObject*, int Column, int ItemIndex, QString Name, QString& Condition) {
        selected << QStringLiteral("%1 %2 %3 %4").arg(Column).arg(ItemIndex).arg(Name, Condition);
    };
    pick(3, 2);
    EXPECT_EQ(shown(), "8");
    EXPECT_EQ(grid->Filter().Count(), 1);
    EXPECT_EQ(grid->FilterColumn(), -1);
    EXPECT_EQ(grid->Row(), grid->FixedRows());
    EXPECT_EQ(done, 1);

    // A value with a blank is matched whole; a second column adds its own condition.
    pick(3, 3);
    EXPECT_EQ(shown(), "7");
    EXPECT_EQ(grid->FilterLevel(), 1);
    pick(1, 0);  // (All) of a column without a condition changes nothing
    EXPECT_EQ(shown(), "7");
    pick(3, 0);
    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    EXPECT_EQ(grid->Filter().Count(), 0);
    EXPECT_EQ(selected, (QStringList{"3 2 green green", "3 3 green fruit \"green fruit\"", "1 0 (All) ", "3 0 (All) "}));

    // The event may change the condition.
    grid->OnFilterSelect = [](TObject*, int, int, QString, QString& Condition) { Condition = "red*"; };
    pick(3, 8);
    EXPECT_EQ(shown(), "1 3");
}

TEST_F(FilterDropDown, OutOfRangePicksChangeNothing) {
    pick(3, 99);
    pick(3, -1);
    grid->SetFilterColumn(40);
    grid->FilterDropDownSelect(nullptr, 1);
    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    EXPECT_EQ(grid->Filter().Count(), 0);
    EXPECT_EQ(grid->FilterColumn(), -1);
    EXPECT_EQ(done, 0);
}

TEST_F(FilterDropDown, WithoutAutoUpdateOnlyTheConditionIsStored) {
    grid->AutoFilterUpdate = false;
    pick(3, 6);
    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    ASSERT_EQ(grid->Filter().Count(), 1);
    EXPECT_EQ(grid->Filter().Items(0)->Condition, "red");
    EXPECT_EQ(done, 0);
    grid->SetFilterActive(true);
    EXPECT_EQ(shown(), "3");
}

TEST_F(FilterDropDown, CheckedValuesAreOredAndReplaceEveryCondition) {
    condition(1, "fig");
    TDropCheckList& list = grid->FilterCheckList();
    QStringList checked;
    grid->OnFilterCheck = [&](TObject*, int Column, int ItemIndex, QString Name, QString& Condition, TCheckListBox* CheckList) {
        checked << QStringLiteral("%1 %2 %3").arg(Column).arg(ItemIndex).arg(Name);
        EXPECT_EQ(CheckList, &list);
    };
    open(3);
    QStringList names;
    for (int i = 0; i < grid->FilterList().Count(); ++i) names << grid->FilterList().Strings(i).section('=', 0, 0);
    list.SetItems(names);
    list.SetChecked(2, true);
    list.SetChecked(6, true);
    grid->FilterCheckListSelect(&list, -1);
    EXPECT_EQ(shown(), "3 8");
    ASSERT_EQ(grid->Filter().Count(), 2);
    EXPECT_EQ(grid->Filter().Items(0)->Operation, foNONE);
    EXPECT_EQ(grid->Filter().Items(1)->Operation, foOR);
    EXPECT_EQ(checked, (QStringList{"3 2 green", "3 6 red"}));
    EXPECT_EQ(grid->FilterColumn(), 3);  // the check list stays open

    // The clear entry checked adds an empty condition, which every row passes.
    list.SetChecked(0, true);
    grid->FilterCheckListSelect(&list, -1);
    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8");
    EXPECT_EQ(grid->Filter().Count(), 3);
}

// The lists on their own: how a pick or a toggle reaches the handler.
TEST_F(FilterDropDown, ListsReportPicksAndTogglesAndCloseOnCancel) {
    TDropList& drop = grid->FilterDropList();
    std::vector<int> picks;
    drop.OnSelect = [&](TObject*, int ItemIndex) { picks.push_back(ItemIndex); };
    drop.SetItems({"one", "two", "three"});
    drop.SetBounds(0, 0, 100, 60);
    drop.Show();
    click(drop, 30, drop.ItemHeight() + 2);
    EXPECT_EQ(picks, (std::vector<int>{1}));
    EXPECT_FALSE(drop.Visible());
    drop.Show();
    drop.SetItemIndex(2);
    typeChar(drop, QChar(13));
    EXPECT_EQ(picks, (std::vector<int>{1, 2}));
    EXPECT_FALSE(drop.Visible());

    TDropCheckList& checks = grid->FilterCheckList();
    std::vector<int> toggles;
    checks.OnSelect = [&](TObject*, int ItemIndex) { toggles.push_back(ItemIndex); };
    checks.SetItems({"one", "two"});
    checks.SetBounds(0, 0, 100, 60);
    checks.Show();
    click(checks, 5, checks.ItemHeight() + 2);  // on the box of "two"
    click(checks, 60, 2);                       // on the text of "one": no toggle
    EXPECT_EQ(toggles, (std::vector<int>{-1}));
    EXPECT_TRUE(checks.Checked(1));
    EXPECT_FALSE(checks.Checked(0));
    EXPECT_TRUE(checks.Visible());

    grid->SetFilterColumn(3);
    checks.CancelMode({50, 30});  // inside: stays open
    EXPECT_TRUE(checks.Visible());
    checks.CancelMode({50, 90});
    EXPECT_FALSE(checks.Visible());
    EXPECT_EQ(grid->FilterColumn(), -1);
}

}  // namespace
