#include "shell/soft_options_form.h"

#include "platform/controls/check_box.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/page_control.h"
#include "platform/controls/panel.h"
#include "platform/controls/shell_execute.h"
#include "platform/controls/timer.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/language.h"
#include "common/state/program_state.h"
#include "shell/version_check.h"

#include <algorithm>

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner) {}

// A check still waiting for its server ends before the window goes.
TFSoftOptions::~TFSoftOptions() = default;

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr int Client_Width = 509;
constexpr int Client_Height = 373;
constexpr int Slot_Tops[] = {40, 94, 148};
constexpr int Slot_Lefts[] = {24, 252};
constexpr int Flag_Size = 48;

// Language files may carry no attribute but these; read-only ones, for example, are left out.
constexpr uint32_t faSparseFile = 0x200;
constexpr uint32_t faNotContentIndexed = 0x2000;
constexpr uint32_t Allowed_Language_Attributes =
    faHidden | faSysFile | faArchive | faNormal | faSparseFile | faNotContentIndexed;

TLbButton* addButton(TForm& form, TWinControl* parent, const char* name, int left, int top, int width) {
    auto* button = Place_Control<TLbButton>(form, parent, name, left, top, width, 26);
    Set_Window_Button_Look(*button);
    return button;
}

TCheckBox* addCheckBox(TForm& form, TWinControl* parent, const char* name, int left, int top) {
    return Place_Control<TCheckBox>(form, parent, name, left, top, 460 - left, 17);
}

}  // namespace

void TFSoftOptions::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, Client_Width, Client_Height);
    const int top = P_Title->Height() + 4;
    PC_Options = Place_Control<TPageControl>(*this, this, "PC_Options", 8, top, Client_Width - 16,
                                             P_Button->Top() - top - 4);
    const auto addSheet = [this](const char* name) {
        auto* sheet = new TTabSheet(this);
        sheet->Name = QString::fromLatin1(name);
        sheet->SetPageControl(PC_Options);
        return sheet;
    };
    TS_Language = addSheet("TS_Language");
    TS_Con_Options = addSheet("TS_Con_Options");
    TS_Soft_Settings = addSheet("TS_Soft_Settings");
    Build_Language_Page();
    Build_Connection_Page();
    Build_Settings_Page();

    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFSoftOptions::Build_Language_Page() {
    L_Sel_Lang = Place_Control<TLabel>(*this, TS_Language, "L_Sel_Lang", 16, 12, 0, 0);
    L_Sel_Lang->Font().SetStyle(fsBold);
    L_Page_Lang = Place_Control<TLabel>(*this, TS_Language, "L_Page_Lang", 380, 12, 0, 0);
    for (int j = 0; j < Slots_Per_Page; ++j) {
        const int left = Slot_Lefts[j / 3];
        const int slotTop = Slot_Tops[j % 3];
        const QByteArray image = "I_L" + QByteArray::number(j + 1);
        const QByteArray label = "L_L" + QByteArray::number(j + 1);
        I_L[j] = Place_Control<TImage>(*this, TS_Language, image.constData(), left, slotTop, Flag_Size, Flag_Size);
        I_L[j]->Stretch = true;
        I_L[j]->SetCursor(crHandPoint);
        L_L[j] = Place_Control<TLabel>(*this, TS_Language, label.constData(), left + Flag_Size + 8,
                                       slotTop + (Flag_Size - 13) / 2, 0, 0);
        L_L[j]->SetCursor(crHandPoint);
        for (TControl* c : {static_cast<TControl*>(I_L[j]), static_cast<TControl*>(L_L[j])})
            c->OnClick = [this](TObject* s) { LangClick(s); };
    }
    Btn_Prev = addButton(*this, TS_Language, "Btn_Prev", 16, 196, 100);
    Btn_Next = addButton(*this, TS_Language, "Btn_Next", 360, 196, 100);
    for (TLbButton* b : {Btn_Prev, Btn_Next}) b->OnClick = [this](TObject* s) { Btn_NextClick(s); };
}

void TFSoftOptions::Build_Connection_Page() {
    CB_En_Con = addCheckBox(*this, TS_Con_Options, "CB_En_Con", 16, 16);
    CB_Update = addCheckBox(*this, TS_Con_Options, "CB_Update", 36, 42);
    Btn_Check_Update = addButton(*this, TS_Con_Options, "Btn_Check_Update", 36, 74, 220);
    Btn_Check_Update->OnClick = [this](TObject* s) { Btn_Check_UpdateClick(s); };
    LL_Check_Update = Place_Control<TLinkLabel>(*this, TS_Con_Options, "LL_Check_Update", 36, 112, 0, 0);
    LL_Check_Update->OnLinkClick = [this](TObject* s, const QString& link, TSysLinkType type) {
        LL_Check_UpdateLinkClick(s, link, type);
    };
    // Shown once the dialog opens.
    TS_Con_Options->SetTabVisible(false);
}

void TFSoftOptions::Build_Settings_Page() {
    CB_Soft_Set_Jump_Table = addCheckBox(*this, TS_Soft_Settings, "CB_Soft_Set_Jump_Table", 16, 16);
    CB_DoubleClick_Auto_Size = addCheckBox(*this, TS_Soft_Settings, "CB_DoubleClick_Auto_Size", 16, 42);
    for (TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        box->OnClick = [this](TObject* s) { CB_En_ConClick(s); };
}

void TFSoftOptions::FormCreate(TObject*) {
    SL_Languages.clear();
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    TS_Con_Options->SetTabVisible(true);
    Set_Lang();
}

void TFSoftOptions::FormShow(TObject*) {
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->Hide();
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Enable_Internet);
    CB_Update->SetChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Double_Click_Auto_Size);
}

void TFSoftOptions::Set_Lang() {
    SetCaption(Lang(300));
    L_SW_Desc->SetCaption(Lang(301));
    TS_Language->SetCaption(Lang(302));
    TS_Con_Options->SetCaption(Lang(303));
    TS_Soft_Settings->SetCaption(Lang(319));
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
    // Once the languages are listed the line keeps telling the page shown.
    L_Page_Lang->SetCaption(SL_Languages.isEmpty() ? Page_Line(1, 1) : Page_Line(Show_Page, Page_Count()));
    Btn_Prev->SetCaption(Lang(307));
    Btn_Next->SetCaption(Lang(308));
    CB_En_Con->SetCaption(Lang(309));
    CB_Update->SetCaption(Lang(310));
    Btn_Check_Update->SetCaption(Lang(311));
    Btn_OK->SetCaption(Lang(312));
    Btn_Cancel->SetCaption(Lang(313));
    CB_Soft_Set_Jump_Table->SetCaption(Lang(320));
    CB_DoubleClick_Auto_Size->SetCaption(Lang(321));
}

int TFSoftOptions::Page_Count() const {
    // Without language files the one page shown is still a page.
    return std::max(1, (static_cast<int>(SL_Languages.size()) + Slots_Per_Page - 1) / Slots_Per_Page);
}

QString TFSoftOptions::Page_Line(int Num_Page, int Pages) const {
    return Lang(305) + QString::number(Num_Page) + Lang(306) + QString::number(Pages);
}

void TFSoftOptions::Create_Lang_List() {
    SL_Languages.clear();
    for (const TSearchRec& entry : FindFiles(Language_Dir, QStringLiteral("*.lng")))
        if (!(entry.Attr & faDirectory) && (entry.Attr & ~Allowed_Language_Attributes) == 0)
            SL_Languages.append(entry.Name);
    SL_Languages.sort(Qt::CaseInsensitive);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
    const int pages = Page_Count();
    L_Page_Lang->SetCaption(Page_Line(Num_Page, pages));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);
    const int first = (Num_Page - 1) * Slots_Per_Page;
    const int shown = std::clamp(static_cast<int>(SL_Languages.size()) - first, 0, Slots_Per_Page);
    for (int j = 0; j < Slots_Per_Page; ++j) {
        const bool used = j < shown;
        L_L[j]->SetVisible(used);
        I_L[j]->SetVisible(used);
        if (!used) continue;
        const QString name = SL_Languages[first + j].chopped(4);
        L_L[j]->SetCaption(name);
        const QString flag = Language_Flag_File(name);
        // A missing or unreadable picture leaves the slot without a flag; its label still chooses it.
        I_L[j]->SetVisible(!flag.isEmpty() && I_L[j]->Picture().LoadFromFile(flag));
    }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
    if (Sender == Btn_Next && Page_Count() >= Show_Page + 1) ++Show_Page;
    if (Sender == Btn_Prev && Show_Page >= 2) --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender) {
    int slot = -1;
    for (int j = 0; j < Slots_Per_Page; ++j)
        if (Sender == I_L[j] || Sender == L_L[j]) slot = j;
    const int entry = (Show_Page - 1) * Slots_Per_Page + slot;
    if (slot < 0 || entry >= SL_Languages.size()) return;
    const QString name = SL_Languages[entry].chopped(4);
    if (MessageDlg(Lang(316) + Language_In_Use + Lang(317) + name + Lang(318), mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    Language_In_Use = name;
    // The texts change at once; the stored language only with OK.
    const QString stored = Language_Name;
    Language_Name = name;
    Load_Language();
    Language_Name = stored;
    OnLanguageChange(this);
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked() && !checking_);
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
    if (checking_) return;
    if (!Version_Client) {
        Show_Check_Result(false);
        return;
    }
    // The answer comes later, as for the main window's timer: a server that does not answer
    // holds the check's own thread, never the window. The button waits for that answer.
    checking_ = true;
    LL_Check_Update->Hide();
    Update_CheckBox();
    versionCheck_.reset();
    versionCheck_ = std::make_unique<TVersion_Check_Thread>(*Version_Client, [this](bool newer) {
        checking_ = false;
        Update_CheckBox();
        Show_Check_Result(newer);
    });
}

void TFSoftOptions::Show_Check_Result(bool Newer) {
    LL_Check_Update->SetCaption(Newer ? Update_Link_Caption(Lang(314)) : Lang(315));
    LL_Check_Update->Show();
}

void TFSoftOptions::WaitForVersionCheck() {
    if (versionCheck_) versionCheck_->WaitFor();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const QString& Link, TSysLinkType) { ShellOpenUrl(Link); }

void TFSoftOptions::Btn_OKClick(TObject*) {
    Language_Name = Language_In_Use;
    Enable_Internet = CB_En_Con->Checked();
    Enable_Update = CB_Update->Checked();
    Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}

bool TFSoftOptions::Check_Version() {
    return Version_Client && Is_Newer_Version(Request_Newest_Version(*Version_Client));
}

int TFSoftOptions::Conv_Version(const QString& Ver_str) { return ::Conv_Version(Ver_str); }
