#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// The names and numbers of the slots and subslots of an access point or module, its slot
// groups and the slots it keeps for fieldbus integration. The slot texts are value lists
// kept as written; the network editor parses the ones it uses.

class TSlotItem : public TArenaObject {
public:
    bool Read_SlotItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, SlotNumber) = 0;
    GSDML_PROPERTY(QString, TextId);
};

class TSlotList : public TArenaObject {
public:
    bool Read_SlotList(IXMLNode node);

    TItemList<TSlotItem> SlotItemList;
};

class TSubslotItem : public TArenaObject {
public:
    bool Read_SubSlotItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, SubslotNumber) = 0;
    GSDML_PROPERTY(QString, TextId);
};

class TSubslotList : public TArenaObject {
public:
    // Unlike the other lists it contains no error: one passes on to its caller.
    bool Read_SubslotList(IXMLNode node);

    TItemList<TSubslotItem> SubslotItemList;
};

// Name and InfoText are attributes of the element itself here, not the text ids of child
// elements as in a module information; nothing reads them.
class TSlotGroup : public TArenaObject {
public:
    bool Read_SlotGroup(IXMLNode node);

    GSDML_PROPERTY(QString, SlotList);
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, InfoText);
};

class TSlotGroups : public TArenaObject {
public:
    bool Read_SlotGroups(IXMLNode node);

    TItemList<TSlotGroup> SlotGroupList;
};

// MaxSupported reads 1, not 0, when its text is no number.
class TFieldbusIntegrationSlots : public TArenaObject {
public:
    bool Read_FieldbusIntegrationSlots(IXMLNode node);

    GSDML_PROPERTY(uint16_t, MaxSupported) = 1;
    GSDML_PROPERTY(QString, Range);
};
