#include "platform/office/cell_address.h"

#include <gtest/gtest.h>

namespace {

TEST(CellAddress, ColumnLettersBothWays) {
    const struct {
        int Column;
        const char* Letters;
    } cases[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {30, "AD"}, {52, "AZ"}, {53, "BA"}, {256, "IV"}, {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnLetters(c.Column), QLatin1String(c.Letters));
        EXPECT_EQ(ColumnNumber(QString::fromLatin1(c.Letters)), c.Column);
    }
    EXPECT_EQ(ColumnLetters(0), "");
    EXPECT_EQ(ColumnNumber(u"A1"), 0);
    EXPECT_EQ(ColumnNumber(u"XFE"), 0);
}

TEST(CellAddress, BlocksReadAndWrittenInTheAbsoluteForm) {
    const struct {
        const char* Address;
        TCellBlock Block;
        const char* Absolute;
    } cases[] = {{"B2", {2, 2, 2, 2}, "$B$2"},
                 {"$B$2:$D$5", {2, 2, 5, 4}, "$B$2:$D$5"},
                 {"d5:b2", {2, 2, 5, 4}, "$B$2:$D$5"},
                 {"A1:AD3", {1, 1, 3, 30}, "$A$1:$AD$3"},
                 {"$1:$10", {1, 1, 10, MaxSheetCols}, "$1:$10"},
                 {"B:C", {1, 2, MaxSheetRows, 3}, "$B:$C"}};
    for (const auto& c : cases) {
        TCellBlock block;
        ASSERT_TRUE(ParseCellBlock(QString::fromLatin1(c.Address), block)) << c.Address;
        EXPECT_EQ(block, c.Block) << c.Address;
        EXPECT_EQ(AbsoluteAddress(block), QLatin1String(c.Absolute));
    }
    TCellBlock block;
    for (const char* bad : {"", "$", "A0", "1A", "A1:B", "A1:5", "ZZZZ1", "A1048577"}) EXPECT_FALSE(ParseCellBlock(QString::fromLatin1(bad), block)) << bad;
}

}  // namespace
