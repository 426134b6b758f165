#include "profinet/gsdml/value_list.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"

namespace {

QStringList assignments(const TValueItem& item) {
    QStringList out;
    for (const auto& assign : item.AssignmentsList) out << assign->Content() + "=" + assign->TextId();
    return out;
}

TEST(ValueList, ReadsItemsAndTheirAssignmentsInDocumentOrder) {
    const TTestXml fixture(TTestXml::File{FixturePath("values_list.xml")});
    TValueList list;
    ASSERT_TRUE(list.Read_ValueList(fixture.Root()));
    ASSERT_EQ(list.ValueItemList.size(), 3u);  // ValueItemX and the comment are passed over

    const TValueItem& mode = *list.ValueItemList[0];
    EXPECT_EQ(mode.ID(), "VI_Mode");
    EXPECT_EQ(mode.Help(), "IDT_Help_Mode");  // the first Help only
    // Contents stay as written; duplicates stay; only the first Assignments is read.
    EXPECT_EQ(assignments(mode),
              QStringList({"0=IDT_Off", "0x10=IDT_Hex", "1=IDT_On", "1=IDT_On_Again", "=", " 2 = IDT_Blank "}));

    const TValueItem& empty = *list.ValueItemList[1];
    EXPECT_EQ(empty.ID(), "VI_Empty");
    EXPECT_EQ(empty.Help(), "");
    EXPECT_TRUE(empty.AssignmentsList.empty());

    // Assign elements outside Assignments and a Help without TextId are not read.
    const TValueItem& bare = *list.ValueItemList[2];
    EXPECT_EQ(bare.ID(), "");
    EXPECT_EQ(bare.Help(), "");
    EXPECT_TRUE(bare.AssignmentsList.empty());
}

TEST(ValueList, AnEmptyListReadsAsTrue) {
    const auto read = ReadXml("<ValueList><!-- nothing --> </ValueList>", &TValueList::Read_ValueList);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.object->ValueItemList.empty());
}

}  // namespace
