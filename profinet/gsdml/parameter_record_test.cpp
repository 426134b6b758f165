#include "profinet/gsdml/parameter_record.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <type_traits>

#include "profinet/gsdml/element_test_support.h"

namespace {

const QString refConst = QStringLiteral(LW_TESTDATA "/record_ref_const.xml");
const QString fParameters = QStringLiteral(LW_TESTDATA "/record_f_parameters.xml");

QString flag(bool value) { return value ? "T" : "F"; }

template <class T>
QString text(const T& value) {
    if constexpr (std::is_same_v<T, QString>)
        return value;
    else
        return QString::number(value);
}

// Every field of a parameter, "|"-separated in the order the file names them.
QString fields(const TRecordDataReference& r) {
    return QStringList({r.ID(), r.TextId(), r.ValueItemTarget(), text(r.ByteOffset()), text(r.BitOffset()),
                        r.DataType(), text(r.Length()), text(r.BitLength()), r.DefaultValue(), r.AllowedValues(),
                        flag(r.Changeable()), flag(r.Visible())})
        .join('|');
}

QStringList fields(const TParameterRecordDataItem& record) {
    QStringList out;
    for (const auto& r : record.RecordDataReferenceList) out << fields(*r);
    return out;
}

// "default|allowed|changeable|visible" of one F-parameter.
template <class P>
QString fields(const P& p) {
    return QStringList({text(p.DefaultValue()), p.AllowedValues(), flag(p.Changeable()), flag(p.Visible())}).join('|');
}

// The twelve F-parameters in file order; "-" for an optional one that does not exist.
QStringList fields(const TF_ParameterRecordDataItem& f) {
    const auto optional = [](const auto& p) { return p ? fields(*p) : QStringLiteral("-"); };
    return {fields(f.F_Check_iPar),  fields(f.F_SIL),          fields(f.F_CRC_Length),
            optional(f.F_CRC_Seed),  optional(f.F_Passivation), fields(f.F_Block_ID),
            fields(f.F_Par_Version), fields(f.F_Source_Add),   fields(f.F_Dest_Add),
            fields(f.F_WD_Time),     fields(f.F_Par_CRC),      optional(f.F_iPar_CRC)};
}

// Each F-parameter as it stands before reading, in file order.
const QStringList fDefaults = {"||F|F",  "||T|T",  "||F|F",  "-",      "-",      "0||F|T",
                               "0||F|T", "0||T|T", "0||T|T", "0||T|T", "0||T|T", "-"};

TEST(ParameterRecord, DefaultsBeforeReading) {
    const TRecordDataList list;
    EXPECT_TRUE(list.ParameterRecordDataItemList.empty());
    EXPECT_EQ(list.F_ParameterRecordDataItem, nullptr);

    const TParameterRecordDataItem record;
    EXPECT_EQ(record.Index_(), 0);
    EXPECT_EQ(record.Length(), 0);
    EXPECT_EQ(record.ByteOffset(), 0);
    EXPECT_TRUE(record.RecordDataReferenceList.empty());

    EXPECT_EQ(fields(TRecordDataReference()), "|||0|0||0|0|||T|T");

    const TF_ParameterRecordDataItem f;
    EXPECT_EQ(fields(f), fDefaults);
    EXPECT_EQ(fields(TF_CRC_Seed()), "||F|T");
    EXPECT_EQ(fields(TF_Passivation()), "||F|T");
    EXPECT_EQ(fields(TF_iPar_CRC()), "0||T|T");
}

TEST(ParameterRecord, RecordsKeepTheirConstantsAndParameters) {
    const TTestXml fixture = TTestXml::FromFile(refConst);
    TRecordDataList list;
    ASSERT_TRUE(list.Read_RecordDataList(fixture.SubmodulePart("Two records", "RecordDataList")));
    EXPECT_EQ(list.F_ParameterRecordDataItem, nullptr);
    ASSERT_EQ(list.ParameterRecordDataItemList.size(), 2u);

    const TParameterRecordDataItem& general = *list.ParameterRecordDataItemList[0];
    EXPECT_EQ(general.Index_(), 1);  // 0x10001 keeps its low 16 bits
    EXPECT_EQ(general.TransferSequence(), 2);
    EXPECT_TRUE(general.ChangeableWithBump());
    EXPECT_EQ(general.Length(), 6);
    // The first Name and the first Const count; the constant bytes stay text.
    EXPECT_EQ(general.Name(), "IDT_General");
    EXPECT_EQ(general.ConstData(), "0x01,0x02");
    EXPECT_EQ(general.ByteOffset(), 4);
    // Comments and other names between the parameters are passed over.
    EXPECT_EQ(fields(general), QStringList({
                                   "Mode|IDT_Mode|VI_Mode|0|0|Unsigned8|0|0|1|0..2|T|T",
                                   "|IDT_Flag||1|6|Bit|0|0|0|0..1|F|T",
                                   "|IDT_Area||2|0|BitArea|0|6|10|0..3 6..8 10..15|T|F",
                                   "|IDT_Name||4294967295|0|VisibleString|4464|0|0.0.0.0||T|T",
                               }));

    const TParameterRecordDataItem& plain = *list.ParameterRecordDataItemList[1];
    EXPECT_EQ(plain.Index_(), 1);
    EXPECT_EQ(plain.TransferSequence(), 0);
    EXPECT_FALSE(plain.ChangeableWithBump());
    EXPECT_EQ(plain.Name(), "");
    EXPECT_EQ(plain.ConstData(), "");
    EXPECT_EQ(plain.ByteOffset(), 0);
    EXPECT_EQ(fields(plain), QStringList({"|||0|0|Unsigned16|0|0|500|1 10 100 500|T|T"}));

    TRecordDataList empty;
    EXPECT_TRUE(empty.Read_RecordDataList(fixture.SubmodulePart("No records", "RecordDataList")));
    EXPECT_TRUE(empty.ParameterRecordDataItemList.empty());
}

TEST(ParameterRecord, FParametersReadEveryElement) {
    const TTestXml fixture = TTestXml::FromFile(fParameters);
    TRecordDataList list;
    ASSERT_TRUE(list.Read_RecordDataList(fixture.SubmodulePart("Every F-parameter", "RecordDataList")));
    ASSERT_EQ(list.ParameterRecordDataItemList.size(), 1u);
    ASSERT_NE(list.F_ParameterRecordDataItem, nullptr);

    // Only the first F record and, inside it, the first element of each name count.
    const TF_ParameterRecordDataItem& f = *list.F_ParameterRecordDataItem;
    EXPECT_EQ(f.F_ParamDescCRC(), 0x1234);
    EXPECT_EQ(f.F_SupportedParameters(), "F_iPar_CRC F_Check_iPar");
    EXPECT_EQ(f.Index(), 128);
    EXPECT_EQ(f.TransferSequence(), 3);
    EXPECT_TRUE(f.ChangeableWithBump());
    EXPECT_EQ(fields(f), QStringList({
                             "NoCheck|Check NoCheck|T|T",
                             "SIL3|SIL1 SIL2 SIL3 NoSIL|T|T",
                             "3-Byte-CRC|3-Byte-CRC|F|F",
                             "CRC-Seed32||F|F",
                             "Channel|Device/Module Channel|F|T",
                             "-1|0..7|T|T",
                             "1|1|F|T",
                             "4464|1..65534|T|T",  // 70000 in a Word
                             "1023|1..65534|F|T",
                             "150|1..65535|T|F",
                             "12345||T|T",
                             "2309737967|0..4294967295|T|T",  // all 32 bits of the hexadecimal form
                         }));
}

TEST(ParameterRecord, OptionalFParametersExistOnlyWhenWritten) {
    const TTestXml fixture = TTestXml::FromFile(fParameters);
    TRecordDataList list;
    ASSERT_TRUE(list.Read_RecordDataList(fixture.SubmodulePart("Required only", "RecordDataList")));
    ASSERT_NE(list.F_ParameterRecordDataItem, nullptr);
    QStringList expected = fDefaults;
    expected.last() = "0||T|T";  // a decimal CRC above the 32-bit signed range reads as 0
    EXPECT_EQ(fields(*list.F_ParameterRecordDataItem), expected);
    EXPECT_EQ(list.F_ParameterRecordDataItem->Index(), 100);
}

TEST(ParameterRecord, AMissingFParameterFailsOnlyTheFRecord) {
    const TTestXml fixture = TTestXml::FromFile(fParameters);

    // Without F_Check_iPar nothing of the F-parameters is read, yet the list reads on.
    const IXMLNode noCheck = fixture.SubmodulePart("Without F_Check_iPar", "RecordDataList");
    TRecordDataList list;
    ASSERT_TRUE(list.Read_RecordDataList(noCheck));
    ASSERT_NE(list.F_ParameterRecordDataItem, nullptr);
    EXPECT_EQ(list.F_ParameterRecordDataItem->Index(), 101);
    EXPECT_EQ(list.F_ParameterRecordDataItem->F_ParamDescCRC(), 7);
    EXPECT_EQ(fields(*list.F_ParameterRecordDataItem), fDefaults);
    ASSERT_EQ(list.ParameterRecordDataItemList.size(), 1u);
    EXPECT_EQ(list.ParameterRecordDataItemList[0]->Index_(), 2);
    TF_ParameterRecordDataItem alone;
    EXPECT_FALSE(alone.Read_F_ParameterRecordDataItem(noCheck.ChildNodes().FindNode("F_ParameterRecordDataItem")));

    // A missing F_WD_Time stops the reading there: what came before stays read.
    const IXMLNode noWatchdog = fixture.SubmodulePart("Without F_WD_Time", "RecordDataList");
    TRecordDataList partly;
    ASSERT_TRUE(partly.Read_RecordDataList(noWatchdog));
    ASSERT_NE(partly.F_ParameterRecordDataItem, nullptr);
    QStringList expected = fDefaults;
    expected[3] = "||F|T";   // F_CRC_Seed without attributes
    expected[5] = "3||F|T";  // F_Block_ID
    expected[8] = "9||T|T";  // F_Dest_Add
    EXPECT_EQ(fields(*partly.F_ParameterRecordDataItem), expected);
    TF_ParameterRecordDataItem stopped;
    EXPECT_FALSE(stopped.Read_F_ParameterRecordDataItem(noWatchdog.ChildNodes().FindNode("F_ParameterRecordDataItem")));
}

}  // namespace
