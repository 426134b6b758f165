#pragma once

#include "platform/controls/form.h"

class TLabel;
class TLbButton;

// The about box: fixed texts, none from the text table.
class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner) : TForm(AOwner) {}

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label10 = nullptr;
    TLbButton* LbButton1 = nullptr;

protected:
    void Loaded() override;
};

extern TFAbout* FAbout;
