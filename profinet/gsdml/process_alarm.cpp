#include "profinet/gsdml/process_alarm.h"

#include "profinet/gsdml/item_reading.h"

namespace {

// The extended reasons of an item that may hold both kinds.
bool readExtReasonsOfBothKinds(IXMLNode node, TItemList<TObject>& list) {
    return Read_ItemKinds(
        Child(node, "ExtChannelProcessAlarmList"),
        ItemKind("ExtChannelProcessAlarmItem", list, &TExtChannelProcessAlarmItem::Read_ExtChannelProcessAlarmItem),
        ItemKind("ProfileExtChannelProcessAlarmItem", list,
                 &TProfileExtChannelProcessAlarmItem::Read_ProfileExtChannelProcessAlarmItem));
}

}  // namespace

bool TProcessAlarmReasonAddValue::Read_ProcessAlarmReasonAddValue(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "Id", FId);
        Read_Attribute(node, "DataType", FDataType);
        return true;
    });
}

bool TExtChannelProcessAlarmItem::Read_ExtChannelProcessAlarmItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "Reason", FReason);
               return true;
           }) &&
           Read_NameAndHelp(node, FName, FHelp) &&
           Read_ItemList(Child(node, "ProcessAlarmReasonAddValue"), "DataItem", ProcessAlarmReasonAddValueList,
                         &TProcessAlarmReasonAddValue::Read_ProcessAlarmReasonAddValue);
}

bool TChannelProcessAlarmItem::Read_ChannelProcessAlarmItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "Reason", FReason);
               return true;
           }) &&
           Read_NameAndHelp(node, FName, FHelp) &&
           Read_ItemList(Child(node, "ExtChannelProcessAlarmList"), "ExtChannelProcessAlarmItem",
                         ExtChannelProcessAlarmList, &TExtChannelProcessAlarmItem::Read_ExtChannelProcessAlarmItem);
}

bool TSystemDefinedChannelProcessAlarmItem::Read_SystemDefinedChannelProcessAlarmItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "Reason", FReason);
               return true;
           }) &&
           readExtReasonsOfBothKinds(node, ExtChannelProcessAlarmList);
}

bool TProfileExtChannelProcessAlarmItem::Read_ProfileExtChannelProcessAlarmItem(IXMLNode node) {
    return Read_SystemDefinedChannelProcessAlarmItem(node) && Guarded([&] {
               Read_Attribute(node, "API", FAPI);
               return true;
           });
}

bool TProfileChannelProcessAlarmItem::Read_ProfileChannelProcessAlarmItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "API", FAPI);
               Read_Attribute(node, "Reason", FReason);
               return true;
           }) &&
           Read_NameAndHelp(node, FName, FHelp) && readExtReasonsOfBothKinds(node, ExtChannelProcessAlarmList);
}

bool TChannelProcessAlarmList::Read_ChannelProcessAlarmList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemKinds(
            node,
            ItemKind("ChannelProcessAlarmItem", ChannelProcessAlarmItem,
                     &TChannelProcessAlarmItem::Read_ChannelProcessAlarmItem),
            ItemKind("SystemDefinedChannelProcessAlarmItem", SystemDefinedChannelProcessAlarmItem,
                     &TSystemDefinedChannelProcessAlarmItem::Read_SystemDefinedChannelProcessAlarmItem),
            ItemKind("ProfileChannelProcessAlarmItem", ProfileChannelProcessAlarmItem,
                     &TProfileChannelProcessAlarmItem::Read_ProfileChannelProcessAlarmItem));
    });
}
