#pragma once

#include <QString>

#include "platform/system/thread.h"

class TImage;
class TLabel;
class TPROFINET_Catalog;

// Loads the catalog folder into the catalog at start, behind the main window's loading
// picture and label, which it shows and hides on the GUI thread. The thread finishes after
// the hide step. The GUI thread may read the catalog once the picture is hidden: the hide
// step runs on it only after the last insert.
class TPROFINETCatLoad : public TThread {
public:
    // Takes Catalog_Dir and PROFINET_Catalog_Obj as they are now, on the GUI thread.
    TPROFINETCatLoad(bool createSuspended, TImage* loadingImage, TLabel* loadingLabel);
    // Stops the scan at the next file and waits for the thread; call it on the GUI thread
    // while the picture and the label still exist.
    ~TPROFINETCatLoad() override;

    void Show_Load_Catalog();
    void Hide_Load_Catalog();
    // Decodes every GSDML file of the folder into the catalog; files that do not decode are
    // passed over without a word. Stops between files once the thread is asked to end.
    void Load_Catalog();

protected:
    void Execute() override;

private:
    TImage* image_;
    TLabel* label_;
    QString catalogDir_;
    TPROFINET_Catalog* catalog_;
};
