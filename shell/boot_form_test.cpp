#include "shell/boot_form.h"

#include "config/banks/bank_files.h"
#include "platform/controls/application.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/net/scripted_echo_client.h"
#include "platform/system/files.h"
#include "platform/system/scripted_process.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "platform/xml/xml_document.h"
#include "common/buttons/lb_button.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "common/state/program_state.h"
#include "shell/update_job_file.h"
#include "shell/program_test_fixture.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The dialog is driven through the main window's update step. Echo requests go to a scripted
// client, which sends nothing; the updater is a stub script in the temporary program folder.
class BootTest : public TProgramTest {
protected:
    void SetUp() override {
        ASSERT_EQ(&EchoClient(), &echo);
        TProgramTest::SetUp();
        ForceDirectories(folder.file("PROJECTS/P/bin"));
        folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
        folder.write("MASTER/SimQX372.sim", "firmware image");
        Create_Program_Windows();
    }
    void TearDown() override {
        for (const TEchoRequest& r : echo.requests()) EXPECT_TRUE(r.Host.startsWith("127.")) << r.Host.toStdString();
        TProgramTest::TearDown();
    }

    TFBoot& boot() { return *FBoot; }

    // Runs the update step; inDialog is what the user does while the dialog is open.
    void updateStep(const std::function<void()>& inDialog) {
        driver().onNextModal([&](TForm&) { inDialog(); });
        w().Btn_Click(w().Btn_CreateBin);
    }
    void setAddress(const char* a, const char* b, const char* c, const char* d) {
        boot().E_IP1->SetText(a);
        boot().E_IP2->SetText(b);
        boot().E_IP3->SetText(c);
        boot().E_IP4->SetText(d);
    }
    QStringList fields() {
        return {boot().E_IP1->Text(), boot().E_IP2->Text(), boot().E_IP3->Text(), boot().E_IP4->Text()};
    }
    // Enters a loopback address and presses the update button.
    void pressUpdate() {
        setAddress("127", "0", "0", "7");
        click(*boot().Btn_Update, 5, 5);
    }
    // A stub updater that notes each run and ends with exitCode.
    void writeStub(int exitCode, const QString& name = "Vivazova_Rorozi") {
        const QString path = folder.write(
            name, QString("#!/bin/sh\necho run >> \"$(dirname \"$0\")/updater_runs\"\nexit %1\n").arg(exitCode).toUtf8());
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }
    int stubRuns() {
        QFile f(folder.file("updater_runs"));
        return f.open(QIODevice::ReadOnly) ? f.readAll().count("run") : 0;
    }
    bool jobWritten() { return FileExists(folder.file("Vivazova_Rorozi.xml")); }
    QStringList boxTexts() {
        QStringList texts;
        for (const auto& b : driver().boxes()) texts << b.text;
        return texts;
    }

    TScriptedEchoClient echo;
};

TEST_F(BootTest, TheUpdateStepWritesTheBanksAndOpensTheEthernetDialog) {
    bool shown = false;
    updateStep([&] {
        shown = true;
        TFBoot& f = boot();
        EXPECT_EQ(f.Form_Type, 1);
        EXPECT_TRUE(FileExists(Bank_File_Path(3)));
        EXPECT_EQ(f.Caption(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(f.L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
        EXPECT_EQ(f.L_SW_Code->Caption(), "SWQX372");
        EXPECT_EQ(f.ClientWidth(), 449);
        EXPECT_EQ(f.ClientHeight(), 230);
        EXPECT_TRUE(f.P_IP_Address->Visible());
        EXPECT_TRUE(f.P_Options->Visible());
        EXPECT_FALSE(f.P_Eth_Search->Visible());
        EXPECT_FALSE(f.P_Serial->Visible());
        EXPECT_EQ(f.P_IP_Address->Top(), 69);
        EXPECT_EQ(f.P_Options->Top(), 118);
        EXPECT_EQ(f.P_Button->Top(), 190);
        EXPECT_EQ(fields(), (QStringList{"192", "168", "2", "205"}));  // the settings' default address
        EXPECT_EQ(f.CB_Update_Options->Items(),
                  (QStringList{"Firmware + Configuration", "Firmware", "Configuration"}));
        EXPECT_EQ(f.CB_Update_Options->ItemIndex(), 0);
        EXPECT_TRUE(f.CB_Update_Option_Read_Back->Checked());
        EXPECT_EQ(f.Btn_Update->Caption(), "Execute Update Firmware");
        EXPECT_TRUE(f.E_IP1->Focused());
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(driver().modalForms(), std::vector<TForm*>{FBoot});
    EXPECT_TRUE(echo.requests().empty());
}

TEST_F(BootTest, APointMovesToTheNextAddressField) {
    updateStep([&] {
        TFBoot& f = boot();
        typeChar(*f.E_IP1, '.');
        EXPECT_TRUE(f.E_IP2->Focused());
        f.E_IP3->SetFocus();
        typeChar(*f.E_IP3, '.');
        EXPECT_TRUE(f.E_IP4->Focused());
        f.E_IP4->SetText("20");
        typeChar(*f.E_IP4, '.');
        EXPECT_TRUE(f.E_IP4->Focused());
        EXPECT_EQ(fields(), (QStringList{"192", "168", "2", "20"}));
    });
}

// The firmware image the job names is not there: said before anything is tested or run; an
// update of the configuration alone does not need it.
TEST_F(BootTest, AMissingFirmwareImageIsSaidBeforeTheUpdaterStarts) {
    writeStub(0);
    DeleteFile(folder.file("MASTER/SimQX372.sim"));
    updateStep([&] {
        pressUpdate();
        EXPECT_EQ(boxTexts(), QStringList({"The update cannot start: a file it must load does not exist: " +
                                           Master_Dir + PathDelim + "SimQX372.sim"}));
        EXPECT_TRUE(echo.requests().empty());
        EXPECT_FALSE(jobWritten());
        EXPECT_EQ(stubRuns(), 0);

        driver().reset();
        boot().CB_Update_Options->SetItemIndex(2);
        echo.reply(), echo.reply();
        click(*boot().Btn_Update, 5, 5);
        EXPECT_TRUE(boxTexts().isEmpty());
        EXPECT_EQ(stubRuns(), 1);
    });
}

TEST_F(BootTest, TheEchoTestDecidesWhetherTheUpdateGoesOn) {
    struct Case {
        const char* what;
        std::function<void(TScriptedEchoClient&)> script;
        size_t requests;
        QString box;  // "" when the update goes on
        TMsgDlgType boxType;
    };
    const QString notFound = "Device Not Found!";
    const QString checkAddress = "Error!!! Check the Ip Address";
    const Case cases[] = {
        {"two replies", [](TScriptedEchoClient& e) { e.reply(), e.reply(); }, 2, "", mtError},
        // Twelve time-outs of 410 ms, then a reply that comes when 5000 ms have passed.
        {"a reply only to the last request", [](TScriptedEchoClient& e) { e.timeOut(12), e.reply(100); }, 13, "",
         mtError},
        {"no reply", [](TScriptedEchoClient&) {}, 13, notFound, mtWarning},
        {"one reply, then none", [](TScriptedEchoClient& e) { e.reply(); }, 14, notFound, mtWarning},
        {"only ICMP errors",
         [](TScriptedEchoClient& e) {
             for (int i = 0; i < 500; ++i) e.reply(1, 56, rsErrorUnreachable);
         },
         455, notFound, mtWarning},
        {"replies without data", [](TScriptedEchoClient& e) { e.reply(1, 0), e.reply(1, 0); }, 15, notFound, mtWarning},
        {"an address the client refuses", [](TScriptedEchoClient& e) { e.fail("Not an IPv4 address"); }, 1,
         checkAddress, mtError},
        {"a socket error after a reply", [](TScriptedEchoClient& e) { e.reply(), e.fail("No ICMP socket"); }, 2,
         checkAddress, mtError},
    };
    writeStub(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        echo.reset();
        c.script(echo);
        driver().reset();
        QFile::remove(folder.file("Vivazova_Rorozi.xml"));
        QFile::remove(folder.file("updater_runs"));
        IP_Address_Device = "127.0.0.1";
        updateStep([&] {
            pressUpdate();
            EXPECT_EQ(boot().ModalResult(), mrNone);  // the dialog stays open
        });
        ASSERT_EQ(echo.requests().size(), c.requests);
        EXPECT_EQ(echo.requests()[0].Host, "127.0.0.7");
        EXPECT_EQ(echo.requests()[0].Data, "127.0.0.7");
        EXPECT_EQ(echo.requests()[0].Sequence, 0);
        EXPECT_EQ(echo.requests()[0].TimeoutMs, 400u);
        const bool updates = c.box.isEmpty();
        EXPECT_EQ(boxTexts(), updates ? QStringList{} : QStringList{c.box});
        if (!updates && !driver().boxes().empty()) {
            EXPECT_EQ(driver().boxes()[0].type, c.boxType);
        }
        EXPECT_EQ(jobWritten(), updates);
        EXPECT_EQ(stubRuns(), updates ? 1 : 0);
        EXPECT_EQ(IP_Address_Device, updates ? "127.0.0.7" : "127.0.0.1");
    }
}

TEST_F(BootTest, AfterAnAttemptTheFocusIsBackOnTheUpdateButton) {
    QString during, after;
    // The native side moves the focus off the disabled button to Cancel while the test runs.
    echo.onRequest = [&](const TEchoRequest&) {
        if (boot().Btn_Cancel->CanFocus()) boot().Btn_Cancel->SetFocus();
        during = FocusedControl() ? FocusedControl()->Name : QString();
    };
    updateStep([&] {
        pressUpdate();
        after = FocusedControl() ? FocusedControl()->Name : QString();
        boot().Btn_Cancel->Click();
    });
    echo.onRequest = nullptr;
    EXPECT_EQ(during, "Btn_Cancel");
    EXPECT_EQ(boxTexts(), QStringList{"Device Not Found!"});
    EXPECT_EQ(after, "Btn_Update");
}

TEST_F(BootTest, ASuccessfulUpdateStoresItsChoicesForTheNextOpening) {
    writeStub(0);
    echo.reply();
    echo.reply();
    updateStep([&] {
        boot().CB_Update_Options->SetItemIndex(2);
        boot().CB_Update_Option_Read_Back->SetChecked(false);
        pressUpdate();
    });
    EXPECT_EQ(IP_Address_Device, "127.0.0.7");
    EXPECT_EQ(Update_Option, 2);
    EXPECT_EQ(Update_Read_Back, 0);
    TXMLDocument job(nullptr);
    job.LoadFromFile(Update_Job_File());
    EXPECT_EQ(job.DocumentElement().ChildNodes().FindNode("IP_Address_Dev").Text(), "127.0.0.7");
    EXPECT_EQ(job.DocumentElement().ChildNodes().FindNode("Operations").ChildNodes().Count(), 3);

    updateStep([&] {
        EXPECT_EQ(fields(), (QStringList{"127", "0", "0", "7"}));
        EXPECT_EQ(boot().CB_Update_Options->ItemIndex(), 2);
        EXPECT_FALSE(boot().CB_Update_Option_Read_Back->Checked());
    });

    // A stored address that is empty or does not split leaves the fields as they were.
    for (const char* stored : {"", "10.1.2.300", "10.1.2"}) {
        IP_Address_Device = stored;
        updateStep([&] { EXPECT_EQ(fields(), (QStringList{"127", "0", "0", "7"})) << stored; });
    }
}

TEST_F(BootTest, TheUpdaterRunsOnceAndAFailureIsReported) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        int runs;
        QString box;  // "" for none
    };
    const Case cases[] = {
        {"ends well", [&] { writeStub(0); }, 1, ""},
        {"ends with an error code", [&] { writeStub(3); }, 1, "Error!!! Update program ended with exit code 3"},
        {"named with .exe", [&] { writeStub(0, "Vivazova_Rorozi.exe"); }, 1, ""},
        {"missing", [] {}, 0, "Error!!! Update program not started: " + folder.file("Vivazova_Rorozi")},
        {"not executable",
         [&] {
             writeStub(0);
             QFile::setPermissions(folder.file("Vivazova_Rorozi"), QFile::ReadOwner | QFile::WriteOwner);
         },
         0, "Error!!! Update program not started: " + folder.file("Vivazova_Rorozi")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"Vivazova_Rorozi", "Vivazova_Rorozi.exe", "updater_runs", "Vivazova_Rorozi.xml"})
            QFile::remove(folder.file(name));
        driver().reset();
        c.prepare();
        echo.reply();
        echo.reply();
        updateStep([&] {
            pressUpdate();
            EXPECT_EQ(boot().ModalResult(), mrNone);
        });
        EXPECT_TRUE(jobWritten());
        EXPECT_EQ(stubRuns(), c.runs);
        EXPECT_EQ(boxTexts(), c.box.isEmpty() ? QStringList{} : QStringList{c.box});
        if (!c.box.isEmpty() && !driver().boxes().empty()) {
            EXPECT_EQ(driver().boxes()[0].type, mtError);
        }
    }
}

TEST_F(BootTest, AJobFileThatCannotBeSavedStopsTheUpdate) {
    TScriptedProcessRunner runner;
    ForceDirectories(folder.file("Vivazova_Rorozi.xml"));  // a folder where the file belongs
    echo.reply();
    echo.reply();
    updateStep([&] { pressUpdate(); });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_FALSE(driver().boxes()[0].text.startsWith("Error!!! Update program"));
    EXPECT_TRUE(runner.started().empty());
}

TEST_F(BootTest, AnUpdaterThatHangsIsLeftAfter150Seconds) {
    TScriptedProcessRunner runner;
    runner.neverEnds();
    writeStub(0);
    for (int i = 0; i < 4; ++i) echo.reply();
    uint64_t hung = 0, waited = 0;
    updateStep([&] {
        const uint64_t start = Clock().NowMs();
        pressUpdate();
        hung = Clock().NowMs() - start;
        runner.endsAfter(10, 0);
        pressUpdate();  // usable again
        waited = Clock().NowMs() - start - hung;
    });
    ASSERT_EQ(runner.started().size(), 2u);
    EXPECT_EQ(runner.started()[0].File, folder.file("Vivazova_Rorozi"));
    EXPECT_EQ(runner.started()[0].Parameters, "");
    EXPECT_FALSE(runner.started()[0].Hidden);
    EXPECT_GE(hung, 150000u);
    EXPECT_LT(hung, 151000u);
    EXPECT_LT(waited, 1000u);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(echo.requests().size(), 4u);
}

TEST_F(BootTest, NothingStartsASecondUpdateWhileTheEchoTestRuns) {
    writeStub(0);
    echo.reply();
    echo.reply();
    echo.onRequest = [&](const TEchoRequest&) {
        if (echo.requests().size() > 1) return;
        boot().Btn_UpdateClick(boot().Btn_Update);
        click(*boot().Btn_Update, 5, 5);
        for (TLbButton* step : {w().Btn_CreateBin, w().Btn_Prm_Gen, w().Btn_New}) w().Btn_Click(step);
        w().Update_Device();
    };
    updateStep([&] { pressUpdate(); });
    EXPECT_EQ(echo.requests().size(), 2u);
    EXPECT_EQ(driver().modalForms(), std::vector<TForm*>{FBoot});
    EXPECT_EQ(stubRuns(), 1);
    EXPECT_TRUE(boot().Btn_Update->Enabled());
}

TEST_F(BootTest, ClosingTheDialogDuringTheEchoTestStopsTheUpdate) {
    writeStub(0);
    echo.reply();
    echo.reply();
    echo.onRequest = [&](const TEchoRequest&) { PostMessage(boot().Handle(), WM_CLOSE); };
    updateStep([&] { pressUpdate(); });
    EXPECT_EQ(echo.requests().size(), 1u);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_FALSE(jobWritten());
    EXPECT_EQ(stubRuns(), 0);
    EXPECT_EQ(IP_Address_Device, "192.168.2.205");

    // A dialog that is not open starts nothing.
    boot().Btn_UpdateClick(boot().Btn_Update);
    EXPECT_EQ(echo.requests().size(), 1u);
}

TEST_F(BootTest, TheProgramStaysResponsiveButStartsNothingWhileTheUpdaterRuns) {
    TScriptedProcessRunner runner;
    runner.endsAfter(100, 0);
    writeStub(0);
    echo.reply();
    echo.reply();
    int waits = 0;
    bool closedWhileRunning = false;
    runner.onWait = [&] {
        if (++waits == 1) {
            boot().Btn_UpdateClick(boot().Btn_Update);
            w().Btn_Click(w().Btn_CreateBin);
            PostMessage(boot().Handle(), WM_CLOSE);
        } else if (waits == 2) {
            closedWhileRunning = boot().ModalResult() == mrCancel;
        }
    };
    updateStep([&] { pressUpdate(); });
    EXPECT_TRUE(closedWhileRunning);  // the close box was handled while the updater ran
    EXPECT_EQ(runner.started().size(), 1u);
    EXPECT_EQ(echo.requests().size(), 2u);
    EXPECT_EQ(driver().modalForms(), std::vector<TForm*>{FBoot});
}

TEST_F(BootTest, UpdateOptionsAppendsTheCodesOfTheChoice) {
    struct Case {
        int option;
        bool readBack;
        const char* expected;
    };
    const Case cases[] = {
        {0, true, "x FW FR PW PR "}, {0, false, "x FW NO PW NO "}, {1, true, "x FW FR NO NO "},
        {2, false, "x NO NO PW NO "}, {-1, true, "x "},
    };
    boot().Set_Lang();
    for (const Case& c : cases) {
        boot().CB_Update_Options->SetItemIndex(c.option);
        boot().CB_Update_Option_Read_Back->SetChecked(c.readBack);
        EXPECT_EQ(boot().Update_Options("x "), c.expected) << c.option;
    }
}

}  // namespace
