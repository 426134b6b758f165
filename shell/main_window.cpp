#include "shell/main_window.h"

#include "config/banks/bank_files.h"
#include "config/network/master_access_form.h"
#include "config/network/modules_def_form.h"
#include "config/network/network_access_form.h"
#include "config/server/iec61850_variables_form.h"
#include "config/server/tls_known_cert_form.h"
#include "platform/controls/application.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/link_label.h"
#include "platform/controls/shape.h"
#include "platform/controls/shell_execute.h"
#include "platform/controls/timer.h"
#include "platform/core/exception.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/messages/clock.h"
#include "platform/net/http_client.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"
#include "platform/system/process.h"
#include "platform/system/regional.h"
#include "platform/system/resources.h"
#include "platform/xml/xml_document.h"
#include "profinet/catalog/catalog.h"
#include "profinet/catalog/catalog_form.h"
#include "profinet/catalog/catalog_loader.h"
#include "shell/about_form.h"
#include "shell/boot_form.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/dialog_frame.h"
#include "common/state/language.h"
#include "shell/new_project_form.h"
#include "shell/open_conf_form.h"
#include "shell/par_gen_form.h"
#include "common/state/program_state.h"
#include "common/state/settings.h"
#include "shell/soft_options_form.h"
#include "shell/version_check.h"
#include "tables/bacnet_eng_unit_form.h"
#include "tables/bacnet_slave_set_access_form.h"
#include "tables/exports.h"
#include "tables/mqtt_set_topic_form.h"
#include "tables/receive_can_form.h"
#include "tables/snmp_trap_form.h"
#include "tables/topic_template_form.h"
#include "tables/transmit_can_form.h"

TFLoomwrighteFirmWare* FLoomwrighteFirmWare = nullptr;

namespace {

// Set while the update step runs (its dialog, echo test and updater): no step may start
// meanwhile, least of all a second update rewriting the banks the updater is loading.
bool Update_Running = false;

constexpr uint64_t Updater_Wait_Ms = 150000;
constexpr unsigned Updater_Poll_Ms = 10;

TLabel* addLabel(TForm& form, const char* name, const QString& caption = {}) {
    auto* label = new TLabel(&form);
    label->Name = QString::fromLatin1(name);
    label->SetParent(&form);
    label->SetCaption(caption);
    return label;
}

TLbButton* addButton(TForm& form, const char* name, int width, int height) {
    auto* button = new TLbButton(&form);
    button->Name = QString::fromLatin1(name);
    button->SetParent(&form);
    button->SetBounds(0, 0, width, height);
    button->ShowHint = true;
    Set_Window_Button_Look(*button);
    return button;
}

void setStepLabel(TLabel* label, int top) {
    label->SetLeft(16);
    label->SetTop(top);
    label->Font().SetColor(clGray);
    label->Font().SetStyle(fsBold);
}

}  // namespace

TFLoomwrighteFirmWare::TFLoomwrighteFirmWare(TComponent* AOwner) : TForm(AOwner) {}

TFLoomwrighteFirmWare::~TFLoomwrighteFirmWare() {
    // Ending the loader stops it at its next file and waits for it while the loading picture
    // it hides still exists; the catalog it fills goes only after it.
    catalogLoader_.reset();
    delete PROFINET_Catalog_Obj;
    PROFINET_Catalog_Obj = nullptr;
}

void TFLoomwrighteFirmWare::Loaded() {
    Set_Window_Look(*this, 694, 484);
    Build_Controls();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

void TFLoomwrighteFirmWare::Build_Controls() {
    L_SW_Code = addLabel(*this, "L_SW_Code");
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = addLabel(*this, "L_SW_Desc");
    L_SW_Desc->Font().SetColor(clGray);
    L_SW_Desc->Font().SetStyle(fsBold);

    Shape2 = new TShape(this);
    Shape2->Name = "Shape2";
    Shape2->SetParent(this);
    Shape2->SetBounds(80, 70, 420, 36);
    Shape2->Pen.Color = clSilver;
    Shape2->Brush.Color = clWhite;
    L_Name_Conf = addLabel(*this, "L_Name_Conf");
    L_Name_Conf_L2 = addLabel(*this, "L_Name_Conf_L2");
    L_Name_Conf_L2->Font().SetStyle(fsBold);

    L_Begin = addLabel(*this, "L_Begin");
    TLabel** steps[] = {&L_Step_1, &L_Step_2, &L_Step_3, &L_Step_4, &L_Step_5, &L_Step_6, &L_Step_7, &L_Step_8};
    for (int i = 0; i < 8; ++i) *steps[i] = addLabel(*this, QString("L_Step_%1").arg(i + 1).toLatin1().constData());

    Shape1 = new TShape(this);
    Shape1->Name = "Shape1";
    Shape1->SetParent(this);
    Shape1->Pen.Color = clSilver;

    L_Korvex = addLabel(*this, "L_Korvex", QString(Maker_Web_Site).remove("http://"));
    L_Korvex->SetCursor(crHandPoint);
    L_Korvex->Font().SetColor(clNavy);
    L_Korvex->Font().SetStyle(fsUnderline);
    L_Korvex->OnClick = [this](TObject* s) { L_KorvexClick(s); };

    ILoadCat = new TImage(this);
    ILoadCat->Name = "ILoadCat";
    ILoadCat->SetParent(this);
    ILoadCat->SetBounds(525, 72, 32, 32);
    ILoadCat->Transparent = true;
    ILoadCat->Picture().LoadFromData(LoadResourceData("loading.gif"));
    LLoadCat = addLabel(*this, "LLoadCat", "Loading Catalog...");
    LLoadCat->SetLeft(564);
    LLoadCat->SetTop(81);

    LL_Update = new TLinkLabel(this);
    LL_Update->Name = "LL_Update";
    LL_Update->SetParent(this);
    LL_Update->SetLeft(208);
    LL_Update->SetTop(19);
    LL_Update->SetVisible(false);
    LL_Update->OnLinkClick = [this](TObject* s, const QString& link, TSysLinkType type) {
        LL_UpdateLinkClick(s, link, type);
    };

    Btn_Info = addButton(*this, "Btn_Info", 50, 50);
    Btn_Opz = addButton(*this, "Btn_Opz", 50, 50);
    Btn_Close = addButton(*this, "Btn_Close", 50, 50);
    Set_Button_Glyph(*Btn_Info, "BTN_INFO");
    Set_Button_Glyph(*Btn_Opz, "BTN_OPTIONS");
    Set_Button_Glyph(*Btn_Close, "BTN_CLOSE");
    struct Step {
        TLbButton** button;
        const char* name;
        const char* glyph;  // none for the other builds' steps, which stay hidden
    };
    const Step stepButtons[] = {
        {&Btn_New, "Btn_New", "BTN_NEW"},
        {&Btn_Open, "Btn_Open", "BTN_OPEN"},
        {&Btn_Prm_Gen, "Btn_Prm_Gen", "BTN_PARAMETERS"},
        {&Btn_PROFINET_Master_Access, "Btn_PROFINET_Master_Access", "BTN_NETWORK"},
        {&Btn_IEC61850_Access, "Btn_IEC61850_Access", "BTN_VARIABLES"},
        {&Btn_TLS_List_Certificates, "Btn_TLS_List_Certificates", "BTN_CERTIFICATES"},
        {&Btn_CreateBin, "Btn_CreateBin", "BTN_UPDATE"},
        {&Btn_PROFIBUS_GSD, "Btn_PROFIBUS_GSD", nullptr},
        {&Btn_SNMP_Trap, "Btn_SNMP_Trap", nullptr},
        {&Btn_SNMP_MIB, "Btn_SNMP_MIB", nullptr},
        {&Btn_MQTT_Set_Topic, "Btn_MQTT_Set_Topic", nullptr},
        {&Btn_BACnet_SetAccess, "Btn_BACnet_SetAccess", nullptr},
        {&Btn_BACnet_EDE_File, "Btn_BACnet_EDE_File", nullptr},
        {&Btn_CAN_Rec_Frame, "Btn_CAN_Rec_Frame", nullptr},
        {&Btn_CAN_Send_Frame, "Btn_CAN_Send_Frame", nullptr},
    };
    for (const Step& s : stepButtons) {
        *s.button = addButton(*this, s.name, 170, 36);
        (*s.button)->SetAlignment(taLeftJustify);
        if (s.glyph) Set_Button_Glyph(**s.button, s.glyph);
    }
    Btn_PROFIBUS_GSD->SetCaption("PROFIBUS GSD");
    for (TLbButton* b : {Btn_Info, Btn_Opz, Btn_Close})
        b->OnClick = [this](TObject* s) { Btn_Click(s); };
    for (const Step& s : stepButtons) (*s.button)->OnClick = [this](TObject* sender) { Btn_Click(sender); };

    Timer_Update = new TTimer(this);
    Timer_Update->Name = "Timer_Update";
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(60000);
    Timer_Update->OnTimer = [this](TObject* s) { Timer_UpdateTimer(s); };

    HTTP1 = new THTTP(this);
    HTTP1->Name = "HTTP1";
    Set_Up_Version_Client(*HTTP1);

    XML1 = new TXMLDocument(this);
    XML1->Name = "XML1";

    SD1 = new TSaveDialog(this);
    SD1->Name = "SD1";
    SD1->Filter = "CSV (MS-DOS) (*.csv)|*.csv";
    SaveMIB = new TSaveDialog(this);
    SaveMIB->Name = "SaveMIB";
    SaveMIB->Filter = "Management Information Base (*.mib)|*.mib";
    SaveMIB->DefaultExt = "*.mib";
}

// The QX372 steps; the other builds' buttons stay hidden for the whole run.
void TFLoomwrighteFirmWare::Layout_Steps() {
    L_SW_Code->SetLeft(16);
    L_SW_Code->SetTop(8);
    L_SW_Desc->SetLeft(16);
    L_SW_Desc->SetTop(42);
    Btn_Info->SetLeft(516);
    Btn_Info->SetTop(8);
    Btn_Opz->SetLeft(574);
    Btn_Opz->SetTop(8);
    Btn_Close->SetLeft(632);
    Btn_Close->SetTop(8);

    L_Begin->SetLeft(16);
    L_Begin->SetTop(84);
    L_Begin->Font().SetColor(clGray);
    L_Begin->Font().SetStyle(fsBold);
    Shape2->SetLeft(80);
    Shape2->SetTop(70);
    L_Name_Conf->SetLeft(87);
    L_Name_Conf->SetTop(75);
    L_Name_Conf_L2->SetLeft(87);
    L_Name_Conf_L2->SetTop(88);

    TLabel* stepLabels[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
    for (int i = 0; i < 8; ++i) setStepLabel(stepLabels[i], 128 + 44 * i);
    L_Step_7->SetVisible(false);
    L_Step_8->SetVisible(false);

    Btn_New->SetLeft(80);
    Btn_New->SetTop(112);
    Btn_Open->SetLeft(258);
    Btn_Open->SetTop(112);
    TLbButton* column[] = {Btn_Prm_Gen, Btn_PROFINET_Master_Access, Btn_IEC61850_Access, Btn_TLS_List_Certificates,
                           Btn_CreateBin};
    for (int i = 0; i < 5; ++i) {
        column[i]->SetLeft(80);
        column[i]->SetTop(156 + 44 * i);
    }
    for (TLbButton* hidden : {Btn_PROFIBUS_GSD, Btn_SNMP_Trap, Btn_SNMP_MIB, Btn_MQTT_Set_Topic, Btn_BACnet_SetAccess,
                              Btn_BACnet_EDE_File, Btn_CAN_Rec_Frame, Btn_CAN_Send_Frame})
        hidden->SetVisible(false);

    L_Korvex->SetLeft(565);
    L_Korvex->SetTop(L_Step_6->Top());
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientWidth(694);
    SetClientHeight(Btn_CreateBin->Top() + 152);
}

void TFLoomwrighteFirmWare::FormCreate(TObject*) {
    Lang_List.clear();
    Layout_Steps();

    Exe_Dir = ExcludeTrailingPathDelimiter(ProgramFolder());
    const struct {
        QString* dir;
        const char* name;
    } folders[] = {{&Master_Dir, "MASTER"}, {&Projects_Dir, "PROJECTS"}, {&Language_Dir, "LANGUAGE"},
                   {&Catalog_Dir, "PROFINET_Catalog"}};
    for (const auto& f : folders) {
        *f.dir = Exe_Dir + PathDelim + QString::fromLatin1(f.name);
        // A folder that cannot be made shows up when a file in it is used.
        if (!DirectoryExists(*f.dir)) ForceDirectories(*f.dir);
    }

    Project_Name.clear();
    Update_Read_Back = 1;
    Read_Settings(*XML1);
    Timer_Update->SetEnabled(Enable_Internet && Enable_Update);

    Main_Form_Title = QStringLiteral("Korvexline - Configurator SWQX372 - IEC61850 Server / PROFINET Master ");
    SW_Code = Build_SW_Code;
    SW_Desc = Build_SW_Desc;
    SetCaption(Main_Form_Title);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);

    Load_Language();

    const QString lastFolder = Projects_Dir + PathDelim + Project_Name;
    // The settings file is the user's to edit: a name that leaves PROJECTS opens nothing.
    if (!Project_Name.isEmpty() && Is_Safe_Configuration_Name(Project_Name) && DirectoryExists(lastFolder)) {
        Project_Path = lastFolder;
    } else {
        Project_Name.clear();
        Project_Path.clear();
    }
    Show_Configuration_State();

    Set_Lang();
    Set_Files();
    // A save that was killed left its temporary file beside the file it was replacing.
    TAtomic_File::Remove_Stale(Settings_File());
    for (const QString& file : Project_Files())
        if (!file.isEmpty()) TAtomic_File::Remove_Stale(file);

    Row_Clipboard.clear();
    Row_Clipboard_Is_Check.clear();
    SNMP_Read_List.clear();
    SNMP_Write_List.clear();

    delete PROFINET_Catalog_Obj;
    PROFINET_Catalog_Obj = new TPROFINET_Catalog;
}

void TFLoomwrighteFirmWare::Show_Configuration_State() {
    if (!Project_Name.isEmpty()) {
        L_Name_Conf->SetCaption(Lang(11));
        L_Name_Conf_L2->SetCaption(Project_Name);
    } else {
        L_Name_Conf->SetCaption(Lang(9));
        L_Name_Conf_L2->SetCaption(Lang(10));
    }
}

void TFLoomwrighteFirmWare::FormShow(TObject*) {
    // One loader for the run, filling the catalog that FormCreate made.
    if (catalogLoader_) return;
    catalogLoader_ = std::make_unique<TPROFINETCatLoad>(false, ILoadCat, LLoadCat);
}

void TFLoomwrighteFirmWare::WaitForCatalog() {
    if (catalogLoader_) catalogLoader_->WaitFor();
}

void TFLoomwrighteFirmWare::WaitForVersionCheck() {
    if (versionCheck_) versionCheck_->WaitFor();
}

void TFLoomwrighteFirmWare::FormClose(TObject*, TCloseAction&) {
    // A settings file that cannot be written must not keep the program from closing.
    try {
        Save_Setting();
    } catch (const Exception& e) {
        MessageDlg(e.Message, mtError, mbOK);
    }
}

void TFLoomwrighteFirmWare::Btn_Click(TObject* Sender) {
    if (Update_Running) return;
    if (Sender == Btn_New) return Create_New_Project();
    if (Sender == Btn_Open) return Open_Project();
    if (Sender == Btn_Close) return Close();
    if (Sender == Btn_Info) {
        FAbout->ShowModal();
        return;
    }
    if (Sender == Btn_Opz) {
        if (FSoftOptions->ShowModal() == mrOk) {
            Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
            try {
                Save_Setting();
            } catch (const Exception& e) {
                MessageDlg(e.Message, mtError, mbOK);
            }
        }
        return;
    }
    if (Project_Path.isEmpty()) {
        MessageDlg(Lang(18), mtError, mbOK);
        return;
    }
    if (Sender == Btn_Prm_Gen) {
        FParGen->ShowModal();
    } else if (Sender == Btn_PROFINET_Master_Access) {
        if (ILoadCat->Visible()) MessageDlg(Lang(27), mtInformation, mbOK);
        else FPROFINET_Network_Access->ShowModal();
    } else if (Sender == Btn_PROFIBUS_GSD) {
        Create_GSD_File();
    } else if (Sender == Btn_SNMP_Trap) {
        FSNMP_Trap_Access->ShowModal();
    } else if (Sender == Btn_SNMP_MIB) {
        Create_MIB_File(*SaveMIB);
    } else if (Sender == Btn_MQTT_Set_Topic) {
        FMQTT_Set_Topic->ShowModal();
    } else if (Sender == Btn_BACnet_SetAccess) {
        FBACnetSlaveSetAccess->ShowModal();
    } else if (Sender == Btn_CAN_Rec_Frame) {
        FReceiveCAN->ShowModal();
    } else if (Sender == Btn_CAN_Send_Frame) {
        FTransmitCAN->ShowModal();
    } else if (Sender == Btn_TLS_List_Certificates) {
        FTLS_Server_Known_Cert->ShowModal();
    } else if (Sender == Btn_IEC61850_Access) {
        FIEC61850_Variables->ShowModal();
    } else if (Sender == Btn_BACnet_EDE_File) {
        BACnet_EDE_File();
    } else if (Sender == Btn_CreateBin) {
        Update_Device();
    }
}

void TFLoomwrighteFirmWare::Set_Lang() {
    L_Begin->SetCaption(Lang(0));
    TLabel* stepLabels[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
    for (int i = 0; i < 8; ++i) stepLabels[i]->SetCaption(Lang(1 + i));
    Btn_Info->SetHint(Lang(12));
    Btn_Opz->SetHint(Lang(13));
    Btn_Close->SetHint(Lang(14));
    Btn_New->SetCaption(Lang(15));
    Btn_Open->SetCaption(Lang(16));
    Btn_CreateBin->SetCaption(Lang(17));
    Btn_Prm_Gen->SetCaption(Lang(20));
    Btn_PROFINET_Master_Access->SetCaption(Lang(21));
    Show_Configuration_State();
    Btn_New->SetHint(Lang(22));
    Btn_Open->SetHint(Lang(23));
    Btn_Prm_Gen->SetHint(Lang(24));
    Btn_PROFINET_Master_Access->SetHint(Lang(25));
    Btn_CreateBin->SetHint(Lang(26));
    Btn_SNMP_Trap->SetCaption(Lang(28));
    Btn_SNMP_Trap->SetHint(Lang(29));
    Btn_SNMP_MIB->SetCaption(Lang(30));
    Btn_SNMP_MIB->SetHint(Lang(31));
    Btn_MQTT_Set_Topic->SetCaption(Lang(32));
    Btn_MQTT_Set_Topic->SetHint(Lang(33));
    Btn_BACnet_SetAccess->SetCaption(Lang(34));
    Btn_BACnet_SetAccess->SetHint(Lang(35));
    Btn_BACnet_EDE_File->SetCaption(Lang(36));
    Btn_BACnet_EDE_File->SetHint(Lang(37));
    Btn_CAN_Rec_Frame->SetCaption(Lang(38));
    Btn_CAN_Send_Frame->SetCaption(Lang(39));
    Btn_CAN_Rec_Frame->SetHint(Lang(40));
    Btn_CAN_Send_Frame->SetHint(Lang(41));
    Btn_IEC61850_Access->SetCaption(Lang(46));
    Btn_IEC61850_Access->SetHint(Lang(47));
    Btn_TLS_List_Certificates->SetCaption(Lang(48));
    Btn_TLS_List_Certificates->SetHint(Lang(49));
}

void TFLoomwrighteFirmWare::Change_Language() {
    Set_Lang();
    // Creation order, but for the BACnet access window ahead of the unit picker.
    FNew_Project->Set_Lang();
    FOpenConf->Set_Lang();
    FSoftOptions->Set_Lang();
    FBoot->Set_Lang();
    FParGen->Set_Lang();
    FPROFINET_Master_Access->Set_Lang();
    FPROFINETCatalog->Set_Lang();
    FPROFINET_Network_Access->Set_Lang();
    FPROFINET_Modules_Def->Set_Lang();
    FSNMP_Trap_Access->Set_Lang();
    FMQTT_Set_Topic->Set_Lang();
    FTopicTemplate->Set_Lang();
    FBACnetSlaveSetAccess->Set_Lang();
    FBACnet_Eng_Unit->Set_Lang();
    FReceiveCAN->Set_Lang();
    FTransmitCAN->Set_Lang();
    FIEC61850_Variables->Set_Lang();
    FTLS_Server_Known_Cert->Set_Lang();
}

void TFLoomwrighteFirmWare::Set_Files() { Set_Project_Files(); }

void TFLoomwrighteFirmWare::Open_Project() {
    if (FOpenConf->ShowModal() != mrOk) return;
    Project_Name = FOpenConf->Name_Conf;
    Project_Path = Project_Name.isEmpty() ? QString() : Projects_Dir + PathDelim + Project_Name;
    Show_Configuration_State();
    Set_Files();
}

void TFLoomwrighteFirmWare::Create_New_Project() {
    // The dialog has set the state and the file paths when it returns OK.
    if (FNew_Project->ShowModal() != mrOk) return;
    Show_Configuration_State();
}

void TFLoomwrighteFirmWare::Save_Setting() { Write_Settings(*XML1); }

// The first tick comes a minute after the timer is first switched on, every later one two
// hours after the previous.
void TFLoomwrighteFirmWare::Timer_UpdateTimer(TObject*) {
    Timer_Update->SetEnabled(false);
    // The answer comes later, on a thread of its own: the windows go on meanwhile.
    versionCheck_ = std::make_unique<TVersion_Check_Thread>(*HTTP1, [this](bool newer) { Show_Version_Check(newer); });
}

void TFLoomwrighteFirmWare::Show_Version_Check(bool Newer) {
    if (Newer) {
        LL_Update->SetCaption(Update_Link_Caption(Lang(19)));
        LL_Update->Show();
    } else {
        LL_Update->Hide();
    }
    Timer_Update->SetInterval(7200000);
    Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
}

void TFLoomwrighteFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link, TSysLinkType) { ShellOpenUrl(Link); }

void TFLoomwrighteFirmWare::Update_Device() {
    if (Update_Running) return;
    struct Running {
        Running() { Update_Running = true; }
        ~Running() { Update_Running = false; }
    } running;
    Create_Bin(*XML1);
    if (!Save_Bin()) return;
    FBoot->Form_Type = 1;
    FBoot->ShowModal();
}

// A missing updater, one that does not start and one that ends with an error are reported,
// and the windows keep answering while it runs; the steps refuse to start anything meanwhile.
void TFLoomwrighteFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, uint8_t tipo) {
    const auto notStarted = [&] { MessageDlg(Lang(1038) + NomeSW, mtError, mbOK); };
    if (!FileExists(NomeSW)) return notStarted();
    std::unique_ptr<TProcess> program;
    try {
        program = ProcessRunner().Start(NomeSW, Parameter, tipo != 0);
    } catch (const Exception&) {
        return notStarted();
    }
    const uint64_t start = Clock().NowMs();
    while (!program->Ended()) {
        // A program still running after the bound is left to itself.
        if (Clock().NowMs() - start >= Updater_Wait_Ms) return;
        program->Wait(Updater_Poll_Ms);
        Application->ProcessMessages();
    }
    if (program->ExitCode() != 0) MessageDlg(Lang(1039) + QString::number(program->ExitCode()), mtError, mbOK);
}

void TFLoomwrighteFirmWare::BACnet_EDE_File() {
    SD1->InitialDir = Project_Path;
    if (!SD1->Execute()) return;
    QString fileName = SD1->FileName;
    if (!fileName.endsWith(".CSV", Qt::CaseInsensitive)) fileName += ".csv";
    if (FileExists(fileName) &&
        MessageDlg(QStringLiteral("The file already exists. Overwrite it?"), mtConfirmation, mbYes | mbNo | mbCancel) !=
            mrYes)
        return;
    Create_EDE_File(fileName);
}

int TFLoomwrighteFirmWare::Get_Type_BACnet() {
    if (!FileExists(File_ParGen)) return 0;
    try {
        XML1->SetActive(true);
        XML1->LoadFromFile(File_ParGen);
        const IXMLNode node = XML1->DocumentElement().ChildNodes().FindNode("BACnet_Type");
        int value = 0;
        return node && TryStrToInt(node.Text(), value) ? value : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

void TFLoomwrighteFirmWare::L_KorvexClick(TObject*) {
    ShellOpenUrl(Maker_Web_Site + QStringLiteral("/HOME/default.asp?frompg=") + Build_SW_Code);
}
