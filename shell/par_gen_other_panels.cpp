#include "shell/par_gen_form.h"

#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/rich_edit.h"
#include "common/state/program_state.h"

using namespace ParGen_Grid;

namespace {

// The kinds of row of the other devices' panels.
enum TRow_Kind {
    rkEdit,          // label and edit
    rkRichEdit,      // label and multi-line edit
    rkCombo,         // label and drop-down list
    rkCheck,         // a check box alone
    rkAddress,       // label and four byte fields
    rkCheckAddress,  // check box and four byte fields
    rkChecks,        // label and three check boxes side by side
};

struct TRow_Def {
    TRow_Kind Kind;
    // The label's name follows "L_", an edit's "E_", a combo box's and check box's "CB_".
    const char* Name;
    // The byte fields of an address row: Fields + "1" .. "4", after "E_".
    const char* Fields = nullptr;
    const char* Text = "";  // an edit's text, a combo box's chosen item
    QStringList Items = {};
    bool Disabled = false;
    // An edit's limit on what the user types, and whether typed letters turn lower case.
    int Max_Length = 0;
    bool Lower_Case = false;
    // A combo box whose items Set_Lang refills from this many texts after its hint.
    int Item_Texts = 0;
};

struct TOther_Panel {
    TParGen_Panel Panel;
    int First_Text;
    std::vector<TRow_Def> Rows;
};

TRow_Def address(const char* Label, const char* Fields) { return {rkAddress, Label, Fields}; }
TRow_Def gateway(const char* Check, const char* Fields) { return {rkCheckAddress, Check, Fields}; }

const QStringList Modbus_Baudrates{"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"};
const QStringList MSTP_Baudrates{"9600", "19200", "38400", "57600", "76800", "115200"};
const QStringList CAN_Baudrates{"10K", "20K", "50K", "83.3K", "100K", "125K", "250K", "500K", "800K", "1000K"};
const QStringList WiFi_Max_Clients{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

TRow_Def limited(const char* Name, int Max_Length, const char* Text = "", bool Lower_Case = false) {
    TRow_Def row{rkEdit, Name, nullptr, Text};
    row.Max_Length = Max_Length;
    row.Lower_Case = Lower_Case;
    return row;
}
TRow_Def translated_list(const char* Name, int Item_Texts) {
    TRow_Def row{rkCombo, Name};
    row.Item_Texts = Item_Texts;
    return row;
}

// The panels of the family's other devices built so far, their rows at their design places,
// with the first text of each; the texts run on through the rows in order.
const std::vector<TOther_Panel>& Other_Panels() {
    static const std::vector<TOther_Panel> panels = {
        {ppModbus_TCP_Slave,
         426,
         {address("ModbusTCPSlave_IP", "ModbusTCPSlave_IP"), address("ModbusTCPSlave_SM", "ModbusTCPSlave_SM"),
          gateway("ModbusTCPSlave_En_GAT", "ModbusTCPSlave_GAT"), {rkEdit, "ModbusTCPSlave_Port", nullptr, "502"}}},
        {ppModbus_Slave,
         471,
         {{rkCombo, "ModbusSlave_Serial", nullptr, "RS232", {"RS232", "RS485"}},
          {rkCombo, "ModbusSlave_Baudrate", nullptr, "115200", Modbus_Baudrates},
          {rkCombo, "ModbusSlave_Parity", nullptr, "NONE", {"NONE", "ODD", "EVEN"}},
          {rkCombo, "ModbusSlave_StopBits", nullptr, "1 Stop Bits", {"1 Stop Bits", "2 Stop Bits"}},
          {rkEdit, "ModbusSlave_IDDevice", nullptr, "1"},
          {rkCheck, "ModbusSlave_ReadInput"}}},
        {ppEthernet,
         484,
         {address("Ethernet_IP", "Ethernet_IP"), address("Ethernet_SM", "Ethernet_SM"),
          gateway("Ethernet_En_GAT", "Ethernet_GAT"), gateway("Ethernet_DNS", "Ethernet_DNS"),
          {rkEdit, "Ethernet_TCP_Port"}, {rkEdit, "Ethernet_UDP_Port"}}},
        {ppEtherNetIP,
         531,
         {address("EtherNetIP_IP", "EtherNetIP_IP"), address("EtherNetIP_SM", "EtherNetIP_SM"),
          gateway("EtherNetIP_GAT", "EtherNetIP_GAT"), {rkEdit, "EtherNetIP_TunnelPort", nullptr, "44818", {}, true},
          {rkEdit, "EtherNetIP_NByte_In", nullptr, "496"}, {rkEdit, "EtherNetIP_NByte_Out", nullptr, "496"}}},
        {ppPROFIBUS,
         573,
         {{rkEdit, "PROFIBUS_IDDevice", nullptr, "0"},
          {rkCombo, "PROFIBUS_Baudrate", nullptr, "Auto Baudrate", {"Auto Baudrate"}, true},
          {rkEdit, "PROFIBUS_NByte_In", nullptr, "244"},
          {rkEdit, "PROFIBUS_NByte_Out", nullptr, "244"}}},
        {ppMQTT,
         636,
         {{rkEdit, "MQTT_Server_URL"}, {rkEdit, "MQTT_Server_Port", nullptr, "1883"}, {rkEdit, "MQTT_Client_ID"},
          {rkEdit, "MQTT_Keep_Alive"}, {rkCheck, "MQTT_Clean_Session"}, {rkCheck, "MQTT_WillFlag"},
          {rkEdit, "MQTT_Topic_Name_Will"}, {rkEdit, "MQTT_Message_Will"}, {rkCheck, "MQTT_Will_Retained"},
          {rkCombo, "MQTT_Will_QoS", nullptr, "0", {"0", "1", "2"}}, {rkEdit, "MQTT_Username"},
          {rkRichEdit, "MQTT_Password"}, {rkEdit, "MQTT_ASync_Send_Time"}}},
        {ppSNMP_Agent,
         585,
         {address("SNMP_Agent_IP", "SNMP_Agent_IP"), address("SNMP_Agent_SM", "SNMP_Agent_SM"),
          gateway("SNMP_Agent_GAT", "SNMP_Agent_GAT"), limited("SNMP_Agent_NameStation", 15, "devicename1", true),
          limited("SNMP_Agent_Contact", 16), limited("SNMP_Agent_Location", 16),
          {rkChecks, "SNMP_Agent_Version", "SNMP_Agent_Version"}, limited("SNMP_Agent_User", 19),
          {rkCombo,
           "SNMP_Agent_SecurityLevel",
           nullptr,
           "NoAuthority NoPrivacy",
           {"NoAuthority NoPrivacy", "Authority NoPrivacy", "Authority Privacy"}},
          limited("SNMP_Agent_Authority", 15), {rkCombo, "SNMP_Agent_AuthorityMode", nullptr, "MD5", {"MD5", "SHA"}},
          limited("SNMP_Agent_Privacy", 15), {rkCombo, "SNMP_Agent_PrivacyMode", nullptr, "DES", {"DES", "AES"}}}},
        {ppWiFi,
         663,
         {translated_list("WiFi_Type", 3), {rkCheck, "WiFi_IP_Auto"}, address("WiFi_IP", "WiFi_IP"),
          address("WiFi_SM", "WiFi_SM"), gateway("WiFi_En_Gat", "WiFi_GAT"), gateway("WiFi_En_DNS", "WiFi_DNS"),
          {rkEdit, "WiFi_Port"}, {rkCheck, "WiFi_En_WPS"}, {rkEdit, "WiFi_SSID"}, {rkEdit, "WiFi_Password"},
          translated_list("WiFi_Secure_Type", 4), {rkCheck, "WiFi_En_DHCP"}, address("WiFi_DHCP_IP", "WiFi_DHCP_IP"),
          address("WiFi_DHCP_SM", "WiFi_DHCP_SM"), {rkEdit, "WiFi_Lease_Time"}, {rkEdit, "WiFi_Name"},
          {rkCombo, "WiFi_Max_Client", nullptr, "10", WiFi_Max_Clients}, translated_list("WiFi_Channel", 12)}},
        {ppTLS,
         739,
         {{rkCheck, "TLS_Enable"}, {rkCheck, "TLS_En_Server_Auth"}, {rkRichEdit, "TLS_Server_Cert"},
          {rkCheck, "TLS_En_Client_Auth"}, {rkRichEdit, "TLS_Client_Cert"}, {rkRichEdit, "TLS_Client_Key"},
          {rkEdit, "TLS_Client_Cert_Key_Pass"}}},
        {ppNTP, 754, {{rkEdit, "NTP_Server_URL"}, {rkEdit, "NTP_Poll_Time"}}},
        {ppBACnet_Slave,
         1701,
         {{rkCombo, "BACnet_Slave_Type", nullptr, "BACnet/IP", {"BACnet/IP", "BACnet MS/TP"}},
          address("BACnet_IP_Slave_IP", "BACnet_IP_Slave_IP"), address("BACnet_IP_Slave_SM", "BACnet_IP_Slave_SM"),
          gateway("BACnet_IP_Slave_GAT", "BACnet_IP_Slave_GAT"), {rkEdit, "BACnet_IP_Slave_Port", nullptr, "502"},
          {rkEdit, "BACnet_IP_Slave_Device_Name", nullptr, "devicename1"},
          {rkEdit, "BACnet_IP_Slave_Device_ID", nullptr, "502"},
          {rkCombo, "BACnet_MSTP_Baudrate", nullptr, "115200", MSTP_Baudrates},
          {rkCombo, "BACnet_MSTP_Parity", nullptr, "NONE", {"NONE", "ODD", "EVEN"}},
          {rkEdit, "BACnet_MSTP_Device_Name"}, {rkEdit, "BACnet_MSTP_MAC"}, {rkEdit, "BACnet_MSTP_Max_Master"},
          {rkEdit, "BACnet_MSTP_Max_Info_Frame"}, {rkEdit, "BACnet_MSTP_Device_Instance"},
          {rkEdit, "BACnet_MSTP_NetWork"}, {rkCheck, "BACnet_Slave_Desc_32_Chars"}}},
        {ppCAN, 1765, {{rkCombo, "CAN_Baudrate", nullptr, "1000K", CAN_Baudrates}}},
    };
    return panels;
}

QByteArray name(const char* Prefix, const char* Base, const char* Suffix = "") {
    return QByteArray(Prefix) + Base + Suffix;
}

}  // namespace

void TFParGen::Build_Other_Panels() {
    constexpr int address_lefts[] = {191, 252, 313, 374};
    constexpr int version_lefts[] = {191, 270, 349};
    for (const TOther_Panel& design : Other_Panels()) {
        TCategoryPanel* panel = Panel(design.Panel);
        TOther_Texts& texts = otherTexts_.at(design.Panel);
        texts.First = design.First_Text;
        TControl* last = nullptr;
        for (int row = 0; row < int(design.Rows.size()); ++row) {
            const TRow_Def& def = design.Rows[size_t(row)];
            auto& members = rows_[QString::fromLatin1(def.Name)];
            const auto member = [&](TControl* control) { members.push_back({control, control->Top() - Row_Top(row)}); };
            const auto field = [&](TControl* control) {
                control->ShowHint = true;
                control->SetEnabled(!def.Disabled);
                member(control);
                last = control;
            };
            const auto check_box = [&](const QByteArray& Name, int Left, int Width) {
                auto* box = Place_Control<TCheckBox>(*this, panel, Name.constData(), Left, Row_Top(row), Width, Check_Box_Height);
                box->OnClick = [this](TObject* s) { On_Click(s); };
                field(box);
                return box;
            };
            if (def.Kind == rkCheck || def.Kind == rkCheckAddress) {
                TCheckBox* box = check_box(name("CB_", def.Name), Label_Left, def.Kind == rkCheck ? 400 : 170);
                texts.Targets.push_back({box, tuCaption});
                texts.Targets.push_back({box, tuHint});
            }
            TLabel* label = nullptr;
            const bool field_row = def.Kind == rkEdit || def.Kind == rkRichEdit || def.Kind == rkCombo;
            if (field_row || def.Kind == rkAddress || def.Kind == rkChecks) {
                label = Place_Control<TLabel>(*this, panel, name("L_", def.Name).constData(), Label_Left, Row_Top(row), 0, 0);
                member(label);
            }
            if (def.Kind == rkEdit) {
                auto* edit = Place_Control<TEdit>(*this, panel, name("E_", def.Name).constData(), Field_Left,
                                                  Field_Top(row), Field_Width, Edit_Height);
                edit->SetText(QString::fromLatin1(def.Text));
                edit->MaxLength = def.Max_Length;
                if (def.Lower_Case) edit->CharCase = ecLowerCase;
                edit->OnChange = [this](TObject* s) { On_Change(s); };
                field(edit);
            } else if (def.Kind == rkRichEdit) {
                auto* edit = Place_Control<TRichEdit>(*this, panel, name("E_", def.Name).constData(), Field_Left,
                                                      Field_Top(row), Field_Width, Rich_Edit_Height);
                edit->OnChange = [this](TObject* s) { On_Change(s); };
                field(edit);
            } else if (def.Kind == rkCombo) {
                auto* combo = Place_Control<TComboBox>(*this, panel, name("CB_", def.Name).constData(), Field_Left,
                                                       Field_Top(row), Field_Width, Combo_Height);
                combo->SetItems(def.Items);
                combo->SetItemIndex(int(def.Items.indexOf(QString::fromLatin1(def.Text))));
                combo->OnChange = [this](TObject* s) { On_Change(s); };
                field(combo);
            } else if (def.Kind == rkChecks) {
                if (label) texts.Targets.push_back({label, tuCaption});
                label = nullptr;
                for (int i = 0; i < 3; ++i) {
                    TCheckBox* box = check_box(name("CB_", def.Fields, QByteArray::number(i + 1)), version_lefts[i], 70);
                    texts.Targets.push_back({box, tuCaption});
                }
            } else if (def.Kind == rkAddress || def.Kind == rkCheckAddress) {
                // A check box leading the row stands one pixel above its points.
                const int dot_top = Row_Top(row) + (def.Kind == rkCheckAddress ? 1 : 0);
                for (int i = 0; i < 4; ++i) {
                    auto* byte = Place_Control<TEdit>(*this, panel, name("E_", def.Fields, QByteArray::number(i + 1)).constData(),
                                                      address_lefts[i], Field_Top(row), 55, Edit_Height);
                    byte->SetText(QStringLiteral("192.168.0.5").split('.')[i]);
                    byte->OnChange = [this](TObject* s) { On_Change(s); };
                    byte->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
                    field(byte);
                    texts.Targets.push_back({byte, tuHint});
                    if (i == 0) continue;
                    auto* dot = Place_Control<TLabel>(*this, panel, "", address_lefts[i] - 5, dot_top, 0, 0);
                    dot->SetCaption(QStringLiteral("."));
                    member(dot);
                }
            }
            // Texts in the form's order: a label's caption, then its field's hint and the items
            // of a list that takes them from the texts; an address row's byte hints before its
            // label.
            if (label) texts.Targets.push_back({label, tuCaption});
            if (field_row) texts.Targets.push_back({last, tuHint});
            if (def.Item_Texts > 0) texts.Targets.push_back({last, tuItems, def.Item_Texts});
        }
        otherLast_.at(design.Panel) = last;
    }
    // A spare password field of the MQTT panel, never shown.
    auto* spare = Place_Control<TEdit>(*this, CP_MQTT, "E_MQTT_Password__", Field_Left, Field_Top(11), Field_Width, Edit_Height);
    spare->OnChange = [this](TObject* s) { On_Change(s); };
    spare->Hide();
}

void TFParGen::Set_Lang_Other_Panels() {
    for (const TOther_Texts& texts : otherTexts_) {
        int id = texts.First;
        for (const TText_Target& target : texts.Targets) {
            switch (target.Use) {
            case tuCaption: target.Control->SetCaption(Lang(id++)); break;
            case tuHint: target.Control->SetHint(Lang(id++)); break;
            case tuItems: {
                QStringList items;
                for (int i = 0; i < target.Count; ++i) items << Lang(id++);
                auto* list = static_cast<TComboBox*>(target.Control);
                list->SetItems(items);
                list->SetItemIndex(0);
                break;
            }
            }
        }
    }
}

void TFParGen::Show_Row(const QString& Row, int Top) {
    for (const auto& [control, offset] : rows_.at(Row)) {
        control->SetTop(Top + offset);
        control->Show();
    }
}

void TFParGen::Show_Row(const QString& Row) {
    for (const auto& member : rows_.at(Row)) member.first->Show();
}

void TFParGen::Hide_Row(const QString& Row) {
    for (const auto& member : rows_.at(Row)) member.first->Hide();
}

// The DNS row is left out and the two ports move up into its place.
void TFParGen::RePosition_Object_Ethernet() {
    for (const char* hidden : {"CB_Ethernet_DNS", "E_Ethernet_DNS1", "E_Ethernet_DNS2", "E_Ethernet_DNS3", "E_Ethernet_DNS4"})
        static_cast<TControl*>(FindComponent(QString::fromLatin1(hidden)))->Hide();
    TWinControl* panel = CP_Ethernet;
    const TControl* dns = static_cast<TControl*>(FindComponent(QStringLiteral("CB_Ethernet_DNS")));
    for (int i = 0; i < panel->ControlCount(); ++i) {
        TControl* dot = panel->Controls(i);
        if (dot->Caption() == QLatin1String(".") && dot->Top() == dns->Top() + 1) dot->Hide();
    }
    const auto place = [this](const char* Label, const char* Field, int Top) {
        static_cast<TControl*>(FindComponent(QString::fromLatin1(Label)))->SetTop(Top);
        static_cast<TControl*>(FindComponent(QString::fromLatin1(Field)))->SetTop(Top - 3);
    };
    place("L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", 96);
    place("L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port", 124);
    Fit_Panel(CP_Ethernet, otherLast_.at(ppEthernet));
}

// The will rows follow their check box, and the user rows follow the will rows; the send
// time is never shown.
void TFParGen::RePosition_Object_MQTT() {
    const auto control = [this](const char* Name) { return static_cast<TControl*>(FindComponent(QString::fromLatin1(Name))); };
    const bool will = static_cast<TCheckBox*>(control("CB_MQTT_WillFlag"))->Checked();
    for (const char* row : {"L_MQTT_Topic_Name_Will", "E_MQTT_Topic_Name_Will", "L_MQTT_Message_Will", "E_MQTT_Message_Will",
                            "CB_MQTT_Will_Retained", "L_MQTT_Will_QoS", "CB_MQTT_Will_QoS"})
        control(row)->SetVisible(will);
    for (const char* row : {"L_MQTT_ASync_Send_Time", "E_MQTT_ASync_Send_Time"}) control(row)->Hide();
    const int v = will ? control("L_MQTT_Will_QoS")->Top() + Row_Pitch : control("L_MQTT_Topic_Name_Will")->Top();
    control("L_MQTT_Username")->SetTop(v);
    control("E_MQTT_Username")->SetTop(v - 3);
    control("L_MQTT_Password")->SetTop(v + Row_Pitch);
    control("E_MQTT_Password")->SetTop(v + Row_Pitch - 3);
    Fit_Panel(CP_MQTT, control("E_MQTT_Password"));
}

// Below the enabling box: the server authentication box, its certificate while it is ticked,
// then the client authentication box with its certificate, key and password while that one is.
void TFParGen::RePosition_Object_TLS() {
    const auto control = [this](const char* Name) { return static_cast<TControl*>(FindComponent(QString::fromLatin1(Name))); };
    const auto ticked = [&](const char* Name) { return static_cast<TCheckBox*>(control(Name))->Checked(); };
    const char* const server_rows[] = {"L_TLS_Server_Cert", "E_TLS_Server_Cert"};
    const char* const client_rows[][2] = {{"L_TLS_Client_Cert", "E_TLS_Client_Cert"},
                                          {"L_TLS_Client_Key", "E_TLS_Client_Key"},
                                          {"L_TLS_Client_Cert_Key_Pass", "E_TLS_Client_Cert_Key_Pass"}};
    const bool enabled = ticked("CB_TLS_Enable");
    const bool server = enabled && ticked("CB_TLS_En_Server_Auth");
    const bool client = enabled && ticked("CB_TLS_En_Client_Auth");
    control("CB_TLS_En_Server_Auth")->SetVisible(enabled);
    control("CB_TLS_En_Client_Auth")->SetVisible(enabled);
    for (const char* row : server_rows) control(row)->SetVisible(server);
    for (const auto& row : client_rows)
        for (const char* part : row) control(part)->SetVisible(client);
    if (!enabled) {
        Fit_Panel(CP_TLS, control("CB_TLS_Enable"));
        return;
    }
    // The certificate's edit stands five pixels above its label in this panel.
    TControl* server_cert = control("E_TLS_Server_Cert");
    server_cert->SetTop(control("L_TLS_Server_Cert")->Top() - 5);
    const int v = (server ? server_cert->Top() : control("CB_TLS_En_Server_Auth")->Top()) + Row_Pitch;
    control("CB_TLS_En_Client_Auth")->SetTop(v);
    for (int i = 0; i < 3; ++i) {
        const int top = v + Row_Pitch * (i + 1);
        control(client_rows[i][0])->SetTop(top);
        control(client_rows[i][1])->SetTop(top - 3);
    }
    Fit_Panel(CP_TLS, control(client ? "E_TLS_Client_Cert_Key_Pass" : "CB_TLS_En_Client_Auth"));
}

// BACnet/IP shows the address rows, port, name and identifier; MS/TP shows its own rows from
// the address row down instead. The 32-character box follows the last row shown.
void TFParGen::RePosition_Object_BACnet_Slave() {
    const auto control = [this](const QString& Name) { return static_cast<TControl*>(FindComponent(Name)); };
    const bool ip = static_cast<TComboBox*>(control("CB_BACnet_Slave_Type"))->ItemIndex() == 0;
    QStringList ip_rows{"L_BACnet_IP_Slave_IP", "L_BACnet_IP_Slave_SM", "CB_BACnet_IP_Slave_GAT",
                        "L_BACnet_IP_Slave_Port", "E_BACnet_IP_Slave_Port", "L_BACnet_IP_Slave_Device_Name",
                        "E_BACnet_IP_Slave_Device_Name", "L_BACnet_IP_Slave_Device_ID", "E_BACnet_IP_Slave_Device_ID"};
    for (const char* fields : {"E_BACnet_IP_Slave_IP", "E_BACnet_IP_Slave_SM", "E_BACnet_IP_Slave_GAT"})
        for (int i = 1; i <= 4; ++i) ip_rows << fields + QString::number(i);
    for (const QString& row : ip_rows) control(row)->SetVisible(ip);
    // The address rows' points stand between the first address label and the gateway box.
    const int first = control("L_BACnet_IP_Slave_IP")->Top();
    const int gateway = control("CB_BACnet_IP_Slave_GAT")->Top();
    for (int i = 0; i < CP_BACnet_Slave->ControlCount(); ++i) {
        TControl* dot = CP_BACnet_Slave->Controls(i);
        if (dot->Caption() == QLatin1String(".") && dot->Top() >= first && dot->Top() <= gateway + 1) dot->SetVisible(ip);
    }
    const char* const mstp[] = {"BACnet_MSTP_Baudrate",   "BACnet_MSTP_Parity",         "BACnet_MSTP_Device_Name",
                                "BACnet_MSTP_MAC",        "BACnet_MSTP_Max_Master",     "BACnet_MSTP_Max_Info_Frame",
                                "BACnet_MSTP_Device_Instance", "BACnet_MSTP_NetWork"};
    int last_label = control("L_BACnet_IP_Slave_Device_ID")->Top();
    const int field_top = control("E_BACnet_IP_Slave_IP1")->Top();
    for (int k = 0; k < 8; ++k) {
        TControl* label = control(QStringLiteral("L_") + QLatin1String(mstp[k]));
        TControl* field = control((k < 2 ? QStringLiteral("CB_") : QStringLiteral("E_")) + QLatin1String(mstp[k]));
        label->SetVisible(!ip);
        field->SetVisible(!ip);
        if (ip) continue;
        label->SetTop(first + Row_Pitch * k);
        field->SetTop(field_top + Row_Pitch * k);
        last_label = label->Top();
    }
    TControl* desc = control("CB_BACnet_Slave_Desc_32_Chars");
    desc->SetTop(last_label + Row_Pitch);
    Fit_Panel(CP_BACnet_Slave, desc);
}
