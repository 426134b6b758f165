#include "config/network/device_builder.h"
#include "config/network/network_entry_checks.h"

#include <gtest/gtest.h>

#include "config/network/network_test_support.h"
#include "config/network/profinet_device.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/gsdml.h"
#include "profinet/gsdml/module_list.h"

namespace {

const QString Fixture = QStringLiteral("GSDML-V2.4-Test-Network.xml");


std::unique_ptr<TPROFINET_Device> Fixture_Device(const char* name, const char* category) {
    return Built(Decoded(QStringLiteral(LW_TESTDATA "/"), Fixture), QString::fromUtf8(name),
                 QString::fromUtf8(category));
}

std::vector<int> Numbers_Of(const QString& text) {
    std::vector<int> numbers;
    For_Each_Listed_Number(text, [&](int n) { numbers.push_back(n); });
    return numbers;
}

std::vector<int> Subslot_Numbers(const TSubslotOwnedList& list) {
    std::vector<int> numbers;
    for (const auto& subslot : list) numbers.push_back(subslot->FSubslotNum);
    return numbers;
}

QStringList Names(const TModuleRefList& list) {
    QStringList names;
    for (const auto& module : list) names.append(module->FName);
    return names;
}

class DeviceBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = FormatSettings;
        FormatSettings.DecimalSeparator = QLatin1Char('.');
    }
    void TearDown() override { FormatSettings = saved_; }
    TFormatSettings saved_;
};

}  // namespace

TEST(ListedNumbersTest, TokensRangesAndWhatIsPassedOver) {
    const struct {
        const char* text;
        std::vector<int> numbers;
    } cases[] = {
        {"1 3..5", {1, 3, 4, 5}},
        {"  0..3  ", {0, 1, 2, 3}},
        {"1 32768..32770", {1, 32768, 32769, 32770}},
        {"5..3 x -1 7", {7}},
        {"0x10 $11", {16, 17}},
        {"2 .. 4", {2, 4}},  // blanks split it: ".." alone is an empty range
        {"1..2..3 9", {9}},
        {"65535 65536 0..70000", {65535}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Numbers_Of(QString::fromUtf8(c.text)), c.numbers) << c.text;
}

TEST_F(DeviceBuilderTest, TheAccessPointSlotHoldsItsBuiltInSubmodules) {
    const auto device = Fixture_Device("Test Device", "CAT_A");
    // Both access points carry the name; the last one names the station.
    EXPECT_EQ(device->FNameOfStation, "test-dev-b");
    EXPECT_EQ(device->FMinDevInterval, 64);
    EXPECT_EQ(device->FFixedInSlots, 0);
    ASSERT_FALSE(device->SlotList.empty());
    const TPROFINET_Slot& dap = *device->SlotList[0];
    EXPECT_TRUE(dap.FFixed);
    EXPECT_EQ(dap.FSlotNum, 0);
    ASSERT_EQ(dap.ModulesList.size(), 1u);
    EXPECT_TRUE(dap.ModNameList.isEmpty());
    EXPECT_EQ(dap.Selected_Module, dap.ModulesList[0]);
    EXPECT_EQ(dap.Selected_Module->FID, "DAP1");
    EXPECT_EQ(dap.Selected_Module->FName, "Test Device");
    EXPECT_EQ(dap.Selected_Module->FInfo, "Head station");
    EXPECT_EQ(dap.Selected_Module->FModuleIdentNumber, 0u);

    ASSERT_EQ(Subslot_Numbers(dap.SubSlotList), (std::vector<int>{1, 32768, 32769, 32770, 2}));
    const struct {
        const char* name;
        bool fixed;
        const char* submodule;
        uint32_t ident;
        uint32_t api;
        bool disallowed;
    } expected[] = {
        {"Head", true, "Head Submodule", 0x10, 0x3A00, false}, {"Interface", true, "X1", 0x8000, 0x3A00, true},
        {"Port 1", true, "X1 P1", 0x8001, 0x3A00, false},      {"", true, "X1 P2", 0x8002, 0x3A00, false},
        {"Extra", false, "Param Submodule", 0x1000, 0, false},
    };
    for (size_t i = 0; i < dap.SubSlotList.size(); ++i) {
        const TPROFINET_Subslot& subslot = *dap.SubSlotList[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(subslot.FSubSlotName, expected[i].name);
        EXPECT_EQ(subslot.FFixed, expected[i].fixed);
        ASSERT_TRUE(subslot.Selected_SubModule);
        EXPECT_EQ(subslot.SubmodulesList, std::vector<TSubmoduleRef>{subslot.Selected_SubModule});
        EXPECT_EQ(subslot.Selected_SubModule->FName, expected[i].submodule);
        EXPECT_EQ(subslot.Selected_SubModule->FIdentNumber, expected[i].ident);
        EXPECT_EQ(subslot.Selected_SubModule->FAPI, expected[i].api);
        EXPECT_EQ(subslot.Selected_SubModule->FParameterizationDisallowed, expected[i].disallowed);
    }
    // Built-in submodules have no names to choose from; a fixed pluggable one has.
    EXPECT_TRUE(dap.SubSlotList[0]->SubModNameList.isEmpty());
    EXPECT_EQ(dap.SubSlotList[4]->SubModNameList, QStringList{"Param Submodule"});
    EXPECT_EQ(dap.SubSlotList[4]->ParametersList.size(), 1u);
}

TEST_F(DeviceBuilderTest, SubmodulesAndTheirRecordsFollowTheDescription) {
    const auto device = Fixture_Device("Test Device", "CAT_A");
    ASSERT_EQ(device->SubmoduleList.size(), 3u);
    const TPROFINET_Submodule& par = *device->SubmoduleList[0];
    EXPECT_EQ(par.FID, "SM_PAR");
    EXPECT_EQ(par.FInfo, "IDT_SM_PAR_Info");  // a text id without a text stands for itself
    EXPECT_EQ(par.FDataLenIn, 1);
    EXPECT_EQ(par.FDataLenOut, 0);
    ASSERT_EQ(par.ParametersList.size(), 1u);
    const TParametersGroup& record = *par.ParametersList[0];
    EXPECT_EQ(record.FGroupName, "Settings");
    EXPECT_EQ(record.FInd, 1);
    EXPECT_EQ(record.FLength, 4);
    EXPECT_EQ(record.FDataConst, "0x01,0x02");
    ASSERT_EQ(record.Parameters_List.size(), 2u);
    const TParam& mode = *record.Parameters_List[0];
    EXPECT_EQ(mode.FName, "Mode");
    EXPECT_EQ(mode.FByteOffset, 2);
    EXPECT_EQ(mode.FDataType, "Unsigned8");
    EXPECT_EQ(mode.FDefaultValue, "1");
    EXPECT_EQ(mode.FAllowedValues, "0..2");
    EXPECT_EQ(mode.FValue, "");
    EXPECT_EQ(mode.DiscreteSL, (QStringList{"Off", "On", "Bad"}));
    ASSERT_EQ(mode.DiscreteList.size(), 3u);
    EXPECT_EQ(mode.DiscreteList[2]->FValue, 0);  // "x" is no number
    const TParam& flag = *record.Parameters_List[1];
    EXPECT_EQ(flag.FBitOffset, 1);
    EXPECT_EQ(flag.FBitLength, 1);
    EXPECT_TRUE(flag.DiscreteList.empty());

    EXPECT_EQ(device->SubmoduleList[1]->FDataLenIn, 4);
    const TPROFINET_Submodule& port = *device->SubmoduleList[2];
    EXPECT_EQ(port.FID, "SM_PORT");
    EXPECT_EQ(port.FIdentNumber, 0x9000u);
}

TEST_F(DeviceBuilderTest, ModulesAreOfferedAndPlacedByTheirSlotRules) {
    const auto device = Fixture_Device("Test Device", "CAT_A");
    ASSERT_EQ(device->ModulesList.size(), 4u);
    std::vector<int> numbers;
    for (const auto& slot : device->SlotList) numbers.push_back(slot->FSlotNum);
    ASSERT_EQ(numbers, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    const auto& slotList = device->SlotList;
    const TModuleRef& fixedModule = device->ModulesList[0];
    const TModuleRef& usedModule = device->ModulesList[2];

    EXPECT_EQ(Names(slotList[1]->ModulesList), (QStringList{"Fixed Module", "IO Module"}));
    EXPECT_EQ(slotList[1]->ModNameList, (QStringList{"Fixed Module", "IO Module"}));
    EXPECT_EQ(slotList[1]->Selected_Module, fixedModule);
    ASSERT_EQ(slotList[1]->SubSlotList.size(), 1u);
    EXPECT_EQ(slotList[1]->SubSlotList[0]->Selected_SubModule->FDataLenIn, 2);
    EXPECT_EQ(slotList[1]->SubSlotList[0]->Selected_SubModule->FDataLenOut, 1);

    EXPECT_EQ(slotList[2]->ModNameList, (QStringList{"IO Module", "Used Module"}));
    EXPECT_FALSE(slotList[2]->Selected_Module);
    EXPECT_TRUE(slotList[2]->SubSlotList.empty());
    // The used rule beside a fixed one is ignored: slot 3 keeps the module it preselected.
    EXPECT_EQ(slotList[3]->ModNameList, QStringList{"Used Module"});
    EXPECT_EQ(slotList[3]->Selected_Module, usedModule);
    EXPECT_EQ(slotList[4]->ModNameList, QStringList{"Used Module"});
    EXPECT_FALSE(slotList[4]->Selected_Module);
    EXPECT_EQ(slotList[5]->ModNameList, QStringList{"Ignored Used"});
    EXPECT_EQ(slotList[5]->Selected_Module, device->ModulesList[3]);
    for (const auto& slot : slotList) EXPECT_EQ(slot->FFixed, slot.get() == slotList[0].get());
}

TEST_F(DeviceBuilderTest, AModulesSubslotsFollowTheirRules) {
    const auto device = Fixture_Device("Test Device", "CAT_A");
    const TPROFINET_Module& io = *device->ModulesList[1];
    ASSERT_EQ(Subslot_Numbers(io.SubslotsList), (std::vector<int>{1, 2, 3}));
    const TPROFINET_Subslot& first = *io.SubslotsList[0];
    EXPECT_EQ(first.FSubSlotName, "Channel A");
    EXPECT_EQ(first.SubModNameList, (QStringList{"Param Submodule", "Input Submodule"}));
    EXPECT_EQ(first.Selected_SubModule, device->SubmoduleList[0]);
    EXPECT_EQ(first.ParametersList.size(), 1u);
    const TPROFINET_Subslot& second = *io.SubslotsList[1];
    EXPECT_EQ(second.FSubSlotName, "Channel B");
    EXPECT_EQ(second.SubmodulesList.size(), 2u);
    EXPECT_FALSE(second.Selected_SubModule);
    EXPECT_TRUE(second.ParametersList.empty());
    const TPROFINET_Subslot& third = *io.SubslotsList[2];
    EXPECT_EQ(third.FSubSlotName, "");
    EXPECT_EQ(third.SubModNameList, QStringList{"Input Submodule"});
    EXPECT_EQ(third.Selected_SubModule, device->SubmoduleList[1]);
    EXPECT_FALSE(third.FFixed);
    // A module's virtual submodule is named from the access point's subslot list.
    EXPECT_EQ(device->ModulesList[0]->SubslotsList[0]->FSubSlotName, "Head");
    EXPECT_TRUE(device->ModulesList[0]->SubslotsList[0]->FFixed);
}

TEST_F(DeviceBuilderTest, TimingAndTheChoiceOfAccessPoint) {
    const struct {
        const char* name;
        const char* category;
        const char* dap;
        std::vector<int> sendClocks;
        std::vector<int> ratios;
        QStringList times;
    } cases[] = {
        {"Test Device", "CAT_A", "DAP1", {8, 32}, {1, 2, 4}, {"0.25", "0.5", "1", "1", "2", "4"}},
        {"Test Device", "", "DAP1", {8, 32}, {1, 2, 4}, {"0.25", "0.5", "1", "1", "2", "4"}},
        {"Test Device", "CAT_B", "DAP2", {32}, {2}, {"2"}},
        {"Odd Clock", "", "DAP3", {}, {1, 2, 4, 8, 16, 32, 64, 128, 256, 512}, {}},
        // A ratio list written empty offers none: the device keeps its own.
        {"Bare Head", "", "DAP4", {16}, {2}, {"1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dap);
        const auto device = Fixture_Device(c.name, c.category);
        ASSERT_FALSE(device->SlotList.empty());
        EXPECT_EQ(device->SlotList[0]->Selected_Module->FID, c.dap);
        EXPECT_EQ(device->Values_SendClock, c.sendClocks);
        EXPECT_EQ(device->Values_ReductionRadio, c.ratios);
        EXPECT_EQ(device->UpdateTimeVal, c.times);
        EXPECT_EQ(device->SendClock(), 32);
        EXPECT_EQ(device->ReductionRadio(), 2);
        EXPECT_EQ(device->FUpdateTime, 0);
    }
}

TEST_F(DeviceBuilderTest, AVirtualSubmoduleWithoutModuleInfoKeepsAllButItsName) {
    const auto device = Fixture_Device("Bare Head", "");
    ASSERT_FALSE(device->SlotList.empty());
    const TPROFINET_Module& dap = *device->SlotList[0]->Selected_Module;
    ASSERT_FALSE(dap.SubslotsList.empty());
    ASSERT_TRUE(dap.SubslotsList[0]->Selected_SubModule);
    const TPROFINET_Submodule& bare = *dap.SubslotsList[0]->Selected_SubModule;
    EXPECT_EQ(bare.FID, "VSM_BARE");
    EXPECT_EQ(bare.FName, "");
    EXPECT_EQ(bare.FIdentNumber, 0x20u);
    EXPECT_EQ(bare.FAPI, 0x3A00u);
    EXPECT_EQ(bare.FDataLenIn, 2);
    ASSERT_EQ(bare.ParametersList.size(), 1u);
    EXPECT_EQ(bare.ParametersList[0]->FInd, 7);
    EXPECT_EQ(dap.SubslotsList[0]->ParametersList.size(), 1u);
}

TEST_F(DeviceBuilderTest, AnAccessPointThatIsNotThereLeavesTheDeviceEmpty) {
    const auto device = Fixture_Device("Test Device", "CAT_C");
    EXPECT_TRUE(device->SlotList.empty());
    EXPECT_TRUE(device->ModulesList.empty());
    EXPECT_TRUE(device->SubmoduleList.empty());
    EXPECT_TRUE(device->UpdateTimeVal.isEmpty());
}

// Every access point of the vendor descriptions builds a device whose lists agree.
TEST_F(DeviceBuilderTest, TheSharedDescriptionsBuildConsistentDevices) {
    const QString folder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
    int built = 0;
    for (const TSearchRec& file : FindFiles(folder, QStringLiteral("GSDML*.xml"))) {
        const auto gsdml = Decoded(folder, file.Name);
        for (const auto& dap : gsdml->ProfileBody.ApplicationProcess.DeviceAccessPointList->DevAccPointItemList) {
            const QString name = gsdml->GetString_ExternalTextList(dap->ModuleInfo.Name());
            const QString category = gsdml->GetString_ExternalTextList(dap->ModuleInfo.CategoryRef());
            SCOPED_TRACE((file.Name + " " + name).toStdString());
            const auto device = Built(gsdml, name, dap->ModuleInfo.CategoryRef().isEmpty() ? QString() : category);
            ++built;
            ASSERT_FALSE(device->SlotList.empty());
            // The default name of station is one the network window takes.
            QString fault;
            EXPECT_FALSE(Name_Of_Station_Fault(device->FNameOfStation, fault))
                << device->FNameOfStation.toStdString() << ": " << fault.toStdString();
            EXPECT_TRUE(device->SlotList[0]->FFixed);
            EXPECT_EQ(device->SlotList[0]->FSlotNum, device->FFixedInSlots);
            EXPECT_EQ(device->UpdateTimeVal.size(),
                      qsizetype(device->Values_SendClock.size() * device->Values_ReductionRadio.size()));
            EXPECT_EQ(device->ModulesList.size(),
                      gsdml->ProfileBody.ApplicationProcess.ModuleList->ModuleItemList.size());
            for (const auto& slot : device->SlotList) {
                if (!slot->FFixed) {
                    EXPECT_EQ(slot->ModNameList, Names(slot->ModulesList));
                }
                if (slot->Selected_Module) {
                    EXPECT_EQ(Subslot_Numbers(slot->SubSlotList), Subslot_Numbers(slot->Selected_Module->SubslotsList));
                }
                for (const auto& subslot : slot->SubSlotList)
                    for (int i = 0; i < subslot->SubModNameList.size(); ++i)
                        EXPECT_EQ(subslot->SubModNameList[i], subslot->SubmodulesList[size_t(i)]->FName);
            }
        }
    }
    EXPECT_GE(built, 4);
}
