#include <gtest/gtest.h>

#include "profinet/gsdml/io_data.h"
#include "profinet/gsdml/parameter_record.h"
#include "profinet/gsdml/element_test_support.h"

// The IO data and parameter records of the shared device descriptions, found through the XML
// layer until the submodule classes read them in their place.

namespace {

const QString vendorFolder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
const QString abb = QStringLiteral("GSDML-V2.25-ABB-FENA-20130603.xml");
const QString hilscher = QStringLiteral("GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml");
const QString leuze = QStringLiteral("GSDML-V2.41-LEUZE-BCL248i-20211213.xml");

TEST(SubmoduleData, EveryIODataAndRecordListOfTheSharedFilesReads) {
    const struct {
        QString file;
        int ioData, recordLists, records;
    } files[] = {
        {abb, 10, 6, 6},
        {hilscher, 25, 0, 0},
        {leuze, 58, 33, 33},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file.toStdString());
        const TTestXml fixture = TTestXml::FromFile(vendorFolder + f.file);
        int ioData = 0, recordLists = 0, records = 0;
        for (const IXMLNode& node : fixture.Elements("IOData")) {
            TIOData io;
            EXPECT_TRUE(io.Read_IOData(node));
            ++ioData;
        }
        for (const IXMLNode& node : fixture.Elements("RecordDataList")) {
            TRecordDataList list;
            EXPECT_TRUE(list.Read_RecordDataList(node));
            EXPECT_EQ(list.F_ParameterRecordDataItem, nullptr);
            records += int(list.ParameterRecordDataItemList.size());
            ++recordLists;
        }
        EXPECT_EQ(ioData, f.ioData);
        EXPECT_EQ(recordLists, f.recordLists);
        EXPECT_EQ(records, f.records);
    }
}

// Lengths summed by hand from the data items each submodule lists in its file.
TEST(SubmoduleData, CyclicLengthsOfSharedSubmodules) {
    const struct {
        QString file;
        const char* submodule;
        int input, output;
    } cases[] = {
        {abb, "FENA_DAP_V1", 0, 0},                        // <IOData />
        {abb, "ID_SUBMOD_PPO4", 6 * 2, 6 * 2},             // Unsigned16 each way
        {abb, "ID_STD_STD_TGM2_1", 2 + 4 + 2, 2 + 4 + 2},  // Unsigned16, Unsigned32, Unsigned16
        {hilscher, "256byteinput", 256, 0},                // OctetString of Length 256
        {hilscher, "3byteoutput", 0, 3},
        {leuze, "ID_SUB_DecodingResult_28Byte", 1 + 1 + 28, 0},  // bits, length, OctetString 28
        {leuze, "ID_SUB_DeviceStatus", 1, 1},                    // Unsigned8 in, Unsigned8 as bits out
        {leuze, "ID_SUB_MscanMasterParam1", 1 + 4, 0},           // Unsigned8, Unsigned32
        {leuze, "ID_SUB_StatusAndControlSWIO", 1 + 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.submodule);
        const TTestXml fixture = TTestXml::FromFile(vendorFolder + c.file);
        TIOData io;
        ASSERT_TRUE(io.Read_IOData(fixture.SubmodulePart(c.submodule, "IOData")));
        EXPECT_EQ(io.Get_Input(), c.input);
        EXPECT_EQ(io.Get_Output(), c.output);
    }
}

TEST(SubmoduleData, RecordsOfSharedSubmodules) {
    const TTestXml fenaFile = TTestXml::FromFile(vendorFolder + abb);
    TRecordDataList fena;
    ASSERT_TRUE(fena.Read_RecordDataList(fenaFile.SubmodulePart("ID_STD_STD_TGM2_1", "RecordDataList")));
    ASSERT_EQ(fena.ParameterRecordDataItemList.size(), 1u);
    const TParameterRecordDataItem& telegram = *fena.ParameterRecordDataItemList[0];
    EXPECT_EQ(telegram.Index_(), 1);
    EXPECT_EQ(telegram.Length(), 10);
    EXPECT_EQ(telegram.Name(), "T_ID_STD_STD_TGM1_PARAMETERS");
    EXPECT_EQ(telegram.ConstData(), "");
    ASSERT_EQ(telegram.RecordDataReferenceList.size(), 5u);
    const TRecordDataReference& speed = *telegram.RecordDataReferenceList[3];
    EXPECT_EQ(speed.DataType(), "Unsigned32");
    EXPECT_EQ(speed.ByteOffset(), 4u);
    EXPECT_EQ(speed.AllowedValues(), "0..4294967295");
    EXPECT_EQ(speed.TextId(), "T_ID_STD_STD_TGM1_FS_NSOLLB");
    EXPECT_EQ(telegram.RecordDataReferenceList[0]->ValueItemTarget(), "VI_ID_STOP_ACTION_VALUE_SEL");

    const TTestXml scannerFile = TTestXml::FromFile(vendorFolder + leuze);
    TRecordDataList dap;
    ASSERT_TRUE(dap.Read_RecordDataList(scannerFile.SubmodulePart("DAP", "RecordDataList")));
    ASSERT_EQ(dap.ParameterRecordDataItemList.size(), 1u);
    const TParameterRecordDataItem& general = *dap.ParameterRecordDataItemList[0];
    EXPECT_EQ(general.Index_(), 0);
    EXPECT_EQ(general.Length(), 33);
    EXPECT_EQ(general.Name(), "DAP_RECORD_NAME_DAP_Parameter");
    EXPECT_EQ(general.ByteOffset(), 0);
    EXPECT_EQ(general.ConstData().count(','), 32);  // 33 bytes as written
    EXPECT_TRUE(general.ConstData().startsWith("0x00,0x01,0x0A,"));
    ASSERT_EQ(general.RecordDataReferenceList.size(), 41u);
    const TRecordDataReference& profile = *general.RecordDataReferenceList[0];
    EXPECT_FALSE(profile.Changeable());
    EXPECT_TRUE(profile.Visible());
    const TRecordDataReference& codetype = *general.RecordDataReferenceList[1];
    EXPECT_EQ(codetype.DataType(), "BitArea");
    EXPECT_EQ(codetype.BitLength(), 6);
    EXPECT_EQ(codetype.AllowedValues(), "0..3 6..8 10..15");
    const TRecordDataReference& mode = *general.RecordDataReferenceList[2];
    EXPECT_EQ(mode.DataType(), "Bit");
    EXPECT_EQ(mode.ByteOffset(), 2u);
    EXPECT_EQ(mode.BitOffset(), 6);
    EXPECT_EQ(mode.BitLength(), 0);
}

}  // namespace
