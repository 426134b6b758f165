#include "shell/par_gen_form.h"

#include "platform/controls/application.h"
#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/controls/rich_edit.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"
#include "common/buttons/lb_button.h"
#include "config/general/par_gen_file.h"
#include "common/state/program_state.h"

#include <algorithm>

TFParGen* FParGen = nullptr;

using namespace ParGen_Grid;

namespace {

constexpr int Form_Width = 460;
constexpr int Form_Height = 700;

TLabel* rowLabel(TFParGen& form, TWinControl* parent, const char* name, int row) {
    return Place_Control<TLabel>(form, parent, name, Label_Left, Row_Top(row), 0, 0);
}

// The port converts as a whole number; text that is none counts as -1.
int portValue(const TEdit* field) {
    int value = -1;
    return TryStrToInt(field->Text(), value) ? value : -1;
}

// An address byte is decimal text, as the file holds it.
bool isByte(const TEdit* field) {
    int value = -1;
    return ParGen_Decimal(field->Text(), value) && value >= 0 && value <= 255;
}

}  // namespace

void TFParGen::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, Form_Width, Form_Height);
    // Only the height may change; OK and Cancel decide themselves how the dialog closes.
    BorderStyle = bsSizeable;
    Btn_OK->ModalResult = mrNone;
    Btn_Cancel->ModalResult = mrNone;
    // Enter confirms from any one-line field; the certificate fields keep it for their lines.
    Btn_OK->Default = true;

    XML1 = new TXMLDocument(this);
    XML1->Name = "XML1";

    CPG = Place_Control<TCategoryPanelGroup>(*this, this, "CPG", 0, P_Title->Height(), Form_Width,
                                     Form_Height - P_Title->Height() - P_Button->Height());
    CPG->SetParentColor(true);
    CPG->SetHeaderHeight(24);
    Build_Panels();
    Build_PROFINET_Master();
    Build_IEC61850_Server();
    Build_TLS_Server();
    Build_Other_Panels();

    for (TEdit* field : Address_Fields()) field->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
    // A port is a number: letters never enter it (control keys such as Backspace still work).
    E_IEC61850_Server_Port->OnKeyPress = [](TObject*, QChar& k) {
        if (k >= QChar(' ') && !k.isDigit()) k = QChar();
    };
    for (TControl* control : Element_Controls()) {
        control->ShowHint = true;
        if (auto* field = dynamic_cast<TCustomEdit*>(control)) field->OnChange = [this](TObject* s) { On_Change(s); };
        else control->OnClick = [this](TObject* s) { On_Click(s); };
    }
    Btn_OK->ShowHint = true;
    Btn_Cancel->ShowHint = true;
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_Cancel->OnClick = [this](TObject* s) { Btn_CancelClick(s); };
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    OnMouseWheel = [this](TObject* s, TShiftState sh, int d, TPoint p, bool& h) { FormMouseWheel(s, sh, d, p, h); };
}

namespace {

// Four byte fields of a dotted address in one row, with the points between them.
void addAddressRow(TFParGen& form, TWinControl* parent, const char* prefix, int row, std::array<TEdit**, 4> fields) {
    constexpr int lefts[] = {191, 252, 313, 374};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QByteArray(prefix) + QByteArray::number(i + 1);
        *fields[i] = Place_Control<TEdit>(form, parent, name.constData(), lefts[i], Field_Top(row), 55, Edit_Height);
        if (i == 0) continue;
        auto* dot = Place_Control<TLabel>(form, parent, "", lefts[i] - 5, Row_Top(row), 0, 0);
        dot->SetCaption(QStringLiteral("."));
    }
}

}  // namespace

void TFParGen::Build_PROFINET_Master() {
    TWinControl* s = CP_PROFINET_Master->Surface();
    L_PROFINET_Master_IP = rowLabel(*this, s, "L_PROFINET_Master_IP", 0);
    addAddressRow(*this, s, "E_PROFINET_Master_IP", 0,
                  {&E_PROFINET_Master_IP1, &E_PROFINET_Master_IP2, &E_PROFINET_Master_IP3, &E_PROFINET_Master_IP4});
    L_PROFINET_Master_SM = rowLabel(*this, s, "L_PROFINET_Master_SM", 1);
    addAddressRow(*this, s, "E_PROFINET_Master_SM", 1,
                  {&E_PROFINET_Master_SM1, &E_PROFINET_Master_SM2, &E_PROFINET_Master_SM3, &E_PROFINET_Master_SM4});
    CB_PROFINET_Master_GAT = Place_Control<TCheckBox>(*this, s, "CB_PROFINET_Master_GAT", Label_Left, Row_Top(2), 170, Check_Box_Height);
    addAddressRow(*this, s, "E_PROFINET_Master_GAT", 2,
                  {&E_PROFINET_Master_GAT1, &E_PROFINET_Master_GAT2, &E_PROFINET_Master_GAT3, &E_PROFINET_Master_GAT4});
    L_PROFINET_Master_NameStation = rowLabel(*this, s, "L_PROFINET_Master_NameStation", 3);
    E_PROFINET_Master_NameStation = Place_Control<TEdit>(*this, s, "E_PROFINET_Master_NameStation", Field_Left, Field_Top(3),
                                                 Field_Width, Edit_Height);
    E_PROFINET_Master_NameStation->MaxLength = 15;
    E_PROFINET_Master_NameStation->CharCase = ecLowerCase;
}

void TFParGen::Build_IEC61850_Server() {
    TWinControl* s = CP_IEC61850_Server->Surface();
    L_IEC61850_Server_Port = rowLabel(*this, s, "L_IEC61850_Server_Port", 0);
    E_IEC61850_Server_Port =
        Place_Control<TEdit>(*this, s, "E_IEC61850_Server_Port", Field_Left, Field_Top(0), Field_Width, Edit_Height);
    L_IEC61850_Server_Password = rowLabel(*this, s, "L_IEC61850_Server_Password", 1);
    E_IEC61850_Server_Password =
        Place_Control<TEdit>(*this, s, "E_IEC61850_Server_Password", Field_Left, Field_Top(1), Field_Width, Edit_Height);
}

void TFParGen::Build_TLS_Server() {
    TWinControl* s = CP_TLS_Server->Surface();
    // The rich edits of this panel stand five pixels above their labels.
    const auto richEdit = [&](const char* name, int row) {
        return Place_Control<TRichEdit>(*this, s, name, Field_Left, Row_Top(row) - 5, Field_Width, Rich_Edit_Height);
    };
    CB_TLS_Server_Enable = Place_Control<TCheckBox>(*this, s, "CB_TLS_Server_Enable", Label_Left, Row_Top(0), 300, Check_Box_Height);
    L_TLS_Server_Key = rowLabel(*this, s, "L_TLS_Server_Key", 1);
    E_TLS_Server_Key = richEdit("E_TLS_Server_Key", 1);
    L_TLS_Server_Key_Pass = rowLabel(*this, s, "L_TLS_Server_Key_Pass", 2);
    E_TLS_Server_Key_Pass =
        Place_Control<TEdit>(*this, s, "E_TLS_Server_Key_Pass", Field_Left, Field_Top(2), Field_Width, Edit_Height);
    L_TLS_Server_Server_Cert = rowLabel(*this, s, "L_TLS_Server_Server_Cert", 3);
    E_TLS_Server_Server_Cert = richEdit("E_TLS_Server_Server_Cert", 3);
    L_TLS_Server_Root_Cert = rowLabel(*this, s, "L_TLS_Server_Root_Cert", 4);
    E_TLS_Server_Root_Cert = richEdit("E_TLS_Server_Root_Cert", 4);
    CB_TLS_Server_En_Known_Cert =
        Place_Control<TCheckBox>(*this, s, "CB_TLS_Server_En_Known_Cert", Label_Left, Row_Top(5), 300, Check_Box_Height);
}

std::array<TEdit*, 12> TFParGen::Address_Fields() const {
    return {E_PROFINET_Master_IP1,  E_PROFINET_Master_IP2,  E_PROFINET_Master_IP3,  E_PROFINET_Master_IP4,
            E_PROFINET_Master_SM1,  E_PROFINET_Master_SM2,  E_PROFINET_Master_SM3,  E_PROFINET_Master_SM4,
            E_PROFINET_Master_GAT1, E_PROFINET_Master_GAT2, E_PROFINET_Master_GAT3, E_PROFINET_Master_GAT4};
}

std::array<TControl*, ParGen_Item_Count> TFParGen::Element_Controls() const {
    return {E_PROFINET_Master_IP1,
            E_PROFINET_Master_IP2,
            E_PROFINET_Master_IP3,
            E_PROFINET_Master_IP4,
            E_PROFINET_Master_SM1,
            E_PROFINET_Master_SM2,
            E_PROFINET_Master_SM3,
            E_PROFINET_Master_SM4,
            E_PROFINET_Master_GAT1,
            E_PROFINET_Master_GAT2,
            E_PROFINET_Master_GAT3,
            E_PROFINET_Master_GAT4,
            CB_PROFINET_Master_GAT,
            E_PROFINET_Master_NameStation,
            E_IEC61850_Server_Port,
            E_IEC61850_Server_Password,
            CB_TLS_Server_Enable,
            E_TLS_Server_Key,
            E_TLS_Server_Key_Pass,
            E_TLS_Server_Server_Cert,
            E_TLS_Server_Root_Cert,
            CB_TLS_Server_En_Known_Cert};
}

void TFParGen::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Form_Width);
    SetClientHeight(Form_Height);
    for (int i = 0; i < ParGen_Panel_Count; ++i) Panel(static_cast<TParGen_Panel>(i))->Hide();
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

TParGen_Values TFParGen::Load_File() {
    TParGen_Values values;
    Unread.Clear();
    try {
        values.Read(*XML1, File_ParGen);
    } catch (const Exception& e) {
        Unread.Mark(File_ParGen);
        Application->HandleException(Exception(Unread.Report(e.Message)));
    }
    XML1->SetActive(false);
    return values;
}

void TFParGen::FormShow(TObject*) {
    // Without a readable file every field takes its default, so that nothing of the
    // configuration shown before stays in the fields.
    const TParGen_Values values = Load_File();
    const std::array<TControl*, ParGen_Item_Count> controls = Element_Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        const auto item = static_cast<TParGen_Item>(i);
        if (auto* field = dynamic_cast<TCustomEdit*>(controls[i])) field->SetText(values.Text(item));
        else if (auto* box = dynamic_cast<TCheckBox*>(controls[i])) box->SetChecked(values.Flag(item));
    }
    Is_Change = false;
    Move_GroupBoxs();
}

bool TFParGen::Check_Failed(int TextId) {
    MessageDlg(Lang(TextId), mtError, mbOK);
    return false;
}

bool TFParGen::Controllo_Dati() {
    const std::array<TEdit*, 12> address = Address_Fields();
    // Address, mask and, while the gateway is on, gateway bytes: texts 444, 448 and 452 on.
    const size_t checked = CB_PROFINET_Master_GAT->Checked() ? 12 : 8;
    for (size_t i = 0; i < checked; ++i)
        if (!isByte(address[i])) return Check_Failed(444 + static_cast<int>(i));
    const int port = portValue(E_IEC61850_Server_Port);
    if (port < 0 || port > 65535 || port == 10000) return Check_Failed(1772);
    return true;
}

void TFParGen::Save_File() {
    TParGen_Values values;
    const std::array<TControl*, ParGen_Item_Count> controls = Element_Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        const auto item = static_cast<TParGen_Item>(i);
        if (auto* field = dynamic_cast<TCustomEdit*>(controls[i])) values.SetText(item, field->Text());
        else if (auto* box = dynamic_cast<TCheckBox*>(controls[i])) values.SetFlag(item, box->Checked());
    }
    Unread.Keep();
    values.Write(*XML1, File_ParGen);
}

void TFParGen::Btn_OKClick(TObject*) {
    if (!Controllo_Dati()) return;
    try {
        Save_File();
    } catch (const std::exception& e) {
        XML1->SetActive(false);
        Application->HandleException(e);
        return;
    }
    XML1->SetActive(false);
    SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TObject*) {
    if (Is_Change && MessageDlg(Lang(469), mtConfirmation, mbYes | mbNo) != mrYes) return;
    SetModalResult(mrCancel);
}

void TFParGen::KeyPress(TObject* Sender, QChar& Key) {
    if (Key != QChar('.')) return;
    // A point never enters an address byte; it moves on to the next byte field.
    Key = QChar();
    const std::array<TEdit*, 12> fields = Address_Fields();
    const auto it = std::find(fields.begin(), fields.end(), Sender);
    if (it == fields.end() || it + 1 == fields.end()) return;
    if (TEdit* next = *(it + 1); next->CanFocus()) next->SetFocus();
}

void TFParGen::On_Change(TObject* Sender) {
    Is_Change = true;
    if (Is_Layout_Sender(Sender)) Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender) {
    Is_Change = true;
    if (Is_Layout_Sender(Sender)) Move_GroupBoxs();
}

void TFParGen::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled) {
    Handled = Wheel_Scrolls(*CPG, WheelDelta, MousePos);
}

void TFParGen::FormResize(TObject*) {
    SetClientWidth(Form_Width);
    // The button panel keeps to the bottom and the panel group fills what lies between.
    P_Button->SetBounds(0, ClientHeight() - P_Button->Height(), Form_Width, P_Button->Height());
    CPG->SetBounds(0, P_Title->Height(), Form_Width,
                   std::max(0, ClientHeight() - P_Title->Height() - P_Button->Height()));
}

void TFParGen::Set_Lang() {
    SetCaption(Lang(400));
    L_SW_Desc->SetCaption(Lang(401));
    Btn_OK->SetCaption(Lang(402));
    Btn_Cancel->SetCaption(Lang(403));
    Btn_OK->SetHint(Lang(404));
    Btn_Cancel->SetHint(Lang(405));

    // The address rows' hints run on through the byte fields: 407 .. 410, 412 .. 415, 419 .. 422.
    const std::array<TEdit*, 12> address = Address_Fields();
    for (int i = 0; i < 4; ++i) {
        address[i]->SetHint(Lang(407 + i));
        address[4 + i]->SetHint(Lang(412 + i));
        address[8 + i]->SetHint(Lang(419 + i));
    }
    L_PROFINET_Master_IP->SetCaption(Lang(411));
    L_PROFINET_Master_SM->SetCaption(Lang(416));
    CB_PROFINET_Master_GAT->SetCaption(Lang(417));
    CB_PROFINET_Master_GAT->SetHint(Lang(418));
    L_PROFINET_Master_NameStation->SetCaption(Lang(423));
    E_PROFINET_Master_NameStation->SetHint(Lang(424));

    L_IEC61850_Server_Port->SetCaption(Lang(1768));
    E_IEC61850_Server_Port->SetHint(Lang(1769));
    L_IEC61850_Server_Password->SetCaption(Lang(1770));
    E_IEC61850_Server_Password->SetHint(Lang(1771));

    CB_TLS_Server_Enable->SetCaption(Lang(1774));
    CB_TLS_Server_Enable->SetHint(Lang(1775));
    L_TLS_Server_Key->SetCaption(Lang(1776));
    E_TLS_Server_Key->SetHint(Lang(1777));
    L_TLS_Server_Key_Pass->SetCaption(Lang(1778));
    E_TLS_Server_Key_Pass->SetHint(Lang(1779));
    L_TLS_Server_Server_Cert->SetCaption(Lang(1780));
    E_TLS_Server_Server_Cert->SetHint(Lang(1781));
    L_TLS_Server_Root_Cert->SetCaption(Lang(1782));
    E_TLS_Server_Root_Cert->SetHint(Lang(1783));
    CB_TLS_Server_En_Known_Cert->SetCaption(Lang(1784));
    CB_TLS_Server_En_Known_Cert->SetHint(Lang(1785));
    Set_Lang_Other_Panels();
}
