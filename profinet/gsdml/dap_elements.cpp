#include "profinet/gsdml/dap_elements.h"

bool TIOConfigData::Read_IOConfigData(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "MaxInputLength", FMaxInputLength);
        Read_Attribute(node, "MaxOutputLength", FMaxOutputLength);
        Read_Attribute(node, "MaxDataLength", FMaxDataLength);
        Read_Attribute(node, "ApplicationLengthIncludesIOxS", FApplicationLengthIncludesIOxS);
        Read_Attribute(node, "MaxApplicationInputLength", FMaxApplicationInputLength);
        Read_Attribute(node, "MaxApplicationOutputLength", FMaxApplicationOutputLength);
        Read_Attribute(node, "MaxApplicationDataLength", FMaxApplicationDataLength);
        return true;
    });
}

bool TCertificationInfo::Read_CertificationInfo(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ConformanceClass", FConformanceClass);
        Read_Attribute(node, "ApplicationClass", FApplicationClass);
        Read_Attribute(node, "NetloadClass", FNetloadClass);
        return true;
    });
}

bool TTimingPropertiesAppRel::Read_TimingProperties(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SendClock", FSendClock);
        Read_Attribute(node, "ReductionRatio", FReductionRatio);
        return true;
    });
}

bool TApplicationRelations::Read_ApplicationRelations(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "AR_BlockVersion", FAR_BlockVersion);
               Read_Attribute(node, "IOCR_BlockVersion", FIOCR_BlockVersion);
               Read_Attribute(node, "AlarmCR_BlockVersion", FAlarmCR_BlockVersion);
               Read_Attribute(node, "SubmoduleDataBlockVersion", FSubmoduleDataBlockVersion);
               return true;
           }) &&
           Read_OptionalChild(node, "TimingProperties", TimingProperties,
                              &TTimingPropertiesAppRel::Read_TimingProperties);
}

bool TSystemRedundancy::Read_SystemRedundancy(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "DeviceType", FDeviceType);
        Read_Attribute(node, "MaxSwitchOverTime", FMaxSwitchOverTime, 1);
        Read_Attribute(node, "PrimaryAR_OnBothNAPsSupported", FPrimaryAR_OnBothNAPsSupported);
        Read_Attribute(node, "RT_InputOnBackupAR_Supported", FRT_InputOnBackupAR_Supported);
        Read_Attribute(node, "NumberOfAR_Sets", FNumberOfAR_Sets, 1);
        Read_Attribute(node, "MinRDHT", FMinRDHT, 1);
        Read_Attribute(node, "DataInvalidOnBackupAR_Supported", FDataInvalidOnBackupAR_Supported);
        Read_Attribute(node, "S2MaxInputOnBackupDelay", FS2MaxInputOnBackupDelay, 1);
        Read_Attribute(node, "R2MaxInputOnBackupDelay", FR2MaxInputOnBackupDelay, 1);
        return true;
    });
}

bool TRequest::Read_Request(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "API", FAPI);
        Read_Attribute(node, "APStructureIdentifier", FAPStructureIdentifier);
        return true;
    });
}

bool TARVendorBlock::Read_ARVendorBlock(IXMLNode node) {
    return Guarded([&] { return Read_ItemList(node, "Request", RequestList, &TRequest::Read_Request); });
}
