#pragma once

#include "config/tables/column_table_form.h"

class TExColumnGrid;

// The variables the gateway's IEC 61850 server publishes (IEC61850_Variables.xml): per row
// whether it is enabled, its name, type, length, position and bit in the data image, read-only,
// conversion, factor, swaps and a description.
class TFIEC61850_Variables : public TColumnTableForm {
public:
    explicit TFIEC61850_Variables(TComponent* AOwner);

    TExColumnGrid* ACG = nullptr;
    // The size of the data image that positions point into.
    int NByte_IN = 0;

    bool Controllo_dati() override;

protected:
    void Grid_Built(TExColumnGrid& Grid) override { ACG = &Grid; }
    QString File_Name() const override;
    void Prepare_Show() override;
};

extern TFIEC61850_Variables* FIEC61850_Variables;
