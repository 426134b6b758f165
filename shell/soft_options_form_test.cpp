#include "platform/controls/application.h"
#include "platform/controls/check_box.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/page_control.h"
#include "platform/controls/shell_execute.h"
#include "platform/controls/timer.h"
#include "platform/graphics/graphic.h"
#include "platform/net/http_client.h"
#include "platform/net/scripted_http_client.h"
#include "platform/system/files.h"
#include "platform/testkit/loopback_http_server.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "shell/about_form.h"
#include "common/buttons/lb_button.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "common/state/program_state.h"
#include "shell/soft_options_form.h"
#include "shell/version_check.h"
#include "shell/program_test_fixture.h"

#include <QFile>
#include <gtest/gtest.h>


namespace {

// A 24-bit BMP of the given size, enough for a flag picture.
QByteArray bmp(int width, int height) {
    const int row = (width * 3 + 3) / 4 * 4;
    const int size = 54 + row * height;
    QByteArray b(size, '\0');
    const auto put = [&](int at, int bytes, uint32_t value) {
        for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>(value >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, 4, size);
    put(10, 4, 54);
    put(14, 4, 40);
    put(18, 4, width);
    put(22, 4, height);
    put(26, 2, 1);
    put(28, 2, 24);
    return b;
}

class SoftOptionsTest : public TProgramTest {
protected:
    void SetUp() override {
        TProgramTest::SetUp();
        Restrict_Http_To_Loopback(true);
        SetUrlOpener([this](const QString& url) {
            opened.append(url);
            return true;
        });
    }
    void TearDown() override {
        TProgramTest::TearDown();
        SetUrlOpener({});
    }
    void addLanguage(const QString& name, const QByteArray& lines = "STR15 = Neu\r\n") {
        folder.write("LANGUAGE/" + name + ".lng", lines);
    }
    // Opens the options dialog, runs action in it and closes it with the given button.
    void withOptions(const std::function<void(TFSoftOptions&)>& action, TLbButton* TFSoftOptions::*close = nullptr) {
        driver().onNextModal([&](TForm&) {
            action(o());
            if (close) click(*(o().*close), 5, 5);
        });
        FLoomwrighteFirmWare->Btn_Click(FLoomwrighteFirmWare->Btn_Opz);
    }
    TFSoftOptions& o() { return *FSoftOptions; }
    std::vector<QString> slotNames() {
        std::vector<QString> names;
        for (TLabel* label : o().L_L)
            if (label->Visible()) names.push_back(label->Caption());
        return names;
    }
    TScriptedHttpClient http;
    QStringList opened;
};

TEST_F(SoftOptionsTest, ServerAnswersDecideWhetherANewerVersionExists) {
    start();
    struct Case {
        const char* body;
        int status;
        bool newer;
    };
    const Case cases[] = {
        {"VER. 0.000", 200, false}, {"", 200, false},         {"VER. 1.001", 200, false},
        {"VER. 1.002", 200, true},  {"1.002", 200, true},     {"VER. 10.01", 200, false},
        {" ver. 1.002\r\n", 200, true}, {"VER. 1.000", 200, false}, {"VER. 1.002", 404, false},
        {"VER. 1.0x2", 200, false},
    };
    for (const Case& c : cases) {
        http.reply(c.body, c.status);
        EXPECT_EQ(o().Check_Version(), c.newer) << c.body << " " << c.status;
    }
    http.fail("timed out");
    EXPECT_FALSE(o().Check_Version());

    const THttpRequest& sent = http.requests().front();
    EXPECT_EQ(sent.Url, "http://www.korvex.example/home/download/GetversionSW.asp?nomesw=SWQX372");
    EXPECT_EQ(sent.TimeoutMs, 10000u);
    EXPECT_EQ(sent.Headers,
              (QList<QPair<QByteArray, QByteArray>>{
                  {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"},
                  {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}}));
}

TEST(ConvVersion, TakesCharacters1345AfterTheFirstBlank) {
    const std::pair<const char*, int> cases[] = {
        {"1.001", 1001}, {"VER. 1.002", 1002}, {"VER.  2.345  ", 2345}, {"VER. 10.01", -1},
        {"VER. 1.00", -1}, {"", -1},           {"A B 1.002", -1},        {"VER. 1.0020", 1002},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(Conv_Version(text), value) << text;
}

TEST_F(SoftOptionsTest, SevenLanguagesMakeTwoPagesSortedWithoutRegardToCase) {
    for (const char* name : {"golf", "Alpha", "echo", "Bravo", "delta", "Foxtrot", "charlie"}) addLanguage(name);
    addLanguage("Readonly");
    QFile::setPermissions(folder.file("LANGUAGE/Readonly.lng"),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    ForceDirectories(folder.file("LANGUAGE/Folder.lng"));
    folder.write("LANGUAGE/notes.txt", "");
    start();
    withOptions([&](TFSoftOptions& d) {
        EXPECT_EQ(d.SL_Languages, (QStringList{"Alpha.lng", "Bravo.lng", "charlie.lng", "delta.lng", "echo.lng",
                                               "Foxtrot.lng", "golf.lng"}));
        EXPECT_EQ(slotNames(), (std::vector<QString>{"Alpha", "Bravo", "charlie", "delta", "echo", "Foxtrot"}));
        EXPECT_EQ(d.L_Page_Lang->Caption(), "Page 1 / 2");
        EXPECT_FALSE(d.Btn_Prev->Visible());
        EXPECT_TRUE(d.Btn_Next->Visible());
        EXPECT_EQ(d.L_L[3]->Left(), d.I_L[3]->Left() + 56);
        EXPECT_EQ(d.I_L[3]->Top(), 40);
        EXPECT_GT(d.I_L[3]->Left(), d.I_L[0]->Left());

        click(*d.Btn_Next, 5, 5);
        EXPECT_EQ(slotNames(), std::vector<QString>{"golf"});
        EXPECT_EQ(d.L_Page_Lang->Caption(), "Page 2 / 2");
        EXPECT_TRUE(d.Btn_Prev->Visible());
        EXPECT_FALSE(d.Btn_Next->Visible());
        d.Btn_NextClick(d.Btn_Next);  // no third page
        EXPECT_EQ(d.Show_Page, 2);
        FLoomwrighteFirmWare->Change_Language();  // the page line keeps telling the page shown
        EXPECT_EQ(d.L_Page_Lang->Caption(), "Page 2 / 2");
        click(*d.Btn_Prev, 5, 5);
        EXPECT_EQ(d.Show_Page, 1);
        EXPECT_EQ(d.PC_Options->ActivePage(), d.TS_Language);
    });
}

TEST_F(SoftOptionsTest, WithoutLanguageFilesNoSlotShowsAndThePagerShowsOnePage) {
    start();
    withOptions([&](TFSoftOptions& d) {
        EXPECT_TRUE(slotNames().empty());
        for (TImage* image : d.I_L) EXPECT_FALSE(image->Visible());
        EXPECT_EQ(d.L_Page_Lang->Caption(), "Page 1 / 1");
        EXPECT_FALSE(d.Btn_Next->Visible());
        EXPECT_FALSE(d.Btn_Prev->Visible());
        EXPECT_EQ(d.Show_Page, 1);
        EXPECT_EQ(d.L_Sel_Lang->Caption(), "Selected Language : English");
    });
}

TEST_F(SoftOptionsTest, EachSlotShowsItsOwnFlagElseTheDefaultElseNone) {
    addLanguage("Alpha");
    addLanguage("Bravo");
    folder.write("LANGUAGE/alpha.BMP", bmp(3, 2));
    start();
    withOptions([&](TFSoftOptions& d) {
        EXPECT_TRUE(d.I_L[0]->Visible());
        EXPECT_EQ(d.I_L[0]->Picture().Graphic()->Width(), 3);
        EXPECT_FALSE(d.I_L[1]->Visible());
        EXPECT_TRUE(d.L_L[1]->Visible());
    });
    folder.write("LANGUAGE/DefaultFlag.bmp", bmp(5, 5));
    withOptions([&](TFSoftOptions& d) {
        EXPECT_TRUE(d.I_L[1]->Visible());
        EXPECT_EQ(d.I_L[1]->Picture().Graphic()->Width(), 5);
    });
}

TEST_F(SoftOptionsTest, AChosenLanguageShowsAtOnceButIsStoredOnlyWithOk) {
    addLanguage("Deutsch", "STR15 = Neue Konfiguration\r\nSTR302 = Sprache\r\n");
    folder.write("LANGUAGE/DefaultFlag.bmp", bmp(1, 1));
    start();
    TFLoomwrighteFirmWare& w = *FLoomwrighteFirmWare;

    withOptions(
        [&](TFSoftOptions& d) {
            driver().answerNextBox(mrNo);
            click(*d.L_L[0], 2, 2);
            EXPECT_EQ(driver().boxes().back().text, "Do you want to change the Language from English to Deutsch?");
            EXPECT_EQ(w.Btn_New->Caption(), "New Configuration");

            driver().answerNextBox(mrYes);
            click(*d.I_L[0], 2, 2);
            EXPECT_EQ(w.Btn_New->Caption(), "Neue Konfiguration");
            EXPECT_EQ(d.TS_Language->Caption(), "Sprache");
            EXPECT_EQ(d.L_Sel_Lang->Caption(), "Selected Language : Deutsch");
            EXPECT_EQ(d.L_Page_Lang->Caption(), "Page 1 / 1");
            EXPECT_EQ(Language_Name, "English");
        },
        &TFSoftOptions::Btn_Cancel);
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(w.Btn_New->Caption(), "Neue Konfiguration");
    EXPECT_FALSE(FileExists(folder.file("Loomwright.xml")));

    withOptions(
        [&](TFSoftOptions& d) {
            EXPECT_EQ(d.L_Sel_Lang->Caption(), "Selected Language : English");
            driver().answerNextBox(mrYes);
            click(*d.L_L[0], 2, 2);
        },
        &TFSoftOptions::Btn_OK);
    EXPECT_EQ(Language_Name, "Deutsch");
    EXPECT_TRUE(FileExists(folder.file("Loomwright.xml")));
}

TEST_F(SoftOptionsTest, TheUpdateBoxFollowsTheConnectionBoxAndOkStoresBothAsShown) {
    start();
    Enable_Internet = true;
    Enable_Update = true;
    TFLoomwrighteFirmWare& w = *FLoomwrighteFirmWare;
    w.Timer_Update->SetEnabled(true);
    withOptions(
        [&](TFSoftOptions& d) {
            EXPECT_TRUE(d.TS_Con_Options->TabVisible());
            EXPECT_TRUE(d.CB_En_Con->Checked());
            EXPECT_TRUE(d.CB_Update->Enabled());
            EXPECT_TRUE(d.Btn_Check_Update->Enabled());
            EXPECT_FALSE(d.CB_Soft_Set_Jump_Table->Checked());
            click(*d.CB_En_Con, 2, 2);
            EXPECT_FALSE(d.CB_Update->Enabled());
            EXPECT_TRUE(d.CB_Update->Checked());
            EXPECT_FALSE(d.Btn_Check_Update->Enabled());
            click(*d.CB_Soft_Set_Jump_Table, 2, 2);
            click(*d.CB_DoubleClick_Auto_Size, 2, 2);
        },
        &TFSoftOptions::Btn_OK);
    EXPECT_FALSE(Enable_Internet);
    EXPECT_TRUE(Enable_Update);
    EXPECT_TRUE(Enable_Jump_Field_Tables);
    EXPECT_TRUE(Double_Click_Auto_Size);
    EXPECT_FALSE(w.Timer_Update->Enabled());

    withOptions(
        [&](TFSoftOptions& d) {
            EXPECT_FALSE(d.CB_Update->Enabled());
            click(*d.CB_En_Con, 2, 2);
            EXPECT_TRUE(d.Btn_Check_Update->Enabled());
            click(*d.CB_Update, 2, 2);
            EXPECT_FALSE(d.Btn_Check_Update->Enabled());
        },
        &TFSoftOptions::Btn_OK);
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Update);
    EXPECT_FALSE(w.Timer_Update->Enabled());
}

TEST_F(SoftOptionsTest, TheManualCheckShowsTheDownloadLinkOrNoUpdate) {
    start();
    Enable_Internet = Enable_Update = true;
    withOptions([&](TFSoftOptions& d) {
        EXPECT_FALSE(d.LL_Check_Update->Visible());
        http.reply("VER. 1.002");
        click(*d.Btn_Check_Update, 5, 5);
        d.WaitForVersionCheck();
        EXPECT_TRUE(d.LL_Check_Update->Visible());
        EXPECT_EQ(d.LL_Check_Update->Caption(),
                  "<a href=\"http://www.korvex.example/Home/download/download.asp#HDQX372\">"
                  "New Version Available. Click Here for more Details</a>");
        click(*d.LL_Check_Update, 2, 2);
        EXPECT_EQ(opened, QStringList{"http://www.korvex.example/Home/download/download.asp#HDQX372"});

        http.fail();
        click(*d.Btn_Check_Update, 5, 5);
        d.WaitForVersionCheck();
        EXPECT_EQ(d.LL_Check_Update->Caption(), "No Update Available");
    });
    withOptions([&](TFSoftOptions& d) { EXPECT_FALSE(d.LL_Check_Update->Visible()); });
}

// Against a server that takes the connection and never answers, the button's check waits on a
// thread of its own: the click returns at once and the window goes on, the button waiting for
// the answer; the time-out then gives no update.
TEST_F(SoftOptionsTest, TheManualCheckNeverHoldsTheWindowAgainstASilentServer) {
    LoopbackHttpServer silent("");
    ASSERT_TRUE(silent.listening());
    LoopbackRedirect toSilent(silent, 1500);
    SetHttpClient(&toSilent);
    start();
    Enable_Internet = Enable_Update = true;
    withOptions([&](TFSoftOptions& d) {
        click(*d.Btn_Check_Update, 5, 5);
        // The request is still waiting for the server.
        EXPECT_FALSE(d.LL_Check_Update->Visible());
        EXPECT_FALSE(d.Btn_Check_Update->Enabled());
        click(*d.CB_Soft_Set_Jump_Table, 5, 5);
        EXPECT_TRUE(d.CB_Soft_Set_Jump_Table->Checked());
        d.WaitForVersionCheck();
        EXPECT_TRUE(d.LL_Check_Update->Visible());
        EXPECT_EQ(d.LL_Check_Update->Caption(), "No Update Available");
        EXPECT_TRUE(d.Btn_Check_Update->Enabled());
    });
    EXPECT_TRUE(silent.request().startsWith("GET /home/download/GetversionSW.asp?nomesw=SWQX372 HTTP/1.0\r\n"));
    SetHttpClient(nullptr);
}

TEST_F(SoftOptionsTest, TheUpdateTimerChecksAfterAMinuteThenEveryTwoHours) {
    start();
    TFLoomwrighteFirmWare& w = *FLoomwrighteFirmWare;
    // The timer runs while the options allow internet access and the check.
    Enable_Internet = Enable_Update = true;
    w.Timer_Update->SetEnabled(true);
    http.reply("VER. 1.002");
    advance(59999);
    EXPECT_TRUE(http.requests().empty());
    advance(1);
    // The check asks on a thread of its own; its answer shows once it came.
    w.WaitForVersionCheck();
    ASSERT_EQ(http.requests().size(), 1u);
    EXPECT_TRUE(w.LL_Update->Visible());
    EXPECT_EQ(w.LL_Update->Caption(), Update_Link_Caption("New Version Available. Click Here for more Details"));
    EXPECT_EQ(w.Timer_Update->Interval(), 7200000u);
    EXPECT_TRUE(w.Timer_Update->Enabled());
    click(*w.LL_Update, 2, 2);
    EXPECT_EQ(opened, QStringList{Download_Page_Url()});

    w.Timer_Update->SetEnabled(false);
    w.Timer_Update->SetEnabled(true);
    http.reply("VER. 1.001");
    advance(7199999);
    EXPECT_EQ(http.requests().size(), 1u);
    advance(1);
    w.WaitForVersionCheck();
    EXPECT_EQ(http.requests().size(), 2u);
    EXPECT_FALSE(w.LL_Update->Visible());
}

TEST_F(SoftOptionsTest, TheAboutBoxShowsTheBuildAndOpensTheHomePage) {
    start();
    driver().onNextModal([&](TForm& f) {
        TFAbout& a = static_cast<TFAbout&>(f);
        EXPECT_EQ(a.Label2->Caption(), "IEC61850 Server / PROFINET Master - Converter");
        EXPECT_EQ(a.Label9->Caption(), "SWQX372");
        EXPECT_EQ(a.Label10->Caption(), "1.001");
        EXPECT_EQ(a.Label12->Caption(), "MNQX372");
        EXPECT_EQ(a.ClientWidth(), 425);
        EXPECT_EQ(a.ClientHeight(), 148);
        click(*a.Label4, 2, 2);
        click(*a.Image2, 2, 2);
        click(*a.LbButton1, 5, 5);
    });
    FLoomwrighteFirmWare->Btn_Click(FLoomwrighteFirmWare->Btn_Info);
    EXPECT_EQ(FAbout->ModalResult(), mrOk);
    EXPECT_EQ(opened, (QStringList{Home_Page_Url(), Home_Page_Url()}));
    EXPECT_EQ(Home_Page_Url(), "http://www.korvex.example/HOME/default.asp?frompg=SWQX372");
}

}  // namespace

namespace {

// Tab enters the shown page only, its controls top to bottom, then the buttons and the tabs.
TEST_F(SoftOptionsTest, TabWalksTheShownPageThenTheButtons) {
    start();
    Enable_Internet = true;
    Enable_Update = true;
    QStringList connection, settings;
    const auto walk = [](int steps) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            keyPress(*FocusedControl(), VK_TAB);
            names << FocusedControl()->Name;
        }
        return names;
    };
    withOptions(
        [&](TFSoftOptions& d) {
            d.PC_Options->SetActivePage(d.TS_Con_Options);
            d.PC_Options->SetFocus();
            connection = walk(6);
            d.PC_Options->SetActivePage(d.TS_Soft_Settings);
            settings = walk(3);
        },
        &TFSoftOptions::Btn_Cancel);
    EXPECT_EQ(connection,
              (QStringList{"CB_En_Con", "CB_Update", "Btn_Check_Update", "Btn_OK", "Btn_Cancel", "PC_Options"}));
    EXPECT_EQ(settings, (QStringList{"CB_Soft_Set_Jump_Table", "CB_DoubleClick_Auto_Size", "Btn_OK"}));
}

}  // namespace
