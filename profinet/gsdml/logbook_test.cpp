#include "profinet/gsdml/logbook.h"

#include <gtest/gtest.h>

#include "profinet/gsdml/category_list.h"
#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/graphics_list.h"

namespace {

TEST(Logbook, ReadsEntriesWithTheirErrorCodes) {
    const TTestXml fixture(TTestXml::File{FixturePath("diag_lists.xml")});
    TLogBookEntryList list;
    ASSERT_TRUE(list.Read_LogBookEntryList(Child(fixture.Root(), "LogBookEntryList")));
    ASSERT_EQ(list.LogBookEntryList.size(), 2u);

    const TLogBookEntryItem& entry = *list.LogBookEntryList[0];
    EXPECT_EQ(entry.Status(), 0x80000001u);
    ASSERT_NE(entry.ErrorCode2Value, nullptr);
    EXPECT_EQ(entry.ErrorCode2Value->Name(), "IDT_Log_Value");
    EXPECT_EQ(entry.ErrorCode2Value->Help(), "IDT_Log_Value_Help");
    ASSERT_EQ(entry.ErrorCode2List.size(), 2u);
    EXPECT_EQ(entry.ErrorCode2List[0]->ErrorCode2(), 0);  // 256 in 8 bits
    EXPECT_EQ(entry.ErrorCode2List[0]->Name(), "IDT_Code_0");
    EXPECT_EQ(entry.ErrorCode2List[0]->Help(), "");
    EXPECT_EQ(entry.ErrorCode2List[1]->ErrorCode2(), 255);
    EXPECT_EQ(entry.ErrorCode2List[1]->Help(), "IDT_Code_255_Help");

    const TLogBookEntryItem& bare = *list.LogBookEntryList[1];
    EXPECT_EQ(bare.Status(), 2u);
    EXPECT_EQ(bare.ErrorCode2Value, nullptr);
    EXPECT_TRUE(bare.ErrorCode2List.empty());
}

TEST(GraphicsList, ReadsTheGraphicItems) {
    const TTestXml fixture(TTestXml::File{FixturePath("diag_lists.xml")});
    TGraphicsList list;
    ASSERT_TRUE(list.Read_GraphicsList(Child(fixture.Root(), "GraphicsList")));
    ASSERT_EQ(list.GraphicsList.size(), 2u);
    EXPECT_EQ(list.GraphicsList[0]->ID(), "1");
    EXPECT_EQ(list.GraphicsList[0]->GraphicFile(), "GSDML-002A-0001-Device");
    EXPECT_EQ(list.GraphicsList[1]->ID(), "Icon");
    EXPECT_EQ(list.GraphicsList[1]->GraphicFile(), "GSDML-002A-0001-Icon");
}

TEST(CategoryList, ReadsTheInfoTextOnlyFromAnAttribute) {
    const TTestXml fixture(TTestXml::File{FixturePath("diag_lists.xml")});
    TCategoryList list;
    ASSERT_TRUE(list.Read_CategoryList(Child(fixture.Root(), "CategoryList")));
    ASSERT_EQ(list.CategoryList.size(), 2u);
    const TCategoryItem& io = *list.CategoryList[0];
    EXPECT_EQ(io.ID(), "CAT_IO");
    EXPECT_EQ(io.TextId(), "IDT_Cat_IO");
    EXPECT_EQ(io.InfoText(), "IDT_Cat_IO_Info");
    const TCategoryItem& child = *list.CategoryList[1];
    EXPECT_EQ(child.ID(), "CAT_Child");
    EXPECT_EQ(child.InfoText(), "");
}

}  // namespace
