#include "profinet/gsdml/media_redundancy.h"

bool TInterconnection::Read_Interconnection(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SupportedMRP_InterconnRole", FSupportedMRP_InterconnRole);
        Read_Attribute(node, "MaxMRP_InterconnInstances", FMaxMRP_InterconnInstances);
        return true;
    });
}

bool TMediaRedundancy::Read_MediaRedundancy(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "SupportedRole", FSupportedRole);
               Read_Attribute(node, "SupportedMultipleRole", FSupportedMultipleRole);
               Read_Attribute(node, "MaxMRP_Instances", FMaxMRP_Instances);
               Read_Attribute(node, "MRPD_Supported", FMRPD_Supported);
               Read_Attribute(node, "MRT_Supported", FMRT_Supported);
               Read_Attribute(node, "AdditionalProtocolsSupported", FAdditionalProtocolsSupported);
               Read_Attribute(node, "AdditionalForwardingRulesSupported", FAdditionalForwardingRulesSupported);
               return true;
           }) &&
           Read_OptionalChild(node, "Interconnection", Interconnection, &TInterconnection::Read_Interconnection);
}
