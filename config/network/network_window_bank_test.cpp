#include "config/network/network_window_fixture.h"

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_builder.h"
#include "config/banks/bank_test_project.h"
#include "config/general/par_gen_file.h"
#include "config/network/network_file.h"
#include "platform/xml/xml_document.h"

namespace {

// The master in 192.168.2.0/24, where the bank's own tests put their devices.
void Write_Master_Subnet() {
    TParGen_Values values;
    const char* address[] = {"192", "168", "2", "1"};
    for (int i = 0; i < 4; ++i)
        values.SetText(TParGen_Item(int(TParGen_Item::PROFINET_Master_IP1) + i), QString::fromLatin1(address[i]));
    TXMLDocument xml(nullptr);
    values.Write(xml, File_ParGen);
}

QByteArray Bank2() {
    TXMLDocument xml(nullptr);
    Create_Bin_Data(xml);
    return Bank2_Buf.Bytes(Bank2_Len);
}

// The item addresses of a device's table in the section at header offset Header.
std::vector<uint32_t> Items(const QByteArray& b, int Header, int Device) {
    const uint32_t section = U32(b, Header) - Bank2_Base;
    uint32_t table = U32(b, int(section) + 4 * Device) - Bank2_Base;
    std::vector<uint32_t> result;
    for (uint32_t a; (a = U32(b, int(table))) != 0; table += 4) result.push_back(a - Bank2_Base);
    return result;
}

// Two devices set up in the windows: the file the network window saves reloads into the same
// file, and it builds the same bank as the same devices saved straight from the model.
TEST_F(ModulesWindowTest, ASavedNetworkReloadsByteEqualAndBuildsTheBankOfItsDevices) {
    Write_Master_Subnet();
    QString leuzeModule;
    QString leuzeValue;
    int leuzeSubslot = -1;
    int leuzeEntry = -1;  // the update time of 8 ms, as the list offers it
    open([&] {
        addFromCatalog(Vendor_Folder, Fena_File, "FENA PPO Types");
        enter(*w().E_Dev_DevProp_NameStation, "drive-1");
        enter(*w().E_Dev_DevProp_IPAddress, "192.168.2.20");
        defineModules(1, [&] {
            choose(slots_(), TSlotColumn::scModule, slotRow(1), m().SlotList[1]->ModNameList.value(0));
            click(*m().Btn_OK, 5, 5);
        });
        addLeuze();
        enter(*w().E_Dev_DevProp_NameStation, "scanner");
        enter(*w().E_Dev_DevProp_IPAddress, "192.168.2.21");
        leuzeEntry = int(device(1).UpdateTimeVal.indexOf("8"));
        pick(*w().CB_Dev_CycTime_Update, int(w().CB_Dev_CycTime_Update->Items().indexOf("8")));
        pick(*w().CB_Dev_CycTime_Answer, 4);
        defineModules(2, [&] {
            TPROFINET_Slot& slot = *m().SlotList[1];
            leuzeModule = slot.ModNameList.value(0);
            choose(slots_(), TSlotColumn::scModule, slotRow(1), leuzeModule);
            for (const auto& subslot : slot.SubSlotList) {
                if (subslot->ParametersList.empty() || subslot->ParametersList[0]->Parameters_List.empty()) continue;
                leuzeSubslot = subslot->FSubslotNum;
                clickSlotRow(slotRow(1, leuzeSubslot));
                const TParam& param = *subslot->ParametersList[0]->Parameters_List[0];
                if (param.DiscreteList.empty()) type(params(), 1, 2, param.FDefaultValue);
                else choose(params(), 1, 2, param.DiscreteSL.last());
                leuzeValue = param.FValue;
                break;
            }
            click(*m().Btn_OK, 5, 5);
        });
        click(*w().Btn_OK, 5, 5);
    });
    ASSERT_FALSE(leuzeModule.isEmpty());
    ASSERT_FALSE(leuzeValue.isEmpty());
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join('\n').toStdString();
    const QByteArray saved = networkFile();
    const QByteArray bank = Bank2();

    open([&] {
        ASSERT_EQ(w().List_PROFINET_Device.size(), 2u);
        EXPECT_EQ(device(1).FUpdateTime, leuzeEntry);
        click(*w().Btn_OK, 5, 5);
    });
    EXPECT_EQ(networkFile(), saved);

    // The same devices straight from the model.
    TPROFINET_Device_List devices;
    const auto built = [&](const QString& file, const QString& name) -> TPROFINET_Device& {
        auto gsdml = std::make_shared<TGSDML>();
        EXPECT_TRUE(gsdml->Decode_GSDML(folder.file("GSDML") + PathDelim, file));
        auto& d = *devices.emplace_back(std::make_unique<TPROFINET_Device>());
        d.FDeviceName = name;
        d.SetGSDML(std::move(gsdml));
        d.ReadInfoFromGSDML();
        return d;
    };
    TPROFINET_Device& fena = built(Fena_File, "FENA PPO Types");
    fena.FNameOfStation = "drive-1";
    fena.FIPAddress = "192.168.2.20";
    fena.SlotList[1]->Select_Module(fena.SlotList[1]->ModulesList[0]);
    TPROFINET_Device& leuze = built(Leuze_File, "BCL248i");
    leuze.FNameOfStation = "scanner";
    leuze.FIPAddress = "192.168.2.21";
    leuze.CheckUpdateTime(leuzeEntry);
    leuze.FUpdateTime = leuzeEntry;
    leuze.FAnswerTime = 4;
    TPROFINET_Slot& slot = *leuze.SlotList[1];
    slot.Select_Module(slot.ModulesList[size_t(slot.GetIndexModule(leuzeModule))]);
    for (const auto& subslot : slot.SubSlotList)
        if (subslot->FSubslotNum == leuzeSubslot) subslot->ParametersList[0]->Parameters_List[0]->FValue = leuzeValue;
    TXMLDocument doc(nullptr);
    Save_PROFINET_Netword_Project(doc, devices);
    EXPECT_EQ(networkFile(), saved);
    EXPECT_EQ(Bank2(), bank);

    // The fields the bank's own tests check for such a device.
    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 2u);
    const QByteArray rule = bank.mid(0x10, 56);
    EXPECT_EQ(rule.left(4).toHex(), QByteArray("c0a80214"));
    EXPECT_EQ(rule.mid(12, 8), QByteArray("drive-1\0", 8));
    EXPECT_EQ(U32(rule, 48), uint32_t(fena.ReductionRadio()) << 16 | uint32_t(fena.SendClock()));
    EXPECT_EQ(bank.mid(0x10 + 56, 4).toHex(), QByteArray("c0a80215"));
    EXPECT_EQ(U32(bank.mid(0x10 + 56, 56), 48), uint32_t(leuze.ReductionRadio()) << 16 | uint32_t(leuze.SendClock()));
    const std::vector<uint32_t> esmb = Items(bank, 8, 0);
    ASSERT_EQ(esmb.size(), 2u);
    EXPECT_EQ(bank.mid(int(esmb[0]) + 4, 14).toHex(), QByteArray("0000000000000000000100000001"));
    EXPECT_EQ(Items(bank, 12, 0).size(), 2u);
    EXPECT_FALSE(Items(bank, 4, 1).empty());
}

}  // namespace
