#include "profinet/gsdml/channel_diagnosis.h"

#include "profinet/gsdml/item_reading.h"

namespace {

// What a channel error with texts holds after its attributes: "Name" (required), "Help" and
// its extended errors.
bool readTextsAndExtErrors(IXMLNode node, QString& name, QString& help, TItemList<TExtChannelDiagItem>& list) {
    return Read_NameAndHelp(node, name, help) && Read_ItemList(Child(node, "ExtChannelDiagList"), "ExtChannelDiagItem",
                                                               list, &TExtChannelDiagItem::Read_ExtChannelDiagItem);
}

}  // namespace

bool TExtChannelAddValue::Read_ExtChannelAddValue(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "Id", FId);
        Read_Attribute(node, "DataType", FDataType);
        return true;
    });
}

bool TExtChannelDiagItem::Read_ExtChannelDiagItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "ErrorType", FErrorType);
               Read_Attribute(node, "MaintenanceAlarmState", FMaintenanceAlarmState);
               return true;
           }) &&
           Read_NameAndHelp(node, FName, FHelp) &&
           Read_ItemList(Child(node, "ExtChannelAddValue"), "DataItem", ExtChannelAddValueList,
                         &TExtChannelAddValue::Read_ExtChannelAddValue);
}

bool TChannelDiagItem::Read_ChannelDiagItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "ErrorType", FErrorType);
               Read_Attribute(node, "MaintenanceAlarmState", FMaintenanceAlarmState);
               return true;
           }) &&
           readTextsAndExtErrors(node, FName, FHelp, ExtChannelDiagList);
}

bool TSystemDefinedChannelDiagItem::Read_SystemDefinedChannelDiagItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "ErrorType", FErrorType);
               return true;
           }) &&
           Read_ItemKinds(
               Child(node, "ExtChannelDiagList"),
               ItemKind("ExtChannelDiagItem", ExtChannelDiagList, &TExtChannelDiagItem::Read_ExtChannelDiagItem),
               ItemKind("ProfileExtChannelDiagItem", ExtChannelDiagList,
                        &TProfileExtChannelDiagItem::Read_ProfileExtChannelDiagItem));
}

bool TProfileExtChannelDiagItem::Read_ProfileExtChannelDiagItem(IXMLNode node) {
    return Read_SystemDefinedChannelDiagItem(node) && Guarded([&] {
               Read_Attribute(node, "API", FAPI);
               return true;
           });
}

bool TProfileChannelDiagItem::Read_ProfileChannelDiagItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "API", FAPI);
               Read_Attribute(node, "ErrorType", FErrorType);
               Read_Attribute(node, "MaintenanceAlarmState", FMaintenanceAlarmState);
               return true;
           }) &&
           readTextsAndExtErrors(node, FName, FHelp, ExtChannelDiagList);
}

bool TChannelDiagList::Read_ChannelDiagList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemKinds(node,
                              ItemKind("ChannelDiagItem", ChannelDiagItemList, &TChannelDiagItem::Read_ChannelDiagItem),
                              ItemKind("SystemDefinedChannelDiagItem", SystemDefinedChannelDiagItemList,
                                       &TSystemDefinedChannelDiagItem::Read_SystemDefinedChannelDiagItem),
                              ItemKind("ProfileChannelDiagItem", ProfileChannelDiagItemList,
                                       &TProfileChannelDiagItem::Read_ProfileChannelDiagItem));
    });
}
