#pragma once

#include "platform/controls/form.h"
#include "platform/controls/link_label.h"

#include "shell/version_check.h"

#include <memory>

class TLabel;
class TLinkLabel;
class TShape;
class TImage;
class TTimer;
class TLbButton;
class TXMLDocument;
class TSaveDialog;
class TPROFINETCatLoad;
class THTTP;

// The main window: the numbered steps of this build, the program folders, settings and
// texts, the open configuration, and the catalog loaded behind the loading picture.
class TFLoomwrighteFirmWare : public TForm {
public:
    explicit TFLoomwrighteFirmWare(TComponent* AOwner);
    ~TFLoomwrighteFirmWare() override;

    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TShape* Shape2 = nullptr;
    TLabel* L_Name_Conf = nullptr;
    TLabel* L_Name_Conf_L2 = nullptr;
    TLabel* L_Begin = nullptr;
    TLabel* L_Step_1 = nullptr;
    TLabel* L_Step_2 = nullptr;
    TLabel* L_Step_3 = nullptr;
    TLabel* L_Step_4 = nullptr;
    TLabel* L_Step_5 = nullptr;
    TLabel* L_Step_6 = nullptr;
    TLabel* L_Step_7 = nullptr;
    TLabel* L_Step_8 = nullptr;
    TShape* Shape1 = nullptr;
    TLabel* L_Korvex = nullptr;
    TImage* ILoadCat = nullptr;
    TLabel* LLoadCat = nullptr;
    TLinkLabel* LL_Update = nullptr;

    TLbButton* Btn_Info = nullptr;
    TLbButton* Btn_Opz = nullptr;
    TLbButton* Btn_Close = nullptr;
    TLbButton* Btn_New = nullptr;
    TLbButton* Btn_Open = nullptr;
    TLbButton* Btn_Prm_Gen = nullptr;
    TLbButton* Btn_PROFINET_Master_Access = nullptr;
    TLbButton* Btn_IEC61850_Access = nullptr;
    TLbButton* Btn_TLS_List_Certificates = nullptr;
    TLbButton* Btn_CreateBin = nullptr;
    TLbButton* Btn_PROFIBUS_GSD = nullptr;
    TLbButton* Btn_SNMP_Trap = nullptr;
    TLbButton* Btn_SNMP_MIB = nullptr;
    TLbButton* Btn_MQTT_Set_Topic = nullptr;
    TLbButton* Btn_BACnet_SetAccess = nullptr;
    TLbButton* Btn_BACnet_EDE_File = nullptr;
    TLbButton* Btn_CAN_Rec_Frame = nullptr;
    TLbButton* Btn_CAN_Send_Frame = nullptr;

    TTimer* Timer_Update = nullptr;
    THTTP* HTTP1 = nullptr;
    TXMLDocument* XML1 = nullptr;
    TSaveDialog* SD1 = nullptr;
    TSaveDialog* SaveMIB = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Btn_Click(TObject* Sender);
    void Set_Lang();
    void Change_Language();
    void Set_Files();
    void Open_Project();
    void Create_New_Project();
    void Save_Setting();
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const QString& Link, TSysLinkType LinkType);
    void Update_Device();
    // Runs the program file NomeSW with its parameter text (tipo 0: its window shown, else
    // hidden) and waits for it to end, at most 150 s, keeping the program responsive; a program
    // that is missing, does not start or ends with an error code is reported.
    void Start_Program(const QString& NomeSW, const QString& Parameter, uint8_t tipo);
    void BACnet_EDE_File();
    int Get_Type_BACnet();
    void L_KorvexClick(TObject* Sender);

    // Waits for the catalog loader, when one was started, to finish.
    void WaitForCatalog();
    // Waits for the timer's version check, when one runs, and its result.
    void WaitForVersionCheck();

protected:
    void Loaded() override;

private:
    void Build_Controls();
    void Layout_Steps();
    void Show_Configuration_State();

    // The timer's result of a version check, on the GUI thread.
    void Show_Version_Check(bool Newer);

    std::unique_ptr<TPROFINETCatLoad> catalogLoader_;
    std::unique_ptr<TVersion_Check_Thread> versionCheck_;
};

extern TFLoomwrighteFirmWare* FLoomwrighteFirmWare;
