#include "profinet/gsdml/parameter_record.h"

bool TRecordDataReference::Read_RecordDataReference(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ID", FID);
        Read_Attribute(node, "TextId", FTextId);
        Read_Attribute(node, "ValueItemTarget", FValueItemTarget);
        Read_Attribute(node, "ByteOffset", FByteOffset);
        Read_Attribute(node, "BitOffset", FBitOffset);
        Read_Attribute(node, "DataType", FDataType);
        Read_Attribute(node, "Length", FLength);
        Read_Attribute(node, "BitLength", FBitLength);
        Read_Attribute(node, "DefaultValue", FDefaultValue);
        Read_Attribute(node, "AllowedValues", FAllowedValues);
        Read_Attribute(node, "Changeable", FChangeable);
        Read_Attribute(node, "Visible", FVisible);
        return true;
    });
}

bool TParameterRecordDataItem::Read_ParameterRecordDataItem(IXMLNode node) {
    // Name and Const are optional and read from their first element only.
    return Guarded([&] {
               Read_Attribute(node, "Index", FIndex_);
               Read_Attribute(node, "TransferSequence", FTransferSequence);
               Read_Attribute(node, "ChangeableWithBump", FChangeableWithBump);
               Read_Attribute(node, "Length", FLength);
               return true;
           }) &&
           Guarded([&] {
               Read_Attribute(Child(node, "Name"), "TextId", FName);
               return true;
           }) &&
           Guarded([&] {
               const IXMLNode constant = Child(node, "Const");
               Read_Attribute(constant, "Data", FConstData);
               Read_Attribute(constant, "ByteOffset", FByteOffset);
               return true;
           }) &&
           Read_ItemList(node, "Ref", RecordDataReferenceList, &TRecordDataReference::Read_RecordDataReference);
}

bool TRecordDataList::Read_RecordDataList(IXMLNode node) {
    // The PROFIsafe record's own result is not taken: a safety record that misses one of its
    // parameters keeps what it read and fails nothing.
    return Guarded([&] {
               Read_OptionalChild(node, "F_ParameterRecordDataItem", F_ParameterRecordDataItem,
                                  &TF_ParameterRecordDataItem::Read_F_ParameterRecordDataItem);
               return true;
           }) &&
           Read_ItemList(node, "ParameterRecordDataItem", ParameterRecordDataItemList,
                         &TParameterRecordDataItem::Read_ParameterRecordDataItem);
}
