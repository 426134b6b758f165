#include "profinet/gsdml/system_defined_submodules.h"

bool TSystemDefinedSubmoduleList::Read_SystemDefinedSubmoduleList(IXMLNode node) {
    return Read_RequiredChild(node, "InterfaceSubmoduleItem", InterfaceSubmoduleItem,
                              &TInterfaceSubmoduleItem::Read_InterfaceSubmoduleItem) &&
           Read_ItemList(node, "PortSubmoduleItem", PortSubmoduleItemList, &TPortSubmoduleItem::Read_PortSubmoduleItem);
}
