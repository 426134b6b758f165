#include "platform/controls/application.h"
#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/rich_edit.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "common/buttons/lb_button.h"
#include "common/state/language.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "shell/par_gen_form.h"
#include "common/state/program_state.h"
#include "shell/program_test_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class ParGenLayoutTest : public TProgramTest {
protected:
    void SetUp() override {
        TProgramTest::SetUp();
        Create_Program_Windows();
    }

    TFParGen& f() { return *FParGen; }

    static QStringList captions(const std::vector<TCategoryPanel*>& panels) {
        QStringList out;
        for (const TCategoryPanel* panel : panels) out << panel->Caption();
        return out;
    }
    static std::vector<int> heights(const std::vector<TCategoryPanel*>& panels) {
        std::vector<int> out;
        for (const TCategoryPanel* panel : panels) out.push_back(panel->Height());
        return out;
    }
    // The rows of the TLS Server panel below its enabling check box.
    std::vector<TControl*> tlsRows() {
        TFParGen& form = f();
        return {form.L_TLS_Server_Key,         form.E_TLS_Server_Key,       form.L_TLS_Server_Key_Pass,
                form.E_TLS_Server_Key_Pass,    form.L_TLS_Server_Server_Cert, form.E_TLS_Server_Server_Cert,
                form.L_TLS_Server_Root_Cert,   form.E_TLS_Server_Root_Cert, form.CB_TLS_Server_En_Known_Cert};
    }
    void expectTlsRowsVisible(bool visible) {
        for (TControl* row : tlsRows()) EXPECT_EQ(row->Visible(), visible) << row->Name.toStdString();
    }
};

TEST_F(ParGenLayoutTest, TheBuildShowsItsThreePanelsNumberedInOrderAtTheirHeights) {
    TFParGen& form = f();
    const std::vector<TCategoryPanel*> shown = form.CPG->VisiblePanels();
    EXPECT_EQ(shown, (std::vector<TCategoryPanel*>{form.CP_PROFINET_Master, form.CP_IEC61850_Server, form.CP_TLS_Server}));
    EXPECT_EQ(captions(shown), (QStringList{"1. PROFINET Master", "2. IEC61850 Server",
                                            "3. TLS (Transport Layer Security) Server"}));
    EXPECT_EQ(heights(shown), (std::vector<int>{150, 94, 65}));
    EXPECT_EQ(form.CP_IEC61850_Server->Top(), 150);
    EXPECT_EQ(form.CP_TLS_Server->Top(), 244);
    for (TParGen_Panel which : {ppModbus_TCP_Slave, ppModbus_Slave, ppEthernet, ppEtherNetIP, ppPROFIBUS, ppSNMP_Agent,
                                ppMQTT, ppWiFi, ppTLS, ppNTP, ppBACnet_Slave, ppCAN})
        EXPECT_FALSE(form.Panel(which)->Visible()) << form.Panel(which)->Name.toStdString();
    expectTlsRowsVisible(false);

    // The numbered captions keep the language the form was created in.
    QByteArray lines;
    for (int id : {406, 411, 1767, 1773}) lines += QString("STR%1 = [%1]\r\n").arg(id).toUtf8();
    folder.write("LANGUAGE/Marked.lng", lines);
    Language_Name = "Marked";
    Load_Language();
    FLoomwrighteFirmWare->Change_Language();
    EXPECT_EQ(form.L_PROFINET_Master_IP->Caption(), "[411]");
    EXPECT_EQ(captions(form.CPG->VisiblePanels()),
              (QStringList{"1. PROFINET Master", "2. IEC61850 Server", "3. TLS (Transport Layer Security) Server"}));
}

TEST_F(ParGenLayoutTest, TheTlsServerRowsFollowTheirCheckBox) {
    TFParGen& form = f();
    click(*form.CB_TLS_Server_Enable, 3, 3);
    ASSERT_TRUE(form.CB_TLS_Server_Enable->Checked());
    EXPECT_TRUE(form.Is_Change);
    expectTlsRowsVisible(true);
    EXPECT_EQ(form.CP_TLS_Server->Height(), 205);
    // The rows keep their design places; the panels above stay where they were.
    EXPECT_EQ(form.E_TLS_Server_Root_Cert->Top(), 119);
    EXPECT_EQ(form.CB_TLS_Server_En_Known_Cert->Top(), 152);
    EXPECT_EQ(heights(form.CPG->VisiblePanels()), (std::vector<int>{150, 94, 205}));
    EXPECT_EQ(form.CP_IEC61850_Server->Top(), 150);
    EXPECT_EQ(form.CP_TLS_Server->Top(), 244);

    click(*form.CB_TLS_Server_Enable, 3, 3);
    expectTlsRowsVisible(false);
    EXPECT_EQ(heights(form.CPG->VisiblePanels()), (std::vector<int>{150, 94, 65}));
    EXPECT_TRUE(form.CB_TLS_Server_Enable->Visible());

    // Other check boxes leave the layout alone.
    click(*form.CB_PROFINET_Master_GAT, 3, 3);
    EXPECT_EQ(form.CP_PROFINET_Master->Height(), 150);
}

TEST_F(ParGenLayoutTest, LoadingLaysTheTlsServerPanelOutForTheLoadedState) {
    const QString project = Projects_Dir + PathDelim + "Demo";
    ForceDirectories(project);
    Project_Name = "Demo";
    Project_Path = project;
    Set_Project_Files();
    QFile file(File_ParGen);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Par_Gen><TLS_Server_Enable>1</TLS_Server_Enable></Par_Gen>");
    file.close();

    const auto open = [&](bool tlsOn) {
        driver().onNextModal([&](TForm&) {
            EXPECT_EQ(f().CB_TLS_Server_Enable->Checked(), tlsOn);
            expectTlsRowsVisible(tlsOn);
            EXPECT_EQ(f().CP_TLS_Server->Height(), tlsOn ? 205 : 65);
            EXPECT_FALSE(f().Is_Change);
        });
        FLoomwrighteFirmWare->Btn_Click(FLoomwrighteFirmWare->Btn_Prm_Gen);
    };
    open(true);
    QFile::remove(File_ParGen);
    open(false);
}

TEST_F(ParGenLayoutTest, EveryVariantShowsItsOwnPanelsNumberedAndStacked) {
    // Heights of -1: panels whose rows follow fields this build does not make.
    struct Case {
        TDevice_Variant variant;
        QStringList captions;
        std::vector<int> heights;
    };
    const QString pm = "1. PROFINET Master";
    const std::vector<Case> cases = {
        {dvQX215, {pm, "2. Modbus Slave"}, {150, 205}},
        {dvQX930, {pm, "2. PROFIBUS"}, {150, 150}},
        {dvQX358, {pm, "2. CAN"}, {150, 67}},
        {dvQX741, {pm, "2. Modbus TCP Slave"}, {150, 150}},
        {dvQX126, {pm, "2. SNMP Agent"}, {150, -1}},
        {dvQX587, {pm, "2. EtherNet/IP"}, {150, 206}},
        {dvQX463,
         {pm, "2. MQTT", "3. Ethernet", "4. Wi-Fi", "5. TLS (Transport Layer Security)", "6. NTP (Network Time Protocol)"},
         {150, -1, 178, -1, -1, 94}},
        {dvQX809, {pm, "2. BACnet Slave"}, {150, -1}},
        {dvQX372, {pm, "2. IEC61850 Server", "3. TLS (Transport Layer Security) Server"}, {150, 94, 65}},
        {dvQX694, {pm, "2. Ethernet"}, {150, 178}},
    };
    TFParGen& form = f();
    for (const Case& c : cases) {
        SCOPED_TRACE(Variant_Code(c.variant));
        for (int i = 0; i < ParGen_Panel_Count; ++i) form.Panel(static_cast<TParGen_Panel>(i))->Hide();
        form.Order_TAB_Panels_Of(c.variant);
        form.RePosition_Objects_Of(c.variant);
        const std::vector<TCategoryPanel*> shown = form.CPG->VisiblePanels();
        ASSERT_EQ(shown.size(), Variant_Panels(c.variant).size());
        EXPECT_EQ(captions(shown), c.captions);
        int top = 0;
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i], form.Panel(Variant_Panels(c.variant)[i]));
            EXPECT_EQ(shown[i]->Top(), top);
            if (c.heights[i] >= 0) {
                EXPECT_EQ(shown[i]->Height(), c.heights[i]) << i;
            }
            top += shown[i]->Height();
        }
    }
}

}  // namespace
