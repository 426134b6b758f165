#pragma once

#include "platform/controls/form.h"
#include "platform/net/echo_client.h"
#include "common/state/dialog_frame.h"

#include <initializer_list>

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TCheckBox;
class TStringGrid;
class TLbButton;
class TXMLDocument;
class TIdIcmpClient;

// The device update dialog: the device's address and the update choices; its update step
// checks with echo requests that the device answers, writes the updater's job file and runs
// the updater. The serial mode and the device search panel are never shown in this build.
class TFBoot : public TForm, public TDialogFrame {
public:
    explicit TFBoot(TComponent* AOwner) : TForm(AOwner) {}

    TPanel* P_IP_Address = nullptr;
    TLabel* L_IP_Address = nullptr;
    TEdit* E_IP1 = nullptr;
    TEdit* E_IP2 = nullptr;
    TEdit* E_IP3 = nullptr;
    TEdit* E_IP4 = nullptr;
    TPanel* P_Serial = nullptr;
    TLabel* L_COM_Port = nullptr;
    TComboBox* CB_COM_Port = nullptr;
    TLbButton* Btn_COM_List = nullptr;
    TPanel* P_Eth_Search = nullptr;
    TLabel* L_List_Device = nullptr;
    TLbButton* Btn_Search = nullptr;
    TStringGrid* ACG_List_Devices = nullptr;
    TCheckBox* CB_Find_All_KVX = nullptr;
    TPanel* P_Options = nullptr;
    TLabel* L_Update_Option = nullptr;
    TComboBox* CB_Update_Options = nullptr;
    TCheckBox* CB_Update_Option_Read_Back = nullptr;
    TLbButton* Btn_Update = nullptr;
    TIdIcmpClient* Ping = nullptr;
    TXMLDocument* XML1 = nullptr;

    // Runs the updater (program, parameter text, 0 to show its window) once the job file is written.
    TEvent<void(const QString&, const QString&, uint8_t)> OnStartProgram;

    int Form_Type = 0;  // 0 serial, 1 Ethernet
    // 0 no reply yet, 1 the latest reply carried data, 2 it carried none (time-out or error).
    int ping_res = 0;
    int BACnetType = 0;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_UpdateClick(TObject* Sender);
    bool Send_Ping();
    void PingReply(TObject* Sender, const TReplyStatus& AReplyStatus);
    // The key filter of the address fields.
    void KeyPress(TObject* Sender, QChar& Key);
    void update_ComPort();
    void Btn_COM_ListClick(TObject* Sender);
    QString Update_Options(const QString& Text);
    int Get_Type_Dev();
    void Set_Lang();
    // Write the job file from the dialog's controls; Exception when it cannot be saved.
    void Compile_XML_Parameter_New_Boot();
    void Compile_XML_Parameter();

protected:
    using TForm::KeyPress;
    void Loaded() override;

private:
    // What the update step is doing; while it is not idle no second one may start.
    enum class TUpdateState { Idle, Echo_Test, Updater };

    QString Address_Text() const;
    // The dialog is not open, or its close was asked for while a step ran.
    bool Closing() const;
    void Set_State(TUpdateState State);
    void Select_Choices();
    void Store_Choices();
    void Stack_Panels(std::initializer_list<TPanel*> Panels);
    void Run_Ethernet_Update();

    TUpdateState state_ = TUpdateState::Idle;
    // The focused control when the running step began.
    TWinControl* focusBeforeStep_ = nullptr;
};

extern TFBoot* FBoot;
