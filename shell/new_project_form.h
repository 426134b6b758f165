#pragma once

#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"

class TEdit;

// Asks the name of a new configuration and creates its folder in PROJECTS.
class TFNew_Project : public TForm, public TDialogFrame {
public:
    explicit TFNew_Project(TComponent* AOwner) : TForm(AOwner) {}

    TLabel* Label1 = nullptr;
    TEdit* E_New_Proj = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void E_New_ProjKeyPress(TObject* Sender, QChar& Key);
    void Btn_OKClick(TObject* Sender);
    void Set_Lang();

protected:
    void Loaded() override;
};

extern TFNew_Project* FNew_Project;

// True when a configuration name stays one visible folder inside PROJECTS.
bool Is_Safe_Configuration_Name(const QString& name);
