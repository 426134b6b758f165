#include "profinet/gsdml/module_list.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"

namespace {

class ModuleList : public ::testing::Test {
protected:
    TReadResult<TModuleItem> Read(const char* id) const {
        return ReadElement(doc.Item("ModuleItem", id), &TModuleItem::Read_ModuleItem);
    }

    TReadResult<TModuleList> ReadList() const { return ReadElement(doc.Root(), &TModuleList::Read_ModuleList); }

    const TTestXml doc{TTestXml::File{FixturePath("modules_list.xml")}};
};

QStringList ids(const TModuleList& list) {
    QStringList out;
    for (const auto& item : list.ModuleItemList) out << item->ID();
    return out;
}

TEST_F(ModuleList, ReadsItsAttributesAndEveryChild) {
    // The file gives the children in the reverse of the reading order.
    const auto read = Read("Full");
    ASSERT_TRUE(read.ok);
    const TModuleItem& module = *read.object;
    EXPECT_EQ(module.ModuleIdentNumber(), 0x80000001u);
    EXPECT_EQ(module.RequiredSchemaVersion(), "V2.3");
    EXPECT_EQ(module.PhysicalSubslots(), "1..3");
    EXPECT_EQ(module.FieldbusType(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(module.ModuleInfo.Name(), "IDT_Full");
    EXPECT_EQ(module.ModuleInfo.CategoryRef(), "CAT_IO");
    ASSERT_NE(module.SubslotList, nullptr);
    EXPECT_EQ(module.SubslotList->SubslotItemList.at(0)->TextId(), "IDT_Sub1");
    ASSERT_NE(module.VirtualSubmoduleList, nullptr);
    EXPECT_EQ(module.VirtualSubmoduleList->VirtualSubmoduleItelList.at(0)->ID(), "Module built in");
    ASSERT_NE(module.SystemDefinedSubmoduleList, nullptr);
    EXPECT_EQ(module.SystemDefinedSubmoduleList->InterfaceSubmoduleItem.ID(), "Module interface");
    ASSERT_NE(module.UseableSubmodules, nullptr);
    ASSERT_EQ(module.UseableSubmodules->SubmoduleItemRefList.size(), 2u);
    EXPECT_EQ(module.UseableSubmodules->SubmoduleItemRefList[1]->SubmoduleItemTarget(), "Port 1");
    ASSERT_NE(module.Graphics, nullptr);
    EXPECT_EQ(module.Graphics->GraphicItemRefList.at(0)->GraphicItemTarget(), "ID_Graph_1");
}

TEST_F(ModuleList, MissingAttributesAndChildrenLeaveTheirDefaults) {
    const auto read = Read("Bare");
    ASSERT_TRUE(read.ok);
    TModuleItem fresh;
    for (const TModuleItem* module : {&fresh, read.object.get()}) {
        EXPECT_EQ(module->ModuleIdentNumber(), 1u);
        EXPECT_EQ(module->RequiredSchemaVersion(), "");
        EXPECT_EQ(module->PhysicalSubslots(), "");
        EXPECT_EQ(module->FieldbusType(), 0);
        EXPECT_EQ(module->SubslotList, nullptr);
        EXPECT_EQ(module->VirtualSubmoduleList, nullptr);
        EXPECT_EQ(module->SystemDefinedSubmoduleList, nullptr);
        EXPECT_EQ(module->UseableSubmodules, nullptr);
        EXPECT_EQ(module->Graphics, nullptr);
    }
    EXPECT_EQ(read.object->ModuleInfo.Name(), "IDT_Bare");
    EXPECT_EQ(Read("Not a number").object->ModuleIdentNumber(), 1u);  // "12 " with a blank after
}

TEST_F(ModuleList, AFailingChildFailsTheModuleAndEndsItsReading) {
    const struct {
        const char* id;
        bool subslotsRead;
        bool virtualsRead;
    } cases[] = {
        {"No ModuleInfo", false, false},            // its "moduleinfo" differs in case
        {"Half module information", false, false},  // no InfoText
        {"Failing virtual submodule", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const auto read = Read(c.id);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.object->ID(), c.id);  // the attributes come first
        EXPECT_EQ(read.object->SubslotList != nullptr, c.subslotsRead);
        EXPECT_EQ(read.object->VirtualSubmoduleList != nullptr, c.virtualsRead);
        EXPECT_EQ(read.object->Graphics, nullptr);  // after the failing child in the reading order
    }
    EXPECT_EQ(Read("No ModuleInfo").object->ModuleIdentNumber(), 7u);
    const auto failing = Read("Failing virtual submodule");
    ASSERT_NE(failing.object->VirtualSubmoduleList, nullptr);
    EXPECT_EQ(failing.object->VirtualSubmoduleList->VirtualSubmoduleItelList.size(), 1u);
}

TEST_F(ModuleList, ListStopsAtTheFirstRefusedModule) {
    const auto read = ReadList();
    EXPECT_FALSE(read.ok);
    // The comment and the element of another name are passed over.
    EXPECT_EQ(ids(*read.object), QStringList({"Full", "Not a number", "Full", "Bare"}));

    const auto empty = ReadXml("<ModuleList><!-- none --><SubmoduleItem/></ModuleList>", &TModuleList::Read_ModuleList);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.object->ModuleItemList.empty());
}

TEST_F(ModuleList, GetModuleItemFindsTheFirstWithTheExactID) {
    const auto read = ReadList();
    const TModuleList& list = *read.object;
    const struct {
        const char* id;
        int index;  // in the list; -1 for none
    } cases[] = {
        {"Full", 0},  // not the second "Full"
        {"Bare", 3}, {"Not a number", 1}, {"full", -1}, {"Full ", -1}, {"Other name", -1}, {"After", -1},  // never read
        {"", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(list.Get_ModuleItem(c.id), c.index < 0 ? nullptr : list.ModuleItemList.at(c.index).get());
    }
    EXPECT_EQ(TModuleList().Get_ModuleItem("Full"), nullptr);
}

}  // namespace
