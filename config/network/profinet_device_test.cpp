#include "config/network/profinet_device.h"

#include <gtest/gtest.h>

namespace {

TParam Param_With(std::initializer_list<std::pair<int, const char*>> items) {
    TParam param;
    for (const auto& [value, text] : items) param.Add_Discrete(value, QString::fromUtf8(text));
    return param;
}

TSubmoduleRef Submodule_Named(const char* name) {
    auto submodule = std::make_shared<TPROFINET_Submodule>();
    submodule->FID = QString::fromUtf8(name);
    submodule->FName = QString::fromUtf8(name);
    auto group = std::make_unique<TParametersGroup>();
    group->FGroupName = QStringLiteral("Settings");
    auto param = std::make_unique<TParam>();
    param->FName = QStringLiteral("Mode");
    param->Add_Discrete(1, QStringLiteral("On"));
    group->Parameters_List.push_back(std::move(param));
    submodule->ParametersList.push_back(std::move(group));
    return submodule;
}

}  // namespace

TEST(ProfinetDeviceTest, DiscreteLookupsTakeTheFirstMatchAndAnswerNothingOtherwise) {
    const TParam param = Param_With({{0, "Off"}, {1, "On"}, {1, "Again"}, {2, "On"}});
    EXPECT_EQ(param.GetDiscreteByValue(1), "On");
    EXPECT_EQ(param.GetDiscreteByValue(7), "");
    EXPECT_EQ(param.GetValueByDiscrete("On"), 1);
    EXPECT_EQ(param.GetValueByDiscrete("on"), -1);
    EXPECT_EQ(param.GetValueByDiscrete("Missing"), -1);
    EXPECT_EQ(param.DiscreteSL, (QStringList{"Off", "On", "Again", "On"}));
}

TEST(ProfinetDeviceTest, NameLookupsAreExactAndTakeTheFirst) {
    TPROFINET_Slot slot;
    for (const char* name : {"Alpha", "Beta", "Beta"}) {
        auto module = std::make_shared<TPROFINET_Module>();
        module->FName = QString::fromUtf8(name);
        slot.Allow_Module(module);
    }
    EXPECT_EQ(slot.GetIndexModule("Beta"), 1);
    EXPECT_EQ(slot.GetIndexModule("beta"), -1);
    EXPECT_EQ(slot.ModNameList, (QStringList{"Alpha", "Beta", "Beta"}));

    TPROFINET_Subslot subslot;
    subslot.Allow_Submodule(Submodule_Named("In"));
    subslot.Allow_Submodule(Submodule_Named("Out"));
    EXPECT_EQ(subslot.GetIndexSubmodule("Out"), 1);
    EXPECT_EQ(subslot.GetIndexSubmodule("OUT"), -1);
}

TEST(ProfinetDeviceTest, CopiedSubslotsShareSubmodulesButOwnTheirValues) {
    const TSubmoduleRef submodule = Submodule_Named("In");
    auto module = std::make_shared<TPROFINET_Module>();
    auto subslot = std::make_unique<TPROFINET_Subslot>();
    subslot->FSubslotNum = 3;
    subslot->FMnemonic = QStringLiteral("M");
    subslot->FStatus = true;
    subslot->Allow_Submodule(submodule);
    subslot->Select_Submodule(submodule);
    module->SubslotsList.push_back(std::move(subslot));

    TPROFINET_Slot first;
    TPROFINET_Slot second;
    first.Select_Module(module);
    second.Select_Module(module);
    ASSERT_EQ(first.SubSlotList.size(), 1u);
    const TPROFINET_Subslot& a = *first.SubSlotList[0];
    const TPROFINET_Subslot& b = *second.SubSlotList[0];
    EXPECT_EQ(a.FSubslotNum, 3);
    EXPECT_EQ(a.FMnemonic, "M");
    EXPECT_TRUE(a.FStatus);
    EXPECT_EQ(a.Selected_SubModule, submodule);
    EXPECT_EQ(b.SubmodulesList[0], submodule);
    EXPECT_EQ(a.SubModNameList, QStringList{"In"});

    a.ParametersList[0]->Parameters_List[0]->FValue = QStringLiteral("1");
    EXPECT_EQ(b.ParametersList[0]->Parameters_List[0]->FValue, "");
    EXPECT_EQ(submodule->ParametersList[0]->Parameters_List[0]->FValue, "");
    EXPECT_EQ(b.ParametersList[0]->Parameters_List[0]->DiscreteSL, QStringList{"On"});

    // A slot copied from its own list keeps it; an empty list leaves no subslots.
    first.Copy_SubSlot_List(first.SubSlotList);
    ASSERT_EQ(first.SubSlotList.size(), 1u);
    EXPECT_EQ(first.SubSlotList[0]->ParametersList[0]->Parameters_List[0]->FValue, "1");
    first.Copy_SubSlot_List({});
    EXPECT_TRUE(first.SubSlotList.empty());
}

TEST(ProfinetDeviceTest, ModulesLiveAsLongAsASlotRefersToThem) {
    TPROFINET_Slot slot;
    {
        auto device = std::make_unique<TPROFINET_Device>();
        auto module = std::make_shared<TPROFINET_Module>();
        module->FName = QStringLiteral("Kept");
        device->ModulesList.push_back(module);
        slot.Fix_Module(module);
    }
    ASSERT_TRUE(slot.Selected_Module);
    EXPECT_EQ(slot.Selected_Module->FName, "Kept");
}
