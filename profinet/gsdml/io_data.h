#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"

// One described bit of a data item used as bits.
class TBitDataItem : public TArenaObject {
public:
    bool Read_BitDataItem(IXMLNode node);

    GSDML_PROPERTY(uint8_t, BitOffset) = 0;
    GSDML_PROPERTY(QString, TextId);
};

// One item of cyclic data; its byte length comes from Length or else from its data type.
class TDataItem : public TArenaObject {
public:
    bool Read_DataItem(IXMLNode node);

    // Length when it is not 0, else the size of DataType; 0 for types of no fixed size.
    int GetLenData() const;

    TItemList<TBitDataItem> BitDataItemList;

    GSDML_PROPERTY(QString, DataType);
    GSDML_PROPERTY(uint16_t, Length) = 0;
    GSDML_PROPERTY(bool, UseAsBits) = false;
    GSDML_PROPERTY(bool, Subordinate) = false;
    GSDML_PROPERTY(QString, TextId);
};

// Where a channel's value lies in the data.
class TData : public TArenaObject {
public:
    bool Read_Data(IXMLNode node);

    GSDML_PROPERTY(uint16_t, BitOffset) = 0;
    GSDML_PROPERTY(uint16_t, BitLength) = 0;
};

// Where a channel's quality bits lie.
class TQuality : public TArenaObject {
public:
    bool Read_Quality(IXMLNode node);

    GSDML_PROPERTY(uint16_t, BitOffset) = 0;
    GSDML_PROPERTY(QString, Format);
    GSDML_PROPERTY(bool, OppositeDirection) = false;
};

class TChannel : public TArenaObject {
public:
    bool Read_Channel(IXMLNode node);

    TData Data;
    std::unique_ptr<TQuality> Quality;

    GSDML_PROPERTY(uint16_t, Number) = 0;
};

// One half of the cyclic data, "Input" or "Output".
class TInputOutput : public TArenaObject {
public:
    bool Read_InputOutput(IXMLNode node);

    TItemList<TDataItem> DataItemList;
    TItemList<TChannel> ChannelList;

    GSDML_PROPERTY(QString, Consistency);
};

// A submodule's cyclic data. The lengths of its halves size the device's cyclic data, so
// they count byte for byte as the data items state them.
class TIOData : public TArenaObject {
public:
    bool Read_IOData(IXMLNode node);

    // The byte length of each half: the sum of its data items; 0 when the half is missing.
    int Get_Input() const;
    int Get_Output() const;

    std::unique_ptr<TInputOutput> Input;
    std::unique_ptr<TInputOutput> Output;

    GSDML_PROPERTY(uint8_t, F_IO_StructureDescVersion) = 0;
    GSDML_PROPERTY(uint32_t, F_IO_StructureDescCRC) = 0;
};
