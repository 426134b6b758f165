#include "profinet/gsdml/virtual_submodule.h"

bool TVirtualSubmoduleItem::Read_VirtualSubmoduleItem(IXMLNode node) {
    return Read_SubmoduleItemBase(node) && Guarded([&] {
               Read_Attribute(node, "FixedInSubslots", FFixedInSubslots);
               return true;
           });
}

bool TVirtualSubmoduleList::Read_VirtualSubmoduleList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemList(node, "VirtualSubmoduleItem", VirtualSubmoduleItelList,
                             &TVirtualSubmoduleItem::Read_VirtualSubmoduleItem);
    });
}
