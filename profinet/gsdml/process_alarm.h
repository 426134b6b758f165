#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// The process-alarm reasons a device reports, with their extended reasons and added values.
// Nothing in the program reads them beyond holding the file's content.

// One added value of an extended reason ("DataItem" inside "ProcessAlarmReasonAddValue").
class TProcessAlarmReasonAddValue : public TArenaObject {
public:
    bool Read_ProcessAlarmReasonAddValue(IXMLNode node);

    GSDML_PROPERTY(uint8_t, Id) = 0;
    GSDML_PROPERTY(QString, DataType);
};

// Its fields are public as well as its properties.
class TExtChannelProcessAlarmItem : public TArenaObject {
public:
    bool Read_ExtChannelProcessAlarmItem(IXMLNode node);

    uint16_t Reason() const { return FReason; }
    void SetReason(uint16_t value) { FReason = value; }
    const QString& Name() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    const QString& Help() const { return FHelp; }
    void SetHelp(const QString& value) { FHelp = value; }

    uint16_t FReason = 0;
    // Text ids.
    QString FName;
    QString FHelp;
    TItemList<TProcessAlarmReasonAddValue> ProcessAlarmReasonAddValueList;
};

class TChannelProcessAlarmItem : public TArenaObject {
public:
    bool Read_ChannelProcessAlarmItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, Reason) = 0;
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);

public:
    TItemList<TExtChannelProcessAlarmItem> ExtChannelProcessAlarmList;
};

// A reason the profile defines, without texts of its own.
class TSystemDefinedChannelProcessAlarmItem : public TArenaObject {
public:
    bool Read_SystemDefinedChannelProcessAlarmItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, Reason) = 0;

public:
    // TExtChannelProcessAlarmItem and TProfileExtChannelProcessAlarmItem objects, in document
    // order, as in the profile's own process alarm items.
    TItemList<TObject> ExtChannelProcessAlarmList;
};

class TProfileExtChannelProcessAlarmItem : public TSystemDefinedChannelProcessAlarmItem {
public:
    bool Read_ProfileExtChannelProcessAlarmItem(IXMLNode node);

    GSDML_PROPERTY(uint32_t, API) = 0;
};

class TProfileChannelProcessAlarmItem : public TArenaObject {
public:
    bool Read_ProfileChannelProcessAlarmItem(IXMLNode node);

    GSDML_PROPERTY(uint32_t, API) = 0;
    GSDML_PROPERTY(uint16_t, Reason) = 0;
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);

public:
    // TExtChannelProcessAlarmItem and TProfileExtChannelProcessAlarmItem objects, in document
    // order.
    TItemList<TObject> ExtChannelProcessAlarmList;
};

// Each item name fills its own list.
class TChannelProcessAlarmList : public TArenaObject {
public:
    bool Read_ChannelProcessAlarmList(IXMLNode node);

    TItemList<TChannelProcessAlarmItem> ChannelProcessAlarmItem;
    TItemList<TSystemDefinedChannelProcessAlarmItem> SystemDefinedChannelProcessAlarmItem;
    TItemList<TProfileChannelProcessAlarmItem> ProfileChannelProcessAlarmItem;
};
