#pragma once

#include "config/general/par_gen_file.h"
#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"
#include "common/state/unread_file.h"
#include "shell/par_gen_layout.h"

#include <array>
#include <map>
#include <utility>
#include <vector>

class TCategoryPanel;
class TCategoryPanelGroup;
class TCheckBox;
class TEdit;
class TLabel;
class TRichEdit;
class TXMLDocument;

// The general communication parameters of the gateway, kept in the configuration's
// ParGen.xml: one collapsible panel per protocol of the device family, of which this build
// shows PROFINET Master, IEC61850 Server and TLS Server.
class TFParGen : public TForm, public TDialogFrame {
public:
    explicit TFParGen(TComponent* AOwner) : TForm(AOwner) {}

    TCategoryPanelGroup* CPG = nullptr;
    TXMLDocument* XML1 = nullptr;

    TCategoryPanel* CP_PROFINET_Master = nullptr;
    TLabel* L_PROFINET_Master_IP = nullptr;
    TEdit* E_PROFINET_Master_IP1 = nullptr;
    TEdit* E_PROFINET_Master_IP2 = nullptr;
    TEdit* E_PROFINET_Master_IP3 = nullptr;
    TEdit* E_PROFINET_Master_IP4 = nullptr;
    TLabel* L_PROFINET_Master_SM = nullptr;
    TEdit* E_PROFINET_Master_SM1 = nullptr;
    TEdit* E_PROFINET_Master_SM2 = nullptr;
    TEdit* E_PROFINET_Master_SM3 = nullptr;
    TEdit* E_PROFINET_Master_SM4 = nullptr;
    TCheckBox* CB_PROFINET_Master_GAT = nullptr;
    TEdit* E_PROFINET_Master_GAT1 = nullptr;
    TEdit* E_PROFINET_Master_GAT2 = nullptr;
    TEdit* E_PROFINET_Master_GAT3 = nullptr;
    TEdit* E_PROFINET_Master_GAT4 = nullptr;
    TLabel* L_PROFINET_Master_NameStation = nullptr;
    TEdit* E_PROFINET_Master_NameStation = nullptr;

    TCategoryPanel* CP_IEC61850_Server = nullptr;
    TLabel* L_IEC61850_Server_Port = nullptr;
    TEdit* E_IEC61850_Server_Port = nullptr;
    TLabel* L_IEC61850_Server_Password = nullptr;
    TEdit* E_IEC61850_Server_Password = nullptr;

    TCategoryPanel* CP_TLS_Server = nullptr;
    TCheckBox* CB_TLS_Server_Enable = nullptr;
    TLabel* L_TLS_Server_Key = nullptr;
    TRichEdit* E_TLS_Server_Key = nullptr;
    TLabel* L_TLS_Server_Key_Pass = nullptr;
    TEdit* E_TLS_Server_Key_Pass = nullptr;
    TLabel* L_TLS_Server_Server_Cert = nullptr;
    TRichEdit* E_TLS_Server_Server_Cert = nullptr;
    TLabel* L_TLS_Server_Root_Cert = nullptr;
    TRichEdit* E_TLS_Server_Root_Cert = nullptr;
    TCheckBox* CB_TLS_Server_En_Known_Cert = nullptr;

    // The panels of the family's other devices; this build keeps them hidden.
    TCategoryPanel* CP_Modbus_TCP_Slave = nullptr;
    TCategoryPanel* CP_Modbus_Slave = nullptr;
    TCategoryPanel* CP_Ethernet = nullptr;
    TCategoryPanel* CP_EtherNetIP = nullptr;
    TCategoryPanel* CP_PROFIBUS = nullptr;
    TCategoryPanel* CP_SNMP_Agent = nullptr;
    TCategoryPanel* CP_MQTT = nullptr;
    TCategoryPanel* CP_WiFi = nullptr;
    TCategoryPanel* CP_TLS = nullptr;
    TCategoryPanel* CP_NTP = nullptr;
    TCategoryPanel* CP_BACnet_Slave = nullptr;
    TCategoryPanel* CP_CAN = nullptr;

    // True once a field or check box was edited since the form was loaded.
    bool Is_Change = false;
    // The file when it could not be read: kept beside it before OK saves over it.
    TUnread_File Unread;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    bool Controllo_Dati();
    // The key filter of the dotted-address fields.
    void KeyPress(TObject* Sender, QChar& Key);
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    void FormResize(TObject* Sender);
    void Set_Lang();

    // Shows, numbers and stacks the build's panels; once, when the form is created.
    void Order_TAB_Panels();
    // Sets each shown panel's height and the rows that follow their check boxes.
    void Move_GroupBoxs();
    // The same for any device of the family; the build calls them for its own alone.
    void Order_TAB_Panels_Of(TDevice_Variant Variant);
    void RePosition_Objects_Of(TDevice_Variant Variant);
    void RePosition_Object(TParGen_Panel Which);
    TCategoryPanel* Panel(TParGen_Panel Which) const;

protected:
    using TForm::KeyPress;
    void Loaded() override;

private:
    // The dotted-address fields in the order "." moves through them.
    std::array<TEdit*, 12> Address_Fields() const;
    // The control of each element of ParGen.xml, in the elements' order.
    std::array<TControl*, ParGen_Item_Count> Element_Controls() const;
    // The file's values; every default when there is no file or it cannot be read.
    TParGen_Values Load_File();
    void Save_File();
    bool Check_Failed(int TextId);

    void Build_Panels();
    void Build_PROFINET_Master();
    void Build_IEC61850_Server();
    void Build_TLS_Server();
    // The rows of the family's panels whose rows stay where the design puts them.
    void Build_Other_Panels();
    void Set_Lang_Other_Panels();

    void RePosition_Object_TLS_Server();
    void RePosition_Object_Ethernet();
    void RePosition_Object_MQTT();
    void RePosition_Object_TLS();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_SNMP_Agent();
    void RePosition_Object_WiFi();
    // A row of the other devices' panels by its name: shown with its label (or leading check
    // box) at Top, its fields and points where they stand beside it; or hidden.
    void Show_Row(const QString& Row, int Top);
    void Show_Row(const QString& Row);
    void Hide_Row(const QString& Row);
    // A panel as high as its header and its rows down to the last visible one, with a margin.
    void Fit_Panel(TCategoryPanel* Target, int LastTop, int LastHeight);
    void Fit_Panel(TCategoryPanel* Target, const TControl* Last);
    // The check boxes and combo boxes whose changes lay the panels out again.
    bool Is_Layout_Sender(const TObject* Sender) const;

    // What Set_Lang gives the controls of the other devices' panels: texts from First on,
    // each a caption, a hint, or Count items that refill a list, whose first is then chosen.
    enum TText_Use { tuCaption, tuHint, tuItems };
    struct TText_Target {
        TControl* Control;
        TText_Use Use;
        int Count = 1;
    };
    struct TOther_Texts {
        int First = 0;
        std::vector<TText_Target> Targets;
    };
    std::array<TOther_Texts, ParGen_Panel_Count> otherTexts_{};
    // The lowest control of each fixed-row panel.
    std::array<TControl*, ParGen_Panel_Count> otherLast_{};
    // The controls of each named row with their offsets from the row's top.
    std::map<QString, std::vector<std::pair<TControl*, int>>> rows_;
};

extern TFParGen* FParGen;
