#pragma once

#include "platform/controls/form.h"

class TImage;
class TLabel;
class TLbButton;

// The about box: the identity of this build in fixed texts, none from the text table.
class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner) : TForm(AOwner) {}

    TImage* Image2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label4 = nullptr;
    TLbButton* LbButton1 = nullptr;

    void FormShow(TObject* Sender);
    void Label4Click(TObject* Sender);

protected:
    void Loaded() override;
};

extern TFAbout* FAbout;
