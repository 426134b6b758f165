#include "grid/stringgrid/model/hidden_rows.h"

#include <gtest/gtest.h>
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
