#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"

// The logbook entries a device may report, with their error codes. Nothing in the program
// reads them beyond holding the file's content.

class TErrorCode2Value : public TArenaObject {
public:
    bool Read_ErrorCode2Value(IXMLNode node);

    // Text ids.
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);
};

class TErrorCode2Item : public TArenaObject {
public:
    bool Read_ErrorCode2Item(IXMLNode node);

    GSDML_PROPERTY(uint8_t, ErrorCode2) = 0;
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, Help);
};

class TLogBookEntryItem : public TArenaObject {
public:
    bool Read_LogBookEntryItem(IXMLNode node);

    GSDML_PROPERTY(uint32_t, Status) = 0;

public:
    // Only when the file has the element.
    std::unique_ptr<TErrorCode2Value> ErrorCode2Value;
    // From the children of "ErrorCode2List".
    TItemList<TErrorCode2Item> ErrorCode2List;
};

class TLogBookEntryList : public TArenaObject {
public:
    bool Read_LogBookEntryList(IXMLNode node);

    TItemList<TLogBookEntryItem> LogBookEntryList;
};
