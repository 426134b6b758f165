#include "grid/foundation/html_colors.h"

#include <gtest/gtest.h>

TEST(ColorNameToColor, NamesPlainAndSystemColoursInLowerCaseOnly) {
    const struct {
        const char* name;
        TColor color;
    } cases[] = {
        {"clred", 0x0000FF},       {"clnavy", 0x800000},         {"claqua", 0xFFFF00},
        {"cllime", 0x00FF00},      {"clmaroon", 0x000080},       {"clbackground", TColor(0xFF000001)},
        {"clbtnface", TColor(0xFF00000F)}, {"cl3ddkshadow", TColor(0xFF000015)}, {"clinfobk", TColor(0xFF000018)},
        {"ClNavy", 0},             {"clorange", 0},              {"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorNameToColor(c.name), c.color) << c.name;
}

TEST(HexToColor, ReadsRedGreenBluePairsIntoTheLowToHighBytes) {
    const struct {
        const char* text;
        TColor color;
    } cases[] = {
        {"#FF8000", 0x0080FF},
        {"#000000", 0},
        {"#0A0B0C", 0x0C0B0A},
        {"#FF80", 0x0080FF},  // a missing pair reads as 0
        {"#F", 0},
        {"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(HexToColor(c.text), c.color) << c.text;
    EXPECT_EQ(HexPairToByte("7F"), 0x7F);
    EXPECT_EQ(HexPairToByte("7"), 0);
}
