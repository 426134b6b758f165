#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/system_defined_submodules.h"
#include "profinet/gsdml/virtual_submodule.h"

// The virtual, interface and port submodules of the shared device descriptions, found through
// the XML layer and read by their own readers.

namespace {

const char* const abb = "GSDML-V2.25-ABB-FENA-20130603.xml";
const char* const hilscher = "GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml";
const char* const leuze = "GSDML-V2.41-LEUZE-BCL248i-20211213.xml";

TTestXml sharedFile(const char* name) { return TTestXml::FromFile(VendorGsdmlPath(name)); }

TEST(SubmodulesOfSharedFiles, EveryListDecodes) {
    const struct {
        const char* file;
        int virtualLists, virtualItems, systemLists, ports;
    } files[] = {
        {abb, 8, 10, 1, 1},
        {hilscher, 25, 25, 1, 2},
        {leuze, 58, 58, 1, 1},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const TTestXml doc = sharedFile(f.file);
        int virtualLists = 0, virtualItems = 0, systemLists = 0, ports = 0;
        for (const IXMLNode& node : doc.Elements("VirtualSubmoduleList")) {
            TVirtualSubmoduleList list;
            EXPECT_TRUE(list.Read_VirtualSubmoduleList(node));
            for (const auto& item : list.VirtualSubmoduleItelList) {
                SCOPED_TRACE(item->ID().toStdString());
                // Every submodule of these files names itself.
                ASSERT_NE(item->ModuleInfo, nullptr);
                EXPECT_FALSE(item->ModuleInfo->Name().isEmpty());
            }
            virtualItems += int(list.VirtualSubmoduleItelList.size());
            ++virtualLists;
        }
        for (const IXMLNode& node : doc.Elements("SystemDefinedSubmoduleList")) {
            TSystemDefinedSubmoduleList list;
            EXPECT_TRUE(list.Read_SystemDefinedSubmoduleList(node));
            ports += int(list.PortSubmoduleItemList.size());
            ++systemLists;
        }
        EXPECT_EQ(virtualLists, f.virtualLists);
        EXPECT_EQ(virtualItems, f.virtualItems);
        EXPECT_EQ(systemLists, f.systemLists);
        EXPECT_EQ(ports, f.ports);
    }
}

TEST(SubmodulesOfSharedFiles, VirtualSubmodulesMatchTheirFiles) {
    const struct {
        const char* file;
        const char* id;
        uint32_t identNumber, api;
        const char* fixedInSubslots;
        const char* name;
        bool im5, records;
        int input, output;
    } cases[] = {
        {abb, "FENA_DAP_V1", 0, 0, "1", "T_ID_FENA_DAP_V1", false, false, 0, 0},  // no FixedInSubslots
        {abb, "ID_STD_MAPPAP_1", 0xFFFF, 14848, "1", "T_ID_STD_MAPPAP_NAME", false, false, 0, 0},
        {abb, "ID_STD_STD_TGM1_1", 0x11, 14848, "2", "T_ID_STD_STD_TGM1_NAME", false, true, 4, 4},
        {hilscher, "DIM 29", 0x4000, 0, "1", "NIOT-E-NPI3-51-EN-RE V1.x", true, false, 0, 0},
        {hilscher, "256byteinput", 0x170, 0, "1", "Submodule_256byteinput_Name", false, false, 256, 0},
        {leuze, "DAP", 0, 0, "1", "IDT_MODULE_NAME_DAP", false, true, 0, 0},
        {leuze, "ID_SUB_DeviceStatus", 1, 0, "1", "IDT_MODULE_NAME_DeviceStatus", false, false, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const TTestXml doc = sharedFile(c.file);
        const auto read = ReadElement(doc.Submodule(c.id), &TVirtualSubmoduleItem::Read_VirtualSubmoduleItem);
        ASSERT_TRUE(read.ok);
        const TVirtualSubmoduleItem& item = *read.object;
        EXPECT_EQ(item.ID(), c.id);
        EXPECT_EQ(item.SubmoduleIdentNumber(), c.identNumber);
        EXPECT_EQ(item.API(), c.api);
        EXPECT_EQ(item.FixedInSubslots(), c.fixedInSubslots);
        ASSERT_NE(item.ModuleInfo, nullptr);
        EXPECT_EQ(item.ModuleInfo->Name(), c.name);
        EXPECT_EQ(item.IM5_Supported(), c.im5);
        EXPECT_FALSE(item.MayIssueProcessAlarm());
        EXPECT_EQ(item.RecordDataList != nullptr, c.records);
        EXPECT_EQ(item.IOData.Get_Input(), c.input);
        EXPECT_EQ(item.IOData.Get_Output(), c.output);
    }
}

QStringList portsOf(const TSystemDefinedSubmoduleList& list) {
    QStringList out;
    for (const auto& port : list.PortSubmoduleItemList) {
        QStringList mauTypes;
        for (const auto& type : port->MAUTypeList.MAUTypeItemList) mauTypes << QString::number(type->Value());
        out << QStringLiteral("%1 %2 %3/%4 [%5] %6/%7")
                   .arg(port->SubslotNumber())
                   .arg(port->TextId(), port->MAUType(), port->MAUTypes(), mauTypes.join(' '))
                   .arg(port->MaxPortTxDelay())
                   .arg(port->MaxPortRxDelay());
    }
    return out;
}

TEST(SubmodulesOfSharedFiles, InterfacesAndPortsMatchTheirFiles) {
    const struct {
        const char* file;
        const char* id;
        uint16_t subslot;
        uint32_t identNumber;
        const char* rtClasses;
        const char* sendClock;
        const char* reductionRatio;
        const char* rtClass3SendClock;  // nullptr where the file has no such timing
        QStringList ports;              // subslot, text id, MAU type/types [items], delays tx/rx
    } cases[] = {
        {abb, "IDS_FENA_DAP_V2I", 32768, 1, "RT_CLASS_1", "32 64 128", "1 2 4 8 16 32 64 128 256 512", nullptr,
         {"32769 T_ID_DAP20_PORT1 100BASETXFD/ [] 0/0"}},
        {hilscher, "DIM 29 Interfacesubmodule", 32768, 0x4001, "RT_CLASS_1;RT_CLASS_3", "32 64 128",
         "1 2 4 8 16 32 64 128 256 512", "8 16 32 64 128", {"32769 Port1 /16 [16] 92/340", "32770 Port2 /16 [16] 92/340"}},
        {leuze, "IDS_DAPI", 32768, 1, "RT_CLASS_1", "32 64 128", "1 2 4 8 16 32 64 128 256 512", nullptr,
         {"32769 Port1 /16 [16] 0/0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const TTestXml doc = sharedFile(c.file);
        const std::vector<IXMLNode> lists = doc.Elements("SystemDefinedSubmoduleList");
        ASSERT_EQ(lists.size(), 1u);
        const auto read = ReadElement(lists[0], &TSystemDefinedSubmoduleList::Read_SystemDefinedSubmoduleList);
        ASSERT_TRUE(read.ok);

        const TInterfaceSubmoduleItem& interface = read.object->InterfaceSubmoduleItem;
        EXPECT_EQ(interface.ID(), c.id);
        EXPECT_EQ(interface.SubslotNumber(), c.subslot);
        EXPECT_EQ(interface.SubmoduleIdentNumber(), c.identNumber);
        EXPECT_EQ(interface.SupportedRT_Classes(), c.rtClasses);
        EXPECT_FALSE(interface.ParameterizationDisallowed());
        ASSERT_NE(interface.ApplicationRelationsIntSubItem, nullptr);
        const TApplicationRelationsIntSubItem& relations = *interface.ApplicationRelationsIntSubItem;
        ASSERT_NE(relations.TimingProperties, nullptr);
        EXPECT_EQ(relations.TimingProperties->SendClock(), c.sendClock);
        EXPECT_EQ(relations.TimingProperties->ReductionRatio(), c.reductionRatio);
        if (c.rtClass3SendClock) {
            ASSERT_NE(relations.RT_Class3TimingProperties, nullptr);
            EXPECT_EQ(relations.RT_Class3TimingProperties->SendClock(), c.rtClass3SendClock);
        } else {
            EXPECT_EQ(relations.RT_Class3TimingProperties, nullptr);
        }
        EXPECT_EQ(portsOf(*read.object), c.ports);
    }
}

// The one interface of the shared files with isochronous abilities.
TEST(SubmodulesOfSharedFiles, RealTimeAbilitiesOfAnInterface) {
    const TTestXml doc = sharedFile(hilscher);
    const auto read = ReadElement(doc.Submodule("DIM 29 Interfacesubmodule"),
                                  &TInterfaceSubmoduleItem::Read_InterfaceSubmoduleItem);
    ASSERT_TRUE(read.ok);
    const TInterfaceSubmoduleItem& interface = *read.object;
    EXPECT_EQ(interface.TextId(), "PN-IO");
    EXPECT_TRUE(interface.DCP_BoundarySupported());
    EXPECT_FALSE(interface.DCP_HelloSupported());
    ASSERT_NE(interface.RT_Class3Properties, nullptr);
    EXPECT_EQ(interface.RT_Class3Properties->ForwardingMode(), "Relative");
    EXPECT_EQ(interface.RT_Class3Properties->MaxBridgeDelay(), 5500);
    EXPECT_EQ(interface.RT_Class3Properties->MaxNumberIR_FrameData(), 256);
    ASSERT_NE(interface.SynchronisationMode, nullptr);
    EXPECT_EQ(interface.SynchronisationMode->SupportedRole(), "SyncSlave");
    EXPECT_EQ(interface.SynchronisationMode->MaxLocalJitter(), 50);
    EXPECT_EQ(interface.SynchronisationMode->T_PLL_MAX(), 1000);
    ASSERT_NE(interface.ApplicationRelationsIntSubItem, nullptr);
    EXPECT_EQ(interface.ApplicationRelationsIntSubItem->NumberOfAR(), 2);
    ASSERT_NE(interface.ApplicationRelationsIntSubItem->RT_Class3TimingProperties, nullptr);
    EXPECT_EQ(interface.ApplicationRelationsIntSubItem->RT_Class3TimingProperties->ReductionRatio(), "1 2 4 8 16");
    ASSERT_NE(interface.MediaRedundancy, nullptr);
    EXPECT_EQ(interface.MediaRedundancy->SupportedRole(), "Client");
    EXPECT_EQ(interface.MediaRedundancy->Interconnection, nullptr);
}

}  // namespace
