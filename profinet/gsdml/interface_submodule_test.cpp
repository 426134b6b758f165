#include "profinet/gsdml/interface_submodule.h"

#include <gtest/gtest.h>

#include "profinet/gsdml/element_test_support.h"

namespace {

class InterfaceSubmodule : public ::testing::Test {
protected:
    TReadResult<TInterfaceSubmoduleItem> Read(const char* id) const {
        return ReadElement(doc.Submodule(id), &TInterfaceSubmoduleItem::Read_InterfaceSubmoduleItem);
    }

    const TTestXml doc{TTestXml::File{FixturePath("submodule_interface.xml")}};
};

TEST_F(InterfaceSubmodule, ReadsItsAttributes) {
    const auto read = Read("Interface full");
    ASSERT_TRUE(read.ok);
    const TInterfaceSubmoduleItem& item = *read.object;
    EXPECT_EQ(item.ID(), "Interface full");
    EXPECT_EQ(item.SubmoduleIdentNumber(), 0x8001u);
    EXPECT_EQ(item.TextId(), "IDT_Interface");
    EXPECT_EQ(item.SubslotNumber(), 32768);
    EXPECT_EQ(item.SupportedRT_Class(), "Class1");
    EXPECT_EQ(item.SupportedRT_Classes(), "RT_CLASS_1;RT_CLASS_3");
    EXPECT_TRUE(item.IsochroneModeSupported());
    EXPECT_EQ(item.IsochroneModeInRT_Classes(), "RT_CLASS_3");
    EXPECT_EQ(item.SupportedProtocols(), "SNMP;LLDP");
    EXPECT_TRUE(item.NetworkComponentDiagnosisSupported());
    EXPECT_TRUE(item.DCP_HelloSupported());
    EXPECT_TRUE(item.PTP_BoundarySupported());
    EXPECT_TRUE(item.DCP_BoundarySupported());
    EXPECT_TRUE(item.MulticastBoundarySupported());
    EXPECT_TRUE(item.ParameterizationDisallowed());
    EXPECT_TRUE(item.DelayMeasurementSupported());
    EXPECT_EQ(item.Writeable_IM_Records(), "1 2 3 4");
    EXPECT_TRUE(item.IM5_Supported());
    EXPECT_EQ(item.MaxFrameStartTime(), 1600);
    EXPECT_EQ(item.MinNRT_Gap(), 960);
    EXPECT_TRUE(item.PDEV_CombinedObjectSupported());
    EXPECT_TRUE(item.UsesStaticARP_CacheEntries());
    // The file does not set these, whatever it says.
    EXPECT_FALSE(item.TimeSynchronisation());
    EXPECT_FALSE(item.ReportingSystem());
}

TEST_F(InterfaceSubmodule, ReadsItsRealTimeSynchronisationAndRedundancy) {
    const auto read = Read("Interface full");
    ASSERT_TRUE(read.ok);
    const TInterfaceSubmoduleItem& item = *read.object;
    ASSERT_NE(item.General, nullptr);
    EXPECT_EQ(item.General->DCP_FlashOnceSignalUnit(), "IDT_Flash");
    ASSERT_NE(item.RecordDataList, nullptr);
    ASSERT_EQ(item.RecordDataList->ParameterRecordDataItemList.size(), 1u);
    EXPECT_EQ(item.RecordDataList->ParameterRecordDataItemList[0]->Index_(), 0x8000);

    ASSERT_NE(item.RT_Class3Properties, nullptr);
    const TRT_Class3Properties& rt = *item.RT_Class3Properties;
    EXPECT_EQ(rt.StartupMode(), "Advanced;Legacy");
    EXPECT_EQ(rt.ForwardingMode(), "Relative");
    EXPECT_EQ(rt.MaxBridgeDelay(), 5500);
    EXPECT_EQ(rt.MaxBridgeDelayFFW(), 2000);
    EXPECT_EQ(rt.MaxDFP_Feed(), 1000);
    EXPECT_EQ(rt.MaxDFP_Frames(), 4);
    EXPECT_TRUE(rt.AlignDFP_Subframes());
    EXPECT_TRUE(rt.DFP_OutboundTruncationSupported());
    EXPECT_TRUE(rt.DFP_RedundantPathLayoutSupported());
    EXPECT_EQ(rt.MaxNumberIR_FrameData(), 256);
    EXPECT_EQ(rt.MaxRangeIR_FrameID(), 1024);
    EXPECT_EQ(rt.FragmentationType(), "Dynamic");
    EXPECT_EQ(rt.MaxRedPeriodLength(), 3000);
    EXPECT_EQ(rt.MinFSO(), 5000);
    EXPECT_EQ(rt.MinRTC3_Gap(), 1120);
    EXPECT_EQ(rt.MinYellowTime(), 9600u);
    EXPECT_EQ(rt.YellowSafetyMargin(), 160);
    EXPECT_EQ(rt.MaxRetentionTime(), 70000u);  // 32 bits, unlike the 16-bit delays

    ASSERT_NE(item.SynchronisationMode, nullptr);
    const TSynchronisationMode& sync = *item.SynchronisationMode;
    EXPECT_EQ(sync.SupportedRole(), "SyncSlave");
    EXPECT_EQ(sync.MaxLocalJitter(), 50);
    EXPECT_EQ(sync.T_PLL_MAX(), 1000);
    EXPECT_EQ(sync.PeerToPeerJitter(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(sync.SupportedSyncProtocols(), "PTCP");

    ASSERT_NE(item.MediaRedundancy, nullptr);
    const TMediaRedundancy& mrp = *item.MediaRedundancy;
    EXPECT_EQ(mrp.SupportedRole(), "Client Manager");
    EXPECT_EQ(mrp.SupportedMultipleRole(), "Client");
    EXPECT_EQ(mrp.MaxMRP_Instances(), 2);  // 258 in 8 bits
    EXPECT_TRUE(mrp.MRPD_Supported());
    EXPECT_FALSE(mrp.MRT_Supported());  // "1" is no "TRUE"
    EXPECT_TRUE(mrp.AdditionalProtocolsSupported());
    EXPECT_TRUE(mrp.AdditionalForwardingRulesSupported());
    ASSERT_NE(mrp.Interconnection, nullptr);
    EXPECT_EQ(mrp.Interconnection->SupportedMRP_InterconnRole(), "Client");
    EXPECT_EQ(mrp.Interconnection->MaxMRP_InterconnInstances(), 2);  // 0x102 in 8 bits
}

TEST_F(InterfaceSubmodule, ReadsTheTimingOfItsApplicationRelations) {
    const auto read = Read("Interface full");
    ASSERT_TRUE(read.ok);
    ASSERT_NE(read.object->ApplicationRelationsIntSubItem, nullptr);
    const TApplicationRelationsIntSubItem& relations = *read.object->ApplicationRelationsIntSubItem;
    EXPECT_EQ(relations.StartupMode(), "Advanced");
    EXPECT_EQ(relations.NumberOfAdditionalInputCR(), 1);
    EXPECT_EQ(relations.NumberOfAdditionalOutputCR(), 2);
    EXPECT_EQ(relations.NumberOfAdditionalMulticastProviderCR(), 3);
    EXPECT_EQ(relations.NumberOfMulticastConsumerCR(), 4);
    EXPECT_TRUE(relations.PullModuleAlarmSupported());
    EXPECT_EQ(relations.NumberOfAR(), 0);  // "x" is no number

    ASSERT_NE(relations.TimingProperties, nullptr);
    EXPECT_EQ(relations.TimingProperties->SendClock(), "8 16 32 64 128");
    EXPECT_EQ(relations.TimingProperties->ReductionRatio(), "1 2 4 8 16");
    EXPECT_EQ(relations.TimingProperties->ReductionRatioPow2(), "1 2 4");
    EXPECT_EQ(relations.TimingProperties->PreferredSendClock(), 32);

    ASSERT_NE(relations.RT_Class3TimingProperties, nullptr);
    const TRT_Class3TimingProperties& rt = *relations.RT_Class3TimingProperties;
    EXPECT_EQ(rt.SendClock(), "8 16 32");
    EXPECT_EQ(rt.ReductionRatio(), "1 2");
    EXPECT_EQ(rt.ReductionRatioPow2(), "1 2 4 8");
    EXPECT_EQ(rt.MaxReductionRatioIsochroneMode(), 16);
    EXPECT_EQ(rt.PreferredSendClock(), 8);
}

// Bare elements leave every value as made: the timing has no send clock or reduction ratio
// of its own, the network editor keeps its defaults.
TEST_F(InterfaceSubmodule, BareChildrenKeepTheirDefaults) {
    const auto read = Read("Interface bare");
    ASSERT_TRUE(read.ok);
    const TInterfaceSubmoduleItem& item = *read.object;
    EXPECT_EQ(item.SubslotNumber(), 0);
    EXPECT_EQ(item.TextId(), "");
    EXPECT_EQ(item.RecordDataList, nullptr);
    ASSERT_NE(item.General, nullptr);
    EXPECT_EQ(item.General->DCP_FlashOnceSignalUnit(), "");

    ASSERT_NE(item.RT_Class3Properties, nullptr);
    const TRT_Class3Properties& rt = *item.RT_Class3Properties;
    EXPECT_EQ(rt.StartupMode(), "");
    EXPECT_EQ(rt.MaxBridgeDelay(), 0);
    EXPECT_FALSE(rt.AlignDFP_Subframes());
    EXPECT_EQ(rt.MinYellowTime(), 0u);
    EXPECT_EQ(rt.MaxRetentionTime(), 0u);

    ASSERT_NE(item.SynchronisationMode, nullptr);
    EXPECT_EQ(item.SynchronisationMode->SupportedRole(), "");
    EXPECT_EQ(item.SynchronisationMode->T_PLL_MAX(), 0);

    ASSERT_NE(item.ApplicationRelationsIntSubItem, nullptr);
    const TApplicationRelationsIntSubItem& relations = *item.ApplicationRelationsIntSubItem;
    EXPECT_EQ(relations.NumberOfAR(), 0);
    EXPECT_FALSE(relations.PullModuleAlarmSupported());
    ASSERT_NE(relations.TimingProperties, nullptr);
    EXPECT_EQ(relations.TimingProperties->SendClock(), "");
    EXPECT_EQ(relations.TimingProperties->ReductionRatio(), "");
    EXPECT_EQ(relations.TimingProperties->PreferredSendClock(), 0);
    ASSERT_NE(relations.RT_Class3TimingProperties, nullptr);
    EXPECT_EQ(relations.RT_Class3TimingProperties->SendClock(), "");
    EXPECT_EQ(relations.RT_Class3TimingProperties->MaxReductionRatioIsochroneMode(), 0);

    ASSERT_NE(item.MediaRedundancy, nullptr);
    EXPECT_EQ(item.MediaRedundancy->SupportedRole(), "");
    EXPECT_EQ(item.MediaRedundancy->MaxMRP_Instances(), 0);
    EXPECT_FALSE(item.MediaRedundancy->MRPD_Supported());
    EXPECT_EQ(item.MediaRedundancy->Interconnection, nullptr);
}

TEST_F(InterfaceSubmodule, ChildrenExistOnlyWhenTheFileHasThem) {
    const auto read = ReadXml("<InterfaceSubmoduleItem ID='I'><applicationRelations/><General>"
                              "<DCP_FlashOnceSignalUnit/></General></InterfaceSubmoduleItem>",
                              &TInterfaceSubmoduleItem::Read_InterfaceSubmoduleItem);
    ASSERT_TRUE(read.ok);
    const TInterfaceSubmoduleItem& item = *read.object;
    EXPECT_EQ(item.ID(), "I");
    EXPECT_EQ(item.ApplicationRelationsIntSubItem, nullptr);  // the name differs in case
    EXPECT_EQ(item.RT_Class3Properties, nullptr);
    EXPECT_EQ(item.SynchronisationMode, nullptr);
    EXPECT_EQ(item.MediaRedundancy, nullptr);
    ASSERT_NE(item.General, nullptr);
    EXPECT_EQ(item.General->DCP_FlashOnceSignalUnit(), "");

    const auto noTiming = ReadXml("<ApplicationRelations NumberOfAR='2'/>",
                                  &TApplicationRelationsIntSubItem::Read_ApplicationRelationsIntSubItem);
    ASSERT_TRUE(noTiming.ok);
    EXPECT_EQ(noTiming.object->NumberOfAR(), 2);
    EXPECT_EQ(noTiming.object->TimingProperties, nullptr);
    EXPECT_EQ(noTiming.object->RT_Class3TimingProperties, nullptr);

    const TInterfaceSubmoduleItem fresh;
    EXPECT_EQ(fresh.General, nullptr);
    EXPECT_EQ(fresh.ApplicationRelationsIntSubItem, nullptr);
    EXPECT_FALSE(fresh.IsochroneModeSupported());
    EXPECT_EQ(fresh.SubmoduleIdentNumber(), 0u);
}

}  // namespace
