#include "grid/stringgrid/office/office_calls.h"

#include <gtest/gtest.h>

namespace {

TEST(UsedRangeAddress, ReadAsTheGridReadsIt) {
    const struct {
        const char* Address;
        TUsedRange Range;
    } cases[] = {
        {"$B$2:$D$5", {2, 2, 4, 5}},
        {"$A$1:$AD$3", {1, 1, 30, 3}},
        {"$1:$10", {1, 1, 256, 10}},  // whole rows
        {"$C$7", {3, 7, 3, 7}},
        {"A1", {1, 1, 1, 1}},
        {"C7", {1, 1, 1, 1}},  // no "$": the first cell
        {"$B$x:$D$5", {2, -1, 4, 5}},
        {"$B:$D", {1, -1, 256, -1}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadUsedRange(QLatin1String(c.Address)), c.Range) << c.Address;
    EXPECT_FALSE(ReadUsedRange(QStringLiteral("$B:$D")).Valid());
    EXPECT_TRUE(ReadUsedRange(QStringLiteral("$C$7")).SingleCell());
}

TEST(UsedRangeAddress, WrittenBackWithColumnLetters) {
    EXPECT_EQ(RangeAddress(2, 2, 4, 5), "B2:D5");
    EXPECT_EQ(RangeAddress(1, 1, 30, 3), "A1:AD3");
    EXPECT_EQ(RangeAddress(1, 1, 702, 1), "A1:ZZ1");
}

}  // namespace
