#include "profinet/gsdml/unit_diagnosis.h"

#include "profinet/gsdml/item_reading.h"

bool TValueItemReference::Read_ValueItemReference(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ValueItemTarget", FValueItemTarget);
        Read_Attribute(node, "ByteOffset", FByteOffset);
        Read_Attribute(node, "BitOffset", FBitOffset);
        Read_Attribute(node, "BitLength", FBitLength);
        Read_Attribute(node, "TextId", FTextId);
        Read_Attribute(node, "Length", FLength);
        Read_Attribute(node, "DataType", FDataType);
        Read_Attribute(node, "DefaultValue", FDefaultValue);
        return true;
    });
}

bool TUnitDiagTypeItem::Read_UnitDiagTypeItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "UserStructureIdentifier", FUserStructureIdentifier);
               return true;
           }) &&
           Read_NameAndHelp(node, FName, FHelp, false) && Guarded([&] {
               return Read_ItemList(node, "Ref", ValueItemReferenceList, &TValueItemReference::Read_ValueItemReference);
           });
}

bool TProfileUnitDiagTypeItem::Read_ProfileUnitDiagTypeItem(IXMLNode node) {
    return Read_UnitDiagTypeItem(node) && Guarded([&] {
               Read_Attribute(node, "API", FAPI);
               return true;
           });
}

bool TUnitDiagTypeList::Read_UnitDiagTypeList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemKinds(node,
                              ItemKind("UnitDiagTypeItem", UnitDiagTypeList, &TUnitDiagTypeItem::Read_UnitDiagTypeItem),
                              ItemKind("ProfileUnitDiagTypeItem", UnitDiagTypeList,
                                       &TProfileUnitDiagTypeItem::Read_ProfileUnitDiagTypeItem));
    });
}
