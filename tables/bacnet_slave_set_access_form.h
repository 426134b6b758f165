#pragma once

#include "config/tables/paged_table_form.h"

// The BACnet objects the device offers as a server (BACnet_Slave.xml): those whose present
// value comes from the data image (read table) and those clients write into it (write table),
// each with its object type, engineering unit, place and length in the data image and a
// mnemonic. The number of objects is limited by the general parameters; a double click on a
// unit cell picks the unit by name.
class TFBACnetSlaveSetAccess : public TPagedTableForm {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner);

    TTabSheet* TS_BACnet_in_Read = nullptr;
    TTabSheet* TS_BACnet_in_Write = nullptr;
    TExColumnGrid* ACG_BACnet_in_Read = nullptr;
    TExColumnGrid* ACG_BACnet_in_Write = nullptr;
    // ParGen.xml limits the descriptions' length: at most 1000 objects, else 2000.
    bool Desc_Lenght = false;
    // The sizes of the data image read and write positions point into.
    int NByte_IN = 0;
    int NByte_OUT = 0;

    bool Controllo_dati() override;
    void DblClickCell(TObject* Sender, int ARow, int ACol) override;
    void ACG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, QString ASelection);
    void ClickCell(TObject* Sender, int ARow, int ACol);

protected:
    void Loaded() override;
    QString File_Name() const override;
    void Prepare_Show() override;
};

// The size of the data image either table points into.
constexpr int BACnet_Image_Size = 1500;

extern const TTable_Groups_File BACnet_Slave_File;

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
