// The conditional rows of the SNMP Agent and Wi-Fi panels.
#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "shell/par_gen_form.h"

using namespace ParGen_Grid;

namespace {
template <class T>
T* find(const TComponent& Form, const char* Name) {
    return static_cast<T*>(Form.FindComponent(QString::fromLatin1(Name)));
}
}  // namespace

// The rows keep their design places. Version 3 brings the user and the security level; the
// level brings the authority rows (1) and the privacy rows too (2).
void TFParGen::RePosition_Object_SNMP_Agent() {
    const bool v3 = find<TCheckBox>(*this, "CB_SNMP_Agent_Version3")->Checked();
    const int level = find<TComboBox>(*this, "CB_SNMP_Agent_SecurityLevel")->ItemIndex();
    const bool authority = v3 && (level == 1 || level == 2);
    const bool privacy = v3 && level == 2;
    const auto show = [this](const char* Row, bool Shown) {
        if (Shown) Show_Row(QString::fromLatin1(Row));
        else Hide_Row(QString::fromLatin1(Row));
    };
    show("SNMP_Agent_User", v3);
    show("SNMP_Agent_SecurityLevel", v3);
    show("SNMP_Agent_Authority", authority);
    show("SNMP_Agent_AuthorityMode", authority);
    show("SNMP_Agent_Privacy", privacy);
    show("SNMP_Agent_PrivacyMode", privacy);
    const char* last = !v3          ? "CB_SNMP_Agent_Version3"
                       : privacy    ? "CB_SNMP_Agent_PrivacyMode"
                       : authority  ? "CB_SNMP_Agent_AuthorityMode"
                                    : "CB_SNMP_Agent_SecurityLevel";
    Fit_Panel(CP_SNMP_Agent, find<TControl>(*this, last));
}

// An access point shows its address, the secure type (and its password unless unsecured) and
// the DHCP rows while DHCP is on; a client shows whether it takes its address itself, the
// address rows or the name, then port, SSID and password. Other types leave the panel as it is.
void TFParGen::RePosition_Object_WiFi() {
    const int type = find<TComboBox>(*this, "CB_WiFi_Type")->ItemIndex();
    if (type != 0 && type != 1) return;
    const int t = find<TControl>(*this, "L_WiFi_Type")->Top();
    const auto row = [this](const char* Name, int Top) { Show_Row(QString::fromLatin1(Name), Top); };
    const auto hide = [this](std::initializer_list<const char*> Names) {
        for (const char* name : Names) Hide_Row(QString::fromLatin1(name));
    };
    const auto addresses = [&](int Top) {
        row("WiFi_IP", Top);
        row("WiFi_SM", Top + Row_Pitch);
        row("WiFi_En_Gat", Top + 2 * Row_Pitch);
        row("WiFi_En_DNS", Top + 3 * Row_Pitch);
    };
    if (type == 0) {
        hide({"WiFi_IP_Auto", "WiFi_En_WPS", "WiFi_Name"});
        addresses(t + Row_Pitch);
        row("WiFi_Port", t + 5 * Row_Pitch);
        row("WiFi_SSID", t + 6 * Row_Pitch);
        row("WiFi_Secure_Type", t + 7 * Row_Pitch);
        int n = t + 8 * Row_Pitch;
        if (find<TComboBox>(*this, "CB_WiFi_Secure_Type")->ItemIndex() != 0) {
            row("WiFi_Password", n);
            n += Row_Pitch;
        } else {
            hide({"WiFi_Password"});
        }
        row("WiFi_En_DHCP", n);
        int r = n + Row_Pitch;
        if (find<TCheckBox>(*this, "CB_WiFi_En_DHCP")->Checked()) {
            row("WiFi_DHCP_IP", r);
            row("WiFi_DHCP_SM", r + Row_Pitch);
            row("WiFi_Lease_Time", r + 2 * Row_Pitch);
            r += 3 * Row_Pitch;
        } else {
            hide({"WiFi_DHCP_IP", "WiFi_DHCP_SM", "WiFi_Lease_Time"});
        }
        row("WiFi_Max_Client", r);
        row("WiFi_Channel", r + Row_Pitch);
        Fit_Panel(CP_WiFi, find<TControl>(*this, "CB_WiFi_Channel"));
        return;
    }
    row("WiFi_IP_Auto", t + Row_Pitch);
    int p = t + 2 * Row_Pitch;
    if (find<TCheckBox>(*this, "CB_WiFi_IP_Auto")->Checked()) {
        hide({"WiFi_IP", "WiFi_SM", "WiFi_En_Gat", "WiFi_En_DNS"});
        row("WiFi_Name", p);
        p += Row_Pitch;
    } else {
        addresses(p);
        hide({"WiFi_Name"});
        p += 4 * Row_Pitch;
    }
    row("WiFi_Port", p);
    row("WiFi_SSID", p + Row_Pitch);
    row("WiFi_Password", p + 2 * Row_Pitch);
    hide({"WiFi_En_WPS", "WiFi_Secure_Type", "WiFi_En_DHCP", "WiFi_DHCP_IP", "WiFi_DHCP_SM", "WiFi_Lease_Time",
          "WiFi_Max_Client", "WiFi_Channel"});
    Fit_Panel(CP_WiFi, find<TControl>(*this, "E_WiFi_Password"));
}
