#pragma once

#include <memory>

#include "profinet/gsdml/f_parameter.h"
#include "profinet/gsdml/gsdml_reading.h"

// One parameter inside a record: where it lies, its type, default and allowed values, and
// the value list that names its values. Values stay texts as written.
class TRecordDataReference : public TArenaObject {
public:
    bool Read_RecordDataReference(IXMLNode node);

    GSDML_PROPERTY(QString, ID);
    GSDML_PROPERTY(QString, TextId);
    GSDML_PROPERTY(QString, ValueItemTarget);
    GSDML_PROPERTY(uint32_t, ByteOffset) = 0;
    GSDML_PROPERTY(int32_t, BitOffset) = 0;
    GSDML_PROPERTY(QString, DataType);
    GSDML_PROPERTY(uint16_t, Length) = 0;
    GSDML_PROPERTY(int32_t, BitLength) = 0;
    GSDML_PROPERTY(QString, DefaultValue);
    GSDML_PROPERTY(QString, AllowedValues);
    GSDML_PROPERTY(bool, Changeable) = true;
    GSDML_PROPERTY(bool, Visible) = true;
};

// A parameter record the controller writes to the submodule. Name holds a text id; ConstData
// the constant bytes as written, placed at ByteOffset.
class TParameterRecordDataItem : public TArenaObject {
public:
    bool Read_ParameterRecordDataItem(IXMLNode node);

    TItemList<TRecordDataReference> RecordDataReferenceList;

    GSDML_PROPERTY(uint16_t, Index_) = 0;
    GSDML_PROPERTY(uint16_t, TransferSequence) = 0;
    GSDML_PROPERTY(bool, ChangeableWithBump) = false;
    GSDML_PROPERTY(int32_t, Length) = 0;
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, ConstData);
    GSDML_PROPERTY(int32_t, ByteOffset) = 0;
};

// A submodule's parameter records, and the PROFIsafe record of a safety submodule.
class TRecordDataList : public TArenaObject {
public:
    bool Read_RecordDataList(IXMLNode node);

    TItemList<TParameterRecordDataItem> ParameterRecordDataItemList;
    std::unique_ptr<TF_ParameterRecordDataItem> F_ParameterRecordDataItem;
};
