#pragma once

#include "common/state/dialog_frame.h"
#include "platform/controls/form.h"

class TComboBox;
class TEdit;
class TLabel;
class TShape;

// The picker of a BACnet engineering unit: the unit is chosen by category and name and its
// code lands in E_Selected_EU, with its name in Label5. The caller fills both before showing
// and reads E_Selected_EU after OK.
class TFBACnet_Eng_Unit : public TForm, public TDialogFrame {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner) {}

    TLabel* Label1 = nullptr;
    TEdit* E_Selected_EU = nullptr;
    TLabel* Label5 = nullptr;
    TShape* Shape1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TComboBox* CB_Select_Type = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* CB_Select_Unit = nullptr;
    TLbButton* Btn_Select_Eng_Unit = nullptr;
    TShape* Shape2 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CB_Select_TypeSelect(TObject* Sender);
    void Btn_Select_Eng_UnitClick(TObject* Sender);
    void Set_Lang();

protected:
    void Loaded() override;
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
