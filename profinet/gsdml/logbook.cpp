#include "profinet/gsdml/logbook.h"

#include "profinet/gsdml/item_reading.h"

bool TErrorCode2Value::Read_ErrorCode2Value(IXMLNode node) { return Read_NameAndHelp(node, FName, FHelp); }

bool TErrorCode2Item::Read_ErrorCode2Item(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "ErrorCode2", FErrorCode2);
               return true;
           }) &&
           Read_NameAndHelp(node, FName, FHelp);
}

bool TLogBookEntryItem::Read_LogBookEntryItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "Status", FStatus);
               return true;
           }) &&
           Read_OptionalChild(node, "ErrorCode2Value", ErrorCode2Value, &TErrorCode2Value::Read_ErrorCode2Value) &&
           Guarded([&] {
               return Read_ItemList(Child(node, "ErrorCode2List"), "ErrorCode2Item", ErrorCode2List,
                                    &TErrorCode2Item::Read_ErrorCode2Item);
           });
}

bool TLogBookEntryList::Read_LogBookEntryList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemList(node, "LogBookEntryItem", LogBookEntryList, &TLogBookEntryItem::Read_LogBookEntryItem);
    });
}
