#include "profinet/gsdml/virtual_submodule.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"

namespace {

class VirtualSubmodule : public ::testing::Test {
protected:
    TReadResult<TVirtualSubmoduleItem> Read(const char* id) const {
        return ReadElement(doc.Submodule(id), &TVirtualSubmoduleItem::Read_VirtualSubmoduleItem);
    }

    const TTestXml doc{TTestXml::File{FixturePath("submodule_virtual.xml")}};
};

QStringList ids(const TVirtualSubmoduleList& list) {
    QStringList out;
    for (const auto& item : list.VirtualSubmoduleItelList) out << item->ID();
    return out;
}

TEST_F(VirtualSubmodule, ReadsItsAttributesAndEveryChild) {
    const auto read = Read("Full");
    ASSERT_TRUE(read.ok);
    const TVirtualSubmoduleItem& item = *read.object;
    EXPECT_EQ(item.ID(), "Full");
    EXPECT_EQ(item.SubmoduleIdentNumber(), 0x105u);
    EXPECT_EQ(item.API(), 14848u);  // 0x3A00
    EXPECT_TRUE(item.PROFIsafeSupported());  // " true "
    EXPECT_EQ(item.Writeable_IM_Records(), "1 2 3");
    EXPECT_TRUE(item.IM5_Supported());
    EXPECT_EQ(item.Max_iParameterSize(), 4294967295u);  // -1 in 32 unsigned bits
    EXPECT_EQ(item.SubsysModuleDirIndex(), 4464);       // 70000 in 16 bits
    EXPECT_EQ(item.SupportedSubstitutionModes(), "0 1 2");
    EXPECT_FALSE(item.MayIssueProcessAlarm());
    EXPECT_EQ(item.FixedInSubslots(), "2");

    EXPECT_EQ(item.IOData.Get_Input(), 2);
    EXPECT_EQ(item.IOData.Get_Output(), 3);
    ASSERT_NE(item.RecordDataList, nullptr);
    ASSERT_EQ(item.RecordDataList->ParameterRecordDataItemList.size(), 1u);
    EXPECT_EQ(item.RecordDataList->ParameterRecordDataItemList[0]->Name(), "IDT_Record");
    ASSERT_NE(item.ModuleInfo, nullptr);
    EXPECT_EQ(item.ModuleInfo->Name(), "IDT_Full");
    EXPECT_EQ(item.ModuleInfo->InfoText(), "IDT_Full_Info");
    EXPECT_EQ(item.ModuleInfo->CategoryRef(), "CAT_IO");
    ASSERT_NE(item.Graphics, nullptr);
    ASSERT_EQ(item.Graphics->GraphicItemRefList.size(), 1u);
    EXPECT_EQ(item.Graphics->GraphicItemRefList[0]->GraphicItemTarget(), "ID_Graph_1");
    ASSERT_NE(item.IsochroneMode, nullptr);
    EXPECT_EQ(item.IsochroneMode->T_DC_Base(), 8);
    EXPECT_TRUE(item.IsochroneMode->IsochroneModeRequired());
    ASSERT_NE(item.SlotCluster, nullptr);
    EXPECT_EQ(item.SlotCluster->Count(), 4);
    ASSERT_NE(item.PROFIenergy, nullptr);
    EXPECT_EQ(item.PROFIenergy->ProfileVersion(), "V1.1");
    ASSERT_NE(item.ReportingSystemEvents, nullptr);
    ASSERT_EQ(item.ReportingSystemEvents->ObserverList.size(), 1u);
    EXPECT_EQ(item.ReportingSystemEvents->ObserverList[0]->TypeObserver(), "DigitalInput");
}

TEST_F(VirtualSubmodule, MissingAttributesAndChildrenLeaveTheirDefaults) {
    const auto read = Read("Bare");
    ASSERT_TRUE(read.ok);
    TVirtualSubmoduleItem fresh;
    for (const TVirtualSubmoduleItem* item : {&fresh, read.object.get()}) {
        EXPECT_EQ(item->SubmoduleIdentNumber(), 0u);
        EXPECT_EQ(item->API(), 0u);
        EXPECT_FALSE(item->PROFIsafeSupported());
        EXPECT_EQ(item->Writeable_IM_Records(), "");
        EXPECT_FALSE(item->IM5_Supported());
        EXPECT_EQ(item->Max_iParameterSize(), 0u);
        EXPECT_EQ(item->SubsysModuleDirIndex(), 0);
        EXPECT_EQ(item->SupportedSubstitutionModes(), "");
        EXPECT_FALSE(item->MayIssueProcessAlarm());
        EXPECT_EQ(item->FixedInSubslots(), "1");
        EXPECT_EQ(item->IOData.Input, nullptr);
        EXPECT_EQ(item->RecordDataList, nullptr);
        EXPECT_EQ(item->ModuleInfo, nullptr);  // unlike an access point's
        EXPECT_EQ(item->Graphics, nullptr);
        EXPECT_EQ(item->IsochroneMode, nullptr);
        EXPECT_EQ(item->SlotCluster, nullptr);
        EXPECT_EQ(item->PROFIenergy, nullptr);
        EXPECT_EQ(item->ReportingSystemEvents, nullptr);
    }
    EXPECT_EQ(fresh.ID(), "");
}

TEST_F(VirtualSubmodule, BooleansAreTrueOnlyForTrue) {
    const struct {
        const char* text;
        bool value;
    } cases[] = {{"true", true}, {" TRUE ", true}, {"True", true}, {"false", false},
                 {"1", false},   {"yes", false},   {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadXml(QStringLiteral("<VirtualSubmoduleItem MayIssueProcessAlarm='%1'><IOData/>"
                                                 "</VirtualSubmoduleItem>")
                                      .arg(c.text),
                                  &TVirtualSubmoduleItem::Read_VirtualSubmoduleItem);
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.object->MayIssueProcessAlarm(), c.value);
    }
}

TEST_F(VirtualSubmodule, WithoutIODataItIsRefusedAndKeepsItsSubslot) {
    const auto read = Read("No IOData");  // its "iodata" differs in case
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.object->SubmoduleIdentNumber(), 7u);  // the attributes come first
    EXPECT_EQ(read.object->FixedInSubslots(), "1");
    EXPECT_EQ(read.object->ModuleInfo, nullptr);

    const auto base = ReadElement(doc.Submodule("No IOData"), &TSubmoduleItemBase::Read_SubmoduleItemBase);
    EXPECT_FALSE(base.ok);
}

TEST_F(VirtualSubmodule, AFailingChildEndsTheReadingInTheClassOrder) {
    // ModuleInfo lacks its InfoText: the record list before it in the class order is read
    // although it stands after it in the file; the graphics and slot cluster are not.
    const auto halfInfo = Read("Module info without info text");
    EXPECT_FALSE(halfInfo.ok);
    EXPECT_NE(halfInfo.object->RecordDataList, nullptr);
    ASSERT_NE(halfInfo.object->ModuleInfo, nullptr);  // partly read
    EXPECT_EQ(halfInfo.object->ModuleInfo->Name(), "IDT_Half");
    EXPECT_EQ(halfInfo.object->Graphics, nullptr);
    EXPECT_EQ(halfInfo.object->SlotCluster, nullptr);
    EXPECT_EQ(halfInfo.object->FixedInSubslots(), "1");

    const auto badIO = Read("Channel without data");
    EXPECT_FALSE(badIO.ok);
    EXPECT_EQ(badIO.object->RecordDataList, nullptr);
}

TEST_F(VirtualSubmodule, ListStopsAtTheFirstRefusedItem) {
    const auto read = ReadElement(doc.Root(), &TVirtualSubmoduleList::Read_VirtualSubmoduleList);
    EXPECT_FALSE(read.ok);
    // The comment and the item of another name are passed over.
    EXPECT_EQ(ids(*read.object), QStringList({"Full", "Bare"}));

    const auto empty = ReadXml("<VirtualSubmoduleList><!-- none --></VirtualSubmoduleList>",
                               &TVirtualSubmoduleList::Read_VirtualSubmoduleList);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.object->VirtualSubmoduleItelList.empty());
}

}  // namespace
