#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// Manufacturer-specific diagnosis blocks and where their values sit. Nothing in the program
// reads them beyond holding the file's content.

// One value of a diagnosis block ("Ref" inside a unit diagnosis item).
class TValueItemReference : public TArenaObject {
public:
    bool Read_ValueItemReference(IXMLNode node);

    GSDML_PROPERTY(QString, ValueItemTarget);
    GSDML_PROPERTY(uint32_t, ByteOffset) = 0;
    GSDML_PROPERTY(uint32_t, BitOffset) = 0;
    GSDML_PROPERTY(uint32_t, BitLength) = 0;
    GSDML_PROPERTY(QString, TextId);
    GSDML_PROPERTY(uint16_t, Length) = 0;
    GSDML_PROPERTY(QString, DataType);
    GSDML_PROPERTY(QString, DefaultValue);
};

class TUnitDiagTypeItem : public TArenaObject {
public:
    bool Read_UnitDiagTypeItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, UserStructureIdentifier) = 0;
    // Text ids; both optional.
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);

public:
    // From the item's own children "Ref".
    TItemList<TValueItemReference> ValueItemReferenceList;
};

class TProfileUnitDiagTypeItem : public TUnitDiagTypeItem {
public:
    bool Read_ProfileUnitDiagTypeItem(IXMLNode node);

    GSDML_PROPERTY(uint32_t, API) = 0;
};

class TUnitDiagTypeList : public TArenaObject {
public:
    bool Read_UnitDiagTypeList(IXMLNode node);

    // TUnitDiagTypeItem and TProfileUnitDiagTypeItem objects, in document order.
    TItemList<TUnitDiagTypeItem> UnitDiagTypeList;
};
