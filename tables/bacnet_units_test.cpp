#include "tables/bacnet_units.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(BACnetUnits, EveryCodeFrom0To236IsListedOnceIn23Categories) {
    const auto& categories = BACnet_Unit_Categories();
    ASSERT_EQ(categories.size(), 23u);
    EXPECT_STREQ(categories[16].Name, "Temperature");
    std::multiset<int> codes;
    for (const TBACnet_Unit_Category& category : categories)
        for (const TBACnet_Unit& unit : category.Units) codes.insert(unit.Code);
    EXPECT_EQ(codes.size(), 237u);
    for (int code = 0; code <= 236; ++code) EXPECT_EQ(codes.count(code), 1u) << code;
}

TEST(BACnetUnits, NamesOfCodes) {
    const std::pair<int, const char*> cases[] = {
        {64, "degrees-Fahrenheit"}, {207, "per-mille"}, {172, "ohm-meters"},
        {139, "megajoules-hours-per-square-meter"}, {140, "megajoules-hours-per-square-foot"}, {0, "square-meters"},
        {236, "minutes-per-degree-kelvin"}, {237, "unknown"}, {-1, "unknown"}, {300, "unknown"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(Desc_Unit(code), name) << code;
}

}  // namespace
