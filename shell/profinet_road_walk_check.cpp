// On a real display, with the program's own windows, modal loops and message boxes: the
// PROFINET road walked by mouse and keys only. A new configuration, two devices from the
// catalog with a module and a parameter each, OK, and the update step, whose dialog is left
// with Cancel: the banks are written before it opens, and nothing is sent.
#include "config/network/modules_def_form.h"
#include "config/network/network_access_form.h"
#include "grid/columngrid/ex_column_grid.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "platform/controls/application.h"
#include "platform/controls/combo_drop_list.h"
#include "platform/controls/edit.h"
#include "platform/controls/image.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/tree_view.h"
#include "platform/net/echo_client.h"
#include "platform/net/http_client.h"
#include "platform/net/scripted_echo_client.h"
#include "platform/system/files.h"
#include "platform/system/scripted_process.h"
#include "platform/testkit/input_robot.h"
#include "platform/testkit/step_runner.h"
#include "platform/testkit/temp_folder.h"
#include "profinet/catalog/catalog_form.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"
#include "shell/boot_form.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "shell/new_project_form.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Vendor_Folder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
const QString Fena = QStringLiteral("GSDML-V2.25-ABB-FENA-20130603.xml");
const QString Leuze = QStringLiteral("GSDML-V2.41-LEUZE-BCL248i-20211213.xml");
constexpr unsigned Walk_Timeout_Ms = 25000;

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TFLoomwrighteFirmWare& main_() { return *FLoomwrighteFirmWare; }
TFPROFINET_Network_Access& net() { return *FPROFINET_Network_Access; }
TFPROFINET_Modules_Def& mod() { return *FPROFINET_Modules_Def; }
TExStringGrid& slotGrid() { return *mod().ASG_SlotModule; }
TExStringGrid& params() { return *mod().ASG_ModProp; }

bool modal(const TForm* form) { return robot::activeModalForm() == form; }

void clickCell(TExStringGrid& grid, int col, int row) {
    const TRect r = grid.CellRect(grid.RealToDisplCol(col), row);
    robot::click(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void doubleClickCell(TExStringGrid& grid, int col, int row) {
    const TRect r = grid.CellRect(grid.RealToDisplCol(col), row);
    robot::doubleClick(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

// The grid's combo editor is open on the cell.
bool comboOpenOn(TExStringGrid& grid, int col, int row) {
    TGridCombo* combo = grid.Combobox();
    return combo && combo->Visible() && grid.EditMode() && grid.RealCol() == col && grid.Row() == row;
}

// The text editor of the grid is open on the current cell and has the keyboard.
bool textEditorOpen(TExStringGrid& grid) {
    TInplaceEdit* editor = grid.InplaceEditor();
    return editor && editor->Visible() && robot::hasKeyboard(*editor);
}

// A click on the combo box's drop button.
void dropDown(TGridCombo& combo) { robot::click(combo, combo.Width() - combo.ButtonStripWidth() / 2, combo.Height() / 2); }

// A leaf of the catalog whose text starts with the device's name.
TTreeNode* catalogLeaf(const QString& device) {
    TTreeView& tree = *FPROFINETCatalog->TW_Catalog;
    for (int i = 0; i < tree.Items().Count(); ++i)
        if (tree.Items().Item(i)->Text().startsWith(device + " (")) return tree.Items().Item(i);
    return nullptr;
}

// The walk's steps from the main window to the update dialog and out.
class RoadWalk {
public:
    RoadWalk(StepRunner& steps, const TempFolder& folder) : steps_(steps), folder_(folder) {}

    void plan() {
        // The network button before any configuration is open: the box that says so is
        // closed with its OK.
        steps_.add("the main window, the catalog loaded",
                   [] { return robot::idleIn(main_()) && !main_().ILoadCat->Visible(); },
                   [] { robot::clickCenter(*main_().Btn_PROFINET_Master_Access); });
        steps_.add("the box: no configuration open", [] { return !robot::messageBoxText().isEmpty(); },
                   [] { robot::clickMessageBoxButton(mbOK); });
        steps_.add("the box closed", [] { return robot::idleIn(main_()) && robot::messageBoxText().isEmpty(); },
                   [] { robot::clickCenter(*main_().Btn_New); });
        steps_.add("the new configuration dialog", [] { return modal(FNew_Project); }, [] {
            robot::clickCenter(*FNew_Project->E_New_Proj);
            robot::typeText("Line");
        });
        steps_.add("the name typed", [] { return modal(FNew_Project) && FNew_Project->E_New_Proj->Text() == "Line"; },
                   [] { robot::clickCenter(*FNew_Project->Btn_OK); });
        steps_.add("the configuration open",
                   [this] { return robot::idleIn(main_()) && Project_Path == folder_.file("PROJECTS/Line"); },
                   [] { robot::clickCenter(*main_().Btn_PROFINET_Master_Access); });
        addDevice("FENA PPO Types", "drive-1", "192.168.0.20", 1);
        addDevice("BCL248i", "scanner-1", "192.168.0.21", 2);
        steps_.add("both devices with their modules", [] { return modal(FPROFINET_Network_Access); },
                   [] { robot::clickCenter(*net().Btn_OK); });
        steps_.add("the network window closed", [] { return robot::idleIn(main_()); },
                   [] { robot::clickCenter(*main_().Btn_CreateBin); });
        // The banks are written before the dialog opens; its Cancel sends and starts nothing.
        steps_.add("the update dialog over the written banks",
                   [this] { return modal(FBoot) && FileExists(folder_.file("PROJECTS/Line/bin/bank2.bin")); },
                   [] { robot::clickCenter(*FBoot->Btn_Cancel); });
        steps_.add("the update dialog closed", [] { return robot::idleIn(main_()); },
                   [] { robot::clickCenter(*main_().Btn_Close); });
    }

private:
    void addDevice(const QString& device, const QString& station, const QString& address, int row) {
        steps_.add(device + ": the network window", [] { return modal(FPROFINET_Network_Access); },
                   [] { robot::clickCenter(*net().Btn_Add_Catalog); });
        pickInCatalog(device);
        const size_t count = static_cast<size_t>(row);
        steps_.add(device + ": added to the network",
                   [count] { return modal(FPROFINET_Network_Access) && net().List_PROFINET_Device.size() == count; },
                   [] { robot::clickCenter(*net().E_Dev_DevProp_NameStation); });
        enter(device + ": name of station", *net().E_Dev_DevProp_NameStation, station);
        steps_.add(device + ": the name taken", [station] { return net().E_Dev_DevProp_NameStation->Text() == station; },
                   [] { robot::clickCenter(*net().E_Dev_DevProp_IPAddress); });
        enter(device + ": address", *net().E_Dev_DevProp_IPAddress, address);
        // Leaving the address for the device's row stores it.
        steps_.add(device + ": the address typed", [address] { return net().E_Dev_DevProp_IPAddress->Text() == address; },
                   [row] { clickCell(*net().ACG_ListDevice, 1, row); });
        steps_.add(device + ": the row selected, the address stored",
                   [row, station, address] {
                       const auto& devices = net().List_PROFINET_Device;
                       return modal(FPROFINET_Network_Access) && net().ACG_ListDevice->Row() == row &&
                              devices.back()->FNameOfStation == station && devices.back()->FIPAddress == address;
                   },
                   [row] { doubleClickCell(*net().ACG_ListDevice, 1, row); });
        placeModuleAndParameter(device);
    }

    // Expands the leaf's parents one double click at a time, turns the wheel until the leaf
    // shows, clicks it, then OK.
    void pickInCatalog(const QString& device) {
        steps_.addRepeated(
            device + ": the catalog shows the device",
            [device] { return modal(FPROFINETCatalog) && catalogLeaf(device); },
            [device] {
                TTreeView& tree = *FPROFINETCatalog->TW_Catalog;
                TTreeNode* leaf = catalogLeaf(device);
                TTreeNode* collapsed = nullptr;
                for (TTreeNode* p = leaf->Parent(); p; p = p->Parent())
                    if (!p->Expanded()) collapsed = p;
                const TRect r = robot::treeNodeRect(tree, collapsed ? *collapsed : *leaf);
                if (r.IsEmpty()) robot::wheel(tree, tree.Width() / 2, tree.Height() / 2, -1);
                else if (collapsed) robot::doubleClick(tree, r.Left + 20, (r.Top + r.Bottom) / 2);
                else robot::click(tree, r.Left + 20, (r.Top + r.Bottom) / 2);
                return !collapsed && !r.IsEmpty();
            });
        steps_.add(device + ": the device chosen",
                   [device] { return modal(FPROFINETCatalog) && FPROFINETCatalog->Selected_Device.startsWith(device); },
                   [] { robot::clickCenter(*FPROFINETCatalog->Btn_OK); });
    }

    // Replaces the text of the edit that has the keyboard.
    void enter(const QString& what, TEdit& edit, const QString& text) {
        steps_.add(what, [&edit] { return robot::hasKeyboard(edit); }, [text] {
            robot::pressKey(Qt::Key_A, Qt::ControlModifier);
            robot::typeText(text);
        });
    }

    // Slot 1 takes its first module from the drop-down list; the first parameter of a
    // subslot of it takes the last of its listed values and a mnemonic; OK.
    void placeModuleAndParameter(const QString& device) {
        using Def = TFPROFINET_Modules_Def;
        auto slotRow = std::make_shared<int>(-1);
        steps_.add(device + ": the module definition", [] { return modal(FPROFINET_Modules_Def); }, [slotRow] {
            int row = 1;
            while (row < slotGrid().RowCount() && slotGrid().GetCellEx(0, row) != "1") ++row;
            *slotRow = row;
        });
        openCell(device + ": slot 1's module", slotGrid, Def::scModule, [slotRow] { return *slotRow; });
        steps_.add(device + ": the module's combo editor",
                   [slotRow] { return comboOpenOn(slotGrid(), Def::scModule, *slotRow); },
                   [] { dropDown(*slotGrid().Combobox()); });
        steps_.add(device + ": the module list dropped", [] { return slotGrid().Combobox()->DroppedDown(); }, [] {
            TGridCombo& combo = *slotGrid().Combobox();
            const QString first = mod().SlotList.at(1)->ModNameList.value(0);
            const TRect r = combo.DropList()->ItemRect(static_cast<int>(combo.Items().indexOf(first)));
            robot::click(*combo.DropList(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        });
        auto paramRow = std::make_shared<int>(-1);
        steps_.add(device + ": slot 1's module placed, a subslot of it with a parameter",
                   [slotRow, paramRow] {
                       if (slotGrid().Combobox()->DroppedDown() || !mod().SlotList.at(1)->Selected_Module) return false;
                       *paramRow = subslotRowWithParameter(*slotRow);
                       return *paramRow > 0;
                   },
                   [paramRow] { clickCell(slotGrid(), Def::scSlot, *paramRow); });
        steps_.add(device + ": the subslot's parameters shown",
                   [paramRow] { return slotGrid().Row() == *paramRow && !params().GetCellEx(0, 2).isEmpty(); }, [] {});
        const auto param = [] { return mod().Shown_Subslot()->ParametersList[0]->Parameters_List[0].get(); };
        openCell(device + ": the parameter's value", params, Def::pcValue, [] { return 2; });
        steps_.addRepeated(
            device + ": the value's combo editor", [] { return comboOpenOn(params(), Def::pcValue, 2); }, [] {
                TGridCombo& combo = *params().Combobox();
                if (!combo.DroppedDown()) {
                    dropDown(combo);
                    return false;
                }
                // The last item, turning the wheel over the list until it shows.
                TComboDropList& list = *combo.DropList();
                const TRect r = list.ItemRect(combo.Count() - 1);
                if (r.Bottom > list.ClientHeight()) {
                    robot::wheel(list, list.Width() / 2, list.Height() / 2, -1);
                    return false;
                }
                robot::click(list, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
                return true;
            });
        steps_.add(device + ": the value stored",
                   [param] { return !params().Combobox()->DroppedDown() && !param()->FValue.isEmpty(); }, [] {});
        // The parameter's mnemonic typed into its cell's text editor; Enter ends the edit.
        openCell(device + ": the parameter's mnemonic", params, Def::pcMnemonic, [] { return 2; });
        steps_.add(device + ": the mnemonic's editor", [] { return textEditorOpen(params()); }, [] {
            robot::typeText("tag1");
            robot::pressKey(Qt::Key_Return);
        });
        steps_.add(device + ": the mnemonic stored",
                   [param] { return param()->FMnemonic == "tag1" && !textEditorOpen(params()); },
                   [] { robot::clickCenter(*mod().Btn_OK); });
    }

    // Two clicks on a cell: the first makes it current, the second opens its editor.
    void openCell(const QString& what, TExStringGrid& (*grid)(), int col, std::function<int()> row) {
        steps_.add(what + ": the cell clicked", [] { return true; }, [=] { clickCell(grid(), col, row()); });
        steps_.add(what + ": the cell current", [=] { return grid().Row() == row() && grid().RealCol() == col; },
                   [=] { clickCell(grid(), col, row()); });
    }

    // The first row of slot 1 from SlotRow on whose subslot's records hold a parameter.
    static int subslotRowWithParameter(int SlotRow) {
        for (int r = SlotRow; r < slotGrid().RowCount() && slotGrid().GetCellEx(0, r) == "1"; ++r) {
            const TPROFINET_Subslot* sub = mod().Row_Subslot(r);
            if (sub && !sub->ParametersList.empty() && !sub->ParametersList[0]->Parameters_List.empty()) return r;
        }
        return -1;
    }

    StepRunner& steps_;
    const TempFolder& folder_;
};

// What bank 2 must hold: the rules of device slots 0 and 1, address first, name of station
// after 12 bytes, and nothing in slot 2.
QStringList Bank2Faults(const QByteArray& bank2) {
    QStringList faults;
    if (bank2.size() <= 0x10 + 2 * 56) return {QStringLiteral("bank2.bin holds %1 bytes").arg(bank2.size())};
    const auto expect = [&](int at, const QByteArray& want) {
        if (bank2.mid(at, want.size()) != want)
            faults << QStringLiteral("bank2.bin at 0x%1: %2, not %3")
                          .arg(at, 0, 16)
                          .arg(QString::fromLatin1(bank2.mid(at, want.size()).toHex()), QString::fromLatin1(want.toHex()));
    };
    expect(0x10, QByteArray::fromHex("c0a80014"));
    expect(0x10 + 12, QByteArray("drive-1\0", 8));
    expect(0x10 + 56, QByteArray::fromHex("c0a80015"));
    expect(0x10 + 56 + 12, QByteArray("scanner-1\0", 10));
    expect(0x10 + 2 * 56, QByteArray(4, '\0'));
    return faults;
}

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    Application->Title = QStringLiteral("Loomwright");
    // Never any traffic: no echo request or updater may leave this program, whatever it does.
    Restrict_Echo_To_Loopback(true);
    Restrict_Http_To_Loopback(true);
    TScriptedEchoClient echo;
    TScriptedProcessRunner updater;

    TempFolder folder;
    Reset_Program_State();
    SetProgramFolder(folder.path());
    for (const QString& name : {Fena, Leuze}) folder.write("PROFINET_Catalog/" + name, Read(Vendor_Folder + name));
    Create_Program_Windows();

    StepRunner steps;
    RoadWalk walk(steps, folder);
    walk.plan();
    QElapsedTimer clock;
    clock.start();
    steps.onStep = [&](const QString& what) {
        std::printf("%6lld ms  %s\n", clock.elapsed(), qPrintable(what));
        std::fflush(stdout);
    };
    steps.start(
        Walk_Timeout_Ms, [] {},
        [&](const QString& step) {
            std::fprintf(stderr, "FAILED: never ready: %s (%s)\n", qPrintable(step), qPrintable(robot::describeScreen()));
            std::fflush(stderr);
            // Modal loops may be open on the way; nothing of this run is worth tearing down.
            std::_Exit(1);
        });
    Application->Run();

    QStringList faults;
    if (!steps.done()) faults << QStringLiteral("the program closed before the walk ended");
    faults << Bank2Faults(Read(folder.file("PROJECTS/Line/bin/bank2.bin")));
    if (!FileExists(folder.file("PROJECTS/Line/GSDML/" + Leuze))) faults << QStringLiteral("no copy of the scanner's file");
    if (!echo.requests().empty()) faults << QStringLiteral("an echo request was sent");
    if (!updater.started().empty()) faults << QStringLiteral("an updater was started");
    SetProgramFolder({});
    for (const QString& fault : faults) std::fprintf(stderr, "FAILED: %s\n", qPrintable(fault));
    std::printf("%s\n", faults.isEmpty() ? "the road was walked: bank2.bin carries both devices" : "the walk failed");
    std::fflush(stdout);
    return faults.isEmpty() ? 0 : 1;
}
