#include "tables/bacnet_slave_set_access_form.h"

#include "tables/bacnet_eng_unit_form.h"
#include "tables/bacnet_slave_check.h"
#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/page_control.h"

namespace {

const char File[] = "BACnet_Slave.xml";

const QStringList Read_Object{"Analog Input", "62", "10", "", "4", "N", "Boiler temperature"};
const QStringList Write_Object{"Binary Out", "95", "20", "3", "1", "Y", "Pump"};

class BACnetObjectsWindow : public TableWindowFixture<TFBACnetSlaveSetAccess> {
protected:
    void SetUp() override {
        TableWindowFixture::SetUp();
        picker = std::make_unique<TFBACnet_Eng_Unit>(nullptr);
        picker->Create();
        FBACnet_Eng_Unit = picker.get();
    }
    void TearDown() override {
        FBACnet_Eng_Unit = nullptr;
        picker.reset();
        TableWindowFixture::TearDown();
    }
    TExColumnGrid& read() { return *window->ACG_BACnet_in_Read; }
    TExColumnGrid& write() { return *window->ACG_BACnet_in_Write; }
    void writeParGen(const char* limit) {
        folder.write("ParGen.xml", QByteArray("<Par_Gen><BACnet_Desc_Chars_Limit>") + limit +
                                       "</BACnet_Desc_Chars_Limit></Par_Gen>");
    }
    std::unique_ptr<TFBACnet_Eng_Unit> picker;
};

TEST_F(BACnetObjectsWindow, TwoTablesOfObjectsWhoseSizeFollowsTheGeneralParameters) {
    EXPECT_EQ(window->ClientWidth(), 764);
    EXPECT_EQ(window->Caption(), "BACnet Set Access");
    EXPECT_EQ(window->TS_BACnet_in_Write->Caption(), "BACnet in Write");
    EXPECT_TRUE(read().IsHiddenColumn(bcSwap));
    EXPECT_TRUE(write().IsHiddenColumn(bcSwap));
    EXPECT_EQ(read().Columns().Items(bcDataType)->ComboItems().Strings(12), "Accumulator");
    EXPECT_EQ(write().Columns().Items(bcDataType)->ComboItems().Strings(7), "Multi State Output");
    EXPECT_EQ(write().Columns().Items(bcEngUnit)->Header(), "Eng. Unit");
    show([&](TFBACnetSlaveSetAccess& w) {
        EXPECT_FALSE(w.Desc_Lenght);
        EXPECT_EQ(read().RowCount(), 2001);
        EXPECT_EQ(read().Columns().Items(bcPosition)->ComboItems().Strings(1499), "1499");
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TS_BACnet_in_Read);
    });
    writeParGen("1");
    show([&](TFBACnetSlaveSetAccess& w) {
        EXPECT_TRUE(w.Desc_Lenght);
        EXPECT_EQ(read().RowCount(), 1001);
        EXPECT_EQ(write().RowCount(), 1001);
    });
    // A declaration and a comment before the root change nothing.
    folder.write("ParGen.xml", "<?xml version=\"1.0\"?>\r\n<!--SW_VERSION = 1.001-->\r\n"
                               "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    show([&](TFBACnetSlaveSetAccess& w) {
        EXPECT_TRUE(w.Desc_Lenght);
        EXPECT_EQ(read().RowCount(), 1001);
    });
}

TEST_F(BACnetObjectsWindow, ObjectsReadBackUnchangedAndARowWithoutARequiredAttributeEndsTheLoading) {
    const QByteArray original = Table_Groups_Xml(BACnet_Slave_File, {{Read_Object}, {Write_Object}});
    folder.write(File, original);
    show([&](TFBACnetSlaveSetAccess& w) {
        EXPECT_EQ(rowCells(read(), 1, bcDataType, bcMnemonic), Read_Object);
        EXPECT_EQ(rowCells(write(), 1, bcDataType, bcMnemonic), Write_Object);
        press(w.Btn_OK);
    });
    EXPECT_TRUE(driver().boxes().empty()) << boxTexts().join('\n').toStdString();
    EXPECT_EQ(fileBytes(File), original);

    folder.write(File, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"1\" "
                       "Position=\"0\" Bit=\"\" Length=\"4\" Mnemonic=\"a\"/><row Data_Type=\"Analog Input\" "
                       "Eng_Unit=\"1\" Position=\"4\" Bit=\"\" Mnemonic=\"b\"/></BACnet_in_Read></BACnet_to_Modbus>");
    show([&](TFBACnetSlaveSetAccess&) {
        EXPECT_EQ(rowCells(read(), 1, bcDataType, bcMnemonic), QStringList({"Analog Input", "1", "0", "", "4", "N", "a"}));
        EXPECT_EQ(read().GetCellEx(bcDataType, 2), "");
    });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_TRUE(driver().boxes()[0].text.startsWith("Attribute \"Length\" is missing in row 2 of " + folder.file(File)));
}

TEST_F(BACnetObjectsWindow, TooManyObjectsAreRefusedWithTheLimit) {
    writeParGen("1");
    show([&](TFBACnetSlaveSetAccess& w) {
        for (int r = 1; r <= 600; ++r) fillRow(read(), r, {"Analog Input", "0", "0", "", "4"});
        for (int r = 1; r <= 401; ++r) fillRow(write(), r, {"Analog Out", "0", "0", "", "4"});
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        fillRow(write(), 1, {"Analog Out", "0", "1500", "", "4"});
        press(w.Btn_OK);
    });
    EXPECT_EQ(boxTexts(), QStringList({"Error!! Too many Requests. Max requests 1000",
                                       "Error row 1!! [BACnet in Write] Position must be between 0 and 1499"}));
    EXPECT_EQ(fileBytes(File), "<missing>");
}

TEST_F(BACnetObjectsWindow, AMnemonicWithASeparatorIsRefusedOnOK) {
    show([&](TFBACnetSlaveSetAccess& w) {
        fillRow(read(), 1, {"Analog Input", "62", "0", "", "4", "N", "in;out"});
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        fillRow(read(), 1, {"Analog Input", "62", "0", "", "4", "N", "in out"});
        fillRow(write(), 1, {"Analog Out", "62", "0", "", "4", "N", "line\nbreak"});
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
    });
    EXPECT_EQ(boxTexts(), QStringList({"Error row 1!! [BACnet in Read] Mnemonic must not contain \";\" or a line break",
                                       "Error row 1!! [BACnet in Write] Mnemonic must not contain \";\" or a line break"}));
    EXPECT_EQ(fileBytes(File), "<missing>");
}

// Choosing a type in the write table gives its default length; the read table keeps its own.
TEST_F(BACnetObjectsWindow, AWriteTypeChosenSetsItsLength) {
    show([&](TFBACnetSlaveSetAccess&) {
        write().OnComboChange(&write(), bcDataType, 2, 5, "Large Analog Value");
        EXPECT_EQ(write().GetCellEx(bcLength, 2), "8");
        read().SetCellEx(bcLength, 2, "2");
        read().OnComboChange(&read(), bcDataType, 2, 5, "Large Analog Value");
        EXPECT_EQ(read().GetCellEx(bcLength, 2), "2");
    });
}

// A double click on a unit cell hands the code to the picker and takes the chosen one back on
// OK; Cancel leaves the cell.
TEST_F(BACnetObjectsWindow, ADoubleClickOnAUnitCellPicksTheUnit) {
    show([&](TFBACnetSlaveSetAccess& w) {
        write().SetCellEx(bcEngUnit, 4, "62");
        driver().onNextModal([&](TForm&) {
            EXPECT_EQ(picker->E_Selected_EU->Text(), "62");
            EXPECT_EQ(picker->Label5->Caption(), "-> degrees-Celsius");
            picker->E_Selected_EU->SetText("64");
            press(picker->Btn_OK);
        });
        w.DblClickCell(&write(), 4, bcEngUnit);
        EXPECT_EQ(write().GetCellEx(bcEngUnit, 4), "64");

        write().SetCellEx(bcEngUnit, 5, "abc");
        driver().onNextModal([&](TForm&) {
            EXPECT_EQ(picker->Label5->Caption(), "-> unknown");
            picker->E_Selected_EU->SetText("1");
            press(picker->Btn_Cancel);
        });
        w.DblClickCell(&write(), 5, bcEngUnit);
        EXPECT_EQ(write().GetCellEx(bcEngUnit, 5), "abc");
    });
}

}  // namespace
