#include "profinet/gsdml/slot_list.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/element_test_support.h"

namespace {

class SlotLayout : public ::testing::Test {
protected:
    // The element name of the access point of the fixture.
    IXMLNode Element(const char* name) const { return doc.ElementIn(0, name); }

    const TTestXml doc{TTestXml::File{FixturePath("dap_list_slots.xml")}};
};

// Each item as "number text id".
template <class TItem, class Number>
QStringList numbered(const TItemList<TItem>& list, Number (TItem::*number)() const) {
    QStringList out;
    for (const auto& item : list) out << QString::number(((*item).*number)()) + " " + item->TextId();
    return out;
}

TEST_F(SlotLayout, TheAccessPointHoldsItsWholeLayout) {
    const auto read = ReadElement(doc.Root(), &TDeviceAccessPointList::Read_DeviceAccessPointList);
    ASSERT_TRUE(read.ok);
    const TDeviceAccessPointItem& dap = *read.object->DevAccPointItemList.at(0);
    ASSERT_NE(dap.SlotList, nullptr);
    EXPECT_EQ(dap.SlotList->SlotItemList.size(), 3u);
    EXPECT_EQ(dap.Get_SubslotName(32768), "IDT_Interface");
    ASSERT_NE(dap.SlotGroups, nullptr);
    EXPECT_EQ(dap.SlotGroups->SlotGroupList.size(), 2u);
    ASSERT_NE(dap.UseableModules, nullptr);
    EXPECT_EQ(dap.UseableModules->ModuleItemRefList.size(), 3u);
    ASSERT_NE(dap.UseableSubmodules, nullptr);
    EXPECT_EQ(dap.UseableSubmodules->SubmoduleItemRefList.size(), 2u);
    ASSERT_NE(dap.FieldbusIntegrationSlots, nullptr);
    EXPECT_EQ(dap.FieldbusIntegrationSlots->Range(), "1..8");
}

TEST_F(SlotLayout, SlotsAndSubslotsKeepTheirNumbersInTheirWidth) {
    const auto slotList = ReadElement(Element("SlotList"), &TSlotList::Read_SlotList);
    EXPECT_TRUE(slotList.ok);
    // The comment and the element of another name are passed over.
    EXPECT_EQ(numbered(slotList.object->SlotItemList, &TSlotItem::SlotNumber),
              QStringList({"0 IDT_Slot0", "16 IDT_Slot16", "0 IDT_NoNumber"}));

    const auto subslots = ReadElement(Element("SubslotList"), &TSubslotList::Read_SubslotList);
    EXPECT_TRUE(subslots.ok);
    EXPECT_EQ(numbered(subslots.object->SubslotItemList, &TSubslotItem::SubslotNumber),
              QStringList({"1 IDT_Sub1", "32768 IDT_Interface", "4464 IDT_Wrapped", "0  IDT_Blanks "}));
}

TEST_F(SlotLayout, SlotGroupsTakeTheirNamesFromTheirOwnAttributes) {
    const auto read = ReadElement(Element("SlotGroups"), &TSlotGroups::Read_SlotGroups);
    EXPECT_TRUE(read.ok);
    ASSERT_EQ(read.object->SlotGroupList.size(), 2u);
    const TSlotGroup& attributes = *read.object->SlotGroupList[0];
    EXPECT_EQ(attributes.SlotList(), "1..4");
    EXPECT_EQ(attributes.Name(), "IDT_Group");
    EXPECT_EQ(attributes.InfoText(), "IDT_Group_Info");
    const TSlotGroup& children = *read.object->SlotGroupList[1];
    EXPECT_EQ(children.SlotList(), "5 6");
    EXPECT_EQ(children.Name(), "");
    EXPECT_EQ(children.InfoText(), "");
}

TEST_F(SlotLayout, FieldbusSlotsReadOneWhenTheirMaximumIsNoNumber) {
    const auto fromFile =
        ReadElement(Element("FieldbusIntegrationSlots"), &TFieldbusIntegrationSlots::Read_FieldbusIntegrationSlots);
    EXPECT_TRUE(fromFile.ok);
    EXPECT_EQ(fromFile.object->MaxSupported(), 1);
    EXPECT_EQ(fromFile.object->Range(), "1..8");

    const struct {
        const char* attribute;
        uint16_t maxSupported;
    } cases[] = {{"", 1},
                 {"MaxSupported='many'", 1},
                 {"MaxSupported=''", 1},
                 {"MaxSupported='0'", 0},
                 {"MaxSupported='0x20'", 32},
                 {"MaxSupported='65538'", 2}};
    for (const auto& c : cases) {
        const auto read = ReadXml(QStringLiteral("<FieldbusIntegrationSlots %1/>").arg(c.attribute),
                                  &TFieldbusIntegrationSlots::Read_FieldbusIntegrationSlots);
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.object->MaxSupported(), c.maxSupported) << c.attribute;
        EXPECT_EQ(read.object->Range(), "");
    }
    EXPECT_EQ(TSlotItem().SlotNumber(), 0);
    EXPECT_EQ(TSubslotItem().TextId(), "");
}

}  // namespace
