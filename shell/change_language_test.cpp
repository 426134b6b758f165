#include "config/network/master_access_form.h"
#include "config/network/modules_def_form.h"
#include "config/network/network_access_form.h"
#include "config/server/iec61850_variables_form.h"
#include "config/server/tls_known_cert_form.h"
#include "platform/controls/application.h"
#include "platform/controls/label.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "profinet/catalog/catalog_form.h"
#include "shell/about_form.h"
#include "shell/boot_form.h"
#include "common/buttons/lb_button.h"
#include "common/state/language.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "shell/new_project_form.h"
#include "shell/open_conf_form.h"
#include "shell/par_gen_form.h"
#include "common/state/program_state.h"
#include "shell/soft_options_form.h"
#include "tables/bacnet_eng_unit_form.h"
#include "tables/bacnet_slave_set_access_form.h"
#include "tables/mqtt_set_topic_form.h"
#include "tables/receive_can_form.h"
#include "tables/snmp_trap_form.h"
#include "tables/topic_template_form.h"
#include "tables/transmit_can_form.h"
#include "shell/program_test_fixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// A dialog and the block of text ids it owns.
struct Window {
    TForm* form;
    int first, last;
};

class ChangeLanguageTest : public TProgramTest {
protected:
    void SetUp() override {
        TProgramTest::SetUp();
        Create_Program_Windows();
    }

    // A language in which every text reads as its own id in brackets, "[15]".
    void writeMarkedLanguage(const QString& name) {
        QByteArray lines;
        for (int id = 0; id < 2600; ++id) lines += QString("STR%1 = [%1]\r\n").arg(id).toUtf8();
        folder.write("LANGUAGE/" + name + ".lng", lines);
    }
    void switchTo(const QString& name) {
        Language_Name = name;
        Load_Language();
        FLoomwrighteFirmWare->Change_Language();
    }

    static std::vector<Window> dialogs() {
        return {{FNew_Project, 100, 110},
                {FOpenConf, 200, 207},
                {FSoftOptions, 300, 321},
                {FBoot, 1000, 1037},
                {FParGen, 400, 784},
                {FPROFINET_Master_Access, 800, 850},
                {FPROFINETCatalog, 1300, 1307},
                {FPROFINET_Network_Access, 1100, 1137},
                {FPROFINET_Modules_Def, 1200, 1225},
                {FSNMP_Trap_Access, 1400, 1486},
                {FMQTT_Set_Topic, 1500, 1598},
                {FTopicTemplate, 1600, 1608},
                {FBACnetSlaveSetAccess, 2000, 2060},
                {FBACnet_Eng_Unit, 2100, 2108},
                {FReceiveCAN, 2200, 2258},
                {FTransmitCAN, 2300, 2363},
                {FIEC61850_Variables, 2400, 2445},
                {FTLS_Server_Known_Cert, 2500, 2521}};
    }

    // The id a marked text stands for; -1 for any other text.
    static int markedId(const QString& text) {
        static const QRegularExpression marked(QStringLiteral("^\\[(\\d+)\\]$"));
        const QRegularExpressionMatch m = marked.match(text);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    static QString subtitle(const TForm* form) {
        const auto* label = dynamic_cast<TLabel*>(form->FindComponent("L_SW_Desc"));
        return label ? label->Caption() : QString("no L_SW_Desc");
    }
};

TEST_F(ChangeLanguageTest, EveryWindowShowsTheNewTextsAndEnglishAgainAfterwards) {
    const QString aboutCaption = FAbout->Caption();
    writeMarkedLanguage("Marked");
    switchTo("Marked");

    TFLoomwrighteFirmWare& w = *FLoomwrighteFirmWare;
    EXPECT_EQ(w.L_Begin->Caption(), "[0]");
    EXPECT_EQ(w.L_Step_1->Caption(), "[1]");
    EXPECT_EQ(w.L_Step_8->Caption(), "[8]");
    EXPECT_EQ(w.Btn_Info->Hint(), "[12]");
    EXPECT_EQ(w.Btn_Close->Hint(), "[14]");
    EXPECT_EQ(w.Btn_New->Caption(), "[15]");
    EXPECT_EQ(w.Btn_New->Hint(), "[22]");
    EXPECT_EQ(w.Btn_CreateBin->Caption(), "[17]");
    EXPECT_EQ(w.Btn_PROFINET_Master_Access->Hint(), "[25]");
    EXPECT_EQ(w.Btn_CAN_Send_Frame->Hint(), "[41]");
    EXPECT_EQ(w.Btn_TLS_List_Certificates->Caption(), "[48]");
    EXPECT_EQ(w.Btn_PROFIBUS_GSD->Caption(), "PROFIBUS GSD");  // not from the table
    EXPECT_EQ(w.LLoadCat->Caption(), "Loading Catalog...");
    EXPECT_EQ(w.L_Name_Conf->Caption(), "[9]");  // no configuration open
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), "[10]");

    for (const Window& d : dialogs()) {
        ASSERT_NE(d.form, nullptr);
        const std::string name = d.form->Name.toStdString() + " " + std::to_string(d.first);
        for (const QString& text : {d.form->Caption(), subtitle(d.form)}) {
            const int id = markedId(text);
            EXPECT_TRUE(id >= d.first && id <= d.last) << name << ": " << text.toStdString();
        }
    }
    EXPECT_EQ(markedId(FNew_Project->Caption()), 100);
    EXPECT_EQ(markedId(FPROFINETCatalog->Caption()), 1300);
    EXPECT_EQ(markedId(FTLS_Server_Known_Cert->Caption()), 2500);
    EXPECT_EQ(FAbout->Caption(), aboutCaption);

    switchTo("Missing");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(w.L_Begin->Caption(), "Begin");
    EXPECT_EQ(w.Btn_New->Hint(), "Create a new configuration for the device");
    for (const Window& d : dialogs()) {
        EXPECT_EQ(markedId(d.form->Caption()), -1) << d.form->Name.toStdString();
        EXPECT_EQ(markedId(subtitle(d.form)), -1) << d.form->Name.toStdString();
    }
    EXPECT_EQ(FNew_Project->Caption(), "Create New Configuration");
    EXPECT_EQ(FPROFINETCatalog->Caption(), "PROFINET Devices Catalog");
    EXPECT_EQ(subtitle(FIEC61850_Variables), "Set Variables Access for IEC61850");
}

}  // namespace
