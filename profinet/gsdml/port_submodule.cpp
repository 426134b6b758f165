#include "profinet/gsdml/port_submodule.h"

bool TMAUTypeItem::Read_MAUTypeItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "Value", FValue);
        Read_Attribute(node, "Extension", FExtension);
        Read_Attribute(node, "AdjustSupported", FAdjustSupported);
        return true;
    });
}

bool TMAUTypeList::Read_MAUTypeList(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "ExtensionSupported", FExtensionSupported);
               return true;
           }) &&
           Read_ItemList(node, "MAUTypeItem", MAUTypeItemList, &TMAUTypeItem::Read_MAUTypeItem);
}

bool TPortSubmoduleItemBase::Read_PortSubmoduleItemBase(IXMLNode node) {
    const bool attributes = Guarded([&] {
        Read_Attribute(node, "ID", FID);
        Read_Attribute(node, "SubmoduleIdentNumber", FSubmoduleIdentNumber);
        Read_Attribute(node, "MAUType", FMAUType);
        Read_Attribute(node, "MAUTypes", FMAUTypes);
        Read_Attribute(node, "FiberOpticTypes", FFiberOpticTypes);
        Read_StrictAttribute(node, "MaxPortTxDelay", FMaxPortTxDelay);
        Read_StrictAttribute(node, "MaxPortRxDelay", FMaxPortRxDelay);
        Read_Attribute(node, "PortDeactivationSupported", FPortDeactivationSupported);
        Read_Attribute(node, "LinkStateDiagnosisCapability", FLinkStateDiagnosisCapability);
        Read_Attribute(node, "PowerBudgetControlSupported", FPowerBudgetControlSupported);
        Read_Attribute(node, "SupportsRingportConfig", FSupportsRingportConfig);
        Read_Attribute(node, "IsDefaultRingport", FIsDefaultRingport);
        Read_Attribute(node, "SupportsMRP_InterconnPortConfig", FSupportsMRP_InterconnPortConfig);
        Read_Attribute(node, "ParameterizationDisallowed", FParameterizationDisallowed);
        Read_Attribute(node, "Writeable_IM_Records", FWriteable_IM_Records);
        Read_Attribute(node, "IM5_Supported", FIM5_Supported);
        Read_Attribute(node, "CheckMAUTypeSupported", FCheckMAUTypeSupported);
        Read_Attribute(node, "CheckMAUTypeDifferenceSupported", FCheckMAUTypeDifferenceSupported);
        Read_Attribute(node, "ShortPreamble100MBitSupported", FShortPreamble100MBitSupported);
        return true;
    });
    if (!attributes) return false;
    // What the lists could read is kept; a list that fails does not fail the port.
    Read_OptionalChild(node, "MAUTypeList", MAUTypeList, &TMAUTypeList::Read_MAUTypeList);
    Read_OptionalChild(node, "RecordDataList", RecordDataList, &TRecordDataList::Read_RecordDataList);
    return true;
}

bool TPortSubmoduleItem::Read_PortSubmoduleItem(IXMLNode node) {
    return Read_PortSubmoduleItemBase(node) && Guarded([&] {
               Read_Attribute(node, "SubslotNumber", FSubslotNumber);
               Read_Attribute(node, "TextId", FTextId);
               return true;
           });
}
