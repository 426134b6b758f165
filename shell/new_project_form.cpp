#include "shell/new_project_form.h"

#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

TFNew_Project* FNew_Project = nullptr;

bool Is_Safe_Configuration_Name(const QString& name) {
    // A leading "." also makes a hidden folder, which the open dialog never lists.
    if (name.startsWith(QLatin1Char('.'))) return false;
    for (QChar ch : name)
        if (ch == '/' || ch == '\\' || ch.isNull()) return false;
    return true;
}

void TFNew_Project::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, 331, 162);
    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetBounds(16, 78, 0, 0);
    E_New_Proj = new TEdit(this);
    E_New_Proj->SetParent(this);
    E_New_Proj->SetBounds(16, 94, 299, 21);
    E_New_Proj->ShowHint = true;
    E_New_Proj->OnKeyPress = [this](TObject* s, QChar& k) { E_New_ProjKeyPress(s, k); };
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFNew_Project::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(331);
    SetClientHeight(162);
    Set_Lang();
}

void TFNew_Project::FormShow(TObject*) {
    E_New_Proj->SetText(QString());
    if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, QChar& Key) {
    if (Key == QChar(13)) Btn_OKClick(Sender);
}

void TFNew_Project::Btn_OKClick(TObject*) {
    const QString name = E_New_Proj->Text();
    if (name.isEmpty()) {
        MessageDlg(Lang(107), mtError, mbOK);
        return;
    }
    const QString folder = Projects_Dir + PathDelim + name;
    // A name that would leave PROJECTS is refused like one the file system refuses.
    if (!Is_Safe_Configuration_Name(name)) {
        MessageDlg(Lang(105), mtError, mbOK);
        return;
    }
    if (DirectoryExists(folder)) {
        MessageDlg(Lang(106), mtError, mbOK);
        return;
    }
    if (!CreateDir(folder)) {
        MessageDlg(Lang(105), mtError, mbOK);
        return;
    }
    ForceDirectories(folder + PathDelim + QStringLiteral("bin"));
    Project_Name = name;
    Project_Path = folder;
    Set_Project_Files();
    SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang() {
    SetCaption(Lang(100));
    L_SW_Desc->SetCaption(Lang(101));
    Label1->SetCaption(Lang(102));
    Btn_OK->SetCaption(Lang(103));
    Btn_Cancel->SetCaption(Lang(104));
    E_New_Proj->SetHint(Lang(108));
    Btn_OK->SetHint(Lang(109));
    Btn_Cancel->SetHint(Lang(110));
}
