#pragma once

#include "config/tables/paged_table_form.h"

// The SNMP tables (SNMP_Trap.xml): the data items the device sends as traps (read table:
// type, triggers, timer, place in the data image, description, destination address,
// conversion) and those an SNMP manager writes into the data image (write table). Enabled
// rows are numbered 1, 2, 3 ... in column 0.
class TFSNMP_Trap_Access : public TPagedTableForm {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner);

    TTabSheet* TS_SNMP_Read = nullptr;
    TTabSheet* TS_SNMP_Write = nullptr;
    TExColumnGrid* ACG_SNMP_Read = nullptr;
    TExColumnGrid* ACG_SNMP_Write = nullptr;
    // The sizes of the data image the Position columns offer.
    int NByte_IN = 0;
    int NByte_OUT = 0;
    // The descriptions the last check gathered.
    QStringList SL_Check_Desc;

    bool Controllo_dati() override;
    // Numbers the enabled rows of Grid without gaps and empties column 0 of the others.
    void Index_Row_Build(TExColumnGrid& Grid);
    void ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

protected:
    void Loaded() override;
    QString File_Name() const override;
    void Prepare_Show() override;
    void After_Load() override;
};

// The size of the data image either table points into.
constexpr int SNMP_NByte = 1438;

extern const TTable_Groups_File SNMP_Trap_File;

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
