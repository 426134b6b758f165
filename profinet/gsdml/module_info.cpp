#include "profinet/gsdml/module_info.h"

namespace {

// A required child's attribute; the attribute itself may be missing.
bool Read_RequiredChildAttribute(IXMLNode node, const char* child, const char* name, QString& field) {
    const IXMLNode element = Child(node, child);
    Read_Attribute(element, name, field);
    return bool(element);
}

}  // namespace

bool TModuleInfo::Read_ModuleInfo(IXMLNode node) {
    const bool attributes = Guarded([&] {
        Read_Attribute(node, "CategoryRef", FCategoryRef);
        Read_Attribute(node, "SubCategory1Ref", FSubCategory1Ref);
        return true;
    });
    if (!attributes || !Read_RequiredChildAttribute(node, "Name", "TextId", FName) ||
        !Read_RequiredChildAttribute(node, "InfoText", "TextId", FInfoText))
        return false;
    Read_Attribute(Child(node, "VendorName"), "Value", FVendorName);
    Read_Attribute(Child(node, "OrderNumber"), "Value", FOrderNumber);
    Read_Attribute(Child(node, "HardwareRelease"), "Value", FHardwareRelease);
    Read_Attribute(Child(node, "SoftwareRelease"), "Value", FSoftwareRelease);
    return Read_OptionalChild(node, "Family", Family, &TFamily::Read_Family);
}
