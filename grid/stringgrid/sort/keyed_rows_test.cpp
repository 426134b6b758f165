// Rows ordered by keys made of numbers: the keys order as the numbers do, and the sort is stable.
#include "grid/stringgrid/sort/keyed_rows.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>
#include <limits>

namespace {

TEST(KeyedRows, KeysOrderAsTheNumbers) {
    const double inf = std::numeric_limits<double>::infinity();
    const double numbers[] = {-inf, -1e300, -2.5, -1, -std::numeric_limits<double>::denorm_min(), 0,
                              std::numeric_limits<double>::denorm_min(), 1e-300, 0.1, 1, 2.5, 1e300, inf};
    for (const double a : numbers)
        for (const double b : numbers)
            EXPECT_EQ(OrderKey(a) < OrderKey(b), a < b) << a << " " << b;
    EXPECT_EQ(OrderKey(-0.0), OrderKey(0.0));
}

TEST(KeyedRows, SortByKeyOrdersStably) {
    // Keys that differ in every digit of the sort, few enough to repeat often, and rows sharing
    // all their top bits, where passes are left out.
    QRandomGenerator random(11);
    for (const int distinct : {3, 5000}) {
        std::vector<TKeyedRow> rows;
        std::vector<uint64_t> values;
        for (int k = 0; k < distinct; ++k) values.push_back(random.generate64() >> (k % 2 ? 40 : 0));
        for (int id = 0; id < 20000; ++id) rows.push_back({values[random.bounded(distinct)], id});
        std::vector<TKeyedRow> expected = rows;
        std::stable_sort(expected.begin(), expected.end(), [](const TKeyedRow& a, const TKeyedRow& b) { return a.Key < b.Key; });
        SortByKey(rows);
        ASSERT_EQ(rows.size(), expected.size());
        for (size_t k = 0; k < rows.size(); ++k) {
            EXPECT_EQ(rows[k].Key, expected[k].Key);
            EXPECT_EQ(rows[k].Id, expected[k].Id);
        }
    }
}

}  // namespace
