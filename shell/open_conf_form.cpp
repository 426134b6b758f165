#include "shell/open_conf_form.h"

#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/system/files.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

TFOpenConf* FOpenConf = nullptr;

void TFOpenConf::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, 377, 351);
    BorderStyle = bsSizeable;
    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetBounds(16, 78, 0, 0);
    ListBox1 = new TListBox(this);
    ListBox1->SetParent(this);
    ListBox1->SetBounds(16, 96, 345, 211);
    ListBox1->Anchors = akLeft | akTop | akRight | akBottom;
    ListBox1->ShowHint = true;
    ListBox1->OnClick = [this](TObject* s) { ListBox1Click(s); };
    ListBox1->OnDblClick = [this](TObject* s) { ListBox1DblClick(s); };
    Btn_OK->ModalResult = mrOk;
    // Enter opens the configuration chosen, as a double click on it does.
    Btn_OK->Default = true;
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFOpenConf::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(377);
    SetClientHeight(351);
    Set_Lang();
}

void TFOpenConf::FormShow(TObject*) {
    Load_Existing_Configuration();
    ListBox1->SetItems(SL);
    const QString prefix = Projects_Dir + PathDelim;
    const QString open = Project_Path.startsWith(prefix) ? Project_Path.mid(prefix.size()) : QString();
    int index = Search_Open_Conf(open);
    if (index < 0 && !SL.isEmpty()) index = 0;
    ListBox1->SetItemIndex(index);
    // With nothing to choose, OK must not reopen the name chosen last time.
    Name_Conf = index >= 0 ? SL[index] : QString();
}

void TFOpenConf::ListBox1Click(TObject*) {
    if (ListBox1->ItemIndex() >= 0) Name_Conf = ListBox1->Items()[ListBox1->ItemIndex()];
}

void TFOpenConf::ListBox1DblClick(TObject* Sender) {
    if (ListBox1->ItemIndex() < 0) return;
    ListBox1Click(Sender);
    SetModalResult(mrOk);
}

void TFOpenConf::Load_Existing_Configuration() {
    SL.clear();
    for (const TSearchRec& entry : FindFiles(Projects_Dir, QStringLiteral("*")))
        if ((entry.Attr & faDirectory) && !(entry.Attr & (faHidden | faSysFile))) SL.append(entry.Name);
}

int TFOpenConf::Search_Open_Conf(const QString& snc) const {
    for (int i = 0; i < SL.size(); ++i)
        if (SL[i].toUpper() == snc.toUpper()) return i;
    return -1;
}

void TFOpenConf::Set_Lang() {
    SetCaption(Lang(200));
    L_SW_Desc->SetCaption(Lang(201));
    Label1->SetCaption(Lang(202));
    Btn_OK->SetCaption(Lang(203));
    Btn_Cancel->SetCaption(Lang(204));
    ListBox1->SetHint(Lang(205));
    Btn_OK->SetHint(Lang(206));
    Btn_Cancel->SetHint(Lang(207));
}
