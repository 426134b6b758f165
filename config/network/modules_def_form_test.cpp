#include "config/network/network_window_fixture.h"

#include "config/network/param_value_checks.h"

#include <set>

namespace {

// The own description's head station: slot 0 the access point with five subslots, slot 1 a
// fixed module, slot 2 empty with two modules to choose, slots 3 and 5 modules without
// subslots, slot 4 empty.
TEST_F(ModulesWindowTest, ModulesAndSubmodulesArePlacedByTheDescriptionsRules) {
    open([&] {
        addOwn();
        defineModules(1, [&] {
            EXPECT_EQ(slots_().RowCount(), 11);
            EXPECT_EQ(rowTexts(1).mid(0, 6), QStringList({"0", "1 - Head", "Test Device", "Head station",
                                                          "Head Submodule", "IDT_VSM_DAP_Info"}));
            EXPECT_TRUE(slots_().ReadOnly(TSlotColumn::scModule, 1));
            EXPECT_TRUE(slots_().ReadOnly(TSlotColumn::scSubmodule, 1));
            EXPECT_FALSE(slots_().ReadOnly(TSlotColumn::scSubmodule, slotRow(0, 2)));
            EXPECT_EQ(slots_().Colors(TSlotColumn::scSlot, 1), RGB(255, 216, 176));
            EXPECT_TRUE(slots_().IsHiddenColumn(slots_().RealToDisplCol(TSlotColumn::scAddressIn)) ||
                        slots_().ColCount() == 11);
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scModule, slotRow(3)), "Used Module");

            const int empty = slotRow(2);
            EXPECT_EQ(rowTexts(empty), QStringList({"2", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
            EXPECT_EQ(editorItems(slots_(), TSlotColumn::scModule, empty), QStringList({"", "IO Module", "Used Module"}));
            choose(slots_(), TSlotColumn::scModule, empty, "IO Module");
            EXPECT_EQ(slots_().RowCount(), 13);
            EXPECT_EQ(slots_().Row(), empty);
            EXPECT_EQ(rowTexts(slotRow(2, 1)).mid(1, 5), QStringList({"1 - Channel A", "IO Module", "IDT_M_IO_Info",
                                                                       "Param Submodule", "IDT_SM_PAR_Info"}));
            const int channelB = slotRow(2, 2);
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scSubmodule, channelB), "");
            EXPECT_EQ(editorItems(slots_(), TSlotColumn::scSubmodule, channelB),
                      QStringList({"", "Param Submodule", "Input Submodule"}));
            choose(slots_(), TSlotColumn::scSubmodule, channelB, "Input Submodule");
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scInput, channelB), "4");
            choose(slots_(), TSlotColumn::scSubmodule, channelB, "Param Submodule");
            // The parameter grid shows the chosen submodule's record.
            EXPECT_EQ(params().RowCount(), 4);
            EXPECT_EQ(params().GetCellEx(0, 1), "Settings");
            EXPECT_TRUE(params().IsMergedCell(0, 1));
            EXPECT_EQ(params().Colors(0, 1), RGB(255, 255, 0));
            EXPECT_EQ(params().GetCellEx(0, 2), "Mode");
            // Not set yet: what the device will get, the default (its item's text in a list).
            EXPECT_EQ(params().GetCellEx(1, 2), "On");
            EXPECT_EQ(params().GetCellEx(1, 3), "0");
            EXPECT_EQ(m().Shown_Subslot()->ParametersList[0]->Parameters_List[1]->FValue, "");
            EXPECT_EQ(editorItems(params(), 1, 2), QStringList({"Off", "On", "Bad"}));
            choose(params(), 1, 2, "Off");
            const TParam& mode = *m().Shown_Subslot()->ParametersList[0]->Parameters_List[0];
            EXPECT_EQ(mode.FValue, "0");
            // A text of no list entry keeps the value: -1 is no value of the list.
            choose(params(), 1, 2, "Not listed");
            EXPECT_EQ(mode.FValue, "0");
            type(params(), 1, 3, "1");
            type(params(), 4, 3, "flag of B");

            // The empty item takes the module out; choosing it again brings its template back.
            choose(slots_(), TSlotColumn::scModule, slotRow(3), "");
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scModule, slotRow(3)), "");
            choose(slots_(), TSlotColumn::scModule, slotRow(2, 1), "");
            EXPECT_EQ(slots_().RowCount(), 11);
            choose(slots_(), TSlotColumn::scModule, slotRow(2), "IO Module");
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scSubmodule, slotRow(2, 1)), "Param Submodule");
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scSubmodule, slotRow(2, 2)), "");
            choose(slots_(), TSlotColumn::scSubmodule, slotRow(2, 2), "Param Submodule");
            clickSlotRow(slotRow(2, 2));
            choose(params(), 1, 2, "Off");
            type(params(), 1, 3, "1");
            click(*m().Btn_OK, 5, 5);
        });
        const TPROFINET_Device& d = device(0);
        EXPECT_FALSE(d.SlotList[3]->Selected_Module);
        ASSERT_TRUE(d.SlotList[2]->Selected_Module);
        EXPECT_EQ(d.SlotList[2]->Selected_Module->FName, "IO Module");
        ASSERT_EQ(d.SlotList[2]->SubSlotList.size(), 3u);
        const TPROFINET_Subslot& b = *d.SlotList[2]->SubSlotList[1];
        EXPECT_EQ(b.Selected_SubModule->FName, "Param Submodule");
        EXPECT_EQ(b.ParametersList[0]->Parameters_List[0]->FValue, "0");
        EXPECT_EQ(b.ParametersList[0]->Parameters_List[1]->FValue, "1");
        EXPECT_EQ(b.ParametersList[0]->Parameters_List[1]->FMnemonic, "");
    });
}

// Its handlers find the parameter through the slot grid's selected row, so the parameter grid
// never shows the records of another subslot, device or module than that row's.
TEST_F(ModulesWindowTest, TheParameterGridAlwaysShowsTheSelectedRowsRecords) {
    open([&] {
        addFena();
        addOwn();
        defineModules(2, [&] {
            clickSlotRow(slotRow(0, 2));
            EXPECT_EQ(params().RowCount(), 4);
            // Another module in the selected row's slot: its own subslot's records.
            choose(slots_(), TSlotColumn::scModule, slotRow(1), "Fixed Module");
            EXPECT_EQ(params().RowCount(), 2);
            EXPECT_EQ(params().GetCellEx(0, 1), "");
            clickSlotRow(slotRow(0, 2));
        });
        clickRow(1);
        defineModules(1, [&] {
            const TPROFINET_Subslot* shown = m().Shown_Subslot();
            const bool records = shown && !shown->ParametersList.empty();
            EXPECT_EQ(params().GetCellEx(0, 1), records ? shown->ParametersList[0]->FGroupName : QString());
            EXPECT_NE(params().GetCellEx(0, 1), "Settings");
        });
    });
}

// A press on a header cell of the slot grid, as the user makes it: the selected row stays,
// and with it the parameters it shows.
TEST_F(ModulesWindowTest, AHeaderClickKeepsTheSelectedRowsParameters) {
    open([&] {
        addOwn();
        defineModules(1, [&] {
            clickSlotRow(slotRow(0, 2));
            const QString first = params().GetCellEx(0, 1);
            ASSERT_EQ(params().RowCount(), 4);
            const TRect r = slots_().CellRect(slots_().RealToDisplCol(TSlotColumn::scModule), 0);
            click(slots_(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
            EXPECT_EQ(params().RowCount(), 4);
            EXPECT_EQ(params().GetCellEx(0, 1), first);
            EXPECT_EQ(slots_().Row(), slotRow(0, 2));
        });
    });
}

TEST_F(ModulesWindowTest, ADeviceWithoutSlotsShowsOneEmptyRow) {
    open([&] {
        addOwn();
        defineModules(1, [] {});
        addFromCatalog(Own_Folder, Own_File, "Test Device", "CAT_C");
        ASSERT_TRUE(device(1).SlotList.empty());
        defineModules(2, [&] {
            EXPECT_EQ(slots_().RowCount(), 2);
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scSlot, 1), "");
            EXPECT_FALSE(slots_().HasCheckBox(TSlotColumn::scMapOnlyData, 1));
            type(slots_(), TSlotColumn::scMnemonic, 1, "x");
            click(*m().Btn_OK, 5, 5);
        });
        EXPECT_TRUE(device(1).SlotList.empty());
    });
}

TEST_F(ModulesWindowTest, FlagsAddressesAndMnemonicsAreStoredForEveryRow) {
    open([&] {
        addOwn();
        defineModules(1, [&] {
            type(slots_(), TSlotColumn::scMnemonic, 1, "head");
            type(slots_(), TSlotColumn::scMnemonic, slotRow(1, 1), "fixed");
            type(slots_(), TSlotColumn::scAddressIn, slotRow(1, 1), "12");
            type(slots_(), TSlotColumn::scQuantityOut, slotRow(1, 1), "many");
            slots_().OnCheckBoxChange(&slots_(), TSlotColumn::scMapOnlyData, slotRow(1, 1), true);
            slots_().OnCheckBoxChange(&slots_(), TSlotColumn::scDifferentWord, slotRow(0, 2), true);
            // Rows without a subslot store nothing.
            type(slots_(), TSlotColumn::scMnemonic, slotRow(4), "lost");
            click(*m().Btn_OK, 5, 5);
        });
        const TPROFINET_Device& d = device(0);
        EXPECT_EQ(d.SlotList[0]->SubSlotList[0]->FMnemonic, "head");
        const TPROFINET_Subslot& fixed = *d.SlotList[1]->SubSlotList[0];
        EXPECT_EQ(fixed.FMnemonic, "fixed");
        EXPECT_EQ(fixed.FStartAddIn, 12);
        EXPECT_EQ(fixed.FQuantityOut, 0);
        EXPECT_TRUE(fixed.FStatus);
        EXPECT_FALSE(fixed.FWord_Pos);
        EXPECT_TRUE(d.SlotList[0]->SubSlotList[4]->FWord_Pos);
        EXPECT_TRUE(d.SlotList[4]->SubSlotList.empty());
        addressDevices();
        click(*w().Btn_OK, 5, 5);
    });
    open([&] {
        defineModules(1, [&] {
            EXPECT_EQ(slots_().GetCellEx(TSlotColumn::scMnemonic, 1), "head");
            EXPECT_TRUE(slots_().IsChecked(TSlotColumn::scMapOnlyData, slotRow(1, 1)));
        });
    });
}

// The user's mouse: a press on a subslot's read-only cell and then one press on its flag's box
// sets the flag; the next press clears it.
TEST_F(ModulesWindowTest, OnePressOnAFlagsBoxSetsItAfterAReadOnlyCell) {
    open([&] {
        addOwn();
        defineModules(1, [&] {
            const int row = slotRow(1, 1);
            const auto press = [&](int col) {
                const TRect r = slots_().CellRect(slots_().RealToDisplCol(col), row);
                click(slots_(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
            };
            const TPROFINET_Subslot& fixed = *m().SlotList[1]->SubSlotList[0];
            press(TSlotColumn::scSubslot);
            press(TSlotColumn::scMapOnlyData);
            EXPECT_TRUE(fixed.FStatus);
            press(TSlotColumn::scMapOnlyData);
            EXPECT_FALSE(fixed.FStatus);
        });
    });
}

TEST_F(ModulesWindowTest, CancelLeavesTheDeviceExactlyAsItWas) {
    open([&] {
        addOwn();
        addressDevices();
        click(*w().Btn_OK, 5, 5);
    });
    const QByteArray before = networkFile();
    open([&] {
        defineModules(1, [&] {
            choose(slots_(), TSlotColumn::scModule, slotRow(2), "IO Module");
            choose(slots_(), TSlotColumn::scModule, slotRow(1, 1), "IO Module");
            type(slots_(), TSlotColumn::scMnemonic, 1, "head");
            clickSlotRow(slotRow(0, 2));
            choose(params(), 1, 2, "Bad");
            click(*m().Btn_Cancel, 5, 5);
        });
        addressDevices();
        click(*w().Btn_OK, 5, 5);
    });
    EXPECT_EQ(networkFile(), before);
}

// A value of each data type the vendors' descriptions use is typed into the parameter grid:
// one in range is stored, one outside is refused with its message and the cell shows the
// stored value again.
TEST_F(ModulesWindowTest, AParameterOfEachDataTypeIsSetAndChecked) {
    std::set<QString> done;
    const auto example = [](const TParam& p, QString& good, QString& bad) {
        const QString& t = p.FDataType;
        const QString low = p.FAllowedValues.section(' ', 0, 0).section("..", 0, 0);
        good = low.isEmpty() ? QStringLiteral("1") : low;
        if (t == "Bit") bad = "2";
        else if (t == "BitArea") bad = QString::number((int64_t(1) << p.FBitLength));
        else if (t == "Unsigned8") bad = "256";
        else if (t == "Unsigned16") bad = "65536";
        else if (t == "Unsigned32") bad = "-1";
        else if (t == "Integer8") bad = "128";
        else if (t == "Integer16") bad = "-32769";
        else if (t == "VisibleString") good = "ab", bad = QString(p.FLength + 1, 'x');
        else if (t == "OctetString") good = "1", bad = "1,300";
        else bad.clear();
    };
    const auto walk = [&] {
        std::set<QString> tried;
        defineModules(list().Row(), [&] {
            for (size_t s = 0; s < m().SlotList.size(); ++s) {
                TPROFINET_Slot& slot = *m().SlotList[s];
                const QStringList modules = slot.FFixed ? QStringList{QString()} : slot.ModNameList;
                for (const QString& module : modules) {
                    if (!tried.insert(module).second) continue;
                    if (!module.isEmpty()) choose(slots_(), TSlotColumn::scModule, slotRow(slot.FSlotNum), module);
                    for (const auto& subslot : slot.SubSlotList) {
                        clickSlotRow(slotRow(slot.FSlotNum, subslot->FSubslotNum));
                        int row = 1;
                        for (const auto& group : subslot->ParametersList) {
                            ++row;
                            for (const auto& param : group->Parameters_List) {
                                const int r = row++;
                                if (done.count(param->FDataType)) continue;
                                if (!param->DiscreteList.empty()) {
                                    // A listed value is chosen and stored as its number.
                                    const auto& item = *param->DiscreteList.back();
                                    choose(params(), 1, r, item.FText);
                                    EXPECT_EQ(param->FValue, QString::number(item.FValue));
                                    done.insert(param->FDataType);
                                    continue;
                                }
                                QString good, bad;
                                example(*param, good, bad);
                                if (bad.isEmpty()) continue;
                                SCOPED_TRACE((param->FDataType + " " + param->FName).toStdString());
                                ASSERT_TRUE(Param_Value_Fault(*param, good).isEmpty()) << good.toStdString();
                                EXPECT_EQ(params().GetCellEx(0, r), param->FName);
                                type(params(), 1, r, good);
                                EXPECT_EQ(param->FValue, good);
                                driver().reset();
                                type(params(), 1, r, bad);
                                EXPECT_EQ(param->FValue, good);
                                EXPECT_EQ(params().GetCellEx(1, r), good);
                                ASSERT_EQ(driver().boxes().size(), 1u);
                                EXPECT_EQ(driver().boxes()[0].text, Param_Value_Fault(*param, bad));
                                done.insert(param->FDataType);
                            }
                        }
                    }
                }
            }
        });
    };
    open([&] {
        addLeuze();
        walk();
        addFena();
        walk();
    });
    // Both descriptions' parameters are of these types; the vendors' octet strings are IO data.
    EXPECT_EQ(done, (std::set<QString>{"Bit", "BitArea", "Integer16", "Integer8", "Unsigned16", "Unsigned32",
                                       "Unsigned8", "VisibleString"}));
}

}  // namespace
