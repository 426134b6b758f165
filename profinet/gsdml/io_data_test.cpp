#include "profinet/gsdml/io_data.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"

namespace {

const QString bitDataItems = QStringLiteral(LW_TESTDATA "/io_bit_data_items.xml");
const QString octetStrings = QStringLiteral(LW_TESTDATA "/io_octet_strings.xml");

// "offset:text id" of every bit of a data item.
QStringList bits(const TDataItem& item) {
    QStringList out;
    for (const auto& bit : item.BitDataItemList) out << QString::number(bit->BitOffset()) + ":" + bit->TextId();
    return out;
}

QStringList types(const TInputOutput& half) {
    QStringList out;
    for (const auto& item : half.DataItemList) out << item->DataType();
    return out;
}

TEST(IOData, NothingIsThereBeforeReading) {
    const TIOData io;
    EXPECT_EQ(io.Input, nullptr);
    EXPECT_EQ(io.Output, nullptr);
    EXPECT_EQ(io.Get_Input(), 0);
    EXPECT_EQ(io.Get_Output(), 0);
    EXPECT_EQ(io.F_IO_StructureDescVersion(), 0);
    EXPECT_EQ(io.F_IO_StructureDescCRC(), 0u);

    const TChannel channel;
    EXPECT_EQ(channel.Data.BitLength(), 0);
    EXPECT_EQ(channel.Quality, nullptr);
}

TEST(IOData, DataItemsUsedAsBitsKeepTheirBits) {
    const TTestXml fixture = TTestXml::FromFile(bitDataItems);
    TIOData io;
    ASSERT_TRUE(io.Read_IOData(fixture.SubmodulePart("Status and control", "IOData")));
    EXPECT_EQ(io.F_IO_StructureDescVersion(), 2);
    EXPECT_EQ(io.F_IO_StructureDescCRC(), 0x89ABCDEFu);  // all 32 bits of the hexadecimal form

    ASSERT_NE(io.Input, nullptr);
    EXPECT_EQ(io.Input->Consistency(), "All items consistency");
    ASSERT_EQ(io.Input->DataItemList.size(), 2u);
    const TDataItem& inputs = *io.Input->DataItemList[0];
    EXPECT_EQ(inputs.DataType(), "Unsigned8");
    EXPECT_EQ(inputs.TextId(), "IDT_Inputs");
    EXPECT_TRUE(inputs.UseAsBits());  // " true " with blanks around it
    EXPECT_FALSE(inputs.Subordinate());
    EXPECT_EQ(inputs.Length(), 0);
    // Comments and other names are passed over; an offset of 300 keeps its low byte.
    EXPECT_EQ(bits(inputs), QStringList({"0:IDT_Ready", "2:IDT_Fault", "44:IDT_Wide"}));
    const TDataItem& counter = *io.Input->DataItemList[1];
    EXPECT_FALSE(counter.UseAsBits());  // "1" is no "TRUE"
    EXPECT_TRUE(counter.Subordinate());
    EXPECT_TRUE(counter.BitDataItemList.empty());
    EXPECT_TRUE(io.Input->ChannelList.empty());

    ASSERT_NE(io.Output, nullptr);
    EXPECT_EQ(io.Output->Consistency(), "");
    ASSERT_EQ(io.Output->DataItemList.size(), 1u);
    EXPECT_EQ(bits(*io.Output->DataItemList[0]), QStringList({"7:IDT_Reset"}));

    // The bits describe their item and add nothing to the length.
    EXPECT_EQ(io.Get_Input(), 1 + 2);
    EXPECT_EQ(io.Get_Output(), 1);

    TIOData decimal;
    ASSERT_TRUE(decimal.Read_IOData(fixture.SubmodulePart("Decimal CRC", "IOData")));
    EXPECT_EQ(decimal.F_IO_StructureDescCRC(), 0u);  // above the 32-bit signed range in decimal
    EXPECT_FALSE(decimal.Input->DataItemList[0]->UseAsBits());
    EXPECT_EQ(decimal.Output, nullptr);
    EXPECT_EQ(decimal.Get_Input(), 1);
    EXPECT_EQ(decimal.Get_Output(), 0);
}

TEST(IOData, StringsCountThroughTheirLengthAndChannelsAddNothing) {
    const TTestXml fixture = TTestXml::FromFile(octetStrings);
    TIOData io;
    ASSERT_TRUE(io.Read_IOData(fixture.SubmodulePart("34 bytes in, 10 out", "IOData")));
    ASSERT_NE(io.Input, nullptr);
    ASSERT_NE(io.Output, nullptr);
    EXPECT_EQ(types(*io.Input), QStringList({"Unsigned8", "OctetString", "Float32+Status8", "OctetString"}));
    EXPECT_EQ(io.Input->DataItemList[1]->Length(), 28);
    EXPECT_EQ(io.Input->DataItemList[3]->GetLenData(), 0);  // a string without a length
    EXPECT_EQ(io.Get_Input(), 1 + 28 + 5);
    EXPECT_EQ(io.Get_Output(), 10);

    ASSERT_EQ(io.Input->ChannelList.size(), 1u);
    const TChannel& channel = *io.Input->ChannelList[0];
    EXPECT_EQ(channel.Number(), 3);
    EXPECT_EQ(channel.Data.BitOffset(), 8);
    EXPECT_EQ(channel.Data.BitLength(), 224);
    ASSERT_NE(channel.Quality, nullptr);
    EXPECT_EQ(channel.Quality->BitOffset(), 232);
    EXPECT_EQ(channel.Quality->Format(), "UnsignedQ8");
    EXPECT_TRUE(channel.Quality->OppositeDirection());

    ASSERT_EQ(io.Output->ChannelList.size(), 1u);
    const TChannel& output = *io.Output->ChannelList[0];
    EXPECT_EQ(output.Number(), 4465);  // 70001 keeps its low 16 bits
    EXPECT_EQ(output.Data.BitLength(), 0);
    EXPECT_EQ(output.Quality, nullptr);

    // A stated length wins over the type, unless it is 0; 70000 bytes count as 4464.
    TIOData lengths;
    ASSERT_TRUE(lengths.Read_IOData(fixture.SubmodulePart("Length first", "IOData")));
    EXPECT_EQ(lengths.Input->DataItemList[3]->Length(), 4464);
    EXPECT_EQ(lengths.Get_Input(), 4 + 3 + 0 + 4464);
}

TEST(IOData, AChannelWithoutDataFailsItsHalfAndStopsTheReading) {
    const TTestXml fixture = TTestXml::FromFile(octetStrings);
    TIOData io;
    EXPECT_FALSE(io.Read_IOData(fixture.SubmodulePart("Channel without data", "IOData")));
    // The half stays attached with what came before the failing channel; Output is not read.
    ASSERT_NE(io.Input, nullptr);
    EXPECT_EQ(types(*io.Input), QStringList({"Integer16"}));
    ASSERT_EQ(io.Input->ChannelList.size(), 1u);
    EXPECT_EQ(io.Input->ChannelList[0]->Number(), 1);
    EXPECT_EQ(io.Output, nullptr);
    EXPECT_EQ(io.Get_Input(), 2);

    TXMLDocument doc(nullptr);
    doc.LoadFromXML("<Channel Number=\"5\"><Quality BitOffset=\"1\"/></Channel>");
    TChannel channel;
    EXPECT_FALSE(channel.Read_Channel(doc.DocumentElement()));
    EXPECT_EQ(channel.Number(), 5);
    EXPECT_EQ(channel.Quality, nullptr);  // read only after its data
}

TEST(IOData, MissingHalvesAndEmptyHalvesCountZero) {
    const struct {
        const char* xml;
        bool input, output;
        int inputLength, outputLength;
    } cases[] = {
        {"<IOData/>", false, false, 0, 0},
        {"<IOData><Input/></IOData>", true, false, 0, 0},
        {"<IOData><!-- <Input/> --><Output><Channel><Data/></Channel></Output></IOData>", false, true, 0, 0},
        {"<IOData><Output><DataItem DataType=\"N2\"/></Output><Input><DataItem DataType=\"N4\"/></Input></IOData>",
         true, true, 4, 2},
        {"<IOData><input><DataItem DataType=\"N4\"/></input></IOData>", false, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        TXMLDocument doc(nullptr);
        doc.LoadFromXML(c.xml);
        TIOData io;
        EXPECT_TRUE(io.Read_IOData(doc.DocumentElement()));
        EXPECT_EQ(io.Input != nullptr, c.input);
        EXPECT_EQ(io.Output != nullptr, c.output);
        EXPECT_EQ(io.Get_Input(), c.inputLength);
        EXPECT_EQ(io.Get_Output(), c.outputLength);
    }
}

TEST(IOData, EachDataTypeCountsItsBytes) {
    const struct {
        const char* type;
        int bytes;
    } cases[] = {
        {"Integer8", 1},
        {"Unsigned8", 1},
        {"Boolean", 1},
        {"Unsigned8_S", 1},
        {"Integer16", 2},
        {"Unsigned16", 2},
        {"Unsigned8+Unsigned8", 2},
        {"Unsigned16_S", 2},
        {"Integer16_S", 2},
        {"N2", 2},
        {"V2", 2},
        {"L2", 2},
        {"R2", 2},
        {"T2", 2},
        {"D2", 2},
        {"E2", 2},
        {"X2", 2},
        {"Unipolar2.16", 2},
        {"OctetString2+Unsigned8", 3},
        {"Integer32", 4},
        {"Unsigned32", 4},
        {"Float32", 4},
        {"TimeOfDay without date indication", 4},
        {"TimeDifference without date indication", 4},
        {"F_MessageTrailer4Byte", 4},
        {"N4", 4},
        {"T4", 4},
        {"C4", 4},
        {"X4", 4},
        {"Float32+Status8", 5},
        {"Float32+Unsigned8", 5},
        {"F_MessageTrailer5Byte", 5},
        {"TimeOfDay with date indication", 6},
        {"TimeDifference with date indication", 6},
        {"Date", 7},
        {"Integer64", 8},
        {"Unsigned64", 8},
        {"Float64", 8},
        {"NetworkTime", 8},
        {"NetworkTimeDifference", 8},
        {"TimeStampDifferenceShort", 8},
        {"TimeStamp", 12},
        {"TimeStampDifference", 12},
        // Strings have no size of their own; names count only when written exactly.
        {"VisibleString", 0},
        {"OctetString", 0},
        {"UnicodeString8", 0},
        {"61131_STRING", 0},
        {"", 0},
        {"integer8", 0},
        {"UNSIGNED16", 0},
        {"Unsigned8 ", 0},
        {" Date", 0},
        {"Float32+status8", 0},
        {"TimeOfDay  with date indication", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        TDataItem item;
        item.SetDataType(QString::fromLatin1(c.type));
        EXPECT_EQ(item.GetLenData(), c.bytes);
        item.SetLength(9);
        EXPECT_EQ(item.GetLenData(), 9);
    }
}

}  // namespace
