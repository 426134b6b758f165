#pragma once

#include "config/network/modules_def_form.h"
#include "config/network/network_access_form.h"
#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "platform/controls/application.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/system/files.h"
#include "platform/testkit/testkit.h"
#include "profinet/catalog/catalog_form.h"
#include "profinet/gsdml/gsdml.h"
#include "common/buttons/lb_button.h"
#include "common/state/language.h"
#include "common/state/program_state.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <memory>
#include <vector>

// The descriptions the tests pick from the catalog: the vendors' files and the project's own.
inline const QString Vendor_Folder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
inline const QString Own_Folder = QStringLiteral(LW_TESTDATA "/");
inline const QString Fena_File = QStringLiteral("GSDML-V2.25-ABB-FENA-20130603.xml");
inline const QString Leuze_File = QStringLiteral("GSDML-V2.41-LEUZE-BCL248i-20211213.xml");
inline const QString Own_File = QStringLiteral("GSDML-V2.4-Test-Network.xml");

// An open configuration in a fresh folder with the catalog, module definition and network
// windows; the network window is driven while it is open, as the user drives it.
class NetworkWindowTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        Application->CreateForm(FPROFINETCatalog);
        Application->CreateForm(FPROFINET_Modules_Def);
        Application->CreateForm(FPROFINET_Network_Access);
    }
    void TearDown() override {
        Application->DestroyForms();
        ProjectFixture::TearDown();
    }

    TFPROFINET_Network_Access& w() { return *FPROFINET_Network_Access; }
    TFPROFINET_Modules_Def& m() { return *FPROFINET_Modules_Def; }
    TExColumnGrid& list() { return *w().ACG_ListDevice; }

    // Opens the network window; while it is open, action runs, then the window closes as
    // action left it, or with Cancel.
    TModalResult open(const std::function<void()>& action) {
        driver().onNextModal([&](TForm&) { action(); });
        return w().ShowModal();
    }

    // The catalog's decoded description of a file, kept for the run like the catalog's own.
    TGSDML* catalogEntry(const QString& path, const QString& file) {
        auto gsdml = std::make_unique<TGSDML>();
        EXPECT_TRUE(gsdml->Decode_GSDML(path, file)) << file.toStdString();
        return catalogFiles.emplace_back(std::move(gsdml)).get();
    }
    // Picks a device in the catalog window opened by Add From Catalog, and OK.
    void addFromCatalog(const QString& path, const QString& file, const QString& device,
                        const QString& category = QString()) {
        TGSDML* entry = catalogEntry(path, file);
        driver().onNextModal([=](TForm&) {
            FPROFINETCatalog->Selected_GSDML = entry;
            FPROFINETCatalog->Selected_Device = device;
            FPROFINETCatalog->Selected_CategoryRef = category;
            click(*FPROFINETCatalog->Btn_OK, 5, 5);
        });
        click(*w().Btn_Add_Catalog, 5, 5);
    }
    void addFena() { addFromCatalog(Vendor_Folder, Fena_File, "FENA All Telegrams"); }
    void addLeuze() { addFromCatalog(Vendor_Folder, Leuze_File, "BCL248i"); }
    void addOwn() { addFromCatalog(Own_Folder, Own_File, "Test Device", "CAT_A"); }

    // A click on a row of the device grid, as the grid reports it.
    void clickRow(int row) { list().OnClickCell(&list(), row, 0); }
    // Types text into an edit and leaves it for the device grid.
    void enter(TEdit& edit, const QString& text) {
        edit.SetFocus();
        edit.TextEditedNatively(text);
        list().SetFocus();
    }
    void pick(TComboBox& combo, int index) { combo.ItemSelectedNatively(index); }

    TPROFINET_Device& device(size_t i) { return *w().List_PROFINET_Device.at(i); }
    // Gives every device without an address one of its own in the master's subnet, as OK
    // takes no device without one.
    void addressDevices() {
        for (size_t i = 0; i < w().List_PROFINET_Device.size(); ++i)
            if (device(i).FIPAddress.isEmpty()) device(i).FIPAddress = QStringLiteral("192.168.0.%1").arg(20 + i);
    }
    QByteArray networkFile() const {
        QFile f(File_PROFINET_Master_Network);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::vector<std::unique_ptr<TGSDML>> catalogFiles;
};

using TSlotColumn = TFPROFINET_Modules_Def::TSlotColumn;

// The module definition window of the selected device, driven through its grids' events as
// the grids report them.
class ModulesWindowTest : public NetworkWindowTest {
protected:
    TExStringGrid& slots_() { return *m().ASG_SlotModule; }
    TExStringGrid& params() { return *m().ASG_ModProp; }

    // Opens the module definition of the device in row with a double click; action runs while
    // it is open, and then the window closes as action left it, or with Cancel.
    void defineModules(int row, const std::function<void()>& action) {
        driver().onNextModal([&](TForm&) { action(); });
        list().OnDblClickCell(&list(), row, 1);
    }
    QStringList editorItems(TExStringGrid& grid, int col, int row) {
        TEditorType editor = edNormal;
        grid.OnGetEditorType(&grid, col, row, editor);
        EXPECT_EQ(editor, edComboList);
        // What the window offers is what the grid's drop-down list holds.
        EXPECT_EQ(grid.Combobox()->Items(), m().Combo_Items);
        return m().Combo_Items;
    }
    void choose(TExStringGrid& grid, int col, int row, const QString& text) {
        grid.OnComboChange(&grid, col, row, 0, text);
    }
    void type(TExStringGrid& grid, int col, int row, const QString& text) {
        grid.SetCellEx(col, row, text);
        grid.OnEditCellDone(&grid, col, row);
    }
    void clickSlotRow(int row) {
        slots_().SetRow(row);
        slots_().OnClickCell(&slots_(), row, 0);
    }
    // The slot grid row whose slot and subslot cells start with these numbers.
    int slotRow(int slot, int subslot = -1) {
        for (int r = 1; r < slots_().RowCount(); ++r)
            if (slots_().GetCellEx(0, r) == QString::number(slot) &&
                (subslot < 0 || slots_().GetCellEx(1, r).section(' ', 0, 0) == QString::number(subslot)))
                return r;
        ADD_FAILURE() << "no row for slot " << slot << " subslot " << subslot;
        return 1;
    }
    QStringList rowTexts(int row) {
        QStringList texts;
        for (int c = 0; c < TFPROFINET_Modules_Def::scCount; ++c) texts << slots_().GetCellEx(c, row);
        return texts;
    }
};
