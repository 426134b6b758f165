#include "profinet/gsdml/value_list.h"

bool TAssign::Read_Assign(IXMLNode Assig) {
    return Guarded([&] {
        Read_Attribute(Assig, "TextId", FTextId);
        Read_Attribute(Assig, "Content", FContent);
        return true;
    });
}

bool TValueItem::Read_ValueItem(IXMLNode ValItem) {
    if (!Guarded([&] {
            Read_Attribute(ValItem, "ID", FID);
            return true;
        }))
        return false;
    Read_Attribute(Child(ValItem, "Help"), "TextId", FHelp);
    return Read_ItemList(Child(ValItem, "Assignments"), "Assign", AssignmentsList, &TAssign::Read_Assign);
}

bool TValueList::Read_ValueList(IXMLNode ValList) {
    return Guarded([&] { return Read_ItemList(ValList, "ValueItem", ValueItemList, &TValueItem::Read_ValueItem); });
}
