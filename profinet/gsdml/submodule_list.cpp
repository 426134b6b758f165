#include "profinet/gsdml/submodule_list.h"

#include "profinet/gsdml/item_reading.h"

namespace {

// The two kinds share no base that holds the ID.
QString idOf(const TObject* item) {
    if (const auto* submodule = dynamic_cast<const TSubmoduleItem*>(item)) return submodule->ID();
    if (const auto* port = dynamic_cast<const TPortSubmoduleItem*>(item)) return port->ID();
    return QString();
}

}  // namespace

bool TSubmoduleItem::Read_SubmoduleItem(IXMLNode node) {
    return Read_SubmoduleItemBase(node) && Guarded([&] {
               Read_Attribute(node, "RequiredSchemaVersion", FRequiredSchemaVersion);
               return true;
           });
}

bool TSubmoduleList::Read_SubModuleList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemKinds(
            node, ItemKind("SubmoduleItem", SubmoduleList, &TSubmoduleItem::Read_SubmoduleItem),
            ItemKind("PortSubmoduleItem", SubmoduleList, &TPortSubmoduleItem::Read_PortSubmoduleItem));
    });
}

TObject* TSubmoduleList::Get_SubmoduleItem(const QString& Submodule_ID) const {
    for (const auto& item : SubmoduleList)
        if (idOf(item.get()) == Submodule_ID) return item.get();
    return nullptr;
}
