#pragma once

#include "config/tables/table_form.h"

class TExColumnGrid;

// The variables the gateway's IEC 61850 server publishes (IEC61850_Variables.xml): per row
// whether it is enabled, its name, type, length, position and bit in the data image, read-only,
// conversion, factor, swaps and a description.
class TFIEC61850_Variables : public TTableForm {
public:
    explicit TFIEC61850_Variables(TComponent* AOwner);

    TExColumnGrid* ACG = nullptr;
    // The size of the data image that positions point into.
    int NByte_IN = 0;

    bool Controllo_dati() override;
    QStringList Row_Texts(int Row) override;
    void Set_Row_Texts(int Row, const QStringList& Texts) override;

protected:
    TExStringGrid* Build_Grid(int Left, int Top, int Width, int Height) override;
    void Init_Table() override;
    QString File_Name() const override;
    void Set_Headers(const QStringList& Headers) override;
    void Prepare_Show() override;
    void Paste_Row(int Row) override;
};

extern TFIEC61850_Variables* FIEC61850_Variables;
