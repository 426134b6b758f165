#include "profinet/gsdml/interface_submodule.h"

bool TGeneral::Read_General(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(Child(node, "DCP_FlashOnceSignalUnit"), "TextId", FDCP_FlashOnceSignalUnit);
        return true;
    });
}

bool TRT_Class3Properties::Read_RT_Class3Properties(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "StartupMode", FStartupMode);
        Read_Attribute(node, "ForwardingMode", FForwardingMode);
        Read_Attribute(node, "MaxBridgeDelay", FMaxBridgeDelay);
        Read_Attribute(node, "MaxBridgeDelayFFW", FMaxBridgeDelayFFW);
        Read_Attribute(node, "MaxDFP_Feed", FMaxDFP_Feed);
        Read_Attribute(node, "MaxDFP_Frames", FMaxDFP_Frames);
        Read_Attribute(node, "AlignDFP_Subframes", FAlignDFP_Subframes);
        Read_Attribute(node, "DFP_OutboundTruncationSupported", FDFP_OutboundTruncationSupported);
        Read_Attribute(node, "DFP_RedundantPathLayoutSupported", FDFP_RedundantPathLayoutSupported);
        Read_Attribute(node, "MaxNumberIR_FrameData", FMaxNumberIR_FrameData);
        Read_Attribute(node, "MaxRangeIR_FrameID", FMaxRangeIR_FrameID);
        Read_Attribute(node, "FragmentationType", FFragmentationType);
        Read_Attribute(node, "MaxRedPeriodLength", FMaxRedPeriodLength);
        Read_Attribute(node, "MinFSO", FMinFSO);
        Read_Attribute(node, "MinRTC3_Gap", FMinRTC3_Gap);
        Read_Attribute(node, "MinYellowTime", FMinYellowTime);
        Read_Attribute(node, "YellowSafetyMargin", FYellowSafetyMargin);
        Read_Attribute(node, "MaxRetentionTime", FMaxRetentionTime);
        return true;
    });
}

bool TSynchronisationMode::Read_SynchronisationMode(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SupportedRole", FSupportedRole);
        Read_Attribute(node, "MaxLocalJitter", FMaxLocalJitter);
        Read_Attribute(node, "T_PLL_MAX", FT_PLL_MAX);
        Read_Attribute(node, "PeerToPeerJitter", FPeerToPeerJitter);
        Read_Attribute(node, "SupportedSyncProtocols", FSupportedSyncProtocols);
        return true;
    });
}

bool TInterfaceSubmoduleItem::Read_InterfaceSubmoduleItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "ID", FID);
               Read_Attribute(node, "SubmoduleIdentNumber", FSubmoduleIdentNumber);
               Read_Attribute(node, "TextId", FTextId);
               Read_Attribute(node, "SubslotNumber", FSubslotNumber);
               Read_Attribute(node, "SupportedRT_Class", FSupportedRT_Class);
               Read_Attribute(node, "SupportedRT_Classes", FSupportedRT_Classes);
               Read_Attribute(node, "IsochroneModeSupported", FIsochroneModeSupported);
               Read_Attribute(node, "IsochroneModeInRT_Classes", FIsochroneModeInRT_Classes);
               Read_Attribute(node, "SupportedProtocols", FSupportedProtocols);
               Read_Attribute(node, "NetworkComponentDiagnosisSupported", FNetworkComponentDiagnosisSupported);
               Read_Attribute(node, "DCP_HelloSupported", FDCP_HelloSupported);
               Read_Attribute(node, "PTP_BoundarySupported", FPTP_BoundarySupported);
               Read_Attribute(node, "DCP_BoundarySupported", FDCP_BoundarySupported);
               Read_Attribute(node, "MulticastBoundarySupported", FMulticastBoundarySupported);
               Read_Attribute(node, "ParameterizationDisallowed", FParameterizationDisallowed);
               Read_Attribute(node, "DelayMeasurementSupported", FDelayMeasurementSupported);
               Read_Attribute(node, "Writeable_IM_Records", FWriteable_IM_Records);
               Read_Attribute(node, "IM5_Supported", FIM5_Supported);
               Read_Attribute(node, "MaxFrameStartTime", FMaxFrameStartTime);
               Read_Attribute(node, "MinNRT_Gap", FMinNRT_Gap);
               Read_Attribute(node, "PDEV_CombinedObjectSupported", FPDEV_CombinedObjectSupported);
               Read_Attribute(node, "UsesStaticARP_CacheEntries", FUsesStaticARP_CacheEntries);
               return true;
           }) &&
           Read_OptionalChild(node, "General", General, &TGeneral::Read_General) &&
           Read_OptionalChild(node, "RecordDataList", RecordDataList, &TRecordDataList::Read_RecordDataList) &&
           Read_OptionalChild(node, "RT_Class3Properties", RT_Class3Properties,
                              &TRT_Class3Properties::Read_RT_Class3Properties) &&
           Read_OptionalChild(node, "SynchronisationMode", SynchronisationMode,
                              &TSynchronisationMode::Read_SynchronisationMode) &&
           Read_OptionalChild(node, "ApplicationRelations", ApplicationRelationsIntSubItem,
                              &TApplicationRelationsIntSubItem::Read_ApplicationRelationsIntSubItem) &&
           Read_OptionalChild(node, "MediaRedundancy", MediaRedundancy, &TMediaRedundancy::Read_MediaRedundancy);
}
