#include "shell/boot_form.h"

#include "platform/controls/application.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/controls/string_grid.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/messages/clock.h"
#include "platform/net/icmp_client.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/program_state.h"
#include "common/state/text_helpers.h"
#include "shell/update_job_file.h"

TFBoot* FBoot = nullptr;

namespace {

constexpr int Form_Width = 449;
constexpr unsigned Echo_Timeout_Ms = 400;
constexpr uint64_t Echo_Test_Ms = 5000;
constexpr int Good_Replies_Wanted = 2;
constexpr int Text_Missing_File = 1040;
constexpr unsigned Wait_Step_Ms = 10;

TPanel* addPanel(TForm& form, const char* name, int height) {
    auto* panel = Place_Control<TPanel>(form, &form, name, 0, 0, Form_Width, height);
    panel->BevelOuter = bvNone;
    panel->SetColor(Dialog_Background);
    panel->SetVisible(false);
    return panel;
}

TLbButton* addButton(TForm& form, TWinControl* parent, const char* name, int left, int top, int width, int height) {
    auto* button = Place_Control<TLbButton>(form, parent, name, left, top, width, height);
    Set_Window_Button_Look(*button);
    button->ShowHint = true;
    return button;
}

}  // namespace

void TFBoot::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, Form_Width, 230);

    P_IP_Address = addPanel(*this, "P_IP_Address", 49);
    L_IP_Address = Place_Control<TLabel>(*this, P_IP_Address, "L_IP_Address", 16, 4, 0, 0);
    TEdit** fields[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    const char* fieldNames[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
    const char* dotNames[] = {"L_Dot1", "L_Dot2", "L_Dot3"};
    for (int i = 0; i < 4; ++i) {
        TEdit* field = Place_Control<TEdit>(*this, P_IP_Address, fieldNames[i], 16 + 54 * i, 20, 40, 21);
        field->SetText(QStringLiteral("0"));
        field->ShowHint = true;
        field->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
        *fields[i] = field;
        if (i < 3) Place_Control<TLabel>(*this, P_IP_Address, dotNames[i], 60 + 54 * i, 24, 0, 0)->SetCaption(QStringLiteral("."));
    }

    P_Serial = addPanel(*this, "P_Serial", 51);
    L_COM_Port = Place_Control<TLabel>(*this, P_Serial, "L_COM_Port", 16, 4, 0, 0);
    L_COM_Port->SetCaption(QStringLiteral("Select the COM port for the Update"));
    CB_COM_Port = Place_Control<TComboBox>(*this, P_Serial, "CB_COM_Port", 16, 20, 120, 21);
    CB_COM_Port->SetItems({QStringLiteral("COM1")});
    CB_COM_Port->SetItemIndex(0);
    Btn_COM_List = addButton(*this, P_Serial, "Btn_COM_List", 142, 19, 24, 24);
    Btn_COM_List->SetHint(QStringLiteral("Update COM Ports List"));
    Btn_COM_List->OnClick = [this](TObject* s) { Btn_COM_ListClick(s); };

    P_Eth_Search = addPanel(*this, "P_Eth_Search", 184);
    L_List_Device = Place_Control<TLabel>(*this, P_Eth_Search, "L_List_Device", 16, 8, 0, 0);
    Btn_Search = addButton(*this, P_Eth_Search, "Btn_Search", 343, 2, 90, 26);
    ACG_List_Devices = Place_Control<TStringGrid>(*this, P_Eth_Search, "ACG_List_Devices", 16, 32, 417, 122);
    ACG_List_Devices->SetColCount(2);
    ACG_List_Devices->SetRowCount(2);
    ACG_List_Devices->SetFixedCols(0);
    ACG_List_Devices->ShowHint = true;
    CB_Find_All_KVX = Place_Control<TCheckBox>(*this, P_Eth_Search, "CB_Find_All_KVX", 16, 160, 250, 17);
    CB_Find_All_KVX->SetChecked(true);
    CB_Find_All_KVX->ShowHint = true;

    P_Options = addPanel(*this, "P_Options", 72);
    L_Update_Option = Place_Control<TLabel>(*this, P_Options, "L_Update_Option", 16, 4, 0, 0);
    CB_Update_Options = Place_Control<TComboBox>(*this, P_Options, "CB_Update_Options", 16, 20, 250, 21);
    CB_Update_Options->ShowHint = true;
    CB_Update_Option_Read_Back = Place_Control<TCheckBox>(*this, P_Options, "CB_Update_Option_Read_Back", 16, 48, 200, 17);
    CB_Update_Option_Read_Back->SetChecked(true);
    CB_Update_Option_Read_Back->ShowHint = true;

    // The frame's OK place holds the update button, which leaves the dialog open.
    Btn_Update = Btn_OK;
    Btn_OK = nullptr;
    Btn_Update->Name = QStringLiteral("Btn_Update");
    Btn_Update->SetBounds(Form_Width - 290, 7, 180, 26);
    Set_Button_Glyph(*Btn_Update, QStringLiteral("BTN_UPDATE"));
    Btn_Update->ShowHint = true;
    Btn_Update->OnClick = [this](TObject* s) { Btn_UpdateClick(s); };
    Btn_Cancel->ShowHint = true;

    Ping = new TIdIcmpClient(this);
    Ping->Name = QStringLiteral("Ping");
    Ping->ReceiveTimeout = static_cast<int>(Echo_Timeout_Ms);
    Ping->BufferSize = 1024;
    Ping->OnReply = [this](TObject* s, const TReplyStatus& r) { PingReply(s, r); };
    XML1 = new TXMLDocument(this);
    XML1->Name = QStringLiteral("XML1");

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFBoot::FormCreate(TObject*) { L_SW_Code->SetCaption(SW_Code); }

void TFBoot::Stack_Panels(std::initializer_list<TPanel*> Panels) {
    int top = P_Title->Height();
    for (TPanel* panel : Panels) {
        panel->Align = alTop;
        if (!panel->Visible()) continue;
        panel->SetBounds(0, top, Form_Width, panel->Height());
        top += panel->Height();
    }
    SetClientWidth(Form_Width);
    SetClientHeight(top + P_Button->Height());
    P_Title->SetWidth(Form_Width);
    P_Button->SetBounds(0, top, Form_Width, P_Button->Height());
}

void TFBoot::FormShow(TObject*) {
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    for (TPanel* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
        panel->SetVisible(false);
        panel->Align = alNone;
    }
    if (Form_Type == 1) {
        P_IP_Address->Show();
        P_Options->Show();
        Stack_Panels({P_IP_Address, P_Eth_Search, P_Options});
        Set_Tab_Order({P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial});
        // A stored address that does not split leaves every field as it was.
        QString parts[4];
        if (!IP_Address_Device.isEmpty() && Split_IP_Address(IP_Address_Device, parts[0], parts[1], parts[2], parts[3])) {
            TEdit* const fields[] = {E_IP1, E_IP2, E_IP3, E_IP4};
            for (int i = 0; i < 4; ++i) fields[i]->SetText(parts[i]);
        }
        Select_Choices();
        if (E_IP1->CanFocus()) E_IP1->SetFocus();
    } else if (Form_Type == 0) {
        P_Options->Show();
        P_Serial->Show();
        Stack_Panels({P_Serial, P_Options});
        Set_Tab_Order({P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search});
        Select_Choices();
        update_ComPort();
        if (CB_COM_Port->CanFocus()) CB_COM_Port->SetFocus();
    }
}

void TFBoot::Select_Choices() {
    CB_Update_Options->SetItemIndex(Update_Option);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back != 0);
}

void TFBoot::Store_Choices() {
    Update_Option = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked() ? 1 : 0;
}

QString TFBoot::Address_Text() const {
    return E_IP1->Text() + '.' + E_IP2->Text() + '.' + E_IP3->Text() + '.' + E_IP4->Text();
}

bool TFBoot::Closing() const { return !InModal() || ModalResult() != mrNone; }

void TFBoot::Set_State(TUpdateState State) {
    if (state_ == TUpdateState::Idle && State != TUpdateState::Idle) focusBeforeStep_ = ActiveControl();
    state_ = State;
    // The address and the choices stay as tested and written while a step runs.
    const bool idle = State == TUpdateState::Idle;
    for (TControl* input : std::initializer_list<TControl*>{E_IP1, E_IP2, E_IP3, E_IP4, CB_Update_Options,
                                                           CB_Update_Option_Read_Back, Btn_Update})
        input->SetEnabled(idle);
    // The native side moves the focus off a control that is disabled; it goes back to where
    // the user left it, not to Cancel, where Enter would close the dialog.
    if (idle && focusBeforeStep_) {
        if (!Closing() && focusBeforeStep_->CanFocus()) focusBeforeStep_->SetFocus();
        focusBeforeStep_ = nullptr;
    }
}

void TFBoot::Btn_UpdateClick(TObject*) {
    // One update at a time, and none from a dialog that is closed or closing.
    if (state_ != TUpdateState::Idle || Closing()) return;
    if (Form_Type == 0) {
        Store_Choices();
        return;
    }
    if (Form_Type != 1) return;
    struct BackToIdle {
        TFBoot& form;
        ~BackToIdle() { form.Set_State(TUpdateState::Idle); }
    } backToIdle{*this};
    Set_State(TUpdateState::Echo_Test);
    Run_Ethernet_Update();
}

void TFBoot::Run_Ethernet_Update() {
    // The updater cannot load a file that is not there: said before the device is bothered.
    const QStringList missing = Update_Job_Missing_Files(CB_Update_Options->ItemIndex());
    if (!missing.isEmpty()) {
        MessageDlg(Lang(Text_Missing_File) + missing.join(QStringLiteral(", ")), mtError, mbOK);
        return;
    }
    const bool answered = Send_Ping();
    // Closed while the test ran: nothing is stored, written or run.
    if (Closing()) return;
    if (!answered) {
        if (ping_res == 2) MessageDlg(Lang(1036), mtWarning, mbOK);
        else MessageDlg(Lang(1037), mtError, mbOK);
        return;
    }
    IP_Address_Device = Address_Text();
    Store_Choices();
    try {
        Compile_XML_Parameter_New_Boot();
    } catch (const Exception& e) {
        MessageDlg(e.Message, mtError, mbOK);
        return;
    }
    Set_State(TUpdateState::Updater);
    OnStartProgram(Updater_Program(), QString(), 0);
}

bool TFBoot::Send_Ping() {
    ping_res = 0;
    const uint64_t start = Clock().NowMs();
    int goodReplies = 0;
    try {
        Ping->Host = Address_Text();
        for (;;) {
            const uint64_t attempt = Clock().NowMs();
            Ping->Ping(Address_Text(), 0);
            do {
                Clock().Sleep(Wait_Step_Ms);
                Application->ProcessMessages();
                if (Closing()) return false;
            } while (ping_res == 0 && Clock().NowMs() - attempt <= Echo_Timeout_Ms);
            if (ping_res == 1 && ++goodReplies == Good_Replies_Wanted) break;
            if (Clock().NowMs() - start > Echo_Test_Ms) break;
        }
    } catch (const std::exception&) {
        // An address that is not one, or a socket that cannot be used.
        return false;
    }
    return ping_res == 1;
}

void TFBoot::PingReply(TObject*, const TReplyStatus& AReplyStatus) {
    // Only the device's own echo counts: an ICMP error from a router also carries bytes.
    ping_res = AReplyStatus.ReplyStatusType == rsEcho && AReplyStatus.BytesReceived > 0 ? 1 : 2;
}

void TFBoot::KeyPress(TObject* Sender, QChar& Key) {
    if (Key != QLatin1Char('.')) return;
    // A point never enters an address byte; it moves on to the next byte field.
    Key = QChar();
    TEdit* const fields[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    for (int i = 0; i < 3; ++i)
        if (Sender == fields[i] && fields[i + 1]->CanFocus()) fields[i + 1]->SetFocus();
}

void TFBoot::update_ComPort() {
    const QStringList ports = Get_COM_Port_List();
    CB_COM_Port->Clear();
    for (const QString& port : ports) CB_COM_Port->AddItem(QStringLiteral("COM") + port);
    CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick(TObject*) { update_ComPort(); }

QString TFBoot::Update_Options(const QString& Text) {
    const bool checked = CB_Update_Option_Read_Back->Checked();
    const QString readBack = checked ? QStringLiteral("FR ") : QStringLiteral("NO ");
    const QString program = checked ? QStringLiteral("PR ") : QStringLiteral("NO ");
    switch (CB_Update_Options->ItemIndex()) {
    case 0: return Text + "FW " + readBack + "PW " + program;
    case 1: return Text + "FW " + readBack + "NO NO ";
    case 2: return Text + "NO NO PW " + program;
    default: return Text;
    }
}

int TFBoot::Get_Type_Dev() {
    if (FileExists(File_ParGen)) {
        XML1->LoadFromFile(File_ParGen);
        XML1->DocumentElement();
    }
    return 0;
}

void TFBoot::Set_Lang() {
    if (Form_Type == 0) {
        SetCaption(Lang(1000));
        L_SW_Desc->SetCaption(Lang(1001));
    } else if (Form_Type == 1) {
        SetCaption(Lang(1002));
        L_SW_Desc->SetCaption(Lang(1003));
    }
    L_IP_Address->SetCaption(Lang(1006));
    L_List_Device->SetCaption(Lang(1009));
    Btn_Search->SetCaption(Lang(1010));
    ACG_List_Devices->SetCells(0, 0, Lang(1011));
    ACG_List_Devices->SetCells(1, 0, Lang(1012));
    CB_Find_All_KVX->SetCaption(Lang(1013));
    L_Update_Option->SetCaption(Lang(1014));
    CB_Update_Options->SetItems({Lang(1015), Lang(1016), Lang(1017)});
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Option_Read_Back->SetCaption(Lang(1018));
    Btn_Cancel->SetCaption(Lang(1019));
    Btn_Update->SetCaption(Lang(1020));
    E_IP1->SetHint(Lang(1021));
    E_IP2->SetHint(Lang(1022));
    E_IP3->SetHint(Lang(1023));
    E_IP4->SetHint(Lang(1024));
    Btn_Search->SetHint(Lang(1029));
    ACG_List_Devices->SetHint(Lang(1030));
    CB_Find_All_KVX->SetHint(Lang(1031));
    CB_Update_Options->SetHint(Lang(1032));
    CB_Update_Option_Read_Back->SetHint(Lang(1033));
    Btn_Cancel->SetHint(Lang(1034));
    Btn_Update->SetHint(Lang(1035));
}

void TFBoot::Compile_XML_Parameter_New_Boot() {
    Build_Update_Job(*XML1, Address_Text(), CB_Update_Options->ItemIndex(), CB_Update_Option_Read_Back->Checked());
    XML1->SaveToFile(Update_Job_File());
}

void TFBoot::Compile_XML_Parameter() {
    Build_Update_Job_Old(*XML1, Address_Text(), CB_Update_Options->ItemIndex(), CB_Update_Option_Read_Back->Checked());
    XML1->SaveToFile(Update_Job_File());
}
