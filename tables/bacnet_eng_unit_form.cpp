#include "tables/bacnet_eng_unit_form.h"

#include "tables/bacnet_units.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/shape.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/program_state.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

constexpr int Client_Width = 548;
constexpr int Client_Height = 306;

TLabel* addLabel(TFBACnet_Eng_Unit& Form, const char* Name, int Left, int Top) {
    return Place_Control<TLabel>(Form, &Form, Name, Left, Top, 0, 0);
}

TShape* addLine(TFBACnet_Eng_Unit& Form, const char* Name, int Top) {
    auto* line = Place_Control<TShape>(Form, &Form, Name, 8, Top, Client_Width - 16, 1);
    line->Pen.Color = clGray;
    return line;
}

}  // namespace

void TFBACnet_Eng_Unit::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, Client_Width, Client_Height, "Tahoma");
    Btn_OK->ModalResult = mrOk;
    Label1 = addLabel(*this, "Label1", 16, 82);
    E_Selected_EU = Place_Control<TEdit>(*this, this, "E_Selected_EU", 250, 78, 80, 21);
    Label5 = addLabel(*this, "Label5", 340, 82);
    Shape1 = addLine(*this, "Shape1", 110);
    Label2 = addLabel(*this, "Label2", 16, 120);
    Label3 = addLabel(*this, "Label3", 16, 146);
    CB_Select_Type = Place_Control<TComboBox>(*this, this, "CB_Select_Type", 16, 162, 250, 21);
    QStringList categories;
    for (const TBACnet_Unit_Category& category : BACnet_Unit_Categories()) categories << QLatin1String(category.Name);
    CB_Select_Type->SetItems(categories);
    CB_Select_Type->SetItemIndex(0);
    CB_Select_Type->OnChange = [this](TObject* s) { CB_Select_TypeSelect(s); };
    Label4 = addLabel(*this, "Label4", 282, 146);
    CB_Select_Unit = Place_Control<TComboBox>(*this, this, "CB_Select_Unit", 282, 162, 250, 21);
    Btn_Select_Eng_Unit = Place_Control<TLbButton>(*this, this, "Btn_Select_Eng_Unit", 16, 200, Client_Width - 32, 26);
    Set_Window_Button_Look(*Btn_Select_Eng_Unit);
    Btn_Select_Eng_Unit->OnClick = [this](TObject* s) { Btn_Select_Eng_UnitClick(s); };
    Shape2 = addLine(*this, "Shape2", 244);
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFBACnet_Eng_Unit::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
}

// The category chosen last stays; its units are listed afresh.
void TFBACnet_Eng_Unit::FormShow(TObject* Sender) { CB_Select_TypeSelect(Sender); }

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*) {
    QStringList units;
    const int category = CB_Select_Type->ItemIndex();
    if (category >= 0)
        for (const TBACnet_Unit& unit : BACnet_Unit_Categories()[size_t(category)].Units) units << QLatin1String(unit.Name);
    CB_Select_Unit->SetItems(units);
    CB_Select_Unit->SetItemIndex(units.isEmpty() ? -1 : 0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*) {
    const int category = CB_Select_Type->ItemIndex();
    const int unit = CB_Select_Unit->ItemIndex();
    int code = 0;
    if (category >= 0 && unit >= 0) code = BACnet_Unit_Categories()[size_t(category)].Units[size_t(unit)].Code;
    E_Selected_EU->SetText(QString::number(code));
    Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(code));
}

void TFBACnet_Eng_Unit::Set_Lang() {
    SetCaption(Lang(2100));
    L_SW_Desc->SetCaption(Lang(2101));
    Btn_OK->SetCaption(Lang(2102));
    Btn_Cancel->SetCaption(Lang(2103));
    Label1->SetCaption(Lang(2104));
    Label2->SetCaption(Lang(2105));
    Label3->SetCaption(Lang(2106));
    Label4->SetCaption(Lang(2107));
    Btn_Select_Eng_Unit->SetCaption(Lang(2108));
}
