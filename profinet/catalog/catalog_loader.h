#pragma once

#include "platform/system/thread.h"

class TImage;
class TLabel;

// Loads the catalog folder into the catalog at start, behind the main window's loading
// picture and label, which it shows and hides on the GUI thread.
class TPROFINETCatLoad : public TThread {
public:
    TPROFINETCatLoad(bool createSuspended, TImage* loadingImage, TLabel* loadingLabel);
    ~TPROFINETCatLoad() override;

    void Show_Load_Catalog();
    void Hide_Load_Catalog();
    void Load_Catalog();

protected:
    void Execute() override;

private:
    TImage* image_;
    TLabel* label_;
};
