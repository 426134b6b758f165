#include "profinet/gsdml/module_list.h"

bool TModuleItem::Read_ModuleItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "ID", FID);
               Read_Attribute(node, "ModuleIdentNumber", FModuleIdentNumber, 1);
               Read_Attribute(node, "RequiredSchemaVersion", FRequiredSchemaVersion);
               Read_Attribute(node, "PhysicalSubslots", FPhysicalSubslots);
               Read_Attribute(node, "FieldbusType", FFieldbusType);
               return true;
           }) &&
           Read_RequiredChild(node, "ModuleInfo", ModuleInfo, &TModuleInfo::Read_ModuleInfo) &&
           Read_OptionalChild(node, "SubslotList", SubslotList, &TSubslotList::Read_SubslotList) &&
           Read_OptionalChild(node, "VirtualSubmoduleList", VirtualSubmoduleList,
                              &TVirtualSubmoduleList::Read_VirtualSubmoduleList) &&
           Read_OptionalChild(node, "SystemDefinedSubmoduleList", SystemDefinedSubmoduleList,
                              &TSystemDefinedSubmoduleList::Read_SystemDefinedSubmoduleList) &&
           Read_OptionalChild(node, "UseableSubmodules", UseableSubmodules,
                              &TUseableSubmodules::Read_UseableSubmodules) &&
           Read_OptionalChild(node, "Graphics", Graphics, &TGraphics::Read_Graphics);
}

bool TModuleList::Read_ModuleList(IXMLNode node) {
    return Guarded([&] { return Read_ItemList(node, "ModuleItem", ModuleItemList, &TModuleItem::Read_ModuleItem); });
}

TModuleItem* TModuleList::Get_ModuleItem(const QString& Module_ID) const {
    for (const auto& item : ModuleItemList)
        if (item->ID() == Module_ID) return item.get();
    return nullptr;
}
