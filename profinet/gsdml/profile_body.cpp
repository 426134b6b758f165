#include "profinet/gsdml/profile_body.h"

bool TDeviceIdentity::Read_DeviceIdentity(IXMLNode node) {
    Read_Attribute(node, "VendorID", FVendorID);
    Read_Attribute(node, "DeviceID", FDeviceID, 1);
    Read_Attribute(Child(node, "InfoText"), "TextId", FInfoText);
    Read_Attribute(Child(node, "VendorName"), "Value", FVendorName);
    return true;
}

bool TFamily::Read_Family(IXMLNode node) {
    Read_Attribute(node, "MainFamily", FMainFamily);
    Read_Attribute(node, "ProductFamily", FProductFamily);
    return true;
}

bool TDeviceFunction::Read_DeviceFunction(IXMLNode node) {
    return Read_RequiredChild(node, "Family", Family, &TFamily::Read_Family);
}

bool TProfileBody::Read_ProfileBody(IXMLNode node) {
    return Read_RequiredChild(node, "DeviceIdentity", DeviceIdentity, &TDeviceIdentity::Read_DeviceIdentity) &&
           Read_RequiredChild(node, "DeviceFunction", DeviceFunction, &TDeviceFunction::Read_DeviceFunction) &&
           Read_RequiredChild(node, "ApplicationProcess", ApplicationProcess,
                              &TApplicationProcess::Read_ApplicationProcess);
}
