#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/channel_diagnosis.h"
#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/process_alarm.h"
#include "profinet/gsdml/unit_diagnosis.h"

namespace {

QString number(uint32_t value) { return QString::number(value); }

// The items of a list that mixes two classes, each as "Class:attributes".
QStringList extErrors(const TItemList<TObject>& list) {
    QStringList out;
    for (const auto& object : list) {
        if (const auto* profile = dynamic_cast<const TProfileExtChannelDiagItem*>(object.get()))
            out << "ProfileExt:" + number(profile->ErrorType()) + "/" + number(profile->API());
        else if (const auto* ext = dynamic_cast<const TExtChannelDiagItem*>(object.get()))
            out << "Ext:" + number(ext->ErrorType()) + "/" + ext->Name();
        else
            out << "?";
    }
    return out;
}

QStringList extReasons(const TItemList<TObject>& list) {
    QStringList out;
    for (const auto& object : list) {
        if (const auto* profile = dynamic_cast<const TProfileExtChannelProcessAlarmItem*>(object.get()))
            out << "ProfileExt:" + number(profile->Reason()) + "/" + number(profile->API());
        else if (const auto* ext = dynamic_cast<const TExtChannelProcessAlarmItem*>(object.get()))
            out << "Ext:" + number(ext->Reason()) + "/" + ext->Name();
        else
            out << "?";
    }
    return out;
}

TEST(ChannelDiagnosis, EachItemNameFillsItsOwnList) {
    const TTestXml fixture(TTestXml::File{FixturePath("diag_lists.xml")});
    TChannelDiagList list;
    ASSERT_TRUE(list.Read_ChannelDiagList(Child(fixture.Root(), "ChannelDiagList")));
    ASSERT_EQ(list.ChannelDiagItemList.size(), 2u);  // ChannelDiagItemX is passed over
    ASSERT_EQ(list.SystemDefinedChannelDiagItemList.size(), 1u);
    ASSERT_EQ(list.ProfileChannelDiagItemList.size(), 1u);

    const TChannelDiagItem& item = *list.ChannelDiagItemList[0];
    EXPECT_EQ(item.ErrorType(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(item.MaintenanceAlarmState(), "MR MD");
    EXPECT_EQ(item.Name(), "IDT_Diag_Short");
    EXPECT_EQ(item.Help(), "IDT_Diag_Short_Help");
    // Only ExtChannelDiagItem belongs here; the profile's kind is ignored.
    ASSERT_EQ(item.ExtChannelDiagList.size(), 2u);
    const TExtChannelDiagItem& ext = *item.ExtChannelDiagList[0];
    EXPECT_EQ(ext.ErrorType(), 0x8000);
    EXPECT_EQ(ext.MaintenanceAlarmState(), "MD");
    EXPECT_EQ(ext.Name(), "IDT_Ext_Short");
    EXPECT_EQ(ext.Help(), "");
    ASSERT_EQ(ext.ExtChannelAddValueList.size(), 2u);
    EXPECT_EQ(ext.ExtChannelAddValueList[0]->Id(), 44);  // 300 in 8 bits
    EXPECT_EQ(ext.ExtChannelAddValueList[0]->DataType(), "Unsigned16");
    EXPECT_EQ(ext.ExtChannelAddValueList[1]->Id(), 1);
    const TExtChannelDiagItem& unnamed = *item.ExtChannelDiagList[1];
    EXPECT_EQ(unnamed.Name(), "");  // a Name without TextId
    EXPECT_EQ(unnamed.Help(), "IDT_Ext_Help");
    EXPECT_TRUE(unnamed.ExtChannelAddValueList.empty());
    EXPECT_EQ(list.ChannelDiagItemList[1]->Name(), "IDT_Diag_Second");
    EXPECT_EQ(list.ChannelDiagItemList[1]->MaintenanceAlarmState(), "");

    const TSystemDefinedChannelDiagItem& system = *list.SystemDefinedChannelDiagItemList[0];
    EXPECT_EQ(system.ErrorType(), 16);
    EXPECT_EQ(extErrors(system.ExtChannelDiagList),
              QStringList({"ProfileExt:17/14848", "Ext:18/IDT_Ext_System", "ProfileExt:19/0"}));

    const TProfileChannelDiagItem& profile = *list.ProfileChannelDiagItemList[0];
    EXPECT_EQ(profile.API(), 0x3A00u);
    EXPECT_EQ(profile.ErrorType(), 36864);
    EXPECT_EQ(profile.Name(), "IDT_Diag_Profile");
    EXPECT_TRUE(profile.ExtChannelDiagList.empty());
}

TEST(ProcessAlarms, EachItemNameFillsItsOwnList) {
    const TTestXml fixture(TTestXml::File{FixturePath("diag_lists.xml")});
    TChannelProcessAlarmList list;
    ASSERT_TRUE(list.Read_ChannelProcessAlarmList(Child(fixture.Root(), "ChannelProcessAlarmList")));
    ASSERT_EQ(list.ChannelProcessAlarmItem.size(), 1u);
    ASSERT_EQ(list.SystemDefinedChannelProcessAlarmItem.size(), 1u);
    ASSERT_EQ(list.ProfileChannelProcessAlarmItem.size(), 1u);

    const TChannelProcessAlarmItem& item = *list.ChannelProcessAlarmItem[0];
    EXPECT_EQ(item.Reason(), 4465);  // 70001 in 16 bits
    EXPECT_EQ(item.Name(), "IDT_Alarm");
    EXPECT_EQ(item.Help(), "IDT_Alarm_Help");
    ASSERT_EQ(item.ExtChannelProcessAlarmList.size(), 1u);
    const TExtChannelProcessAlarmItem& ext = *item.ExtChannelProcessAlarmList[0];
    EXPECT_EQ(ext.FReason, 3);
    EXPECT_EQ(ext.FName, "IDT_Ext_Alarm");
    EXPECT_EQ(ext.Help(), "IDT_Ext_Alarm_Help");
    ASSERT_EQ(ext.ProcessAlarmReasonAddValueList.size(), 1u);
    EXPECT_EQ(ext.ProcessAlarmReasonAddValueList[0]->Id(), 1);  // 257 in 8 bits
    EXPECT_EQ(ext.ProcessAlarmReasonAddValueList[0]->DataType(), "Float32");

    const TSystemDefinedChannelProcessAlarmItem& system = *list.SystemDefinedChannelProcessAlarmItem[0];
    EXPECT_EQ(system.Reason(), 6);
    EXPECT_EQ(extReasons(system.ExtChannelProcessAlarmList),
              QStringList({"Ext:7/IDT_Ext_System_Alarm", "ProfileExt:8/9"}));

    const TProfileChannelProcessAlarmItem& profile = *list.ProfileChannelProcessAlarmItem[0];
    EXPECT_EQ(profile.API(), 14848u);
    EXPECT_EQ(profile.Reason(), 10);
    EXPECT_EQ(profile.Name(), "IDT_Profile_Alarm");
    EXPECT_EQ(profile.Help(), "");
    EXPECT_EQ(extReasons(profile.ExtChannelProcessAlarmList),
              QStringList({"ProfileExt:11/12", "Ext:13/IDT_Ext_Profile_Alarm"}));
}

TEST(UnitDiagnosis, BothItemKindsShareOneListWithTheirReferences) {
    const TTestXml fixture(TTestXml::File{FixturePath("diag_lists.xml")});
    TUnitDiagTypeList list;
    ASSERT_TRUE(list.Read_UnitDiagTypeList(Child(fixture.Root(), "UnitDiagTypeList")));
    ASSERT_EQ(list.UnitDiagTypeList.size(), 3u);

    const TUnitDiagTypeItem& item = *list.UnitDiagTypeList[0];
    EXPECT_EQ(dynamic_cast<const TProfileUnitDiagTypeItem*>(&item), nullptr);
    EXPECT_EQ(item.UserStructureIdentifier(), 0x1000);
    EXPECT_EQ(item.Name(), "IDT_Unit");
    EXPECT_EQ(item.Help(), "");
    ASSERT_EQ(item.ValueItemReferenceList.size(), 2u);  // RefX is passed over
    const TValueItemReference& ref = *item.ValueItemReferenceList[0];
    EXPECT_EQ(ref.ValueItemTarget(), "VI_Mode");
    EXPECT_EQ(ref.ByteOffset(), 2u);
    EXPECT_EQ(ref.BitOffset(), 3u);
    EXPECT_EQ(ref.BitLength(), 4u);
    EXPECT_EQ(ref.TextId(), "IDT_Ref");
    EXPECT_EQ(ref.Length(), 4464);
    EXPECT_EQ(ref.DataType(), "BitArea");
    EXPECT_EQ(ref.DefaultValue(), "0x01");  // kept as text
    const TValueItemReference& unset = *item.ValueItemReferenceList[1];
    EXPECT_EQ(unset.ValueItemTarget(), "");
    EXPECT_EQ(unset.ByteOffset(), 0u);
    EXPECT_EQ(unset.Length(), 0);
    EXPECT_EQ(unset.DefaultValue(), "");

    // Name is optional here.
    const auto* profile = dynamic_cast<const TProfileUnitDiagTypeItem*>(list.UnitDiagTypeList[1].get());
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->UserStructureIdentifier(), 0x7FFF);
    EXPECT_EQ(profile->API(), 4294967295u);  // -1 in 32 bits
    EXPECT_EQ(profile->Name(), "");
    EXPECT_EQ(profile->Help(), "IDT_Unit_Help");
    ASSERT_EQ(profile->ValueItemReferenceList.size(), 1u);
    EXPECT_EQ(profile->ValueItemReferenceList[0]->ByteOffset(), 4294967295u);

    const TUnitDiagTypeItem& bare = *list.UnitDiagTypeList[2];
    EXPECT_EQ(bare.UserStructureIdentifier(), 0);
    EXPECT_TRUE(bare.ValueItemReferenceList.empty());
}

}  // namespace
