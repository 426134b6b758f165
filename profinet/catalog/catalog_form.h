#pragma once

#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"

#include <QString>

class TGSDML;
class TImageList;
class TLabel;
class TOpenDialog;
class TTreeView;

// The catalog of PROFINET devices as a tree of main families, vendors, product families,
// categories and device access points, from which the network editor picks one device; new
// GSDML files are added to the catalog folder here.
class TFPROFINETCatalog : public TForm, public TDialogFrame {
public:
    explicit TFPROFINETCatalog(TComponent* AOwner) : TForm(AOwner) {}

    TLbButton* Btn_AddDevice = nullptr;
    TPanel* PCatalog = nullptr;
    TTreeView* TW_Catalog = nullptr;
    TImageList* IL_Catalog = nullptr;
    TOpenDialog* OD_GSDML = nullptr;
    // Shown over the tree while the catalog is empty: where description files go.
    TLabel* L_Empty_Catalog = nullptr;
    // The folder Add Device last took a file from; the dialog opens there next time.
    QString Last_Folder;

    // What the last click on a device leaf picked; read by the network editor after OK.
    // Selected_GSDML is the catalog's own document, not owned here.
    TGSDML* Selected_GSDML = nullptr;
    QString Selected_Device;
    QString Selected_CategoryRef;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Set_Lang();
    // Rebuilds the tree and the catalog's display records from the catalog.
    void Show_Catalog();
    void TW_CatalogClick(TObject* Sender);
    // A double click on a device chooses it, as OK would.
    void TW_CatalogDblClick(TObject* Sender);
    void Btn_AddDeviceClick(TObject* Sender);

    // The pictures of IL_Catalog.
    static constexpr int Group_Image = 0;
    static constexpr int Device_Image = 1;

protected:
    void Loaded() override;
};

extern TFPROFINETCatalog* FPROFINETCatalog;
