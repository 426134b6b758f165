#include "config/network/network_window_fixture.h"

#include <QSet>

#include "platform/controls/mouse.h"
#include "platform/controls/panel.h"
#include "platform/controls/scrolling_win_control.h"
#include "platform/controls/splitter.h"

#include "config/general/par_gen_file.h"
#include "platform/system/regional.h"
#include "platform/testkit/full_disk.h"
#include "platform/xml/xml_document.h"

namespace {

// Add, select, edit and delete: every edit lands in the device of the selected row.
TEST_F(NetworkWindowTest, DevicesAreAddedEditedAndDeletedThroughTheCatalog) {
    open([&] {
        EXPECT_EQ(list().RowCount(), 2);
        EXPECT_EQ(list().GetCellEx(2, 0), "Product Family");
        EXPECT_TRUE(list().Columns().Items(5)->ReadOnly);
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), "");
        addFena();
        addLeuze();
        ASSERT_EQ(w().List_PROFINET_Device.size(), 2u);
        EXPECT_TRUE(FileExists(folder.file("GSDML/" + Leuze_File)));
        EXPECT_EQ(list().Cells(0, 2), "1");
        EXPECT_EQ(list().Cells(1, 2), "Leuze electronic GmbH + Co. KG");
        EXPECT_EQ(list().Cells(4, 2), Leuze_File);
        EXPECT_EQ(list().Row(), 2);
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), device(1).FNameOfStation);

        enter(*w().E_Dev_DevProp_NameStation, "scanner-1");
        enter(*w().E_Dev_DevProp_IPAddress, "192.168.0.31");
        click(*w().CB_Dev_DevProp_New_Session_SPI, 5, 5);
        EXPECT_EQ(device(1).FNameOfStation, "scanner-1");
        EXPECT_EQ(device(1).FIPAddress, "192.168.0.31");
        EXPECT_TRUE(device(1).FNewSessionSPI);
        EXPECT_NE(device(0).FNameOfStation, "scanner-1");

        clickRow(1);
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), device(0).FNameOfStation);
        EXPECT_FALSE(w().CB_Dev_DevProp_New_Session_SPI->Checked());
        // A click on the header keeps the device shown and selected.
        clickRow(0);
        EXPECT_EQ(list().Row(), 1);
        click(*w().Btn_Delete_Device, 5, 5);
        ASSERT_EQ(w().List_PROFINET_Device.size(), 1u);
        EXPECT_EQ(device(0).FNameOfStation, "scanner-1");
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), "scanner-1");
        click(*w().Btn_Delete_Device, 5, 5);
        EXPECT_EQ(list().RowCount(), 2);
        EXPECT_EQ(list().Cells(1, 1), "");
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), "");
        EXPECT_EQ(w().CB_Dev_CycTime_Update->Count(), 0);
        // With no device in the row, edits store nothing and nothing is refused.
        enter(*w().E_Dev_DevProp_IPAddress, "nonsense");
        addLeuze();
        enter(*w().E_Dev_DevProp_IPAddress, "192.168.0.32");
        click(*w().Btn_OK, 5, 5);
    });
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join('\n').toStdString();

    open([&] {
        ASSERT_EQ(w().List_PROFINET_Device.size(), 1u);
        EXPECT_EQ(list().Cells(3, 1), device(0).GSDML()->ProfileBody.DeviceFunction.Family.ProductFamily());
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), device(0).FNameOfStation);
    });
}

TEST_F(NetworkWindowTest, DeletingTheLastOfThreeSelectsTheNewLastRow) {
    open([&] {
        addFena();
        addLeuze();
        addOwn();
        enter(*w().E_Dev_DevProp_NameStation, "third");
        clickRow(2);
        enter(*w().E_Dev_DevProp_NameStation, "second");
        clickRow(3);
        click(*w().Btn_Delete_Device, 5, 5);
        EXPECT_EQ(list().RowCount(), 3);
        EXPECT_EQ(list().Row(), 2);
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), "second");
    });
}

TEST_F(NetworkWindowTest, TheTenthDeviceIsTheLast) {
    open([&] {
        for (int i = 0; i < 9; ++i) addOwn();
        const size_t modalsBefore = driver().modalForms().size();
        addOwn();
        EXPECT_EQ(driver().modalForms().size(), modalsBefore + 1);
        EXPECT_EQ(w().List_PROFINET_Device.size(), 10u);
        driver().onNextModal([](TForm&) { ADD_FAILURE() << "the catalog opened"; });
        click(*w().Btn_Add_Catalog, 5, 5);
        EXPECT_EQ(w().List_PROFINET_Device.size(), 10u);
        EXPECT_EQ(boxTexts(), QStringList{"Error!! Maximun number devices are already present"});
        driver().reset();
    });
}

TEST_F(NetworkWindowTest, NamesOfStationFollowTheNamingRules) {
    const QString refusedLength = "PROFINET Name of Station must have 31 characters or less";
    const struct {
        QString name;
        bool taken;
    } cases[] = {
        {QString(31, 'a'), true},   {QString(32, 'a'), false}, {"", true},
        {"io-device.line-2", true}, {"Device", false},          {"io_device", false},
        {"-io", false},             {"io-", false},             {"io..dev", false},
        {"192.168.2.1", false},     {"io dev", false},
    };
    open([&] {
        addOwn();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name.toStdString());
            device(0).FNameOfStation = "before";
            driver().reset();
            enter(*w().E_Dev_DevProp_NameStation, c.name);
            EXPECT_EQ(device(0).FNameOfStation, c.taken ? c.name : "before");
            ASSERT_EQ(driver().boxes().size(), c.taken ? 0u : 1u);
            if (!c.taken) {
                EXPECT_EQ(driver().boxes()[0].type, mtError);
                EXPECT_EQ(driver().boxes()[0].text == refusedLength, c.name.size() == 32);
                EXPECT_EQ(FocusedControl(), w().E_Dev_DevProp_NameStation);
            }
        }
    });
}

TEST_F(NetworkWindowTest, AddressesMustBeValidInTheMastersSubnetAndUnique) {
    const QString invalid = "IP Address must be Valid (Ex. 192.168.1.112)";
    const QString edge = "IP Address cannot be the first or the last address of the subnet";
    const struct {
        QString address;
        QString message;  // "" when taken
    } cases[] = {
        {"192.168.0.12", ""},
        {" 192.168.0.13", ""},
        {"192.168.0.256", invalid},
        {"192.168.0", invalid},
        {"", invalid},
        {"192.168.1.12", "IP Address must be in the subnet of the PROFINET Master 192.168.0.10 / 255.255.255.0"},
        {"192.168.0.10", "IP Address is the address of the PROFINET Master"},
        {"192.168.0.0", edge},
        {"192.168.0.255", edge},
        {"192.168.0.40", "IP Address is already used by Device # 0"},
    };
    open([&] {
        addOwn();
        device(0).FIPAddress = "192.168.0.40";
        addOwn();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.address.toStdString());
            device(1).FIPAddress = "before";
            driver().reset();
            enter(*w().E_Dev_DevProp_IPAddress, c.address);
            EXPECT_EQ(device(1).FIPAddress, c.message.isEmpty() ? c.address : "before");
            EXPECT_EQ(boxTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        }
    });
}

// Leaving a refused address for a name that is refused too (a description's default name, a
// file edited by hand): the address is refused once and keeps the focus, with no box for the
// name that the focus only passed through.
TEST_F(NetworkWindowTest, LeavingARefusedFieldForAnotherRefusedOneAsksOnce) {
    open([&] {
        addOwn();
        device(0).FIPAddress = "192.168.0.40";
        addOwn();
        device(1).FNameOfStation = "Bad_Name";
        device(1).FIPAddress = "before";
        clickRow(2);
        TEdit& address = *w().E_Dev_DevProp_IPAddress;
        list().SetFocus();
        address.SetFocus();
        address.TextEditedNatively("192.168.0.40");
        driver().reset();
        w().E_Dev_DevProp_NameStation->SetFocus();
        EXPECT_EQ(boxTexts(), QStringList{"IP Address is already used by Device # 0"});
        EXPECT_TRUE(address.Focused());
        EXPECT_EQ(device(1).FIPAddress, "before");
        EXPECT_EQ(device(1).FNameOfStation, "Bad_Name");
    });
}

TEST_F(NetworkWindowTest, TheSubnetComesFromTheGeneralParameters) {
    TParGen_Values values;
    const QString address[] = {"10", "1", "0", "1"};
    const QString mask[] = {"255", "255", "0", "0"};
    for (int i = 0; i < 4; ++i) {
        values.SetText(TParGen_Item(int(TParGen_Item::PROFINET_Master_IP1) + i), address[i]);
        values.SetText(TParGen_Item(int(TParGen_Item::PROFINET_Master_SM1) + i), mask[i]);
    }
    TXMLDocument xml(nullptr);
    values.Write(xml, File_ParGen);
    open([&] {
        addOwn();
        enter(*w().E_Dev_DevProp_IPAddress, "10.1.200.7");
        EXPECT_EQ(device(0).FIPAddress, "10.1.200.7");
        enter(*w().E_Dev_DevProp_IPAddress, "10.2.0.7");
        EXPECT_EQ(device(0).FIPAddress, "10.1.200.7");
        EXPECT_EQ(boxTexts().size(), 1);
    });
}

// The own description's head station needs 2 ms; its update times are 0.25, 0.5, 1, 1, 2
// and 4 ms, of which the list shows 1 once.
TEST_F(NetworkWindowTest, AnUpdateTimeBelowTheDevicesMinimumIsRefusedAndNotKept) {
    open([&] {
        addOwn();
        TPROFINET_Device& d = device(0);
        ASSERT_EQ(w().CB_Dev_CycTime_Update->Items(), QStringList({"0,25", "0,5", "1", "2", "4"}).replaceInStrings(",", QString(FormatSettings.DecimalSeparator)));
        pick(*w().CB_Dev_CycTime_Update, 4);
        EXPECT_EQ(d.FUpdateTime, 5);
        EXPECT_EQ(d.SendClock(), 32);
        EXPECT_EQ(d.ReductionRadio(), 4);
        EXPECT_EQ(w().L_Dev_CycTime_Answer_Real->Caption(), "12");

        pick(*w().CB_Dev_CycTime_Update, 0);
        EXPECT_EQ(boxTexts(), QStringList{"Update Time must be major or equal to 2"});
        EXPECT_EQ(FocusedControl(), w().CB_Dev_CycTime_Update);
        // The refused entry's send clock and reduction ratio are not kept either.
        EXPECT_EQ(d.FUpdateTime, 5);
        EXPECT_EQ(d.SendClock(), 32);
        EXPECT_EQ(d.ReductionRadio(), 4);

        pick(*w().CB_Dev_CycTime_Update, 3);
        EXPECT_EQ(boxTexts().size(), 1);
        EXPECT_EQ(d.FUpdateTime, 4);
        EXPECT_EQ(d.ReductionRadio(), 2);
        EXPECT_EQ(w().L_Dev_CycTime_Answer_Real->Caption(), "6");
    });
}

// FENA with send clock 32 and reduction ratio 512 updates every 512 ms: three times that is
// an allowed time-out, four times is not.
TEST_F(NetworkWindowTest, AnAnswerTimeAbove1920msIsRefusedAndNeverSaved) {
    open([&] {
        addFena();
        TPROFINET_Device& d = device(0);
        const int entry512 = int(w().CB_Dev_CycTime_Update->Items().indexOf("512"));
        ASSERT_GE(entry512, 0);
        pick(*w().CB_Dev_CycTime_Update, entry512);
        EXPECT_EQ(w().L_Dev_CycTime_Answer_Real->Caption(), "1536");
        pick(*w().CB_Dev_CycTime_Answer, 1);
        EXPECT_EQ(boxTexts(), QStringList{"Answer Time must be lower or equal to 1920"});
        EXPECT_EQ(w().L_Dev_CycTime_Answer_Real->Caption(), "2048");
        EXPECT_EQ(d.FAnswerTime, 0);

        // A longer update time under a time-out factor that was allowed: warned, and OK
        // refuses to save it until the user lowers one of them.
        driver().reset();
        pick(*w().CB_Dev_CycTime_Answer, 0);
        const int entry1024 = int(w().CB_Dev_CycTime_Update->Items().indexOf("1024"));
        ASSERT_GE(entry1024, 0);
        pick(*w().CB_Dev_CycTime_Update, entry1024);
        EXPECT_EQ(boxTexts(), QStringList{"Answer Time must be lower or equal to 1920"});
        EXPECT_EQ(w().L_Dev_CycTime_Answer_Real->Caption(), "3072");
        addressDevices();
        click(*w().Btn_OK, 5, 5);
        EXPECT_EQ(w().ModalResult(), mrNone);
        EXPECT_FALSE(FileExists(File_PROFINET_Master_Network));
        pick(*w().CB_Dev_CycTime_Update, entry512);
        addressDevices();
        click(*w().Btn_OK, 5, 5);
    });
    EXPECT_TRUE(FileExists(File_PROFINET_Master_Network));
}

// FENA's send clocks and reduction ratios give many times twice or more: the list offers each
// time once and is as wide as its longest time, not as the panel. A time
// picked is stored as the first pair that gives it.
TEST_F(NetworkWindowTest, TheUpdateListShowsEachTimeOnceAtTheWidthOfItsLongest) {
    open([&] {
        addFena();
        const TPROFINET_Device& d = device(0);
        const QStringList items = w().CB_Dev_CycTime_Update->Items();
        EXPECT_LT(items.size(), d.UpdateTimeVal.size());
        EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), items.size());
        for (const QString& time : d.UpdateTimeVal) EXPECT_TRUE(items.contains(time)) << time.toStdString();
        EXPECT_LT(w().CB_Dev_CycTime_Update->Width(), 120);
        EXPECT_LT(w().CB_Dev_CycTime_Update->Width(), w().E_Dev_DevProp_NameStation->Width());

        const int shown = int(items.indexOf("8"));
        pick(*w().CB_Dev_CycTime_Update, shown);
        EXPECT_EQ(d.FUpdateTime, int(d.UpdateTimeVal.indexOf("8")));
        EXPECT_EQ(w().CB_Dev_CycTime_Update->Text(), "8");
    });
}

// A new device runs at send clock 32 and reduction ratio 2, 2 ms: its list shows that entry,
// not entry 0, and the file stores that entry with the pair.
TEST_F(NetworkWindowTest, ANewDevicesUpdateTimeIsShownAsItIsStored) {
    const struct {
        std::function<void()> add;
        QString entry;
    } cases[] = {
        {[this] { addFena(); }, "2"},
        {[this] { addOwn(); }, "2"},
    };
    for (const auto& c : cases) {
        QString shown;
        int index = -1;
        open([&] {
            c.add();
            shown = w().CB_Dev_CycTime_Update->Text();
            index = device(0).FUpdateTime;
            addressDevices();
            click(*w().Btn_OK, 5, 5);
        });
        EXPECT_EQ(shown, c.entry);
        const QByteArray file = networkFile();
        EXPECT_TRUE(file.contains(QString("UpdateTime=\"%1\" SendClock=\"32\" ReductionRadio=\"2\"").arg(index).toUtf8()))
            << file.toStdString();
        QFile::remove(File_PROFINET_Master_Network);
    }
}

// OK checks every device as leaving its fields would, and names and addresses across devices:
// the first fault is shown with its device, whose row and field take the selection and focus.
TEST_F(NetworkWindowTest, OKRefusesADeviceWithoutNameOrAddressAndDuplicateNamesOrAddresses) {
    const struct {
        QString names[2], addresses[2];
        QString message;
        int row;
        bool nameField;
    } cases[] = {
        {{"a", "b"}, {"192.168.0.20", ""}, "Device # 1: IP Address must be Valid (Ex. 192.168.1.112)", 2, false},
        {{"a", ""}, {"192.168.0.20", "192.168.0.21"}, "Device # 1: PROFINET Name of Station cannot be empty", 2, true},
        {{"a", "b"}, {"192.168.0.20", "192.168.0.20"}, "Device # 0: IP Address is already used by Device # 1", 1, false},
        {{"io-a", "io-a"}, {"192.168.0.20", "192.168.0.21"},
         "Device # 0: PROFINET Name of Station is already used by Device # 1", 1, true},
        {{QString(32, 'a'), "b"}, {"192.168.0.20", "192.168.0.21"},
         "Device # 0: PROFINET Name of Station must have 31 characters or less", 1, true},
        {{"a", "b"}, {"192.168.0.20", "192.168.0.21"}, "", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        open([&] {
            addOwn();
            addOwn();
            for (size_t i = 0; i < 2; ++i) {
                device(i).FNameOfStation = c.names[i];
                device(i).FIPAddress = c.addresses[i];
            }
            driver().reset();
            click(*w().Btn_OK, 5, 5);
            if (c.message.isEmpty()) {
                EXPECT_EQ(w().ModalResult(), mrOk);
                EXPECT_TRUE(boxTexts().isEmpty());
                return;
            }
            EXPECT_EQ(boxTexts(), QStringList{c.message});
            EXPECT_EQ(w().ModalResult(), mrNone);
            EXPECT_EQ(list().Row(), c.row);
            EXPECT_EQ(FocusedControl(), c.nameField ? static_cast<TWinControl*>(w().E_Dev_DevProp_NameStation)
                                                    : static_cast<TWinControl*>(w().E_Dev_DevProp_IPAddress));
            click(*w().Btn_Cancel, 5, 5);
        });
        EXPECT_EQ(FileExists(File_PROFINET_Master_Network), c.message.isEmpty());
    }
}

TEST_F(NetworkWindowTest, CancelKeepsTheFileAndTheNextOpeningShowsTheOldNetwork) {
    open([&] {
        addOwn();
        enter(*w().E_Dev_DevProp_NameStation, "kept");
        addressDevices();
        click(*w().Btn_OK, 5, 5);
    });
    const QByteArray saved = networkFile();
    EXPECT_EQ(open([&] {
                  addFena();
                  addLeuze();
                  click(*w().Btn_Cancel, 5, 5);
              }),
              mrCancel);
    EXPECT_EQ(networkFile(), saved);
    EXPECT_TRUE(FileExists(folder.file("GSDML/" + Fena_File)));
    open([&] {
        ASSERT_EQ(w().List_PROFINET_Device.size(), 1u);
        EXPECT_EQ(w().E_Dev_DevProp_NameStation->Text(), "kept");
    });
}

TEST_F(NetworkWindowTest, ADescriptionThatDoesNotDecodeAddsNothing) {
    QFile own(Own_Folder + Own_File);
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    folder.write("elsewhere/" + Own_File, own.readAll());
    open([&] {
        // The catalog's file was replaced after the catalog read it.
        TGSDML* entry = catalogEntry(folder.file("elsewhere") + PathDelim, Own_File);
        folder.write("elsewhere/" + Own_File, "<ISO15745Profile/>");
        driver().onNextModal([=](TForm&) {
            FPROFINETCatalog->Selected_GSDML = entry;
            FPROFINETCatalog->Selected_Device = "Test Device";
            click(*FPROFINETCatalog->Btn_OK, 5, 5);
        });
        click(*w().Btn_Add_Catalog, 5, 5);
        EXPECT_TRUE(w().List_PROFINET_Device.empty());
        EXPECT_TRUE(boxTexts().isEmpty());
        EXPECT_TRUE(FileExists(folder.file("GSDML/" + Own_File)));
    });
}

// A device whose description copy has gone is named when the window opens and is not shown,
// but OK keeps it in the file as it was; it still counts against the ten devices.
TEST_F(NetworkWindowTest, ADeviceThatCannotBeReadIsNamedAndKeptOnOk) {
    open([&] {
        addFena();
        enter(*w().E_Dev_DevProp_NameStation, "drive-1");
        enter(*w().E_Dev_DevProp_IPAddress, "192.168.0.31");
        addOwn();
        enter(*w().E_Dev_DevProp_NameStation, "own-1");
        enter(*w().E_Dev_DevProp_IPAddress, "192.168.0.32");
        click(*w().Btn_OK, 5, 5);
        EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join('\n').toStdString();
    });
    const QByteArray saved = networkFile();
    ASSERT_TRUE(QFile::remove(folder.file("GSDML/" + Fena_File)));
    driver().reset();
    const TModalResult result = open([&] {
        ASSERT_EQ(w().List_PROFINET_Device.size(), 1u);
        EXPECT_EQ(list().Cells(4, 1), Own_File);
        EXPECT_EQ(boxTexts(), QStringList({"These PROFINET devices cannot be read; they are kept in the network file as "
                                           "they are, but not shown:\nDevice #0 \"drive-1\": its GSDML file \"" +
                                           Fena_File + "\" is missing from the configuration"}));
        for (int i = 0; i < 8; ++i) addOwn();
        driver().reset();
        driver().onNextModal([](TForm&) { ADD_FAILURE() << "the catalog opened"; });
        click(*w().Btn_Add_Catalog, 5, 5);
        EXPECT_EQ(boxTexts(), QStringList{"Error!! Maximun number devices are already present"});
        driver().reset();
        for (int i = 0; i < 8; ++i) {
            clickRow(2);
            click(*w().Btn_Delete_Device, 5, 5);
        }
        click(*w().Btn_OK, 5, 5);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(networkFile(), saved);
}

TEST_F(NetworkWindowTest, OkOnAFullDiskSaysSoAndKeepsTheOldFile) {
    FullDisk disk(folder.path());
    SKIP_WITHOUT_FULL_DISK(disk);
    open([&] {
        addOwn();
        click(*w().Btn_OK, 5, 5);
    });
    const QByteArray saved = networkFile();
    disk.Fill();
    driver().reset();
    const TModalResult result = open([&] {
        enter(*w().E_Dev_DevProp_NameStation, "renamed");
        click(*w().Btn_OK, 5, 5);
        EXPECT_EQ(w().ModalResult(), mrNone);
        EXPECT_EQ(boxTexts(), QStringList{"Cannot write " + File_PROFINET_Master_Network + ": No space left on device"});
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(networkFile(), saved);
}

// Files that cannot be written are reported, and nothing is taken as if it had been.
TEST_F(NetworkWindowTest, AFolderOrFileThatCannotBeWrittenIsReported) {
    folder.write("GSDML", "a file where the folder should be");
    open([&] {
        addOwn();
        EXPECT_TRUE(w().List_PROFINET_Device.empty());
        ASSERT_EQ(boxTexts().size(), 1);
        EXPECT_TRUE(boxTexts()[0].startsWith("The GSDML file cannot be copied into the configuration: "));
    });
    QFile::remove(folder.file("GSDML"));
    ForceDirectories(File_PROFINET_Master_Network);  // a folder where the file should go
    driver().reset();
    open([&] {
        addOwn();
        addressDevices();
        click(*w().Btn_OK, 5, 5);
        EXPECT_EQ(w().ModalResult(), mrNone);
        EXPECT_EQ(boxTexts().size(), 1);
        click(*w().Btn_Cancel, 5, 5);
    });
}

}  // namespace

namespace {

// The bar under the device list shares the height with the properties; once they get less
// than they need they scroll, by the bar or by the wheel over them, while the wheel elsewhere
// is left to the window.
TEST_F(NetworkWindowTest, TheSplitterSharesTheHeightAndThePropertiesScrollByTheWheel) {
    open([&] {
        addOwn();
        TSplitter& bar = *w().Splitter1;
        TScrollingWinControl& box = *w().ScrollBox1;
        const int listHeight = w().P_Device->Height();
        EXPECT_FALSE(box.VertScrollBar().Visible());
        // The bar follows the pointer: the release lands on it where it went.
        mouseMessage(bar, WM_LBUTTONDOWN, 5, 1, MK_LBUTTON);
        mouseMessage(bar, WM_MOUSEMOVE, 5, 101, MK_LBUTTON);
        mouseMessage(bar, WM_LBUTTONUP, 5, 1);
        EXPECT_EQ(w().P_Device->Height(), listHeight + 100);
        EXPECT_EQ(box.Top(), bar.Top() + bar.Height());
        EXPECT_EQ(box.Top() + box.Height(), w().P_Button->Top());
        // The device list and its buttons follow the bar.
        EXPECT_EQ(w().P_Device_Buttons->Top() + w().P_Device_Buttons->Height(), w().P_Device->Height());
        ASSERT_TRUE(box.VertScrollBar().Visible());
        EXPECT_FALSE(box.HorzScrollBar().Visible());

        const auto wheel = [&](TControl& over, int delta) {
            const TPoint p = over.ClientToScreen({5, 5});
            return DeliverMessage(over, WM_MOUSEWHEEL, static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16,
                                  MakeLParam(p.X, p.Y));
        };
        Mouse.SetWheelScrollLines(3);
        const int top = w().P_Device_Properties->Top();
        EXPECT_EQ(wheel(*w().L_Dev_DevProp, -120), 1);
        EXPECT_LT(w().P_Device_Properties->Top(), top);
        EXPECT_EQ(wheel(*w().L_Dev_CycTime_Update, 120), 1);
        EXPECT_EQ(w().P_Device_Properties->Top(), top);
        EXPECT_EQ(wheel(*w().P_Title, -120), 0);
        EXPECT_EQ(w().P_Device_Properties->Top(), top);
    });
}

// The window's own refusals follow a language change as its captions do.
TEST_F(NetworkWindowTest, TheNameAndAddressRefusalsFollowTheLanguage) {
    const QString file = folder.write("Lingua.lng", "STR1138 = Nome vuoto\nSTR1145 = Indirizzo usato dal dispositivo\n"
                                                    "STR1146 = Dispositivo \n");
    Load_Lang_File(file);
    open([&] {
        addOwn();
        addOwn();
        device(0).FNameOfStation = "";
        device(0).FIPAddress = "192.168.0.20";
        device(1).FIPAddress = "192.168.0.20";
        click(*w().Btn_OK, 5, 5);
        EXPECT_EQ(boxTexts(), QStringList{"Dispositivo0: Nome vuoto"});
        driver().reset();
        w().E_Dev_DevProp_NameStation->SetText("a");
        click(*w().Btn_OK, 5, 5);
        EXPECT_EQ(boxTexts(), QStringList{"Dispositivo0: Indirizzo usato dal dispositivo1"});
        click(*w().Btn_Cancel, 5, 5);
    });
}

}  // namespace

namespace {

// Tab onto the session box and the update list marks them, so the user sees where the keys go.
TEST_F(NetworkWindowTest, TheCheckBoxAndTheListsShowTheFocusWhenTabbedTo) {
    open([&] {
        addOwn();
        TCheckBox& box = *w().CB_Dev_DevProp_New_Session_SPI;
        TComboBox& update = *w().CB_Dev_CycTime_Update;
        const QImage boxBefore = renderToImage(box);
        const QImage updateBefore = renderToImage(update);
        w().E_Dev_DevProp_IPAddress->SetFocus();
        w().E_Dev_DevProp_IPAddress->SetText("192.168.0.20");
        keyPress(*w().E_Dev_DevProp_IPAddress, VK_TAB);
        ASSERT_EQ(FocusedControl(), &box);
        EXPECT_NE(renderToImage(box), boxBefore);
        keyPress(box, VK_TAB);
        ASSERT_EQ(FocusedControl(), &update);
        EXPECT_EQ(renderToImage(box), boxBefore);
        EXPECT_NE(renderToImage(update), updateBefore);
    });
}

}  // namespace
