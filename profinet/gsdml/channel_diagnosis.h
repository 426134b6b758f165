#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// The channel errors a device reports, with their extended errors and added values. Nothing
// in the program reads them beyond holding the file's content.

// One added value of an extended channel error ("DataItem" inside "ExtChannelAddValue").
class TExtChannelAddValue : public TArenaObject {
public:
    bool Read_ExtChannelAddValue(IXMLNode node);

    GSDML_PROPERTY(uint8_t, Id) = 0;
    GSDML_PROPERTY(QString, DataType);
};

class TExtChannelDiagItem : public TArenaObject {
public:
    bool Read_ExtChannelDiagItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, ErrorType) = 0;
    GSDML_PROPERTY(QString, MaintenanceAlarmState);
    // Text ids.
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);

public:
    TItemList<TExtChannelAddValue> ExtChannelAddValueList;
};

class TChannelDiagItem : public TArenaObject {
public:
    bool Read_ChannelDiagItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, ErrorType) = 0;
    GSDML_PROPERTY(QString, MaintenanceAlarmState);
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);

public:
    TItemList<TExtChannelDiagItem> ExtChannelDiagList;
};

// An error type the profile defines, without texts of its own.
class TSystemDefinedChannelDiagItem : public TArenaObject {
public:
    bool Read_SystemDefinedChannelDiagItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, ErrorType) = 0;

public:
    // TExtChannelDiagItem and TProfileExtChannelDiagItem objects, in document order.
    TItemList<TObject> ExtChannelDiagList;
};

class TProfileExtChannelDiagItem : public TSystemDefinedChannelDiagItem {
public:
    bool Read_ProfileExtChannelDiagItem(IXMLNode node);

    GSDML_PROPERTY(uint32_t, API) = 0;
};

class TProfileChannelDiagItem : public TArenaObject {
public:
    bool Read_ProfileChannelDiagItem(IXMLNode node);

    GSDML_PROPERTY(uint32_t, API) = 0;
    GSDML_PROPERTY(uint16_t, ErrorType) = 0;
    GSDML_PROPERTY(QString, MaintenanceAlarmState);
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);

public:
    TItemList<TExtChannelDiagItem> ExtChannelDiagList;
};

// Each item name fills its own list.
class TChannelDiagList : public TArenaObject {
public:
    bool Read_ChannelDiagList(IXMLNode node);

    TItemList<TChannelDiagItem> ChannelDiagItemList;
    TItemList<TSystemDefinedChannelDiagItem> SystemDefinedChannelDiagItemList;
    TItemList<TProfileChannelDiagItem> ProfileChannelDiagItemList;
};
