#include "profinet/gsdml/io_data.h"

#include "profinet/gsdml/item_reading.h"

#include <QHash>
#include <vector>

namespace {

// Bytes of the data types of fixed size, names compared exactly.
const QHash<QString, int>& fixedTypeLengths() {
    static const QHash<QString, int> lengths = [] {
        const struct {
            int bytes;
            std::vector<const char*> types;
        } table[] = {
            {1, {"Integer8", "Unsigned8", "Boolean", "Unsigned8_S"}},
            {2,
             {"Integer16", "Unsigned16", "Unsigned8+Unsigned8", "Unsigned16_S", "Integer16_S", "N2", "V2", "L2", "R2",
              "T2", "D2", "E2", "X2", "Unipolar2.16"}},
            {3, {"OctetString2+Unsigned8"}},
            {4,
             {"Integer32", "Unsigned32", "Float32", "TimeOfDay without date indication",
              "TimeDifference without date indication", "F_MessageTrailer4Byte", "N4", "T4", "C4", "X4"}},
            {5, {"Float32+Status8", "Float32+Unsigned8", "F_MessageTrailer5Byte"}},
            {6, {"TimeOfDay with date indication", "TimeDifference with date indication"}},
            {7, {"Date"}},
            {8,
             {"Integer64", "Unsigned64", "Float64", "NetworkTime", "NetworkTimeDifference",
              "TimeStampDifferenceShort"}},
            {12, {"TimeStamp", "TimeStampDifference"}},
        };
        QHash<QString, int> out;
        for (const auto& row : table)
            for (const char* type : row.types) out.insert(QString::fromLatin1(type), row.bytes);
        return out;
    }();
    return lengths;
}

int lengthOf(const std::unique_ptr<TInputOutput>& half) {
    if (!half) return 0;
    int length = 0;
    for (const auto& item : half->DataItemList) length += item->GetLenData();
    return length;
}

}  // namespace

bool TBitDataItem::Read_BitDataItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "BitOffset", FBitOffset);
        Read_Attribute(node, "TextId", FTextId);
        return true;
    });
}

bool TDataItem::Read_DataItem(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "DataType", FDataType);
               Read_Attribute(node, "Length", FLength);
               Read_Attribute(node, "UseAsBits", FUseAsBits);
               Read_Attribute(node, "Subordinate", FSubordinate);
               Read_Attribute(node, "TextId", FTextId);
               return true;
           }) &&
           Read_ItemList(node, "BitDataItem", BitDataItemList, &TBitDataItem::Read_BitDataItem);
}

int TDataItem::GetLenData() const {
    // String types have no fixed size and count only through their Length.
    if (FLength != 0) return FLength;
    return fixedTypeLengths().value(FDataType, 0);
}

bool TData::Read_Data(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "BitOffset", FBitOffset);
        Read_Attribute(node, "BitLength", FBitLength);
        return true;
    });
}

bool TQuality::Read_Quality(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "BitOffset", FBitOffset);
        Read_Attribute(node, "Format", FFormat);
        Read_Attribute(node, "OppositeDirection", FOppositeDirection);
        return true;
    });
}

bool TChannel::Read_Channel(IXMLNode node) {
    const bool read = Guarded([&] {
                          Read_Attribute(node, "Number", FNumber);
                          return true;
                      }) &&
                      Read_RequiredChild(node, "Data", Data, &TData::Read_Data);
    // The quality is descriptive only: it fails nothing.
    if (read) Read_OptionalChild(node, "Quality", Quality, &TQuality::Read_Quality);
    return read;
}

bool TInputOutput::Read_InputOutput(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "Consistency", FConsistency);
               return true;
           }) &&
           Read_ItemKinds(node, ItemKind("DataItem", DataItemList, &TDataItem::Read_DataItem),
                          ItemKind("Channel", ChannelList, &TChannel::Read_Channel));
}

bool TIOData::Read_IOData(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "F_IO_StructureDescVersion", FF_IO_StructureDescVersion);
               Read_Attribute(node, "F_IO_StructureDescCRC", FF_IO_StructureDescCRC);
               return true;
           }) &&
           Read_OptionalChild(node, "Input", Input, &TInputOutput::Read_InputOutput) &&
           Read_OptionalChild(node, "Output", Output, &TInputOutput::Read_InputOutput);
}

int TIOData::Get_Input() const { return lengthOf(Input); }

int TIOData::Get_Output() const { return lengthOf(Output); }
