#include "platform/controls/application.h"
#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
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
    // Shows the variant's panels alone, laid out.
    void showVariant(TDevice_Variant Variant) {
        for (int i = 0; i < ParGen_Panel_Count; ++i) f().Panel(static_cast<TParGen_Panel>(i))->Hide();
        f().Order_TAB_Panels_Of(Variant);
        f().RePosition_Objects_Of(Variant);
    }
    TControl* control(const char* name) { return static_cast<TControl*>(f().FindComponent(name)); }
    // The address points of a panel that are shown.
    static int shownDots(const TWinControl& panel) {
        int n = 0;
        for (int i = 0; i < panel.ControlCount(); ++i) {
            const TControl* c = panel.Controls(i);
            if (c->Caption() == "." && c->Visible()) ++n;
        }
        return n;
    }
    // The named tab stops a Tab walk through the panel group meets, in order, with the panel
    // each stands on.
    std::vector<std::pair<QString, TCategoryPanel*>> tabWalk() {
        std::vector<std::pair<QString, TCategoryPanel*>> out;
        for (TWinControl* c : f().CPG->TabOrderList()) {
            TCategoryPanel* panel = nullptr;
            bool shown = c->TabStop && !c->Name.isEmpty();
            for (TControl* up = c; up && up != f().CPG; up = up->Parent()) {
                shown = shown && up->Visible();
                if (auto* p = dynamic_cast<TCategoryPanel*>(up)) panel = p;
            }
            if (shown) out.push_back({c->Name, panel});
        }
        return out;
    }
    QStringList walkedNames(const TCategoryPanel* Panel) {
        QStringList names;
        for (const auto& [name, panel] : tabWalk())
            if (panel == Panel) names << name;
        return names;
    }
    // The rows shown in a panel, by their labels and leading check boxes, with their tops.
    QStringList shownRows(const TCategoryPanel* Panel) {
        QStringList rows;
        for (int i = 0; i < f().ComponentCount(); ++i) {
            auto* c = dynamic_cast<TControl*>(f().Components(i));
            if (!c || !c->Visible() || c->Left() != ParGen_Grid::Label_Left) continue;
            bool inside = false;
            for (const TControl* up = c->Parent(); up; up = up->Parent()) inside = inside || up == Panel;
            if (inside) rows << QString("%1@%2").arg(c->Name).arg(c->Top());
        }
        return rows;
    }
    // Controls by name with the caption and hint Set_Lang gave them ("" where not checked).
    struct TText_Case {
        const char* name;
        const char* caption;
        const char* hint;
    };
    void expectTexts(std::initializer_list<TText_Case> texts) {
        for (const TText_Case& t : texts) {
            TControl* c = control(t.name);
            ASSERT_NE(c, nullptr) << t.name;
            if (*t.caption) {
                EXPECT_EQ(c->Caption(), t.caption) << t.name;
            }
            if (*t.hint) {
                EXPECT_EQ(c->Hint(), t.hint) << t.name;
            }
        }
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
        {dvQX126, {pm, "2. SNMP Agent"}, {150, 233}},
        {dvQX587, {pm, "2. EtherNet/IP"}, {150, 206}},
        {dvQX463,
         {pm, "2. MQTT", "3. Ethernet", "4. Wi-Fi", "5. TLS (Transport Layer Security)", "6. NTP (Network Time Protocol)"},
         {150, 264, 178, 347, 65, 94}},
        {dvQX809, {pm, "2. BACnet Slave"}, {150, 261}},
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
            EXPECT_EQ(shown[i]->Height(), c.heights[i]) << i;
            top += shown[i]->Height();
        }
    }
}

// The panels of the other devices whose rows stay put carry their fields, defaults and texts;
// the texts run on through each panel's rows from its first id.
TEST_F(ParGenLayoutTest, TheFixedRowPanelsOfTheOtherDevicesCarryTheirFieldsAndTexts) {
    for (int id = 426; id <= 443; ++id) Lang_List[id] = QString("T%1").arg(id);
    for (int id = 636; id <= 661; ++id) Lang_List[id] = QString("T%1").arg(id);
    Lang_List[1765] = "Baud";
    Lang_List[1766] = "Baud hint";
    TFParGen& form = f();
    form.Set_Lang();
    expectTexts({
        {"E_ModbusTCPSlave_IP1", "", "T426"},      {"E_ModbusTCPSlave_IP4", "", "T429"},
        {"L_ModbusTCPSlave_IP", "T430", ""},       {"E_ModbusTCPSlave_SM1", "", "T431"},
        {"L_ModbusTCPSlave_SM", "T435", ""},       {"CB_ModbusTCPSlave_En_GAT", "T436", "T437"},
        {"E_ModbusTCPSlave_GAT4", "", "T441"},     {"L_ModbusTCPSlave_Port", "T442", ""},
        {"E_ModbusTCPSlave_Port", "", "T443"},     {"L_CAN_Baudrate", "Baud", ""},
        {"CB_CAN_Baudrate", "", "Baud hint"},      {"CB_MQTT_WillFlag", "T646", "T647"},
        {"L_MQTT_Password", "T658", ""},           {"E_MQTT_ASync_Send_Time", "", "T661"},
    });
    EXPECT_EQ(static_cast<TEdit*>(control("E_ModbusTCPSlave_Port"))->Text(), "502");
    EXPECT_EQ(static_cast<TEdit*>(control("E_ModbusTCPSlave_GAT3"))->Text(), "0");
    EXPECT_EQ(static_cast<TComboBox*>(control("CB_ModbusSlave_Baudrate"))->Text(), "115200");
    EXPECT_EQ(static_cast<TComboBox*>(control("CB_ModbusSlave_Baudrate"))->Items().size(), 8);
    EXPECT_EQ(static_cast<TComboBox*>(control("CB_CAN_Baudrate"))->Text(), "1000K");
    EXPECT_FALSE(control("E_EtherNetIP_TunnelPort")->Enabled());
    EXPECT_FALSE(control("CB_PROFIBUS_Baudrate")->Enabled());
    EXPECT_EQ(static_cast<TEdit*>(control("E_PROFIBUS_NByte_Out"))->Text(), "244");

    // Their fields count as changes like the build's own.
    form.Is_Change = false;
    typeChar(*static_cast<TEdit*>(control("E_NTP_Poll_Time")), '6');
    EXPECT_TRUE(form.Is_Change);
}

// The Ethernet panel leaves its DNS row out and moves the ports up; Tab walks the rows of a
// panel in order.
TEST_F(ParGenLayoutTest, TheEthernetPanelLeavesItsDnsRowOutAndTabWalksTheRowsInOrder) {
    TFParGen& form = f();
    showVariant(dvQX694);
    for (const char* hidden : {"CB_Ethernet_DNS", "E_Ethernet_DNS1", "E_Ethernet_DNS4"})
        EXPECT_FALSE(control(hidden)->Visible()) << hidden;
    EXPECT_EQ(control("L_Ethernet_TCP_Port")->Top(), 96);
    EXPECT_EQ(control("E_Ethernet_TCP_Port")->Top(), 93);
    EXPECT_EQ(control("L_Ethernet_UDP_Port")->Top(), 124);
    EXPECT_EQ(control("E_Ethernet_UDP_Port")->Top(), 121);
    EXPECT_EQ(form.CP_Ethernet->Height(), 178);
    EXPECT_EQ(shownDots(*form.CP_Ethernet), 9);

    QStringList order;
    for (const TWinControl* c : form.CP_Modbus_TCP_Slave->TabOrderList())
        if (!c->Name.isEmpty()) order << c->Name;
    EXPECT_EQ(order, QStringList({"E_ModbusTCPSlave_IP1", "E_ModbusTCPSlave_IP2", "E_ModbusTCPSlave_IP3",
                                  "E_ModbusTCPSlave_IP4", "E_ModbusTCPSlave_SM1", "E_ModbusTCPSlave_SM2",
                                  "E_ModbusTCPSlave_SM3", "E_ModbusTCPSlave_SM4", "CB_ModbusTCPSlave_En_GAT",
                                  "E_ModbusTCPSlave_GAT1", "E_ModbusTCPSlave_GAT2", "E_ModbusTCPSlave_GAT3",
                                  "E_ModbusTCPSlave_GAT4", "E_ModbusTCPSlave_Port"}));
}

// Ticking the will flag shows the will rows and moves the user rows below them.
TEST_F(ParGenLayoutTest, TheMqttWillRowsFollowTheirCheckBox) {
    TFParGen& form = f();
    showVariant(dvQX463);
    EXPECT_FALSE(control("E_MQTT_Topic_Name_Will")->Visible());
    EXPECT_FALSE(control("CB_MQTT_Will_QoS")->Visible());
    EXPECT_FALSE(control("E_MQTT_ASync_Send_Time")->Visible());
    EXPECT_EQ(control("L_MQTT_Username")->Top(), 180);
    EXPECT_EQ(control("E_MQTT_Password")->Top(), 205);
    EXPECT_EQ(form.CP_MQTT->Height(), 264);

    auto* will = static_cast<TCheckBox*>(control("CB_MQTT_WillFlag"));
    will->SetChecked(true);
    form.RePosition_Objects_Of(dvQX463);
    EXPECT_TRUE(control("E_MQTT_Topic_Name_Will")->Visible());
    EXPECT_TRUE(control("CB_MQTT_Will_Retained")->Visible());
    EXPECT_EQ(control("L_MQTT_Username")->Top(), 292);
    EXPECT_EQ(control("E_MQTT_Username")->Top(), 289);
    EXPECT_EQ(control("L_MQTT_Password")->Top(), 320);
    EXPECT_EQ(form.CP_MQTT->Height(), 376);
    EXPECT_FALSE(control("E_MQTT_ASync_Send_Time")->Visible());
}

// The TLS panel's rows follow its three check boxes; the client rows move up when the
// server certificate is left out.
TEST_F(ParGenLayoutTest, TheTlsRowsFollowTheirCheckBoxes) {
    TFParGen& form = f();
    showVariant(dvQX463);
    const auto tick = [&](const char* name, bool on) {
        static_cast<TCheckBox*>(control(name))->SetChecked(on);
        form.RePosition_Objects_Of(dvQX463);
    };
    tick("CB_TLS_Enable", false);
    EXPECT_FALSE(control("CB_TLS_En_Server_Auth")->Visible());
    EXPECT_FALSE(control("E_TLS_Client_Key")->Visible());
    EXPECT_EQ(form.CP_TLS->Height(), 65);

    tick("CB_TLS_Enable", true);
    EXPECT_TRUE(control("CB_TLS_En_Server_Auth")->Visible());
    EXPECT_FALSE(control("E_TLS_Server_Cert")->Visible());
    EXPECT_EQ(control("CB_TLS_En_Client_Auth")->Top(), 68);
    EXPECT_EQ(form.CP_TLS->Height(), 121);

    tick("CB_TLS_En_Server_Auth", true);
    EXPECT_TRUE(control("E_TLS_Server_Cert")->Visible());
    EXPECT_EQ(control("E_TLS_Server_Cert")->Top(), 63);
    EXPECT_EQ(control("CB_TLS_En_Client_Auth")->Top(), 91);

    tick("CB_TLS_En_Client_Auth", true);
    EXPECT_TRUE(control("E_TLS_Client_Cert")->Visible());
    EXPECT_EQ(control("L_TLS_Client_Cert")->Top(), 119);
    EXPECT_EQ(control("E_TLS_Client_Key")->Top(), 144);
    EXPECT_EQ(control("E_TLS_Client_Cert_Key_Pass")->Top(), 172);
    EXPECT_EQ(form.CP_TLS->Height(), 229);

    tick("CB_TLS_En_Server_Auth", false);
    EXPECT_EQ(control("L_TLS_Client_Cert_Key_Pass")->Top(), 68 + 84);
    EXPECT_EQ(form.CP_TLS->Height(), 149 + 21 + 36);

    // Their clicks lay the panels out again, as the TLS Server's box does.
    form.Is_Change = false;
    click(*control("CB_TLS_Enable"), 3, 3);
    EXPECT_TRUE(form.Is_Change);
}

// BACnet/IP shows the address rows; MS/TP puts its own rows in their place.
TEST_F(ParGenLayoutTest, TheBacnetRowsFollowTheType) {
    TFParGen& form = f();
    showVariant(dvQX809);
    EXPECT_TRUE(control("E_BACnet_IP_Slave_GAT4")->Visible());
    EXPECT_FALSE(control("CB_BACnet_MSTP_Baudrate")->Visible());
    EXPECT_EQ(control("CB_BACnet_Slave_Desc_32_Chars")->Top(), 208);
    EXPECT_EQ(form.CP_BACnet_Slave->Height(), 261);

    auto* type = static_cast<TComboBox*>(control("CB_BACnet_Slave_Type"));
    type->SetItemIndex(1);
    form.RePosition_Objects_Of(dvQX809);
    EXPECT_FALSE(control("E_BACnet_IP_Slave_IP1")->Visible());
    EXPECT_FALSE(control("L_BACnet_IP_Slave_Device_ID")->Visible());
    EXPECT_TRUE(control("CB_BACnet_MSTP_Baudrate")->Visible());
    EXPECT_EQ(control("L_BACnet_MSTP_Baudrate")->Top(), 40);
    EXPECT_EQ(control("CB_BACnet_MSTP_Baudrate")->Top(), 37);
    EXPECT_EQ(control("L_BACnet_MSTP_NetWork")->Top(), 40 + 7 * 28);
    EXPECT_EQ(control("CB_BACnet_Slave_Desc_32_Chars")->Top(), 264);
    EXPECT_EQ(form.CP_BACnet_Slave->Height(), 317);
    EXPECT_EQ(shownDots(*form.CP_BACnet_Slave), 0);
}

// The SNMP rows keep their places; version 3 brings the user and security level, and the
// level the authority and privacy rows. Its fields take their limits and texts.
TEST_F(ParGenLayoutTest, TheSnmpRowsFollowVersionThreeAndTheSecurityLevel) {
    for (int id = 585; id <= 622; ++id) Lang_List[id] = QString("T%1").arg(id);
    TFParGen& form = f();
    form.Set_Lang();
    showVariant(dvQX126);
    const QStringList base{"L_SNMP_Agent_IP@12", "L_SNMP_Agent_SM@40", "CB_SNMP_Agent_GAT@68",
                           "L_SNMP_Agent_NameStation@96", "L_SNMP_Agent_Contact@124", "L_SNMP_Agent_Location@152",
                           "L_SNMP_Agent_Version@180"};
    EXPECT_EQ(shownRows(form.CP_SNMP_Agent), base);
    EXPECT_EQ(form.CP_SNMP_Agent->Height(), 180 + 17 + 36);

    struct Case {
        int level;
        QStringList more;
        int height;
    };
    const QStringList v3{"L_SNMP_Agent_User@208", "L_SNMP_Agent_SecurityLevel@236"};
    const QStringList authority{"L_SNMP_Agent_Authority@264", "L_SNMP_Agent_AuthorityMode@292"};
    const QStringList privacy{"L_SNMP_Agent_Privacy@320", "L_SNMP_Agent_PrivacyMode@348"};
    const Case cases[] = {{0, v3, 233 + 22 + 36}, {1, v3 + authority, 289 + 22 + 36}, {2, v3 + authority + privacy, 345 + 22 + 36}};
    auto* version3 = static_cast<TCheckBox*>(control("CB_SNMP_Agent_Version3"));
    auto* level = static_cast<TComboBox*>(control("CB_SNMP_Agent_SecurityLevel"));
    version3->SetChecked(true);
    for (const Case& c : cases) {
        level->SetItemIndex(c.level);
        form.RePosition_Objects_Of(dvQX126);
        EXPECT_EQ(shownRows(form.CP_SNMP_Agent), base + c.more) << c.level;
        EXPECT_EQ(form.CP_SNMP_Agent->Height(), c.height) << c.level;
    }
    version3->SetChecked(false);
    form.RePosition_Objects_Of(dvQX126);
    EXPECT_EQ(shownRows(form.CP_SNMP_Agent), base);

    // Tab walks the rows shown, in order.
    EXPECT_EQ(walkedNames(form.CP_SNMP_Agent),
              (QStringList{"E_SNMP_Agent_IP1", "E_SNMP_Agent_IP2", "E_SNMP_Agent_IP3", "E_SNMP_Agent_IP4",
                           "E_SNMP_Agent_SM1", "E_SNMP_Agent_SM2", "E_SNMP_Agent_SM3", "E_SNMP_Agent_SM4",
                           "CB_SNMP_Agent_GAT", "E_SNMP_Agent_GAT1", "E_SNMP_Agent_GAT2", "E_SNMP_Agent_GAT3",
                           "E_SNMP_Agent_GAT4", "E_SNMP_Agent_NameStation", "E_SNMP_Agent_Contact",
                           "E_SNMP_Agent_Location", "CB_SNMP_Agent_Version1", "CB_SNMP_Agent_Version2",
                           "CB_SNMP_Agent_Version3"}));

    expectTexts({
        {"E_SNMP_Agent_IP1", "", "T585"},       {"L_SNMP_Agent_IP", "T589", ""},
        {"CB_SNMP_Agent_GAT", "T595", "T596"},  {"E_SNMP_Agent_GAT4", "", "T600"},
        {"L_SNMP_Agent_NameStation", "T601", ""}, {"E_SNMP_Agent_Location", "", "T606"},
        {"L_SNMP_Agent_Version", "T607", ""},   {"CB_SNMP_Agent_Version3", "T610", ""},
        {"L_SNMP_Agent_User", "T611", ""},      {"CB_SNMP_Agent_PrivacyMode", "", "T622"},
    });
    auto* station = static_cast<TEdit*>(control("E_SNMP_Agent_NameStation"));
    EXPECT_EQ(station->Text(), "devicename1");
    EXPECT_EQ(station->MaxLength, 15);
    EXPECT_EQ(station->CharCase, ecLowerCase);
    EXPECT_EQ(static_cast<TEdit*>(control("E_SNMP_Agent_User"))->MaxLength, 19);
    EXPECT_EQ(static_cast<TEdit*>(control("E_SNMP_Agent_Contact"))->MaxLength, 16);
    EXPECT_EQ(static_cast<TComboBox*>(control("CB_SNMP_Agent_PrivacyMode"))->Items(), (QStringList{"DES", "AES"}));
}

// The Wi-Fi rows by type: an access point with its secure type and DHCP rows, a client with
// its own address or the name; the three lists take their items from the texts.
TEST_F(ParGenLayoutTest, TheWifiRowsFollowTheTypeTheAddressTheSecurityAndDhcp) {
    for (int id = 663; id <= 737; ++id) Lang_List[id] = QString("T%1").arg(id);
    TFParGen& form = f();
    form.Set_Lang();
    auto* type = static_cast<TComboBox*>(control("CB_WiFi_Type"));
    auto* secure = static_cast<TComboBox*>(control("CB_WiFi_Secure_Type"));
    auto* channel = static_cast<TComboBox*>(control("CB_WiFi_Channel"));
    EXPECT_EQ(type->Items(), (QStringList{"T665", "T666", "T667"}));
    EXPECT_EQ(secure->Items(), (QStringList{"T702", "T703", "T704", "T705"}));
    EXPECT_EQ(channel->Items().size(), 12);
    EXPECT_EQ(channel->Items().last(), "T737");
    EXPECT_EQ(channel->ItemIndex(), 0);
    EXPECT_EQ(static_cast<TComboBox*>(control("CB_WiFi_Max_Client"))->Text(), "10");
    EXPECT_EQ(control("L_WiFi_Type")->Caption(), "T663");
    EXPECT_EQ(control("CB_WiFi_IP_Auto")->Hint(), "T669");
    EXPECT_EQ(control("CB_WiFi_En_DNS")->Caption(), "T686");
    EXPECT_EQ(control("L_WiFi_DHCP_SM")->Caption(), "T717");
    EXPECT_EQ(control("CB_WiFi_Channel")->Hint(), "T725");

    showVariant(dvQX463);
    const auto layout = [&](int Type, int Secure, bool Dhcp, bool Auto) {
        type->SetItemIndex(Type);
        secure->SetItemIndex(Secure);
        static_cast<TCheckBox*>(control("CB_WiFi_En_DHCP"))->SetChecked(Dhcp);
        static_cast<TCheckBox*>(control("CB_WiFi_IP_Auto"))->SetChecked(Auto);
        form.RePosition_Objects_Of(dvQX463);
    };
    const QStringList addresses{"L_WiFi_IP@40", "L_WiFi_SM@68", "CB_WiFi_En_Gat@96", "CB_WiFi_En_DNS@124"};
    struct Case {
        const char* what;
        int type, secure;
        bool dhcp, automatic;
        QStringList rows;
        int height;
    };
    const Case cases[] = {
        {"access point, unsecured", 0, 0, false, false,
         QStringList{"L_WiFi_Type@12"} + addresses +
             QStringList{"L_WiFi_Port@152", "L_WiFi_SSID@180", "L_WiFi_Secure_Type@208", "CB_WiFi_En_DHCP@236",
                         "L_WiFi_Max_Client@264", "L_WiFi_Channel@292"},
         289 + 22 + 36},
        {"access point, WPA with DHCP", 0, 1, true, false,
         QStringList{"L_WiFi_Type@12"} + addresses +
             QStringList{"L_WiFi_Port@152", "L_WiFi_SSID@180", "L_WiFi_Secure_Type@208", "L_WiFi_Password@236",
                         "CB_WiFi_En_DHCP@264", "L_WiFi_DHCP_IP@292", "L_WiFi_DHCP_SM@320", "L_WiFi_Lease_Time@348",
                         "L_WiFi_Max_Client@376", "L_WiFi_Channel@404"},
         401 + 22 + 36},
        {"client with its address", 1, 1, true, false,
         QStringList{"L_WiFi_Type@12", "CB_WiFi_IP_Auto@40", "L_WiFi_IP@68", "L_WiFi_SM@96", "CB_WiFi_En_Gat@124",
                     "CB_WiFi_En_DNS@152", "L_WiFi_Port@180", "L_WiFi_SSID@208", "L_WiFi_Password@236"},
         233 + 21 + 36},
        {"client taking its address", 1, 0, false, true,
         QStringList{"L_WiFi_Type@12", "CB_WiFi_IP_Auto@40", "L_WiFi_Name@68", "L_WiFi_Port@96", "L_WiFi_SSID@124",
                     "L_WiFi_Password@152"},
         149 + 21 + 36},
    };
    for (const Case& c : cases) {
        layout(c.type, c.secure, c.dhcp, c.automatic);
        QStringList rows = shownRows(form.CP_WiFi);
        rows.sort();
        QStringList expected = c.rows;
        expected.sort();
        EXPECT_EQ(rows, expected) << c.what;
        EXPECT_EQ(form.CP_WiFi->Height(), c.height) << c.what;
    }
    // The address points move with their rows.
    layout(1, 0, false, false);
    EXPECT_EQ(shownDots(*form.CP_WiFi), 12);
    EXPECT_EQ(control("E_WiFi_GAT1")->Top(), 121);
    // A third type leaves everything as it was.
    const int height = form.CP_WiFi->Height();
    type->SetItemIndex(2);
    form.RePosition_Objects_Of(dvQX463);
    EXPECT_EQ(form.CP_WiFi->Height(), height);
    EXPECT_TRUE(control("L_WiFi_Name")->Visible() == false && control("E_WiFi_IP1")->Visible());

    // Tab walks a client's rows in order.
    layout(1, 0, false, true);
    EXPECT_EQ(walkedNames(form.CP_WiFi), (QStringList{"CB_WiFi_Type", "CB_WiFi_IP_Auto", "E_WiFi_Port", "E_WiFi_SSID",
                                                      "E_WiFi_Password", "E_WiFi_Name"}));
}

// Tab leads through the shown panels in the variant's order, every variant.
TEST_F(ParGenLayoutTest, TabWalksThePanelsOfEveryVariantInOrder) {
    for (int v = 0; v < Device_Variant_Count; ++v) {
        const auto variant = static_cast<TDevice_Variant>(v);
        SCOPED_TRACE(Variant_Code(variant));
        showVariant(variant);
        std::vector<TCategoryPanel*> met;
        for (const auto& [name, panel] : tabWalk())
            if (met.empty() || met.back() != panel) met.push_back(panel);
        std::vector<TCategoryPanel*> expected;
        for (TParGen_Panel which : Variant_Panels(variant)) expected.push_back(f().Panel(which));
        EXPECT_EQ(met, expected);
    }
}

// The spare MQTT password field is there and never shown.
TEST_F(ParGenLayoutTest, TheSpareMqttPasswordIsNeverShown) {
    showVariant(dvQX463);
    for (bool will : {false, true}) {
        static_cast<TCheckBox*>(control("CB_MQTT_WillFlag"))->SetChecked(will);
        f().RePosition_Objects_Of(dvQX463);
        ASSERT_NE(control("E_MQTT_Password__"), nullptr);
        EXPECT_FALSE(control("E_MQTT_Password__")->Visible());
    }
}

}  // namespace
