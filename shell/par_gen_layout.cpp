#include "shell/par_gen_layout.h"

#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/rich_edit.h"
#include "shell/par_gen_form.h"
#include "common/state/program_state.h"

#include <array>

namespace {

using namespace ParGen_Grid;

struct TPanel_Design {
    TCategoryPanel* TFParGen::*Field;
    const char* Name;
    int Caption;                // text id of the caption
    const char* Fixed_Caption;  // a caption of its own, neither from the texts nor numbered
};

// The fifteen panels in design order, as TParGen_Panel counts them.
const std::array<TPanel_Design, ParGen_Panel_Count> Panel_Designs = {{
    {&TFParGen::CP_PROFINET_Master, "CP_PROFINET_Master", 406, nullptr},
    {&TFParGen::CP_IEC61850_Server, "CP_IEC61850_Server", 1767, nullptr},
    {&TFParGen::CP_TLS_Server, "CP_TLS_Server", 1773, nullptr},
    {&TFParGen::CP_Modbus_TCP_Slave, "CP_Modbus_TCP_Slave", 425, nullptr},
    {&TFParGen::CP_Modbus_Slave, "CP_Modbus_Slave", 470, nullptr},
    {&TFParGen::CP_Ethernet, "CP_Ethernet", 483, nullptr},
    {&TFParGen::CP_EtherNetIP, "CP_EtherNetIP", 0, "2. EtherNet/IP"},
    {&TFParGen::CP_PROFIBUS, "CP_PROFIBUS", 572, nullptr},
    {&TFParGen::CP_SNMP_Agent, "CP_SNMP_Agent", 584, nullptr},
    {&TFParGen::CP_MQTT, "CP_MQTT", 635, nullptr},
    {&TFParGen::CP_WiFi, "CP_WiFi", 662, nullptr},
    {&TFParGen::CP_TLS, "CP_TLS", 738, nullptr},
    {&TFParGen::CP_NTP, "CP_NTP", 753, nullptr},
    {&TFParGen::CP_BACnet_Slave, "CP_BACnet_Slave", 1700, nullptr},
    {&TFParGen::CP_CAN, "CP_CAN", 1764, nullptr},
}};

// The height of a panel before it is first laid out.
constexpr int Design_Panel_Height = 200;

constexpr TParGen_Panel QX215[] = {ppPROFINET_Master, ppModbus_Slave};
constexpr TParGen_Panel QX930[] = {ppPROFINET_Master, ppPROFIBUS};
constexpr TParGen_Panel QX358[] = {ppPROFINET_Master, ppCAN};
constexpr TParGen_Panel QX741[] = {ppPROFINET_Master, ppModbus_TCP_Slave};
constexpr TParGen_Panel QX126[] = {ppPROFINET_Master, ppSNMP_Agent};
constexpr TParGen_Panel QX587[] = {ppPROFINET_Master, ppEtherNetIP};
constexpr TParGen_Panel QX463[] = {ppPROFINET_Master, ppMQTT, ppEthernet, ppWiFi, ppTLS, ppNTP};
constexpr TParGen_Panel QX809[] = {ppPROFINET_Master, ppBACnet_Slave};
constexpr TParGen_Panel QX372[] = {ppPROFINET_Master, ppIEC61850_Server, ppTLS_Server};
constexpr TParGen_Panel QX694[] = {ppPROFINET_Master, ppEthernet};

struct TVariant_Design {
    const char* Code;
    std::span<const TParGen_Panel> Panels;
};

// In TDevice_Variant's order.
constexpr std::array<TVariant_Design, Device_Variant_Count> Variant_Designs = {{
    {"QX215", QX215},
    {"QX930", QX930},
    {"QX358", QX358},
    {"QX741", QX741},
    {"QX126", QX126},
    {"QX587", QX587},
    {"QX463", QX463},
    {"QX809", QX809},
    {"QX372", QX372},
    {"QX694", QX694},
}};

}  // namespace

const char* Variant_Code(TDevice_Variant Variant) { return Variant_Designs.at(Variant).Code; }

std::span<const TParGen_Panel> Variant_Panels(TDevice_Variant Variant) { return Variant_Designs.at(Variant).Panels; }

TCategoryPanel* TFParGen::Panel(TParGen_Panel Which) const { return this->*Panel_Designs.at(Which).Field; }

void TFParGen::Build_Panels() {
    // Each panel stacked below the ones before it, as the design holds them.
    int top = 0;
    for (const TPanel_Design& design : Panel_Designs) {
        auto* panel = Place_Control<TCategoryPanel>(*this, CPG, design.Name, 0, top, CPG->ClientWidth(),
                                                    Design_Panel_Height);
        panel->SetCaption(design.Fixed_Caption ? QString::fromLatin1(design.Fixed_Caption) : Lang(design.Caption));
        this->*design.Field = panel;
        top += Design_Panel_Height;
    }
}

void TFParGen::Order_TAB_Panels() { Order_TAB_Panels_Of(Build_Variant); }

void TFParGen::Move_GroupBoxs() { RePosition_Objects_Of(Build_Variant); }

void TFParGen::Order_TAB_Panels_Of(TDevice_Variant Variant) {
    const std::span<const TParGen_Panel> panels = Variant_Panels(Variant);
    for (TParGen_Panel which : panels) Panel(which)->Show();
    // Each Top just below the panel before it fixes the stacking order.
    const TCategoryPanel* previous = nullptr;
    for (TParGen_Panel which : panels) {
        TCategoryPanel* panel = Panel(which);
        panel->SetTop(previous ? previous->Top() + previous->Height() : 0);
        previous = panel;
    }
    int order = 0;
    for (TParGen_Panel which : panels) Panel(which)->SetTabOrder(order++);
    // The numbers are set once, in the language of the moment; Set_Lang leaves them alone.
    int number = 1;
    for (TParGen_Panel which : panels) {
        const TPanel_Design& design = Panel_Designs.at(which);
        Panel(which)->SetCaption(design.Fixed_Caption ? QString::fromLatin1(design.Fixed_Caption)
                                                      : QString("%1. ").arg(number) + Lang(design.Caption));
        ++number;
    }
}

void TFParGen::RePosition_Objects_Of(TDevice_Variant Variant) {
    for (TParGen_Panel which : Variant_Panels(Variant)) RePosition_Object(which);
}

void TFParGen::RePosition_Object(TParGen_Panel Which) {
    switch (Which) {
    case ppPROFINET_Master: Fit_Panel(CP_PROFINET_Master, E_PROFINET_Master_NameStation); break;
    case ppIEC61850_Server: Fit_Panel(CP_IEC61850_Server, E_IEC61850_Server_Password); break;
    case ppTLS_Server: RePosition_Object_TLS_Server(); break;
    case ppEthernet: RePosition_Object_Ethernet(); break;
    case ppMQTT: RePosition_Object_MQTT(); break;
    case ppTLS: RePosition_Object_TLS(); break;
    case ppBACnet_Slave: RePosition_Object_BACnet_Slave(); break;
    case ppSNMP_Agent: RePosition_Object_SNMP_Agent(); break;
    case ppWiFi: RePosition_Object_WiFi(); break;
    default:
        Fit_Panel(Panel(Which), otherLast_.at(Which));
        break;
    }
}

void TFParGen::RePosition_Object_TLS_Server() {
    const bool enabled = CB_TLS_Server_Enable->Checked();
    // The rows below the check box stay at their places; only their visibility follows it.
    TControl* rows[] = {L_TLS_Server_Key,       E_TLS_Server_Key,         L_TLS_Server_Key_Pass,
                        E_TLS_Server_Key_Pass,  L_TLS_Server_Server_Cert, E_TLS_Server_Server_Cert,
                        L_TLS_Server_Root_Cert, E_TLS_Server_Root_Cert,   CB_TLS_Server_En_Known_Cert};
    for (TControl* row : rows) row->SetVisible(enabled);
    Fit_Panel(CP_TLS_Server, enabled ? CB_TLS_Server_En_Known_Cert : CB_TLS_Server_Enable);
}

void TFParGen::Fit_Panel(TCategoryPanel* Target, int LastTop, int LastHeight) {
    Target->SetHeight(LastTop + LastHeight + CPG->HeaderHeight() + 12);
}

void TFParGen::Fit_Panel(TCategoryPanel* Target, const TControl* Last) { Fit_Panel(Target, Last->Top(), Last->Height()); }

bool TFParGen::Is_Layout_Sender(const TObject* Sender) const {
    // The family's layout senders; of them this build shows only the TLS Server's box.
    if (Sender == nullptr) return false;
    if (Sender == CB_TLS_Server_Enable) return true;
    for (const char* name : {"CB_SNMP_Agent_SecurityLevel", "CB_WiFi_Type", "CB_WiFi_Secure_Type", "CB_BACnet_Slave_Type",
                             "CB_SNMP_Agent_Version3", "CB_MQTT_WillFlag", "CB_TLS_Enable", "CB_TLS_En_Server_Auth",
                             "CB_TLS_En_Client_Auth", "CB_WiFi_IP_Auto", "CB_WiFi_En_DHCP"})
        if (Sender == FindComponent(QString::fromLatin1(name))) return true;
    return false;
}
