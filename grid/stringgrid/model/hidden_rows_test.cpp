#include "grid/stringgrid/model/hidden_rows.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <set>

namespace {

// The mappings as the definition gives them: walk the real rows, counting the shown ones.
int displToRealByWalk(const std::multiset<int>& hidden, int r) {
    int shown = -1;
    for (int k = 0;; ++k) {
        if (hidden.count(k)) continue;
        if (++shown == r) return k;
    }
}

int realToDisplByCount(const std::multiset<int>& hidden, int r) {
    return r - static_cast<int>(std::distance(hidden.begin(), hidden.lower_bound(r)));
}

TEST(HiddenRows, MappingsAgreeWithAWalkOverTheRealRows) {
    std::mt19937 random(27);
    for (int round = 0; round < 50; ++round) {
        THiddenRows rows;
        std::multiset<int> hidden;
        // Some rows more than once, as two filter levels can give.
        const int n = static_cast<int>(random() % 40);
        for (int i = 0; i < n; ++i) {
            const int idx = static_cast<int>(random() % 60);
            rows.Add()->SetIdx(idx);
            hidden.insert(idx);
        }
        for (int r = 0; r < 80; ++r) {
            ASSERT_EQ(rows.DisplToReal(r), displToRealByWalk(hidden, r)) << "round " << round << " row " << r;
            ASSERT_EQ(rows.RealToDispl(r), realToDisplByCount(hidden, r));
            ASSERT_EQ(rows.IsHidden(r), hidden.count(r) > 0);
        }
    }
}

TEST(HiddenRows, ChangesToItemsReachTheMappings) {
    THiddenRows rows;
    TGridItem* item = rows.Add();
    item->SetIdx(2);
    EXPECT_EQ(rows.DisplToReal(2), 3);
    item->SetIdx(5);
    EXPECT_EQ(rows.DisplToReal(2), 2);
    EXPECT_EQ(rows.Find(5), 0);
    rows.Insert(0)->SetIdx(1);
    EXPECT_EQ(rows.CountBelow(5), 1);
    rows.Delete(0);
    EXPECT_EQ(rows.CountBelow(5), 0);
    EXPECT_EQ(rows.Find(1), -1);

    // A list put in place of the held one is the item's from then on.
    auto list = std::make_unique<TStringList>();
    list->Add("kept");
    TStringList* given = list.get();
    item->SetItems(std::move(list));
    EXPECT_EQ(&item->Items(), given);
}

}  // namespace

namespace {

TEST(HiddenRows, RangesComeAndGoInOnePass) {
    THiddenRows rows;
    std::multiset<int> hidden;
    for (int idx : {4, 9}) {
        rows.Add()->SetIdx(idx);
        hidden.insert(idx);
    }
    rows.AddRange({1, 5, 7, 20});
    hidden.insert({1, 5, 7, 20});
    ASSERT_EQ(rows.Count(), 6);
    EXPECT_EQ(rows.Items(3)->Idx(), 5);
    for (int r = 0; r < 30; ++r) ASSERT_EQ(rows.DisplToReal(r), displToRealByWalk(hidden, r));

    rows.DeleteRange({0, 3, 5});  // 4, 5 and 20
    for (int idx : {4, 5, 20}) hidden.erase(hidden.find(idx));
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Items(0)->Idx(), 9);
    for (int r = 0; r < 30; ++r) {
        ASSERT_EQ(rows.DisplToReal(r), displToRealByWalk(hidden, r));
        ASSERT_EQ(rows.IsHidden(r), hidden.count(r) > 0);
    }
    rows.Items(0)->SetIdx(3);  // items added in a range follow later changes
    EXPECT_TRUE(rows.IsHidden(3));
    EXPECT_FALSE(rows.IsHidden(9));
}

}  // namespace

namespace {

TGridCellStore::Row cellsOf(std::initializer_list<const char*> texts) {
    TGridCellStore::Row cells;
    for (const char* text : texts) cells.push_back({QString::fromLatin1(text), nullptr});
    return cells;
}

QString firstText(const TGridCellStore::Row& cells) { return cells.empty() ? QString() : cells.front().Text; }

TEST(HiddenRows, ItemsAskedForAfterHidingReadAndWriteTheirRows) {
    THiddenRows rows;
    rows.AddRange({3, 8}, [](size_t k) {
        THeldRow held;
        held.Cells = cellsOf({k == 0 ? "three" : "eight", "x"});
        held.Height = 30 + static_cast<int>(k);
        held.Level = 1;
        held.FromRowList = true;
        return held;
    });
    TGridItem* item = rows.Items(1);
    EXPECT_EQ(item->Idx(), 8);
    EXPECT_EQ(item->Height(), 31);
    EXPECT_EQ(item->Level(), 1);
    EXPECT_TRUE(item->FromRowList());
    EXPECT_EQ(item->Items().Strings(0), "eight");

    // Changes made through the item are the collection's.
    item->SetIdx(2);
    item->SetHeight(40);
    item->Items().SetStrings(0, "changed");
    EXPECT_EQ(rows.Idx(1), 2);
    EXPECT_EQ(rows.Height(1), 40);
    EXPECT_TRUE(rows.IsHidden(2));
    EXPECT_FALSE(rows.IsHidden(8));
    EXPECT_EQ(firstText(rows.TakeCells(1)), "changed");
    // An entry never asked for keeps its cells as they were held.
    EXPECT_EQ(firstText(rows.TakeCells(0)), "three");

    // What is held anew replaces the item's list.
    THeldRow again;
    again.Cells = cellsOf({"again"});
    rows.Hold(1, std::move(again));
    EXPECT_EQ(item->Items().Strings(0), "again");
    EXPECT_FALSE(item->FromRowList());
}

TEST(HiddenRows, ItemsStayTheirRowsAsEntriesComeAndGoAroundThem) {
    THiddenRows rows;
    rows.AddRange({5});
    TGridItem* item = rows.Items(0);
    item->SetLevel(2);
    // Entries in front, a range large enough to move the array, then removals on both sides.
    rows.Insert(0)->SetIdx(1);
    std::vector<int> many;
    for (int r = 10; r < 1010; ++r) many.push_back(r);
    rows.AddRange(many);
    EXPECT_EQ(rows.Items(1), item);
    rows.Delete(0);
    EXPECT_EQ(rows.Items(0), item);
    std::vector<int> others;
    for (int i = 1; i < rows.Count(); i += 2) others.push_back(i);
    rows.DeleteRange(others);
    ASSERT_EQ(rows.Count(), 501);
    EXPECT_EQ(rows.Items(0), item);
    EXPECT_EQ(item->Idx(), 5);
    EXPECT_EQ(item->Level(), 2);
    EXPECT_EQ(rows.Idx(1), 11);
    EXPECT_EQ(rows.Items(1)->Idx(), 11);
    EXPECT_EQ(rows.CountBelow(12), 2);
}

}  // namespace

namespace {

// The places rows shown together come back at, against a count of the entries below each one,
// for rows in order and out of order (two levels may hold the same row).
TEST(HiddenRows, PlacesOfRowsShownTogetherCountTheRowsThatStay) {
    std::mt19937 random(68);
    for (int round = 0; round < 50; ++round) {
        THiddenRows rows;
        const int n = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < n; ++i) rows.Add()->SetIdx(static_cast<int>(random() % 60));
        std::vector<int> shown;
        for (int i = 0; i < n; ++i)
            if (random() % 2) shown.push_back(i);
        if (round % 2 == 0)
            std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) { return rows.Idx(a) < rows.Idx(b); });
        const std::vector<int> places = rows.PlacesOf(shown);
        ASSERT_EQ(places.size(), shown.size());
        for (size_t j = 0; j < shown.size(); ++j) {
            const int idx = rows.Idx(shown[j]);
            ASSERT_EQ(places[j], idx - (rows.CountBelow(idx) - static_cast<int>(j))) << "round " << round << " at " << j;
        }
    }
}

}  // namespace
