#include "profinet/gsdml/category_list.h"

bool TCategoryItem::Read_CategoryItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ID", FID);
        Read_Attribute(node, "TextId", FTextId);
        Read_Attribute(node, "InfoText", FInfoText);
        return true;
    });
}

bool TCategoryList::Read_CategoryList(IXMLNode node) {
    return Guarded(
        [&] { return Read_ItemList(node, "CategoryItem", CategoryList, &TCategoryItem::Read_CategoryItem); });
}
