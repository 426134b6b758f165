#include "profinet/gsdml/slot_list.h"

bool TSlotItem::Read_SlotItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SlotNumber", FSlotNumber);
        Read_Attribute(node, "TextId", FTextId);
        return true;
    });
}

bool TSlotList::Read_SlotList(IXMLNode node) {
    return Guarded([&] { return Read_ItemList(node, "SlotItem", SlotItemList, &TSlotItem::Read_SlotItem); });
}

bool TSubslotItem::Read_SubSlotItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SubslotNumber", FSubslotNumber);
        Read_Attribute(node, "TextId", FTextId);
        return true;
    });
}

bool TSubslotList::Read_SubslotList(IXMLNode node) {
    return Read_ItemList(node, "SubslotItem", SubslotItemList, &TSubslotItem::Read_SubSlotItem);
}

bool TSlotGroup::Read_SlotGroup(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "SlotList", FSlotList);
        Read_Attribute(node, "Name", FName);
        Read_Attribute(node, "InfoText", FInfoText);
        return true;
    });
}

bool TSlotGroups::Read_SlotGroups(IXMLNode node) {
    return Guarded([&] { return Read_ItemList(node, "SlotGroup", SlotGroupList, &TSlotGroup::Read_SlotGroup); });
}

bool TFieldbusIntegrationSlots::Read_FieldbusIntegrationSlots(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "MaxSupported", FMaxSupported, 1);
        Read_Attribute(node, "Range", FRange);
        return true;
    });
}
