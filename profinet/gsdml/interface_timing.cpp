#include "profinet/gsdml/interface_timing.h"

bool TTimingProperties::Read_TimingProperties(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SendClock", FSendClock);
        Read_Attribute(node, "ReductionRatio", FReductionRatio);
        Read_Attribute(node, "ReductionRatioPow2", FReductionRatioPow2);
        Read_Attribute(node, "PreferredSendClock", FPreferredSendClock);
        FHasSendClock = node.FindAttribute("SendClock") != nullptr;
        FHasReductionRatio = node.FindAttribute("ReductionRatio") != nullptr;
        return true;
    });
}

bool TRT_Class3TimingProperties::Read_RT_Class3TimingProperties(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SendClock", FSendClock);
        Read_Attribute(node, "ReductionRatio", FReductionRatio);
        Read_Attribute(node, "ReductionRatioPow2", FReductionRatioPow2);
        Read_Attribute(node, "MaxReductionRatioIsochroneMode", FMaxReductionRatioIsochroneMode);
        Read_Attribute(node, "PreferredSendClock", FPreferredSendClock);
        return true;
    });
}

bool TApplicationRelationsIntSubItem::Read_ApplicationRelationsIntSubItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "StartupMode", FStartupMode);
               Read_Attribute(node, "NumberOfAdditionalInputCR", FNumberOfAdditionalInputCR);
               Read_Attribute(node, "NumberOfAdditionalOutputCR", FNumberOfAdditionalOutputCR);
               Read_Attribute(node, "NumberOfAdditionalMulticastProviderCR", FNumberOfAdditionalMulticastProviderCR);
               Read_Attribute(node, "NumberOfMulticastConsumerCR", FNumberOfMulticastConsumerCR);
               Read_Attribute(node, "PullModuleAlarmSupported", FPullModuleAlarmSupported);
               Read_Attribute(node, "NumberOfAR", FNumberOfAR);
               return true;
           }) &&
           Read_OptionalChild(node, "TimingProperties", TimingProperties, &TTimingProperties::Read_TimingProperties) &&
           Read_OptionalChild(node, "RT_Class3TimingProperties", RT_Class3TimingProperties,
                              &TRT_Class3TimingProperties::Read_RT_Class3TimingProperties);
}
