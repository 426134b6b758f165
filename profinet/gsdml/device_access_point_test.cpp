#include "profinet/gsdml/device_access_point.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/gsdml.h"

namespace {

class DeviceAccessPoint : public ::testing::Test {
protected:
    TReadResult<TDeviceAccessPointItem> Read(const char* id) const {
        return ReadElement(doc.Item("DeviceAccessPointItem", id), &TDeviceAccessPointItem::Read_DeviceAccessPointItem);
    }

    const TTestXml doc{TTestXml::File{FixturePath("dap_list_access_points.xml")}};
};

QStringList ids(const TDeviceAccessPointList& list) {
    QStringList out;
    for (const auto& item : list.DevAccPointItemList) out << item->ID();
    return out;
}

QStringList virtualIds(const TDeviceAccessPointItem& item) {
    QStringList out;
    if (item.VirtualSubmoduleList)
        for (const auto& submodule : item.VirtualSubmoduleList->VirtualSubmoduleItelList) out << submodule->ID();
    return out;
}

TEST_F(DeviceAccessPoint, ReadsEveryAttribute) {
    const auto read = Read("Full");
    ASSERT_TRUE(read.ok);
    const TDeviceAccessPointItem& dap = *read.object;
    EXPECT_EQ(dap.ID(), "Full");
    EXPECT_EQ(dap.ModuleIdentNumber(), 256u);
    EXPECT_EQ(dap.PNIO_Version(), "V2.35");
    EXPECT_EQ(dap.PhysicalSlots(), "0..8");
    EXPECT_EQ(dap.MinDeviceInterval(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(dap.ImplementationType(), "ASIC X");
    EXPECT_EQ(dap.DNS_CompatibleName(), "dev-one");
    EXPECT_EQ(dap.AddressAssignment(), "DCP;LOCAL");
    EXPECT_EQ(dap.AllowedInSlots(), "0 1");
    EXPECT_EQ(dap.FixedInSlots(), " 0 ");  // as written
    EXPECT_EQ(dap.ObjectUUID_LocalIndex(), 3);
    EXPECT_EQ(dap.RequiredSchemaVersion(), "V2.1");
    EXPECT_TRUE(dap.MultipleWriteSupported());
    EXPECT_TRUE(dap.IOXS_Required());
    EXPECT_EQ(dap.PhysicalSubslots(), "1 32768..32770");
    EXPECT_EQ(dap.RemoteApplicationTimeout(), 300);
    EXPECT_EQ(dap.MaxSupportedRecordSize(), 4294967295u);  // -1 in 32 unsigned bits
    EXPECT_EQ(dap.PowerOnToCommReady(), 65536u);
    EXPECT_TRUE(dap.ParameterizationSpeedupSupported());
    EXPECT_TRUE(dap.NameOfStationNotTransferable());
    EXPECT_TRUE(dap.SharedDeviceSupported());
    EXPECT_TRUE(dap.SharedInputSupported());
    EXPECT_TRUE(dap.DeviceAccessSupported());
    EXPECT_EQ(dap.NumberOfDeviceAccessAR(), 44);  // 300 in 8 bits
    EXPECT_EQ(dap.NumberOfImplicitAR(), 2);
    EXPECT_EQ(dap.WebServer(), "http://127.0.0.1/");
    EXPECT_TRUE(dap.AutoConfigurationSupported());
    EXPECT_TRUE(dap.CIR_Supported());  // " true "
    EXPECT_TRUE(dap.PrmBeginPrmEndSequenceSupported());
    EXPECT_TRUE(dap.LLDP_NoD_Supported());
    EXPECT_EQ(dap.ResetToFactoryModes(), "1..2");
    EXPECT_TRUE(dap.IO_SupervisorSupported());
    EXPECT_TRUE(dap.CheckDeviceID_Allowed());
    EXPECT_TRUE(dap.PROFIenergyASE_Supported());
    EXPECT_TRUE(dap.AdaptsRealIdentification());
    EXPECT_EQ(dap.NumberOfSubmodules(), 12u);
    EXPECT_TRUE(dap.AssetManagement());
}

TEST_F(DeviceAccessPoint, HangsEveryChildIntoItsField) {
    // The file gives them in the reverse of the reading order.
    const auto read = Read("Full");
    ASSERT_TRUE(read.ok);
    const TDeviceAccessPointItem& dap = *read.object;
    EXPECT_EQ(dap.ModuleInfo.Name(), "IDT_Full");
    EXPECT_EQ(dap.ModuleInfo.CategoryRef(), "CAT_DAP");
    ASSERT_NE(dap.CertificationInfo, nullptr);
    EXPECT_EQ(dap.CertificationInfo->ConformanceClass(), "B");
    ASSERT_NE(dap.SubslotList, nullptr);
    EXPECT_EQ(dap.SubslotList->SubslotItemList.size(), 1u);
    EXPECT_EQ(dap.IOConfigData.MaxInputLength(), 1440);
    ASSERT_NE(dap.UseableModules, nullptr);
    EXPECT_EQ(dap.UseableModules->ModuleItemRefList.at(0)->ModuleItemTarget(), "Module A");
    ASSERT_NE(dap.ARVendorBlock, nullptr);
    EXPECT_EQ(dap.ARVendorBlock->RequestList.at(0)->APStructureIdentifier(), 7);
    EXPECT_EQ(virtualIds(dap), QStringList({"Built in"}));
    ASSERT_NE(dap.SystemDefinedSubmoduleList, nullptr);
    EXPECT_EQ(dap.SystemDefinedSubmoduleList->InterfaceSubmoduleItem.ID(), "Interface");
    EXPECT_EQ(dap.SystemDefinedSubmoduleList->PortSubmoduleItemList.at(0)->ID(), "Port 1");
    ASSERT_NE(dap.Graphics, nullptr);
    EXPECT_EQ(dap.Graphics->GraphicItemRefList.at(0)->GraphicItemTarget(), "ID_Graph_1");
    ASSERT_NE(dap.ApplicationRelations, nullptr);
    EXPECT_EQ(dap.ApplicationRelations->AR_BlockVersion(), 1);
    ASSERT_NE(dap.SystemRedundancy, nullptr);
    EXPECT_EQ(dap.SystemRedundancy->DeviceType(), "R1");
    ASSERT_NE(dap.UseableSubmodules, nullptr);
    EXPECT_EQ(dap.UseableSubmodules->SubmoduleItemRefList.at(0)->SubmoduleItemTarget(), "Sub A");
    ASSERT_NE(dap.SlotList, nullptr);
    EXPECT_EQ(dap.SlotList->SlotItemList.at(0)->TextId(), "IDT_Slot1");
    ASSERT_NE(dap.SlotGroups, nullptr);
    EXPECT_EQ(dap.SlotGroups->SlotGroupList.at(0)->SlotList(), "1..4");
    ASSERT_NE(dap.FieldbusIntegrationSlots, nullptr);
    EXPECT_EQ(dap.FieldbusIntegrationSlots->MaxSupported(), 2);
}

TEST_F(DeviceAccessPoint, MissingAttributesAndChildrenLeaveTheirDefaults) {
    const auto read = Read("Bare");
    ASSERT_TRUE(read.ok);
    TDeviceAccessPointItem fresh;
    for (const TDeviceAccessPointItem* dap : {&fresh, read.object.get()}) {
        EXPECT_EQ(dap->ModuleIdentNumber(), 0u);
        EXPECT_EQ(dap->PhysicalSlots(), "");
        EXPECT_EQ(dap->MinDeviceInterval(), 0);
        EXPECT_EQ(dap->FixedInSlots(), "0");
        EXPECT_EQ(dap->PhysicalSubslots(), "");
        EXPECT_EQ(dap->MaxSupportedRecordSize(), 0u);
        EXPECT_FALSE(dap->SharedDeviceSupported());
        EXPECT_EQ(dap->NumberOfDeviceAccessAR(), 0);
        EXPECT_FALSE(dap->CIR_Supported());
        EXPECT_EQ(dap->NumberOfSubmodules(), 0u);
        EXPECT_FALSE(dap->AssetManagement());
        EXPECT_EQ(dap->IOConfigData.MaxInputLength(), 0);
        EXPECT_EQ(dap->CertificationInfo, nullptr);
        EXPECT_EQ(dap->SubslotList, nullptr);
        EXPECT_EQ(dap->UseableModules, nullptr);
        EXPECT_EQ(dap->ARVendorBlock, nullptr);
        EXPECT_EQ(dap->VirtualSubmoduleList, nullptr);
        EXPECT_EQ(dap->SystemDefinedSubmoduleList, nullptr);
        EXPECT_EQ(dap->Graphics, nullptr);
        EXPECT_EQ(dap->ApplicationRelations, nullptr);
        EXPECT_EQ(dap->SystemRedundancy, nullptr);
        EXPECT_EQ(dap->UseableSubmodules, nullptr);
        EXPECT_EQ(dap->SlotList, nullptr);
        EXPECT_EQ(dap->SlotGroups, nullptr);
        EXPECT_EQ(dap->FieldbusIntegrationSlots, nullptr);
    }
    EXPECT_EQ(fresh.ID(), "");
    EXPECT_EQ(fresh.ModuleInfo.Name(), "");
}

TEST_F(DeviceAccessPoint, NumbersAndFlagsConvertByTheCommonRules) {
    const struct {
        const char* attributes;
        uint32_t identNumber;
        bool cirSupported;
    } cases[] = {
        {"", 0, false},  // absent: the constructor's 0
        {"ModuleIdentNumber='0x100' CIR_Supported='true'", 256, true},
        {"ModuleIdentNumber='abc' CIR_Supported='1'", 1, false},  // no number: 1
        {"ModuleIdentNumber='' CIR_Supported='TRUE '", 1, true},
        {"ModuleIdentNumber='-1' CIR_Supported='yes'", 4294967295u, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        const auto read = ReadXml(QStringLiteral("<DeviceAccessPointItem %1><ModuleInfo><Name/><InfoText/></ModuleInfo>"
                                                 "<IOConfigData/></DeviceAccessPointItem>")
                                      .arg(c.attributes),
                                  &TDeviceAccessPointItem::Read_DeviceAccessPointItem);
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.object->ModuleIdentNumber(), c.identNumber);
        EXPECT_EQ(read.object->CIR_Supported(), c.cirSupported);
    }
}

TEST_F(DeviceAccessPoint, NeedsItsModuleInformationAndIOConfiguration) {
    const struct {
        const char* children;
        bool ok;
        bool subslotsRead;  // read between the module information and the IO configuration
    } cases[] = {
        {"<ModuleInfo><Name/><InfoText/></ModuleInfo><SubslotList/><IOConfigData/>", true, true},
        {"<SubslotList/><IOConfigData/>", false, false},
        {"<ModuleInfo><InfoText/></ModuleInfo><SubslotList/><IOConfigData/>", false, false},
        {"<ModuleInfo><Name/></ModuleInfo><SubslotList/><IOConfigData/>", false, false},
        {"<moduleinfo><Name/><InfoText/></moduleinfo><SubslotList/><IOConfigData/>", false, false},
        {"<ModuleInfo><Name/><InfoText/></ModuleInfo><SubslotList/>", false, true},
        {"<ModuleInfo><Name/><InfoText/></ModuleInfo><SubslotList/><IOConfig/>", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.children);
        const auto read = ReadXml(QStringLiteral("<DeviceAccessPointItem ID='D' AssetManagement='true'>%1"
                                                 "<AssetManagement/></DeviceAccessPointItem>")
                                      .arg(c.children),
                                  &TDeviceAccessPointItem::Read_DeviceAccessPointItem);
        EXPECT_EQ(read.ok, c.ok);
        EXPECT_EQ(read.object->ID(), "D");  // the attributes come first
        EXPECT_EQ(read.object->SubslotList != nullptr, c.subslotsRead);
        EXPECT_EQ(read.object->AssetManagement(), c.ok);  // a child, not the attribute
    }
}

TEST_F(DeviceAccessPoint, FailingChildrenKeepWhatTheyReadAndDoNotFailIt) {
    const auto read = Read("Failing children");
    ASSERT_TRUE(read.ok);
    const TDeviceAccessPointItem& dap = *read.object;
    EXPECT_EQ(dap.IOConfigData.MaxInputLength(), 0);  // not a number
    EXPECT_EQ(dap.IOConfigData.MaxOutputLength(), 8);
    EXPECT_EQ(virtualIds(dap), QStringList({"First", "Second"}));
    ASSERT_NE(dap.SystemDefinedSubmoduleList, nullptr);  // lacks its interface, attached anyway
    EXPECT_TRUE(dap.SystemDefinedSubmoduleList->PortSubmoduleItemList.empty());
    ASSERT_NE(dap.Graphics, nullptr);  // read after the failing lists
    EXPECT_EQ(dap.Graphics->GraphicItemRefList.at(0)->GraphicItemTarget(), "ID_Graph_2");
}

TEST_F(DeviceAccessPoint, ListStopsAtTheFirstRefusedAccessPoint) {
    const auto read = ReadElement(doc.Root(), &TDeviceAccessPointList::Read_DeviceAccessPointList);
    EXPECT_FALSE(read.ok);
    // The comment and the element of another name are passed over; "After" is never read.
    EXPECT_EQ(ids(*read.object), QStringList({"Full", "Bare", "Failing children"}));

    const auto refused = Read("No IOConfigData");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.object->ModuleIdentNumber(), 1u);
    EXPECT_NE(refused.object->SubslotList, nullptr);
    EXPECT_EQ(refused.object->Graphics, nullptr);

    const auto empty = ReadXml("<DeviceAccessPointList><!-- none --><ModuleItem/></DeviceAccessPointList>",
                               &TDeviceAccessPointList::Read_DeviceAccessPointList);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.object->DevAccPointItemList.empty());
}

// ---- Look-ups in a decoded file

class AccessPointLookup : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gsdml.Decode_GSDML(FixturePath(""), "dap_list_lookups.xml"));
        ASSERT_NE(gsdml.ProfileBody.ApplicationProcess.DeviceAccessPointList, nullptr);
    }

    const TDeviceAccessPointList& list() const { return *gsdml.ProfileBody.ApplicationProcess.DeviceAccessPointList; }

    TGSDML gsdml;
};

TEST_F(AccessPointLookup, FindsTheFirstByNameAndCategoryText) {
    const struct {
        const char* name;
        const char* category;
        int index;  // in the list; -1 for none
    } cases[] = {
        {"Gateway", "", 0},
        {"Gateway", "Category One", 0},
        {"Gateway", "Category Two", 1},  // the first of two with these texts
        {"Gateway", "CAT_2", -1},        // the category's text, not its id
        {"Gateway", "Category Three", -1},
        {"gateway", "", -1},
        {"IDT_Gateway", "", -1},  // the id of a name that has a text
        {"IDT_No_Text", "", 2},   // one that has none goes by its id
        {"IDT_No_Text", "Category One", -1},
        {"", "", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.category);
        const TDeviceAccessPointItem* found = list().Get_DeviceAccessPointItem(c.name, c.category, gsdml);
        EXPECT_EQ(found, c.index < 0 ? nullptr : list().DevAccPointItemList.at(c.index).get());
    }
}

TEST_F(AccessPointLookup, IndexIsThatOfTheFirstWithTheID) {
    const struct {
        const char* id;
        int index;
    } cases[] = {{"DAP A", 0}, {"DAP B", 1}, {"DAP C", 2}, {"dap a", -1}, {"DAP", -1}, {"", -1}};
    for (const auto& c : cases) EXPECT_EQ(list().Get_Index_DevAccPointItem(c.id), c.index) << c.id;
}

TEST_F(AccessPointLookup, SubslotNamesAreTheTextIdsOfTheFirstWithTheNumber) {
    const TDeviceAccessPointItem& withSubslots = *list().DevAccPointItemList.at(0);
    const struct {
        int number;
        const char* name;
    } cases[] = {
        {1, "IDT_Sub1"}, {32768, "IDT_Interface"}, {2, ""}, {0, ""},
        {-1, ""},        {4464, "IDT_Wrapped"},  // 70000 was kept in 16 bits
        {70000, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(withSubslots.Get_SubslotName(c.number), c.name) << c.number;
    EXPECT_EQ(list().DevAccPointItemList.at(1)->Get_SubslotName(1), "");  // no subslot list
}

}  // namespace
