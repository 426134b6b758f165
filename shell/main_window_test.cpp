#include "shell/main_window.h"
#include "shell/version_check.h"

#include "config/network/network_access_form.h"
#include "config/server/iec61850_variables_form.h"
#include "config/server/tls_known_cert_form.h"
#include "tables/bacnet_slave_set_access_form.h"
#include "tables/mqtt_set_topic_form.h"
#include "tables/receive_can_form.h"
#include "tables/snmp_trap_form.h"
#include "tables/transmit_can_form.h"
#include "platform/controls/application.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/shape.h"
#include "platform/controls/shell_execute.h"
#include "platform/controls/timer.h"
#include "platform/net/http_client.h"
#include "platform/system/files.h"
#include "platform/system/folder_lock.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "shell/about_form.h"
#include "shell/boot_form.h"
#include "common/buttons/lb_button.h"
#include "shell/main_block.h"
#include "shell/new_project_form.h"
#include "shell/open_conf_form.h"
#include "shell/par_gen_form.h"
#include "common/state/program_state.h"
#include "shell/soft_options_form.h"
#include "platform/testkit/full_disk.h"
#include "shell/program_test_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

class MainWindowTest : public TProgramTest {
protected:
    void TearDown() override {
        TProgramTest::TearDown();
        SetUrlOpener({});
    }
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeSettings(const QString& projectName) {
        folder.write("Loomwright.xml", QString("<Conf_Settings><lastproj><projectname>%1</projectname></lastproj>"
                                               "</Conf_Settings>")
                                           .arg(projectName)
                                           .toUtf8());
    }
};

// A second copy of the program on the same folder says that the folder is in use and takes
// nothing: the settings and configurations stay as the first copy has them. Once the first copy
// is gone the folder is free again.
TEST_F(MainWindowTest, ASecondCopyOnTheSameFolderIsRefused) {
    writeSettings("P");
    const QByteArray settings = readAll(folder.file("Loomwright.xml"));
    {
        TFolder_Lock first(folder.path(), "Loomwright.lock");
        ASSERT_EQ(first.Take(), TFolder_Lock::lsTaken);
        EXPECT_FALSE(Take_Program_Folder());
        ASSERT_EQ(driver().boxes().size(), 1u);
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_EQ(driver().boxes()[0].text,
                  QString("The program folder %1 is in use by another copy of the configurator (process %2).\n\n"
                          "Close that copy before starting the configurator again.")
                      .arg(folder.path())
                      .arg(QCoreApplication::applicationPid()));
        EXPECT_EQ(readAll(folder.file("Loomwright.xml")), settings);
    }
    EXPECT_TRUE(Take_Program_Folder());
    EXPECT_EQ(readAll(folder.file("Loomwright.lock")), QByteArray::number(QCoreApplication::applicationPid()) + "\n");
    TFolder_Lock other(folder.path(), "Loomwright.lock");
    EXPECT_EQ(other.Take(), TFolder_Lock::lsInUse);
    Release_Program_Folder();
    EXPECT_EQ(driver().boxes().size(), 1u);
}

// Saves killed on the way left their temporary files beside the settings and the configuration
// files; the next start removes them, and nothing else.
TEST_F(MainWindowTest, StartRemovesTheTemporaryFilesOfKilledSaves) {
    ForceDirectories(folder.file("PROJECTS/P"));
    writeSettings("P");
    for (const char* name : {".Loomwright.xml.k3Jd9Q", "PROJECTS/P/.ParGen.xml.aB12cD", "PROJECTS/P/.MQTT_Set_Topic.xml.Zz00Zz"})
        folder.write(name, QByteArray(4096, 'x'));
    folder.write("PROJECTS/P/.ParGen.xml.notes", "the user's");
    start();
    EXPECT_EQ(QDir(folder.path()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList{});
    EXPECT_EQ(QDir(folder.file("PROJECTS/P")).entryList({".*"}, QDir::Files | QDir::Hidden),
              QStringList{".ParGen.xml.notes"});
}

TEST_F(MainWindowTest, FirstStartMakesTheFoldersAndOpensNoConfiguration) {
    start();
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE", "PROFINET_Catalog"})
        EXPECT_TRUE(DirectoryExists(folder.file(sub))) << sub;
    EXPECT_EQ(Exe_Dir, folder.path());
    EXPECT_EQ(Catalog_Dir, folder.file("PROFINET_Catalog"));
    EXPECT_EQ(w().L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(w().L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(w().Timer_Update->Enabled());
    EXPECT_EQ(Project_Path, "");
    EXPECT_EQ(File_ParGen, "");  // never a file at the root of the disk
    EXPECT_EQ(Lang_List.size(), 2600);
    EXPECT_EQ(SW_Code, "SWQX372");
    EXPECT_EQ(w().Caption(), "Korvexline - Configurator SWQX372 - IEC61850 Server / PROFINET Master ");
    EXPECT_EQ(Application->MainForm, &w());
}

TEST_F(MainWindowTest, TheQx372StepsStandInTheirPlaces) {
    start();
    EXPECT_EQ(w().ClientWidth(), 694);
    EXPECT_EQ(w().ClientHeight(), 484);
    struct Place {
        TControl* control;
        int left, top;
    };
    for (const Place& p : {Place{w().Btn_New, 80, 112}, Place{w().Btn_Open, 258, 112}, Place{w().Btn_Prm_Gen, 80, 156},
                           Place{w().Btn_PROFINET_Master_Access, 80, 200}, Place{w().Btn_IEC61850_Access, 80, 244},
                           Place{w().Btn_TLS_List_Certificates, 80, 288}, Place{w().Btn_CreateBin, 80, 332},
                           Place{w().L_Step_6, 16, 348}, Place{w().Btn_Close, 632, 8}, Place{w().L_Korvex, 565, 348},
                           Place{w().Shape1, 10, 383}}) {
        EXPECT_EQ(p.control->Left(), p.left) << p.control->Name.toStdString();
        EXPECT_EQ(p.control->Top(), p.top) << p.control->Name.toStdString();
        EXPECT_TRUE(p.control->Visible()) << p.control->Name.toStdString();
    }
    for (TControl* hidden : {static_cast<TControl*>(w().L_Step_7), static_cast<TControl*>(w().Btn_SNMP_Trap),
                             static_cast<TControl*>(w().Btn_BACnet_EDE_File), static_cast<TControl*>(w().Btn_CAN_Send_Frame)})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name.toStdString();
    EXPECT_EQ(w().Btn_New->Caption(), "New Configuration");
    EXPECT_EQ(w().Btn_CreateBin->Hint(), "Update the actual Firmware and/or Configuration in the device");
    EXPECT_EQ(w().Btn_PROFIBUS_GSD->Caption(), "PROFIBUS GSD");
    EXPECT_TRUE(w().ILoadCat->Visible());
    EXPECT_EQ(w().LLoadCat->Caption(), "Loading Catalog...");
}

TEST_F(MainWindowTest, WithNoConfigurationOnlyTheFreeStepsRun) {
    start();
    TLbButton* refused[] = {w().Btn_Prm_Gen,       w().Btn_PROFINET_Master_Access, w().Btn_IEC61850_Access,
                            w().Btn_TLS_List_Certificates, w().Btn_CreateBin,  w().Btn_PROFIBUS_GSD,
                            w().Btn_SNMP_Trap,     w().Btn_SNMP_MIB,           w().Btn_MQTT_Set_Topic,
                            w().Btn_BACnet_SetAccess, w().Btn_BACnet_EDE_File, w().Btn_CAN_Rec_Frame,
                            w().Btn_CAN_Send_Frame};
    for (TLbButton* b : refused) {
        driver().reset();
        w().Btn_Click(b);
        ASSERT_EQ(driver().boxes().size(), 1u) << b->Name.toStdString();
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_EQ(driver().boxes()[0].text, "Error! Project not Valid");
        EXPECT_EQ(driver().boxes()[0].buttons, mbOK);
        EXPECT_TRUE(driver().modalForms().empty()) << b->Name.toStdString();
        EXPECT_TRUE(driver().fileDialogs().empty());
    }
    driver().reset();
    click(*w().Btn_New, 5, 5);
    click(*w().Btn_Open, 5, 5);
    click(*w().Btn_Info, 5, 5);
    click(*w().Btn_Opz, 5, 5);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(driver().modalForms(),
              (std::vector<TForm*>{FNew_Project, FOpenConf, FAbout, FSoftOptions}));
}

TEST_F(MainWindowTest, SettingsNamingAnExistingConfigurationReopenIt) {
    ForceDirectories(folder.file("PROJECTS/Plant A/bin"));
    writeSettings("Plant A");
    start();
    EXPECT_EQ(Project_Name, "Plant A");
    EXPECT_EQ(Project_Path, folder.file("PROJECTS/Plant A"));
    EXPECT_EQ(File_ParGen, folder.file("PROJECTS/Plant A/ParGen.xml"));
    EXPECT_EQ(File_TLS_Known_Cert, folder.file("PROJECTS/Plant A/TLS_Known_Cert.xml"));
    EXPECT_EQ(w().L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(w().L_Name_Conf_L2->Caption(), "Plant A");

    w().Btn_Click(w().Btn_Prm_Gen);
    w().Btn_Click(w().Btn_IEC61850_Access);
    w().Btn_Click(w().Btn_TLS_List_Certificates);
    w().Btn_Click(w().Btn_CreateBin);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(driver().modalForms(),
              (std::vector<TForm*>{FParGen, FIEC61850_Variables, FTLS_Server_Known_Cert, FBoot}));
}

// The steps of the further tables (hidden on this variant) open their windows.
TEST_F(MainWindowTest, TheFurtherTableStepsOpenTheirWindows) {
    ForceDirectories(folder.file("PROJECTS/Plant A/bin"));
    writeSettings("Plant A");
    start();
    for (TLbButton* step : {w().Btn_SNMP_Trap, w().Btn_MQTT_Set_Topic, w().Btn_BACnet_SetAccess,
                            w().Btn_CAN_Rec_Frame, w().Btn_CAN_Send_Frame})
        w().Btn_Click(step);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(driver().modalForms(), (std::vector<TForm*>{FSNMP_Trap_Access, FMQTT_Set_Topic, FBACnetSlaveSetAccess,
                                                          FReceiveCAN, FTransmitCAN}));
}

TEST_F(MainWindowTest, AConfigurationWhoseFolderIsGoneIsForgotten) {
    writeSettings("Deleted");
    start();
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(w().L_Name_Conf->Caption(), "None Configuration Opened ");
    w().Close();
    QFile settings(folder.file("Loomwright.xml"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(settings.readAll());
    EXPECT_FALSE(written.contains("Deleted"));
    EXPECT_TRUE(written.contains("<projectname"));
}

// The last configuration of the settings file opens only when it is one folder inside PROJECTS.
TEST_F(MainWindowTest, SettingsNamingAFolderOutsideTheConfigurationsOpenNone) {
    ForceDirectories(folder.file("PROJECTS/.hidden"));
    for (const char* name : {"..", ".", "../PROJECTS", ".hidden", "../MASTER"}) {
        Application->DestroyForms();
        Reset_Program_State();
        SetProgramFolder(folder.path());
        writeSettings(name);
        start();
        EXPECT_EQ(Project_Name, "") << name;
        EXPECT_EQ(Project_Path, "") << name;
        EXPECT_EQ(w().L_Name_Conf->Caption(), "None Configuration Opened ") << name;
    }
}

TEST_F(MainWindowTest, OptionsOkOnAFullDiskSaysSoAndKeepsTheSettingsFile) {
    FullDisk disk(folder.path());
    SKIP_WITHOUT_FULL_DISK(disk);
    writeSettings("");
    const QByteArray old = readAll(folder.file("Loomwright.xml"));
    start();
    disk.Fill();
    driver().onNextModal([](TForm& f) { f.SetModalResult(mrOk); });
    w().Btn_Click(w().Btn_Opz);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].text,
              "Cannot write " + folder.file("Loomwright.xml") + ": No space left on device");
    EXPECT_EQ(readAll(folder.file("Loomwright.xml")), old);
}

// A server that answers only when the test lets it.
class TSilentServer : public THttpClient {
public:
    THttpReply Get(const THttpRequest&) override {
        std::unique_lock<std::mutex> lock(m_);
        ++requests_;
        asked_.notify_all();
        released_.wait(lock, [this] { return answer_; });
        return {200, "VER. 9.999"};
    }
    void waitForRequest() {
        std::unique_lock<std::mutex> lock(m_);
        asked_.wait(lock, [this] { return requests_ > 0; });
    }
    void release() {
        std::lock_guard<std::mutex> lock(m_);
        answer_ = true;
        released_.notify_all();
    }

private:
    std::mutex m_;
    std::condition_variable asked_, released_;
    int requests_ = 0;
    bool answer_ = false;
};

// The timer's version check waits for the server on a thread of its own: the windows go on
// meanwhile, and the link shows once the answer came.
TEST_F(MainWindowTest, TheVersionCheckNeverHoldsTheWindows) {
    TSilentServer server;
    SetHttpClient(&server);
    start();
    Enable_Internet = Enable_Update = true;
    w().Timer_UpdateTimer(nullptr);
    server.waitForRequest();
    // The server has not answered, yet the windows go on.
    w().Btn_Click(w().Btn_Info);
    EXPECT_EQ(driver().modalForms(), std::vector<TForm*>{FAbout});
    EXPECT_FALSE(w().LL_Update->Visible());
    EXPECT_FALSE(w().Timer_Update->Enabled());

    server.release();
    w().WaitForVersionCheck();
    EXPECT_TRUE(w().LL_Update->Visible());
    EXPECT_TRUE(w().Timer_Update->Enabled());
    EXPECT_EQ(w().Timer_Update->Interval(), 7200000u);
    Application->DestroyForms();
    SetHttpClient(nullptr);
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenDoesNotKeepTheProgramOpen) {
    ForceDirectories(folder.file("Loomwright.xml"));  // a folder where the file should go
    start();
    w().Btn_Click(w().Btn_Close);
    EXPECT_TRUE(Application->Terminated());
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
}

TEST_F(MainWindowTest, ProfinetStepWaitsForTheCatalog) {
    ForceDirectories(folder.file("PROJECTS/P"));
    writeSettings("P");
    start();
    w().Btn_Click(w().Btn_PROFINET_Master_Access);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtInformation);
    EXPECT_EQ(driver().boxes()[0].text, "Wait Until the Catalog is Loaded");
    EXPECT_TRUE(driver().modalForms().empty());

    w().Show();
    w().WaitForCatalog();
    EXPECT_FALSE(w().ILoadCat->Visible());
    EXPECT_FALSE(w().LLoadCat->Visible());
    w().Btn_Click(w().Btn_PROFINET_Master_Access);
    EXPECT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().modalForms(), std::vector<TForm*>{FPROFINET_Network_Access});
}

TEST_F(MainWindowTest, OptionsSaveTheSettingsOnlyOnOk) {
    start();
    w().Btn_Click(w().Btn_Opz);
    EXPECT_FALSE(FileExists(folder.file("Loomwright.xml")));
    driver().onNextModal([](TForm& f) {
        Enable_Internet = Enable_Update = true;
        f.SetModalResult(mrOk);
    });
    w().Btn_Click(w().Btn_Opz);
    EXPECT_TRUE(FileExists(folder.file("Loomwright.xml")));
    EXPECT_TRUE(w().Timer_Update->Enabled());
}

TEST_F(MainWindowTest, ChangeLanguageReappliesEveryWindowsTexts) {
    start();
    Lang_List[15] = "Neue Konfiguration";
    Lang_List[9] = "Keine Konfiguration";
    Lang_List[2400] = "IEC61850 Variablen";
    Lang_List[1000] = "Aktualisieren";
    w().Change_Language();
    EXPECT_EQ(w().Btn_New->Caption(), "Neue Konfiguration");
    EXPECT_EQ(w().L_Name_Conf->Caption(), "Keine Konfiguration");
    EXPECT_EQ(FIEC61850_Variables->Caption(), "IEC61850 Variablen");
    EXPECT_EQ(FBoot->Caption(), "Aktualisieren");
}

TEST_F(MainWindowTest, TheMakerLabelOpensTheMakersPage) {
    start();
    QString opened;
    SetUrlOpener([&](const QString& url) {
        opened = url;
        return true;
    });
    click(*w().L_Korvex, 2, 2);
    EXPECT_EQ(opened, Maker_Web_Site + "/HOME/default.asp?frompg=SWQX372");
}

}  // namespace
