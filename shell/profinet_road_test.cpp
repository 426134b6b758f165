#include "config/network/modules_def_form.h"
#include "config/network/network_access_form.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/edit.h"
#include "platform/controls/tree_view.h"
#include "platform/system/files.h"
#include "platform/testkit/testkit.h"
#include "profinet/catalog/catalog_form.h"
#include "common/buttons/lb_button.h"
#include "shell/new_project_form.h"
#include "shell/program_test_fixture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <algorithm>

namespace {

const QString Vendor_Folder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
const QString Fena = QStringLiteral("GSDML-V2.25-ABB-FENA-20130603.xml");
const QString Leuze = QStringLiteral("GSDML-V2.41-LEUZE-BCL248i-20211213.xml");

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The PROFINET road of a user, once through the program's windows: a new configuration, two
// devices from the loaded catalog with modules and a parameter, OK, and the update step.
class ProfinetRoadTest : public TProgramTest {
protected:
    TFPROFINET_Network_Access& net() { return *FPROFINET_Network_Access; }
    TFPROFINET_Modules_Def& mod() { return *FPROFINET_Modules_Def; }

    // Clicks the catalog's leaf whose text starts with Device, then OK.
    void pickInCatalog(const QString& Device) {
        driver().onNextModal([=](TForm&) {
            TTreeView& tree = *FPROFINETCatalog->TW_Catalog;
            TTreeNode* leaf = nullptr;
            for (int i = 0; i < tree.Items().Count() && !leaf; ++i)
                if (tree.Items().Item(i)->Text().startsWith(Device + " (")) leaf = tree.Items().Item(i);
            ASSERT_NE(leaf, nullptr) << Device.toStdString();
            for (TTreeNode* p = leaf->Parent(); p; p = p->Parent()) p->Expand(false);
            const auto rows = tree.VisibleNodes();
            const int row = int(std::find(rows.begin(), rows.end(), leaf) - rows.begin());
            click(tree, tree.TextLeft(*leaf) + 3, row * TTreeView::RowHeight + TTreeView::RowHeight / 2);
            click(*FPROFINETCatalog->Btn_OK, 5, 5);
        });
        click(*net().Btn_Add_Catalog, 5, 5);
    }
    void enter(TEdit& edit, const QString& text) {
        edit.SetFocus();
        edit.TextEditedNatively(text);
        net().ACG_ListDevice->SetFocus();
    }
    // In the module definition of the selected device: slot 1 takes its first module, and the
    // first parameter of a subslot that has one takes the last of its listed values or its
    // default; then OK.
    void placeModuleAndParameter() {
        driver().onNextModal([&](TForm&) {
            TExStringGrid& slotGrid = *mod().ASG_SlotModule;
            TExStringGrid& params = *mod().ASG_ModProp;
            TPROFINET_Slot& slot = *mod().SlotList.at(1);
            int row = 1;
            while (row < slotGrid.RowCount() && slotGrid.GetCellEx(0, row) != "1") ++row;
            slotGrid.OnComboChange(&slotGrid, TFPROFINET_Modules_Def::scModule, row, 1, slot.ModNameList.value(0));
            for (int r = row; r < slotGrid.RowCount() && slotGrid.GetCellEx(0, r) == "1"; ++r) {
                slotGrid.SetRow(r);
                slotGrid.OnClickCell(&slotGrid, r, 0);
                if (params.RowCount() < 3 || params.GetCellEx(0, 2).isEmpty()) continue;
                TEditorType editor = edNormal;
                params.OnGetEditorType(&params, 1, 2, editor);
                if (editor == edComboList) {
                    params.OnComboChange(&params, 1, 2, 0, mod().Combo_Items.last());
                } else {
                    params.SetCellEx(1, 2, params.GetCellEx(3, 2));
                    params.OnEditCellDone(&params, 1, 2);
                }
                break;
            }
            click(*mod().Btn_OK, 5, 5);
        });
        net().ACG_ListDevice->OnDblClickCell(net().ACG_ListDevice, net().ACG_ListDevice->Row(), 1);
    }
};

TEST_F(ProfinetRoadTest, TwoDevicesFromTheCatalogReachBank2) {
    for (const QString& name : {Fena, Leuze}) folder.write("PROFINET_Catalog/" + name, Read(Vendor_Folder + name));
    start();
    w().Show();
    w().WaitForCatalog();

    driver().onNextModal([](TForm&) {
        FNew_Project->E_New_Proj->SetText("Line");
        click(*FNew_Project->Btn_OK, 5, 5);
    });
    w().Btn_Click(w().Btn_New);
    ASSERT_EQ(Project_Path, folder.file("PROJECTS/Line"));

    driver().onNextModal([&](TForm&) {
        pickInCatalog("FENA PPO Types");
        enter(*net().E_Dev_DevProp_NameStation, "drive-1");
        enter(*net().E_Dev_DevProp_IPAddress, "192.168.0.20");
        placeModuleAndParameter();
        pickInCatalog("BCL248i");
        enter(*net().E_Dev_DevProp_NameStation, "scanner-1");
        enter(*net().E_Dev_DevProp_IPAddress, "192.168.0.21");
        placeModuleAndParameter();
        click(*net().Btn_OK, 5, 5);
    });
    w().Btn_Click(w().Btn_PROFINET_Master_Access);
    EXPECT_TRUE(driver().boxes().empty()) << driver().boxes()[0].text.toStdString();
    ASSERT_EQ(net().List_PROFINET_Device.size(), 2u);
    EXPECT_TRUE(net().List_PROFINET_Device[1]->SlotList.at(1)->Selected_Module);
    EXPECT_TRUE(FileExists(folder.file("PROJECTS/Line/GSDML/" + Leuze)));

    w().Btn_Click(w().Btn_CreateBin);
    const QByteArray bank2 = Read(folder.file("PROJECTS/Line/bin/bank2.bin"));
    ASSERT_GT(bank2.size(), 0x10 + 2 * 56);
    // The rules of device slots 0 and 1: address first, name of station after 12 bytes.
    EXPECT_EQ(bank2.mid(0x10, 4).toHex(), QByteArray("c0a80014"));
    EXPECT_EQ(bank2.mid(0x10 + 12, 8), QByteArray("drive-1\0", 8));
    EXPECT_EQ(bank2.mid(0x10 + 56, 4).toHex(), QByteArray("c0a80015"));
    EXPECT_EQ(bank2.mid(0x10 + 56 + 12, 10), QByteArray("scanner-1\0", 10));
    EXPECT_EQ(bank2.mid(0x10 + 2 * 56, 4), QByteArray(4, '\0'));
}

}  // namespace
