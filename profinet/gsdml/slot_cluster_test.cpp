#include "profinet/gsdml/slot_cluster.h"

#include <gtest/gtest.h>

#include "profinet/gsdml/element_test_support.h"

namespace {

TEST(SlotCluster, ReadsItsCountAndFieldbusType) {
    const TTestXml doc(TTestXml::File{FixturePath("energy_submodule.xml")});
    const auto read = ReadElement(doc.ElementIn(0, "SlotCluster"), &TSlotCluster::Read_SlotCluster);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.object->Count(), 4);
    EXPECT_EQ(read.object->FieldbusType(), 2);

    const auto empty = ReadElement(doc.ElementIn(1, "SlotCluster"), &TSlotCluster::Read_SlotCluster);
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.object->Count(), 0);
    EXPECT_EQ(empty.object->FieldbusType(), 0);

    const auto wide = ReadXml("<SlotCluster Count='70000' FieldbusType='x'/>", &TSlotCluster::Read_SlotCluster);
    EXPECT_EQ(wide.object->Count(), 4464);
    EXPECT_EQ(wide.object->FieldbusType(), 0);
}

}  // namespace
