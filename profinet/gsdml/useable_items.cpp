#include "profinet/gsdml/useable_items.h"

bool TModulesItemRef::Read_ModulesItemRef(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ModuleItemTarget", FModuleItemTarget);
        Read_Attribute(node, "AllowedInSlots", FAllowedInSlots);
        Read_Attribute(node, "UsedInSlots", FUsedInSlots);
        Read_Attribute(node, "FixedInSlots", FFixedInSlots);
        return true;
    });
}

bool TUseableModules::Read_UseableModules(IXMLNode node) {
    return Guarded(
        [&] { return Read_ItemList(node, "ModuleItemRef", ModuleItemRefList, &TModulesItemRef::Read_ModulesItemRef); });
}

bool TSubmoduleItemRef::Read_SubmoduleItemRef(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SubmoduleItemTarget", FSubmoduleItemTarget);
        Read_Attribute(node, "AllowedInSubslots", FAllowedInSubslots);
        Read_Attribute(node, "UsedInSubslots", FUsedInSubslots);
        Read_Attribute(node, "FixedInSubslots", FFixedInSubslots);
        return true;
    });
}

bool TUseableSubmodules::Read_UseableSubmodules(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemList(node, "SubmoduleItemRef", SubmoduleItemRefList, &TSubmoduleItemRef::Read_SubmoduleItemRef);
    });
}
