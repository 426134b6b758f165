#include "profinet/gsdml/port_submodule.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/system_defined_submodules.h"

namespace {

class PortSubmodule : public ::testing::Test {
protected:
    TReadResult<TPortSubmoduleItem> Read(const char* id) const {
        return ReadElement(doc.Submodule(id), &TPortSubmoduleItem::Read_PortSubmoduleItem);
    }

    const TTestXml doc{TTestXml::File{FixturePath("submodule_ports.xml")}};
};

QStringList ids(const TSystemDefinedSubmoduleList& list) {
    QStringList out;
    for (const auto& port : list.PortSubmoduleItemList) out << port->ID();
    return out;
}

TEST_F(PortSubmodule, ReadsItsAttributes) {
    const auto read = Read("Port full");
    ASSERT_TRUE(read.ok);
    const TPortSubmoduleItem& port = *read.object;
    EXPECT_EQ(port.ID(), "Port full");
    EXPECT_EQ(port.SubmoduleIdentNumber(), 2u);
    EXPECT_EQ(port.SubslotNumber(), 32769);
    EXPECT_EQ(port.TextId(), "IDT_Port1");
    EXPECT_EQ(port.MAUType(), "100BASETXFD");
    EXPECT_EQ(port.MAUTypes(), "16 0x1E");
    EXPECT_EQ(port.FiberOpticTypes(), "4 5");
    EXPECT_EQ(port.MaxPortTxDelay(), 92);
    EXPECT_EQ(port.MaxPortRxDelay(), 340);
    EXPECT_TRUE(port.PortDeactivationSupported());
    EXPECT_EQ(port.LinkStateDiagnosisCapability(), "Up+Down");
    EXPECT_TRUE(port.PowerBudgetControlSupported());
    EXPECT_TRUE(port.SupportsRingportConfig());
    EXPECT_TRUE(port.IsDefaultRingport());
    EXPECT_TRUE(port.SupportsMRP_InterconnPortConfig());
    EXPECT_TRUE(port.ParameterizationDisallowed());
    EXPECT_EQ(port.Writeable_IM_Records(), "1 2");
    EXPECT_TRUE(port.IM5_Supported());
    EXPECT_TRUE(port.CheckMAUTypeSupported());
    EXPECT_TRUE(port.CheckMAUTypeDifferenceSupported());
    EXPECT_TRUE(port.ShortPreamble100MBitSupported());
}

TEST_F(PortSubmodule, ReadsItsMAUTypesAndRecords) {
    const auto read = Read("Port full");
    ASSERT_TRUE(read.ok);
    const TPortSubmoduleItem& port = *read.object;
    EXPECT_TRUE(port.MAUTypeList.ExtensionSupported());
    const auto& types = port.MAUTypeList.MAUTypeItemList;
    ASSERT_EQ(types.size(), 2u);  // the comment and MAUTypeItemX are passed over
    EXPECT_EQ(types[0]->Value(), 16);
    EXPECT_EQ(types[0]->Extension(), 0);
    EXPECT_TRUE(types[0]->AdjustSupported());
    EXPECT_EQ(types[1]->Value(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(types[1]->Extension(), 0x100);
    EXPECT_FALSE(types[1]->AdjustSupported());

    ASSERT_EQ(port.RecordDataList.ParameterRecordDataItemList.size(), 1u);
    EXPECT_EQ(port.RecordDataList.ParameterRecordDataItemList[0]->Index_(), 0x802F);
    EXPECT_EQ(port.RecordDataList.ParameterRecordDataItemList[0]->Name(), "IDT_PortRecord");
}

TEST_F(PortSubmodule, ABarePortHasEmptyListsAndDefaults) {
    const auto read = Read("Port bare");
    ASSERT_TRUE(read.ok);
    TPortSubmoduleItem fresh;
    for (const TPortSubmoduleItem* port : {&fresh, read.object.get()}) {
        EXPECT_EQ(port->SubmoduleIdentNumber(), 0u);
        EXPECT_EQ(port->SubslotNumber(), 0);
        EXPECT_EQ(port->TextId(), "");
        EXPECT_EQ(port->MAUType(), "");
        EXPECT_EQ(port->MAUTypes(), "");
        EXPECT_EQ(port->MaxPortTxDelay(), 0);
        EXPECT_EQ(port->MaxPortRxDelay(), 0);
        EXPECT_FALSE(port->PortDeactivationSupported());
        EXPECT_FALSE(port->IsDefaultRingport());
        EXPECT_FALSE(port->CheckMAUTypeSupported());
        EXPECT_FALSE(port->MAUTypeList.ExtensionSupported());
        EXPECT_TRUE(port->MAUTypeList.MAUTypeItemList.empty());
        EXPECT_TRUE(port->RecordDataList.ParameterRecordDataItemList.empty());
        EXPECT_EQ(port->RecordDataList.F_ParameterRecordDataItem, nullptr);
    }
}

// The port delays must be integers; other numbers fall back to 0 for a text that is none.
TEST_F(PortSubmodule, DelaysThatAreNoIntegerRefuseThePort) {
    const struct {
        const char* text;
        bool ok;
        int delay;
    } cases[] = {
        {"300", true, 300},   {" 300 ", true, 300}, {"0x12C", true, 300}, {"70000", true, 4464},
        {"-1", true, 65535},  {"fast", false, 0},   {"", false, 0},       {"1.5", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadXml(QStringLiteral("<PortSubmoduleItem MaxPortTxDelay='%1' SubslotNumber='32769' "
                                                 "IsDefaultRingport='true'><MAUTypeList><MAUTypeItem Value='16'/>"
                                                 "</MAUTypeList></PortSubmoduleItem>")
                                      .arg(c.text),
                                  &TPortSubmoduleItem::Read_PortSubmoduleItem);
        EXPECT_EQ(read.ok, c.ok);
        EXPECT_EQ(read.object->MaxPortTxDelay(), c.delay);
        // A refused port stops at the delay: nothing after it is read.
        EXPECT_EQ(read.object->IsDefaultRingport(), c.ok);
        EXPECT_EQ(read.object->MAUTypeList.MAUTypeItemList.size(), c.ok ? 1u : 0u);
        EXPECT_EQ(read.object->SubslotNumber(), c.ok ? 32769 : 0);
    }

    const auto other = ReadXml("<PortSubmoduleItem SubmoduleIdentNumber='fast' SubslotNumber='x'/>",
                               &TPortSubmoduleItem::Read_PortSubmoduleItem);
    EXPECT_TRUE(other.ok);
    EXPECT_EQ(other.object->SubmoduleIdentNumber(), 0u);
    EXPECT_EQ(other.object->SubslotNumber(), 0);
}

TEST_F(PortSubmodule, SystemDefinedListReadsTheInterfaceAndPortsUpToAFailingPort) {
    const auto read = ReadElement(doc.Root(), &TSystemDefinedSubmoduleList::Read_SystemDefinedSubmoduleList);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.object->InterfaceSubmoduleItem.ID(), "Interface");
    EXPECT_EQ(read.object->InterfaceSubmoduleItem.SubslotNumber(), 32768);
    EXPECT_EQ(read.object->InterfaceSubmoduleItem.TextId(), "IDT_Interface");
    EXPECT_EQ(ids(*read.object), QStringList({"Port full", "Port bare"}));

    const auto after = Read("Port after the failure");
    EXPECT_TRUE(after.ok);
    EXPECT_EQ(after.object->SubslotNumber(), 32772);
}

TEST_F(PortSubmodule, SystemDefinedListNeedsItsInterface) {
    const auto noInterface = ReadXml("<SystemDefinedSubmoduleList><interfaceSubmoduleItem ID='I'/>"
                                     "<PortSubmoduleItem ID='P'/></SystemDefinedSubmoduleList>",
                                     &TSystemDefinedSubmoduleList::Read_SystemDefinedSubmoduleList);
    EXPECT_FALSE(noInterface.ok);
    EXPECT_EQ(noInterface.object->InterfaceSubmoduleItem.ID(), "");
    EXPECT_TRUE(noInterface.object->PortSubmoduleItemList.empty());

    const auto interfaceOnly = ReadXml("<SystemDefinedSubmoduleList><!-- no port --><InterfaceSubmoduleItem ID='I'/>"
                                       "</SystemDefinedSubmoduleList>",
                                       &TSystemDefinedSubmoduleList::Read_SystemDefinedSubmoduleList);
    EXPECT_TRUE(interfaceOnly.ok);
    EXPECT_EQ(interfaceOnly.object->InterfaceSubmoduleItem.ID(), "I");
    EXPECT_TRUE(interfaceOnly.object->PortSubmoduleItemList.empty());
}

}  // namespace
